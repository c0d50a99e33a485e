// The logo commands of the title block component: a picture imported into the title
// block's logo area, fitted to it and kept inside it, deleted, made proportional again
// or stretched over the whole area.
#include <algorithm>
#include <string>
#include <vector>

#include "helpers/AddonConstants.h"
#include "helpers/CellHelpers.h"
#include "helpers/LocaleSeparators.h"
#include "helpers/ShapeHelpers.h"
#include "platform/ui/Backend.h"
#include "platform/ui/WinApiConstants.h"
#include "platform/visio/VPage.h"
#include "platform/visio/VSelection.h"
#include "platform/visio/VShapes.h"
#include "platform/visio/VWindow.h"
#include "platform/visio/VisioConstants.h"
#include "shapetools/TitleBlockCells.h"
#include "shapetools/TitleBlockComponent.h"
#include "shapetools/TitleBlockFormulas.h"

using titleblock::getCellMillimetres;
using titleblock::setCellFormulaForced;
using titleblock::setCellMillimetres;

namespace {

// Visio's built-in command that lets the user choose a picture file and places it.
constexpr int16_t kInsertPictureCommand = visio::visCmdInsertPicture;
// However thin the picture, each side of the fitted logo keeps this much, in millimetres,
// so that it can be seen and picked, and its proportions can be made again.
constexpr double kMinimumLogoSide = 0.5;
constexpr int16_t kLogoScratchRows = 6;
constexpr int16_t kLogoActionRows = 4;
// The logo area's own rows that serve a placed picture.
constexpr int kFirstPictureRow = 2;
constexpr int kLastPictureRow = 4;

void addSectionWithRows(const visio::VShape& shape, int16_t section, int16_t rows) {
    if (shape.SectionExists(section, 0) != 0) return;
    shape.AddSection(section);
    for (int16_t row = 1; row <= rows; ++row) shape.AddRow(section, row, visio::visTagDefault);
}

// Where a picture keeps the size it was imported at, in millimetres, so that "Make
// Proportional" gives it its own proportions whatever was done to it since.
constexpr char kImportedWidth[] = "Scratch.A1";
constexpr char kImportedHeight[] = "Scratch.B1";
constexpr double kMillimetresPerInch = 25.4;
// However deep a logo area lies in groups, its chain of groups ends here.
constexpr int kMaximumGroupDepth = 32;

constexpr char kNoLogoPicture[] =
    "No logo picture was found for this menu entry, so nothing was changed. Please choose "
    "the entry from the picture's own menu.";

// A side of the fitted logo: inside the room the area leaves, and never below the
// minimum.
double fittedSide(double side, double room) {
    return std::clamp(side, kMinimumLogoSide, std::max(kMinimumLogoSide, room));
}

// A picture that the logo command placed: a shape of its own inside a group, with the
// picture's menu. (Its area, a group, offers the same rows.)
bool isLogoPicture(const visio::VShape& shape) {
    return !shape.isEmpty() && shape.Shapes().Count() == 0 && shape.ContainingShape().ID() != 0 &&
           titleblock::isDeleteLogoAction(
               titleblock::getCellFormula(shape, titleblock::actionCell("Action", 2)));
}

// The area and the groups that hold it, the area first and the page's own shape last.
std::vector<visio::VShape> groupChain(const visio::VShape& area) {
    std::vector<visio::VShape> chain;
    for (visio::VShape shape = area;
         !shape.isEmpty() && shape.ID() != 0 && static_cast<int>(chain.size()) < kMaximumGroupDepth;
         shape = shape.ContainingShape())
        chain.push_back(shape);
    return chain;
}

}  // namespace

void TitleBlockComponent::insertLogo(int32_t shapeId) {
    visio::VPage page = application_.ActivePage();
    const int32_t before = page.Shapes().Count();
    application_.DoCmd(kInsertPictureCommand);
    const int32_t after = page.Shapes().Count();
    if (after == before) return;  // cancelled
    Logo logo{getShapeByIndex(page.Shapes(), after), getShapeByID(page.Shapes(), shapeId)};
    visio::VShape earlier = logoOf(logo.area).picture;
    if (!earlier.isEmpty()) {
        setCellFormula(earlier, "LockDelete", "False");
        earlier.Delete();
    }
    fitLogoPicture(logo);
}

TitleBlockComponent::Logo TitleBlockComponent::logoOf(const visio::VShape& shape) {
    if (isLogoPicture(shape)) return {shape, shape.ContainingShape()};
    visio::VShapes parts = shape.Shapes();
    const int32_t count = parts.Count();
    for (int32_t i = 2; i <= count; ++i) {
        visio::VShape part = getShapeByIndex(parts, i);
        if (isLogoPicture(part)) return {part, shape};
    }
    return {};
}

TitleBlockComponent::Logo TitleBlockComponent::findLogo(std::optional<int32_t> shapeId) {
    visio::VShape shape;
    if (shapeId) {
        shape = getShapeByID(application_.ActivePage().Shapes(), *shapeId);
    } else {
        // A picture clicked inside its groups is sub-selected: the selection names it,
        // not the groups around it.
        visio::VSelection selection = application_.ActiveWindow().Selection();
        selection.SetIterationMode(visio::visSelModeSkipSuper);
        if (selection.Count() == 1) shape = selection.Item(1);
    }
    Logo logo = logoOf(shape);
    if (logo.picture.isEmpty())
        ui::Backend::current().messageBox(ui::WindowHandle(), kNoLogoPicture, productTitle,
                                          ui::kMbOk | ui::kMbIconInformation);
    return logo;
}

bool TitleBlockComponent::readLogoArea(const Logo& logo, LogoArea* area) {
    if (logo.area.isEmpty() || logo.picture.isEmpty()) return false;
    area->width = getCellMillimetres(logo.area, "Width");
    area->height = getCellMillimetres(logo.area, "Height");
    area->lineWeight = getCellMillimetres(getShapeByIndex(logo.area.Shapes(), 1), "LineWeight");
    return area->width > 0 && area->height > 0;
}

void TitleBlockComponent::fitLogoPicture(const Logo& logo) {
    LogoArea area;
    if (!readLogoArea(logo, &area)) return;
    const double width = getCellMillimetres(logo.picture, "Width");
    const double height = getCellMillimetres(logo.picture, "Height");
    if (width <= 0 || height <= 0) return;
    sizeLogo(logo.picture, width / height, area);
    placeInArea(logo, area);
    addLogoScratchFormulas(logo);
    setCellMillimetres(logo.picture, kImportedWidth, width);
    setCellMillimetres(logo.picture, kImportedHeight, height);
    setCellFormula(logo.picture, "LockDelete", "True");
    setCellFormula(logo.picture, "LockTextEdit", "True");
    writeLogoReferences(logo);
    enableLogoAreaActions(logo.area, true);
}

// One factor for both sides: the picture keeps its proportions and fits inside the area
// less its line weight. A very tall or very wide picture keeps the minimum side, so that
// the size stays positive.
void TitleBlockComponent::sizeLogo(const visio::VShape& picture, double pictureRatio,
                                   const LogoArea& area) {
    const double roomWidth = area.width - area.lineWeight;
    const double roomHeight = area.height - area.lineWeight;
    double width = roomWidth;
    double height = roomWidth / pictureRatio;
    if (height > roomHeight) {
        height = roomHeight;
        width = roomHeight * pictureRatio;
    }
    setCellMillimetres(picture, "Width", fittedSide(width, roomWidth));
    setCellMillimetres(picture, "Height", fittedSide(height, roomHeight));
}

// Puts the picture on the area's middle, wherever the area lies in its groups and they on
// the page, and makes it a part of the area: the groups that hold the area are selected
// with it, from the page's own shape down.
void TitleBlockComponent::placeInArea(const Logo& logo, const LogoArea& area) {
    double x = 0;
    double y = 0;
    logo.area.XYToPage(0.5 * area.width / kMillimetresPerInch,
                       0.5 * area.height / kMillimetresPerInch, &x, &y);
    setCellMillimetres(logo.picture, "PinX", x * kMillimetresPerInch);
    setCellMillimetres(logo.picture, "PinY", y * kMillimetresPerInch);
    setCellFormula(logo.picture, "LocPinX", "Width/2");
    setCellFormula(logo.picture, "LocPinY", "Height/2");

    // The imported picture is still selected: the groups join it, and the area takes in
    // what is selected besides.
    visio::VWindow window = application_.ActiveWindow();
    const std::vector<visio::VShape> chain = groupChain(logo.area);
    for (auto group = chain.rbegin(); group != chain.rend(); ++group)
        window.Select(*group, group == chain.rbegin() ? visio::visSelect : visio::visSubSelect);
    window.AddToGroup();
}

// The picture's coordinates are the area's now: these formulas push it back inside the
// area whenever it is moved out or made larger than the area. They name the area's own
// cells: a copy of the area's formula would mean something else in the picture when it
// names the area's other cells, and would not follow the area's later size.
void TitleBlockComponent::addLogoScratchFormulas(const Logo& logo) {
    const std::string& sep = currentListSeparator;
    addSectionWithRows(logo.picture, visio::visSectionScratch, kLogoScratchRows);
    const std::string area = "Sheet." + std::to_string(logo.area.ID()) + "!";
    const std::string height = area + "Height";
    setCellFormula(logo.picture, "Scratch.X1", titleblock::logoHeightLimit(height, sep));
    const std::string width = area + "Width";
    setCellFormula(logo.picture, "Scratch.X2", titleblock::logoWidthLimit(width, sep));
    const std::vector<std::string> edges = titleblock::logoEdgeFormulas(height, width, sep);
    for (int i = 0; i < static_cast<int>(edges.size()); ++i)
        setCellFormula(logo.picture, "Scratch.X" + std::to_string(i + 3),
                       edges[static_cast<size_t>(i)]);
}

