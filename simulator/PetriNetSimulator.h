// The Petri net simulator, entered and left with its toolbar button ("PNSButton"). It
// has the checker check the active page silently; a consistent net is then simulated on
// the page itself: token counts in the places, highlighted conflict places and enabled
// transitions, every shape protected, all of it put back when the simulation ends and
// around every save of the simulated document. The controls dialog drives the run: by
// hand, semi-automatically or automatically, with step back and reset. The simulator
// follows Visio's events and the checker's marker events, and announces its own entering
// and leaving by marker events.
//
// highlight ends with two operations of the simulated window: DeselectAll, since a
// selected shape's handles hide its outline and a selection chooses what fires in one
// step only; and Activate, so that the drawing takes the mouse and keyboard back from
// the controls dialog and the next click can choose transitions.
//
// A simulation ended while the controls' tick is running (by the user's answer to a
// question, a click on the button, the document closing) ends once the tick has
// returned, so that the dialog is never deleted under its own tick.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/CellDisplays.h"
#include "core/DisplayAroundSave.h"
#include "core/SupportTool.h"
#include "core/ToolFactory.h"
#include "model/CellAddressTable.h"
#include "platform/visio/VApplication.h"
#include "platform/visio/VPage.h"
#include "platform/visio/VShape.h"
#include "platform/visio/VToolbarItem.h"
#include "platform/visio/VWindow.h"
#include "simulator/RunMode.h"
#include "simulator/SimulationRun.h"

class ConsistencyChecker;
class DiagramTypeHolder;
class FiringEngine;
class GEGraphElement;
class Marking;
class PNSPropertyPage;
class SimulationControlsDialog;
class SimulationShapeDisplay;

// Its protection and highlights are a display in the user's cells (see CellDisplay).
class PetriNetSimulator : public SupportTool, public SimulationRun, public CellDisplay {
public:
    static constexpr char kTag[] = "PNSButton";
    // The controls dialog's place on the screen.
    static constexpr int32_t kControlsLeft = 200;
    static constexpr int32_t kControlsTop = 200;

    // The holder and the checker belong to the controller and outlive the simulator.
    PetriNetSimulator(const visio::VApplication& application, DiagramTypeHolder* typeHolder,
                      ConsistencyChecker* checker);
    // Lets go of what is left; the page was put back by endRun.
    ~PetriNetSimulator() override;

    // The controller's entry: registered, created with the holder and the checker.
    static ToolFactory factory();

    void createToolbarButton(CommandBarsAccess* access, CommandBarObject* bar) override;
    // Answers "PNSButton" only: enters when idle, leaves when simulating.
    bool onCommand(std::string argument) override;
    void onVisioEvent(int32_t eventCode, const visio::VObject& subject,
                      visio::Variant moreInfo) override;
    PreferencePage* getPreferencePage() override;
    void applySettings() override;
    // Leaves a running simulation as the leave button does.
    void endRun() override;

    // The button: only while idle, enabled when the active page holds Petri net shapes
    // and the checker is not running.
    void updateButton();
    void showEnterButton(bool enabled);
    void showLeaveButton();

    // Keeps the page and the window that shows it, has the checker read and check the
    // page, and on success shows the initial marking on the page. False when the net
    // cannot be simulated; nothing of it stays then.
    bool enterSimulation(const visio::VPage& page, const visio::VWindow& window);
    // Puts the page and the window back as they were and lets go of the run.
    void leaveSimulation();

    // A step of the mode's kind (the holding mode takes none).
    void stepByMode(RunMode mode) override;
    void reset() override;
    void stepBack() override;
    void highlight();
    // The enabled transitions selected in the active window when it shows the simulated
    // page, as long as they may fire together; otherwise none.
    std::vector<GEGraphElement*> selectedTransitions();

    bool hasEnabledTransitions() const override;
    bool hasConflicts() const override;
    bool hasSingleConflictPlace() const override;
    // More than one conflict-free transition when more is set, else at least one.
    bool hasConflictFreeTransitions(bool more) const override;
    bool canStepBack() const override;
    int32_t stepNumber() const override;
    std::vector<std::string> recursionStackNames() const override;
    int32_t enabledTransitionCount() const override;
    int32_t conflictPlaceCount() const override;

