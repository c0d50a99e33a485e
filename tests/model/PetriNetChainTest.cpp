// Where arcs start and how chains of pieces are followed, and the direction rules for
// arrowless pieces, on element sets filled by hand: cycles, open ends, forks and chains
// of many thousands of pieces.
#include <gtest/gtest.h>

#include <vector>

#include "tests/model/PetriNetSketch.h"

namespace {

using Ids = std::vector<int32_t>;

class PetriNetChainTest : public ::testing::Test {
protected:
    PetriNetSketch net;
};

TEST_F(PetriNetChainTest, WhereArcsStart) {
    net.place(1);
    net.transition(10);
    net.piece(100, {1, 101}, {10});  // begins at two things: starts no arc
    net.piece(101, {1}, {}, PetriNetSketch::Directed, 3);
    net.piece(102, {103}, {10});  // continues 103, which begins elsewhere: no arc
    net.piece(103, {1}, {102});
    net.piece(104, {105}, {10}, PetriNetSketch::Directed, 2);  // both begin at each other
    net.piece(105, {104}, {1});
    net.buildArcs();

    std::vector<GEArc*> arcs = net.arcList();
    ASSERT_EQ(arcs.size(), 4u);
    EXPECT_EQ(PetriNetSketch::memberIDs(*arcs[0]), (Ids{101}));
    EXPECT_EQ(PetriNetSketch::idOf(arcs[0]->getBegin()), 1);
    EXPECT_EQ(arcs[0]->getEnd(), nullptr);
    EXPECT_EQ(arcs[0]->getWeight(), 3);
    EXPECT_EQ(PetriNetSketch::memberIDs(*arcs[1]), (Ids{103, 102}));
    EXPECT_EQ(PetriNetSketch::idOf(arcs[1]->getEnd()), 10);
    EXPECT_EQ(PetriNetSketch::memberIDs(*arcs[2]), (Ids{104}));
    EXPECT_EQ(arcs[2]->getBegin(), nullptr);
    EXPECT_EQ(PetriNetSketch::idOf(arcs[2]->getEnd()), 10);
    EXPECT_EQ(arcs[2]->getWeight(), 2);
    EXPECT_EQ(PetriNetSketch::memberIDs(*arcs[3]), (Ids{105}));
    EXPECT_EQ(arcs[3]->getBegin(), nullptr);
    EXPECT_EQ(PetriNetSketch::idOf(arcs[3]->getEnd()), 1);
}

// A chain that comes back to a piece ends there, without end, whichever piece it is.
TEST_F(PetriNetChainTest, ChainsThatComeBackEndWithoutEnd) {
    net.place(1);
    net.piece(100, {1}, {101});
    net.piece(101, {100}, {102}, PetriNetSketch::Directed, 4);
    net.piece(102, {101}, {101});  // back to the piece just before
    net.piece(110, {1}, {111});
    net.piece(111, {110}, {112});
    net.piece(112, {111}, {113});
    net.piece(113, {112}, {111}, PetriNetSketch::Directed, 7);  // round to an earlier one
    net.piece(120, {1}, {121});
    net.piece(121, {120}, {120});  // back to the first piece
    net.buildArcs();

    std::vector<GEArc*> arcs = net.arcList();
    ASSERT_EQ(arcs.size(), 3u);
    EXPECT_EQ(PetriNetSketch::memberIDs(*arcs[0]), (Ids{100, 101, 102}));
    EXPECT_EQ(PetriNetSketch::memberIDs(*arcs[1]), (Ids{110, 111, 112, 113}));
    EXPECT_EQ(arcs[1]->getWeight(), 7);
    EXPECT_EQ(PetriNetSketch::memberIDs(*arcs[2]), (Ids{120, 121}));
    for (GEArc* arc : arcs) {
        EXPECT_EQ(PetriNetSketch::idOf(arc->getBegin()), 1);
        EXPECT_EQ(arc->getEnd(), nullptr);
    }
}

// An end that names neither element nor connection ends the chain without end; an
// element named after such an end still gets its arc.
TEST_F(PetriNetChainTest, EndsThatNameNoElementEndTheChain) {
    net.place(1);
    net.transition(10);
    net.piece(100, {1}, {101});
    net.piece(101, {100}, {999, 10}, PetriNetSketch::Directed, 5);
    net.buildArcs();
    std::vector<GEArc*> arcs = net.arcList();
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[0]->getEnd(), nullptr);
    EXPECT_EQ(PetriNetSketch::idOf(arcs[1]->getEnd()), 10);
    for (GEArc* arc : arcs) {
        EXPECT_EQ(PetriNetSketch::memberIDs(*arc), (Ids{100, 101}));
        EXPECT_EQ(arc->getWeight(), 5);
    }
}

