// What one simulation step costs (enabled transitions, conflicts, firing) on nets of
// growing size, and the memory a long run's history of markings takes.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "bench/BenchFigures.h"
#include "model/GEArc.h"
#include "model/GEElementSet.h"
#include "model/GEGraphElement.h"
#include "model/GEPlace.h"
#include "simulator/FiringEngine.h"
#include "simulator/InitialMarkingBuilder.h"
#include "simulator/Marking.h"

namespace {

// A ring of places and transitions, each transition moving a token on, with three arcs
// per transition on average: every third one also reads a place across the ring and
// writes it back, every third one also fills the place after next. Every other place
// holds a token; every fifth is bounded, so bounded places fill up and split firings.
class RingNet {
public:
    explicit RingNet(int32_t transitions) {
        const int32_t n = transitions;
        std::vector<GEPlace*> places;
        std::vector<GEGraphElement*> ts;
        for (int32_t i = 0; i < n; ++i) {
            auto* p = new GEPlace;
            p->setID(1 + i);
            p->setMarking(i % 2 == 0 ? 1 : 0);
            p->setCapacity(i % 5 == 0 ? 2 : -1);
            places_.insert(p);
            places.push_back(p);
            auto* t = new GEGraphElement;
            t->setID(1 + n + i);
            transitions_.insert(t);
            ts.push_back(t);
        }
        for (int32_t i = 0; i < n; ++i) {
            arc(places[i], ts[i]);
            arc(ts[i], places[(i + 1) % n]);
            if (i % 3 == 0) {
                arc(places[(i + n / 2) % n], ts[i]);
                arc(ts[i], places[(i + n / 2) % n]);
            } else if (i % 3 == 1) {
                arc(ts[i], places[(i + 2) % n]);
            }
        }
        engine = std::make_unique<FiringEngine>(&arcs_, &transitions_);
        engine->pushMarking(InitialMarkingBuilder().buildInitialMarking(&places_));
    }
    ~RingNet() {
        engine.reset();
        arcs_.destroyElements();
        transitions_.destroyElements();
        places_.destroyElements();
    }
    RingNet(const RingNet&) = delete;
    RingNet& operator=(const RingNet&) = delete;

    // One step as the automatic run makes it: the conflict-free transitions, with the
    // first conflicting one when they may fire together.
    void step() {
        engine->getEnabledTransitions();
        std::vector<GEGraphElement*> firing = engine->getConflictFreeTransitions();
        const std::vector<GEGraphElement*> conflicting = engine->getConflictTransitions();
        if (!conflicting.empty()) {
            firing.push_back(conflicting.front());
            if (!engine->canFireTogether(firing)) firing.pop_back();
        }
        engine->fireTransitions(firing);
    }

    std::unique_ptr<FiringEngine> engine;

private:
    void arc(GEGraphElement* begin, GEGraphElement* end) {
        arcs_.insert(new GEArc(begin, {}, end));
    }

    GEElementSet places_;
    GEElementSet transitions_;
    GEElementSet arcs_;
};

using benchfigures::heapInUse;

// The run starts over now and then, outside the timing, so that the history stays
// short and every measured step starts from a marking an early run reaches.
constexpr int32_t kStepsBeforeRestart = 64;

void BM_SimulationStep(benchmark::State& state) {
    RingNet net(static_cast<int32_t>(state.range(0)));
    for (auto _ : state) {
        net.step();
        if (net.engine->getHistorySize() > kStepsBeforeRestart) {
            state.PauseTiming();
            net.engine->restartSimulation();
            state.ResumeTiming();
        }
    }
    state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_SimulationStep)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

// The history of a run of 10,000 markings on a net of 1,000 places, built outside
// the timing; the counters carry its size.
void BM_HistoryMemory(benchmark::State& state) {
    constexpr int32_t kMarkings = 10000;
    for (auto _ : state) {
        RingNet net(1000);
        const size_t before = heapInUse();
        while (net.engine->getHistorySize() < kMarkings) net.step();
        const size_t after = heapInUse();
        state.counters["historyMB"] = static_cast<double>(after - before) / (1024.0 * 1024.0);
        state.counters["bytesPerMarking"] = static_cast<double>(after - before) / kMarkings;
    }
}

BENCHMARK(BM_HistoryMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// A net that recurses without end: one transition keeps its token and enters a stack
// place at every step, so each marking's recursion stack is one deeper than the last.
// The counters carry the heap the run's history holds after the given number of steps.
void BM_RecursingHistoryMemory(benchmark::State& state) {
    const auto steps = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        GEElementSet places;
        GEElementSet transitions;
        GEElementSet arcs;
        auto* token = new GEPlace;
        token->setID(1);
        token->setMarking(1);
        auto* stack = new GEPlace;
        stack->setID(2);
        stack->setStackPlace();
        places.insert(token);
        places.insert(stack);
        auto* call = new GEGraphElement;
        call->setID(3);
        transitions.insert(call);
        arcs.insert(new GEArc(token, {}, call));
        arcs.insert(new GEArc(call, {}, token));
        arcs.insert(new GEArc(call, {}, stack));
        {
            FiringEngine engine(&arcs, &transitions);
            engine.pushMarking(InitialMarkingBuilder().buildInitialMarking(&places));
            const std::vector<GEGraphElement*> firing{call};
            const size_t before = heapInUse();
            for (int32_t i = 0; i < steps; ++i) engine.fireTransitions(firing);
            const size_t after = heapInUse();
            state.counters["historyMB"] = static_cast<double>(after - before) / (1024.0 * 1024.0);
            state.counters["bytesPerStep"] = static_cast<double>(after - before) / steps;
        }
        arcs.destroyElements();
        transitions.destroyElements();
        places.destroyElements();
    }
}

BENCHMARK(BM_RecursingHistoryMemory)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
