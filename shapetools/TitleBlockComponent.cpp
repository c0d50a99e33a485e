#include "shapetools/TitleBlockComponent.h"

#include <map>
#include <set>
#include <vector>

#include "core/CellDisplays.h"
#include "helpers/CellHelpers.h"
#include "helpers/LocaleSeparators.h"
#include "helpers/RunString.h"
#include "helpers/ShapeHelpers.h"
#include "platform/visio/VDocument.h"
#include "platform/visio/VPages.h"
#include "platform/visio/VShapes.h"
#include "platform/visio/VisioConstants.h"
#include "shapetools/TitleBlockCells.h"
#include "shapetools/TitleBlockFormulas.h"

using titleblock::pageName;
using titleblock::setCellFormulaForced;

namespace {

struct CommandName {
    const char* name;
    TitleBlockComponent::Command command;
};

constexpr CommandName kCommands[] = {
    {"TITLEB", TitleBlockComponent::Command::TitleBlock},
    {"FBLOCK", TitleBlockComponent::Command::FrameAndTitleBlock},
    {"DELBGR", TitleBlockComponent::Command::RemoveBackground},
    {"LOGOIn", TitleBlockComponent::Command::InsertLogo},
    {"LOGODe", TitleBlockComponent::Command::DeleteLogo},
    {"LOGOPS", TitleBlockComponent::Command::MakeLogoProportional},
    {"LOGOMS", TitleBlockComponent::Command::StretchLogo},
    {"INSTXT", TitleBlockComponent::Command::InsertText},
};

constexpr char kKeyPrefix[] = "PARAM=";

// A new page's grid and rulers, written in this order.
struct PageSetting {
    const char* cell;
    const char* formula;
};
constexpr PageSetting kNewPageSettings[] = {
    {"XGridDensity", "0 mm"}, {"YGridDensity", "0 mm"}, {"XGridSpacing", "4 mm"},
    {"YGridSpacing", "4 mm"}, {"XRulerDensity", "16"},  {"YRulerDensity", "16"},
};

// What the background page takes over from the first page, in this order.
constexpr const char* kPageSizeCells[] = {"PageWidth", "PageHeight", "DrawingSizeType",
                                          "DrawingScaleType"};

// Where the moved copy of a block or frame is dropped; the block is placed by its
// formulas afterwards, and a frame's master lines it up with the page from there.
constexpr double kDropX = 0;
constexpr double kDropY = 0;

// Renumber the remaining pages' default names when the background page goes.
constexpr int16_t kRenumberPages = 1;

// The parts of a block or frame whose cells a guard goes into.
constexpr char kGeometryHidden[] = "Geometry1.NoShow";
constexpr char kTextHidden[] = "HideText";
// The row of the frame's menu that hides its title block.
constexpr int kFrameMenuTitleBlockRow = 3;

void hideOutlineAndText(const visio::VShape& part, const std::string& guard) {
    setCellFormulaForced(part, kGeometryHidden, guard);
    setCellFormulaForced(part, kTextHidden, guard);
}

// Page IDs are unique within a document; the first page's is 0, which an empty page
// answers as well.
bool samePage(const visio::VPage& a, const visio::VPage& b) {
    return !a.isEmpty() && !b.isEmpty() && a.ID() == b.ID();
}

// The page itself when nothing stands behind it, else the last page of its chain of
// background pages; a chain longer than the document's pages would run in a circle and
// ends where it is.
visio::VPage lastBackPage(const visio::VPage& page, int pageCount) {
    visio::VPage last = page;
    for (int step = 0; step < pageCount; ++step) {
        visio::VPage behind = last.BackPage();
        if (behind.isEmpty()) break;
        last = behind;
    }
    return last;
}

// Takes the tool's own rows out of the page's menu and answers their ticks by label;
// the rows the user added stay, in their order, with everything in them.
std::map<std::string, std::string> removeOwnMenuRows(const visio::VShape& sheet,
                                                     const std::string& separator) {
    std::map<std::string, std::string> ticks;
    const int16_t rows = sheet.RowCount(visio::visSectionAction);
    for (int row = rows; row >= 1; --row) {
        titleblock::MenuRow entry{
            titleblock::getCellFormula(sheet, titleblock::actionCell("Action", row)),
            titleblock::getCellFormula(sheet, titleblock::actionCell("Menu", row))};
        if (!titleblock::isPageMenuRow(entry, separator)) continue;
        ticks[entry.label] =
            titleblock::getCellFormula(sheet, titleblock::actionCell("Checked", row));
        sheet.DeleteRow(visio::visSectionAction, static_cast<int16_t>(row - 1));
    }
    return ticks;
}

// The tool's rows go first, where the guards name them by number; the user's rows follow.
// An entry the user ticked stays ticked where the new menu offers it again, so that what
// the user hid stays hidden.
void writePageMenu(const visio::VPage& page, const std::vector<titleblock::MenuRow>& rows,
                   const std::string& separator) {
    visio::VShape sheet = page.PageSheet();
    std::map<std::string, std::string> ticks;
    if (sheet.SectionExists(visio::visSectionAction, 0) != 0)
        ticks = removeOwnMenuRows(sheet, separator);
    else
        sheet.AddSection(visio::visSectionAction);
    const int count = static_cast<int>(rows.size());
    for (int row = 1; row <= count; ++row)
        sheet.AddRow(visio::visSectionAction, static_cast<int16_t>(row - 1), visio::visTagDefault);
    for (int row = 1; row <= count; ++row) {
        const titleblock::MenuRow& entry = rows[static_cast<size_t>(row - 1)];
        setCellFormula(sheet, titleblock::actionCell("Action", row), entry.action);
        setCellFormula(sheet, titleblock::actionCell("Menu", row), entry.label);
        const auto tick = ticks.find(entry.label);
        if (tick != ticks.end() && !tick->second.empty())
            setCellFormula(sheet, titleblock::actionCell("Checked", row), tick->second);
    }
}

}  // namespace

