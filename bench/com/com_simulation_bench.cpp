// What a step by hand and an automatic tick of a simulation cost when the add-on reaches
// its host through COM, as it reaches Visio: the add-on with all its tools over the ring
// of bench/SimulatedRing.h (1,000 places, 1,000 transitions), the stand-in behind its
// face; beside it the same in the process. Counted per step and per tick: the COM calls
// the client made (Invoke) and the host calls that each cross into Visio.
// Run under Wine by scripts/wine-bench.sh.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/SimulatedRing.h"
#include "platform/com/ClientSession.h"
#include "resources/Toolbar160Simulation.h"
#include "simhost/com/FaceSession.h"

namespace {

constexpr int kPlaces = 1000;

enum class Reach { InProcess, Com };

// The ring as the add-on reaches it; the COM sessions outlive the add-on's tools.
class ReachedRing {
public:
    explicit ReachedRing(Reach reach)
        : ring(kPlaces, reach == Reach::Com ? throughCom() : benchsim::Reach()) {}

    uint64_t comCalls() const { return client_ ? client_->counts().calls : 0; }

private:
    benchsim::Reach throughCom() {
        return [this](simhost::Host& host) {
            visio::ComRef<visio::IVApplication> application = host.applicationRef();
            IDispatch* face = faces_->faceOf(visio::ObjectRef(application.get()));
            client_ = com::ClientSession::create();
            auto proxy =
                visio::ComRef<visio::IVApplication>::adopt(static_cast<visio::IVApplication*>(
                    client_->proxyFor(face, visio::InterfaceId::Application)));
            face->Release();
            return proxy;
        };
    }

    std::shared_ptr<simhost::comface::FaceSession> faces_ = simhost::comface::FaceSession::create();
    std::shared_ptr<com::ClientSession> client_;

public:
    benchsim::Ring ring;
};

// What one call of the action asked: COM calls and host calls.
template <class Action>
std::pair<uint64_t, uint64_t> callsOf(ReachedRing& reached, Action action) {
    reached.ring.counters().reset();
    const uint64_t before = reached.comCalls();
    action();
    return {reached.comCalls() - before, reached.ring.counters().hostCalls()};
}

// One transition selected (not counted), then One Step Forward; the first step after
// entering is taken before.
void stepByHand(benchmark::State& state, Reach reach) {
    ReachedRing reached(reach);
    benchsim::Ring& ring = reached.ring;
    ring.pressSimulator();
    ring.idle();
    auto step = [&]() {
        ring.selectNextTransition();
        auto calls = callsOf(reached, [&] { ring.pressControl(toolbar160::kStepForward); });
        ring.idle();
        return calls;
    };
    step();
    const auto calls = step();
    for (auto _ : state) step();
    state.counters["comCallsPerStep"] = static_cast<double>(calls.first);
    state.counters["hostCallsPerStep"] = static_cast<double>(calls.second);
}

// AutoSim running: one idle event is one tick.
void automaticTick(benchmark::State& state, Reach reach) {
    ReachedRing reached(reach);
    benchsim::Ring& ring = reached.ring;
    ring.runAutomatically();
    const auto calls = callsOf(reached, [&] { ring.idle(); });
    for (auto _ : state) ring.idle();
    state.counters["comCallsPerTick"] = static_cast<double>(calls.first);
    state.counters["comCallsPerPlace"] = static_cast<double>(calls.first) / kPlaces;
    state.counters["hostCallsPerTick"] = static_cast<double>(calls.second);
}

void BM_StepByHandInProcess(benchmark::State& state) {
    stepByHand(state, Reach::InProcess);
}
void BM_StepByHandThroughCom(benchmark::State& state) {
    stepByHand(state, Reach::Com);
}
void BM_AutomaticTickInProcess(benchmark::State& state) {
    automaticTick(state, Reach::InProcess);
}
void BM_AutomaticTickThroughCom(benchmark::State& state) {
    automaticTick(state, Reach::Com);
}

BENCHMARK(BM_StepByHandInProcess)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StepByHandThroughCom)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AutomaticTickInProcess)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AutomaticTickThroughCom)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
