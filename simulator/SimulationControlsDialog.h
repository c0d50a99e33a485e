// The modeless dialog of a running simulation (template 119): its toolbar holds the run
// commands (Reset, AutoSim, SemiAutoSim, One Step Back, One Step Forward), it keeps the
// run mode and takes one step per idle tick in the running modes, waiting out the firing
// delay afterwards, and it shows the step number, the numbers of enabled transitions and
// conflict places, the recursion stack and, when the user has to choose what fires, a
// hint.
//
// Closing its window does not end the simulation at once: the simulator notices the
// closed window at the next idle event, leaves the simulation and deletes the dialog.
// Enter and Escape close nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/Dialog.h"
#include "platform/ui/ListView.h"
#include "platform/ui/StatusBar.h"
#include "platform/visio/VApplication.h"
#include "simulator/RunMode.h"
#include "simulator/SimulationRun.h"
#include "simulator/SimulationToolBar.h"

class SimulationControlsDialog : public ui::Dialog {
public:
    // The ids of the bars created at the start, as MFC numbers its control bars.
    static constexpr int32_t kToolBarId = 0xE800;
    static constexpr int32_t kStatusBarId = 0xE801;
    static constexpr int32_t kStatusBarMinHeight = 25;

    // The run (the simulator) owns the dialog and outlives it.
    SimulationControlsDialog(SimulationRun* simulator, ui::WindowHandle parent);
    ~SimulationControlsDialog() override;

    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override;
    void OnCancel() override;
    // Destroys the window only.
    void OnClose() override;

    // The toolbar's commands.
    void onReset();
    void onAutoSim();
    void onSemiAutoSim();
    void onStepBack();
    void onStepForward();

    bool isSteppingByHand() const { return runMode_ == RunMode::ByHand; }
    RunMode runMode() const { return runMode_; }
    // The simulated page is out of sight: the commands are greyed and a running mode is
    // parked until the page is shown again. Each only acts when the controls are in the
    // other state, so a second call changes nothing.
    void disableControls();
    void enableControls();
    // The net uses stack places: the recursion stack list takes part.
    void enableRecursionStack();

    // One idle tick: a step in the running modes, then the wait of the firing delay
    // (milliseconds; below 0 counts as 0), during which Visio delivers its events.
    void runTick(int32_t firingDelay, const visio::VApplication& application);
    // Inside the wait's call to Visio.
    bool isWaiting() const { return waiting_; }

    // Shows the simulator's state: commands, step, hint, recursion stack, counters.
    void refresh();
    // Bottom first; the list shows the top of the stack in its first row. A list that
    // shows the stack already is left as it is.
    void fillRecursionList(const std::vector<std::string>& names);

    // Read by tests and the runner.
    ui::StatusBar& statusBar() { return statusBar_; }
    SimulationToolBar& toolBar() { return toolBar_; }

private:
    void switchRunMode(RunMode mode);
    void createToolBar();
    void createStatusBar();
    void setUpRecursionList();
    void showCommands();
    void showHint();
    void setCommand(int32_t command, bool enabled, bool pressed = false);
    void greyCommands();
    void enableDetails(bool enable);
    void wait(int32_t firingDelay, const visio::VApplication& application);
    void tickAutomatic();
    bool tickSemiAutomaticHolding();
    bool tickSemiAutomatic();
    bool holdsOnOneConflictPlace() const;
    bool recursionListShows(const std::vector<std::string>& names) const;

    ui::StatusBar statusBar_;
    SimulationToolBar toolBar_{statusBar_};
    ui::ListView recursionList_;
    bool waiting_ = false;
    SimulationRun* simulator_;
    bool recursionEnabled_ = false;
    RunMode runMode_ = RunMode::ByHand;
    RunMode parkedRunMode_ = RunMode::ByHand;
    bool controlsEnabled_ = true;
};
