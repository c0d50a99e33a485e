#include "simhost/file/SheetEncoder.h"

#include <set>
#include <string>
#include <vector>

#include "simhost/file/FileNames.h"
#include "simhost/sheet/CellNames.h"

namespace simhost {
namespace {

constexpr int16_t kObjectSection = 1;

bool sameCell(const SheetCell& a, const SheetCell& b) {
    return a.formula == b.formula && a.inherited == b.inherited;
}

bool sameRow(const SheetRow& a, const SheetRow& b) {
    if (a.name != b.name || a.tag != b.tag || a.inherited != b.inherited ||
        a.cells.size() != b.cells.size())
        return false;
    for (size_t c = 0; c < a.cells.size(); ++c)
        if (!sameCell(a.cells[c], b.cells[c])) return false;
    return true;
}

bool allCellsInherited(const SheetRow& row) {
    for (const SheetCell& cell : row.cells)
        if (!cell.inherited) return false;
    return true;
}

// Each object-section cell that both sheets have.
template <typename Visit>
void forEachSharedObjectCell(const ShapeSheet& sheet, const ShapeSheet& base, Visit visit) {
    for (int16_t r : FileNames::objectRows()) {
        const SheetRow* row = sheet.row(kObjectSection, r);
        const SheetRow* before = base.row(kObjectSection, r);
        if (!row || !before) continue;
        for (size_t c = 0; c < row->cells.size() && c < before->cells.size(); ++c)
            visit(row->cells[c]);
    }
}

void putIfAny(Json& out, const char* key, Json value) {
    if (!value.empty()) out[key] = std::move(value);
}

}  // namespace

void SheetEncoder::encode(const ShapeSheet& sheet, const ShapeSheet& base, Json& out) {
    Json cells = Json::object();
    Json inherited = Json::object();
    Json removed = Json::array();
    Json sections = Json::object();
    encodeObjectCells(sheet, base, cells, inherited, removed);
    std::set<int16_t> numbers;
    for (int16_t n : sheet.sectionNumbers()) numbers.insert(n);
    for (int16_t n : base.sectionNumbers()) numbers.insert(n);
    for (int16_t n : numbers) {
        if (n == kObjectSection) continue;
        if (!sheet.sectionExists(n)) {
            removed.push_back(FileNames::sectionName(n));
        } else if (!base.sectionExists(n) || !sameSection(sheet, base, n)) {
            sections[FileNames::sectionName(n)] = encodeSection(sheet, n);
        }
    }
    putIfAny(out, "cells", std::move(cells));
    putIfAny(out, "inherited", std::move(inherited));
    putIfAny(out, "removed", std::move(removed));
    putIfAny(out, "sections", std::move(sections));
}

void SheetEncoder::countInherited(const ShapeSheet& sheet, const ShapeSheet& base, int* inherited,
                                  int* local) {
    *inherited = 0;
    *local = 0;
    forEachSharedObjectCell(
        sheet, base, [&](const SheetCell& cell) { ++(cell.inherited ? *inherited : *local); });
}

bool SheetEncoder::holdsEmptyOverDefault(const ShapeSheet& sheet, const ShapeSheet& base) {
    bool found = false;
    forEachSharedObjectCell(sheet, base, [&](const SheetCell& cell) {
        found = found || (!cell.inherited && cell.formula.empty());
    });
    return found;
}

void SheetEncoder::encodeObjectCells(const ShapeSheet& sheet, const ShapeSheet& base, Json& cells,
                                     Json& inherited, Json& removed) {
    for (int16_t r : FileNames::objectRows()) {
        const SheetRow* row = sheet.row(kObjectSection, r);
        const SheetRow* before = base.row(kObjectSection, r);
        if (!row) {
            if (before) removed.push_back(FileNames::objectRowName(r));
            continue;
        }
        for (int16_t c = 0; c < static_cast<int16_t>(row->cells.size()); ++c) {
            const SheetCell& cell = row->cells[static_cast<size_t>(c)];
            bool asBefore = before && c < static_cast<int16_t>(before->cells.size()) &&
                            sameCell(cell, before->cells[static_cast<size_t>(c)]);
            if (asBefore) continue;
            std::string name = CellNames::format({kObjectSection, r, c}, std::string());
            (cell.inherited ? inherited : cells)[name] = cell.formula;
        }
    }
}

bool SheetEncoder::isInherited(const ShapeSheet& sheet, int16_t section) {
    return sheet.sectionExists(section) && !sheet.sectionExists(section, true);
}

bool SheetEncoder::sameSection(const ShapeSheet& a, const ShapeSheet& b, int16_t section) {
    if (isInherited(a, section) != isInherited(b, section)) return false;
    if (a.rowCount(section) != b.rowCount(section)) return false;
    for (int16_t r = 0; r < a.rowCount(section); ++r)
        if (!sameRow(*a.row(section, r), *b.row(section, r))) return false;
    return true;
}

Json SheetEncoder::encodeSection(const ShapeSheet& sheet, int16_t section) {
    Json rows = Json::array();
    bool allInherited = sheet.rowCount(section) > 0;
    for (int16_t r = 0; r < sheet.rowCount(section); ++r) {
        const SheetRow& row = *sheet.row(section, r);
        allInherited = allInherited && row.inherited;
        rows.push_back(encodeRow(section, r, row));
    }
    // A section is taken as inherited when all its rows are; say so only otherwise.
    bool inherited = isInherited(sheet, section);
    if (inherited == allInherited) return rows;
    Json explicitly = Json::object();
    explicitly["inherited"] = inherited;
    explicitly["rows"] = std::move(rows);
    return explicitly;
}

Json SheetEncoder::encodeRow(int16_t section, int16_t number, const SheetRow& row) {
    Json out = Json::object();
    if (!row.name.empty()) out["name"] = row.name;
    if (row.tag != 0) {
        std::string tag = FileNames::tagName(row.tag);
        if (tag.empty()) {
            out["tag"] = row.tag;
        } else {
            out["tag"] = tag;
        }
    }
    std::vector<std::string> names = FileNames::rowCellNames(section, number);
    if (row.inherited && allCellsInherited(row)) {
        out["inherited"] = true;
    } else {
        Json inheritedCells = Json::array();
        for (size_t c = 0; c < row.cells.size() && c < names.size(); ++c)
            if (row.cells[c].inherited) inheritedCells.push_back(names[c]);
        putIfAny(out, "inherited", std::move(inheritedCells));
    }
    for (size_t c = 0; c < row.cells.size() && c < names.size(); ++c)
        if (!row.cells[c].formula.empty()) out[names[c]] = row.cells[c].formula;
    return out;
}

}  // namespace simhost