TitleBlockComponent::TitleBlockComponent(const visio::VApplication& application,
                                         CellDisplays* displays)
    : application_(application), displays_(displays) {}

TitleBlockComponent::~TitleBlockComponent() = default;

ToolFactory TitleBlockComponent::factory() {
    ToolFactory entry;
    entry.create = [](ToolStartContext& context) -> std::unique_ptr<SupportTool> {
        return std::make_unique<TitleBlockComponent>(context.application, context.cellDisplays);
    };
    entry.registerWithPreferences = false;
    return entry;
}

void TitleBlockComponent::createToolbarButton(CommandBarsAccess*, CommandBarObject*) {}

PreferencePage* TitleBlockComponent::getPreferencePage() {
    return nullptr;
}

void TitleBlockComponent::applySettings() {}

bool TitleBlockComponent::readCommand(const std::string& runString, Command* command) {
    std::optional<std::string> name = runstring::sinkCommand(runString, kCommandLength);
    if (!name) return false;
    for (const CommandName& known : kCommands) {
        if (*name != known.name) continue;
        *command = known.command;
        return true;
    }
    return false;
}

bool TitleBlockComponent::onCommand(std::string argument) {
    Command command;
    if (!readCommand(argument, &command)) return false;
    runCommand(command, argument);
    return true;
}

void TitleBlockComponent::runCommand(Command command, const std::string& runString) {
    const std::optional<int32_t> id = runstring::sheetId(runString);
    const int32_t shapeId = id.value_or(0);
    switch (command) {
        case Command::TitleBlock:
            return insertTitleBlock(shapeId);
        case Command::FrameAndTitleBlock:
            return insertFrameAndTitleBlock(shapeId);
        case Command::RemoveBackground:
            return removeBackground();
        case Command::InsertLogo:
            return insertLogo(shapeId);
        case Command::DeleteLogo:
            return deleteLogo(id);
        case Command::MakeLogoProportional:
            return makeLogoProportional(id);
        case Command::StretchLogo:
            return stretchLogo(id);
        case Command::InsertText: {
            // The masters always send a key; without one the field keeps its text.
            std::optional<std::string> key = runstring::valueAfter(runString, kKeyPrefix);
            if (key) insertTitleBlockText(shapeId, *key);
            return;
        }
    }
}

