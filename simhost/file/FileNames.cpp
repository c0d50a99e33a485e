#include "simhost/file/FileNames.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "platform/visio/VisioConstants.h"
#include "simhost/host/Connect.h"
#include "simhost/sheet/CellNames.h"

namespace simhost {
namespace {

constexpr int16_t kObjectSection = 1;

using NamedNumber = std::pair<int16_t, const char*>;

const std::vector<NamedNumber>& objectRowTable() {
    static const std::vector<NamedNumber> table = {
        {1, "XFormOut"}, {2, "Line"},       {3, "Fill"},  {4, "XForm1D"},    {5, "Event"},
        {8, "Foreign"},  {10, "Page"},      {11, "Text"}, {12, "TextXForm"}, {15, "Lock"},
        {17, "Misc"},    {18, "RulerGrid"}, {22, "Group"}};
    return table;
}

const std::vector<NamedNumber>& tagTable() {
    static const std::vector<NamedNumber> table = {
        {137, "Component"},    {138, "MoveTo"},     {139, "LineTo"},          {140, "ArcTo"},
        {141, "InfiniteLine"}, {143, "Ellipse"},    {144, "EllipticalArcTo"}, {165, "SplineBeg"},
        {166, "SplineSpan"},   {193, "PolylineTo"}, {195, "NURBSTo"}};
    return table;
}

const std::vector<NamedNumber>& typeTable() {
    static const std::vector<NamedNumber> table = {{visio::visTypeShape, "shape"},
                                                   {visio::visTypeGroup, "group"},
                                                   {visio::visTypeForeignObject, "foreign"}};
    return table;
}

bool sameNoCase(const std::string& a, const char* b) {
    std::string other(b);
    return a.size() == other.size() &&
           std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string nameIn(const std::vector<NamedNumber>& table, int16_t number) {
    for (const auto& [n, name] : table)
        if (n == number) return name;
    return std::string();
}

std::optional<int16_t> numberIn(const std::vector<NamedNumber>& table, const std::string& name) {
    for (const auto& [n, known] : table)
        if (sameNoCase(name, known)) return n;
    return std::nullopt;
}

// The address a glue part's name gives, when it is a plain cell name of a fixed row.
std::optional<CellAddress> addressOf(const std::string& name) {
    auto parsed = CellNames::parse(name);
    if (!parsed || parsed->row < 0) return std::nullopt;
    return CellAddress{parsed->section, parsed->row, parsed->cell};
}

}  // namespace

std::string FileNames::objectRowName(int16_t row) {
    return nameIn(objectRowTable(), row);
}

std::optional<int16_t> FileNames::objectRowOfName(const std::string& name) {
    return numberIn(objectRowTable(), name);
}

const std::vector<int16_t>& FileNames::objectRows() {
    static const std::vector<int16_t> rows = [] {
        std::vector<int16_t> numbers;
        for (const auto& cell : CellNames::fixedCells())
            if (std::find(numbers.begin(), numbers.end(), cell.row) == numbers.end())
                numbers.push_back(cell.row);
        std::sort(numbers.begin(), numbers.end());
        return numbers;
    }();
    return rows;
}

std::string FileNames::sectionName(int16_t section) {
    const SectionInfo* info = CellNames::section(section);
    if (section == kObjectSection || !info) return std::string();
    if (info->naming == RowNaming::Geometry)
        return std::string(info->prefix) + std::to_string(section - info->section + 1);
    return info->prefix;
}

std::optional<int16_t> FileNames::sectionOfName(const std::string& name) {
    int16_t section = CellNames::sectionOfPrefix(name);
    if (section < 0 || section == kObjectSection) return std::nullopt;
    return section;
}

std::vector<std::string> FileNames::rowCellNames(int16_t section, int16_t row) {
    std::vector<std::string> names;
    const SectionInfo* info = CellNames::section(section);
    if (!info) return names;
    if (info->naming != RowNaming::Geometry || row != 0) {
        names.assign(info->cells.begin(), info->cells.end());
        return names;
    }
    for (int16_t c = 0; c < CellNames::cellCount(section, 0); ++c) {
        std::string full = CellNames::format({section, 0, c}, std::string());
        names.push_back(full.substr(full.find('.') + 1));
    }
    return names;
}

std::string FileNames::tagName(int16_t tag) {
    return nameIn(tagTable(), tag);
}

std::optional<int16_t> FileNames::tagOfName(const std::string& name) {
    return numberIn(tagTable(), name);
}

std::string FileNames::typeName(int16_t type) {
    return nameIn(typeTable(), type);
}

std::optional<int16_t> FileNames::typeOfName(const std::string& name) {
    for (const auto& [n, known] : typeTable())
        if (name == known) return n;
    return std::nullopt;
}

std::string FileNames::fromPartName(int16_t part) {
    CellAddress cell = Connect::cellOfPart(part);
    if (Connect::partOfGluedCell(cell) != part) return std::string();
    return CellNames::format(cell, std::string());
}

std::string FileNames::toPartName(int16_t part) {
    CellAddress cell = Connect::cellOfPart(part);
    if (Connect::partOfTargetCell(cell) != part) return std::string();
    return CellNames::format(cell, std::string());
}

std::optional<int16_t> FileNames::fromPartOfName(const std::string& name) {
    auto address = addressOf(name);
    int16_t part = address ? Connect::partOfGluedCell(*address) : 0;
    if (part == 0) return std::nullopt;
    return part;
}

std::optional<int16_t> FileNames::toPartOfName(const std::string& name) {
    auto address = addressOf(name);
    int16_t part = address ? Connect::partOfTargetCell(*address) : 0;
    if (part == 0) return std::nullopt;
    return part;
}

}  // namespace simhost
