#include "simulator/PetriNetSimulator.h"

#include <algorithm>

#include "checker/ConsistencyChecker.h"
#include "core/ToolbarButton.h"
#include "helpers/AddonConstants.h"
#include "helpers/DocumentHelpers.h"
#include "helpers/FormulaBatchHelpers.h"
#include "helpers/MessageBoxWithButtons.h"
#include "helpers/ShapeHelpers.h"
#include "helpers/VisioText.h"
#include "model/DiagramTypeHolder.h"
#include "model/GEGraphElement.h"
#include "model/GEPlace.h"
#include "model/SavedFormulaIndex.h"
#include "platform/ui/WinApiConstants.h"
#include "platform/visio/VDocuments.h"
#include "platform/visio/VSelection.h"
#include "platform/visio/VShape.h"
#include "platform/visio/VShapes.h"
#include "platform/visio/VisioConstants.h"
#include "simulator/FiringEngine.h"
#include "simulator/InitialMarkingBuilder.h"
#include "simulator/Marking.h"
#include "simulator/PNSPropertyPage.h"
#include "simulator/SimulationControlsDialog.h"
#include "simulator/SimulationShapeDisplay.h"
#include "simulator/SimulatorCells.h"
#include "simulator/TimeSeededDraw.h"

namespace {

constexpr char kCaptionSuffix[] = "  Petri Net Simulator";
constexpr char kErrorText[] =
    "The diagram contains errors and cannot be simulated. Please use Consistency Checker to "
    "find errors.";
constexpr char kShapeAddedText[] =
    "You have added a shape while Petri net simulation is running. The freshly added shape is "
    "not taken into account in the current simulation.\n\n Please choose one of the "
    "possibilities below.";
constexpr char kCannotRemoveText[] =
    "The added shape is protected against deletion and could not be removed. Please choose "
    "another possibility.";
constexpr int kAbortAnswer = 1;
constexpr int kRestartAnswer = 2;
constexpr int kCancelEditingAnswer = 3;
// The info text of the event in progress.
constexpr int32_t kCurrentEvent = 0;

ButtonLook simulatorButton(bool enter, bool enabled) {
    return switchButtonLook(
        enter ? "Enter the Petri Net (PN) Simulation" : "Leave the Petri Net (PN) Simulation",
        PetriNetSimulator::kTag, "PN Simulation", buttonIcon::kSimulator, !enter, enabled);
}

size_t drawBelow(size_t count) {
    return static_cast<size_t>(timeSeededDraw()) % count;
}

// k members of the pool, each drawn from what is left of it.
std::vector<GEGraphElement*> drawMembers(std::vector<GEGraphElement*> pool, size_t k) {
    std::vector<GEGraphElement*> chosen;
    for (size_t i = 0; i < k && !pool.empty(); ++i) {
        const size_t at = drawBelow(pool.size());
        chosen.push_back(pool[at]);
        pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(at));
    }
    return chosen;
}

}  // namespace

PetriNetSimulator::PetriNetSimulator(const visio::VApplication& application,
                                     DiagramTypeHolder* typeHolder, ConsistencyChecker* checker)
    : typeHolder_(typeHolder),
      checker_(checker),
      page_(std::make_unique<PNSPropertyPage>()),
      application_(application) {
    preferencePage_ = page_.get();
}

PetriNetSimulator::~PetriNetSimulator() {
    closeControls();
    display_.reset();
    engine_.reset();
    // The model of a running simulation names the simulator's tables: it goes first.
    if (isSimulating() && typeHolder_) typeHolder_->deleteModel();
    outlineCells_.reset();
    writtenCells_.reset();
    preferencePage_ = nullptr;
    page_.reset();
    simulatedPage_.release();
    simulatedWindow_.release();
    button_.release();
    application_.release();
}

ToolFactory PetriNetSimulator::factory() {
    ToolFactory entry;
    entry.create = [](ToolStartContext& context) -> std::unique_ptr<SupportTool> {
        auto tool = std::make_unique<PetriNetSimulator>(
            context.application, context.diagramTypeHolder, context.consistencyChecker);
        tool->joinDisplays(context.cellDisplays);
        return tool;
    };
    entry.registerWithPreferences = true;
    return entry;
}

void PetriNetSimulator::createToolbarButton(CommandBarsAccess* access, CommandBarObject* bar) {
    if (access) commandBarsAccess_ = *access;
    button_ = getButtonControl(bar);
    if (isSimulating()) {
        showLeaveButton();
    } else {
        updateButton();
    }
}