void TitleBlockComponent::onVisioEvent(int32_t eventCode, const visio::VObject& subject,
                                       visio::Variant) {
    switch (eventCodeOf(eventCode)) {
        case visio::visEvtCodePageAdded:
            setupNewPage(subject.as<visio::VPage>());
            break;
        case visio::visEvtCodePageChanged:
            syncBackgroundPageSize(documentOf(subject.as<visio::VPage>()));
            break;
        case visio::visEvtCodeNoEventsPending:
            if (deletePending_) deletePendingBackgroundPage();
            break;
        default:
            break;
    }
}

// --- Title block and frame

void TitleBlockComponent::insertTitleBlock(int32_t shapeId) {
    visio::VShape block = getShapeByID(application_.ActivePage().Shapes(), shapeId);
    visio::VPage background = placeOnBackgroundPage(block);
    // A frame on the page keeps its menu, whose rows its guards name; the block then
    // hides with the frame's own title block.
    const bool besideFrame = holdsGuardedBlock(background, BlockKind::Frame);
    if (besideFrame)
        addFramePageActions(background);
    else
        addTitleBlockPageActions(background);
    // The block keeps to the page's lower right corner whatever the page's width.
    setCellFormula(block, "PinX", "ThePage!PageWidth-Width-5 mm");
    setCellFormula(block, "PinY", "5 mm");
    guardTitleBlock(block, titleblock::hideGuard(besideFrame ? kFrameMenuTitleBlockRow : 1,
                                                 currentListSeparator));
}

void TitleBlockComponent::insertFrameAndTitleBlock(int32_t shapeId) {
    visio::VShape frame = getShapeByID(application_.ActivePage().Shapes(), shapeId);
    visio::VPage background = placeOnBackgroundPage(frame);
    addFramePageActions(background);
    guardFrame(frame);
    // Title blocks already on the page hide with "Hide Title Block" of the frame's menu.
    visio::VShapes shapes = background.Shapes();
    const int32_t count = shapes.Count();
    for (int32_t i = 1; i <= count; ++i) {
        visio::VShape shape = getShapeByIndex(shapes, i);
        if (guardedBlockKind(shape) == BlockKind::TitleBlock)
            guardTitleBlock(shape,
                            titleblock::hideGuard(kFrameMenuTitleBlockRow, currentListSeparator));
    }
}

// What the guards of a shape on the background page say it is: a frame guards its
// outline (part 3) with the menu's second row, a title block standing alone guards its
// logo area (its last part) with the first row only.
TitleBlockComponent::BlockKind TitleBlockComponent::guardedBlockKind(const visio::VShape& shape) {
    visio::VShapes parts = shape.Shapes();
    const int32_t count = parts.Count();
    if (count < 1) return BlockKind::None;
    constexpr char kFrameRowGuard[] = "ThePage!Actions.Checked[2]";
    if (count >= 4 && titleblock::getCellFormula(getShapeByIndex(parts, 3), kGeometryHidden)
                              .find(kFrameRowGuard) != std::string::npos)
        return BlockKind::Frame;
    const std::string logoGuard =
        titleblock::getCellFormula(getShapeByIndex(parts, count), kTextHidden);
    if (logoGuard.find("GUARD(OR(ThePage!Actions.Checked") != std::string::npos &&
        logoGuard.find("Checked[") == std::string::npos)
        return BlockKind::TitleBlock;
    return BlockKind::None;
}

bool TitleBlockComponent::holdsGuardedBlock(const visio::VPage& page, BlockKind kind) {
    visio::VShapes shapes = page.Shapes();
    const int32_t count = shapes.Count();
    for (int32_t i = 1; i <= count; ++i)
        if (guardedBlockKind(getShapeByIndex(shapes, i)) == kind) return true;
    return false;
}

