#include "simhost/host/DefaultCells.h"

#include <utility>
#include <vector>

#include "simhost/host/FormulaCache.h"
#include "simhost/sheet/ShapeSheet.h"

namespace simhost {
namespace {

using Defaults = std::vector<std::pair<const char*, const char*>>;

constexpr int16_t kGeometry1 = 10;
constexpr int16_t kMoveTo = 138;
constexpr int16_t kLineTo = 139;

const Defaults& transform2D() {
    static const Defaults cells = {
        {"PinX", "0 in"},         {"PinY", "0 in"},          {"Width", "1 in"},  {"Height", "1 in"},
        {"LocPinX", "Width*0.5"}, {"LocPinY", "Height*0.5"}, {"Angle", "0 deg"}, {"FlipX", "FALSE"},
        {"FlipY", "FALSE"},       {"ResizeMode", "0"}};
    return cells;
}

const Defaults& transform1D() {
    static const Defaults cells = {
        {"BeginX", "0 in"}, {"BeginY", "0 in"},       {"EndX", "1 in"},          {"EndY", "0 in"},
        {"Height", "0 in"}, {"LocPinX", "Width*0.5"}, {"LocPinY", "Height*0.5"}, {"FlipX", "FALSE"},
        {"FlipY", "FALSE"}, {"ResizeMode", "0"}};
    return cells;
}

const Defaults& shapeRows() {
    static const Defaults cells = {{"LineWeight", "0.01 in"},
                                   {"LineColor", "0"},
                                   {"LinePattern", "1"},
                                   {"Rounding", "0 in"},
                                   {"EndArrowSize", "2"},
                                   {"BeginArrow", "0"},
                                   {"EndArrow", "0"},
                                   {"LineCap", "0"},
                                   {"BeginArrowSize", "2"},
                                   {"LineColorTrans", "0"},
                                   {"FillForegnd", "1"},
                                   {"FillBkgnd", "0"},
                                   {"FillPattern", "1"},
                                   {"ShdwForegnd", "0"},
                                   {"ShdwBkgnd", "1"},
                                   {"ShdwPattern", "0"},
                                   {"TheData", ""},
                                   {"TheText", ""},
                                   {"EventDblClick", ""},
                                   {"EventXFMod", ""},
                                   {"EventDrop", ""},
                                   {"LeftMargin", "4 pt"},
                                   {"RightMargin", "4 pt"},
                                   {"TopMargin", "4 pt"},
                                   {"BottomMargin", "4 pt"},
                                   {"VerticalAlign", "1"},
                                   {"TextBkgnd", "0"},
                                   {"TxtPinX", "Width*0.5"},
                                   {"TxtPinY", "Height*0.5"},
                                   {"TxtWidth", "Width*1"},
                                   {"TxtHeight", "Height*1"},
                                   {"TxtLocPinX", "TxtWidth*0.5"},
                                   {"TxtLocPinY", "TxtHeight*0.5"},
                                   {"TxtAngle", "0 deg"},
                                   {"LockWidth", "0"},
                                   {"LockHeight", "0"},
                                   {"LockMoveX", "0"},
                                   {"LockMoveY", "0"},
                                   {"LockAspect", "0"},
                                   {"LockDelete", "0"},
                                   {"LockBegin", "0"},
                                   {"LockEnd", "0"},
                                   {"LockRotate", "0"},
                                   {"LockCrop", "0"},
                                   {"LockVtxEdit", "0"},
                                   {"LockTextEdit", "0"},
                                   {"LockFormat", "0"},
                                   {"LockGroup", "0"},
                                   {"LockCalcWH", "0"},
                                   {"LockSelect", "0"},
                                   {"NoObjHandles", "FALSE"},
                                   {"NonPrinting", "FALSE"},
                                   {"NoCtlHandles", "FALSE"},
                                   {"NoAlignBox", "FALSE"},
                                   {"UpdateAlignBox", "FALSE"},
                                   {"HideText", "FALSE"},
                                   {"DynFeedback", "0"},
                                   {"GlueType", "0"},
                                   {"WalkPreference", "0"},
                                   {"BegTrigger", "0"},
                                   {"EndTrigger", "0"},
                                   {"ObjType", "0"},
                                   {"Comment", ""},
                                   {"Char.Font", "0"},
                                   {"Char.Color", "0"},
                                   {"Char.Style", "0"},
                                   {"Char.Case", "0"},
                                   {"Char.Pos", "0"},
                                   {"Char.FontScale", "1"},
                                   {"Char.Size", "8 pt"},
                                   {"Para.IndFirst", "0 in"},
                                   {"Para.IndLeft", "0 in"},
                                   {"Para.IndRight", "0 in"},
                                   {"Para.SpLine", "0"},
                                   {"Para.SpBefore", "0 pt"},
                                   {"Para.SpAfter", "0 pt"},
                                   {"Para.HorzAlign", "1"},
                                   {"Para.Bullet", "0"}};
    return cells;
}

const Defaults& groupRow() {
    static const Defaults cells = {{"SelectMode", "1"},          {"DisplayMode", "2"},
                                   {"IsDropTarget", "FALSE"},    {"IsSnapTarget", "TRUE"},
                                   {"IsTextEditTarget", "TRUE"}, {"DontMoveChildren", "FALSE"}};
    return cells;
}

const Defaults& imageRow() {
    static const Defaults cells = {{"ImgOffsetX", "0 in"},
                                   {"ImgOffsetY", "0 in"},
                                   {"ImgWidth", "Width*1"},
                                   {"ImgHeight", "Height*1"}};
    return cells;
}

const Defaults& pageRows() {
    static const Defaults cells = {
        {"PageWidth", "8.5 in"},      {"PageHeight", "11 in"},   {"ShdwOffsetX", "0.125 in"},
        {"ShdwOffsetY", "-0.125 in"}, {"PageScale", "1 in"},     {"DrawingScale", "1 in"},
        {"DrawingSizeType", "0"},     {"DrawingScaleType", "0"}, {"XRulerDensity", "32"},
        {"YRulerDensity", "32"},      {"XRulerOrigin", "0 in"},  {"YRulerOrigin", "0 in"},
        {"XGridDensity", "8"},        {"YGridDensity", "8"},     {"XGridSpacing", "0 in"},
        {"YGridSpacing", "0 in"},     {"XGridOrigin", "0 in"},   {"YGridOrigin", "0 in"}};
    return cells;
}

void put(ShapeSheet& sheet, const char* name, const std::string& text, bool inherited,
         FormulaCache& cache) {
    CellAddress address;
    SheetCell* cell = sheet.ensureCell(name, &address, inherited);
    if (!cell) return;
    cell->formula = text;
    cell->expression = cache.parse(text, nullptr);
    cell->inherited = inherited;
}

void putAll(ShapeSheet& sheet, const Defaults& cells, bool inherited, FormulaCache& cache) {
    for (const auto& [name, text] : cells) put(sheet, name, text, inherited, cache);
}

void putVertex(ShapeSheet& sheet, int16_t tag, const char* x, const char* y, bool inherited,
               FormulaCache& cache) {
    int16_t row = sheet.addRow(kGeometry1, ShapeSheet::kAppendRow, tag, inherited);
    for (int16_t c = 0; c < 2; ++c) {
        SheetCell* cell = sheet.cell({kGeometry1, row, c});
        if (!cell) continue;
        cell->formula = c == 0 ? x : y;
        cell->expression = cache.parse(cell->formula, nullptr);
        cell->inherited = inherited;
    }
}

void addComponent(ShapeSheet& sheet, bool inherited, FormulaCache& cache) {
    sheet.addSection(kGeometry1, inherited);
    static const Defaults cells = {{"Geometry1.NoFill", "FALSE"},
                                   {"Geometry1.NoLine", "FALSE"},
                                   {"Geometry1.NoShow", "FALSE"},
                                   {"Geometry1.NoSnap", "FALSE"}};
    putAll(sheet, cells, inherited, cache);
}

}  // namespace

void DefaultCells::apply(ShapeSheet& sheet, SheetKind kind, bool inherited, FormulaCache& cache) {
    switch (kind) {
        case SheetKind::DocumentSheet:
            return;
        case SheetKind::PageSheet:
            putAll(sheet, pageRows(), inherited, cache);
            return;
        case SheetKind::Line:
        case SheetKind::LineGroup:
            putAll(sheet, transform1D(), inherited, cache);
            for (int16_t c : {0, 1, 2, 6}) {
                SheetCell* cell = sheet.cell({1, 1, c});
                cell->formula = oneDTransformFormula(c);
                cell->expression = cache.parse(cell->formula, nullptr);
                cell->inherited = inherited;
            }
            break;
        default:
            putAll(sheet, transform2D(), inherited, cache);
            break;
    }
    putAll(sheet, shapeRows(), inherited, cache);
    if (kind == SheetKind::Group || kind == SheetKind::LineGroup)
        putAll(sheet, groupRow(), inherited, cache);
    if (kind == SheetKind::Picture) putAll(sheet, imageRow(), inherited, cache);
}

void DefaultCells::addRectangle(ShapeSheet& sheet, bool inherited, FormulaCache& cache) {
    addComponent(sheet, inherited, cache);
    putVertex(sheet, kMoveTo, "Width*0", "Height*0", inherited, cache);
    putVertex(sheet, kLineTo, "Width*1", "Height*0", inherited, cache);
    putVertex(sheet, kLineTo, "Width*1", "Height*1", inherited, cache);
    putVertex(sheet, kLineTo, "Width*0", "Height*1", inherited, cache);
    putVertex(sheet, kLineTo, "Geometry1.X1", "Geometry1.Y1", inherited, cache);
}

void DefaultCells::addLine(ShapeSheet& sheet, bool inherited, FormulaCache& cache) {
    addComponent(sheet, inherited, cache);
    putVertex(sheet, kMoveTo, "Width*0", "Height*0.5", inherited, cache);
    putVertex(sheet, kLineTo, "Width*1", "Height*0.5", inherited, cache);
}

const std::string& DefaultCells::oneDTransformFormula(int16_t cell) {
    static const std::string pinX = "GUARD((BeginX+EndX)/2)";
    static const std::string pinY = "GUARD((BeginY+EndY)/2)";
    static const std::string width = "GUARD(SQRT((EndX-BeginX)^2+(EndY-BeginY)^2))";
    static const std::string angle = "GUARD(ATAN2(EndY-BeginY,EndX-BeginX))";
    static const std::string none;
    switch (cell) {
        case 0:
            return pinX;
        case 1:
            return pinY;
        case 2:
            return width;
        case 6:
            return angle;
        default:
            return none;
    }
}

}  // namespace simhost
