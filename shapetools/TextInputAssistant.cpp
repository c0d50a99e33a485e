#include "shapetools/TextInputAssistant.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <variant>

#include "helpers/AddonConstants.h"
#include "helpers/CellHelpers.h"
#include "helpers/DocumentHelpers.h"
#include "helpers/LeadingInteger.h"
#include "helpers/MessageBoxWithButtons.h"
#include "helpers/RunString.h"
#include "helpers/ScopeEvents.h"
#include "helpers/ShapeHelpers.h"
#include "helpers/VisioText.h"
#include "platform/ui/WinApiConstants.h"
#include "platform/visio/VDocuments.h"
#include "platform/visio/VPage.h"
#include "platform/visio/VSelection.h"
#include "platform/visio/VShapes.h"
#include "platform/visio/VWindow.h"
#include "platform/visio/VisioConstants.h"

namespace {

constexpr char kCharColor[] = "Char.Color";
constexpr char kCharSize[] = "Char.Size";
constexpr char kCharFont[] = "Char.Font";
constexpr CellAddress kCharColorCell{visio::visSectionCharacter, 0, visio::visCharacterColor};
constexpr CellAddress kCharSizeCell{visio::visSectionCharacter, 0, visio::visCharacterSize};
constexpr CellAddress kCharFontCell{visio::visSectionCharacter, 0, visio::visCharacterFont};

// A prompt is small and coloured, so that it cannot be taken for the user's text.
const TextInputAssistant::CharFormat kPromptFormat{"18", "8 pt", "0"};
// Sub-shape numbers beyond this name no sub-shape (and fit no index).
constexpr double kMaxIndex = 32767;

// The document a save event names; the active one when the event names none.
visio::VDocument savedDocument(const visio::VObject& subject,
                               const visio::VApplication& application) {
    const visio::VDocument document = subject.as<visio::VDocument>();
    return document.isEmpty() ? application.ActiveDocument() : document;
}

bool isDrawingWindow(const visio::VWindow& window) {
    return window.Type() == visio::visDrawing && window.SubType() == visio::visPageWin;
}

void writeCharFormat(const visio::VShape& box, const TextInputAssistant::CharFormat& format) {
    setCellFormula(box, kCharColor, format.color);
    setCellFormula(box, kCharSize, format.size);
    setCellFormula(box, kCharFont, format.font);
}

}  // namespace

TextInputAssistant::TextInputAssistant(const visio::VApplication& application)
    : application_(application) {}

TextInputAssistant::~TextInputAssistant() = default;

ToolFactory TextInputAssistant::factory() {
    ToolFactory entry;
    entry.create = [](ToolStartContext& context) -> std::unique_ptr<SupportTool> {
        auto tool = std::make_unique<TextInputAssistant>(context.application);
        tool->joinDisplays(context.cellDisplays);
        return tool;
    };
    return entry;
}

void TextInputAssistant::createToolbarButton(CommandBarsAccess*, CommandBarObject*) {}

PreferencePage* TextInputAssistant::getPreferencePage() {
    return nullptr;
}

void TextInputAssistant::applySettings() {}

// Nothing else is there to serve the prompt boxes once the add-on has gone. The hide
// cell is no change of the user's: each document stays as saved as it was.
void TextInputAssistant::endRun() {
    promptsActive_ = false;
    hidePrompts();
    promptShape_.release();
    const visio::VDocuments documents = application_.Documents();
    for (int16_t i = 1; i <= documents.Count(); ++i) {
        const visio::VDocument document = documents.Item(i);
        setHideFlag(document, "FALSE", document.Saved());
    }
}

// --- Commands

// Without "TBIndex=" no box is named, and none is opened: the key's character is never
// taken from elsewhere in the text.
bool TextInputAssistant::onCommand(std::string argument) {
    if (!runstring::namesCommand(argument, kCommand)) return false;
    const std::optional<int32_t> id = runstring::sheetId(argument);
    const std::optional<char> box = runstring::characterAfter(argument, kBoxKey);
    if (id && box) editTextBox(*id, runstring::digitValue(*box));
    return true;
}