void TitleBlockComponent::guardTitleBlock(const visio::VShape& block, const std::string& guard) {
    // A block that is not there, or whose parts cannot be counted, gets no guard.
    visio::VShapes parts = block.Shapes();
    const int32_t count = parts.Count();
    if (count < 1) return;
    for (int32_t i = 1; i < count; ++i) hideOutlineAndText(getShapeByIndex(parts, i), guard);
    visio::VShape logoArea = getShapeByIndex(parts, count);
    setCellFormulaForced(logoArea, kTextHidden, guard);
    hideOutlineAndText(getShapeByIndex(logoArea.Shapes(), 1), guard);
}

void TitleBlockComponent::guardFrame(const visio::VShape& frame) {
    const std::string& sep = currentListSeparator;
    const std::string frameGuard = titleblock::hideGuard(2, sep);
    visio::VShapes parts = frame.Shapes();
    setCellFormulaForced(getShapeByIndex(parts, 1), kTextHidden, frameGuard);
    setCellFormulaForced(getShapeByIndex(parts, 2), kTextHidden, frameGuard);
    setCellFormulaForced(getShapeByIndex(parts, 3), kGeometryHidden, frameGuard);
    guardTitleBlock(getShapeByIndex(parts, 4), titleblock::hideGuard(kFrameMenuTitleBlockRow, sep));
}

// --- Background page

bool TitleBlockComponent::isOwnBackgroundPage(const visio::VPage& page) {
    if (page.isEmpty() || !page.Background()) return false;
    if (pageName(page) == kBackgroundPageName) return true;
    visio::VShape sheet = page.PageSheet();
    const int16_t rows = sheet.RowCount(visio::visSectionAction);
    for (int row = 1; row <= rows; ++row) {
        if (titleblock::isRemoveBackgroundAction(
                titleblock::getCellFormula(sheet, titleblock::actionCell("Action", row))))
            return true;
    }
    return false;
}

visio::VPage TitleBlockComponent::findBackgroundPage() {
    return findBackgroundPage(application_.ActiveDocument());
}

visio::VPage TitleBlockComponent::findBackgroundPage(const visio::VDocument& document) {
    visio::VPages pages = document.Pages();
    const int16_t count = pages.Count();
    for (int16_t i = 1; i <= count; ++i) {
        visio::VPage page = pages.Item(i);
        if (isOwnBackgroundPage(page)) return page;
    }
    return visio::VPage();
}

bool TitleBlockComponent::hasBackgroundPage() {
    return !findBackgroundPage().isEmpty();
}

std::string TitleBlockComponent::freeBackgroundPageName() {
    visio::VPages pages = application_.ActiveDocument().Pages();
    std::set<std::string> taken;
    const int16_t count = pages.Count();
    for (int16_t i = 1; i <= count; ++i) taken.insert(pageName(pages.Item(i)));
    std::string name = kBackgroundPageName;
    for (int n = 2; taken.count(name) != 0; ++n)
        name = std::string(kBackgroundPageName) + "-" + std::to_string(n);
    return name;
}

visio::VPage TitleBlockComponent::placeOnBackgroundPage(visio::VShape& block) {
    visio::VPage background = findBackgroundPage();
    if (background.isEmpty()) {
        background = createBackgroundPage();
        block = moveShapeTo(block, background);
    } else if (!samePage(application_.ActivePage(), background)) {
        block = moveShapeTo(block, background);
    }
    return background;
}

visio::VPage TitleBlockComponent::createBackgroundPage() {
    const std::string name = freeBackgroundPageName();
    visio::VPage page = application_.ActiveDocument().Pages().Add();
    page.SetName(name);
    page.SetBackground(true);
    assignBackgroundToAllPages();
    return page;
}

