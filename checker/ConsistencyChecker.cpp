#include "checker/ConsistencyChecker.h"

#include <utility>

#include "checker/CCArcConnectionRule.h"
#include "checker/CCArcShapeRule.h"
#include "checker/CCCellGuard.h"
#include "checker/CCHintRule.h"
#include "checker/CCLegendDialog.h"
#include "checker/CCNameClashRule.h"
#include "checker/CCPetriNetRule.h"
#include "checker/CCPropertyPage.h"
#include "core/ToolbarButton.h"
#include "helpers/AddonConstants.h"
#include "helpers/DocumentHelpers.h"
#include "helpers/VisioText.h"
#include "model/DiagramTypeHolder.h"
#include "model/SavedFormulaIndex.h"
#include "model/ShapeAttributes.h"
#include "platform/ui/WinApiConstants.h"
#include "platform/visio/VCell.h"
#include "platform/visio/VDocuments.h"
#include "platform/visio/VShape.h"
#include "platform/visio/VisioConstants.h"

namespace {

// The rules of a check under their keys: the lower key wins a cell that the findings of
// several rules colour, so the optional rules' orange shows over the syntax errors.
constexpr int32_t kNameClashKey = 1;
constexpr int32_t kHintKey = 2;
constexpr int32_t kArcShapeKey = 3;
constexpr int32_t kPetriNetKey = 4;
constexpr int32_t kArcConnectionKey = 5;
// The keys of the simulator's gate.
constexpr int32_t kGateArcShapeKey = 1;
constexpr int32_t kGatePetriNetKey = 2;
constexpr int32_t kGateArcConnectionKey = 3;

// Visio's help folder list is read into a buffer of 32,768 bytes.
constexpr std::size_t kFolderListLimit = 32767;
// The info text of the event in progress.
constexpr int32_t kCurrentEvent = 0;

ButtonLook checkerButton(bool start, bool enabled) {
    return switchButtonLook(
        start ? "Start Consistency Checker" : "Stop Consistency Checker",
        start ? ConsistencyChecker::kStartTag : ConsistencyChecker::kStopTag, "Consistency Check",
        start ? buttonIcon::kCheckerStart : buttonIcon::kCheckerStop, !start, enabled);
}

}  // namespace

ConsistencyChecker::ConsistencyChecker(const visio::VApplication& application,
                                       DiagramTypeHolder* typeHolder)
    : page_(std::make_unique<CCPropertyPage>()),
      typeHolder_(typeHolder),
      application_(application) {
    preferencePage_ = page_.get();
}

ConsistencyChecker::~ConsistencyChecker() {
    cellGuard_.reset();
    // The model of a running check names the rules' tables: it goes with them.
    if (state_ == State::Checking && typeHolder_) typeHolder_->deleteModel();
    ruleSet_.clear();
    preferencePage_ = nullptr;
    page_.reset();
    closeLegend();
    checkedPage_.release();
    settingWindow_.release();
    button_.release();
    application_.release();
}

ToolFactory ConsistencyChecker::factory() {
    ToolFactory entry;
    entry.create = [](ToolStartContext& context) -> std::unique_ptr<SupportTool> {
        auto tool =
            std::make_unique<ConsistencyChecker>(context.application, context.diagramTypeHolder);
        tool->joinDisplays(context.cellDisplays);
        context.consistencyChecker = tool.get();
        return tool;
    };
    entry.registerWithPreferences = true;
    return entry;
}

void ConsistencyChecker::createToolbarButton(CommandBarsAccess* access, CommandBarObject* bar) {
    if (access) commandBarsAccess_ = *access;
    button_ = getButtonControl(bar);
    if (isChecking()) {
        showStopButton();
    } else {
        showStartButton(false);
    }
    if (!application_.ActivePage().isEmpty()) updateStartButton();
}

bool ConsistencyChecker::onCommand(std::string argument) {
    if (argument == kStartTag) {
        start();
        return true;
    }
    if (argument == kStopTag) {
        stop();
        return true;
    }
    return false;
}

PreferencePage* ConsistencyChecker::getPreferencePage() {
    return page_.get();
}

void ConsistencyChecker::applySettings() {
    if (!isChecking()) return;
    closeLegend();
    if (page_->showLegend) showLegend();
}

// --- Start and stop

void ConsistencyChecker::start() {
    // A second start while checking would hide the setting kept from the first one.
    if (state_ != State::Idle) return;
    // The button is grey while a simulation runs, but the command can still arrive as a
    // run string, and before the simulator's marker does. A model held while the check
    // is idle is the simulation's, and a check would pull it from under the run.
    if (simulationRunning_ || (typeHolder_ && typeHolder_->hasModel())) return;
    saveWindowSetting();
    showStopButton();
    if (page_->saveBefore) saveDocument();
    if (page_->showLegend) showLegend();
    application_.QueueMarkerEvent(markerCheckingEntered);
    runCheck(application_.ActivePage());
}

