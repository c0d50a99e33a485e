// Generated Petri nets: pages drawn with arbitrary connector chains, and connection lists
// made up at random. Whatever is drawn, reading ends, every arc is made of the model's
// connections and begins and ends at elements or nowhere; and the glue resolution gives
// what a plain walk over every pair of connections gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/GEWeightedConnection.h"
#include "model/PetriNetConnectorEnds.h"
#include "model/PetriNetModel.h"
#include "simhost/host/BoxGeometry.h"
#include "simhost/host/ShapeSpec.h"
#include "tests/model/DiagramModelFixture.h"
#include "tests/model/PetriNetSketch.h"

namespace {

using namespace simhost::stencil;
using Random = std::mt19937;

int32_t pick(Random& random, int32_t count) {
    return std::uniform_int_distribution<int32_t>(0, count - 1)(random);
}
bool chance(Random& random, double p) {
    return std::bernoulli_distribution(p)(random);
}

// Every arc holds connections of the model, in order, and begins and ends at one of its
// elements or nowhere; its weight is its last piece's.
void expectSoundArcs(GEElementSet& active, GEElementSet& passive, GEElementSet& connections,
                     GEElementSet& arcs) {
    auto isElement = [&](GEGraphElement* e) {
        return !e || active.getByID(e->getID()) == e || passive.getByID(e->getID()) == e;
    };
    for (GEGraphElement* e = arcs.getFirst(); e != arcs.end(); e = arcs.getNext()) {
        auto* arc = static_cast<GEArc*>(e);
        ASSERT_GE(arc->getMemberCount(), 1);
        for (int32_t i = 0; i < arc->getMemberCount(); ++i) {
            GEConnection* piece = arc->getMember(i);
            ASSERT_NE(piece, nullptr);
            EXPECT_EQ(connections.getByID(piece->getID()), piece);
        }
        EXPECT_TRUE(isElement(arc->getBegin()));
        EXPECT_TRUE(isElement(arc->getEnd()));
        auto* last = static_cast<GEWeightedConnection*>(arc->getMember(arc->getMemberCount() - 1));
        EXPECT_EQ(arc->getWeight(), last->getWeight());
    }
}

// Lists never name their own connection nor an ID twice, and every state is decided.
void expectSoundConnections(GEElementSet& connections) {
    for (GEGraphElement* e = connections.getFirst(); e != connections.end();
         e = connections.getNext()) {
        auto* c = static_cast<GEConnection*>(e);
        EXPECT_TRUE(c->isState0() || c->isState1()) << "connection " << c->getID();
        std::vector<int32_t> seen;
        for (int32_t i = 0; i < c->getBeginIDsCount(); ++i) seen.push_back(c->getBeginID(i));
        EXPECT_EQ(std::count(seen.begin(), seen.end(), c->getID()), 0);
        std::sort(seen.begin(), seen.end());
        EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end());
        seen.clear();
        for (int32_t i = 0; i < c->getEndIDsCount(); ++i) seen.push_back(c->getEndID(i));
        EXPECT_EQ(std::count(seen.begin(), seen.end(), c->getID()), 0);
        std::sort(seen.begin(), seen.end());
        EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end());
    }
}

