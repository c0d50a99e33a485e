// What one automatic tick of a running simulation costs on a net of 1,000 transitions
// drawn on a page: the idle event that reaches the add-on's tools, the step the firing
// engine chooses and fires, the display's writes of the new marking and highlights, the
// controls' refresh, the firing delay (0 here: one wait) and the events the step raises.
// Reported beside the time: the host calls (calls into Visio) and the cells and texts
// written per tick.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "core/MainController.h"
#include "entry/StandardTools.h"
#include "platform/visio/VApplication.h"
#include "platform/visio/VisioConstants.h"
#include "resources/Toolbar160Simulation.h"
#include "simhost/host/Host.h"
#include "simhost/os/StandInSystem.h"
#include "simhost/stencil/PetriStencil.h"
#include "simhost/ui/HeadlessBackend.h"
#include "simhost/ui/HeadlessUser.h"

namespace {

using simhost::stencil::StencilOptions;
using ShapeRef = visio::ComRef<simhost::Shape>;

constexpr int kTransitions = 1000;
constexpr int kPerRow = 25;
constexpr int32_t kToolBarId = 0xE800;
constexpr int32_t kControlsTemplate = 119;

// A ring of 1,000 places, each with a token, and 1,000 transitions, each passing the
// token of its place on to the next: every transition is enabled and free of conflicts,
// so the automatic run fires a chosen subset at every tick and never runs dry. Half the
// places show their tokens in a text box, half in a cell.
class SimulatedRing {
public:
    SimulatedRing() {
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
        document_ = host_.newDocument("ring.vsd");
        drawRing(*document_->page(1));
        controller_ = std::make_unique<MainController>(visio::VApplication(host_.applicationRef()),
                                                       standardToolFactories());
        host_.pump();
        host_.clickToolbarItem(*host_.toolbarItem("PNSButton"));
        simhost::headless::HeadlessUser(backend_).clickToolbarButton(controls(), kToolBarId,
                                                                     toolbar160::kAutoSim);
    }
    ~SimulatedRing() {
        host_.application().hooks().runAddon = nullptr;
        host_.application().hooks().wait = nullptr;
        controller_.reset();
        ui::Backend::install(nullptr);
    }
    SimulatedRing(const SimulatedRing&) = delete;
    SimulatedRing& operator=(const SimulatedRing&) = delete;

    // Visio becomes idle once: one tick.
    void tick() { host_.pump(); }
    simhost::CallCounters& counters() { return host_.counters(); }
    bool simulating() { return host_.toolbarItem("PNSButton")->properties().state == -1; }

private:
    ui::WindowHandle controls() const {
        for (ui::WindowHandle top : backend_.topLevelWindows()) {
            const auto* w = backend_.window(top);
            if (w && w->templateId == kControlsTemplate) return top;
        }
        return {};
    }

    void drawRing(simhost::Page& page) {
        ShapeRef first;
        ShapeRef previous;
        for (int i = 0; i < kTransitions; ++i) {
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
        }
        join(page, previous, first);
    }

    void join(simhost::Page& page, const ShapeRef& from, const ShapeRef& to) {
        StencilOptions options;
        options.begin = {from->number("PinX"), from->number("PinY")};
        options.end = {to->number("PinX"), to->number("PinY")};
        ShapeRef arc = simhost::stencil::dropArc(page, options);
        host_.glueToShape(*arc, visio::visBegin, *from);
        host_.glueToShape(*arc, visio::visEnd, *to);
    }

    simhost::headless::HeadlessBackend backend_;
    simhost::StandInSystem system_;
    simhost::Host host_;
    visio::ComRef<simhost::Document> document_;
    std::unique_ptr<MainController> controller_;
};

void BM_AutomaticTick(benchmark::State& state) {
    SimulatedRing ring;
    ring.tick();
    ring.counters().reset();
    ring.tick();
    const simhost::CallCounters one = ring.counters();
    for (auto _ : state) ring.tick();
    state.counters["simulating"] = ring.simulating() ? 1 : 0;
    state.counters["transitions"] = kTransitions;
    state.counters["tickHostCalls"] = static_cast<double>(one.hostCalls());
    state.counters["tickCellWrites"] =
        static_cast<double>(one.formulaWrites + one.forcedWrites + one.batchCells);
    state.counters["tickTextWrites"] = static_cast<double>(one.textWrites);
    state.counters["tickCellLookups"] = static_cast<double>(one.cellLookups);
    state.counters["tickEvents"] = static_cast<double>(one.eventsDelivered);
}

BENCHMARK(BM_AutomaticTick)->Unit(benchmark::kMillisecond);

}  // namespace