void TitleBlockComponent::writeLogoReferences(const Logo& logo) {
    const int32_t box = getShapeByIndex(logo.area.Shapes(), 1).ID();
    setCellFormula(logo.picture, "ImgWidth", titleblock::logoImageSize("Width", box));
    setCellFormula(logo.picture, "ImgHeight", titleblock::logoImageSize("Height", box));
    addSectionWithRows(logo.picture, visio::visSectionAction, kLogoActionRows);
    const std::vector<titleblock::MenuRow> rows = titleblock::logoPictureMenu(currentListSeparator);
    // The three actions first, then the three labels; row 1 stays as added. The area's
    // rows that serve the picture send the area's ID likewise; their labels are its own.
    int row = kFirstPictureRow;
    for (const titleblock::MenuRow& entry : rows) {
        setCellFormula(logo.picture, titleblock::actionCell("Action", row), entry.action);
        setCellFormula(logo.area, titleblock::actionCell("Action", row++), entry.action);
    }
    row = kFirstPictureRow;
    for (const titleblock::MenuRow& entry : rows)
        setCellFormula(logo.picture, titleblock::actionCell("Menu", row++), entry.label);
}

void TitleBlockComponent::rewriteLogoReferences(const visio::VShape& shape) {
    visio::VShapes parts = shape.Shapes();
    const int32_t count = parts.Count();
    for (int32_t i = 1; i <= count; ++i) {
        visio::VShape part = getShapeByIndex(parts, i);
        if (isLogoPicture(part)) {
            writeLogoReferences(Logo{part, shape});
            addLogoScratchFormulas(Logo{part, shape});
        } else
            rewriteLogoReferences(part);
    }
}

void TitleBlockComponent::enableLogoAreaActions(const visio::VShape& area, bool enabled) {
    for (int row = kFirstPictureRow; row <= kLastPictureRow; ++row)
        setCellFormula(area, titleblock::actionCell("Disabled", row), enabled ? "0" : "1");
}

void TitleBlockComponent::deleteLogo(std::optional<int32_t> shapeId) {
    const Logo logo = findLogo(shapeId);
    if (logo.picture.isEmpty()) return;
    setCellFormula(logo.picture, "LockDelete", "False");
    logo.picture.Delete();
    // The area's rows serve a picture no more, unless it holds another.
    if (logoOf(logo.area).picture.isEmpty()) enableLogoAreaActions(logo.area, false);
}

// The picture's own proportions, from the size it was imported at; a picture placed by
// an earlier version keeps the proportions it has.
void TitleBlockComponent::makeLogoProportional(std::optional<int32_t> shapeId) {
    const Logo logo = findLogo(shapeId);
    LogoArea area;
    if (!readLogoArea(logo, &area)) return;
    double width = getCellMillimetres(logo.picture, kImportedWidth);
    double height = getCellMillimetres(logo.picture, kImportedHeight);
    if (width <= 0 || height <= 0) {
        width = getCellMillimetres(logo.picture, "Width");
        height = getCellMillimetres(logo.picture, "Height");
    }
    if (width <= 0 || height <= 0) return;
    sizeLogo(logo.picture, width / height, area);
    centreLogo(logo.picture, area);
}

void TitleBlockComponent::stretchLogo(std::optional<int32_t> shapeId) {
    const Logo logo = findLogo(shapeId);
    LogoArea area;
    if (!readLogoArea(logo, &area)) return;
    // A line thicker than the area leaves the picture its minimum, never a negative size.
    setCellMillimetres(logo.picture, "Width",
                       std::max(kMinimumLogoSide, area.width - area.lineWeight));
    setCellMillimetres(logo.picture, "Height",
                       std::max(kMinimumLogoSide, area.height - area.lineWeight));
    centreLogo(logo.picture, area);
}

// In the area's own coordinates: its middle is half its size.
void TitleBlockComponent::centreLogo(const visio::VShape& picture, const LogoArea& area) {
    setCellFormulaForced(picture, "LocPinX", "Width/2");
    setCellFormulaForced(picture, "LocPinY", "Height/2");
    setCellMillimetres(picture, "PinX", 0.5 * area.width);
    setCellMillimetres(picture, "PinY", 0.5 * area.height);
}
