// What the simulator costs Visio, counted in calls into the object model (each crosses
// COM in Visio) beside the time: entering a simulation (the silent check, the model and
// the display set up), one step forward by hand, one automatic tick, and entering on a
// dense net whose arcs cross each other on a grid. The add-on runs with all its tools,
// as Visio loads it.
//
// The ring of N places and N transitions (4N page shapes): every place holds a token and
// every transition passes the token of its place on to the next, so every transition is
// enabled and free of conflicts; half the places show their tokens in a text box, half
// in a cell.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "app/ExampleDrawings.h"
#include "bench/BenchFigures.h"
#include "core/MainController.h"
#include "core/entry/StandardTools.h"
#include "platform/visio/VApplication.h"
#include "platform/visio/VisioConstants.h"
#include "resources/Toolbar160Simulation.h"
#include "simhost/host/Host.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shapes.h"
#include "simhost/os/StandInSystem.h"
#include "simhost/stencil/PetriStencil.h"
#include "simhost/ui/HeadlessBackend.h"
#include "simhost/ui/HeadlessUser.h"

namespace {

using benchfigures::heapInUse;
using benchfigures::mostCalled;
using simhost::stencil::StencilOptions;
using ShapeRef = visio::ComRef<simhost::Shape>;

constexpr int kPerRow = 25;
constexpr int32_t kToolBarId = 0xE800;
constexpr int32_t kControlsTemplate = 119;
constexpr char kSimulatorTag[] = "PNSButton";
// About 4,000 shapes, as a public model net of 70 places, 164 transitions and 954 arcs.
constexpr int kDenseNetElements = 1200;

// The add-on's tools over a drawing in the stand-in, with a firing delay of 0 (one wait
// per tick).
class SimulatedDrawing {
public:
    SimulatedDrawing() {
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
        controller_ = std::make_unique<MainController>(visio::VApplication(host_.applicationRef()),
                                                       standardToolFactories());
        host_.pump();
        host_.pump();
        simhost::Page& page = *host_.application().activePage();
        pageShapes = static_cast<double>(page.Shapes()->Count());
        allShapes = 0;
        for (const auto& shape : page.shapeCollection().list())
            allShapes += countWithMembers(*shape);
    }

    // The simulator's button pressed: enters when idle, leaves when simulating. The
    // events the command raises are left in the queue.
    void pressSimulator() { controller_->offerCommand(kSimulatorTag); }
    bool simulating() { return host_.toolbarItem(kSimulatorTag)->properties().state == -1; }
    void pressControl(int32_t command) {
        simhost::headless::HeadlessUser(backend_).clickToolbarButton(controls(), kToolBarId,
                                                                     command);
    }
    // Visio becomes idle once: the queued events, then one tick.
    void idle() { host_.pump(); }

    simhost::Host& host() { return host_; }
    simhost::CallCounters& counters() { return host_.counters(); }

    double pageShapes = 0;
    double allShapes = 0;

private:
    static double countWithMembers(simhost::Shape& shape) {
        double count = 1;
        for (const auto& member : shape.memberList()) count += countWithMembers(*member);
        return count;
    }

    ui::WindowHandle controls() const {
        for (ui::WindowHandle top : backend_.topLevelWindows()) {
            const auto* w = backend_.window(top);
            if (w && w->templateId == kControlsTemplate) return top;
        }
        return {};
    }