void TextInputAssistant::editTextBox(int32_t shapeID, int32_t boxIndex) {
    const visio::VPage page = application_.ActivePage();
    if (page.isEmpty()) return;
    const visio::VShape shape = getShapeByID(page.Shapes(), shapeID);
    const visio::VShape box = getShapeByIndex(shape.Shapes(), boxIndex);
    if (shape.isEmpty() || box.isEmpty()) return;
    const visio::VWindow window = application_.ActiveWindow();
    // Visio sub-selects a shape inside a group only once the group itself is selected.
    std::vector<visio::VShape> chain;
    for (visio::VShape s = box; !s.isEmpty() && s.ID() != 0; s = s.ContainingShape())
        chain.push_back(s);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        const bool onPage = it->ContainingShape().ID() == 0;
        window.Select(*it, onPage ? visio::visSelect : visio::visSubSelect);
    }
    application_.DoCmd(visio::visCmdTextEdit);
}

// --- Prompts

bool TextInputAssistant::hasBoxCount(const visio::VShape& shape) {
    return cellExists(shape, kBoxCountCell);
}

// A shape cannot describe more boxes than it has user rows: a count beyond that is
// bounded there rather than walked box by box.
int32_t TextInputAssistant::boxCount(const visio::VShape& shape) {
    const double count = getCellResult(shape, kBoxCountCell);
    if (!(count >= 1)) return 0;
    const double rows = shape.RowCount(visio::visSectionUser);
    return static_cast<int32_t>(std::min(std::floor(count), rows));
}

visio::VShape TextInputAssistant::textBox(const visio::VShape& shape, int32_t n) {
    const std::string cell = kBoxCellPrefix + std::to_string(n);
    if (!cellExists(shape, cell)) return visio::VShape();
    const double index = getCellResult(shape, cell);
    if (index == 0) return shape;
    if (!(std::fabs(index) < kMaxIndex)) return visio::VShape();
    return getShapeByIndex(shape.Shapes(), static_cast<int32_t>(std::lround(index)));
}

std::string TextInputAssistant::promptOf(const visio::VShape& shape, int32_t n) {
    return getCellString(shape, kBoxCellPrefix + std::to_string(n) + ".Prompt");
}

bool TextInputAssistant::wasSelectedBefore(const visio::VShape& shape) const {
    return std::find(previousSelectionIDs_.begin(), previousSelectionIDs_.end(), shape.ID()) !=
               previousSelectionIDs_.end() &&
           shape.ContainingPage().isSameObject(previousSelectionPage_);
}

void TextInputAssistant::saveCharFormat(const visio::VShape& box) {
    const int32_t id = box.ID();
    savedBoxes_.push_back({id,
                           std::string(),
                           {userCharFormula(box, id, kCharColor, kCharColorCell),
                            userCharFormula(box, id, kCharSize, kCharSizeCell),
                            userCharFormula(box, id, kCharFont, kCharFontCell)}});
}

std::string TextInputAssistant::userCharFormula(const visio::VShape& box, int32_t boxID,
                                                const char* name, const CellAddress& cell) const {
    const std::optional<std::string> beneath = userFormulaBeneathOthers(promptPage_, boxID, cell);
    // A format the box inherits is saved as inheriting: written back as a formula, it
    // would no longer follow the master.
    return beneath ? *beneath : limitVisioText(formulaToRestore(box.CellsU(name)));
}

visio::VSelection TextInputAssistant::selectionSkippingSuper() const {
    visio::VSelection selection = application_.ActiveWindow().Selection();
    selection.SetIterationMode(visio::visSelModeSkipSuper);
    return selection;
}

void TextInputAssistant::onSelectionChanged() {
    const visio::VSelection selection = selectionSkippingSuper();
    const int32_t count = selection.Count();
    if (count == 1) selectedShape_ = selection.Item(1);
    if (count == 1 && hasBoxCount(selectedShape_)) {
        promptsActive_ = true;
        hidePrompts();
        showPrompts();
        promptShape_ = selectedShape_;
    } else if (count == 1 && hasBoxCount(selectedShape_.ContainingShape())) {
        // A box of the shape that shows the prompts: they stay.
        promptsActive_ = true;
    } else {
        promptsActive_ = false;
        hidePrompts();
        promptShape_.release();
    }
    previousSelectionIDs_.clear();
    for (int32_t i = 1; i <= count; ++i) previousSelectionIDs_.push_back(selection.Item(i).ID());
    previousSelectionPage_ = count > 0 ? selection.Item(1).ContainingPage() : visio::VPage();
}

