// The logo commands of the title block component: a picture imported into the title
// block's logo area, fitted to it and kept inside it, deleted, made proportional again
// or stretched over the whole area.
#include <algorithm>
#include <string>
#include <vector>

#include "helpers/CellHelpers.h"
#include "helpers/LocaleSeparators.h"
#include "helpers/ShapeHelpers.h"
#include "platform/visio/VPage.h"
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

// A side of the fitted logo: inside the area less its line weight, and never below the
// minimum.
double fittedSide(double side, double areaSide, double lineWeight) {
    return std::clamp(side, kMinimumLogoSide, std::max(kMinimumLogoSide, areaSide - lineWeight));
}

}  // namespace

void TitleBlockComponent::insertLogo(int32_t shapeId) {
    visio::VPage page = application_.ActivePage();
    const int32_t before = page.Shapes().Count();
    application_.DoCmd(kInsertPictureCommand);
    const int32_t after = page.Shapes().Count();
    if (after == before) return;  // cancelled
    logoGroup_ = getShapeByID(page.Shapes(), shapeId);
    logoPicture_ = getShapeByIndex(page.Shapes(), after);
    visio::VShapes inArea = logoGroup_.Shapes();
    if (inArea.Count() >= 2) {
        visio::VShape earlier = getShapeByIndex(inArea, 2);
        setCellFormula(earlier, "LockDelete", "False");
        earlier.Delete();
    }
    fitLogoPicture();
}

bool TitleBlockComponent::readLogoArea(LogoArea* area) {
    if (logoGroup_.isEmpty() || logoPicture_.isEmpty()) return false;
    area->width = getCellMillimetres(logoGroup_, "Width");
    area->height = getCellMillimetres(logoGroup_, "Height");
    area->lineWeight = getCellMillimetres(getShapeByIndex(logoGroup_.Shapes(), 1), "LineWeight");
    return area->width > 0 && area->height > 0;
}

void TitleBlockComponent::fitLogoPicture() {
    LogoArea area;
    if (!readLogoArea(&area)) return;
    logoWidth_ = getCellMillimetres(logoPicture_, "Width");
    logoHeight_ = getCellMillimetres(logoPicture_, "Height");
    if (!hasLogoProportions()) return;
    sizeLogo(logoWidth_ / logoHeight_, area);
    positionLogo(area);
    addLogoScratchFormulas();
    setCellFormula(logoPicture_, "ImgWidth", titleblock::logoImageSize("Width"));
    setCellFormula(logoPicture_, "ImgHeight", titleblock::logoImageSize("Height"));
    setCellFormula(logoPicture_, "LockDelete", "True");
    setCellFormula(logoPicture_, "LockTextEdit", "True");
    addLogoActions();
    enableLogoAreaActions(true);
}

// Fits the picture inside the area less its line weight, keeping its proportions; the
// second side loses the line weight once more. A very tall or very wide picture keeps
// the minimum side, so that the size stays positive and a later "Make Proportional" has
// proportions to go back to.
void TitleBlockComponent::sizeLogo(double pictureRatio, const LogoArea& area) {
    const double areaRatio = area.width / area.height;
    const double lineWeight = area.lineWeight;
    if (pictureRatio < areaRatio) {
        logoHeight_ = fittedSide(area.height - lineWeight, area.height, lineWeight);
        setCellMillimetres(logoPicture_, "Height", logoHeight_);
        logoWidth_ = fittedSide(pictureRatio * logoHeight_ - lineWeight, area.width, lineWeight);
        setCellMillimetres(logoPicture_, "Width", logoWidth_);
    } else {
        logoWidth_ = fittedSide(area.width - lineWeight, area.width, lineWeight);
        setCellMillimetres(logoPicture_, "Width", logoWidth_);
        logoHeight_ = fittedSide(logoWidth_ / pictureRatio - lineWeight, area.height, lineWeight);
        setCellMillimetres(logoPicture_, "Height", logoHeight_);
    }
}

