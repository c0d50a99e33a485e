// The firing engine on small nets written out: what is enabled, in conflict and where,
// which sets may fire together, and what firing does to the tokens and the recursion
// stack. The cases after the first block are the ones where a count could leave its
// bounds: a place over its capacity, parallel arcs, a read-back that writes more back,
// and returns that share a place.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "simulator/FiringEngine.h"
#include "simulator/Marking.h"
#include "tests/simulator/SimulatorNets.h"

namespace simtest {
namespace {

struct QueryCase {
    const char* label;
    const char* places;
    const char* transitions;
    const char* arcs;
    const char* recursion;
    const char* enabled;
    const char* conflicting;
    const char* conflictPlaces;
    bool concurrency;
};

const QueryCase kQueries[] = {
    {"input arc wants more than the place holds", "p=1", "t", "p>t:2", "", "", "", "", false},
    {"input arc covered", "p=2", "t", "p>t:2", "", "t", "", "", false},
    {"output arc passes the capacity", "p=2/3", "t", "t>p:2", "", "", "", "", false},
    {"unlimited place takes any output", "p=2", "t", "t>p:2", "", "t", "", "", false},
    {"full place read and written back", "p=1/1", "t", "p>t t>p", "", "t", "", "", false},
    {"transition without arcs", "p=1", "t u", "p>t", "", "t", "", "", false},
    {"two takers, one token", "p=1", "t u", "p>t p>u", "", "t u", "t u", "p", false},
    {"two takers, two tokens", "p=2", "t u", "p>t p>u", "", "t u", "", "", true},
    {"two givers, one free token", "p=1/2", "t u", "t>p u>p", "", "t u", "t u", "p", false},
    {"two givers, unlimited place", "p=1", "t u", "t>p u>p", "", "t u", "", "", true},
    {"conflict beside a free transition", "p=1 q=1", "t u v", "p>t p>u q>v", "", "t u v", "t u",
     "p", true},
    {"return place, empty recursion stack", "s*=1 r=2", "t u", "s>t r>t r>u", "", "", "", "",
     false},
    {"return place keeps the top's transition", "s*=1 q*=1 r=1", "t u", "s>t r>t q>u r>u", "q", "u",
     "", "", false},
    {"place one over its capacity is bounded", "p=2/1", "t", "t>p", "", "", "", "", false},
    {"taking from an over-full place", "p=3/1", "t", "p>t", "", "t", "", "", false},
    {"parallel input arcs take their sum", "p=1", "t", "p>t p>t", "", "", "", "", false},
    {"parallel output arcs fill together", "p=0/1", "t", "t>p t>p", "", "", "", "", false},
    {"read-back writing more conflicts with a giver", "p=2/4", "t u", "p>t t>p:3 u>p", "", "t u",
     "t u", "p", false},
    {"returns want more of a shared place than it holds", "s*=2 r=1", "t u", "s>t r>t s>u r>u",
     "s s", "t u", "t u", "r", false},
};

TEST(FiringEngineTest, EnabledConflictsAndConcurrency) {
    for (const QueryCase& c : kQueries) {
        HandNet net(parseNet(c.places, c.transitions, c.arcs, c.recursion));
        FiringEngine& engine = net.engine();
        EXPECT_EQ(namesOf(engine.getEnabledTransitions()), c.enabled) << c.label;
        EXPECT_EQ(namesOf(engine.getConflictTransitions()), c.conflicting) << c.label;
        EXPECT_EQ(namesOf(engine.getConflictPlaces()), c.conflictPlaces) << c.label;
        EXPECT_EQ(engine.hasConcurrency(), c.concurrency) << c.label;
    }
}

struct TogetherCase {
    const char* places;
    const char* transitions;
    const char* arcs;
    const char* set;
    bool together;
};

const TogetherCase kTogether[] = {
    {"p=1", "t u", "p>t p>u", "t u", false},
    {"p=1", "t u", "p>t p>u", "t", true},
    {"p=1", "t u", "p>t p>u", "t t", true},
    {"p=1", "t u", "p>t p>u", "", true},
    {"p=1/2", "t u", "t>p u>p", "t u", false},
    {"p=1/2", "t u", "t>p u>p", "u", true},
    {"p=2/4", "t u", "p>t t>p:3 u>p", "t u", false},
    {"p=2/5", "t u", "p>t t>p:3 u>p", "t u", true},
    {"p=1 q=1", "t u v", "p>t p>u q>v", "t v", true},
    {"p=1 q=1", "t u v", "p>t p>u q>v", "t u v", false},
};

TEST(FiringEngineTest, FiringTogether) {
    for (const TogetherCase& c : kTogether) {
        HandNet net(parseNet(c.places, c.transitions, c.arcs));
        EXPECT_EQ(net.engine().canFireTogether(net.transitions(c.set)), c.together)
            << c.places << " | " << c.arcs << " | " << c.set;
    }
}

struct FiringCase {
    const char* label;
    const char* places;
    const char* transitions;
    const char* arcs;
    // Steps separated by ';', each the transitions fired together.
    const char* steps;
    const char* state;
};

const FiringCase kFirings[] = {
    {"a call pushes", "a=1 s*=0 q=0 b=0 r*=0", "c t u", "a>c c>s c>q s>t q>t t>b r>u q>u", "c",
     "a=0 s=1 q=1 b=0 r=0 | s"},
    {"its return pops", "a=1 s*=0 q=0 b=0 r*=0", "c t u", "a>c c>s c>q s>t q>t t>b r>u q>u", "c;t",
     "a=0 s=0 q=0 b=1 r=0 |"},
    {"one push per arc, whatever its weight", "a=1 s*=0", "c", "a>c c>s:3", "c", "a=0 s=3 | s"},
    {"the last transition fires first", "a=1 b=1 s*=0 r*=0", "c d", "a>c c>s b>d d>r", "c d",
     "a=0 b=0 s=1 r=1 | r s"},
    {"a transition listed twice fires twice", "p=2 q=0", "t", "p>t t>q", "t t", "p=0 q=2 |"},
    {"an empty list is a step that changes nothing", "p=1 q=0", "t", "p>t t>q", "", "p=1 q=0 |"},
};

TEST(FiringEngineTest, FiringChangesACopy) {
    for (const FiringCase& c : kFirings) {
        HandNet net(parseNet(c.places, c.transitions, c.arcs));
        FiringEngine& engine = net.engine();
        std::vector<std::string> steps(1);
        for (const char* ch = c.steps; *ch; ++ch) {
            if (*ch == ';') {
                steps.emplace_back();
            } else {
                steps.back() += *ch;
            }
        }
        for (const std::string& step : steps) engine.fireTransitions(net.transitions(step));
        EXPECT_EQ(stateOf(*engine.getCurrentMarking()), c.state) << c.label;
        EXPECT_EQ(engine.getHistorySize(), static_cast<int32_t>(steps.size()) + 1) << c.label;
    }
}

}  // namespace
}  // namespace simtest