// A text the user typed into a box is never the assistant's, even where it reads like
// the prompt: only an empty box gets the prompt, and only that prompt comes out again.
void TextInputAssistant::showPrompts() {
    const visio::VShape shape = selectedShape_;
    if (wasSelectedBefore(shape)) return;
    savedBoxes_.clear();
    promptPage_ = shape.ContainingPage();
    const SavedStateKept kept(shape.Document());
    const int32_t count = boxCount(shape);
    for (int32_t n = 1; n <= count; ++n) {
        const visio::VShape box = textBox(shape, n);
        saveCharFormat(box);
        SavedBox& saved = savedBoxes_.back();
        saved.prompt = promptOf(shape, n);
        if (box.isEmpty() || !getShapeText(box).empty() || suppressPromptText_) continue;
        setShapeText(box, saved.prompt);
        writeCharFormat(box, kPromptFormat);
        saved.showsPrompt = saved.wrotePrompt = true;
    }
}

void TextInputAssistant::hidePrompts() {
    // Prompts a save took out do not come back once the selection has moved on.
    boxesHiddenForSave_.clear();
    if (promptShape_.isEmpty()) return;
    const SavedStateKept kept(promptShape_.Document());
    for (SavedBox& saved : savedBoxes_) {
        const visio::VShape box = boxOf(saved);
        if (!box.isEmpty()) takeOutPrompt(box, saved, WhileTextTool::KeepText);
    }
    savedBoxes_.clear();
}

visio::VShape TextInputAssistant::boxOf(const SavedBox& saved) const {
    if (saved.id == 0) return visio::VShape();
    return getShapeByID(promptPage_.Shapes(), saved.id);
}

bool TextInputAssistant::showsOwnPrompt(const visio::VShape& box, const SavedBox& saved) {
    return saved.wrotePrompt && getShapeText(box) == saved.prompt;
}

// The prompt's format stays the assistant's to take away when the prompt text went
// meanwhile: another tool wrote its own text over it (the simulator its token count), or
// the text was typed without its editing being opened.
bool TextInputAssistant::takeOutPrompt(const visio::VShape& box, SavedBox& saved,
                                       WhileTextTool rule) {
    const bool ownText = showsOwnPrompt(box, saved);
    if (saved.showsPrompt) restoreFormat(box, saved);
    if (!ownText || (suppressPromptText_ && rule == WhileTextTool::KeepText)) return false;
    setShapeText(box, std::string());
    saved.wrotePrompt = false;
    return true;
}

void TextInputAssistant::restoreFormat(const visio::VShape& box, SavedBox& saved) {
    writeCharFormat(box, saved.format);
    saved.showsPrompt = false;
}

// A box of a shape whose prompts were never written has no saved format to go back to.
void TextInputAssistant::restoreCharFormat(const visio::VShape& box, int32_t n) {
    if (n < 1 || static_cast<std::size_t>(n) > savedBoxes_.size()) return;
    restoreFormat(box, savedBoxes_[static_cast<std::size_t>(n - 1)]);
}

bool TextInputAssistant::showsOwnText(const visio::VShape& box, int32_t boxID,
                                      const std::string& text) const {
    for (const SavedBox& saved : savedBoxes_) {
        if (saved.id != boxID || !saved.wrotePrompt || text != saved.prompt) continue;
        return box.ContainingPage().isSameObject(promptPage_);
    }
    return false;
}