    simhost::headless::HeadlessBackend backend_;
    simhost::StandInSystem system_;
    simhost::Host host_;
    std::unique_ptr<MainController> controller_;
};

class Ring : public SimulatedDrawing {
public:
    explicit Ring(int n) : places(n) {
        document_ = host().newDocument("ring.vsd");
        draw(*document_->page(1));
        startTools();
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
};

class DenseNet : public SimulatedDrawing {
public:
    DenseNet() {
        document_ = runner::ExampleDrawings::build(host(), "dense-petri-net", "dense.json",
                                                   kDenseNetElements);
        startTools();
    }

private:
    visio::ComRef<simhost::Document> document_;
};

void BM_EnterSimulation(benchmark::State& state) {
    Ring ring(static_cast<int>(state.range(0)));

    // One enter outside the timing, for what it asked the host and what the running
    // simulation holds once Visio has taken the events of the enter.
    ring.counters().reset();
    const size_t heapBefore = heapInUse();
    ring.pressSimulator();
    const simhost::CallCounters calls = ring.counters();
    const bool entered = ring.simulating();
    ring.idle();
    const size_t heapAfter = heapInUse();
    ring.pressSimulator();
    ring.idle();

    for (auto _ : state) {
        ring.pressSimulator();
        state.PauseTiming();
        ring.idle();
        ring.pressSimulator();
        ring.idle();
        state.ResumeTiming();
    }
    state.counters["entered"] = entered ? 1 : 0;
    state.counters["pageShapes"] = ring.pageShapes;
    state.counters["allShapes"] = ring.allShapes;
    state.counters["hostCallsPerShape"] = static_cast<double>(calls.hostCalls()) / ring.pageShapes;
    state.counters["bytesPerShape"] = static_cast<double>(heapAfter - heapBefore) / ring.pageShapes;
    state.counters["batchWrites"] = static_cast<double>(calls.batchWrites);
    state.SetLabel(mostCalled(calls, ring.pageShapes));
}

BENCHMARK(BM_EnterSimulation)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// By hand, every transition enabled and free of conflicts: the selection decides what
// fires. One transition selected (not counted), then One Step Forward; the ring's
// transitions in turn, so that each is enabled when its turn comes. The first step after
// entering writes besides the count of every place whose marking cell still inherits
// its formula (a count written makes it the cell's own, as every step did before), so it
// is reported apart.
void BM_StepForward(benchmark::State& state) {
    Ring ring(static_cast<int>(state.range(0)));
    ring.pressSimulator();
    ring.idle();
    int next = 0;
    auto step = [&ring, &next]() {
        ring.host().select(*ring.transitions[static_cast<size_t>(next)]);
        next = (next + 1) % ring.places;
        ring.idle();
        ring.counters().reset();
        ring.pressControl(toolbar160::kStepForward);
        return ring.counters();
    };
    const simhost::CallCounters first = step();
    ring.idle();
    const simhost::CallCounters one = step();
    ring.idle();
    for (auto _ : state) {
        step();
        state.PauseTiming();
        ring.idle();
        state.ResumeTiming();
    }
    state.counters["simulating"] = ring.simulating() ? 1 : 0;
    state.counters["hostCalls"] = static_cast<double>(one.hostCalls());
    state.counters["firstStepHostCalls"] = static_cast<double>(first.hostCalls());
    state.counters["cellWrites"] =
        static_cast<double>(one.formulaWrites + one.forcedWrites + one.batchCells);
    state.counters["textWrites"] = static_cast<double>(one.textWrites);
}

BENCHMARK(BM_StepForward)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

// AutoSim running: one idle event is one tick, a step of a chosen subset of the
// transitions and the wait of the firing delay.
void BM_AutomaticTick(benchmark::State& state) {
    Ring ring(static_cast<int>(state.range(0)));
    ring.pressSimulator();
    ring.idle();
    ring.pressControl(toolbar160::kAutoSim);
    ring.idle();
    ring.counters().reset();
    ring.idle();
    const simhost::CallCounters one = ring.counters();
    for (auto _ : state) ring.idle();
    state.counters["simulating"] = ring.simulating() ? 1 : 0;
    state.counters["hostCallsPerPlace"] = static_cast<double>(one.hostCalls()) / ring.places;
    state.counters["tickHostCalls"] = static_cast<double>(one.hostCalls());
    state.counters["tickCellWrites"] =
        static_cast<double>(one.formulaWrites + one.forcedWrites + one.batchCells);
    state.counters["tickTextWrites"] = static_cast<double>(one.textWrites);
    state.counters["tickEvents"] = static_cast<double>(one.eventsDelivered);
}

BENCHMARK(BM_AutomaticTick)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The dense net entered once: its time on the wall clock and its calls, per shape of the
// drawing (its groups' parts included, about 4,000) and per shape on the page.
void BM_DenseNetEnter(benchmark::State& state) {
    DenseNet net;
    double seconds = 0;
    simhost::CallCounters calls;
    bool entered = false;
    for (auto _ : state) {
        net.counters().reset();
        const auto start = std::chrono::steady_clock::now();
        net.pressSimulator();
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        calls = net.counters();
        entered = net.simulating();
        state.PauseTiming();
        net.idle();
        net.pressSimulator();
        net.idle();
        state.ResumeTiming();
    }
    state.counters["entered"] = entered ? 1 : 0;
    state.counters["seconds"] = seconds;
    state.counters["pageShapes"] = net.pageShapes;
    state.counters["allShapes"] = net.allShapes;
    state.counters["hostCallsPerShape"] = static_cast<double>(calls.hostCalls()) / net.allShapes;
    state.counters["hostCallsPerPageShape"] =
        static_cast<double>(calls.hostCalls()) / net.pageShapes;
    state.SetLabel(mostCalled(calls, net.allShapes));
}

BENCHMARK(BM_DenseNetEnter)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
