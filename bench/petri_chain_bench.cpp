// What following the chains of a Petri net's arcs costs: one long chain of pieces, and
// a chain whose branches split and meet again many times over.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <initializer_list>

#include "model/GEArc.h"
#include "model/GEElementSet.h"
#include "model/GEGraphElement.h"
#include "model/GEPlace.h"
#include "model/GEWeightedConnection.h"
#include "model/PetriNetArcBuilder.h"

namespace {

// A place (1) and a transition (2) with pieces between them, filled in by hand.
class ChainSets {
public:
    ChainSets() {
        auto* place = new GEPlace;
        place->setID(1);
        passive.insert(place);
        auto* transition = new GEGraphElement;
        transition->setID(2);
        active.insert(transition);
    }
    ~ChainSets() {
        active.destroyElements();
        passive.destroyElements();
        connections.destroyElements();
        arcs.destroyElements();
    }
    ChainSets(const ChainSets&) = delete;
    ChainSets& operator=(const ChainSets&) = delete;

    void piece(int32_t id, std::initializer_list<int32_t> begin,
               std::initializer_list<int32_t> end) {
        auto* c = new GEWeightedConnection;
        c->setID(id);
        for (int32_t b : begin) c->addBeginID(b);
        for (int32_t e : end) c->addEndID(e);
        c->setState0();
        connections.insert(c);
    }
    void buildArcs() {
        arcs.destroyElements();
        PetriNetArcBuilder(active, passive, connections, arcs).buildArcs();
    }

    GEElementSet active, passive, connections, arcs;
};

void BM_LongChain(benchmark::State& state) {
    const auto pieces = static_cast<int32_t>(state.range(0));
    ChainSets sets;
    sets.piece(1000, {1}, {1001});
    for (int32_t i = 1; i < pieces; ++i) {
        const int32_t id = 1000 + i;
        sets.piece(id, {id - 1}, {i + 1 < pieces ? id + 1 : 2});
    }
    for (auto _ : state) sets.buildArcs();
    state.counters["arcs"] = sets.arcs.getCount();
    state.SetComplexityN(pieces);
}

// Splits whose two branches meet again, one after the other: 2^splits ways.
void BM_SplitsThatMeetAgain(benchmark::State& state) {
    const auto splits = static_cast<int32_t>(state.range(0));
    ChainSets sets;
    sets.piece(99, {1}, {100});
    sets.piece(100, {99}, {101, 102});
    for (int32_t k = 0; k < splits; ++k) {
        const int32_t split = 100 + 3 * k;
        const int32_t join = split + 3;
        sets.piece(split + 1, {split}, {join});
        sets.piece(split + 2, {split}, {join});
        if (k + 1 < splits) {
            sets.piece(join, {split + 1, split + 2}, {join + 1, join + 2});
        } else {
            sets.piece(join, {split + 1, split + 2}, {2});
        }
    }
    for (auto _ : state) sets.buildArcs();
    state.counters["arcs"] = sets.arcs.getCount();
}

}  // namespace

BENCHMARK(BM_LongChain)->Arg(1000)->Arg(10000)->Arg(100000)->Complexity(benchmark::oN);
BENCHMARK(BM_SplitsThatMeetAgain)->Arg(4)->Arg(8)->Arg(16)->Arg(32);