std::optional<std::string> TextInputAssistant::userFormula(const visio::VPage& page,
                                                           int32_t shapeID,
                                                           const CellAddress& cell) const {
    if (!page.isSameObject(promptPage_)) return std::nullopt;
    for (const SavedBox& box : savedBoxes_) {
        if (box.id != shapeID || !box.showsPrompt) continue;
        if (cell == kCharColorCell) return box.format.color;
        if (cell == kCharSizeCell) return box.format.size;
        if (cell == kCharFontCell) return box.format.font;
    }
    return std::nullopt;
}

// The prompts do not go along to another page.
void TextInputAssistant::putBack(const visio::VPage& page, const std::vector<int32_t>& shapeIDs) {
    if (!page.isSameObject(promptPage_)) return;
    const bool leaving =
        std::any_of(savedBoxes_.begin(), savedBoxes_.end(), [&](const SavedBox& box) {
            return std::find(shapeIDs.begin(), shapeIDs.end(), box.id) != shapeIDs.end();
        });
    if (!leaving) return;
    hidePrompts();
    promptShape_.release();
}

// A copy of a shape that shows prompts carries them: it is to get the formats and the
// empty texts the user had beneath, before any tool hears of it.
std::vector<CellDisplay::HeldCell> TextInputAssistant::heldCells(const visio::VPage& page,
                                                                 int32_t shapeID) const {
    if (!page.isSameObject(promptPage_)) return {};
    for (const SavedBox& box : savedBoxes_) {
        if (box.id != shapeID || !box.showsPrompt) continue;
        return {{kCharColorCell, box.format.color},
                {kCharSizeCell, box.format.size},
                {kCharFontCell, box.format.font}};
    }
    return {};
}

std::optional<std::string> TextInputAssistant::heldText(const visio::VPage& page,
                                                        int32_t shapeID) const {
    if (!page.isSameObject(promptPage_)) return std::nullopt;
    for (const SavedBox& saved : savedBoxes_) {
        if (saved.id != shapeID) continue;
        const visio::VShape box = boxOf(saved);
        if (!box.isEmpty() && showsOwnPrompt(box, saved)) return std::string();
    }
    return std::nullopt;
}

// The typed text is to show in the box's own format, not in the prompt's.
void TextInputAssistant::restoreEditedBoxFormat() {
    const visio::VShape edited = selectionSkippingSuper().Item(1);
    if (edited.isEmpty()) return;
    const int32_t id = edited.ID();
    for (SavedBox& saved : savedBoxes_) {
        if (saved.id != id || !saved.showsPrompt || !showsOwnPrompt(edited, saved)) continue;
        if (!edited.ContainingPage().isSameObject(promptPage_)) return;
        const SavedStateKept kept(edited.Document());
        restoreFormat(edited, saved);
    }
}

// --- The hide cell and the repair

void TextInputAssistant::setHideFlag(const visio::VDocument& document, const char* formula,
                                     bool markSaved) {
    const visio::VShape sheet = document.DocumentSheet();
    if (sheet.CellExistsU(kHideCell, 1) == 0) return;
    setCellFormula(sheet, kHideCell, formula);
    if (markSaved) document.SetSaved(true);
}

void TextInputAssistant::beginSave(const visio::VDocument& document) {
    if (!hideFlagTrue_) return;
    hideFlagTrue_ = false;
    savingDocument_ = document;
    savedBeforeSave_ = document.Saved();
    takeOutPromptsForSave(document);
    setHideFlag(document, "FALSE", false);
}

void TextInputAssistant::endSave(bool saved) {
    if (hideFlagTrue_) return;
    hideFlagTrue_ = true;
    const visio::VDocument document = savingDocument_;
    savingDocument_.release();
    showPromptsAfterSave();
    setHideFlag(document, "TRUE", false);
    if (saved || savedBeforeSave_) document.SetSaved(true);
}

// Whatever the text tool's state, the file gets the boxes' own texts and formats: a
// text typed over a prompt unseen is saved in the box's own format.
void TextInputAssistant::takeOutPromptsForSave(const visio::VDocument& document) {
    if (promptShape_.isEmpty() || promptShape_.Document().ID() != document.ID()) return;
    for (std::size_t i = 0; i < savedBoxes_.size(); ++i) {
        const visio::VShape box = boxOf(savedBoxes_[i]);
        if (box.isEmpty()) continue;
        if (takeOutPrompt(box, savedBoxes_[i], WhileTextTool::TakeOutText))
            boxesHiddenForSave_.push_back(i);
    }
}

