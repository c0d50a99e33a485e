// The consistency checker, started and stopped from its toolbar button
// ("CCStartButton", "CCStopButton"). Started, it reads the active page into a diagram
// model, runs the rules and has every shape coloured by the result; it checks again
// after changes to the checked page, steps aside around every save, tells the Petri net
// simulator by marker events that checking runs, and on stop puts every cell back. It
// also offers the simulator a silent check of a Petri net, and brings the notation
// shapes of every opened document up to date.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "checker/CCRuleSet.h"
#include "core/CellDisplays.h"
#include "core/DisplayAroundSave.h"
#include "core/SupportTool.h"
#include "core/ToolFactory.h"
#include "model/CellAddressTable.h"
#include "platform/visio/VApplication.h"
#include "platform/visio/VDocument.h"
#include "platform/visio/VPage.h"
#include "platform/visio/VShapes.h"
#include "platform/visio/VToolbarItem.h"
#include "platform/visio/VWindow.h"

class CCCellGuard;
class CCLegendDialog;
class CCPropertyPage;
class DiagramTypeHolder;

// Its looks are a display in the user's cells: another tool that saves a painted cell's
// formula learns from it what the user had there, and a shape about to leave the checked
// page gets its own formulas back first.
class ConsistencyChecker : public SupportTool, public CellDisplay {
public:
    static constexpr char kStartTag[] = "CCStartButton";
    static constexpr char kStopTag[] = "CCStopButton";

    // The holder belongs to the main controller and outlives the checker.
    ConsistencyChecker(const visio::VApplication& application, DiagramTypeHolder* typeHolder);
    // Lets go of what is left; the cells were put back by endRun.
    ~ConsistencyChecker() override;

    // The controller's entry: registered, and made known to the simulator.
    static ToolFactory factory();

    void createToolbarButton(CommandBarsAccess* access, CommandBarObject* bar) override;
    // Answers "CCStartButton" and "CCStopButton"; declines everything else.
    bool onCommand(std::string argument) override;
    void onVisioEvent(int32_t eventCode, const visio::VObject& subject,
                      visio::Variant moreInfo) override;
    PreferencePage* getPreferencePage() override;
    // While checking, the legend follows the page's switch at once; the optional rules
    // follow it at the next run.
    void applySettings() override;
    // Stops a running check as the stop button does.
    void endRun() override;

    // The simulator's gate: true when the page holds Petri net shapes and the syntax
    // rules find nothing. Nothing is painted; the model read for it stays in the holder
    // with the formulas of the simulator's cells saved for the page's shapes
    // (FormulaScope::SimulatedPage), for the simulator to delete. The simulator's tables
    // must outlive that model.
    bool isConsistentPetriNet(const visio::VShapes& pageShapes,
                              const CellAddressTableMap& simulatorTables);

    std::optional<std::string> userFormula(const visio::VPage& page, int32_t shapeID,
                                           const CellAddress& cell) const override;
    void putBack(const visio::VPage& page, const std::vector<int32_t>& shapeIDs) override;
    std::vector<HeldCell> heldCells(const visio::VPage& page, int32_t shapeID) const override;

    bool isChecking() const { return state_ == State::Checking; }
    CCPropertyPage* propertyPage() const { return page_.get(); }
    // Null while no legend is shown.
    CCLegendDialog* legend() const { return legend_.get(); }

private:
    enum class State : int32_t { Checking = 0, Idle = 1 };
    static constexpr int32_t kLatchOpen = -1;
    // No shape has the ID 0.
    static constexpr int32_t kLatchClosedByChecker = 0;

    void start();
    void stop();
    // Checks the page and paints it; the page becomes the checked one.
    void runCheck(visio::VPage page);
    void createRules();
    void paintLooks(const visio::VShapes& shapes);
    void stopChecking();
    void recheck();
    // Paints the checked page again after a save took the colours away.
    void checkAgainAfterSave();
    bool isOnCheckedPage() const;
    // The looks are painted on the page.
    bool paints(const visio::VPage& page) const;
    bool isCheckedDocument(const visio::VObject& subject) const;
    void closeLatchForOwnWrites();

    void updateStartButton();
    void showStartButton(bool enabled);
    void showStopButton();
    void showLegend();
    void closeLegend();
    void saveWindowSetting();
    void restoreWindowSetting();
    void saveDocument() const;
    static void updateDocument(const visio::VDocument& document);

    void onDocumentOpened(const visio::VObject& subject);
    void onDocumentSaved(const visio::VObject& subject);
    void onBeforeDocumentSave(const visio::VObject& subject);
    void onShapeAdded();
    void onWindowChanged();
    void onCellChanged(const visio::VObject& subject);
    void onIdle();
    void onMarker();
    void onBeforeDocumentClose(const visio::VObject& subject);

    std::unique_ptr<CCPropertyPage> page_;
    // The rules of the running check; the model holds their tables.
    CCRuleSet ruleSet_;
    DiagramTypeHolder* typeHolder_;
    std::unique_ptr<CCCellGuard> cellGuard_;
    visio::VApplication application_;
    visio::VPage checkedPage_;
    visio::VToolbarItem button_;
    std::unique_ptr<CCLegendDialog> legend_;
    DisplayAroundSave aroundSave_;
    // Open (-1), or closed until the next idle event: by the shape whose cell change
    // caused a re-check, or by the checker's own painting.
    int32_t cellChangeLatch_ = kLatchOpen;
    bool recheckOnIdle_ = false;
    bool updateDocumentOnIdle_ = true;
    bool simulationRunning_ = false;
    State state_ = State::Idle;
    // The window whose connection points are hidden while checking, and what it showed.
    visio::VWindow settingWindow_;
    int16_t savedWindowSetting_ = 0;
    // The simulator's table as the model of the gate holds it, for as long as it does.
    CellAddressTableMap simulatorTables_;
};
