#include "shapetools/ALATool.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "helpers/AddonConstants.h"
#include "helpers/CellHelpers.h"
#include "helpers/LocaleSeparators.h"
#include "helpers/RunString.h"
#include "helpers/ShapeHelpers.h"
#include "platform/visio/VCell.h"
#include "platform/visio/VConnect.h"
#include "platform/visio/VConnects.h"
#include "platform/visio/VPage.h"
#include "platform/visio/VShapes.h"
#include "platform/visio/VisioConstants.h"

namespace {

constexpr char kBoxShapeCell[] = "User.ALA_BoundingBox_Shape";
constexpr char kInnerTableCell[] = "User.IN100";
constexpr char kInnerSide[] = "IN";
// Names and letters pass through buffers of this size on their way from Visio.
constexpr std::size_t kNameBuffer = 100;

std::string throughNameBuffer(const std::string& text) {
    return text.size() < kNameBuffer ? text : std::string();
}

// The forced write, in the local syntax the formulas are built in (the user's list
// separator between arguments): the ends and the angle may be guarded.
void forceFormula(const visio::VShape& shape, const std::string& cell, const std::string& formula) {
    shape.CellsU(cell).SetFormulaForce(formula);
}

std::string checkedCell(int32_t row) {
    return "Actions.Checked[" + std::to_string(row) + "]";
}

}  // namespace

ALATool::ALATool(const visio::VApplication& application) : application_(application) {}

ALATool::~ALATool() = default;

ToolFactory ALATool::factory() {
    ToolFactory entry;
    entry.create = [](ToolStartContext& context) -> std::unique_ptr<SupportTool> {
        return std::make_unique<ALATool>(context.application);
    };
    return entry;
}

void ALATool::createToolbarButton(CommandBarsAccess*, CommandBarObject*) {}

void ALATool::onVisioEvent(int32_t, const visio::VObject&, visio::Variant) {}

PreferencePage* ALATool::getPreferencePage() {
    return nullptr;
}

void ALATool::applySettings() {}

// The marker goes whether or not anything changed: a command names a shape the user
// acted on, and the checker looks again.
bool ALATool::onCommand(std::string argument) {
    if (!runstring::namesCommand(argument, kCommand)) return false;
    const std::optional<int32_t> id = runstring::sheetId(argument);
    if (!id) return true;
    // A row below 1 names no row of the menu: ticking "row + 1" would tick its first row,
    // another entry of the user's, whatever the shape turned to.
    std::optional<int32_t> row;
    if (const std::optional<char> c = runstring::characterAfter(argument, kRowKey))
        if (const int32_t value = runstring::digitValue(*c); value >= 1) row = value;
    realignShape(*id, row);
    application_.QueueMarkerEvent(markerRecheckFinished);
    return true;
}

// The flag is "FALSE" while the shape changes, so that a command its own formulas send
// back meanwhile does nothing.
void ALATool::realignShape(int32_t shapeID, std::optional<int32_t> firstRow) {
    const visio::VPage page = application_.ActivePage();
    if (page.isEmpty()) return;
    const visio::VShape shape = getShapeByID(page.Shapes(), shapeID);
    if (shape.isEmpty() || !cellExists(shape, kRecursionFlag) ||
        getCellResult(shape, kRecursionFlag) != 1)
        return;
    const visio::VConnects connects = shape.Connects();
    if (connects.Count() != 2) return;
    // The flag gets back what it held, inheriting from the master when it did: a local
    // copy would no longer follow the master.
    const std::string flag = formulaToRestore(shape.CellsU(kRecursionFlag));
    setCellFormula(shape, kRecursionFlag, "FALSE");

    // The begin's partner is the first, in whichever order the glue records come: an end
    // glued again comes last, and the shape is not to turn round.
    visio::VConnect firstConnect = connects.Item(1);
    visio::VConnect secondConnect = connects.Item(2);
    if (firstConnect.FromPart() == visio::visEnd && secondConnect.FromPart() == visio::visBegin)
        std::swap(firstConnect, secondConnect);
    const visio::VShape first = firstConnect.ToSheet();
    const visio::VShape second = secondConnect.ToSheet();
    firstPart_ = firstConnect.ToPart();
    secondPart_ = secondConnect.ToPart();
    forgetPoints();

    Orientation orientation = Orientation::Horizontal;
    switch (classifyShape(first, second)) {
        case Placement::SideBySide:
            applyFlipX(first, second);
            break;
        case Placement::OneAboveTheOther:
            applyFlipY(first, second);
            orientation = Orientation::Vertical;
            break;
        case Placement::Overlapping:
            orientation = applyInOut(first, second);
            break;
    }
    writeEnd(shape, "BeginY", "BeginX", first, firstPointX_, firstPointY_);
    writeEnd(shape, "EndY", "EndX", second, secondPointX_, secondPointY_);
    writeOrientation(shape, orientation, firstRow);
    setCellFormula(shape, kRecursionFlag, flag);
}

