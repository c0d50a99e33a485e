#include "app/SimulatorCommands.h"

#include <ostream>
#include <string>
#include <vector>

#include "app/CommandWords.h"
#include "app/Runner.h"
#include "platform/ui/WinApiConstants.h"
#include "resources/Dialog119SimulationControls.h"
#include "resources/Toolbar160Simulation.h"
#include "simhost/ui/HeadlessUser.h"

namespace runner {
namespace {

using simhost::headless::HeadlessUser;
using simhost::headless::HeadlessWindow;

// The ids of the controls' toolbar and status bar.
constexpr int32_t kToolBarId = 0xE800;
constexpr int32_t kStatusBarId = 0xE801;

struct Command {
    const char* word;
    const char* name;
    int32_t id;
};

// In the order the toolbar shows them.
const std::vector<Command>& commands() {
    static const std::vector<Command> all = {
        {"reset", "Reset", toolbar160::kReset},
        {"auto", "AutoSim", toolbar160::kAutoSim},
        {"semi", "SemiAutoSim", toolbar160::kSemiAutoSim},
        {"back", "One Step Back", toolbar160::kStepBack},
        {"forward", "One Step Forward", toolbar160::kStepForward},
    };
    return all;
}

const Command* commandNamed(const std::string& word) {
    for (const Command& c : commands()) {
        if (word == c.word) return &c;
    }
    return nullptr;
}

// The controls dialog; reports when none is open.
ui::WindowHandle controlsDialog(Runner& r) {
    for (ui::WindowHandle top : r.backend().topLevelWindows()) {
        const HeadlessWindow* w = r.backend().window(top);
        if (w && w->events && w->templateId == dialog119::kId) return top;
    }
    r.out() << "refused: no simulation controls are open\n";
    return {};
}

const HeadlessWindow& child(Runner& r, ui::WindowHandle dialog, int32_t id) {
    static const HeadlessWindow none;
    const HeadlessWindow* w = r.backend().window(r.backend().getDlgItem(dialog, id));
    return w ? *w : none;
}

bool has(uint8_t state, uint8_t flag) {
    return (state & flag) != 0;
}

// What the toolbar and the hint show of the run mode: a running mode keeps its button
// pressed, and the semi-automatic run that holds on a conflict shows the hint.
std::string runModeShown(Runner& r, ui::WindowHandle dialog) {
    const ui::WindowHandle bar = r.backend().getDlgItem(dialog, kToolBarId);
    if (has(r.backend().getToolbarButtonState(bar, toolbar160::kAutoSim), ui::kTbStatePressed)) {
        return "automatic";
    }
    if (has(r.backend().getToolbarButtonState(bar, toolbar160::kSemiAutoSim),
            ui::kTbStatePressed)) {
        return child(r, dialog, dialog119::kHintText).visible ? "semi-automatic, holding"
                                                              : "semi-automatic";
    }
    return "by hand";
}

void printButtons(Runner& r, ui::WindowHandle dialog) {
    const ui::WindowHandle bar = r.backend().getDlgItem(dialog, kToolBarId);
    r.out() << "  toolbar:";
    const char* separator = " ";
    for (const Command& c : commands()) {
        const uint8_t state = r.backend().getToolbarButtonState(bar, c.id);
        r.out() << separator << c.name << (has(state, ui::kTbStateEnabled) ? "" : " greyed")
                << (has(state, ui::kTbStatePressed) ? " pressed" : "");
        separator = ", ";
    }
    r.out() << "\n";
}

void printRecursionStack(Runner& r, ui::WindowHandle dialog) {
    const HeadlessWindow& list = child(r, dialog, dialog119::kRecursionList);
    r.out() << "  recursion stack" << (list.enabled ? "" : " (disabled)") << ":";
    if (list.rows.empty()) r.out() << " empty";
    for (const std::vector<std::string>& row : list.rows) {
        r.out() << " [" << row[0] << " " << (row.size() > 1 ? row[1] : "") << "]";
    }
    r.out() << "\n";
}

// The lines of a static text as one line.
std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

void printState(Runner& r, ui::WindowHandle dialog) {
    const ui::WindowHandle status = r.backend().getDlgItem(dialog, kStatusBarId);
    const bool enabled = child(r, dialog, dialog119::kInfoGroup).enabled;
    r.out() << "controls: " << r.backend().getStatusBarText(status, 1) << ", run "
            << runModeShown(r, dialog) << (enabled ? "" : ", greyed while the page is not shown")
            << "\n  enabled transitions " << child(r, dialog, dialog119::kEnabledCount).text
            << ", conflict places " << child(r, dialog, dialog119::kConflictCount).text << "\n";
    const HeadlessWindow& hint = child(r, dialog, dialog119::kHintText);
    if (hint.visible) r.out() << "  hint: " << quoted(oneLine(hint.text)) << "\n";
    printButtons(r, dialog);
    printRecursionStack(r, dialog);
}

std::string stepShown(Runner& r, ui::WindowHandle dialog) {
    return r.backend().getStatusBarText(r.backend().getDlgItem(dialog, kStatusBarId), 1);
}

void press(Runner& r, ui::WindowHandle dialog, const Command& command) {
    const std::string stepBefore = stepShown(r, dialog);
    if (!HeadlessUser(r.backend()).clickToolbarButton(dialog, kToolBarId, command.id)) {
        r.out() << "refused: " << command.name << " is greyed\n";
        return;
    }
    r.host().pump();
    // One Step Forward is not greyed while the user has a choice to make, and then fires
    // only what is selected.
    if (command.id == toolbar160::kStepForward && r.backend().window(dialog) &&
        stepShown(r, dialog) == stepBefore) {
        r.out() << "nothing fired: where transitions are in conflict or may fire side by "
                   "side, One Step Forward fires the selected enabled transitions, and none "
                   "that can fire together are selected (select ID...)\n";
    }
}

void hover(Runner& r, ui::WindowHandle dialog, const Command& command) {
    HeadlessUser(r.backend()).hoverToolbarButton(dialog, kToolBarId, command.id);
    const ui::WindowHandle status = r.backend().getDlgItem(dialog, kStatusBarId);
    r.out() << "status bar: " << quoted(r.backend().getStatusBarText(status, 0)) << "\n";
}

void sim(Runner& r, const Runner::Arguments& a) {
    const std::string usage = "usage: sim [reset|auto|semi|back|forward|hover BUTTON|close]";
    if (a.words.size() > 2) return r.fail(usage);
    const std::string verb = a.words.empty() ? std::string() : a.words[0];
    const Command* command = commandNamed(a.words.size() == 2 ? a.words[1] : verb);
    const bool fits = a.words.empty() || (a.words.size() == 1 && (command || verb == "close")) ||
                      (a.words.size() == 2 && verb == "hover" && command);
    if (!fits) return r.fail(usage);
    const ui::WindowHandle dialog = controlsDialog(r);
    if (!dialog) return;
    if (verb.empty()) return printState(r, dialog);
    if (verb == "close") {
        HeadlessUser(r.backend()).close(dialog);
        return r.host().pump();
    }
    if (verb == "hover") return hover(r, dialog, *command);
    press(r, dialog, *command);
}

}  // namespace

void addSimulatorCommands(Runner& runner) {
    Runner& r = runner;
    r.addCommand("sim",
                 "sim [reset|auto|semi|back|forward|hover BUTTON|close]   the simulation "
                 "controls: their state, a button pressed or under the mouse, the close box",
                 [&r](const Runner::Arguments& a) { sim(r, a); });
}

}  // namespace runner
