// What showing one simulation step on the page costs on a net of 1,000 places: the time
// and the host calls (each a call into Visio) of clearing the last highlight, showing
// the new marking and highlighting conflict places and enabled transitions.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "model/CellAddressTable.h"
#include "model/DiagramTypeHolder.h"
#include "model/GEElementSet.h"
#include "model/GEPlace.h"
#include "platform/visio/VShapes.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/host/Host.h"
#include "simhost/stencil/PetriStencil.h"
#include "simhost/stencil/StencilOptions.h"
#include "simulator/InitialMarkingBuilder.h"
#include "simulator/Marking.h"
#include "simulator/SimulationShapeDisplay.h"
#include "simulator/SimulatorCells.h"

namespace {

using simhost::stencil::StencilOptions;
using simhost::stencil::ValueIn;

constexpr int kPlaces = 1000;
// Every tenth place is in conflict; every other transition is enabled.
constexpr int kConflictEvery = 10;
constexpr int kEnabledEvery = 2;
constexpr uint32_t kConflictColour = 0x0000FF;
constexpr uint32_t kEnabledColour = 0x00FF00;

// Places in rows, half with their marking in a text box and half in a cell; between
// every two places a transition that takes from the first and fills the second. The
// simulator's cells are registered as it registers them, and the formats are saved.
class DisplayedNet {
public:
    DisplayedNet() : document_(host_.newDocument()) {
        simhost::Page& page = *document_->page(1);
        for (int i = 0; i < kPlaces; i += 2) {
            const double x = 6.0 * (i / 2 % 30);
            const double y = 3.0 * (i / 2 / 30);
            auto first = dropPlace(page, x, y, i, ValueIn::TextBox);
            auto transition =
                simhost::stencil::dropTransition(page, StencilOptions::at(x + 2, y, "t"));
            auto second = dropPlace(page, x + 4, y, i + 1, ValueIn::Cell);
            join(page, first, transition, x + 0.5, x + 1.5, y);
            join(page, transition, second, x + 2.5, x + 3.5, y);
        }
        shapes = visio::VShapes(page.Shapes());
        addSimulatorCells(written_, outlines_);
        holder_.setType("QAV-Petri_net");
        holder_.createModel(shapes, simulatorTables(&written_, &outlines_),
                            FormulaScope::SimulatedPage);
        display = std::make_unique<SimulationShapeDisplay>(shapes, holder_.getActive(),
                                                           holder_.getPassive(), holder_.getArcs(),
                                                           holder_.getSavedFormulaIndex());
        initial = InitialMarkingBuilder().buildInitialMarking(holder_.getPassive());
        collectHighlights();
    }
    ~DisplayedNet() {
        display.reset();
        initial.reset();
        holder_.deleteModel();
    }
    DisplayedNet(const DisplayedNet&) = delete;
    DisplayedNet& operator=(const DisplayedNet&) = delete;

    // A marking that differs from the initial one on every place.
    std::unique_ptr<Marking> otherMarking() const {
        auto marking = std::make_unique<Marking>(*initial);
        for (int32_t i = 0; i < marking->placeCount(); ++i) {
            marking->setTokensAt(i, marking->tokensAt(i) == 0 ? 1 + i % 3 : 0);
        }
        return marking;
    }

    void saveFormats() { display->saveFormats(&written_); }
    simhost::CallCounters& counters() { return host_.counters(); }

    visio::VShapes shapes;
    std::unique_ptr<SimulationShapeDisplay> display;
    std::unique_ptr<Marking> initial;
    std::vector<GEPlace*> conflictPlaces;
    std::vector<GEGraphElement*> enabledTransitions;

private:
    visio::ComRef<simhost::Shape> dropPlace(simhost::Page& page, double x, double y, int i,
                                            ValueIn markingIn) {
        StencilOptions options = StencilOptions::at(x, y, "p" + std::to_string(i));
        options.markingIn = markingIn;
        options.marking = std::to_string(i % 2);
        return simhost::stencil::dropPlace(page, options);
    }