// An end without a chosen point stays where it is: a point left from an earlier
// command belongs to other shapes.
void ALATool::writeEnd(const visio::VShape& shape, const char* yCell, const char* xCell,
                       const visio::VShape& target, const std::string& x, const std::string& y) {
    if (x.empty() || y.empty()) return;
    const std::string name = throughNameBuffer(target.NameID());
    const std::string formula =
        "PAR(PNT(" + name + "!" + x + currentListSeparator + name + "!" + y + "))";
    forceFormula(shape, yCell, formula);
    forceFormula(shape, xCell, formula);
}

void ALATool::writeOrientation(const visio::VShape& shape, Orientation orientation,
                               std::optional<int32_t> firstRow) {
    const bool vertical = orientation == Orientation::Vertical;
    forceFormula(shape, "Angle", vertical ? "GUARD(90 deg)" : "GUARD(0 deg)");
    if (!firstRow) return;
    forceFormula(shape, checkedCell(*firstRow), vertical ? "0" : "1");
    forceFormula(shape, checkedCell(*firstRow + 1), vertical ? "1" : "0");
}

void ALATool::forgetPoints() {
    firstPointX_.clear();
    firstPointY_.clear();
    secondPointX_.clear();
    secondPointY_.clear();
}

// --- Where the partners lie

ALATool::Box ALATool::comparisonBox(const visio::VShape& shape) {
    visio::VShape boxShape = shape;
    if (cellExists(shape, kBoxShapeCell)) {
        const visio::VShape member =
            getShapeByIndex(shape.Shapes(), getCellResultInt(shape, kBoxShapeCell));
        if (!member.isEmpty()) boxShape = member;
    }
    Box box;
    boxShape.BoundingBox(visio::visBBoxUprightWH, &box.left, &box.bottom, &box.right, &box.top);
    const visio::VShape container = boxShape.ContainingShape();
    if (container.ID() != 0) {
        container.XYToPage(box.left, box.bottom, &box.left, &box.bottom);
        container.XYToPage(box.right, box.top, &box.right, &box.top);
        // A turned or flipped group brings its corners to the page in another order.
        if (box.left > box.right) std::swap(box.left, box.right);
        if (box.bottom > box.top) std::swap(box.bottom, box.top);
    }
    return box;
}

ALATool::Placement ALATool::classifyShape(const visio::VShape& first, const visio::VShape& second) {
    const Box a = comparisonBox(first);
    const Box b = comparisonBox(second);
    firstCentreX_ = (a.right - a.left) * 0.5 + a.left;
    firstCentreY_ = (a.top - a.bottom) * 0.5 + a.bottom;
    secondCentreX_ = (b.right - b.left) * 0.5 + b.left;
    secondCentreY_ = (b.top - b.bottom) * 0.5 + b.bottom;
    // Touching edges count as overlapping.
    const bool overlapX = std::max(a.left, b.left) <= std::min(a.right, b.right);
    const bool overlapY = std::max(a.bottom, b.bottom) <= std::min(a.top, b.top);
    if (overlapX && overlapY) return Placement::Overlapping;
    if (!overlapX && overlapY) return Placement::SideBySide;
    return Placement::OneAboveTheOther;
}

// The sides that face each other on the page: the first's lower side (W, S) and the
// second's upper side (E, N) when the first lies beyond the second, else the other two;
// each partner then takes the side of its own frame that faces that way.
void ALATool::applyFlipX(const visio::VShape& first, const visio::VShape& second) {
    const bool beyond = firstCentreX_ > secondCentreX_;
    connectionPointOf(ownSide(first, beyond ? "W" : "E"), ownSide(second, beyond ? "E" : "W"),
                      first, second);
}