void ConsistencyChecker::stop() {
    // Between a save's start and its report (or the next idle event) the checker is idle
    // but still shows Stop: Stop then ends it all the same.
    if (state_ != State::Checking && !aroundSave_.isOff()) return;
    restoreWindowSetting();
    showStartButton(true);
    closeLegend();
    stopChecking();
    aroundSave_.forget();
    checkedPage_.release();
    application_.QueueMarkerEvent(markerCheckingLeft);
}

void ConsistencyChecker::endRun() {
    stop();
}

void ConsistencyChecker::runCheck(visio::VPage page) {
    if (!typeHolder_) return;
    checkedPage_ = std::move(page);
    const visio::VShapes shapes = checkedPage_.Shapes();
    typeHolder_->identifyDiagramType(shapes);
    createRules();
    // Only the elements' shapes are painted, so only theirs are saved to be put back.
    typeHolder_->createModel(shapes, ruleSet_.tables(), FormulaScope::ElementShapes);
    if (SavedFormulaIndex* index = typeHolder_->getSavedFormulaIndex())
        takeUserFormulas(checkedPage_, *index);
    ruleSet_.checkAll(*typeHolder_);
    closeLatchForOwnWrites();
    cellGuard_ = std::make_unique<CCCellGuard>(
        typeHolder_->getActive(), typeHolder_->getPassive(), typeHolder_->getArcs(),
        typeHolder_->getOtherShapes(), &ruleSet_.rules(), typeHolder_->getSavedFormulaIndex());
    paintLooks(shapes);
    state_ = State::Checking;
}

void ConsistencyChecker::createRules() {
    const bool block = typeHolder_->isBlockDiagram();
    const bool petri = typeHolder_->isPetriNet();
    const bool er = typeHolder_->isERDiagram();
    ruleSet_.clear();
    if (page_->nameClashCheck)
        ruleSet_.add(kNameClashKey, std::make_unique<CCNameClashRule>(block, er));
    if (page_->hintsCheck) ruleSet_.add(kHintKey, std::make_unique<CCHintRule>(petri));
    ruleSet_.add(kArcShapeKey, std::make_unique<CCArcShapeRule>(block, petri, er));
    ruleSet_.add(kPetriNetKey, std::make_unique<CCPetriNetRule>(petri));
    ruleSet_.add(kArcConnectionKey, std::make_unique<CCArcConnectionRule>());
}

void ConsistencyChecker::stopChecking() {
    if (state_ != State::Checking) return;
    state_ = State::Idle;
    if (cellGuard_) {
        const SavedStateKept keepSaved(checkedPage_.Document());
        cellGuard_->restoreCells(checkedPage_.Shapes());
    }
    cellGuard_.reset();
    if (typeHolder_) typeHolder_->deleteModel();
    ruleSet_.clear();
}

// The looks are display only: a drawing checked unchanged asks for no save. Reading the
// page is not: the cells it generates for shapes that lack them are the user's to save.
void ConsistencyChecker::paintLooks(const visio::VShapes& shapes) {
    const SavedStateKept keepSaved(checkedPage_.Document());
    cellGuard_->guardCells(shapes);
}

void ConsistencyChecker::recheck() {
    stopChecking();
    runCheck(checkedPage_);
}

bool ConsistencyChecker::paints(const visio::VPage& page) const {
    return cellGuard_ && typeHolder_ && page.isSameObject(checkedPage_);
}

std::optional<std::string> ConsistencyChecker::userFormula(const visio::VPage& page,
                                                           int32_t shapeID,
                                                           const CellAddress& cell) const {
    if (!paints(page)) return std::nullopt;
    const SavedFormulaIndex* index = typeHolder_->getSavedFormulaIndex();
    return index ? index->findFormula(shapeID, cell) : std::nullopt;
}

void ConsistencyChecker::putBack(const visio::VPage& page, const std::vector<int32_t>& shapeIDs) {
    if (paints(page)) cellGuard_->restoreShapes(checkedPage_.Shapes(), shapeIDs);
}

std::vector<CellDisplay::HeldCell> ConsistencyChecker::heldCells(const visio::VPage& page,
                                                                 int32_t shapeID) const {
    if (!paints(page)) return {};
    return heldCellsOf(*typeHolder_->getSavedFormulaIndex(), shapeID);
}