// Puts the picture in the middle of the area and makes it the area's second part. The
// area's place tells its block and frame: the block holds the area, and a frame, when
// there is one, holds the block. (Names cannot tell: Visio names the parts of a second
// block on the page "Logo.34", "title block.40", ...)
void TitleBlockComponent::positionLogo(const LogoArea& area) {
    visio::VShape block = logoGroup_.ContainingShape();
    if (block.ID() == 0) block.release();  // an area of its own, on the page
    visio::VShape frame = block.ContainingShape();
    const bool standalone = frame.ID() == 0;
    if (standalone) frame.release();
    setCellMillimetres(logoPicture_, "PinX",
                       0.5 * area.width + getCellMillimetres(logoGroup_, "PinX") +
                           getCellMillimetres(block, "PinX"));
    setCellMillimetres(logoPicture_, "PinY",
                       0.5 * area.height + getCellMillimetres(logoGroup_, "PinY") +
                           getCellMillimetres(block, "PinY"));
    setCellFormula(logoPicture_, "LocPinX", "Width/2");
    setCellFormula(logoPicture_, "LocPinY", "Height/2");

    // The imported picture is still selected: the block and the area join it, and the
    // area takes in what is selected besides.
    visio::VWindow window = application_.ActiveWindow();
    if (standalone) {
        window.Select(block, visio::visSelect);
    } else {
        window.Select(frame, visio::visSelect);
        window.Select(block, visio::visSubSelect);
    }
    window.Select(logoGroup_, visio::visSubSelect);
    window.AddToGroup();
}

// The picture's coordinates are the area's now: these formulas push it back inside the
// area whenever it is moved out or made larger than the area.
void TitleBlockComponent::addLogoScratchFormulas() {
    const std::string& sep = currentListSeparator;
    addSectionWithRows(logoPicture_, visio::visSectionScratch, kLogoScratchRows);
    // Each of the area's formulas is read just before the first formula that needs it.
    const std::string height = titleblock::getCellFormula(logoGroup_, "Height");
    setCellFormula(logoPicture_, "Scratch.X1", titleblock::logoHeightLimit(height, sep));
    const std::string width = titleblock::getCellFormula(logoGroup_, "Width");
    setCellFormula(logoPicture_, "Scratch.X2", titleblock::logoWidthLimit(width, sep));
    const std::vector<std::string> edges = titleblock::logoEdgeFormulas(height, width, sep);
    for (int i = 0; i < static_cast<int>(edges.size()); ++i)
        setCellFormula(logoPicture_, "Scratch.X" + std::to_string(i + 3),
                       edges[static_cast<size_t>(i)]);
}

void TitleBlockComponent::addLogoActions() {
    addSectionWithRows(logoPicture_, visio::visSectionAction, kLogoActionRows);
    const std::vector<titleblock::MenuRow> rows = titleblock::logoPictureMenu(currentListSeparator);
    // The three actions first, then the three labels; row 1 stays as added.
    int row = kFirstPictureRow;
    for (const titleblock::MenuRow& entry : rows)
        setCellFormula(logoPicture_, titleblock::actionCell("Action", row++), entry.action);
    row = kFirstPictureRow;
    for (const titleblock::MenuRow& entry : rows)
        setCellFormula(logoPicture_, titleblock::actionCell("Menu", row++), entry.label);
}

void TitleBlockComponent::enableLogoAreaActions(bool enabled) {
    for (int row = kFirstPictureRow; row <= kLastPictureRow; ++row)
        setCellFormula(logoGroup_, titleblock::actionCell("Disabled", row), enabled ? "0" : "1");
}

void TitleBlockComponent::deleteLogo() {
    setCellFormula(logoPicture_, "LockDelete", "False");
    logoPicture_.Delete();
    enableLogoAreaActions(false);
}

void TitleBlockComponent::makeLogoProportional() {
    LogoArea area;
    if (!hasLogoProportions() || !readLogoArea(&area)) return;
    sizeLogo(logoWidth_ / logoHeight_, area);
    centreLogo(area);
}

void TitleBlockComponent::stretchLogo() {
    LogoArea area;
    if (!readLogoArea(&area)) return;
    setCellMillimetres(logoPicture_, "Width", area.width - area.lineWeight);
    setCellMillimetres(logoPicture_, "Height", area.height - area.lineWeight);
    centreLogo(area);
}

// In the area's own coordinates: its middle is half its size.
void TitleBlockComponent::centreLogo(const LogoArea& area) {
    setCellFormulaForced(logoPicture_, "LocPinX", "Width/2");
    setCellFormulaForced(logoPicture_, "LocPinY", "Height/2");
    setCellMillimetres(logoPicture_, "PinX", 0.5 * area.width);
    setCellMillimetres(logoPicture_, "PinY", 0.5 * area.height);
}
