// What the simulator costs Visio, counted in calls into the object model (each crosses
// COM in Visio) beside the time: entering a simulation (the silent check, the model and
// the display set up), one step forward by hand, one automatic tick, on the ring of
// bench/SimulatedRing.h; and entering on a dense net whose arcs cross each other on a
// grid. The add-on runs with all its tools, as Visio loads it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "app/ExampleDrawings.h"
#include "bench/BenchFigures.h"
#include "bench/SimulatedRing.h"
#include "resources/Toolbar160Simulation.h"

namespace {

using benchfigures::heapInUse;
using benchfigures::mostCalled;
using benchsim::Ring;
using benchsim::SimulatedDrawing;

// About 4,000 shapes, as a public model net of 70 places, 164 transitions and 954 arcs.
constexpr int kDenseNetElements = 1200;

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
    auto step = [&ring]() {
        ring.selectNextTransition();
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
    ring.runAutomatically();
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
