// A marking's entries, free capacity, walk and recursion stack; its copies; and the
// initial marking built from a net's places.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "model/GEElementSet.h"
#include "model/GEPlace.h"
#include "simulator/InitialMarkingBuilder.h"
#include "simulator/Marking.h"

namespace {

struct Places {
    Places() {
        const int32_t capacities[] = {-1, 3, 1, -1};
        for (int32_t i = 0; i < 4; ++i) {
            auto* p = new GEPlace;
            p->setID(10 - i);
            p->setCapacity(capacities[i]);
            p->setMarking(i);
            if (i == 3) p->setStackPlace();
            set.insert(p);
            list.push_back(p);
        }
    }
    ~Places() { set.destroyElements(); }
    GEElementSet set;
    std::vector<GEPlace*> list;
};

TEST(MarkingTest, EntriesAndFreeCapacity) {
    Places places;
    GEPlace* unlimited = places.list[0];
    GEPlace* three = places.list[1];
    GEPlace* one = places.list[2];
    Marking marking;
    EXPECT_EQ(marking.first(), marking.end());
    marking.insert(three, 3);
    marking.insert(unlimited, 7);
    marking.insert(three, 1);
    marking.insert(one, 2);
    EXPECT_EQ(marking.tokens(three), 3) << "a second insert keeps the first count";
    EXPECT_EQ(marking.freeCapacity(three), 0);
    EXPECT_EQ(marking.freeCapacity(unlimited), -1);
    EXPECT_TRUE(Marking::hasUnlimitedCapacity(unlimited));
    EXPECT_EQ(marking.freeCapacity(one), -1) << "one token over its capacity";
    EXPECT_FALSE(Marking::hasUnlimitedCapacity(one));
    marking.setTokens(places.list[3], 5);
    EXPECT_EQ(marking.tokens(places.list[3]), 0) << "a place the marking does not hold";

    // Counts of every size, and the walk in insertion order.
    const int32_t counts[] = {127, 128, -129, 40000, -5, 0};
    for (int32_t count : counts) {
        marking.setTokens(unlimited, count);
        EXPECT_EQ(marking.tokens(unlimited), count);
        EXPECT_EQ(marking.tokens(three), 3);
    }
    std::vector<GEPlace*> walked;
    for (GEPlace* p = marking.first(); p != marking.end(); p = marking.next()) walked.push_back(p);
    EXPECT_EQ(walked, (std::vector<GEPlace*>{three, unlimited, one}));
    EXPECT_EQ(marking.next(), marking.end());
}

TEST(MarkingTest, RecursionStackAndCopies) {
    Places places;
    GEPlace* stack = places.list[3];
    Marking marking;
    marking.insert(places.list[0], 40000);
    marking.popRecursion();
    EXPECT_EQ(marking.topRecursion(), nullptr);
    EXPECT_EQ(marking.recursionDepth(), 0);

    const Marking emptyCopy(marking);
    EXPECT_EQ(emptyCopy.recursionDepth(), 0);
    marking.pushRecursion(stack);
    marking.pushRecursion(places.list[0]);
    EXPECT_EQ(marking.topRecursion(), places.list[0]);

    Marking copy(marking);
    EXPECT_EQ(copy.getRecursionStack(), (std::vector<GEPlace*>{stack, places.list[0]}));
    EXPECT_EQ(copy.tokens(places.list[0]), 40000);
    copy.setTokens(places.list[0], 1);
    copy.popRecursion();
    copy.insert(places.list[1], 2);
    EXPECT_EQ(marking.tokens(places.list[0]), 40000) << "a copy shares nothing it changes";
    EXPECT_EQ(marking.recursionDepth(), 2);
    EXPECT_EQ(marking.tokens(places.list[1]), 0);
    copy.copyFrom(emptyCopy);
    EXPECT_EQ(copy.recursionDepth(), 0);
    EXPECT_EQ(copy.tokens(places.list[1]), 0);
}

// Markings made from one another by copying and pushing or popping, as a run's history is,
// each keep their own stack however the others change theirs afterwards.
TEST(MarkingTest, CopiesKeepTheirOwnRecursionStacks) {
    Places places;
    std::mt19937 random(7);
    std::vector<std::unique_ptr<Marking>> markings;
    std::vector<std::vector<GEPlace*>> expected(1);
    markings.push_back(std::make_unique<Marking>());
    for (int32_t i = 0; i < 2000; ++i) {
        const size_t from = std::uniform_int_distribution<size_t>(0, markings.size() - 1)(random);
        markings.push_back(std::make_unique<Marking>(*markings[from]));
        expected.push_back(expected[from]);
        if (random() % 3 == 0) {
            markings.back()->popRecursion();
            if (!expected.back().empty()) expected.back().pop_back();
        } else {
            GEPlace* place = places.list[random() % places.list.size()];
            markings.back()->pushRecursion(place);
            expected.back().push_back(place);
        }
    }
    for (size_t i = 0; i < markings.size(); ++i) {
        ASSERT_EQ(markings[i]->getRecursionStack(), expected[i]) << i;
        EXPECT_EQ(markings[i]->recursionDepth(), static_cast<int32_t>(expected[i].size()));
        EXPECT_EQ(markings[i]->topRecursion(), expected[i].empty() ? nullptr : expected[i].back());
    }
}

// A net that recurses without end reaches stacks far deeper than the call stack could
// unwind entry by entry.
TEST(MarkingTest, ADeepRecursionStackIsFreed) {
    Places places;
    auto marking = std::make_unique<Marking>();
    for (int32_t i = 0; i < 1000000; ++i) marking->pushRecursion(places.list[3]);
    Marking copy(*marking);
    copy.popRecursion();
    marking.reset();
    EXPECT_EQ(copy.recursionDepth(), 999999);
}

TEST(MarkingTest, InitialMarkingHoldsEveryPlaceInSetOrder) {
    Places places;
    std::unique_ptr<Marking> marking = InitialMarkingBuilder().buildInitialMarking(&places.set);
    std::vector<int32_t> counts;
    for (GEPlace* p = marking->first(); p != marking->end(); p = marking->next())
        counts.push_back(marking->tokens(p));
    // Keyed by shape ID, the set holds the places backwards.
    EXPECT_EQ(counts, (std::vector<int32_t>{3, 2, 1, 0}));
    EXPECT_EQ(marking->recursionDepth(), 0);
    EXPECT_EQ(InitialMarkingBuilder().buildInitialMarking(nullptr)->first(), nullptr);
}

}  // namespace