// The first end that names an element ends the chain; otherwise every branch is
// followed, also where branches meet again.
TEST_F(PetriNetChainTest, ForksAndBranchesThatMeetAgainAreFollowedToTheirEnds) {
    net.place(1);
    net.transition(10);
    net.transition(11);
    net.piece(100, {1}, {101, 102});
    net.piece(101, {100}, {10, 102});
    net.piece(102, {100}, {103});
    net.piece(103, {102}, {11});
    net.piece(104, {1}, {105, 106});
    net.piece(105, {104}, {107});
    net.piece(106, {104}, {107});
    net.piece(107, {105, 106}, {11});
    net.buildArcs();

    std::vector<GEArc*> arcs = net.arcList();
    ASSERT_EQ(arcs.size(), 4u);
    EXPECT_EQ(PetriNetSketch::memberIDs(*arcs[0]), (Ids{100, 101}));
    EXPECT_EQ(PetriNetSketch::idOf(arcs[0]->getEnd()), 10);
    EXPECT_EQ(PetriNetSketch::memberIDs(*arcs[1]), (Ids{100, 102, 103}));
    EXPECT_EQ(PetriNetSketch::idOf(arcs[1]->getEnd()), 11);
    // Each branch of 104 starts a chain of its own.
    EXPECT_EQ(PetriNetSketch::memberIDs(*arcs[2]), (Ids{104, 105, 107}));
    EXPECT_EQ(PetriNetSketch::memberIDs(*arcs[3]), (Ids{104, 106, 107}));

    // Within one chain, branches that meet again each go on to the end.
    net.arcs.destroyElements();
    net.piece(200, {1}, {201});
    net.piece(201, {200}, {202, 203});
    net.piece(202, {201}, {204});
    net.piece(203, {201}, {204});
    net.piece(204, {202, 203}, {11});
    net.arcBuilder().followChain(net.place(2), {net.connection(200)}, net.connection(201));
    arcs = net.arcList();
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(PetriNetSketch::memberIDs(*arcs[0]), (Ids{200, 201, 202, 204}));
    EXPECT_EQ(PetriNetSketch::idOf(arcs[0]->getEnd()), 11);
    EXPECT_EQ(PetriNetSketch::memberIDs(*arcs[1]), (Ids{200, 201, 203, 204}));
    EXPECT_EQ(PetriNetSketch::idOf(arcs[1]->getEnd()), 11);
}

// Twelve splits that meet again, one after the other: 4,096 ways. The chain is followed
// for its first 256, each of them whole.
TEST_F(PetriNetChainTest, AChainIsFollowedForAtMost256Ways) {
    net.place(1);
    net.transition(2);
    constexpr int32_t kSplits = 12;
    net.piece(99, {1}, {100});
    net.piece(100, {99}, {101, 102});
    for (int32_t k = 0; k < kSplits; ++k) {
        const int32_t split = 100 + 3 * k;
        const int32_t join = split + 3;
        net.piece(split + 1, {split}, {join});
        net.piece(split + 2, {split}, {join});
        if (k + 1 < kSplits) {
            net.piece(join, {split + 1, split + 2}, {join + 1, join + 2});
        } else {
            net.piece(join, {split + 1, split + 2}, {2});
        }
    }
    net.buildArcs();
    std::vector<GEArc*> arcs = net.arcList();
    ASSERT_EQ(arcs.size(), 256u);
    for (GEArc* arc : arcs) {
        EXPECT_EQ(arc->getMemberCount(), 2 + 2 * kSplits);
        EXPECT_EQ(PetriNetSketch::idOf(arc->getEnd()), 2);
    }
}

