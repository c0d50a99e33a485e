#include "app/AddonCommands.h"

#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "app/Runner.h"
#include "helpers/AddonConstants.h"
#include "simhost/addon/AddonLibrary.h"
#include "simhost/formula/Value.h"
#include "simhost/host/Application.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/Shapes.h"
#include "simhost/host/Toolbar.h"
#include "simhost/host/ToolbarItem.h"
#include "simhost/host/ToolbarItems.h"
#include "simhost/host/ToolbarSet.h"
#include "simhost/host/ToolbarSets.h"
#include "simhost/host/Toolbars.h"
#include "simhost/host/UIObject.h"

namespace runner {
namespace {

constexpr const char* kAddonName = addonName;
constexpr char kDrawingTypeCell[] = "User.QAV_DrawingType.Prompt";
constexpr int32_t kDrawingSet = 2;

using NoBars = std::vector<visio::ComRef<simhost::Toolbar>>;

bool readCount(const std::string& text, int& count) {
    try {
        size_t used = 0;
        count = std::stoi(text, &used);
        return used == text.size() && count >= 0;
    } catch (...) {
        return false;
    }
}

// The folder of qavhost differs from one build to the next: it is named <bin>.
std::string shownLibraryPath(const std::string& path, const std::string& asTyped) {
    if (!asTyped.empty()) return asTyped;
    return "<bin>/" + std::filesystem::u8path(path).filename().u8string();
}

// A loaded library as load printed it: the one beside qavhost in <bin>, any other with the
// temporary folder as $TMP.
std::string shownLibrary(Runner& r, const simhost::AddonHost::LoadedLibrary& library) {
    const std::string& path = library.library->path();
    if (path == simhost::AddonLibrary::besideProgram()) return shownLibraryPath(path, "");
    return r.shownPaths(path);
}

// Visio loads an add-on library once: a second load would register its add-ons again. A
// library already loaded hears the load message once more instead, as from a host that
// sends it twice; the add-on then ends what its tools show and starts anew.
void load(Runner& r, const Runner::Arguments& a) {
    if (!r.addons().libraries().empty()) {
        if (!a.rest.empty()) return r.fail("an add-on library is loaded already");
        simhost::AddonHost::LoadedLibrary& library = *r.addons().libraries().back();
        r.addons().loadAgain(library);
        r.out() << "loaded already: sent the load message again to " << shownLibrary(r, library)
                << "\n";
        return;
    }
    const bool besideHost = a.rest.empty();
    const std::string path =
        besideHost ? simhost::AddonLibrary::besideProgram() : r.resolvePath(a.rest);
    std::string error;
    simhost::AddonHost::LoadedLibrary* library = r.addons().load(path, &error);
    if (!library) return r.fail(error);
    r.out() << "loaded " << shownLibraryPath(path, besideHost ? "" : a.rest) << "\n";
    for (const auto& addon : library->addons) {
        r.out() << "  registered add-on " << addon.index << " \"" << addon.name << "\"\n";
    }
}

// Visio lets an add-on go with the unload message; the last library loaded goes first.
void unload(Runner& r, const Runner::Arguments& a) {
    if (!a.words.empty()) return r.fail("usage: unload");
    if (r.addons().libraries().empty()) return r.fail("no add-on is loaded");
    simhost::AddonHost::LoadedLibrary& library = *r.addons().libraries().back();
    const std::string path = shownLibrary(r, library);
    r.addons().unload(library);
    r.out() << "unloaded " << path << "\n";
}

// Visio closing: every library hears the shut-down message and stays loaded.
void shutdown(Runner& r, const Runner::Arguments& a) {
    if (!a.words.empty()) return r.fail("usage: shutdown");
    if (r.addons().libraries().empty()) return r.fail("no add-on is loaded");
    r.addons().shutDown();
    for (const auto& library : r.addons().libraries())
        r.out() << "shut down " << shownLibrary(r, *library) << "\n";
}

// Whether the last of a tool's two marker events says that it entered its state.
bool runs(Runner& r, const std::string& entered, const std::string& left) {
    const std::vector<std::string>& markers = r.markers().markers();
    for (auto marker = markers.rbegin(); marker != markers.rend(); ++marker) {
        if (*marker == entered) return true;
        if (*marker == left) return false;
    }
    return false;
}

// The diagram kinds of the shapes, as the tools scan a page: a shape that names its kind
// counts, one that does not is looked into.
void collectDrawingTypes(const std::vector<visio::ComRef<simhost::Shape>>& shapes,
                         std::set<std::string>& types) {
    for (const auto& shape : shapes) {
        if (!shape->sheet().resolve(kDrawingTypeCell)) {
            collectDrawingTypes(shape->memberList(), types);
            continue;
        }
        const simhost::formula::Value type = shape->value(kDrawingTypeCell);
        if (type.kind == simhost::formula::Value::Kind::String) types.insert(type.text);
    }
}

// What the runner can tell of why the tools greyed a button: the other tool runs, or the
// shown page holds nothing the tool works on.
std::string whyDisabled(Runner& r, const std::string& tag) {
    if (tag == "CCStartButton" && runs(r, markerSimulationEntered, markerSimulationLeft))
        return "a Petri net simulation runs (press PNSButton to leave it)";
    if (tag == "PNSButton" && runs(r, markerCheckingEntered, markerCheckingLeft))
        return "the consistency checker runs (press CCStopButton to stop it)";
    if (tag != "CCStartButton" && tag != "PNSButton") return std::string();
    simhost::Page* page = r.host().application().activePage();
    if (!page) return "no drawing is shown";
    std::set<std::string> types;
    collectDrawingTypes(page->shapeCollection().list(), types);
    if (tag == "PNSButton" && !types.count(drawingTypePetriNet))
        return "the shown page holds no Petri net";
    if (!types.count(drawingTypePetriNet) && !types.count(drawingTypeBlockDiagram) &&
        !types.count(drawingTypeERDiagram))
        return "the shown page holds no shape of the notation";
    return std::string();
}

// The application's toolbar that holds the button; null when none does.
simhost::Toolbar* toolbarHolding(Runner& r, const simhost::ToolbarItem& button) {
    simhost::UIObject* ui = r.host().application().customToolbars();
    simhost::ToolbarSet* set = ui ? ui->sets().find(kDrawingSet) : nullptr;
    for (const auto& bar : set ? set->toolbars().list() : NoBars()) {
        for (const auto& item : bar->items().list()) {
            if (item.get() == &button) return bar.get();
        }
    }
    return nullptr;
}

void press(Runner& r, const Runner::Arguments& a) {
    if (a.words.size() != 1) return r.fail("usage: press TAG");
    visio::ComRef<simhost::ToolbarItem> button = r.host().toolbarItem(a.words[0]);
    if (!button) {
        r.out() << "refused: no button with the tag " << a.words[0] << " on the toolbar\n";
        return;
    }
    // A user cannot click what is not shown.
    const simhost::Toolbar* bar = toolbarHolding(r, *button);
    if (bar && !bar->properties().visible) {
        r.out() << "refused: the toolbar \"" << bar->properties().caption
                << "\" is hidden (toolbar show shows it)\n";
        return;
    }
    if (!button->properties().enabled) {
        const std::string why = whyDisabled(r, a.words[0]);
        r.out() << "refused: the button " << a.words[0] << " is disabled"
                << (why.empty() ? "" : ": " + why) << "\n";
        return;
    }
    r.host().clickToolbarItem(*button);
}

void run(Runner& r, const Runner::Arguments& a) {
    if (a.rest.empty()) return r.fail("usage: run STRING");
    if (!r.addons().run(kAddonName, a.rest)) return r.fail("no add-on is loaded");
    r.host().pump();
}

// Each idle may run a simulation's tick: a count typed by mistake must not hang the session.
constexpr int kMostIdles = 10000;

void idle(Runner& r, const Runner::Arguments& a) {
    int count = 1;
    if (a.words.size() > 1 || (a.words.size() == 1 && !readCount(a.words[0], count))) {
        return r.fail("usage: idle [N]");
    }
    if (count > kMostIdles) {
        return r.fail("idle takes at most " + std::to_string(kMostIdles) + " idle events at once");
    }
    for (int i = 0; i < count; ++i) r.host().pump();
}

// One click (with Shift for more shapes): the selection changes once.
void select(Runner& r, const Runner::Arguments& a) {
    simhost::Page* page = r.host().application().activePage();
    if (!page) return r.fail("no page is shown");
    std::vector<simhost::Shape*> shapes;
    for (const std::string& word : a.words) {
        int id = 0;
        simhost::Shape* shape = readCount(word, id) ? page->findShape(id) : nullptr;
        if (!shape) return r.fail("no shape with the ID " + word + " on the page");
        shapes.push_back(shape);
    }
    r.host().selectOnly(shapes);
}

void answer(Runner& r, const Runner::Arguments& a) {
    int number = 0;
    if (a.words.size() != 1 || !readCount(a.words[0], number) || number < 1 || number > 3) {
        return r.fail("usage: answer N (the N-th button from the left, 1 to 3)");
    }
    r.backend().answerMessageBoxByNumber(number);
}

void printButton(Runner& r, const simhost::ToolbarItemProperties& b) {
    r.out() << "  button \"" << b.tooltipText << "\" tag " << b.addOnArgs << " caption \""
            << b.caption << "\" face " << b.iconFileName << (b.enabled ? " enabled" : " disabled")
            << (b.state == -1 ? " pressed" : "") << "\n";
}

// A bar of the add-on: named with its title, or holding a button that runs it.
bool isAddonBar(simhost::Toolbar& bar) {
    if (bar.properties().caption.rfind("QAV Tools", 0) == 0) return true;
    for (const auto& item : bar.items().list()) {
        if (item->properties().addOnName == kAddonName) return true;
    }
    return false;
}

// "toolbar show" shows the add-on's bars as the user does from Visio's toolbar menu (a
// right-click on an empty toolbar area); the settings are not changed by it.
void toolbar(Runner& r, const Runner::Arguments& a) {
    const bool show = a.rest == "show";
    if (!a.rest.empty() && !show) return r.fail("usage: toolbar [show]");
    simhost::UIObject* ui = r.host().application().customToolbars();
    simhost::ToolbarSet* set = ui ? ui->sets().find(kDrawingSet) : nullptr;
    bool any = false;
    for (const auto& bar : set ? set->toolbars().list() : NoBars()) {
        if (!isAddonBar(*bar)) continue;
        any = true;
        if (show) bar->SetVisible(true);
        const simhost::ToolbarProperties& p = bar->properties();
        r.out() << "toolbar \"" << p.caption << "\"" << (p.visible ? " shown" : " hidden")
                << (p.position == 4 ? " floating" : " docked") << "\n";
        for (const auto& item : bar->items().list()) printButton(r, item->properties());
    }
    if (!any) r.out() << "no toolbar of the add-on\n";
}

void events(Runner& r, const Runner::Arguments&) {
    std::vector<std::string> markers = r.takeNewMarkers();
    auto boxes = r.takeNewBoxesForEvents();
    for (const std::string& marker : markers) r.out() << "marker " << marker << "\n";
    for (const auto* box : boxes) r.printBox(*box);
    if (markers.empty() && boxes.empty()) r.out() << "no events\n";
}

void locale(Runner& r, const Runner::Arguments& a) {
    if (a.words.size() != 2) return r.fail("usage: locale LIST DECIMAL");
    r.system().list = a.words[0];
    r.system().decimal = a.words[1];
    r.out() << "separators \"" << a.words[0] << "\" and \"" << a.words[1]
            << "\" (checked when the add-on loads)\n";
}

}  // namespace

void addAddonCommands(Runner& runner) {
    Runner& r = runner;
    r.addCommand("load",
                 "load [PATH]   load the add-on library (default: the one beside qavhost); loaded, "
                 "it hears the load message again",
                 [&r](const Runner::Arguments& a) { load(r, a); });
    r.addCommand("unload", "unload   send the last loaded add-on library unload and let it go",
                 [&r](const Runner::Arguments& a) { unload(r, a); });
    r.addCommand("shutdown", "shutdown   send every add-on library the shut-down message",
                 [&r](const Runner::Arguments& a) { shutdown(r, a); });
    r.addCommand("press", "press TAG   click the add-on's toolbar button with the tag",
                 [&r](const Runner::Arguments& a) { press(r, a); });
    r.addCommand("run", "run STRING   a run request with any argument string",
                 [&r](const Runner::Arguments& a) { run(r, a); });
    r.addCommand("idle", "idle [N]   let Visio become idle N times (default 1)",
                 [&r](const Runner::Arguments& a) { idle(r, a); });
    r.addCommand("select",
                 "select [ID...]   select these shapes of the shown page (none: deselect all)",
                 [&r](const Runner::Arguments& a) { select(r, a); });
    r.addCommand("answer", "answer N   press the N-th button of the next message box",
                 [&r](const Runner::Arguments& a) { answer(r, a); });
    r.addCommand(
        "toolbar",
        "toolbar [show]   print the add-on's toolbar and its buttons (show: show it first)",
        [&r](const Runner::Arguments& a) { toolbar(r, a); });
    r.addCommand("events", "events   marker events and message boxes since the last call",
                 [&r](const Runner::Arguments& a) { events(r, a); });
    r.addCommand("locale", "locale LIST DECIMAL   the user's list and decimal separators",
                 [&r](const Runner::Arguments& a) { locale(r, a); });
}

}  // namespace runner
