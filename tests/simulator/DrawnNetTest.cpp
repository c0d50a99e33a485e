// A net drawn from the stand-in masters and read by the diagram model runs as the same
// net built by hand: a stack place entered and left, a place read and written back, and
// bounded places that stop or split firings.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/DiagramTypeHolder.h"
#include "model/GEElementSet.h"
#include "model/GEGraphElement.h"
#include "platform/ui/Backend.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/stencil/PetriStencil.h"
#include "simhost/ui/HeadlessBackend.h"
#include "simulator/FiringEngine.h"
#include "simulator/InitialMarkingBuilder.h"
#include "simulator/Marking.h"
#include "tests/support/HostFixture.h"
#include "tests/simulator/SimulatorNets.h"

namespace simtest {
namespace {

using simhost::stencil::StencilOptions;
using simhost::stencil::ValueIn;
using ShapeRef = visio::ComRef<simhost::Shape>;

// Places with their tokens and capacities, transitions, and arcs in drawing order.
const char* const kPlaces = "p1=2 p4=1 p2=0 s1*=0/2 p3=0 p5=1/1 p6=1/2";
const char* const kTransitions = "t1 t2 t3 t4 t5 t6";
const char* const kArcs =
    "p1>t1 p1>t2 t1>p2:2 t2>s1 p4>t3 t3>p3 p5>t4 t4>p5 t3>p6 t4>p6 s1>t5 p2>t5:2 t5>p4 p6>t6 "
    "t6>p1";
constexpr int kSteps = 6;

class DrawnNetTest : public HostFixture {
protected:
    DrawnNetTest() { ui::Backend::install(&backend_); }
    ~DrawnNetTest() override {
        drawnEngine_.reset();
        holder_.deleteModel();
        ui::Backend::install(nullptr);
    }

    // Every element in a row of its own kind, each arc from centre to centre.
    void draw(const NetSpec& net) {
        std::map<std::string, ShapeRef> shapes;
        std::map<std::string, StencilOptions> where;
        for (size_t i = 0; i < net.places.size(); ++i) {
            const PlaceSpec& p = net.places[i];
            StencilOptions options = at(2.0 * i, 1, p.name);
            options.capacity = std::to_string(p.capacity);
            options.markingIn = ValueIn::TextBox;
            options.marking = std::to_string(p.tokens);
            shapes[p.name] = p.stack ? simhost::stencil::dropStackPlace(page(), options)
                                     : simhost::stencil::dropPlace(page(), options);
            where[p.name] = options;
        }
        for (size_t i = 0; i < net.transitions.size(); ++i) {
            where[net.transitions[i]] = at(2.0 * i, 5, net.transitions[i]);
            shapes[net.transitions[i]] =
                simhost::stencil::dropTransition(page(), where[net.transitions[i]]);
        }
        for (const ArcSpec& a : net.arcs) {
            const std::string& p = net.places[a.place].name;
            const std::string& t = net.transitions[a.transition];
            const std::string& from = a.toTransition ? p : t;
            const std::string& to = a.toTransition ? t : p;
            StencilOptions options;
            options.begin = where[from].pin;
            options.end = where[to].pin;
            // The two arcs of a read-back pair side by side.
            options.begin.x += a.toTransition ? 0.2 : -0.2;
            options.end.x += a.toTransition ? 0.2 : -0.2;
            options.weight = a.weight == 1 ? "" : std::to_string(a.weight);
            ShapeRef arc = simhost::stencil::dropArc(page(), options);
            host_.glueToShape(*arc, visio::visBegin, *shapes[from]);
            host_.glueToShape(*arc, visio::visEnd, *shapes[to]);
        }
    }

    FiringEngine& readDrawing() {
        holder_.setType("QAV-Petri_net");
        holder_.createModel(pageShapes(), CellAddressTableMap());
        drawnEngine_ = std::make_unique<FiringEngine>(holder_.getArcs(), holder_.getActive());
        drawnEngine_->pushMarking(
            InitialMarkingBuilder().buildInitialMarking(holder_.getPassive()));
        return *drawnEngine_;
    }

    std::vector<GEGraphElement*> drawnTransitions(const std::vector<GEGraphElement*>& byHand) {
        std::vector<GEGraphElement*> drawn;
        GEElementSet& set = *holder_.getActive();
        for (const GEGraphElement* t : byHand) {
            for (GEGraphElement* e = set.getFirst(); e != set.end(); e = set.getNext()) {
                if (e->getIdentifier() == t->getIdentifier()) drawn.push_back(e);
            }
        }
        return drawn;
    }

    static StencilOptions at(double x, double y, const std::string& name) {
        StencilOptions options;
        options.pin = {x, y};
        options.text = name;
        return options;
    }

    simhost::headless::HeadlessBackend backend_;
    DiagramTypeHolder holder_;
    std::unique_ptr<FiringEngine> drawnEngine_;
};

// Each step fires the conflict-free transitions with the first conflicting one when
// they may fire together, else the first enabled transition.
TEST_F(DrawnNetTest, RunsAsTheNetBuiltByHand) {
    const NetSpec spec = parseNet(kPlaces, kTransitions, kArcs);
    HandNet byHand(spec);
    FiringEngine& hand = byHand.engine();
    draw(spec);
    FiringEngine& drawn = readDrawing();
    EXPECT_TRUE(drawn.usesStackPlaces());
    for (int step = 0; step < kSteps; ++step) {
        SCOPED_TRACE("step " + std::to_string(step));
        EXPECT_EQ(stateOf(*drawn.getCurrentMarking()), stateOf(*hand.getCurrentMarking()));
        EXPECT_EQ(drawn.getRecursionStackNames(), hand.getRecursionStackNames());
        EXPECT_EQ(namesOf(drawn.getEnabledTransitions()), namesOf(hand.getEnabledTransitions()));
        EXPECT_EQ(namesOf(drawn.getConflictTransitions()), namesOf(hand.getConflictTransitions()));
        EXPECT_EQ(namesOf(drawn.getConflictPlaces()), namesOf(hand.getConflictPlaces()));
        EXPECT_EQ(drawn.hasConcurrency(), hand.hasConcurrency());

        std::vector<GEGraphElement*> firing = hand.getConflictFreeTransitions();
        const std::vector<GEGraphElement*> conflicting = hand.getConflictTransitions();
        if (!conflicting.empty()) firing.push_back(conflicting.front());
        EXPECT_EQ(drawn.canFireTogether(drawnTransitions(firing)), hand.canFireTogether(firing));
        if (!hand.canFireTogether(firing)) firing.resize(1);
        hand.fireTransitions(firing);
        drawn.fireTransitions(drawnTransitions(firing));
    }
    // The run entered the stack place and left it, and ran into both bounded places.
    EXPECT_EQ(stateOf(*drawn.getCurrentMarking()), stateOf(*hand.getCurrentMarking()));
}

}  // namespace
}  // namespace simtest