class PetriNetRandomPages : public DiagramModelFixture,
                            public ::testing::WithParamInterface<uint32_t> {
protected:
    // The model reads glue records only. With the box geometry, glued ends stay where
    // they were drawn instead of following their targets, so that connectors glued onto
    // connectors many deep cost the host no long formula chains.
    PetriNetRandomPages() {
        host_.application().setGeometry(std::make_unique<simhost::BoxGeometry>());
    }

    ShapeRef randomArc(Random& random, double x1, double y1, double x2, double y2) {
        static const char* const kArrows[][2] = {
            {"4", "0"}, {"4", "0"}, {"0", "0"}, {"0", "4"}, {"4", "4"}};
        const auto& arrows = kArrows[pick(random, 5)];
        Options options = from(x1, y1, x2, y2, arrows[0], arrows[1]);
        options.weight = std::to_string(1 + pick(random, 4));
        return dropArc(page(), options);
    }

    // A page of places and transitions joined by chains of one to five pieces; now and
    // then a piece is glued to some other connector, to a plain box, or not at all.
    void drawRandomNet(Random& random) {
        std::vector<ShapeRef> elements;
        for (int32_t i = 0; i < 14; ++i) {
            const double x = 2.0 * (i % 5);
            const double y = 2.0 * (i / 5);
            elements.push_back(i % 2 ? dropTransition(page(), at(x, y))
                                     : dropPlace(page(), at(x, y)));
        }
        ShapeRef box = add(simhost::ShapeSpec::box(20, 20, 1, 1));
        std::vector<ShapeRef> pieces;
        for (int32_t chain = 0; chain < 16; ++chain) {
            const int32_t length = 1 + pick(random, 5);
            ShapeRef previous;
            for (int32_t k = 0; k < length; ++k) {
                ShapeRef piece = randomArc(random, k, chain, k + 1, chain);
                if (k == 0) {
                    if (!chance(random, 0.1)) glueBegin(piece, elements[pick(random, 14)]);
                } else if (!chance(random, 0.1)) {
                    glueBegin(piece, previous);
                }
                if (chance(random, 0.15) && !pieces.empty()) {
                    glueEnd(piece, pieces[pick(random, static_cast<int32_t>(pieces.size()))]);
                } else if (chance(random, 0.05)) {
                    glueEnd(piece, box);
                }
                pieces.push_back(piece);
                previous = piece;
            }
            if (!chance(random, 0.1)) glueEnd(previous, elements[pick(random, 14)]);
        }
    }
};

TEST_P(PetriNetRandomPages, ReadingEndsWithSoundArcs) {
    Random random(GetParam());
    drawRandomNet(random);
    auto model = readPage<PetriNetModel>();
    EXPECT_EQ(model->getActive()->getCount(), 7);
    EXPECT_EQ(model->getPassive()->getCount(), 7);
    EXPECT_GE(model->getArcs()->getCount(), 1);
    expectSoundConnections(*model->getConnections());
    expectSoundArcs(*model->getActive(), *model->getPassive(), *model->getConnections(),
                    *model->getArcs());
    EXPECT_TRUE(messageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Seeds, PetriNetRandomPages, ::testing::Range(1u, 13u));

// --- Connection lists made up at random, without a page.

struct Link {
    int32_t id;
    std::vector<int32_t> begin;
    std::vector<int32_t> end;
    PetriNetSketch::State state;
};

// Connections 100.. glued at random to elements 1..9, to other connections and to shapes
// that are neither (50..59).
std::vector<Link> randomLinks(Random& random, int32_t count, int32_t maxListed) {
    auto randomID = [&]() {
        const int32_t kind = pick(random, 10);
        if (kind < 2) return 1 + pick(random, 9);
        if (kind < 3) return 50 + pick(random, 10);
        return 100 + pick(random, count);
    };
    std::vector<Link> links;
    for (int32_t i = 0; i < count; ++i) {
        Link link{100 + i, {}, {}, static_cast<PetriNetSketch::State>(pick(random, 3))};
        for (int32_t n = pick(random, maxListed + 1); n > 0; --n) link.begin.push_back(randomID());
        for (int32_t n = pick(random, maxListed + 1); n > 0; --n) link.end.push_back(randomID());
        links.push_back(link);
    }
    return links;
}

void sketchLinks(PetriNetSketch& net, const std::vector<Link>& links) {
    for (int32_t id = 1; id <= 9; ++id) {
        if (id % 2) {
            net.place(id);
        } else {
            net.transition(id);
        }
    }
    for (const Link& link : links) {
        GEWeightedConnection* c = net.piece(link.id, {}, {}, link.state, 1 + link.id % 3);
        for (int32_t id : link.begin) c->addBeginID(id);
        for (int32_t id : link.end) c->addEndID(id);
    }
}

// The resolution as a plain walk over every ordered pair, the inner walk moving the one
// cursor the outer walk uses. Without shapes, getArcTarget records at the end.
void resolveByEveryPair(GEElementSet& connections) {
    for (int pass = 0; pass < 2; ++pass) {
        for (GEGraphElement* ce = connections.getFirst(); ce; ce = connections.getNext()) {
            auto& c = static_cast<GEConnection&>(*ce);
            for (GEGraphElement* de = connections.getFirst(); de; de = connections.getNext()) {
                auto& d = static_cast<GEConnection&>(*de);
                const int32_t cid = c.getID();
                const int32_t did = d.getID();
                if (pass == 0) {
                    const bool listed = d.hasBeginID(cid) || d.hasEndID(cid);
                    if ((c.hasBeginID(did) || c.hasEndID(did)) && !listed) d.addEndID(cid);
                    continue;
                }
                for (int side = 0; side < 2; ++side) {
                    const bool atBegin = side == 0;
                    if (!(atBegin ? c.hasBeginID(did) : c.hasEndID(did))) continue;
                    std::vector<int32_t> ids;
                    if (d.hasBeginID(cid)) {
                        for (int32_t i = 0; i < d.getBeginIDsCount(); ++i)
                            ids.push_back(d.getBeginID(i));
                    } else if (d.hasEndID(cid)) {
                        for (int32_t i = 0; i < d.getEndIDsCount(); ++i)
                            ids.push_back(d.getEndID(i));
                    }
                    for (int32_t id : ids) atBegin ? c.addBeginID(id) : c.addEndID(id);
                }
            }
            connections.setCursor(ce);
        }
    }
}

std::vector<std::vector<int32_t>> listsOf(GEElementSet& connections) {
    std::vector<std::vector<int32_t>> lists;
    for (GEGraphElement* e = connections.getFirst(); e; e = connections.getNext()) {
        auto* c = static_cast<GEConnection*>(e);
        std::vector<int32_t> begin;
        std::vector<int32_t> end;
        for (int32_t i = 0; i < c->getBeginIDsCount(); ++i) begin.push_back(c->getBeginID(i));
        for (int32_t i = 0; i < c->getEndIDsCount(); ++i) end.push_back(c->getEndID(i));
        lists.push_back(begin);
        lists.push_back(end);
    }
    return lists;
}

TEST(PetriNetRandomLinks, ResolvingEndsMatchesTheWalkOverEveryPair) {
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        Random random(seed);
        const std::vector<Link> links = randomLinks(random, 2 + pick(random, 25), 3);
        PetriNetSketch resolved;
        sketchLinks(resolved, links);
        PetriNetConnectorEnds(resolved.connections).resolveConnectorEnds(visio::VShapes());
        PetriNetSketch expected;
        sketchLinks(expected, links);
        resolveByEveryPair(expected.connections);
        ASSERT_EQ(listsOf(resolved.connections), listsOf(expected.connections)) << "seed " << seed;
    }
}

// Dense, tangled lists: every analysis step ends and the arcs stay sound.
TEST(PetriNetRandomLinks, TangledListsStillGiveSoundArcs) {
    for (uint32_t seed = 1; seed <= 150; ++seed) {
        Random random(seed);
        PetriNetSketch net;
        sketchLinks(net, randomLinks(random, 3 + pick(random, 18), 3));
        PetriNetConnectorEnds(net.connections).resolveConnectorEnds(visio::VShapes());
        net.orient();
        net.buildArcs();
        expectSoundConnections(net.connections);
        expectSoundArcs(net.active, net.passive, net.connections, net.arcs);
        if (HasFailure()) FAIL() << "seed " << seed;
    }
}

}  // namespace