bool ConsistencyChecker::isOnCheckedPage() const {
    return checkedPage_.isSameObject(application_.ActivePage());
}

bool ConsistencyChecker::isCheckedDocument(const visio::VObject& subject) const {
    return isSameDocument(checkedPage_.Document(), subject);
}

// Every formula the guard writes raises a cell-changed event on the checked page. They
// must not start a check of their own: the page already shows the result of what it
// holds, and on a page that mixes kinds the user would be asked the kind twice.
void ConsistencyChecker::closeLatchForOwnWrites() {
    if (cellChangeLatch_ == kLatchOpen) cellChangeLatch_ = kLatchClosedByChecker;
}

bool ConsistencyChecker::isConsistentPetriNet(const visio::VShapes& pageShapes,
                                              const CellAddressTableMap& simulatorTables) {
    // A model read now would replace the one a running check paints from.
    if (!typeHolder_ || isChecking()) return false;
    bool block = false;
    bool petri = false;
    bool er = false;
    typeHolder_->scanDrawingTypes(pageShapes, block, petri, er, true);
    if (!petri) return false;
    typeHolder_->setType(drawingTypePetriNet);
    CCRuleSet gate;
    gate.add(kGateArcShapeKey, std::make_unique<CCArcShapeRule>(typeHolder_->isBlockDiagram(),
                                                                typeHolder_->isPetriNet(),
                                                                typeHolder_->isERDiagram()));
    gate.add(kGatePetriNetKey, std::make_unique<CCPetriNetRule>(typeHolder_->isPetriNet()));
    gate.add(kGateArcConnectionKey, std::make_unique<CCArcConnectionRule>());
    simulatorTables_ = simulatorTables;
    typeHolder_->createModel(pageShapes, simulatorTables_, FormulaScope::SimulatedPage);
    gate.checkAll(*typeHolder_);
    return !gate.hasFindings();
}

// --- The button, the legend, the window and the document

void ConsistencyChecker::updateStartButton() {
    const visio::VPage page = application_.ActivePage();
    if (page.isEmpty()) {
        if (!isChecking()) showStartButton(false);
        return;
    }
    if (isChecking() || !typeHolder_) return;
    // Checking and simulating exclude each other, whatever the page holds.
    if (simulationRunning_) {
        showStartButton(false);
        return;
    }
    bool block = false;
    bool petri = false;
    bool er = false;
    typeHolder_->scanDrawingTypes(page.Shapes(), block, petri, er);
    showStartButton(block || petri || er);
}

void ConsistencyChecker::showStartButton(bool enabled) {
    setUpButton(button_, checkerButton(true, enabled));
    commandBarsAccess_.reset();
}

void ConsistencyChecker::showStopButton() {
    setUpButton(button_, checkerButton(false, true));
    commandBarsAccess_.reset();
}

void ConsistencyChecker::showLegend() {
    std::string folders = application_.HelpPaths();
    if (folders.size() > kFolderListLimit) folders.resize(kFolderListLimit);
    legend_ = std::make_unique<CCLegendDialog>(folders);
    legend_->showTopmost();
}

void ConsistencyChecker::closeLegend() {
    if (!legend_) return;
    legend_->destroyWindow();
    legend_.reset();
}

// The connection points are hidden while the shapes show their colours; the window
// that hid them gets its setting back, whichever window is active when checking stops,
// unless the user has shown them meanwhile: that choice is the user's and stays.
void ConsistencyChecker::saveWindowSetting() {
    settingWindow_ = application_.ActiveWindow();
    if (settingWindow_.isEmpty()) return;
    savedWindowSetting_ = settingWindow_.ShowConnectPoints();
    settingWindow_.SetShowConnectPoints(0);
}

void ConsistencyChecker::restoreWindowSetting() {
    if (settingWindow_.ShowConnectPoints() == 0)
        settingWindow_.SetShowConnectPoints(savedWindowSetting_);
    settingWindow_.release();
}

void ConsistencyChecker::saveDocument() const {
    const visio::VDocument document = application_.ActiveDocument();
    const bool neverSaved = limitVisioText(document.Path()).empty();
    application_.DoCmd(neverSaved ? visio::visCmdFileSaveAs : visio::visCmdFileSave);
}

// The pass changed the drawing: the user is to be asked to save it, not lose it.
void ConsistencyChecker::updateDocument(const visio::VDocument& document) {
    if (document.isEmpty()) return;
    ShapeAttributes record;
    if (record.updateDocument(document)) document.SetSaved(false);
}

// --- Events

void ConsistencyChecker::onVisioEvent(int32_t eventCode, const visio::VObject& subject,
                                      visio::Variant) {
    switch (eventCodeOf(eventCode)) {
        case visio::visEvtCodeDocOpen:
            onDocumentOpened(subject);
            break;
        case visio::visEvtCodeDocSave:
        case visio::visEvtCodeDocSaveAs:
            onDocumentSaved(subject);
            break;
        case visio::visEvtCodeBefDocSave:
        case visio::visEvtCodeBefDocSaveAs:
            onBeforeDocumentSave(subject);
            break;
        case visio::visEvtCodeWinPageTurn:
            updateStartButton();
            break;
        case visio::visEvtCodeWinActivate:
            if (commandBarsAccess_.isSet()) updateStartButton();
            break;
        case visio::visEvtCodeShapeAdded:
            onShapeAdded();
            break;
        case visio::visEvtCodeWindowChanged:
            onWindowChanged();
            break;
        case visio::visEvtCodeCellChanged:
            onCellChanged(subject);
            break;
        case visio::visEvtCodeBefShapeDelete:
            recheckOnIdle_ = true;
            break;
        case visio::visEvtCodeNoEventsPending:
            onIdle();
            break;
        case visio::visEvtCodeMarker:
            onMarker();
            break;
        case visio::visEvtCodeBefDocClose:
            onBeforeDocumentClose(subject);
            break;
        default:
            break;
    }
}

void ConsistencyChecker::onDocumentOpened(const visio::VObject& subject) {
    updateDocumentOnIdle_ = false;
    updateDocument(subject.as<visio::VDocument>());
}

// The page painted again is the one whose colours the save took away, whichever window
// is active by then.
void ConsistencyChecker::onDocumentSaved(const visio::VObject& subject) {
    if (aroundSave_.isOff() && isCheckedDocument(subject)) checkAgainAfterSave();
}

// After the save, or at the idle event that follows a save that never reported back (it
// failed): the page shows its colours and its cells are guarded again.
void ConsistencyChecker::checkAgainAfterSave() {
    if (aroundSave_.showAgain()) runCheck(checkedPage_);
}

// The colours are display only: they are taken away before the checked document is saved
// and painted again once it is done, so its file never holds them. Saves of other
// documents leave the check alone.
void ConsistencyChecker::onBeforeDocumentSave(const visio::VObject& subject) {
    if (!isChecking() || !isCheckedDocument(subject)) return;
    stopChecking();
    aroundSave_.takenOff();
}

void ConsistencyChecker::onShapeAdded() {
    if (isChecking()) {
        if (isOnCheckedPage()) recheck();
        updateStartButton();
        return;
    }
    if (!simulationRunning_) updateStartButton();
}

void ConsistencyChecker::onWindowChanged() {
    if (isChecking() && isOnCheckedPage()) recheck();
}

void ConsistencyChecker::onCellChanged(const visio::VObject& subject) {
    if (!isChecking() || !isOnCheckedPage() || cellChangeLatch_ != kLatchOpen) return;
    cellChangeLatch_ = subject.as<visio::VCell>().Shape().ID();
    recheck();
}

void ConsistencyChecker::onIdle() {
    if (updateDocumentOnIdle_) {
        updateDocumentOnIdle_ = false;
        updateDocument(application_.ActiveDocument());
    }
    cellChangeLatch_ = kLatchOpen;
    checkAgainAfterSave();
    if (!recheckOnIdle_) return;
    if (isChecking() && isOnCheckedPage()) recheck();
    recheckOnIdle_ = false;
    updateStartButton();
}

void ConsistencyChecker::onMarker() {
    const std::string marker = limitVisioText(application_.EventInfo(kCurrentEvent));
    if (marker == markerRecheckFinished) {
        if (isChecking() && isOnCheckedPage()) recheck();
    } else if (marker == markerSimulationEntered) {
        simulationRunning_ = true;
        showStartButton(false);
    } else if (marker == markerSimulationLeft) {
        simulationRunning_ = false;
        updateStartButton();
    }
}

// The last document closing leaves no page to check, also when it was the checked one.
// The checked page's document is known as an object: saved under a stencil's name it is
// still the drawing whose close ends the check.
void ConsistencyChecker::onBeforeDocumentClose(const visio::VObject& subject) {
    if ((isChecking() || aroundSave_.isOff()) && isCheckedDocument(subject)) {
        closeLegend();
        stopChecking();
        aroundSave_.forget();
        checkedPage_.release();
        updateStartButton();
        application_.QueueMarkerEvent(markerCheckingLeft);
    }
    if (!isChecking() && application_.Documents().Count() == 1) showStartButton(false);
}
