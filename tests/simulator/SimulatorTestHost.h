// What the simulator tool's tests run in: the add-on's tools in the stand-in host (see
// ToolsTestHost) with a short firing delay and no legend, drawn nets, and the
// simulation controls as their user reaches them.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "simhost/host/Document.h"
#include "simulator/RunMode.h"
#include "tests/simulator/SimulatorNets.h"
#include "tests/support/ToolsTestHost.h"

class PetriNetSimulator;
class SimulationControlsDialog;

namespace simtest {

// Settings without the checker's legend and saves, and a firing delay of 100 ms.
constexpr char kTestSettings[] =
    "CC_ShowLegend=FALSE\r\nCC_SaveBefore=FALSE\r\nPNS_Hightlight_Duration=100\r\n";

class SimulatorTestHost : public testsupport::ToolsTestHost {
public:
    // With kTestSettings and the tools started.
    SimulatorTestHost();

    // A new document showing the net.
    visio::ComRef<simhost::Document> openNet(const std::string& fullName, const NetSpec& net);
    // The shape of an element of the net opened last, by its name.
    simhost::Shape& shapeOf(const std::string& name) { return *shapes_.at(name); }

    PetriNetSimulator& simulator() const;
    // Null while no simulation runs.
    SimulationControlsDialog* controls() const;
    RunMode runMode() const;
    const simhost::ToolbarItemProperties* simulatorButton();

    // A toolbar button of the controls clicked, then Visio idle; false when greyed.
    bool pressControl(int32_t command);
    uint8_t controlState(int32_t command);
    std::string statusText(int32_t part);
    // A control of the dialog as the user sees it.
    const simhost::headless::HeadlessWindow& control(int32_t id);
    // The user selects the shapes of the net, one after another, in the active window.
    void select(const std::string& names);

    // The drawing as its file holds it, without the document's name and folder.
    static std::string drawingOf(simhost::Document& document);

private:
    std::map<std::string, visio::ComRef<simhost::Shape>> shapes_;
};

}  // namespace simtest
