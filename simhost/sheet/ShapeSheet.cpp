#include "simhost/sheet/ShapeSheet.h"

#include <algorithm>
#include <cctype>

namespace simhost {
namespace {

constexpr int16_t kObjectSection = 1;
constexpr int16_t kConnectionsSection = 7;
constexpr int16_t kFirstGeometry = 10;
constexpr int16_t kLastGeometry = 239;
constexpr int16_t kActionsSection = 240;
constexpr int16_t kUserSection = 242;
constexpr int16_t kPropSection = 243;

bool sameNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// Visio row names are made of letters, digits and underscores.
bool isValidRowName(const std::string& name) {
    if (name.empty()) return false;
    return std::all_of(name.begin(), name.end(), [](unsigned char c) {
        return std::isalnum(c) != 0 || c == '_' || c >= 0x80;
    });
}

}  // namespace

bool ShapeSheet::isNamedSection(int16_t section) {
    return section == kActionsSection || section == kUserSection || section == kPropSection ||
           section == kConnectionsSection;
}

bool ShapeSheet::isGeometrySection(int16_t section) {
    return section >= kFirstGeometry && section <= kLastGeometry;
}

SheetSection* ShapeSheet::section(int16_t number) {
    auto it = sections_.find(number);
    return it == sections_.end() ? nullptr : &it->second;
}

const SheetSection* ShapeSheet::section(int16_t number) const {
    auto it = sections_.find(number);
    return it == sections_.end() ? nullptr : &it->second;
}

std::shared_ptr<const InheritedFormula> InheritedFormulas::keep(
    std::string formula, std::shared_ptr<const formula::Expression> expression) {
    auto it = kept_.find(formula);
    if (it != kept_.end() && it->second->expression == expression) return it->second;
    auto kept = std::make_shared<const InheritedFormula>(InheritedFormula{formula, expression});
    // A text whose parse differs (another cache's) keeps its own and leaves the first.
    if (it == kept_.end()) kept_.emplace(std::move(formula), kept);
    return kept;
}

bool ShapeSheet::sectionExists(int16_t number, bool localOnly) const {
    const SheetSection* s = section(number);
    return s && !(localOnly && s->inherited);
}

bool ShapeSheet::addSection(int16_t number, bool inherited) {
    if (sections_.count(number)) return false;
    if (number != kObjectSection && !CellNames::section(number)) return false;
    SheetSection& s = sections_[number];
    s.inherited = inherited;
    if (isGeometrySection(number)) s.rows.push_back(makeRow(number, 0, 0, inherited));
    return true;
}

void ShapeSheet::deleteSection(int16_t number) {
    sections_.erase(number);
}

std::vector<int16_t> ShapeSheet::sectionNumbers() const {
    std::vector<int16_t> numbers;
    for (const auto& entry : sections_) numbers.push_back(entry.first);
    return numbers;
}

int16_t ShapeSheet::rowCount(int16_t number) const {
    const SheetSection* s = section(number);
    return s ? static_cast<int16_t>(s->rows.size()) : 0;
}

bool ShapeSheet::rowExists(int16_t number, int16_t rowNumber, bool localOnly) const {
    const SheetRow* r = row(number, rowNumber);
    return r && !(localOnly && r->inherited);
}

SheetRow ShapeSheet::makeRow(int16_t number, int16_t index, int16_t tag, bool inherited) {
    SheetRow r;
    r.id = nextRowId_++;
    r.index = index;
    r.tag = tag;
    r.inherited = inherited;
    r.cells.resize(static_cast<size_t>(std::max<int16_t>(0, CellNames::cellCount(number, index))));
    for (SheetCell& c : r.cells) c.inherited = inherited;
    return r;
}

int16_t ShapeSheet::insertRow(int16_t number, int16_t position, SheetRow r) {
    SheetSection& s = sections_[number];
    if (number == kObjectSection) {
        int16_t index = r.index;
        auto at = std::find_if(s.rows.begin(), s.rows.end(),
                               [&](const SheetRow& x) { return x.index >= index; });
        if (at == s.rows.end() || at->index != index) s.rows.insert(at, std::move(r));
        return index;
    }
    int16_t count = static_cast<int16_t>(s.rows.size());
    int16_t first = isGeometrySection(number) ? 1 : 0;
    if (position < 0 || position > count) position = count;
    position = std::max(position, first);
    s.rows.insert(s.rows.begin() + position, std::move(r));
    return position;
}

int16_t ShapeSheet::addRow(int16_t number, int16_t rowNumber, int16_t tag, bool inherited) {
    if (number == kObjectSection) {
        if (rowNumber < 0 || CellNames::cellCount(number, rowNumber) == 0) return -1;
        if (!sections_.count(number)) addSection(number, inherited);
        return insertRow(number, rowNumber, makeRow(number, rowNumber, tag, inherited));
    }
    if (!CellNames::section(number)) return -1;
    if (!sections_.count(number)) addSection(number, inherited);
    // Geometry vertex rows have the vertex cells, whatever their position.
    int16_t cellRow = isGeometrySection(number) ? 1 : 0;
    SheetRow r = makeRow(number, cellRow, tag, inherited);
    if (isNamedSection(number) && number != kConnectionsSection) {
        int n = rowCount(number) + 1;
        while (rowOfName(number, "Row_" + std::to_string(n)) >= 0) ++n;
        r.name = "Row_" + std::to_string(n);
    }
    int16_t at = insertRow(number, rowNumber, std::move(r));
    if (!inherited) sections_[number].inherited = false;
    return at;
}

int16_t ShapeSheet::addNamedRow(int16_t number, const std::string& name, int16_t tag,
                                bool inherited) {
    if (!isNamedSection(number) || !isValidRowName(name)) return -1;
    if (rowOfName(number, name) >= 0) return -1;
    if (!sections_.count(number)) addSection(number, inherited);
    SheetRow r = makeRow(number, 0, tag, inherited);
    r.name = name;
    int16_t at = insertRow(number, kAppendRow, std::move(r));
    if (!inherited) sections_[number].inherited = false;
    return at;
}

bool ShapeSheet::deleteRow(int16_t number, int16_t rowNumber) {
    SheetSection* s = section(number);
    if (!s) return false;
    if (number == kObjectSection) {
        auto it = std::find_if(s->rows.begin(), s->rows.end(),
                               [&](const SheetRow& r) { return r.index == rowNumber; });
        if (it == s->rows.end()) return false;
        s->rows.erase(it);
        return true;
    }
    // The component row of a geometry section goes only with the section.
    if (isGeometrySection(number) && rowNumber == 0) return false;
    if (rowNumber < 0 || rowNumber >= static_cast<int16_t>(s->rows.size())) return false;
    s->rows.erase(s->rows.begin() + rowNumber);
    return true;
}

int16_t ShapeSheet::rowOfName(int16_t number, const std::string& name) const {
    const SheetSection* s = section(number);
    if (!s) return -1;
    for (size_t i = 0; i < s->rows.size(); ++i)
        if (!s->rows[i].name.empty() && sameNoCase(s->rows[i].name, name))
            return static_cast<int16_t>(i);
    return -1;
}

SheetRow* ShapeSheet::row(int16_t number, int16_t rowNumber) {
    return const_cast<SheetRow*>(static_cast<const ShapeSheet*>(this)->row(number, rowNumber));
}

const SheetRow* ShapeSheet::row(int16_t number, int16_t rowNumber) const {
    const SheetSection* s = section(number);
    if (!s) return nullptr;
    if (number == kObjectSection) {
        for (const SheetRow& r : s->rows)
            if (r.index == rowNumber) return &r;
        return nullptr;
    }
    if (rowNumber < 0 || rowNumber >= static_cast<int16_t>(s->rows.size())) return nullptr;
    return &s->rows[static_cast<size_t>(rowNumber)];
}

SheetRow* ShapeSheet::rowById(int16_t number, uint32_t id, int16_t* rowNumber) {
    SheetSection* s = section(number);
    if (!s) return nullptr;
    for (size_t i = 0; i < s->rows.size(); ++i) {
        if (s->rows[i].id != id) continue;
        *rowNumber = number == kObjectSection ? s->rows[i].index : static_cast<int16_t>(i);
        return &s->rows[i];
    }
    return nullptr;
}

SheetCell* ShapeSheet::cell(const CellAddress& address, bool localOnly) {
    return const_cast<SheetCell*>(static_cast<const ShapeSheet*>(this)->cell(address, localOnly));
}

const SheetCell* ShapeSheet::cell(const CellAddress& address, bool localOnly) const {
    const SheetRow* r = row(address.section, address.row);
    if (!r || address.cell < 0 || address.cell >= static_cast<int16_t>(r->cells.size()))
        return nullptr;
    const SheetCell& c = r->cells[static_cast<size_t>(address.cell)];
    return localOnly && c.inherited ? nullptr : &c;
}

std::optional<CellAddress> ShapeSheet::resolve(const std::string& name) const {
    auto parsed = CellNames::parse(name);
    if (!parsed) return std::nullopt;
    CellAddress address{parsed->section, parsed->row, parsed->cell};
    if (parsed->row < 0) {
        address.row = rowOfName(parsed->section, parsed->rowName);
        if (address.row < 0) return std::nullopt;
    }
    if (!cell(address)) return std::nullopt;
    return address;
}

std::string ShapeSheet::nameOf(const CellAddress& address) const {
    const SheetRow* r = row(address.section, address.row);
    if (!r || !cell(address)) return std::string();
    return CellNames::format(address, r->name);
}

SheetCell* ShapeSheet::ensureCell(const std::string& name, CellAddress* address, bool inherited) {
    auto parsed = CellNames::parse(name);
    if (!parsed) return nullptr;
    CellAddress a{parsed->section, parsed->row, parsed->cell};
    if (parsed->row < 0) {
        a.row = rowOfName(a.section, parsed->rowName);
        if (a.row < 0) a.row = addNamedRow(a.section, parsed->rowName, 0, inherited);
        if (a.row < 0) return nullptr;
    } else if (a.section == kObjectSection) {
        if (!row(a.section, a.row)) addRow(a.section, a.row, 0, inherited);
    } else {
        if (!sections_.count(a.section)) addSection(a.section, inherited);
        while (!row(a.section, a.row)) {
            if (addRow(a.section, kAppendRow, 0, inherited) < 0) return nullptr;
        }
    }
    SheetCell* c = cell(a);
    if (c && address) *address = a;
    return c;
}

void ShapeSheet::setLocal(const CellAddress& address, std::string formula,
                          std::shared_ptr<const formula::Expression> expression) {
    SheetRow* r = row(address.section, address.row);
    SheetCell* c = cell(address);
    if (!r || !c) return;
    SheetSection& s = sections_[address.section];
    if (c->inherited) {
        c->underneath =
            inheritedFormulas_.formulas
                ? inheritedFormulas_.formulas->keep(std::move(c->formula), std::move(c->expression))
                : std::make_shared<InheritedFormula>(
                      InheritedFormula{std::move(c->formula), std::move(c->expression)});
        r->inheritedBefore = r->inheritedBefore || r->inherited;
        s.inheritedBefore = s.inheritedBefore || s.inherited;
    }
    c->formula = std::move(formula);
    c->expression = std::move(expression);
    c->inherited = false;
    r->inherited = false;
    s.inherited = false;
}

bool ShapeSheet::inheritAgain(const CellAddress& address) {
    SheetRow* r = row(address.section, address.row);
    SheetCell* c = cell(address);
    if (!r || !c || !c->underneath) return false;
    const std::shared_ptr<const InheritedFormula> before = std::move(c->underneath);
    c->formula = before->formula;
    c->expression = before->expression;
    c->inherited = true;
    auto inherited = [](const auto& item) { return item.inherited; };
    if (r->inheritedBefore && std::all_of(r->cells.begin(), r->cells.end(), inherited)) {
        r->inherited = true;
        r->inheritedBefore = false;
    }
    SheetSection& s = sections_[address.section];
    if (s.inheritedBefore && std::all_of(s.rows.begin(), s.rows.end(), inherited)) {
        s.inherited = true;
        s.inheritedBefore = false;
    }
    return true;
}

}  // namespace simhost
