#include "app/CellSnapshot.h"

#include "simhost/host/Document.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"

namespace runner {
namespace {

constexpr int16_t kObjectSection = 1;
constexpr int16_t kObjectRows = 64;

}  // namespace

CellSnapshot CellSnapshot::of(simhost::Document& document) {
    CellSnapshot snapshot;
    snapshot.take({-1, 0}, "document sheet", *document.documentSheet());
    for (simhost::Page* page : document.pageList()) {
        std::string onPage = "page \"" + page->name() + "\" ";
        snapshot.take({page->id(), 0}, onPage + "sheet", *page->pageSheet());
        for (simhost::Shape* shape : page->allShapes())
            snapshot.take({page->id(), shape->id()},
                          onPage + "shape " + std::to_string(shape->id()), *shape);
    }
    return snapshot;
}

void CellSnapshot::take(const SheetKey& key, std::string label, simhost::Shape& shape) {
    Sheet& sheet = sheets_[key];
    sheet.label = std::move(label);
    const simhost::ShapeSheet& cells = shape.sheet();
    for (int16_t section : cells.sectionNumbers()) {
        // The rows of the object section are numbered by kind, the others in order.
        int16_t rows = section == kObjectSection ? kObjectRows : cells.rowCount(section);
        for (int16_t row = 0; row < rows; ++row) {
            const simhost::SheetRow* r = cells.row(section, row);
            if (!r) continue;
            for (int16_t c = 0; c < static_cast<int16_t>(r->cells.size()); ++c) {
                std::string name = cells.nameOf({section, row, c});
                if (!name.empty()) sheet.formulas[name] = r->cells[static_cast<size_t>(c)].formula;
            }
        }
    }
}

std::string CellSnapshot::formulaText(const std::string& formula) {
    return formula.empty() ? "(empty)" : formula;
}

void CellSnapshot::compare(const Sheet& before, const Sheet& after, std::vector<std::string>& out) {
    // A cell that comes or goes without a formula is a row's empty cell: no news.
    for (const auto& [name, formula] : after.formulas) {
        auto old = before.formulas.find(name);
        if (old != before.formulas.end() ? old->second == formula : formula.empty()) continue;
        std::string was = old == before.formulas.end() ? "(none)" : formulaText(old->second);
        out.push_back(after.label + " " + name + ": " + was + " -> " + formulaText(formula));
    }
    for (const auto& [name, formula] : before.formulas)
        if (!formula.empty() && !after.formulas.count(name))
            out.push_back(before.label + " " + name + ": " + formulaText(formula) + " -> (none)");
}

std::vector<std::string> CellSnapshot::changes(const CellSnapshot& earlier,
                                               const CellSnapshot& later) {
    std::vector<std::string> out;
    auto old = earlier.sheets_.begin();
    auto now = later.sheets_.begin();
    while (old != earlier.sheets_.end() || now != later.sheets_.end()) {
        bool onlyOld =
            now == later.sheets_.end() || (old != earlier.sheets_.end() && old->first < now->first);
        bool onlyNew =
            old == earlier.sheets_.end() || (now != later.sheets_.end() && now->first < old->first);
        if (onlyOld) {
            out.push_back(old->second.label + " is gone");
            ++old;
        } else if (onlyNew) {
            out.push_back(now->second.label + " is new");
            ++now;
        } else {
            compare(old->second, now->second, out);
            ++old;
            ++now;
        }
    }
    return out;
}

}  // namespace runner
