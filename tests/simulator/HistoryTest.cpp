// Random runs of firings, steps back and restarts: a step back brings back exactly the
// marking held before the firing, a restart the initial one, and no marking held in
// the history ever changes.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "simulator/FiringEngine.h"
#include "simulator/Marking.h"
#include "tests/simulator/SimulatorNets.h"

namespace simtest {
namespace {

constexpr int kRuns = 200;
constexpr int kActionsPerRun = 30;

// What each marking of the history held when it was pushed.
struct Held {
    const Marking* marking;
    std::string state;
};

void expectUnchanged(const std::vector<Held>& held, FiringEngine& engine,
                     const std::string& where) {
    ASSERT_EQ(engine.getHistorySize(), static_cast<int32_t>(held.size())) << where;
    EXPECT_EQ(engine.getInitialMarking(), held.front().marking) << where;
    EXPECT_EQ(engine.getCurrentMarking(), held.back().marking) << where;
    EXPECT_EQ(engine.isAtInitialMarking(), held.size() == 1) << where;
    for (const Held& h : held) ASSERT_EQ(stateOf(*h.marking), h.state) << where;
}

TEST(HistoryTest, StepsBackAndRestartsBringBackWhatWasHeld) {
    std::mt19937 random(4101);
    for (int run = 0; run < kRuns; ++run) {
        const NetSpec spec = randomNet(random);
        HandNet net(spec);
        FiringEngine& engine = net.engine();
        std::vector<Held> held{{engine.getCurrentMarking(), stateOf(*engine.getCurrentMarking())}};
        for (int action = 0; action < kActionsPerRun; ++action) {
            const std::string where = spec.describe() + "\naction " + std::to_string(action);
            const int choice = std::uniform_int_distribution<int>(0, 5)(random);
            if (choice == 0) {
                const Marking* back = engine.stepBack();
                if (held.size() > 1) held.pop_back();
                EXPECT_EQ(back, held.back().marking) << where;
            } else if (choice == 1) {
                EXPECT_EQ(engine.restartSimulation(), held.front().marking) << where;
                held.resize(1);
            } else {
                // Firing whatever is free of conflicts, or nothing: both are steps.
                const Marking* fired =
                    engine.fireTransitions(choice == 2 ? std::vector<GEGraphElement*>()
                                                       : engine.getConflictFreeTransitions());
                held.push_back({fired, stateOf(*fired)});
            }
            expectUnchanged(held, engine, where);
        }
        engine.restartSimulation();
        EXPECT_EQ(stateOf(*engine.getCurrentMarking()), held.front().state);
        EXPECT_EQ(engine.stepBack(), held.front().marking) << "a step back at the initial marking";
    }
}

}  // namespace
}  // namespace simtest