void ALATool::applyFlipY(const visio::VShape& first, const visio::VShape& second) {
    const bool beyond = firstCentreY_ > secondCentreY_;
    connectionPointOf(ownSide(first, beyond ? "S" : "N"), ownSide(second, beyond ? "N" : "S"),
                      first, second);
}

// One partner lies over the other: the end on the partner with inner points goes to the
// inner point of its part, the other end to its own side that faces the way that part
// faces on the page. With
// no inner points on either, no point is chosen and the ends stay.
ALATool::Orientation ALATool::applyInOut(const visio::VShape& first, const visio::VShape& second) {
    std::string side;
    if (cellExists(first, kInnerTableCell)) {
        side = pageSideOfPart(first, firstPart_);
        connectionPointOf(kInnerSide, ownSide(second, side), first, second);
    } else if (cellExists(second, kInnerTableCell)) {
        side = pageSideOfPart(second, secondPart_);
        connectionPointOf(ownSide(first, side), kInnerSide, first, second);
    }
    return side == "E" || side == "W" ? Orientation::Horizontal : Orientation::Vertical;
}

std::string ALATool::pageSideOfPart(const visio::VShape& shape, int16_t part) {
    const std::string letter = "User.LO" + std::to_string(part);
    if (!cellExists(shape, letter)) return std::string();
    return sideForAngle(throughNameBuffer(getCellFormula(shape, letter)), shape);
}

void ALATool::choosePoint(const visio::VShape& shape, const std::string& side, int16_t part,
                          std::string* x, std::string* y) {
    x->clear();
    y->clear();
    const std::string cell = "User." + side + std::to_string(part);
    if (side.empty() || !cellExists(shape, cell)) return;
    // A row the partner does not have would leave the end on "#REF!", glued nowhere.
    const int32_t row = getCellResultInt(shape, cell);
    if (row < 1 || row > shape.RowCount(visio::visSectionConnectionPts)) return;
    *x = "Connections.X" + std::to_string(row);
    *y = "Connections.Y" + std::to_string(row);
}

// A side or part the partner has no cell for leaves that end without a point.
void ALATool::connectionPointOf(const std::string& firstSide, const std::string& secondSide,
                                const visio::VShape& first, const visio::VShape& second) {
    choosePoint(first, firstSide, firstPart_, &firstPointX_, &firstPointY_);
    choosePoint(second, secondSide, secondPart_, &secondPointX_, &secondPointY_);
}

namespace {

// A side of a shape's own frame and the way it points from the shape's middle, in the
// shape's own coordinates.
struct Side {
    const char* letter;
    double dx;
    double dy;
};
constexpr Side kSides[] = {{"N", 0, 1}, {"W", -1, 0}, {"S", 0, -1}, {"E", 1, 0}};

// The page side that the shape's own side faces, to the nearest quarter turn: the shape's
// flips and rotation count, and those of every group that holds it.
std::string pageSideOf(const visio::VShape& shape, const Side& side) {
    const double x = getCellResult(shape, "Width") * 0.5;
    const double y = getCellResult(shape, "Height") * 0.5;
    double fromX = 0, fromY = 0, toX = 0, toY = 0;
    shape.XYToPage(x, y, &fromX, &fromY);
    shape.XYToPage(x + side.dx, y + side.dy, &toX, &toY);
    const double dx = toX - fromX;
    const double dy = toY - fromY;
    if (std::fabs(dx) > std::fabs(dy)) return dx > 0 ? "E" : "W";
    return dy > 0 ? "N" : "S";
}

}  // namespace

// Visio flips a shape in its own frame and then turns it, and a group does the same to
// what it holds: at 90 degrees the shape's north points west.
std::string ALATool::sideForAngle(const std::string& letterFormula, const visio::VShape& shape) {
    for (const Side& side : kSides)
        if (letterFormula == std::string("\"") + side.letter + "\"") return pageSideOf(shape, side);
    return "N";
}

// The side of the shape's own frame, the one its tables name, that faces the page side.
std::string ALATool::ownSide(const visio::VShape& shape, const std::string& pageSide) {
    for (const Side& side : kSides)
        if (pageSideOf(shape, side) == pageSide) return side.letter;
    return pageSide;
}
