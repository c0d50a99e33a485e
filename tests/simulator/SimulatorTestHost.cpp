#include "tests/simulator/SimulatorTestHost.h"

#include <gtest/gtest.h>

#include <sstream>

#include "simhost/file/DrawingFile.h"
#include "simhost/host/Application.h"
#include "simulator/PetriNetSimulator.h"
#include "simulator/SimulationControlsDialog.h"

namespace simtest {

namespace {

// The simulator's place in the standard tool list.
constexpr std::size_t kSimulatorPlace = 2;

}  // namespace

SimulatorTestHost::SimulatorTestHost() {
    writeSettings(kTestSettings);
    startTools();
}

visio::ComRef<simhost::Document> SimulatorTestHost::openNet(const std::string& fullName,
                                                            const NetSpec& net) {
    return open(fullName, [&](simhost::Page& page) { shapes_ = drawNet(host, page, net); });
}

PetriNetSimulator& SimulatorTestHost::simulator() const {
    return *static_cast<PetriNetSimulator*>(tool(kSimulatorPlace));
}

SimulationControlsDialog* SimulatorTestHost::controls() const {
    return simulator().controls();
}

RunMode SimulatorTestHost::runMode() const {
    return controls() ? controls()->runMode() : RunMode::ByHand;
}

const simhost::ToolbarItemProperties* SimulatorTestHost::simulatorButton() {
    return button({PetriNetSimulator::kTag});
}

bool SimulatorTestHost::pressControl(int32_t command) {
    if (!controls()) return false;
    const bool clicked = user.clickToolbarButton(controls()->handle(),
                                                 SimulationControlsDialog::kToolBarId, command);
    if (clicked) host.pump();
    return clicked;
}

uint8_t SimulatorTestHost::controlState(int32_t command) {
    return controls() ? controls()->toolBar().buttonState(command) : 0;
}

std::string SimulatorTestHost::statusText(int32_t part) {
    return controls() ? controls()->statusBar().text(part) : std::string();
}

const simhost::headless::HeadlessWindow& SimulatorTestHost::control(int32_t id) {
    static const simhost::headless::HeadlessWindow none;
    const auto* w = controls() ? backend.window(controls()->item(id)) : nullptr;
    return w ? *w : none;
}

void SimulatorTestHost::select(const std::string& names) {
    std::istringstream words(names);
    for (std::string name; words >> name;) host.select(shapeOf(name));
}

std::string SimulatorTestHost::drawingOf(simhost::Document& document) {
    std::string text;
    std::string error;
    EXPECT_TRUE(simhost::DrawingFile::write(document, &text, &error)) << error;
    std::istringstream lines(text);
    std::string kept;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("  \"name\": ", 0) != 0 && line.rfind("  \"path\": ", 0) != 0) {
            kept += line + "\n";
        }
    }
    return kept;
}

}  // namespace simtest