visio::VShape TitleBlockComponent::moveShapeTo(const visio::VShape& shape,
                                               const visio::VPage& page) {
    if (shape.isEmpty()) return visio::VShape();
    if (displays_) {
        std::vector<int32_t> ids;
        appendShapeTreeIDs(shape, ids);
        displays_->putBack(shape.ContainingPage(), ids);
    }
    visio::VShape copy = page.Drop(shape, kDropX, kDropY);
    shape.Delete();
    rewriteLogoReferences(copy);
    return copy;
}

// A page the user put a background page behind keeps it: the new page goes behind the
// last background page of its chain, so that everything the user set up still shows.
void TitleBlockComponent::assignBackgroundToAllPages() {
    visio::VPages pages = application_.ActiveDocument().Pages();
    const int16_t count = pages.Count();
    // The last page is the new background page itself.
    const visio::VPage background = pages.Item(count);
    const std::string name = pageName(background);
    for (int16_t i = 1; i < count; ++i) {
        visio::VPage page = pages.Item(i);
        if (page.Background()) continue;
        visio::VPage last = lastBackPage(page, count);
        if (!samePage(last, background)) last.SetBackPage(name);
    }
}
void TitleBlockComponent::addTitleBlockPageActions(const visio::VPage& page) {
    writePageMenu(page, titleblock::titleBlockPageMenu(currentListSeparator), currentListSeparator);
}

void TitleBlockComponent::addFramePageActions(const visio::VPage& page) {
    writePageMenu(page, titleblock::framePageMenu(currentListSeparator), currentListSeparator);
}

// The menu that sends the command belongs to the background page, so that page is the
// one shown; from a menu elsewhere the command removes the tool's background page all the
// same, never the page shown.
void TitleBlockComponent::removeBackground() {
    visio::VPage shown = application_.ActivePage();
    visio::VPage background = isOwnBackgroundPage(shown) ? shown : findBackgroundPage();
    if (background.isEmpty()) return;
    // A page the user put behind the tool's page stays behind the pages in front of it.
    const visio::VPage behind = background.BackPage();
    visio::VPages pages = application_.ActiveDocument().Pages();
    const int16_t count = pages.Count();
    for (int16_t i = 1; i <= count; ++i) {
        visio::VPage page = pages.Item(i);
        visio::VPage back = page.BackPage();
        if (!samePage(back, background)) continue;
        const bool keepsBehind =
            !behind.isEmpty() && !samePage(behind, page) && !samePage(behind, background);
        page.SetBackPage(keepsBehind ? pageName(behind) : std::string());
    }
    // The page goes once Visio has finished with the menu.
    pageToDelete_ = background;
    deletePending_ = true;
}

void TitleBlockComponent::deletePendingBackgroundPage() {
    deletePending_ = false;
    visio::VPage page = pageToDelete_;
    pageToDelete_.release();
    // Should the user have turned to another page in the meantime, that page and its
    // drawing stay; and a page that is no longer the tool's background page stays too.
    if (isOwnBackgroundPage(page)) page.Delete(kRenumberPages);
}

void TitleBlockComponent::setupNewPage(const visio::VPage& page) {
    visio::VShape sheet = page.PageSheet();
    for (const PageSetting& setting : kNewPageSettings)
        setCellFormulaForced(sheet, setting.cell, setting.formula);
    visio::VPage background = findBackgroundPage(documentOf(page));
    if (!background.isEmpty() && page.BackPage().isEmpty()) page.SetBackPage(pageName(background));
}

visio::VDocument TitleBlockComponent::documentOf(const visio::VPage& page) {
    visio::VDocument document = page.Document();
    return document.isEmpty() ? application_.ActiveDocument() : document;
}

void TitleBlockComponent::syncBackgroundPageSize(const visio::VDocument& document) {
    visio::VPage background = findBackgroundPage(document);
    if (background.isEmpty()) return;
    visio::VShape source = document.Pages().Item(1).PageSheet();
    visio::VShape target = background.PageSheet();
    for (const char* cell : kPageSizeCells)
        setCellFormulaForced(target, cell, titleblock::getCellFormula(source, cell));
}
