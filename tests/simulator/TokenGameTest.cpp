// Over thousands of generated nets, the engine answers what the firing rules say: a
// token game played in plain sums per place and transition on the net's description
// gives the enabled and conflicting transitions, the conflict places, the sets that
// may fire together and the marking after each firing; and no firing it approves takes
// a place below zero tokens or above its capacity. Some nets count in hundreds of
// millions, where sums pass 32 bits: a place without a bound is bounded there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "model/GEPlace.h"
#include "simulator/FiringEngine.h"
#include "simulator/Marking.h"
#include "tests/simulator/SimulatorNets.h"

namespace simtest {
namespace {

constexpr int kNets = 3000;
constexpr int kStepsPerNet = 8;

using Indexes = std::vector<int32_t>;
using Table = std::vector<std::vector<int64_t>>;

bool contains(const Indexes& list, int32_t value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

// The rules on the description: per transition and place, what all arcs take and give
// and how many arcs there are each way.
class TokenGame {
public:
    explicit TokenGame(const NetSpec& net)
        : net_(net), tokens_(net.places.size()), stack_(net.recursion) {
        const size_t t = net.transitions.size(), p = net.places.size();
        take_ = give_ = takeArcs_ = giveArcs_ = Table(t, std::vector<int64_t>(p, 0));
        for (const ArcSpec& a : net.arcs) {
            (a.toTransition ? take_ : give_)[a.transition][a.place] += a.weight;
            (a.toTransition ? takeArcs_ : giveArcs_)[a.transition][a.place] += 1;
        }
        for (size_t i = 0; i < p; ++i) tokens_[i] = net.places[i].tokens;
        judge();
    }

    Indexes enabled, conflicting, conflictPlaces;

    bool concurrency() const { return enabled.size() != conflicting.size() && enabled.size() != 1; }
    Indexes conflictFree() const {
        Indexes free;
        for (int32_t t : enabled)
            if (!contains(conflicting, t)) free.push_back(t);
        return free;
    }

    bool together(const Indexes& set) const {
        for (int32_t p : forwardKept_) {
            int64_t sum = 0;
            for (int32_t t = 0; t < transitions(); ++t)
                if (contains(set, t)) sum += take_[t][p];
            if (sum > tokens_[p]) return false;
        }
        for (int32_t p : backwardKept_) {
            int64_t sum = 0;
            for (int32_t t = 0; t < transitions(); ++t)
                if (contains(set, t)) sum += std::max<int64_t>(0, give_[t][p] - take_[t][p]);
            if (sum > capacity(p) - tokens_[p]) return false;
        }
        return true;
    }

    void fire(const Indexes& list) {
        for (auto t = list.rbegin(); t != list.rend(); ++t) {
            for (const ArcSpec& a : net_.arcs) {
                if (a.transition != *t) continue;
                if (a.toTransition) {
                    tokens_[a.place] -= a.weight;
                    if (returnPlace_[a.place] && !stack_.empty()) stack_.pop_back();
                } else {
                    tokens_[a.place] += a.weight;
                    if (net_.places[a.place].stack) stack_.push_back(a.place);
                }
            }
        }
        judge();
    }

    std::string state() const {
        std::string text;
        for (size_t p = 0; p < tokens_.size(); ++p)
            text += net_.places[p].name + "=" + std::to_string(tokens_[p]) + " ";
        text += "|";
        for (int32_t s : stack_) text += " " + net_.places[s].name;
        return text;
    }
    std::string names(const Indexes& transitionList) const {
        std::string text;
        for (int32_t t : transitionList) text += (text.empty() ? "" : " ") + net_.transitions[t];
        return text;
    }
    std::string placeNames(const Indexes& placeList) const {
        std::string text;
        for (int32_t p : placeList) text += (text.empty() ? "" : " ") + net_.places[p].name;
        return text;
    }

private:
    int32_t transitions() const { return static_cast<int32_t>(net_.transitions.size()); }
    int32_t places() const { return static_cast<int32_t>(net_.places.size()); }
    // A count stays within 32 bits: a place without a bound is bounded there.
    int64_t capacity(int32_t p) const {
        return net_.places[p].capacity == -1 ? INT32_MAX : net_.places[p].capacity;
    }

    bool alone(int32_t t) const {
        bool touches = false;
        for (int32_t p = 0; p < places(); ++p) {
            if (takeArcs_[t][p] + giveArcs_[t][p] == 0) continue;
            touches = true;
            if (tokens_[p] < take_[t][p]) return false;
            if (giveArcs_[t][p] > 0 && tokens_[p] - take_[t][p] + give_[t][p] > capacity(p))
                return false;
        }
        return touches;
    }

    bool isReturnPlace(int32_t p) const {
        if (net_.places[p].stack) return false;
        for (int32_t t : enabled) {
            if (takeArcs_[t][p] == 0) continue;
            for (int32_t q = 0; q < places(); ++q)
                if (takeArcs_[t][q] > 0 && net_.places[q].stack) return true;
            return false;
        }
        return false;
    }

    void judge() {
        enabled.clear();
        for (int32_t t = 0; t < transitions(); ++t)
            if (alone(t)) enabled.push_back(t);
        Indexes forward, backward, metIn, metOut;
        for (int32_t t : enabled) {
            for (const ArcSpec& a : net_.arcs) {
                if (a.transition != t) continue;
                Indexes& met = a.toTransition ? metIn : metOut;
                if (contains(met, a.place)) {
                    (a.toTransition ? forward : backward).push_back(a.place);
                } else {
                    met.push_back(a.place);
                }
            }
        }
        for (int32_t p : forward) {
            if (!isReturnPlace(p)) continue;
            const int32_t top = stack_.empty() ? -1 : stack_.back();
            enabled.erase(std::remove_if(enabled.begin(), enabled.end(),
                                         [&](int32_t t) {
                                             return takeArcs_[t][p] > 0 &&
                                                    (top < 0 || takeArcs_[t][top] == 0);
                                         }),
                          enabled.end());
        }
        forwardKept_.clear();
        for (int32_t p : forward) {
            int64_t sum = 0;
            for (int32_t t : enabled) sum += take_[t][p];
            if (sum > tokens_[p] && !contains(forwardKept_, p)) forwardKept_.push_back(p);
        }
        backwardKept_.clear();
        for (int32_t p : backward) {
            int64_t sum = 0;
            for (int32_t t : enabled) sum += std::max<int64_t>(0, give_[t][p] - take_[t][p]);
            if (sum > capacity(p) - tokens_[p] && !contains(backwardKept_, p))
                backwardKept_.push_back(p);
        }
        conflicting.clear();
        conflictPlaces = forwardKept_;
        for (int32_t p : forwardKept_)
            for (int32_t t : enabled)
                if (takeArcs_[t][p] > 0 && !contains(conflicting, t)) conflicting.push_back(t);
        for (int32_t p : backwardKept_) {
            if (!contains(conflictPlaces, p)) conflictPlaces.push_back(p);
            for (int32_t t : enabled)
                if (giveArcs_[t][p] > 0 && !contains(conflicting, t)) conflicting.push_back(t);
        }
        returnPlace_.assign(places(), false);
        for (int32_t p = 0; p < places(); ++p) returnPlace_[p] = isReturnPlace(p);
    }

    const NetSpec& net_;
    std::vector<int64_t> tokens_;
    Indexes stack_;
    Table take_, give_, takeArcs_, giveArcs_;
    Indexes forwardKept_, backwardKept_;
    std::vector<bool> returnPlace_;
};

std::vector<GEGraphElement*> elementsOf(const HandNet& net, const Indexes& transitions) {
    std::vector<GEGraphElement*> elements;
    for (int32_t t : transitions) elements.push_back(net.transition(t));
    return elements;
}

// The places a firing took below zero tokens, or above their capacity (further above,
// for a place that was over it before).
std::string outOfBounds(const Marking& before, const Marking& after) {
    std::string places;
    for (GEPlace* p = after.first(); p != after.end(); p = after.next()) {
        const int32_t tokens = after.tokens(p);
        const int32_t most = std::max(p->getCapacity(), before.tokens(p));
        if (tokens < 0 || (!Marking::hasUnlimitedCapacity(p) && tokens > most))
            places += " " + p->getIdentifier();
    }
    return places;
}

// The same net counting in hundreds of millions: tokens, capacities and weights all
// still fit in 32 bits, but two of them together need not.
NetSpec nearTheBound(NetSpec net) {
    constexpr int32_t kScale = INT32_MAX / 5;
    for (PlaceSpec& p : net.places) {
        p.tokens *= kScale;
        if (p.capacity != -1) p.capacity *= kScale;
    }
    for (ArcSpec& a : net.arcs) a.weight *= kScale;
    return net;
}

// One step of a run: the conflict-free transitions, a drawn set when it may fire
// together, one enabled transition, or nothing.
Indexes chooseFiring(const TokenGame& game, const Indexes& drawn, std::mt19937& random) {
    switch (std::uniform_int_distribution<int>(0, 3)(random)) {
        case 0:
            return game.conflictFree();
        case 1:
            if (game.together(drawn)) return drawn;
            [[fallthrough]];
        case 2:
            if (!game.enabled.empty()) return {game.enabled[random() % game.enabled.size()]};
            [[fallthrough]];
        default:
            return {};
    }
}

TEST(TokenGameTest, TheEngineAnswersWhatTheRulesSay) {
    std::mt19937 random(4102);
    for (int n = 0; n < kNets; ++n) {
        const NetSpec spec = n % 4 == 3 ? nearTheBound(randomNet(random)) : randomNet(random);
        HandNet net(spec);
        FiringEngine& engine = net.engine();
        TokenGame game(spec);
        for (int step = 0; step < kStepsPerNet; ++step) {
            const std::string where =
                spec.describe() + "\nmarking: " + stateOf(*engine.getCurrentMarking());
            Indexes drawn;
            for (int32_t t : game.enabled)
                if (random() % 2) drawn.push_back(t);
            const std::vector<GEGraphElement*> drawnElements = elementsOf(net, drawn);
            ASSERT_EQ(namesOf(engine.getEnabledTransitions()), game.names(game.enabled)) << where;
            ASSERT_EQ(namesOf(engine.getConflictTransitions()), game.names(game.conflicting))
                << where;
            ASSERT_EQ(namesOf(engine.getConflictPlaces()), game.placeNames(game.conflictPlaces))
                << where;
            ASSERT_EQ(engine.hasConcurrency(), game.concurrency()) << where;
            ASSERT_EQ(engine.canFireTogether(drawnElements), game.together(drawn))
                << where << "\nset: " << game.names(drawn);

            const Indexes fired = chooseFiring(game, drawn, random);
            const Marking& before = *engine.getCurrentMarking();
            const Marking& after = *engine.fireTransitions(elementsOf(net, fired));
            game.fire(fired);
            ASSERT_EQ(stateOf(after), game.state()) << where << "\nfired: " << game.names(fired);
            ASSERT_EQ(outOfBounds(before, after), "") << where << "\nfired: " << game.names(fired);
        }
    }
}

}  // namespace
}  // namespace simtest