bool PetriNetSimulator::onCommand(std::string argument) {
    if (argument != kTag) return false;
    if (isSimulating()) {
        requestLeave(Leave::ByUser);
    } else if (!checkerHoldsTheModel()) {
        startSimulation(application_.ActivePage(), application_.ActiveWindow(), false);
    }
    return true;
}

// The button is grey while a check runs, but the command can still arrive as a run
// string, and before the checker's marker does. The check's model is the one the
// diagram-type holder keeps, so entering then would pull it from under the check.
bool PetriNetSimulator::checkerHoldsTheModel() const {
    return checkerRunning_ || (checker_ && checker_->isChecking());
}

PreferencePage* PetriNetSimulator::getPreferencePage() {
    return page_.get();
}

void PetriNetSimulator::applySettings() {
    highlightConflicts_ = page_->highlightConflicts != 0;
    conflictColour_ = page_->conflictColor;
    highlightEnabled_ = page_->highlightEnabled != 0;
    enabledColour_ = page_->enabledColor;
    firingDelay_ = page_->delayMilliseconds();
    randomSubset_ = page_->fireAllConcurrent == 0;
    // A running simulation shows the highlights as they are now set.
    showOutlines();
}

// --- The button

// Checking and simulating exclude each other: the checker's marker events keep the
// button grey whatever the page holds.
void PetriNetSimulator::updateButton() {
    if (isSimulating()) return;
    const visio::VPage page = application_.ActivePage();
    bool block = false;
    bool petri = false;
    bool er = false;
    if (!page.isEmpty() && typeHolder_ && !checkerRunning_) {
        typeHolder_->scanDrawingTypes(page.Shapes(), block, petri, er);
    }
    showEnterButton(petri);
}

void PetriNetSimulator::showEnterButton(bool enabled) {
    setUpButton(button_, simulatorButton(true, enabled));
    commandBarsAccess_.reset();
}

void PetriNetSimulator::showLeaveButton() {
    setUpButton(button_, simulatorButton(false, true));
    commandBarsAccess_.reset();
}

// --- Entering and leaving

// A restart that fails has left the simulation already: its error shows no icon, and the
// button becomes the enter button again.
void PetriNetSimulator::startSimulation(const visio::VPage& page, const visio::VWindow& window,
                                        bool restarting) {
    if (!enterSimulation(page, window)) {
        showError(!restarting);
        if (restarting) showEnterButton(true);
        return;
    }
    state_ = State::Simulating;
    showLeaveButton();
    openControls();
    application_.QueueMarkerEvent(markerSimulationEntered);
}

void PetriNetSimulator::showError(bool withIcon) {
    messageBoxWithButtons(ui::WindowHandle(), kErrorText,
                          std::string(productTitle) + kCaptionSuffix, "OK",
                          withIcon ? ui::kMbIconStop : 0);
}

void PetriNetSimulator::openControls() {
    controls_ = std::make_unique<SimulationControlsDialog>(this, ui::WindowHandle());
    controls_->create();
    controls_->show(ui::kSwShow);
    controls_->setWindowPos(ui::WindowHandle(), {kControlsLeft, kControlsTop}, ui::Size(),
                            ui::kSwpNoSize | ui::kSwpNoZOrder);
    if (engine_->usesStackPlaces()) controls_->enableRecursionStack();
}

void PetriNetSimulator::closeControls() {
    if (!controls_) return;
    controls_->destroyWindow();
    controls_.reset();
}

bool PetriNetSimulator::enterSimulation(const visio::VPage& page, const visio::VWindow& window) {
    simulatedPage_ = page;
    simulatedWindow_ = window;
    buildCellTables();
    if (!checker_ || !typeHolder_ ||
        !checker_->isConsistentPetriNet(
            simulatedPage_.Shapes(), simulatorTables(writtenCells_.get(), outlineCells_.get()))) {
        dropRun();
        return false;
    }
    takeUserFormulas(simulatedPage_, *typeHolder_->getSavedFormulaIndex());
    engine_ = std::make_unique<FiringEngine>(typeHolder_->getArcs(), typeHolder_->getActive());
    engine_->pushMarking(InitialMarkingBuilder().buildInitialMarking(typeHolder_->getPassive()));
    display_ = std::make_unique<SimulationShapeDisplay>(
        simulatedPage_.Shapes(), typeHolder_->getActive(), typeHolder_->getPassive(),
        typeHolder_->getArcs(), typeHolder_->getSavedFormulaIndex());
    {
        const SavedStateKept keepSaved(simulatedPage_.Document());
        display_->saveFormats(writtenCells_.get());
        highlight();
    }
    savedWindowSetting_ = simulatedWindow_.ShowConnectPoints();
    simulatedWindow_.SetShowConnectPoints(0);
    return true;
}

