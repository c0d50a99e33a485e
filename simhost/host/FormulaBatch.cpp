#include "simhost/host/FormulaBatch.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "simhost/host/Cell.h"

#include "platform/visio/VisioConstants.h"
#include "simhost/host/Application.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"

namespace simhost {

namespace {

constexpr int16_t kInvalidShapeID = -1;
constexpr int kInvalidSection = 255;

// A page's stream names shapes by signed 16-bit IDs, as Visio reads them: a negative
// number names no shape, so a shape whose ID is above 32767 cannot be named there.
Shape* sheetOf(Page& page, int16_t id) {
    if (id < 0) return nullptr;
    return id == 0 ? page.pageSheet() : page.findShape(id);
}

CellAddress addressAt(const std::vector<int16_t>& stream, size_t at) {
    return {stream[at], stream[at + 1], stream[at + 2]};
}

// A stream's entries, each a shape and an address; an ignored entry has no shape.
using Entries = std::vector<std::pair<Shape*, CellAddress>>;

bool skipped(int16_t section) {
    return (section & 0xFF) == kInvalidSection;
}

// The page's entries; an entry that names a shape the page lacks has none either, and
// sets *missing.
Entries entriesOf(Page& page, const std::vector<int16_t>& stream, bool* missing) {
    Entries entries;
    for (size_t at = 0; at + 4 <= stream.size(); at += 4) {
        if (stream[at] == kInvalidShapeID || skipped(stream[at + 1])) {
            entries.emplace_back(nullptr, CellAddress{});
            continue;
        }
        Shape* shape = sheetOf(page, stream[at]);
        if (!shape) *missing = true;
        entries.emplace_back(shape, addressAt(stream, at + 1));
    }
    return entries;
}

Entries entriesOf(Shape& shape, const std::vector<int16_t>& stream) {
    Entries entries;
    for (size_t at = 0; at + 3 <= stream.size(); at += 3)
        entries.emplace_back(skipped(stream[at]) ? nullptr : &shape, addressAt(stream, at));
    return entries;
}

// The formulas of the entries (an ignored one answers empty), or none when one of them
// names no cell.
std::vector<std::string> readEntries(const Entries& entries, CallCounters& counters) {
    std::vector<std::string> formulas;
    formulas.reserve(entries.size());
    for (const auto& [shape, address] : entries) {
        if (!shape) {
            formulas.emplace_back();
            continue;
        }
        const SheetCell* cell = shape->sheet().cell(address);
        if (!cell) return {};
        formulas.push_back(cell->formula);
    }
    counters.batchCellsRead += formulas.size();
    return formulas;
}

int16_t writeEntries(const Entries& entries, const std::vector<std::string>& formulas,
                     int16_t flags, CallCounters& counters) {
    ++counters.batchWrites;
    bool force = (flags & visio::visSetBlastGuards) != 0;
    size_t count = std::min(entries.size(), formulas.size());
    // Counted in full: Visio's answer is 16 bits wide, the counter is not.
    size_t written = 0;
    for (size_t i = 0; i < count; ++i) {
        const auto& [shape, address] = entries[i];
        if (shape && shape->writeFormula(address, formulas[i], force) == kWriteDone) ++written;
    }
    counters.batchCells += static_cast<uint64_t>(written);
    return static_cast<int16_t>(written);
}

}  // namespace

int16_t FormulaBatch::write(Page& page, const std::vector<int16_t>& stream,
                            const std::vector<std::string>& formulas, int16_t flags) {
    bool missing = false;
    return writeEntries(entriesOf(page, stream, &missing), formulas, flags,
                        page.application()->counters());
}

int16_t FormulaBatch::write(Shape& shape, const std::vector<int16_t>& stream,
                            const std::vector<std::string>& formulas, int16_t flags) {
    return writeEntries(entriesOf(shape, stream), formulas, flags, shape.application()->counters());
}

namespace {

constexpr int16_t kGetFloats = 0;
constexpr int16_t kGetTruncatedInts = 1;
constexpr int16_t kGetRoundedInts = 2;
constexpr int16_t kGetFormulas = 4;
constexpr int16_t kGetFormulasU = 5;

// The unit entry i is asked in: the last one given up to it, none (internal units) when
// none is. False when that one names no unit.
bool unitOfEntry(const std::vector<visio::Variant>& units, size_t i,
                 std::optional<formula::Unit>* unit) {
    for (size_t j = std::min(i + 1, units.size()); j-- > 0;) {
        if (std::holds_alternative<std::monostate>(units[j])) continue;
        *unit = Cell::unitOf(units[j]);
        return unit->has_value();
    }
    unit->reset();
    return true;
}

// One cell's answer; false when the cell is missing or the request not understood.
bool resultOf(Shape& shape, const CellAddress& address, int16_t flags,
              const std::optional<formula::Unit>& unit, visio::Variant* answer) {
    const SheetCell* cell = shape.sheet().cell(address);
    if (!cell) return false;
    if (flags == kGetFormulas || flags == kGetFormulasU) {
        *answer = cell->formula;
        return true;
    }
    double value = shape.cellNumber(address);
    if (unit) value = formula::Units::fromInternal(value, *unit);
    switch (flags) {
        case kGetFloats:
            *answer = value;
            return true;
        case kGetTruncatedInts:
            *answer = static_cast<int32_t>(std::trunc(value));
            return true;
        case kGetRoundedInts:
            *answer = static_cast<int32_t>(std::lround(value));
            return true;
        default:
            return false;
    }
}

std::vector<visio::Variant> resultsOf(const Entries& entries, int16_t flags,
                                      const std::vector<visio::Variant>& units,
                                      CallCounters& counters) {
    std::vector<visio::Variant> answers(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const auto& [shape, address] = entries[i];
        if (!shape) continue;
        std::optional<formula::Unit> unit;
        if (!unitOfEntry(units, i, &unit)) return {};
        if (!resultOf(*shape, address, flags, unit, &answers[i])) return {};
    }
    counters.batchCellsRead += answers.size();
    return answers;
}

}  // namespace

std::vector<visio::Variant> FormulaBatch::results(Page& page, const std::vector<int16_t>& stream,
                                                  int16_t flags,
                                                  const std::vector<visio::Variant>& units) {
    CallCounters& counters = page.application()->counters();
    ++counters.batchReads;
    bool missing = false;
    Entries entries = entriesOf(page, stream, &missing);
    if (missing) return {};
    return resultsOf(entries, flags, units, counters);
}

std::vector<visio::Variant> FormulaBatch::results(Shape& shape, const std::vector<int16_t>& stream,
                                                  int16_t flags,
                                                  const std::vector<visio::Variant>& units) {
    CallCounters& counters = shape.application()->counters();
    ++counters.batchReads;
    return resultsOf(entriesOf(shape, stream), flags, units, counters);
}

std::vector<std::string> FormulaBatch::read(Page& page, const std::vector<int16_t>& stream) {
    CallCounters& counters = page.application()->counters();
    ++counters.batchReads;
    bool missing = false;
    Entries entries = entriesOf(page, stream, &missing);
    if (missing) return {};
    return readEntries(entries, counters);
}

std::vector<std::string> FormulaBatch::read(Shape& shape, const std::vector<int16_t>& stream) {
    CallCounters& counters = shape.application()->counters();
    ++counters.batchReads;
    return readEntries(entriesOf(shape, stream), counters);
}

}  // namespace simhost
