#include "simulator/SimulationControlsDialog.h"

#include <algorithm>

#include "platform/os/System.h"
#include "platform/ui/WinApiConstants.h"
#include "resources/Dialog119SimulationControls.h"
#include "resources/Toolbar160Simulation.h"

namespace {

constexpr char kWaitLine[] = "wait(1)";
constexpr char kStepPrefix[] = "Step ";
// The part of the status bar for the step number, at its right end.
constexpr int32_t kStepPartWidth = 70;

// The controls that go grey with the toolbar's commands when the simulated page is out
// of sight, besides the recursion stack list and its group.
constexpr int32_t kDetails[] = {dialog119::kInfoGroup,     dialog119::kEnabledCount,
                                dialog119::kConflictCount, dialog119::kEnabledLabel,
                                dialog119::kConflictLabel, dialog119::kHintPicture,
                                dialog119::kHintText};
constexpr int32_t kCommands[] = {toolbar160::kReset, toolbar160::kAutoSim, toolbar160::kSemiAutoSim,
                                 toolbar160::kStepForward, toolbar160::kStepBack};

}  // namespace

SimulationControlsDialog::SimulationControlsDialog(SimulationRun* simulator,
                                                   ui::WindowHandle parent)
    : ui::Dialog(dialog119::make(), parent), simulator_(simulator) {
    mapClicked(toolbar160::kReset, &SimulationControlsDialog::onReset);
    mapClicked(toolbar160::kAutoSim, &SimulationControlsDialog::onAutoSim);
    mapClicked(toolbar160::kSemiAutoSim, &SimulationControlsDialog::onSemiAutoSim);
    mapClicked(toolbar160::kStepBack, &SimulationControlsDialog::onStepBack);
    mapClicked(toolbar160::kStepForward, &SimulationControlsDialog::onStepForward);
}

SimulationControlsDialog::~SimulationControlsDialog() = default;

// --- The window

bool SimulationControlsDialog::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    createToolBar();
    createStatusBar();
    showItem(dialog119::kHintPicture, false);
    showItem(dialog119::kHintText, false);
    setUpRecursionList();
    recursionEnabled_ = false;
    refresh();
    return true;
}

void SimulationControlsDialog::createToolBar() {
    toolBar_.create(*this, kToolBarId, ui::control_style::kFlat);
    toolBar_.loadToolBar(toolbar160::make());
    toolBar_.makeRoomInParent();
}

void SimulationControlsDialog::createStatusBar() {
    statusBar_.create(*this, kStatusBarId);
    statusBar_.setMinHeight(kStatusBarMinHeight);
    const int32_t width = clientRect().width();
    statusBar_.setParts({std::max(0, width - kStepPartWidth), -1});
    statusBar_.setText(0, "", ui::kSbtNoBorders);
    statusBar_.setText(1, std::string(kStepPrefix) + "0");
}

void SimulationControlsDialog::setUpRecursionList() {
    const int32_t width = recursionList_.clientRect().width();
    recursionList_.insertColumn(0, "No.", width * 2 / 8);
    recursionList_.insertColumn(1, "Name", width * 5 / 8);
    recursionList_.setExtendedStyle(ui::kLvsExGridLines);
}

void SimulationControlsDialog::DoDataExchange(ui::DataExchange& dx) {
    dx.control(dialog119::kRecursionList, recursionList_);
}

void SimulationControlsDialog::OnOK() {}

void SimulationControlsDialog::OnCancel() {}

void SimulationControlsDialog::OnClose() {
    destroyWindow();
}

// --- Commands

void SimulationControlsDialog::onReset() {
    runMode_ = RunMode::ByHand;
    simulator_->reset();
    refresh();
}

void SimulationControlsDialog::onAutoSim() {
    switchRunMode(RunMode::Automatic);
}

// Holding on a conflict, SemiAutoSim goes on running rather than stopping.
void SimulationControlsDialog::onSemiAutoSim() {
    switchRunMode(RunMode::SemiAutomatic);
}

// A running mode's button stops it, and starts it otherwise when something can fire.
void SimulationControlsDialog::switchRunMode(RunMode mode) {
    const bool stop = runMode_ == mode || !simulator_->hasEnabledTransitions();
    runMode_ = stop ? RunMode::ByHand : mode;
    refresh();
}

void SimulationControlsDialog::onStepBack() {
    runMode_ = RunMode::ByHand;
    simulator_->stepBack();
    refresh();
}

void SimulationControlsDialog::onStepForward() {
    runMode_ = RunMode::ByHand;
    simulator_->stepByMode(RunMode::ByHand);
    refresh();
}

// --- Enabling

void SimulationControlsDialog::enableRecursionStack() {
    enableItem(dialog119::kRecursionList, true);
    enableItem(dialog119::kRecursionGroup, true);
    recursionEnabled_ = true;
}

void SimulationControlsDialog::disableControls() {
    if (!controlsEnabled_) return;
    controlsEnabled_ = false;
    for (int32_t command : kCommands) setCommand(command, false);
    enableItem(dialog119::kRecursionList, false);
    enableItem(dialog119::kRecursionGroup, false);
    enableDetails(false);
    parkedRunMode_ = runMode_;
    runMode_ = RunMode::ByHand;
}

void SimulationControlsDialog::enableControls() {
    if (controlsEnabled_) return;
    controlsEnabled_ = true;
    setCommand(toolbar160::kReset, true);
    runMode_ = parkedRunMode_;
    parkedRunMode_ = RunMode::ByHand;
    enableItem(dialog119::kRecursionList, recursionEnabled_);
    enableItem(dialog119::kRecursionGroup, recursionEnabled_);
    enableDetails(true);
    refresh();
}