bool PetriNetSimulator::displaysOn(const visio::VPage& page) const {
    return display_ && typeHolder_ && page.isSameObject(simulatedPage_);
}

std::optional<std::string> PetriNetSimulator::userFormula(const visio::VPage& page, int32_t shapeID,
                                                          const CellAddress& cell) const {
    if (!displaysOn(page)) return std::nullopt;
    return typeHolder_->getSavedFormulaIndex()->findFormula(shapeID, cell);
}

void PetriNetSimulator::putBack(const visio::VPage& page, const std::vector<int32_t>& shapeIDs) {
    if (displaysOn(page)) display_->putBack(shapeIDs);
}

std::vector<CellDisplay::HeldCell> PetriNetSimulator::heldCells(const visio::VPage& page,
                                                                int32_t shapeID) const {
    if (!displaysOn(page)) return {};
    std::vector<HeldCell> cells;
    for (SimulationShapeDisplay::FormerFormula& cell : display_->formerCells(shapeID))
        cells.push_back({cell.address, std::move(cell.formula), std::move(cell.shown)});
    return cells;
}

std::optional<std::string> PetriNetSimulator::heldText(const visio::VPage& page,
                                                       int32_t shapeID) const {
    if (!displaysOn(page)) return std::nullopt;
    return display_->formerText(shapeID);
}

void PetriNetSimulator::buildCellTables() {
    writtenCells_ = std::make_unique<CellAddressTable>();
    outlineCells_ = std::make_unique<CellAddressTable>();
    addSimulatorCells(*writtenCells_, *outlineCells_);
}

void PetriNetSimulator::leaveSimulation() {
    aroundSave_.forget();
    simulatedWindow_.SetShowConnectPoints(savedWindowSetting_);
    if (display_) {
        const SavedStateKept keepSaved(simulatedPage_.Document());
        display_->takeRunOff(engine_ ? engine_->restartSimulation() : nullptr);
        display_.reset();
    }
    dropRun();
}

// Lets go of the run and of the model read for it.
void PetriNetSimulator::dropRun() {
    engine_.reset();
    writtenCells_.reset();
    simulatedPage_.release();
    simulatedWindow_.release();
    if (typeHolder_) typeHolder_->deleteModel();
    outlineCells_.reset();
}

void PetriNetSimulator::endSimulation() {
    state_ = State::Idle;
    closeControls();
    leaveSimulation();
    application_.QueueMarkerEvent(markerSimulationLeft);
}

// No tick can follow once the add-on goes: the leave is carried out now.
void PetriNetSimulator::endRun() {
    pendingLeave_ = Leave::None;
    carryOut(Leave::ByUser);
}

void PetriNetSimulator::requestLeave(Leave why) {
    if (ticking_) {
        pendingLeave_ = std::max(pendingLeave_, why);
        return;
    }
    carryOut(why);
}

// Every end of a simulation is announced; a restart then enters again, and announces
// that too.
void PetriNetSimulator::carryOut(Leave why) {
    if (!isSimulating()) return;
    switch (why) {
        case Leave::None:
            return;
        case Leave::ByUser:
            showEnterButton(true);
            endSimulation();
            return;
        case Leave::Restart:
            restart();
            return;
        case Leave::DocumentClosing:
            // The document still exists: what the button shows is known once it has gone.
            showEnterButton(false);
            endSimulation();
            buttonOutdated_ = true;
            return;
    }
}

// The run belongs to its page: a restart asked for while another page or document is
// shown enters the simulated page again, and its controls wait until it is shown.
void PetriNetSimulator::restart() {
    const visio::VPage page = simulatedPage_;
    const visio::VWindow window = simulatedWindow_;
    endSimulation();
    startSimulation(page, window, true);
    if (controls_ && !showsSimulatedPage()) controls_->disableControls();
}

// --- Steps

