// What the host's spatial queries cost on generated pages of 100, 1,000 and 5,000 shapes:
// places (ellipses), transitions (boxes, every third one turned) and connectors glued
// between them. Time per query, and the host calls behind it: formula evaluations (each
// a cell read in Visio) and the spatial queries themselves.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "platform/visio/IVShape.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/geometry/Glue.h"
#include "simhost/host/Connect.h"
#include "simhost/host/Connects.h"
#include "simhost/host/Host.h"
#include "simhost/stencil/StencilGeometry.h"

namespace {

using simhost::ShapeSpec;
using visio::ComRef;

constexpr double kTolerance = 0.015;
constexpr int16_t kAllRelations = 15;

// Elements on a grid two inches apart, alternately places and transitions, with a
// connector glued from each element to the one on its right: a third of the shapes
// are connectors.
class GeneratedPage {
public:
    explicit GeneratedPage(int count) : document_(host_.newDocument()) {
        simhost::Page& page = *document_->page(1);
        const int elements = (2 * count + 2) / 3;
        const int side = static_cast<int>(std::ceil(std::sqrt(elements)));
        for (int i = 0; i < elements; ++i) {
            const double x = 2.0 * (i % side), y = 2.0 * (i / side);
            ShapeSpec spec = i % 2 ? ShapeSpec::box(x, y, 0.5, 1)
                                   : simhost::stencil::memberEllipse(x, y, 1, 0.75);
            if (i % 2 && i % 3 == 0) spec.cell("Angle", "30 deg");
            simhost::stencil::addConnectionPoints(spec, false);
            auto shape = host_.addShape(page, spec);
            simhost::stencil::finishEllipses(*shape.get());
            elements_.push_back(shape);
        }
        for (int i = 0; i + 1 < elements && static_cast<int>(shapes().size()) < count; ++i) {
            if ((i + 1) % side == 0) continue;  // no connector across the end of a row
            auto line = host_.addShape(page, ShapeSpec::line(0, 0, 1, 1));
            simhost::geometry::Glue::toPoint(host_, *line.get(), visio::visBegin,
                                             *elements_[i].get(), 1);
            simhost::geometry::Glue::toPoint(host_, *line.get(), visio::visEnd,
                                             *elements_[i + 1].get(), 3);
            connectors_.push_back(line);
        }
    }

    std::vector<ComRef<simhost::Shape>> shapes() const {
        std::vector<ComRef<simhost::Shape>> all = elements_;
        all.insert(all.end(), connectors_.begin(), connectors_.end());
        return all;
    }
    const std::vector<ComRef<simhost::Shape>>& connectors() const { return connectors_; }
    const std::vector<ComRef<simhost::Shape>>& elements() const { return elements_; }
    simhost::CallCounters& counters() { return host_.counters(); }
    // Any change to the drawing: the host's geometry starts afresh.
    void touch() { elements_.front()->setCell("User.Touched", std::to_string(++touches_)); }

private:
    simhost::Host host_;
    ComRef<simhost::Document> document_;
    std::vector<ComRef<simhost::Shape>> elements_;
    std::vector<ComRef<simhost::Shape>> connectors_;
    int touches_ = 0;
};

void report(benchmark::State& state, GeneratedPage& page, size_t shapes) {
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["shapes"] = static_cast<double>(shapes);
    state.counters["evaluations"] = static_cast<double>(page.counters().evaluations) / iterations;
    state.counters["spatialQueries"] =
        static_cast<double>(page.counters().spatialQueries + page.counters().neighbourQueries) /
        iterations;
}

// Neighbour queries one after another on an unchanged page (as the checker's adjacency
// makes them): the outlines and the grid are worked out once.
void BM_SpatialNeighbors(benchmark::State& state) {
    GeneratedPage page(static_cast<int>(state.range(0)));
    const auto shapes = page.shapes();
    shapes.front()->SpatialNeighbors(kAllRelations, kTolerance, 0, visio::Variant());
    page.counters().reset();
    size_t next = 0, found = 0;
    for (auto _ : state) {
        auto answer = shapes[next++ % shapes.size()]->SpatialNeighbors(kAllRelations, kTolerance, 0,
                                                                       visio::Variant());
        found += static_cast<size_t>(answer->Count());
    }
    report(state, page, shapes.size());
    state.counters["neighbours"] =
        static_cast<double>(found) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_SpatialNeighbors)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);

// A neighbour query right after a change to the drawing: everything is read again.
void BM_SpatialNeighborsAfterAChange(benchmark::State& state) {
    GeneratedPage page(static_cast<int>(state.range(0)));
    const auto shapes = page.shapes();
    page.counters().reset();
    size_t next = 0;
    for (auto _ : state) {
        page.touch();
        benchmark::DoNotOptimize(shapes[next++ % shapes.size()]->SpatialNeighbors(
            kAllRelations, kTolerance, 0, visio::Variant()));
    }
    report(state, page, shapes.size());
}
BENCHMARK(BM_SpatialNeighborsAfterAChange)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond);

// The relation of each connector to the element its end is glued to (touching), and of
// each element to its neighbour on the right (none).
void BM_SpatialRelation(benchmark::State& state) {
    GeneratedPage page(static_cast<int>(state.range(0)));
    const auto shapes = page.shapes();
    const auto& connectors = page.connectors();
    const auto& elements = page.elements();
    // One neighbour query reads every outline of the page: the relations that follow
    // work from them.
    shapes.front()->SpatialNeighbors(kAllRelations, kTolerance, 0, visio::Variant());
    page.counters().reset();
    size_t next = 0;
    for (auto _ : state) {
        const size_t i = next++ % connectors.size();
        const auto& connector = connectors[i];
        auto target = connector->connects().list().back()->to();
        benchmark::DoNotOptimize(
            connector->SpatialRelation(ComRef<visio::IVShape>(target), kTolerance, 0));
        const auto& element = elements[i % (elements.size() - 1)];
        benchmark::DoNotOptimize(element->SpatialRelation(
            ComRef<visio::IVShape>(elements[i % (elements.size() - 1) + 1].get()), kTolerance, 0));
    }
    report(state, page, shapes.size());
}
BENCHMARK(BM_SpatialRelation)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);

}  // namespace