void SimulationControlsDialog::enableDetails(bool enable) {
    for (int32_t id : kDetails) enableItem(id, enable);
}

// --- What the dialog shows

// While the controls are disabled the commands stay grey; enabling them shows it all.
void SimulationControlsDialog::refresh() {
    if (!controlsEnabled_) return;
    showCommands();
    statusBar_.setText(1, kStepPrefix + std::to_string(simulator_->stepNumber()));
    showHint();
    if (isItemEnabled(dialog119::kRecursionList)) {
        fillRecursionList(simulator_->recursionStackNames());
    }
    setItemText(dialog119::kEnabledCount, std::to_string(simulator_->enabledTransitionCount()));
    setItemText(dialog119::kConflictCount, std::to_string(simulator_->conflictPlaceCount()));
}

void SimulationControlsDialog::showCommands() {
    if (simulator_->hasEnabledTransitions()) {
        setCommand(toolbar160::kAutoSim, true, runMode_ == RunMode::Automatic);
        setCommand(toolbar160::kSemiAutoSim, true,
                   runMode_ == RunMode::SemiAutomatic || runMode_ == RunMode::SemiAutomaticHolding);
        setCommand(toolbar160::kStepForward, true);
    } else {
        greyCommands();
    }
    setCommand(toolbar160::kStepBack, simulator_->canStepBack());
}

void SimulationControlsDialog::setCommand(int32_t command, bool enabled, bool pressed) {
    uint8_t state = enabled ? ui::kTbStateEnabled : ui::kTbStateIndeterminate;
    if (enabled && pressed) state |= ui::kTbStatePressed;
    toolBar_.setButtonState(command, state);
}

void SimulationControlsDialog::greyCommands() {
    for (int32_t command :
         {toolbar160::kAutoSim, toolbar160::kSemiAutoSim, toolbar160::kStepForward}) {
        setCommand(command, false);
    }
}

// The user has to choose what fires: running modes choose themselves.
void SimulationControlsDialog::showHint() {
    const bool running = runMode_ == RunMode::Automatic || runMode_ == RunMode::SemiAutomatic;
    const bool choice = simulator_->hasConflicts() || simulator_->hasConflictFreeTransitions(true);
    showItem(dialog119::kHintPicture, !running && choice);
    showItem(dialog119::kHintText, !running && choice);
}

void SimulationControlsDialog::fillRecursionList(const std::vector<std::string>& names) {
    if (recursionListShows(names)) return;
    recursionList_.deleteAllItems();
    for (size_t i = 0; i < names.size(); ++i) {
        recursionList_.insertItem(0, std::to_string(i + 1));
        recursionList_.setItemText(0, 1, names[i]);
    }
}

// A return and a call fired together keep the depth and change the top.
bool SimulationControlsDialog::recursionListShows(const std::vector<std::string>& names) const {
    const int32_t rows = static_cast<int32_t>(names.size());
    if (recursionList_.itemCount() != rows) return false;
    for (int32_t row = 0; row < rows; ++row) {
        if (recursionList_.itemText(row, 1) != names[rows - 1 - row]) return false;
    }
    return true;
}

// --- Ticks

void SimulationControlsDialog::runTick(int32_t firingDelay,
                                       const visio::VApplication& application) {
    bool waits = false;
    switch (runMode_) {
        case RunMode::Automatic:
            tickAutomatic();
            waits = true;
            break;
        case RunMode::SemiAutomaticHolding:
            waits = tickSemiAutomaticHolding();
            break;
        case RunMode::SemiAutomatic:
            waits = tickSemiAutomatic();
            break;
        case RunMode::ByHand:
            return;
    }
    refresh();
    if (waits) wait(firingDelay, application);
}

void SimulationControlsDialog::tickAutomatic() {
    simulator_->stepByMode(RunMode::Automatic);
    if (!simulator_->hasEnabledTransitions()) runMode_ = RunMode::ByHand;
}

// Answers whether the tick waits.
bool SimulationControlsDialog::tickSemiAutomaticHolding() {
    simulator_->stepByMode(RunMode::SemiAutomatic);
    if (!simulator_->hasEnabledTransitions()) {
        runMode_ = RunMode::ByHand;
        return false;
    }
    if (holdsOnOneConflictPlace()) return false;
    runMode_ = RunMode::SemiAutomatic;
    return true;
}

bool SimulationControlsDialog::tickSemiAutomatic() {
    simulator_->stepByMode(RunMode::SemiAutomatic);
    if (!simulator_->hasEnabledTransitions()) runMode_ = RunMode::ByHand;
    if (holdsOnOneConflictPlace()) {
        runMode_ = RunMode::SemiAutomaticHolding;
        return true;
    }
    if (simulator_->hasConflicts() && !simulator_->hasConflictFreeTransitions(false)) {
        runMode_ = RunMode::ByHand;
        return false;
    }
    return true;
}

bool SimulationControlsDialog::holdsOnOneConflictPlace() const {
    return simulator_->hasSingleConflictPlace() && !simulator_->hasConflictFreeTransitions(false);
}

// Visio handles its events in the calls; the loop ends after the first call begun once
// the delay has passed, or after the current one when the simulation is to end.
void SimulationControlsDialog::wait(int32_t firingDelay, const visio::VApplication& application) {
    const uint32_t delay = static_cast<uint32_t>(std::max(0, firingDelay));
    os::System& system = os::System::current();
    const uint32_t start = system.tickCount();
    for (;;) {
        const uint32_t now = system.tickCount();
        waiting_ = true;
        application.ExecuteLine(kWaitLine);
        waiting_ = false;
        if (now - start >= delay || simulator_->hasPendingLeave()) return;
    }
}