// A box that got a text in the meantime keeps it.
void TextInputAssistant::showPromptsAfterSave() {
    for (std::size_t i : boxesHiddenForSave_) {
        if (i >= savedBoxes_.size()) continue;
        SavedBox& saved = savedBoxes_[i];
        const visio::VShape box = boxOf(saved);
        if (box.isEmpty() || !getShapeText(box).empty()) continue;
        setShapeText(box, saved.prompt);
        writeCharFormat(box, kPromptFormat);
        // The prompt's format is the assistant's display again, beneath which the other
        // tools find the user's format.
        saved.showsPrompt = saved.wrotePrompt = true;
    }
    boxesHiddenForSave_.clear();
}

void TextInputAssistant::repairCheck(const visio::VDocument& document, int16_t command) {
    const visio::VShape sheet = document.DocumentSheet();
    if (sheet.CellExistsU(kHideCell, 1) == 0) return;
    if (sheet.CellsU(kHideCell).Result(std::string()) != 0) {
        const int answer = messageBoxWithButtons(ui::WindowHandle(), kRepairQuestion, productTitle,
                                                 "Yes", "No", ui::kMbIconInformation);
        if (answer == 1) application_.DoCmd(command);
    }
    // The cell is no change of the user's; what the user changed before (in a document
    // open before the tools started) stays to be saved.
    setHideFlag(document, "TRUE", document.Saved());
}

// --- Events

void TextInputAssistant::onVisioEvent(int32_t eventCode, const visio::VObject& subject,
                                      visio::Variant moreInfo) {
    switch (eventCodeOf(eventCode)) {
        case visio::visEvtCodeDocCreate:
            // The new document is the active one the idle check would ask about again.
            repairPending_ = false;
            repairCheck(application_.ActiveDocument(), visio::visCmdFileSaveAs);
            break;
        case visio::visEvtCodeDocOpen:
            repairPending_ = false;
            repairCheck(subject.as<visio::VDocument>(), visio::visCmdFileSave);
            break;
        case visio::visEvtCodeDocSave:
        case visio::visEvtCodeDocSaveAs:
            // A save whose beginning was never announced still leaves the cell "TRUE".
            if (hideFlagTrue_) setHideFlag(savedDocument(subject, application_), "TRUE", true);
            endSave(true);
            break;
        case visio::visEvtCodeBefDocSave:
        case visio::visEvtCodeBefDocSaveAs:
            beginSave(savedDocument(subject, application_));
            break;
        case visio::visEvtCodeEnterScope:
            onScope(moreInfo);
            break;
        case visio::visEvtCodeSelChanged:
            if (isDrawingWindow(application_.ActiveWindow())) onSelectionChanged();
            break;
        case visio::visEvtCodeShapeTextEdit:
            if (promptsActive_) restoreEditedBoxFormat();
            break;
        case visio::visEvtCodeNoEventsPending:
            onIdle();
            break;
        case visio::visEvtCodeStyleAdded:
            setHideFlag(application_.ActiveDocument(), "TRUE", false);
            break;
        default:
            break;
    }
}

void TextInputAssistant::onScope(const visio::Variant& moreInfo) {
    const std::optional<int32_t> scope = scopeNumberOf(moreInfo);
    if (!scope) return;
    if (*scope == kTextToolScope) {
        suppressPromptText_ = true;
    } else if (*scope >= kFirstToolScope && *scope <= kLastToolScope) {
        suppressPromptText_ = false;
    }
}

// The document that was open before the tools existed gets its repair check here; a
// save that began and never ended (it failed, or it was a page export, which Visio
// announces as a save and never reports back) leaves the prompts out and the cell at
// "FALSE" until now.
void TextInputAssistant::onIdle() {
    if (repairPending_) {
        repairPending_ = false;
        const visio::VDocument document = application_.ActiveDocument();
        if (!document.isEmpty()) repairCheck(document, visio::visCmdFileSave);
    }
    endSave(false);
}
