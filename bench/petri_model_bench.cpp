// What reading a Petri net page into its model costs: time, the memory the model holds,
// and the host calls per shape that would each cross into Visio.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "bench/BenchFigures.h"
#include "model/CellAddressTable.h"
#include "model/PetriNetModel.h"
#include "platform/visio/VShapes.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/host/Host.h"
#include "simhost/stencil/PetriStencil.h"
#include "simhost/stencil/StencilOptions.h"

namespace {

using simhost::stencil::StencilOptions;

// Places and transitions in turn on a square grid, each joined to its right-hand
// neighbour by an arc; every third arc is drawn as two pieces glued end to begin.
class PetriPage {
public:
    explicit PetriPage(int elements) : document_(host_.newDocument()) {
        simhost::Page& page = *document_->page(1);
        const int side = static_cast<int>(std::ceil(std::sqrt(elements)));
        std::vector<visio::ComRef<simhost::Shape>> row;
        for (int i = 0; i < elements; ++i) {
            StencilOptions options;
            options.pin = {3.0 * (i % side), 3.0 * (i / side)};
            options.text = (i % 2 ? "t" : "p") + std::to_string(i);
            auto element = i % 2 ? simhost::stencil::dropTransition(page, options)
                                 : simhost::stencil::dropPlace(page, options);
            if (i % side != 0) join(page, row.back(), element, options.pin.x, options.pin.y, i);
            if (i % side == 0) row.clear();
            row.push_back(element);
        }
        shapes = visio::VShapes(page.Shapes());
        // The checker saves the line colour of every shape.
        table_.addUnique(visio::visSectionObject, visio::visRowLine, visio::visLineColor);
        tables[1] = &table_;
    }

    simhost::CallCounters& counters() { return host_.counters(); }

    visio::VShapes shapes;
    CellAddressTableMap tables;

private:
    void join(simhost::Page& page, const visio::ComRef<simhost::Shape>& from,
              const visio::ComRef<simhost::Shape>& to, double x, double y, int i) {
        StencilOptions options;
        options.begin = {x - 2.5, y};
        options.end = {x - 0.5, y};
        options.weight = std::to_string(1 + i % 3);
        if (i % 3 != 0) {
            auto arc = simhost::stencil::dropArc(page, options);
            host_.glueToShape(*arc, visio::visBegin, *from);
            host_.glueToShape(*arc, visio::visEnd, *to);
            return;
        }
        options.end = {x - 1.5, y};
        options.endArrow = "0";
        auto first = simhost::stencil::dropArc(page, options);
        options.begin = options.end;
        options.end = {x - 0.5, y};
        options.endArrow = "4";
        auto second = simhost::stencil::dropArc(page, options);
        host_.glueToShape(*first, visio::visBegin, *from);
        host_.glueToShape(*second, visio::visBegin, *first);
        host_.glueToShape(*second, visio::visEnd, *to);
    }

    simhost::Host host_;
    visio::ComRef<simhost::Document> document_;
    CellAddressTable table_;
};

using benchfigures::heapInUse;

// As the checker and the simulator have it read: batched, every shape's formulas saved.
std::unique_ptr<PetriNetModel> readModel(PetriPage& page) {
    auto model = std::make_unique<PetriNetModel>(page.tables);
    model->setReadingMode(ReadingMode::Batched);
    model->readShapes(page.shapes);
    model->analysePage(page.shapes);
    model->saveFormulas(FormulaScope::EveryShape);
    return model;
}

void BM_PetriNetModelRead(benchmark::State& state) {
    PetriPage page(static_cast<int>(state.range(0)));
    const double shapes = page.shapes.Count();

    // One read outside the timing, for what the model holds and what it asked the host.
    page.counters().reset();
    const size_t heapBefore = heapInUse();
    auto model = readModel(page);
    const size_t heapAfter = heapInUse();
    const simhost::CallCounters calls = page.counters();
    const double hostCalls = static_cast<double>(calls.hostCalls());
    state.counters["arcs"] = model->getArcs()->getCount();
    state.counters["matrixElements"] = model->getAdjacencyMatrix()->getSize();
    model.reset();

    for (auto _ : state) {
        auto timed = readModel(page);
        benchmark::DoNotOptimize(timed.get());
    }
    state.counters["pageShapes"] = shapes;
    state.counters["modelBytes"] = static_cast<double>(heapAfter - heapBefore);
    state.counters["hostCallsPerShape"] = hostCalls / shapes;
    state.counters["spatialQueriesPerShape"] =
        static_cast<double>(calls.spatialQueries + calls.neighbourQueries) / shapes;
}

BENCHMARK(BM_PetriNetModelRead)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace
