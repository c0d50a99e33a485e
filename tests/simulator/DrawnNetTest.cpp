// A net drawn from the stand-in masters and read by the diagram model runs as the same
// net built by hand: a stack place entered and left, a place read and written back, and
// bounded places that stop or split firings.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/DiagramTypeHolder.h"
#include "model/GEElementSet.h"
#include "model/GEGraphElement.h"
#include "platform/ui/Backend.h"
#include "simhost/ui/HeadlessBackend.h"
#include "simulator/FiringEngine.h"
#include "simulator/InitialMarkingBuilder.h"
#include "simulator/Marking.h"
#include "tests/simulator/SimulatorNets.h"
#include "tests/support/HostFixture.h"

namespace simtest {
namespace {

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

    void draw(const NetSpec& net) { drawNet(host_, page(), net); }

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
