#include "simhost/formula/Units.h"

#include <cctype>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "simhost/formula/ValueText.h"

namespace simhost::formula {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Every unit the engine knows, with Visio's unit codes and the names it is written with
// after a number. Codes 63 and 64 (page and drawing units) depend on the document and
// are left to the host.
struct UnitEntry {
    std::vector<int> codes;
    std::vector<const char*> names;  // the first one is the canonical suffix
    Dimension dimension;
    double perInternal;
};

const std::vector<UnitEntry>& unitTable() {
    static const std::vector<UnitEntry> table = {
        {{32}, {""}, Dimension::None, 1},
        {{33}, {"%"}, Dimension::None, 100},
        {{50}, {"pt"}, Dimension::Length, 72},
        {{51}, {"pc"}, Dimension::Length, 6},
        {{65}, {"in", "in.", "\""}, Dimension::Length, 1},
        {{66}, {"ft", "ft."}, Dimension::Length, 1.0 / 12},
        {{69}, {"cm"}, Dimension::Length, 2.54},
        {{70}, {"mm"}, Dimension::Length, 25.4},
        {{71}, {"m"}, Dimension::Length, 0.0254},
        // 80 is the document's default angle unit, degrees unless the user changed it.
        {{81, 80}, {"deg"}, Dimension::Angle, 180 / kPi},
        {{83}, {"rad"}, Dimension::Angle, 1},
    };
    return table;
}

bool sameIgnoringCase(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return i == a.size() && b[i] == '\0';
}

Unit unitOf(const UnitEntry& entry) {
    Unit unit;
    unit.dimension = entry.dimension;
    unit.perInternal = entry.perInternal;
    unit.suffix = entry.names.front();
    return unit;
}

}  // namespace

std::optional<Unit> Units::byName(const std::string& name) {
    for (const UnitEntry& entry : unitTable()) {
        for (const char* candidate : entry.names) {
            if (sameIgnoringCase(name, candidate)) return unitOf(entry);
        }
    }
    return std::nullopt;
}

std::optional<Unit> Units::byCode(int code) {
    for (const UnitEntry& entry : unitTable()) {
        for (int candidate : entry.codes) {
            if (candidate == code) return unitOf(entry);
        }
    }
    return std::nullopt;
}

double Units::fromInternal(double internalValue, const Unit& unit) {
    return internalValue * unit.perInternal;
}

double Units::toInternal(double value, const Unit& unit) {
    return value / unit.perInternal;
}

std::string Units::formulaText(double value, const Unit& unit) {
    std::string text = ValueText::formatNumber(value);
    if (unit.suffix.empty()) return text;
    if (unit.suffix == "%") return text + unit.suffix;
    return text + " " + unit.suffix;
}

}  // namespace simhost::formula