void PetriNetSimulator::stepByMode(RunMode mode) {
    if (!engine_) return;
    switch (mode) {
        case RunMode::ByHand:
            return stepByHand();
        case RunMode::SemiAutomatic:
            return stepSemiAutomatic();
        case RunMode::Automatic:
            return stepAutomatic();
        case RunMode::SemiAutomaticHolding:
            return;
    }
}

// Where transitions compete or may fire side by side, the user's selection decides.
void PetriNetSimulator::stepByHand() {
    if (!engine_->getConflictTransitions().empty() || engine_->hasConcurrency()) {
        const std::vector<GEGraphElement*> selected = selectedTransitions();
        if (!selected.empty()) fire(selected);
        return;
    }
    fire(engine_->getEnabledTransitions());
}

// The user's choice is read before anything fires: a firing's highlight clears the
// selection. It fires on the marking that the free transitions leave.
void PetriNetSimulator::stepSemiAutomatic() {
    const std::vector<int32_t> selection = selectedShapeIDs();
    const std::vector<GEGraphElement*> free = engine_->getConflictFreeTransitions();
    if (engine_->getEnabledTransitions().empty()) {
        fire({});
    } else if (!free.empty()) {
        if (!randomSubset_) {
            fire(free);
        } else {
            const std::vector<GEGraphElement*> chosen =
                drawMembers(free, drawBelow(free.size()) + 1);
            if (engine_->canFireTogether(chosen)) fire(chosen);
        }
    }
    if (engine_->getConflictTransitions().empty()) return;
    const std::vector<GEGraphElement*> selected = transitionsToFire(selection);
    if (!selected.empty()) fire(selected);
}

// Chance decides: a few conflict-free transitions (with conflicts possibly none), and
// one transition of the conflicts.
void PetriNetSimulator::stepAutomatic() {
    const std::vector<GEGraphElement*> conflicting = engine_->getConflictTransitions();
    const std::vector<GEGraphElement*> free = engine_->getConflictFreeTransitions();
    if (conflicting.empty() && free.size() <= 1) {
        fire(engine_->getEnabledTransitions());
        return;
    }
    std::vector<GEGraphElement*> chosen;
    if (free.size() > 1) {
        const size_t k =
            conflicting.empty() ? drawBelow(free.size()) + 1 : drawBelow(free.size() + 1);
        chosen = drawMembers(free, k);
    }
    if (!conflicting.empty()) chosen.push_back(conflicting[drawBelow(conflicting.size())]);
    if (engine_->canFireTogether(chosen)) fire(chosen);
}

void PetriNetSimulator::fire(const std::vector<GEGraphElement*>& transitions) {
    if (!engine_ || !display_) return;
    showStep(*engine_->fireTransitions(transitions));
}

// The highlight puts back the outlines it no longer colours.
void PetriNetSimulator::showStep(const Marking& marking) {
    const SavedStateKept keepSaved(simulatedPage_.Document());
    display_->showMarking(marking);
    highlight();
}

void PetriNetSimulator::reset() {
    if (engine_ && display_) showStep(*engine_->restartSimulation());
}

void PetriNetSimulator::stepBack() {
    if (engine_ && display_) showStep(*engine_->stepBack());
}

void PetriNetSimulator::highlight() {
    if (!engine_ || !display_) return;
    showOutlines();
    simulatedWindow_.DeselectAll();
    simulatedWindow_.Activate();
}

void PetriNetSimulator::showOutlines() {
    if (!engine_ || !display_) return;
    SimulationShapeDisplay::Outlines outlines;
    if (highlightConflicts_) {
        const std::vector<GEPlace*>& places = engine_->getConflictPlaces();
        outlines.push_back({{places.begin(), places.end()}, conflictColour_});
    }
    if (highlightEnabled_) outlines.push_back({engine_->getEnabledTransitions(), enabledColour_});
    const SavedStateKept keepSaved(simulatedPage_.Document());
    display_->showOutlines(outlines);
}

std::vector<GEGraphElement*> PetriNetSimulator::selectedTransitions() {
    return transitionsToFire(selectedShapeIDs());
}

std::vector<int32_t> PetriNetSimulator::selectedShapeIDs() const {
    if (!engine_ || !showsSimulatedPage()) return {};
    visio::VSelection selection = application_.ActiveWindow().Selection();
    selection.SetIterationMode(visio::visSelModeSkipSuper);
    return getSelectionShapeIDs(selection);
}

