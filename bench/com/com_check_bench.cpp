// What a full consistency check costs when the checker reaches its host through COM, as
// it reaches Visio: the add-on's checker over the COM client, the stand-in behind its
// face, on the runner's large example net. Beside it the same check calling the host in
// the process. Counted per shape: the COM calls the client made (Invoke), its name
// look-ups, and the host calls that each cross into Visio one at a time.
// Run under Wine by scripts/wine-bench.sh.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/ExampleDrawings.h"
#include "checker/CCPropertyPage.h"
#include "checker/ConsistencyChecker.h"
#include "model/DiagramTypeHolder.h"
#include "platform/com/ClientSession.h"
#include "platform/visio/VApplication.h"
#include "simhost/com/FaceSession.h"
#include "simhost/host/Application.h"
#include "simhost/host/Host.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shapes.h"

namespace {

enum class Reach { InProcess, Com };

// The example net of that many elements, checked by a checker that reaches the host as
// told, with both optional rules, without legend and without saving first.
class CheckedNet {
public:
    CheckedNet(int elements, Reach reach) {
        document_ = runner::ExampleDrawings::build(host_, "large-petri-net", "net.json", elements);
        host_.pump();
        visio::ComRef<visio::IVApplication> application = host_.applicationRef();
        if (reach == Reach::Com) {
            IDispatch* face = faces_->faceOf(visio::ObjectRef(application.get()));
            client_ = com::ClientSession::create();
            application =
                visio::ComRef<visio::IVApplication>::adopt(static_cast<visio::IVApplication*>(
                    client_->proxyFor(face, visio::InterfaceId::Application)));
            face->Release();
        }
        checker_ = std::make_unique<ConsistencyChecker>(visio::VApplication(application), &holder_);
        CCPropertyPage& settings = *checker_->propertyPage();
        settings.showLegend = 0;
        settings.saveBefore = 0;
        settings.nameClashCheck = 1;
        settings.hintsCheck = 1;
        shapes = static_cast<double>(host_.application().activePage()->Shapes()->Count());
    }

    void start() { checker_->onCommand(ConsistencyChecker::kStartTag); }
    void stop() { checker_->onCommand(ConsistencyChecker::kStopTag); }
    // Nobody listens here: the events of the painting just go.
    void dropEvents() { host_.pump(); }

    const simhost::CallCounters& hostCalls() { return host_.counters(); }
    void resetCounts() {
        host_.counters().reset();
        if (client_) comCounts_ = client_->counts();
    }
    // The client's calls and name look-ups since the last reset.
    com::ClientCounts comCounts() const {
        com::ClientCounts now = client_ ? client_->counts() : com::ClientCounts();
        return {now.calls - comCounts_.calls, now.nameLookups - comCounts_.nameLookups,
                now.identities - comCounts_.identities};
    }

    double shapes = 0;

private:
    simhost::Host host_;
    visio::ComRef<simhost::Document> document_;
    std::shared_ptr<simhost::comface::FaceSession> faces_ = simhost::comface::FaceSession::create();
    std::shared_ptr<com::ClientSession> client_;
    com::ClientCounts comCounts_;
    DiagramTypeHolder holder_;
    std::unique_ptr<ConsistencyChecker> checker_;
};

void fullCheck(benchmark::State& state, Reach reach) {
    CheckedNet net(static_cast<int>(state.range(0)), reach);

    // One check outside the timing, for what it asked.
    net.resetCounts();
    net.start();
    const simhost::CallCounters hostCalls = net.hostCalls();
    const com::ClientCounts comCalls = net.comCounts();
    net.dropEvents();
    net.stop();
    net.dropEvents();

    for (auto _ : state) {
        net.start();
        state.PauseTiming();
        net.stop();
        net.dropEvents();
        state.ResumeTiming();
    }
    state.counters["pageShapes"] = net.shapes;
    state.counters["hostCallsPerShape"] = static_cast<double>(hostCalls.hostCalls()) / net.shapes;
    state.counters["comCallsPerShape"] = static_cast<double>(comCalls.calls) / net.shapes;
    state.counters["nameLookups"] = static_cast<double>(comCalls.nameLookups);
    state.counters["batchWrites"] = static_cast<double>(hostCalls.batchWrites);
}

void BM_FullCheckInProcess(benchmark::State& state) {
    fullCheck(state, Reach::InProcess);
}
void BM_FullCheckThroughCom(benchmark::State& state) {
    fullCheck(state, Reach::Com);
}

BENCHMARK(BM_FullCheckInProcess)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FullCheckThroughCom)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