    void join(simhost::Page& page, const visio::ComRef<simhost::Shape>& from,
              const visio::ComRef<simhost::Shape>& to, double beginX, double endX, double y) {
        StencilOptions options;
        options.begin = {beginX, y};
        options.end = {endX, y};
        auto arc = simhost::stencil::dropArc(page, options);
        host_.glueToShape(*arc, visio::visBegin, *from);
        host_.glueToShape(*arc, visio::visEnd, *to);
    }

    void collectHighlights() {
        GEElementSet& places = *holder_.getPassive();
        int i = 0;
        for (GEGraphElement* e = places.getFirst(); e != places.end(); e = places.getNext()) {
            if (i++ % kConflictEvery == 0) conflictPlaces.push_back(static_cast<GEPlace*>(e));
        }
        GEElementSet& transitions = *holder_.getActive();
        i = 0;
        for (GEGraphElement* e = transitions.getFirst(); e != transitions.end();
             e = transitions.getNext()) {
            if (i++ % kEnabledEvery == 0) enabledTransitions.push_back(e);
        }
    }

    simhost::Host host_;
    visio::ComRef<simhost::Document> document_;
    CellAddressTable written_;
    CellAddressTable outlines_;
    DiagramTypeHolder holder_;
};

// One step as the simulator shows it: the last highlight cleared, the new marking
// shown, conflict places and enabled transitions highlighted. The markings alternate,
// so every count changes at every step.
void showStep(DisplayedNet& net, const Marking& marking) {
    net.display->clearHighlight();
    net.display->showMarking(marking);
    net.display->highlightConflictPlaces(net.conflictPlaces, kConflictColour);
    net.display->highlightEnabledTransitions(net.enabledTransitions, kEnabledColour);
}

void BM_ShowMarkingAndHighlight(benchmark::State& state) {
    DisplayedNet net;
    const std::unique_ptr<Marking> other = net.otherMarking();
    net.saveFormats();
    showStep(net, *net.initial);

    // One step of each part outside the timing, for its host calls.
    net.counters().reset();
    net.display->clearHighlight();
    const double clearCalls = static_cast<double>(net.counters().hostCalls());
    net.counters().reset();
    net.display->showMarking(*other);
    const double showCalls = static_cast<double>(net.counters().hostCalls());
    net.counters().reset();
    net.display->highlightConflictPlaces(net.conflictPlaces, kConflictColour);
    net.display->highlightEnabledTransitions(net.enabledTransitions, kEnabledColour);
    const double highlightCalls = static_cast<double>(net.counters().hostCalls());

    bool flip = false;
    for (auto _ : state) {
        showStep(net, flip ? *other : *net.initial);
        flip = !flip;
    }
    state.counters["places"] = net.initial->placeCount();
    state.counters["highlighted"] =
        static_cast<double>(net.conflictPlaces.size() + net.enabledTransitions.size());
    state.counters["clearHostCalls"] = clearCalls;
    state.counters["showHostCalls"] = showCalls;
    state.counters["highlightHostCalls"] = highlightCalls;
    state.counters["stepHostCalls"] = clearCalls + showCalls + highlightCalls;
}

BENCHMARK(BM_ShowMarkingAndHighlight)->Unit(benchmark::kMillisecond);

// The formats taken off and put on again, as around every save during a simulation.
void BM_RestoreAndSaveFormats(benchmark::State& state) {
    DisplayedNet net;
    net.saveFormats();
    net.counters().reset();
    net.display->restoreFormats();
    const double restoreCalls = static_cast<double>(net.counters().hostCalls());
    net.counters().reset();
    net.saveFormats();
    const double saveCalls = static_cast<double>(net.counters().hostCalls());
    const double batchCells = static_cast<double>(net.counters().batchCells);
    for (auto _ : state) {
        net.display->restoreFormats();
        net.saveFormats();
    }
    state.counters["pageShapes"] = net.shapes.Count();
    state.counters["restoreHostCalls"] = restoreCalls;
    state.counters["saveHostCalls"] = saveCalls;
    state.counters["saveBatchCells"] = batchCells;
}

BENCHMARK(BM_RestoreAndSaveFormats)->Unit(benchmark::kMillisecond);

}  // namespace