// Far more pieces than a call stack would take frames for.
TEST_F(PetriNetChainTest, LongChainsAndLongCyclesCostNoCallDepth) {
    constexpr int32_t kPieces = 100000;
    net.place(1);
    net.transition(2);
    for (int32_t i = 0; i < kPieces; ++i) {
        const int32_t id = 1000 + i;
        const bool last = i == kPieces - 1;
        if (i == 0) {
            net.piece(id, {1}, {id + 1});
        } else {
            net.piece(id, {id - 1}, {last ? 2 : id + 1}, PetriNetSketch::Directed, last ? 9 : 1);
        }
    }
    // A ring of pieces entered from a place: it comes back to its first piece.
    constexpr int32_t kRing = 20000;
    const int32_t ring = 1000000;
    net.piece(ring, {1}, {ring + 1});
    for (int32_t i = 1; i <= kRing; ++i) {
        net.piece(ring + i, {ring + i - 1}, {i == kRing ? ring + 1 : ring + i + 1});
    }
    net.buildArcs();

    std::vector<GEArc*> arcs = net.arcList();
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[0]->getMemberCount(), kPieces);
    EXPECT_EQ(PetriNetSketch::idOf(arcs[0]->getEnd()), 2);
    EXPECT_EQ(arcs[0]->getWeight(), 9);
    EXPECT_EQ(arcs[1]->getMemberCount(), kRing + 1);
    EXPECT_EQ(arcs[1]->getEnd(), nullptr);
}

// Arrowless pieces: away from the element they touch, two-way between elements, and
// along a chain from the directed pieces they are glued to.
TEST_F(PetriNetChainTest, ArrowlessPiecesTakeTheirDirection) {
    net.place(1);
    net.transition(10);
    auto* away = net.piece(100, {}, {1}, PetriNetSketch::Undirected);
    auto* between = net.piece(101, {1}, {10}, PetriNetSketch::Undirected);
    net.piece(102, {1}, {103});
    auto* continues = net.piece(103, {102}, {}, PetriNetSketch::Undirected);
    net.piece(104, {}, {105});
    auto* meets = net.piece(105, {999}, {104}, PetriNetSketch::Undirected);
    auto* torn = net.piece(106, {102, 107}, {999}, PetriNetSketch::Undirected);
    net.piece(107, {}, {106});
    auto* loose = net.piece(108, {}, {}, PetriNetSketch::Undirected);
    net.orient();

    EXPECT_TRUE(away->isState0());
    EXPECT_EQ(away->getBeginIDsCount(), 1);
    EXPECT_EQ(away->getEndIDsCount(), 0);
    EXPECT_TRUE(between->isState1());
    // Continuing a directed piece keeps the way it was drawn; its open end then makes it
    // two-way.
    EXPECT_TRUE(continues->isState1());
    EXPECT_EQ(continues->getBeginID(0), 102);
    // Meeting a directed piece end to end turns it round.
    EXPECT_TRUE(meets->isState0());
    EXPECT_EQ(meets->getBeginID(0), 104);
    EXPECT_EQ(meets->getEndID(0), 999);
    // Fed by one piece and leaving another at the same point, with nothing to say at the
    // other end: undecided, so two-way.
    EXPECT_TRUE(torn->isState1());
    EXPECT_TRUE(loose->isState1());
}

// Directed pieces that start at the same point lose their links to each other; a piece
// that continues another keeps it.
TEST_F(PetriNetChainTest, SiblingLinksAreCutChainLinksKept) {
    net.place(1);
    auto* a = net.piece(100, {1, 101}, {});
    auto* b = net.piece(101, {1, 100}, {});
    auto* trunk = net.piece(102, {}, {103, 104});
    auto* c = net.piece(103, {102, 104}, {});
    auto* d = net.piece(104, {102, 103}, {});
    net.orient();
    EXPECT_EQ(a->getBeginIDsCount(), 1);
    EXPECT_EQ(b->getBeginIDsCount(), 1);
    EXPECT_EQ(trunk->getEndIDsCount(), 2);
    EXPECT_EQ(c->getBeginIDsCount(), 1);
    EXPECT_EQ(c->getBeginID(0), 102);
    EXPECT_EQ(d->getBeginIDsCount(), 1);
    EXPECT_EQ(d->getBeginID(0), 102);
}

}  // namespace
