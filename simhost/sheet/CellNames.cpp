#include "simhost/sheet/CellNames.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace simhost {
namespace {

constexpr int16_t kObject = 1;
constexpr int16_t kFirstGeometry = 10;
constexpr int16_t kLastGeometry = 239;

const std::vector<SectionInfo>& sections() {
    static const std::vector<SectionInfo> table = {
        {3,
         "Char",
         RowNaming::Indexed,
         {"Font", "Color", "Style", "Case", "Pos", "FontScale", "Unused6", "Size"}},
        {4,
         "Para",
         RowNaming::Indexed,
         {"IndFirst", "IndLeft", "IndRight", "SpLine", "SpBefore", "SpAfter", "HorzAlign",
          "Bullet"}},
        {6, "Scratch", RowNaming::Numbered, {"X", "Y", "A", "B", "C", "D"}},
        {7, "Connections", RowNaming::Numbered, {"X", "Y", "DirX", "DirY", "Type", "D"}},
        {10, "Geometry", RowNaming::Geometry, {"X", "Y", "A", "B", "C", "D", "E"}},
        {240,
         "Actions",
         RowNaming::Named,
         {"Action", "Menu", "Prompt", "Help", "Checked", "Disabled", "ReadOnly", "Invisible",
          "BeginGroup", "TagName"}},
        {242, "User", RowNaming::Named, {"Value", "Prompt"}},
        {243,
         "Prop",
         RowNaming::Named,
         {"Value", "Prompt", "Label", "Format", "SortKey", "Type", "Invisible", "Verify", "LangID",
          "Calendar"}},
    };
    return table;
}

// The component row of a geometry section.
const std::vector<const char*>& geometryRow0() {
    static const std::vector<const char*> cells = {"NoFill", "NoLine", "NoShow", "NoSnap"};
    return cells;
}

bool equalsNoCase(const std::string& a, const char* b) {
    size_t n = std::char_traits<char>::length(b);
    if (a.size() != n) return false;
    for (size_t i = 0; i < n; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

int cellIndex(const std::vector<const char*>& cells, const std::string& name) {
    for (size_t i = 0; i < cells.size(); ++i)
        if (equalsNoCase(name, cells[i])) return static_cast<int>(i);
    return -1;
}

bool allDigits(const std::string& s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

// Splits "X12" into ("X", 12); the number part may be absent (then 0).
void splitTrailingNumber(const std::string& s, std::string* head, int* number) {
    size_t p = s.size();
    while (p > 0 && std::isdigit(static_cast<unsigned char>(s[p - 1]))) --p;
    *head = s.substr(0, p);
    *number = p < s.size() ? std::atoi(s.c_str() + p) : 0;
}

std::optional<ParsedCellName> parseFixed(const std::string& name) {
    for (const auto& f : CellNames::fixedCells()) {
        if (equalsNoCase(name, f.name)) {
            ParsedCellName p;
            p.section = kObject;
            p.row = f.row;
            p.cell = f.cell;
            return p;
        }
    }
    return std::nullopt;
}

std::optional<ParsedCellName> parseIndexed(const SectionInfo& s, const std::string& rest) {
    std::string cell = rest;
    int row = 0;
    size_t bracket = rest.find('[');
    if (bracket != std::string::npos) {
        if (rest.back() != ']') return std::nullopt;
        std::string number = rest.substr(bracket + 1, rest.size() - bracket - 2);
        if (!allDigits(number)) return std::nullopt;
        row = std::atoi(number.c_str()) - 1;
        if (row < 0) return std::nullopt;
        cell = rest.substr(0, bracket);
    }
    int c = cellIndex(s.cells, cell);
    if (c < 0) return std::nullopt;
    ParsedCellName p;
    p.section = s.section;
    p.row = static_cast<int16_t>(row);
    p.cell = static_cast<int16_t>(c);
    return p;
}

std::optional<ParsedCellName> parseNumbered(const SectionInfo& s, const std::string& rest) {
    ParsedCellName p;
    p.section = s.section;
    size_t dot = rest.find('.');
    if (dot != std::string::npos) {  // "Connections.Name.X"
        int c = cellIndex(s.cells, rest.substr(dot + 1));
        if (c < 0) return std::nullopt;
        p.rowName = rest.substr(0, dot);
        p.cell = static_cast<int16_t>(c);
        return p;
    }
    std::string head;
    int number = 0;
    splitTrailingNumber(rest, &head, &number);
    int c = cellIndex(s.cells, head);
    if (c < 0 || number < 1) return std::nullopt;
    p.row = static_cast<int16_t>(number - 1);
    p.cell = static_cast<int16_t>(c);
    return p;
}

std::optional<ParsedCellName> parseGeometry(int geometryNumber, const std::string& rest) {
    if (geometryNumber < 1 || kFirstGeometry + geometryNumber - 1 > kLastGeometry)
        return std::nullopt;
    ParsedCellName p;
    p.section = static_cast<int16_t>(kFirstGeometry + geometryNumber - 1);
    int c0 = cellIndex(geometryRow0(), rest);
    if (c0 >= 0) {
        p.row = 0;
        p.cell = static_cast<int16_t>(c0);
        return p;
    }
    std::string head;
    int number = 0;
    splitTrailingNumber(rest, &head, &number);
    int c = cellIndex(sections()[4].cells, head);
    if (c < 0 || number < 1) return std::nullopt;
    p.row = static_cast<int16_t>(number);
    p.cell = static_cast<int16_t>(c);
    return p;
}

std::optional<ParsedCellName> parseNamed(const SectionInfo& s, const std::string& rest) {
    ParsedCellName p;
    p.section = s.section;
    size_t dot = rest.find('.');
    if (dot == std::string::npos) {
        // "Actions.Action[2]" addresses an action row by number; "User.Name" the value.
        size_t bracket = rest.find('[');
        if (bracket != std::string::npos) {
            auto indexed = parseIndexed(s, rest);
            if (!indexed) return std::nullopt;
            return indexed;
        }
        if (s.section == 240) {
            int c = cellIndex(s.cells, rest);
            if (c >= 0) {  // "Actions.Action": the first row
                p.row = 0;
                p.cell = static_cast<int16_t>(c);
                return p;
            }
        }
        if (rest.empty()) return std::nullopt;
        p.rowName = rest;
        p.cell = 0;
        return p;
    }
    p.rowName = rest.substr(0, dot);
    int c = cellIndex(s.cells, rest.substr(dot + 1));
    if (c < 0 || p.rowName.empty()) return std::nullopt;
    p.cell = static_cast<int16_t>(c);
    return p;
}

}  // namespace

const std::vector<CellNames::FixedCell>& CellNames::fixedCells() {
    static const std::vector<FixedCell> table = {
        // XFormOut
        {"PinX", 1, 0},
        {"PinY", 1, 1},
        {"Width", 1, 2},
        {"Height", 1, 3},
        {"LocPinX", 1, 4},
        {"LocPinY", 1, 5},
        {"Angle", 1, 6},
        {"FlipX", 1, 7},
        {"FlipY", 1, 8},
        {"ResizeMode", 1, 9},
        // Line
        {"LineWeight", 2, 0},
        {"LineColor", 2, 1},
        {"LinePattern", 2, 2},
        {"Rounding", 2, 3},
        {"EndArrowSize", 2, 4},
        {"BeginArrow", 2, 5},
        {"EndArrow", 2, 6},
        {"LineCap", 2, 7},
        {"BeginArrowSize", 2, 8},
        {"LineColorTrans", 2, 9},
        // Fill
        {"FillForegnd", 3, 0},
        {"FillBkgnd", 3, 1},
        {"FillPattern", 3, 2},
        {"ShdwForegnd", 3, 3},
        {"ShdwBkgnd", 3, 4},
        {"ShdwPattern", 3, 5},
        // XForm1D
        {"BeginX", 4, 0},
        {"BeginY", 4, 1},
        {"EndX", 4, 2},
        {"EndY", 4, 3},
        // Events
        {"TheData", 5, 0},
        {"TheText", 5, 1},
        {"EventDblClick", 5, 2},
        {"EventXFMod", 5, 3},
        {"EventDrop", 5, 4},
        // Foreign (the image of an imported picture)
        {"ImgOffsetX", 8, 0},
        {"ImgOffsetY", 8, 1},
        {"ImgWidth", 8, 2},
        {"ImgHeight", 8, 3},
        // Page
        {"PageWidth", 10, 0},
        {"PageHeight", 10, 1},
        {"ShdwOffsetX", 10, 2},
        {"ShdwOffsetY", 10, 3},
        {"PageScale", 10, 4},
        {"DrawingScale", 10, 5},
        {"DrawingSizeType", 10, 6},
        {"DrawingScaleType", 10, 7},
        // Text block
        {"LeftMargin", 11, 0},
        {"RightMargin", 11, 1},
        {"TopMargin", 11, 2},
        {"BottomMargin", 11, 3},
        {"VerticalAlign", 11, 4},
        {"TextBkgnd", 11, 5},
        // Text transform
        {"TxtPinX", 12, 0},
        {"TxtPinY", 12, 1},
        {"TxtWidth", 12, 2},
        {"TxtHeight", 12, 3},
        {"TxtLocPinX", 12, 4},
        {"TxtLocPinY", 12, 5},
        {"TxtAngle", 12, 6},
        // Protection
        {"LockWidth", 15, 0},
        {"LockHeight", 15, 1},
        {"LockMoveX", 15, 2},
        {"LockMoveY", 15, 3},
        {"LockAspect", 15, 4},
        {"LockDelete", 15, 5},
        {"LockBegin", 15, 6},
        {"LockEnd", 15, 7},
        {"LockRotate", 15, 8},
        {"LockCrop", 15, 9},
        {"LockVtxEdit", 15, 10},
        {"LockTextEdit", 15, 11},
        {"LockFormat", 15, 12},
        {"LockGroup", 15, 13},
        {"LockCalcWH", 15, 14},
        {"LockSelect", 15, 15},
        // Miscellaneous
        {"NoObjHandles", 17, 0},
        {"NonPrinting", 17, 1},
        {"NoCtlHandles", 17, 2},
        {"NoAlignBox", 17, 3},
        {"UpdateAlignBox", 17, 4},
        {"HideText", 17, 5},
        {"DynFeedback", 17, 6},
        {"GlueType", 17, 7},
        {"WalkPreference", 17, 8},
        {"BegTrigger", 17, 9},
        {"EndTrigger", 17, 10},
        {"ObjType", 17, 11},
        {"Comment", 17, 12},
        // Rulers and grid
        {"XRulerDensity", 18, 0},
        {"YRulerDensity", 18, 1},
        {"XRulerOrigin", 18, 2},
        {"YRulerOrigin", 18, 3},
        {"XGridDensity", 18, 4},
        {"YGridDensity", 18, 5},
        {"XGridSpacing", 18, 6},
        {"YGridSpacing", 18, 7},
        {"XGridOrigin", 18, 8},
        {"YGridOrigin", 18, 9},
        // Group
        {"SelectMode", 22, 0},
        {"DisplayMode", 22, 1},
        {"IsDropTarget", 22, 2},
        {"IsSnapTarget", 22, 3},
        {"IsTextEditTarget", 22, 4},
        {"DontMoveChildren", 22, 5},
    };
    return table;
}

const SectionInfo* CellNames::section(int16_t section) {
    if (section >= kFirstGeometry && section <= kLastGeometry) return &sections()[4];
    for (const auto& s : sections())
        if (s.section == section) return &s;
    return nullptr;
}

int16_t CellNames::sectionOfPrefix(const std::string& prefix) {
    for (const auto& s : sections())
        if (s.naming != RowNaming::Geometry && equalsNoCase(prefix, s.prefix)) return s.section;
    std::string head;
    int number = 0;
    splitTrailingNumber(prefix, &head, &number);
    if (equalsNoCase(head, "Geometry") && number >= 1 &&
        kFirstGeometry + number - 1 <= kLastGeometry)
        return static_cast<int16_t>(kFirstGeometry + number - 1);
    return -1;
}

int16_t CellNames::cellCount(int16_t section, int16_t row) {
    if (section == kObject) {
        int16_t n = 0;
        for (const auto& f : fixedCells())
            if (f.row == row) n = std::max<int16_t>(n, static_cast<int16_t>(f.cell + 1));
        return n;
    }
    if (section >= kFirstGeometry && section <= kLastGeometry && row == 0)
        return static_cast<int16_t>(geometryRow0().size());
    const SectionInfo* s = CellNames::section(section);
    return s ? static_cast<int16_t>(s->cells.size()) : 0;
}

std::optional<ParsedCellName> CellNames::parse(const std::string& name) {
    size_t dot = name.find('.');
    if (dot == std::string::npos) return parseFixed(name);
    std::string prefix = name.substr(0, dot);
    std::string rest = name.substr(dot + 1);
    std::string head;
    int number = 0;
    splitTrailingNumber(prefix, &head, &number);
    if (equalsNoCase(head, "Geometry")) return parseGeometry(number, rest);
    for (const auto& s : sections()) {
        if (s.naming == RowNaming::Geometry || !equalsNoCase(prefix, s.prefix)) continue;
        switch (s.naming) {
            case RowNaming::Indexed:
                return parseIndexed(s, rest);
            case RowNaming::Numbered:
                return parseNumbered(s, rest);
            case RowNaming::Named:
                return parseNamed(s, rest);
            default:
                return std::nullopt;
        }
    }
    return std::nullopt;
}

std::string CellNames::format(const CellAddress& a, const std::string& rowName) {
    if (a.section == kObject) {
        for (const auto& f : fixedCells())
            if (f.row == a.row && f.cell == a.cell) return f.name;
        return std::string();
    }
    const SectionInfo* s = section(a.section);
    if (!s) return std::string();
    if (s->naming == RowNaming::Geometry) {
        std::string prefix = "Geometry" + std::to_string(a.section - kFirstGeometry + 1) + ".";
        if (a.row == 0)
            return a.cell < static_cast<int16_t>(geometryRow0().size())
                       ? prefix + geometryRow0()[a.cell]
                       : std::string();
        if (a.cell >= static_cast<int16_t>(s->cells.size())) return std::string();
        return prefix + s->cells[a.cell] + std::to_string(a.row);
    }
    if (a.cell < 0 || a.cell >= static_cast<int16_t>(s->cells.size())) return std::string();
    std::string prefix = std::string(s->prefix) + ".";
    switch (s->naming) {
        case RowNaming::Indexed:
            return prefix + s->cells[a.cell] +
                   (a.row == 0 ? std::string() : "[" + std::to_string(a.row + 1) + "]");
        case RowNaming::Numbered:
            return prefix + s->cells[a.cell] + std::to_string(a.row + 1);
        case RowNaming::Named:
            if (rowName.empty())
                return prefix + s->cells[a.cell] + "[" + std::to_string(a.row + 1) + "]";
            // "User.Row" and "Prop.Row" name the value cell; action rows name every cell.
            if (a.cell == 0 && s->section != 240) return prefix + rowName;
            return prefix + rowName + "." + s->cells[a.cell];
        default:
            return std::string();
    }
}

}  // namespace simhost
