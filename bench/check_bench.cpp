// What a full consistency check costs, from the start command to the coloured page:
// time, the memory the running check holds (the model, the rules, the saved formulas and
// the page's new formulas), and the calls per shape that would each cross into Visio
// (every member call of the object model, batch reads and writes included; the batch
// writes of the painting are also shown on their own). The label names the members the
// check calls most, per shape.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>

#include "bench/BenchFigures.h"
#include "checker/CCPropertyPage.h"
#include "checker/ConsistencyChecker.h"
#include "model/DiagramTypeHolder.h"
#include "platform/visio/VApplication.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/host/Application.h"
#include "simhost/host/Host.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shapes.h"
#include "simhost/stencil/PetriStencil.h"
#include "simhost/stencil/StencilOptions.h"

namespace {

using benchfigures::heapInUse;
using benchfigures::mostCalled;
using simhost::stencil::StencilOptions;

// Places and transitions in turn on a square grid, each joined to its right-hand
// neighbour by a weighted arc, in a window of its own; the checker runs with both
// optional rules, without legend and without saving first. With forks, a second arc
// leaves from where each arc begins, so that the arcs touch in pairs.
class CheckedPage {
public:
    explicit CheckedPage(int elements, bool forks = false)
        : document_(host_.newDocument()), forks_(forks) {
        simhost::Page& page = *document_->page(1);
        const int side = static_cast<int>(std::ceil(std::sqrt(elements)));
        visio::ComRef<simhost::Shape> previous;
        for (int i = 0; i < elements; ++i) {
            StencilOptions options;
            options.pin = {3.0 * (i % side), 3.0 * (i / side)};
            options.text = (i % 2 ? "t" : "p") + std::to_string(i);
            auto element = i % 2 ? simhost::stencil::dropTransition(page, options)
                                 : simhost::stencil::dropPlace(page, options);
            if (i % side != 0) join(page, *previous, *element, options.pin, i);
            previous = element;
        }
        host_.pump();
        checker_ = std::make_unique<ConsistencyChecker>(visio::VApplication(host_.applicationRef()),
                                                        &holder_);
        CCPropertyPage& settings = *checker_->propertyPage();
        settings.showLegend = 0;
        settings.saveBefore = 0;
        settings.nameClashCheck = 1;
        settings.hintsCheck = 1;
        shapes = static_cast<double>(page.Shapes()->Count());
    }

    void start() { checker_->onCommand(ConsistencyChecker::kStartTag); }
    void stop() { checker_->onCommand(ConsistencyChecker::kStopTag); }
    // Nobody listens here: the events of the painting just go.
    void dropEvents() { host_.pump(); }

    simhost::CallCounters& counters() { return host_.counters(); }

    double shapes = 0;

private:
    void join(simhost::Page& page, simhost::Shape& from, simhost::Shape& to,
              simhost::stencil::Point at, int i) {
        StencilOptions options;
        options.begin = {at.x - 2.5, at.y};
        options.end = {at.x - 0.5, at.y};
        options.weight = std::to_string(1 + i % 3);
        auto arc = simhost::stencil::dropArc(page, options);
        host_.glueToShape(*arc, visio::visBegin, from);
        host_.glueToShape(*arc, visio::visEnd, to);
        if (!forks_) return;
        options.begin = {arc->number("BeginX"), arc->number("BeginY")};
        options.end.y += 1;
        simhost::stencil::dropArc(page, options);
    }

    simhost::Host host_;
    visio::ComRef<simhost::Document> document_;
    DiagramTypeHolder holder_;
    std::unique_ptr<ConsistencyChecker> checker_;
    bool forks_;
};

void fullCheck(benchmark::State& state, bool forks) {
    CheckedPage page(static_cast<int>(state.range(0)), forks);

    // One check outside the timing, for what it holds and what it asked the host.
    page.counters().reset();
    const size_t heapBefore = heapInUse();
    page.start();
    const simhost::CallCounters calls = page.counters();
    page.dropEvents();
    const size_t heapAfter = heapInUse();
    page.stop();
    page.dropEvents();

    for (auto _ : state) {
        page.start();
        state.PauseTiming();
        page.stop();
        page.dropEvents();
        state.ResumeTiming();
    }
    state.counters["pageShapes"] = page.shapes;
    state.counters["checkBytes"] = static_cast<double>(heapAfter - heapBefore);
    state.counters["bytesPerShape"] = static_cast<double>(heapAfter - heapBefore) / page.shapes;
    state.counters["hostCallsPerShape"] = static_cast<double>(calls.hostCalls()) / page.shapes;
    state.counters["batchWrites"] = static_cast<double>(calls.batchWrites);
    state.counters["batchCellsPerShape"] = static_cast<double>(calls.batchCells) / page.shapes;
    state.SetLabel(mostCalled(calls, page.shapes));
}

void BM_FullCheck(benchmark::State& state) {
    fullCheck(state, false);
}

void BM_FullCheckWithForks(benchmark::State& state) {
    fullCheck(state, true);
}

BENCHMARK(BM_FullCheckWithForks)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

BENCHMARK(BM_FullCheck)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace
