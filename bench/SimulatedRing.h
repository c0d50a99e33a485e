// The add-on with all its tools over a simulated drawing in the stand-in, as benchmarks
// drive it: the ring of N places and N transitions (4N page shapes), where every place
// holds a token and every transition passes the token of its place on to the next, so
// every transition is enabled and free of conflicts; half the places show their tokens in
// a text box, half in a cell. The add-on reaches the host in the process, or as a caller
// tells (through COM).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/MainController.h"
#include "entry/StandardTools.h"
#include "platform/visio/VApplication.h"
#include "platform/visio/VisioConstants.h"
#include "resources/Dialog119SimulationControls.h"
#include "resources/Toolbar160Simulation.h"
#include "simhost/host/EventQueue.h"
#include "simhost/host/Host.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shapes.h"
#include "simhost/os/StandInSystem.h"
#include "simhost/stencil/PetriStencil.h"
#include "simhost/ui/HeadlessBackend.h"
#include "simhost/ui/HeadlessUser.h"
#include "simulator/SimulationControlsDialog.h"

namespace benchsim {

using simhost::stencil::StencilOptions;
using ShapeRef = visio::ComRef<simhost::Shape>;
// How the add-on reaches the host's application.
using Reach = std::function<visio::ComRef<visio::IVApplication>(simhost::Host&)>;

constexpr int kPerRow = 25;
constexpr int kMaxDeliveryRounds = 16;
constexpr char kSimulatorTag[] = "PNSButton";

// The add-on's tools over a drawing in the stand-in, with a firing delay of 0 (one wait
// per tick).
class SimulatedDrawing {
public:
    explicit SimulatedDrawing(Reach reach = nullptr) : reach_(std::move(reach)) {
        ui::Backend::install(&backend_);
        system_.install();
        system_.settingsFolder = simhost::StandInSystem::kMemorySettingsFolder;
        system_.writeFile(std::string(simhost::StandInSystem::kMemorySettingsFolder) +
                              os::kPathSeparator + ".QAVSupportTools.settings",
                          "PNS_Hightlight_Duration=0\r\n");
        host_.registerActiveObject();
        host_.application().hooks().wait = [this]() { system_.advanceTicks(1); };
        host_.application().hooks().runAddon = [this](const std::string&, const std::string& a) {
            controller_->offerCommand(a);
        };
    }
    ~SimulatedDrawing() {
        host_.application().hooks().runAddon = nullptr;
        host_.application().hooks().wait = nullptr;
        controller_.reset();
        ui::Backend::install(nullptr);
    }
    SimulatedDrawing(const SimulatedDrawing&) = delete;
    SimulatedDrawing& operator=(const SimulatedDrawing&) = delete;

    // The tools start once the drawing is there, as Visio's first idle event finds it;
    // the next idle event has the checker update the document's shapes.
    void startTools() {
        controller_ = std::make_unique<MainController>(
            visio::VApplication(reach_ ? reach_(host_) : host_.applicationRef()),
            standardToolFactories());
        host_.pump();
        host_.pump();
        simhost::Page& page = *host_.application().activePage();
        pageShapes = static_cast<double>(page.Shapes()->Count());
        allShapes = static_cast<double>(page.allShapes().size());
    }

    // The simulator's button pressed: enters when idle, leaves when simulating. The
    // events the command raises are left in the queue.
    void pressSimulator() { controller_->offerCommand(kSimulatorTag); }
    bool simulating() { return host_.toolbarItem(kSimulatorTag)->properties().state == -1; }
    void pressControl(int32_t command) {
        simhost::headless::HeadlessUser(backend_).clickToolbarButton(
            controls(), SimulationControlsDialog::kToolBarId, command);
    }
    // Visio becomes idle once: the queued events, then one tick. A pump of the stand-in's
    // stops after a million events (against handlers that raise one for each they get);
    // Visio delivers the rest of a burst as long (locking 120,000 shapes raises two
    // million) before it is idle.
    void idle() {
        simhost::EventQueue& events = host_.application().events();
        for (int round = 0; round < kMaxDeliveryRounds && events.pendingCount() > 0; ++round)
            events.deliverPending();
        host_.pump();
    }

    simhost::Host& host() { return host_; }
    simhost::CallCounters& counters() { return host_.counters(); }

    double pageShapes = 0;
    double allShapes = 0;

private:
    ui::WindowHandle controls() const {
        for (ui::WindowHandle top : backend_.topLevelWindows()) {
            const auto* w = backend_.window(top);
            if (w && w->templateId == dialog119::kId) return top;
        }
        return {};
    }

    Reach reach_;
    simhost::headless::HeadlessBackend backend_;
    simhost::StandInSystem system_;
    simhost::Host host_;
    std::unique_ptr<MainController> controller_;
};

class Ring : public SimulatedDrawing {
public:
    explicit Ring(int n, Reach reach = nullptr) : SimulatedDrawing(std::move(reach)), places(n) {
        document_ = host().newDocument("ring.vsd");
        draw(*document_->page(1));
        startTools();
    }

    // The next transition of the ring selected, then Visio idle: taken in turn, each is
    // enabled when its turn comes.
    void selectNextTransition() {
        host().select(*transitions[static_cast<size_t>(next_)]);
        next_ = (next_ + 1) % places;
        idle();
    }
    // Entered, and AutoSim running.
    void runAutomatically() {
        pressSimulator();
        idle();
        pressControl(toolbar160::kAutoSim);
        idle();
    }

    const int places;
    std::vector<ShapeRef> transitions;

private:
    void draw(simhost::Page& page) {
        ShapeRef first;
        ShapeRef previous;
        for (int i = 0; i < places; ++i) {
            const double x = 4.0 * (i % kPerRow), y = 2.0 * (i / kPerRow);
            StencilOptions place = StencilOptions::at(x, y, "p" + std::to_string(i));
            place.marking = "1";
            if (i % 2 == 0) place.markingIn = simhost::stencil::ValueIn::TextBox;
            ShapeRef p = simhost::stencil::dropPlace(page, place);
            ShapeRef t = simhost::stencil::dropTransition(
                page, StencilOptions::at(x + 2, y, "t" + std::to_string(i)));
            if (previous) join(page, previous, p);
            join(page, p, t);
            if (!first) first = p;
            previous = t;
            transitions.push_back(t);
        }
        join(page, previous, first);
    }

    void join(simhost::Page& page, const ShapeRef& from, const ShapeRef& to) {
        StencilOptions options;
        options.begin = {from->number("PinX"), from->number("PinY")};
        options.end = {to->number("PinX"), to->number("PinY")};
        ShapeRef arc = simhost::stencil::dropArc(page, options);
        host().glueToShape(*arc, visio::visBegin, *from);
        host().glueToShape(*arc, visio::visEnd, *to);
    }

    visio::ComRef<simhost::Document> document_;
    int next_ = 0;
};

}  // namespace benchsim
