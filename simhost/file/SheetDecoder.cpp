#include "simhost/file/SheetDecoder.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <vector>

#include "simhost/file/DrawingError.h"
#include "simhost/file/FileNames.h"
#include "simhost/file/JsonFields.h"
#include "simhost/host/FormulaCache.h"

namespace simhost {
namespace {

constexpr int16_t kObjectSection = 1;
constexpr int16_t kConnectionsSection = 7;

bool sameNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

int cellIndex(const std::vector<std::string>& names, const std::string& name) {
    for (size_t i = 0; i < names.size(); ++i)
        if (sameNoCase(names[i], name)) return static_cast<int>(i);
    return -1;
}

bool isRowMember(const std::string& key) {
    return key == "name" || key == "tag" || key == "inherited";
}

// An object-section row whose cells all come from the master comes from it too, whether
// the sheet started as an instance's or not.
void inheritWholeRow(SheetRow& row) {
    row.inherited = std::all_of(row.cells.begin(), row.cells.end(),
                                [](const SheetCell& cell) { return cell.inherited; });
}

RowNaming namingOf(int16_t section) {
    return CellNames::section(section)->naming;
}

int16_t readTag(const Json& value, const std::string& path) {
    if (value.is_string()) {
        auto tag = FileNames::tagOfName(value.get<std::string>());
        if (!tag) throw DrawingError(path, "unknown row type \"" + value.get<std::string>() + "\"");
        return *tag;
    }
    return static_cast<int16_t>(JsonFields::number(value, path, std::numeric_limits<int16_t>::min(),
                                                   std::numeric_limits<int16_t>::max()));
}

}  // namespace

void SheetDecoder::decode(const Json& object, const std::string& path, ShapeSheet& sheet) {
    removedSections_.clear();
    if (auto it = object.find("removed"); it != object.end())
        removeDefaults(*it, JsonFields::child(path, "removed"), sheet);
    if (auto it = object.find("sections"); it != object.end())
        readSections(*it, JsonFields::child(path, "sections"), sheet);
    if (auto it = object.find("inherited"); it != object.end())
        readCells(*it, JsonFields::child(path, "inherited"), true, sheet);
    if (auto it = object.find("cells"); it != object.end())
        readCells(*it, JsonFields::child(path, "cells"), false, sheet);
}

void SheetDecoder::removeDefaults(const Json& list, const std::string& path, ShapeSheet& sheet) {
    JsonFields::requireArray(list, path);
    for (size_t i = 0; i < list.size(); ++i) {
        std::string where = JsonFields::child(path, i);
        std::string name = JsonFields::text(list[i], where);
        if (auto row = FileNames::objectRowOfName(name)) {
            if (!sheet.deleteRow(kObjectSection, *row))
                throw DrawingError(where, "there is no " + name + " row to remove");
        } else if (auto section = FileNames::sectionOfName(name)) {
            if (!sheet.sectionExists(*section))
                throw DrawingError(where, "there is no " + name + " section to remove");
            sheet.deleteSection(*section);
            removedSections_.insert(*section);
        } else {
            throw DrawingError(where, "\"" + name + "\" names no row or section");
        }
    }
}

void SheetDecoder::readSections(const Json& sections, const std::string& path, ShapeSheet& sheet) {
    JsonFields::requireObject(sections, path);
    for (const auto& member : sections.items()) {
        std::string where = JsonFields::child(path, member.key());
        auto section = FileNames::sectionOfName(member.key());
        if (!section) throw DrawingError(where, "unknown section \"" + member.key() + "\"");
        if (removedSections_.count(*section)) throw DrawingError(where, "removed and given");
        sheet.deleteSection(*section);
        readSection(*section, member.value(), where, sheet);
    }
}

void SheetDecoder::readSection(int16_t section, const Json& value, const std::string& path,
                               ShapeSheet& sheet) {
    const Json* rows = &value;
    std::string rowsPath = path;
    bool inherited = false;
    bool stated = value.is_object();
    if (stated) {
        JsonFields::allowKeys(value, path, {"inherited", "rows"});
        inherited = JsonFields::flag(value, "inherited", path, false);
        rowsPath = JsonFields::child(path, "rows");
        if (!value.contains("rows")) throw DrawingError(rowsPath, "missing");
        rows = &value["rows"];
    }
    JsonFields::requireArray(*rows, rowsPath);
    if (!stated) {
        // Taken as inherited when every row is.
        inherited = !rows->empty() && std::all_of(rows->begin(), rows->end(), [](const Json& r) {
            auto flag = r.is_object() ? r.find("inherited") : r.end();
            return r.is_object() && flag != r.end() && flag->is_boolean() && flag->get<bool>();
        });
    }
    sheet.addSection(section, inherited);
    for (size_t i = 0; i < rows->size(); ++i) {
        std::string where = JsonFields::child(rowsPath, i);
        int16_t position = static_cast<int16_t>(std::min<size_t>(i, 32767));
        int16_t number = readRow(section, position, (*rows)[i], where, sheet);
        if (inherited && !sheet.row(section, number)->inherited)
            throw DrawingError(where, "an inherited section holds inherited rows only");
    }
}

int16_t SheetDecoder::readRow(int16_t section, int16_t position, const Json& value,
                              const std::string& path, ShapeSheet& sheet) {
    JsonFields::requireObject(value, path);
    if (position == std::numeric_limits<int16_t>::max())
        throw DrawingError(path, "too many rows in one section");
    int16_t tag = 0;
    if (auto it = value.find("tag"); it != value.end())
        tag = readTag(*it, JsonFields::child(path, "tag"));
    bool rowInherited = false;
    const Json* inheritedCells = nullptr;
    if (auto it = value.find("inherited"); it != value.end()) {
        if (it->is_array()) {
            inheritedCells = &*it;
        } else {
            rowInherited = JsonFields::flag(*it, JsonFields::child(path, "inherited"));
        }
    }
    int16_t number = addRow(section, position, value, path, tag, rowInherited, sheet);
    SheetRow& row = *sheet.row(section, number);
    row.tag = tag;
    row.inherited = rowInherited;
    std::vector<std::string> names = FileNames::rowCellNames(section, number);
    std::string rowKind = FileNames::sectionName(section);
    for (auto& cell : row.cells) cell.inherited = rowInherited;
    for (const auto& member : value.items()) {
        if (isRowMember(member.key())) continue;
        std::string where = JsonFields::child(path, member.key());
        int c = cellIndex(names, member.key());
        if (c < 0) throw DrawingError(where, "no cell of a " + rowKind + " row");
        setFormula(row.cells[static_cast<size_t>(c)], JsonFields::text(member.value(), where),
                   rowInherited, where);
    }
    if (!inheritedCells) return number;
    std::string listPath = JsonFields::child(path, "inherited");
    for (size_t i = 0; i < inheritedCells->size(); ++i) {
        std::string where = JsonFields::child(listPath, i);
        int c = cellIndex(names, JsonFields::text((*inheritedCells)[i], where));
        if (c < 0) throw DrawingError(where, "no cell of a " + rowKind + " row");
        row.cells[static_cast<size_t>(c)].inherited = true;
    }
    return number;
}

int16_t SheetDecoder::addRow(int16_t section, int16_t position, const Json& value,
                             const std::string& path, int16_t tag, bool inherited,
                             ShapeSheet& sheet) {
    RowNaming naming = namingOf(section);
    bool named = naming == RowNaming::Named || section == kConnectionsSection;
    std::string name = JsonFields::text(value, "name", path, std::string());
    std::string namePath = JsonFields::child(path, "name");
    if (!named && value.contains("name"))
        throw DrawingError(namePath,
                           "rows of " + FileNames::sectionName(section) + " have no names");
    if (naming == RowNaming::Named && name.empty()) throw DrawingError(namePath, "missing");
    if (naming == RowNaming::Geometry && position == 0) return 0;
    if (name.empty()) return sheet.addRow(section, ShapeSheet::kAppendRow, tag, inherited);
    int16_t number = sheet.addNamedRow(section, name, tag, inherited);
    if (number < 0) throw DrawingError(namePath, "\"" + name + "\" is no row name or used twice");
    return number;
}

void SheetDecoder::readCells(const Json& cells, const std::string& path, bool inherited,
                             ShapeSheet& sheet) {
    JsonFields::requireObject(cells, path);
    for (const auto& member : cells.items()) {
        std::string where = JsonFields::child(path, member.key());
        std::string formula = JsonFields::text(member.value(), where);
        CellAddress address;
        SheetCell* cell = sheet.ensureCell(member.key(), &address, inherited);
        if (!cell) throw DrawingError(where, "\"" + member.key() + "\" names no cell");
        if (inherited) {
            setFormula(*cell, formula, true, where);
            if (address.section == kObjectSection)
                inheritWholeRow(*sheet.row(kObjectSection, address.row));
            continue;
        }
        std::string text = FormulaCache::storedText(formula);
        // Deleting a cell's own formula makes it take the master's again: an empty one
        // over the master's could not be put back once changed.
        if (text.empty() && (cell->inherited || cell->underneath))
            throw DrawingError(where, "an empty formula over the master's: leave the cell out");
        auto expression = parse(text, where);
        sheet.setLocal(address, std::move(text), std::move(expression));
    }
}

void SheetDecoder::setFormula(SheetCell& cell, const std::string& formula, bool inherited,
                              const std::string& path) {
    cell.formula = FormulaCache::storedText(formula);
    cell.expression = parse(cell.formula, path);
    cell.inherited = inherited;
}

// A cell holds only what can be written into it again: text that does not parse is
// refused, as a cell refuses it.
std::shared_ptr<const formula::Expression> SheetDecoder::parse(const std::string& text,
                                                               const std::string& path) {
    if (text.empty()) return nullptr;
    std::string error;
    auto expression = cache_.parse(text, &error);
    if (!expression) throw DrawingError(path, "\"" + text + "\" does not parse: " + error);
    return expression;
}

}  // namespace simhost