std::vector<GEGraphElement*> PetriNetSimulator::transitionsToFire(
    const std::vector<int32_t>& shapeIDs) {
    std::vector<GEGraphElement*> chosen;
    if (!engine_) return chosen;
    const std::vector<GEGraphElement*> enabled = engine_->getEnabledTransitions();
    for (int32_t shapeID : shapeIDs) {
        GEGraphElement* transition = enabledTransitionOfShape(enabled, shapeID);
        if (transition) chosen.push_back(transition);
    }
    if (!engine_->canFireTogether(chosen)) chosen.clear();
    return chosen;
}

GEGraphElement* PetriNetSimulator::enabledTransitionOfShape(
    const std::vector<GEGraphElement*>& enabled, int32_t shapeID) const {
    for (GEGraphElement* transition : enabled) {
        if (transition->getID() == shapeID) return transition;
    }
    return nullptr;
}

// --- What the controls show

bool PetriNetSimulator::hasEnabledTransitions() const {
    return enabledTransitionCount() > 0;
}

bool PetriNetSimulator::hasConflicts() const {
    return engine_ && !engine_->getConflictTransitions().empty();
}

bool PetriNetSimulator::hasSingleConflictPlace() const {
    return conflictPlaceCount() == 1;
}

bool PetriNetSimulator::hasConflictFreeTransitions(bool more) const {
    if (!engine_) return false;
    return engine_->getConflictFreeTransitions().size() > (more ? 1u : 0u);
}

bool PetriNetSimulator::canStepBack() const {
    return engine_ && !engine_->isAtInitialMarking();
}

int32_t PetriNetSimulator::stepNumber() const {
    return engine_ ? engine_->getHistorySize() - 1 : 0;
}

std::vector<std::string> PetriNetSimulator::recursionStackNames() const {
    return engine_ ? engine_->getRecursionStackNames() : std::vector<std::string>();
}

int32_t PetriNetSimulator::enabledTransitionCount() const {
    return engine_ ? static_cast<int32_t>(engine_->getEnabledTransitions().size()) : 0;
}

int32_t PetriNetSimulator::conflictPlaceCount() const {
    return engine_ ? static_cast<int32_t>(engine_->getConflictPlaces().size()) : 0;
}

// --- Events

void PetriNetSimulator::onVisioEvent(int32_t eventCode, const visio::VObject& subject,
                                     visio::Variant) {
    switch (eventCodeOf(eventCode)) {
        case visio::visEvtCodeDocSave:
        case visio::visEvtCodeDocSaveAs:
            onDocumentSaved(subject);
            break;
        case visio::visEvtCodeBefDocSave:
        case visio::visEvtCodeBefDocSaveAs:
            onBeforeDocumentSave(subject);
            break;
        case visio::visEvtCodeShapeAdded:
            onShapeAdded(subject);
            break;
        case visio::visEvtCodeSelChanged:
            onSelectionChanged();
            break;
        case visio::visEvtCodeWinPageTurn:
            onPageShown();
            break;
        case visio::visEvtCodeWinActivate:
            if (commandBarsAccess_.isSet()) onPageShown();
            break;
        case visio::visEvtCodeMarker:
            onMarker();
            break;
        case visio::visEvtCodeNoEventsPending:
            onIdle();
            break;
        case visio::visEvtCodeBefDocClose:
            onBeforeDocumentClose(subject);
            break;
        case visio::visEvtCodeBefShapeDelete:
            buttonOutdated_ = true;
            break;
        default:
            break;
    }
}

bool PetriNetSimulator::isSimulatedDocument(const visio::VObject& subject) const {
    return isSimulating() && isSameDocument(simulatedPage_.Document(), subject);
}

bool PetriNetSimulator::showsSimulatedPage() const {
    return application_.ActiveWindow().Page().isSameObject(simulatedPage_);
}

// The file gets the initial marking and the formats from before the simulation; saves
// of other documents leave the simulation alone.
void PetriNetSimulator::onBeforeDocumentSave(const visio::VObject& subject) {
    if (!isSimulating()) {
        aroundSave_.forget();
        return;
    }
    if (!isSimulatedDocument(subject) || !display_) return;
    display_->takeRunOff(engine_->getInitialMarking());
    aroundSave_.takenOff();
}

void PetriNetSimulator::onDocumentSaved(const visio::VObject& subject) {
    if (!isSimulatedDocument(subject)) return;
    showRunAgain();
}