    bool isSimulating() const { return state_ == State::Simulating; }
    // Null while idle, and between the window's close and the next idle event's leave.
    SimulationControlsDialog* controls() const { return controls_.get(); }
    // A leave asked for while the controls' tick runs, carried out after it.
    bool hasPendingLeave() const override { return pendingLeave_ != Leave::None; }
    PNSPropertyPage* propertyPage() const { return page_.get(); }

    std::optional<std::string> userFormula(const visio::VPage& page, int32_t shapeID,
                                           const CellAddress& cell) const override;
    void putBack(const visio::VPage& page, const std::vector<int32_t>& shapeIDs) override;
    std::vector<HeldCell> heldCells(const visio::VPage& page, int32_t shapeID) const override;
    std::optional<std::string> heldText(const visio::VPage& page, int32_t shapeID) const override;

private:
    enum class State : int32_t { Simulating = 0, Idle = 1 };
    // Why a simulation ends, the strongest last: a closing document ends it whatever
    // else was asked for.
    enum class Leave { None, Restart, ByUser, DocumentClosing };

    bool checkerHoldsTheModel() const;
    void startSimulation(const visio::VPage& page, const visio::VWindow& window, bool restarting);
    void restart();
    void openControls();
    void closeControls();
    void endSimulation();
    void requestLeave(Leave why);
    void carryOut(Leave why);
    void runControlsTick();
    void showError(bool withIcon);
    void buildCellTables();
    void dropRun();

    void stepByHand();
    void stepSemiAutomatic();
    void stepAutomatic();
    void fire(const std::vector<GEGraphElement*>& transitions);
    void showStep(const Marking& marking);
    // The outlines alone, as the settings say.
    void showOutlines();
    // The shapes selected in the active window when it shows the simulated page.
    std::vector<int32_t> selectedShapeIDs() const;
    // The enabled transitions among the shapes, as long as they may fire together.
    std::vector<GEGraphElement*> transitionsToFire(const std::vector<int32_t>& shapeIDs);
    GEGraphElement* enabledTransitionOfShape(const std::vector<GEGraphElement*>& enabled,
                                             int32_t shapeID) const;
    bool showsSimulatedPage() const;
    // The run is shown on the page.
    bool displaysOn(const visio::VPage& page) const;
    bool isSimulatedDocument(const visio::VObject& subject) const;

    void onBeforeDocumentSave(const visio::VObject& subject);
    void onDocumentSaved(const visio::VObject& subject);
    void showRunAgain();
    void onShapeAdded(const visio::VObject& subject);
    // Whether the running simulation read the shape with its page.
    bool runHolds(const visio::VShape& shape) const;
    int askAboutAddedShape() const;
    bool removeAddedShape(const visio::VShape& shape) const;
    void onSelectionChanged();
    void onPageShown();
    void onMarker();
    void onIdle();
    void onBeforeDocumentClose(const visio::VObject& subject);

    // The page under the button changed while Visio was busy (a shape deleted, the
    // simulated document closed): the button follows at the next idle event.
    bool buttonOutdated_ = false;
    DisplayAroundSave aroundSave_;
    bool checkerRunning_ = false;
    bool highlightConflicts_ = true;
    uint32_t conflictColour_ = 0x0000FF;
    bool highlightEnabled_ = true;
    uint32_t enabledColour_ = 0x00FF00;
    int32_t firingDelay_ = 1000;
    bool randomSubset_ = false;
    visio::VPage simulatedPage_;
    visio::VWindow simulatedWindow_;
    std::unique_ptr<SimulationControlsDialog> controls_;
    State state_ = State::Idle;
    int16_t savedWindowSetting_ = 0;
    std::unique_ptr<CellAddressTable> writtenCells_;
    // The cells the highlights change; the model names both tables while it lives.
    std::unique_ptr<CellAddressTable> outlineCells_;
    std::unique_ptr<FiringEngine> engine_;
    std::unique_ptr<SimulationShapeDisplay> display_;
    DiagramTypeHolder* typeHolder_;
    ConsistencyChecker* checker_;

    std::unique_ptr<PNSPropertyPage> page_;
    visio::VApplication application_;
    visio::VToolbarItem button_;
    bool ticking_ = false;
    Leave pendingLeave_ = Leave::None;
};
