// What building the adjacency matrix of a page costs: time, and the spatial queries that
// would each cross into Visio.
#include <benchmark/benchmark.h>

#include <cmath>

#include "bench/BenchFigures.h"
#include "model/GEAdjacencyMatrix.h"
#include "model/GEConnection.h"
#include "model/GEElementSet.h"
#include "model/GEGraphElement.h"
#include "model/SavedFormulaIndex.h"
#include "platform/visio/VShapes.h"
#include "simhost/host/Host.h"

namespace {

// A page of unit boxes in a square grid, each touching its neighbours, with a connector
// along every row: half the boxes active, half passive.
class GridPage {
public:
    explicit GridPage(int count) : document_(host_.newDocument()) {
        const int side = static_cast<int>(std::ceil(std::sqrt(count)));
        simhost::Page& page = *document_->page(1);
        for (int i = 0; i < count; ++i) {
            const double x = (i % side) + 0.5;
            const double y = (i / side) + 0.5;
            auto shape = host_.addShape(page, simhost::ShapeSpec::box(x, y, 1, 1));
            insert(i % 2 ? active : passive, new GEGraphElement, shape->id());
        }
        for (int row = 0; row < (count + side - 1) / side; ++row) {
            const double y = row + 0.5;
            auto line = host_.addShape(page, simhost::ShapeSpec::line(0.5, y, side - 0.5, y));
            insert(connections, new GEConnection, line->id());
        }
        shapes = visio::VShapes(page.Shapes());
    }
    ~GridPage() {
        active.destroyElements();
        passive.destroyElements();
        connections.destroyElements();
    }

    simhost::CallCounters& counters() { return host_.counters(); }

    GEElementSet active;
    GEElementSet passive;
    GEElementSet connections;
    SavedFormulaIndex index;
    visio::VShapes shapes;

private:
    static void insert(GEElementSet& set, GEGraphElement* element, int32_t id) {
        element->setID(id);
        set.insert(element);
    }

    simhost::Host host_;
    visio::ComRef<simhost::Document> document_;
};

using benchfigures::heapInUse;

void BM_AdjacencyMatrixBuild(benchmark::State& state) {
    GridPage page(static_cast<int>(state.range(0)));
    size_t matrixBytes = 0;
    {
        const size_t before = heapInUse();
        GEAdjacencyMatrix held;
        held.build(page.shapes, &page.active, &page.passive, &page.connections, &page.index);
        matrixBytes = heapInUse() - before;
    }
    page.counters().reset();
    int32_t size = 0;
    for (auto _ : state) {
        GEAdjacencyMatrix matrix;
        matrix.build(page.shapes, &page.active, &page.passive, &page.connections, &page.index);
        size = matrix.getSize();
        benchmark::DoNotOptimize(size);
    }
    const double perElement = static_cast<double>(state.iterations()) * (size ? size : 1);
    state.counters["elements"] = size;
    state.counters["matrixBytes"] = static_cast<double>(matrixBytes);
    state.counters["matrixBytesPerElement"] = static_cast<double>(matrixBytes) / (size ? size : 1);
    state.counters["hostCallsPerElement"] = page.counters().hostCalls() / perElement;
    state.counters["relationQueriesPerElement"] = page.counters().spatialQueries / perElement;
    state.counters["neighbourQueriesPerElement"] = page.counters().neighbourQueries / perElement;
}

BENCHMARK(BM_AdjacencyMatrixBuild)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