// After the save, or at the idle event that follows a save that never reported back (it
// failed): the run and its protection are on the page again.
void PetriNetSimulator::showRunAgain() {
    if (!aroundSave_.showAgain() || !display_ || !engine_) return;
    const SavedStateKept keepSaved(simulatedPage_.Document());
    display_->saveFormats(writtenCells_.get());
    display_->showMarking(*engine_->getCurrentMarking());
    highlight();
}

// The run reads the simulated page alone: a shape added to another page or drawing
// leaves it as it is, and the question, whose "Cancel Editing" deletes the shape, is
// not the user's to answer there.
void PetriNetSimulator::onShapeAdded(const visio::VObject& subject) {
    if (checkerRunning_) return;
    if (!isSimulating()) {
        updateButton();
        return;
    }
    const visio::VShape added = subject.as<visio::VShape>();
    if (!added.ContainingPage().isSameObject(simulatedPage_) || runHolds(added)) return;
    // A shape its own protection keeps cannot be taken away: the user is told so and
    // chooses again, for the run must not go on as if it were gone.
    int answer = askAboutAddedShape();
    while (answer == kCancelEditingAnswer && !removeAddedShape(added)) {
        messageBoxWithButtons(ui::WindowHandle(), kCannotRemoveText, productTitle, "OK",
                              ui::kMbIconStop);
        answer = askAboutAddedShape();
    }
    if (answer == kAbortAnswer) {
        requestLeave(Leave::ByUser);
    } else if (answer == kRestartAnswer) {
        requestLeave(Leave::Restart);
    }
}

// Visio may report the copies of one command once it has made them all: a restart for
// the first reads the others with the page, and the run then holds and protects them.
bool PetriNetSimulator::runHolds(const visio::VShape& shape) const {
    return displaysOn(shape.ContainingPage()) &&
           typeHolder_->getSavedFormulaIndex()->getRecordCount(shape.ID()) > 0;
}

int PetriNetSimulator::askAboutAddedShape() const {
    return messageBoxWithButtons(ui::WindowHandle(), kShapeAddedText, productTitle,
                                 "Abort Simulation", "Restart Simulation", "Cancel Editing",
                                 ui::kMbIconQuestion);
}

// Whether the shape is gone from its page.
bool PetriNetSimulator::removeAddedShape(const visio::VShape& shape) const {
    const visio::VPage page = shape.ContainingPage();
    const int32_t shapeID = shape.ID();
    shape.Delete();
    return getShapeByID(page.Shapes(), shapeID).isEmpty();
}

// By hand, on one conflict place and nothing else to fire, selecting a transition fires
// it.
void PetriNetSimulator::onSelectionChanged() {
    if (!isSimulating() || !controls_ || !controls_->isSteppingByHand()) return;
    if (hasConflictFreeTransitions(false) || !hasSingleConflictPlace()) return;
    stepByHand();
    controls_->refresh();
}

void PetriNetSimulator::onPageShown() {
    updateButton();
    if (!isSimulating() || !controls_) return;
    if (showsSimulatedPage()) {
        controls_->enableControls();
    } else {
        controls_->disableControls();
    }
}

void PetriNetSimulator::onMarker() {
    const std::string marker = limitVisioText(application_.EventInfo(kCurrentEvent));
    if (marker == markerCheckingEntered) {
        checkerRunning_ = true;
        if (!isSimulating()) showEnterButton(false);
    } else if (marker == markerCheckingLeft) {
        checkerRunning_ = false;
        updateButton();
    }
}

void PetriNetSimulator::onIdle() {
    showRunAgain();
    if (buttonOutdated_) {
        updateButton();
        buttonOutdated_ = false;
    }
    if (!controls_ || ticking_) return;
    if (controls_->isWindow()) {
        runControlsTick();
    } else {
        requestLeave(Leave::ByUser);
    }
}

void PetriNetSimulator::runControlsTick() {
    ticking_ = true;
    controls_->runTick(firingDelay_, application_);
    ticking_ = false;
    const Leave pending = pendingLeave_;
    pendingLeave_ = Leave::None;
    carryOut(pending);
}

void PetriNetSimulator::onBeforeDocumentClose(const visio::VObject& subject) {
    if (isSimulatedDocument(subject)) {
        requestLeave(Leave::DocumentClosing);
    } else if (!isSimulating() && application_.Documents().Count() == 1) {
        showEnterButton(false);
    }
}
