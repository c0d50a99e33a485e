// The adjacency matrix over shapes of the stand-in host: which pairs it examines, what
// it enters for both shapes of a pair, and how it sees through groups.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "helpers/ShapeHelpers.h"
#include "model/GEConnection.h"
#include "tests/model/ModelOnHostFixture.h"

namespace {

using simhost::ShapeSpec;

constexpr uint16_t kNone = GEAdjacencyMatrix::kNotExamined;

class AdjacencyMatrixTest : public ModelOnHost {};

TEST_F(AdjacencyMatrixTest, NumbersTheElementsOfAllThreeSets) {
    auto first = element(active, add(ShapeSpec::box(1, 1, 1, 1)));
    element(passive, add(ShapeSpec::box(4, 1, 1, 1)));
    element(passive, add(ShapeSpec::box(7, 1, 1, 1)));
    auto line = element<GEConnection>(connections, add(ShapeSpec::line(1, 5, 7, 5)));
    build();
    EXPECT_EQ(matrix.getSize(), 4);
    EXPECT_EQ(relation(first, line), kNone);
    EXPECT_EQ(matrix.getRelation(first->getID(), 999), kNone);
}

TEST_F(AdjacencyMatrixTest, EntersTheRelationAndItsMirror) {
    auto box = element(active, add(ShapeSpec::box(3, 3, 2, 2)));
    auto inner = element(passive, add(ShapeSpec::box(3, 3, 0.5, 0.5)));
    auto side = element(passive, add(ShapeSpec::box(5, 3, 2, 2)));
    build();

    EXPECT_EQ(relation(box, inner), 2);
    EXPECT_EQ(relation(inner, box), 4);
    EXPECT_TRUE(matrix.isContainedIn(inner, box));
    EXPECT_FALSE(matrix.isContainedIn(box, inner));
    EXPECT_TRUE(matrix.isTouching(box, side));
    EXPECT_TRUE(matrix.isTouching(side, box));
    EXPECT_FALSE(matrix.isTouching(inner, side));
    EXPECT_EQ(relation(inner, side), kNone);
}

TEST_F(AdjacencyMatrixTest, ElementsThatAreNotNumberedAnswerFalse) {
    GEGraphElement* numbered = element(active, add(ShapeSpec::box(1, 1, 1, 1)));
    GEGraphElement* other = element(active, add(ShapeSpec::box(2, 1, 1, 1)));
    build();
    GEGraphElement stranger;
    stranger.setID(other->getID());  // the same shape ID as a numbered element: that one's row
    GEGraphElement unknown;
    unknown.setID(999);
    EXPECT_TRUE(matrix.isTouching(numbered, &stranger));
    EXPECT_FALSE(matrix.isTouching(numbered, &unknown));
    EXPECT_FALSE(matrix.isContainedIn(&unknown, numbered));
    EXPECT_FALSE(matrix.isTouching(numbered, nullptr));

    GEAdjacencyMatrix empty;
    EXPECT_FALSE(empty.isTouching(numbered, numbered));
    EXPECT_FALSE(empty.isContainedIn(numbered, numbered));
}

// Both shapes find each other as neighbours; only the first asks Visio for the relation,
// and the second gets the mirror of that answer.
TEST_F(AdjacencyMatrixTest, ExaminesEachPairOnce) {
    auto outer = element(active, add(ShapeSpec::box(3, 3, 2, 2)));
    auto inner = element(active, add(ShapeSpec::box(3, 3, 1, 1)));
    host_.counters().reset();
    build();
    EXPECT_EQ(host_.counters().spatialQueries, 1u);
    EXPECT_EQ(relation(outer, inner), 2);
    EXPECT_EQ(relation(inner, outer), 4);
}

// A plain group is no element: the shapes registered under it stand in its place. The
// shape outside lies in a group of its own, under which nothing is registered, so only
// its side can find the pairs.
TEST_F(AdjacencyMatrixTest, SeesThroughPlainGroupsToTheirRegisteredShapes) {
    auto plain = add(ShapeSpec::group(7, 1, 2, 1)
                         .member(ShapeSpec::box(0.5, 0.5, 1, 1))
                         .member(ShapeSpec::box(1.5, 0.5, 0.5, 0.5)));
    auto other = add(ShapeSpec::group(8, 1, 2, 2).member(ShapeSpec::box(1, 1, 2, 2)));
    const auto members = plain->memberList();
    index.beginElement(plain->id(), wrap(plain));
    for (const auto& m : members) index.addShape(m->id(), wrap(m));
    index.endElement();
    // Beside the first member and around the second one.
    auto outside = element(active, other->memberList()[0]);
    auto touched = element(passive, members[0]);
    auto enclosed = element(passive, members[1]);
    build();
    EXPECT_EQ(relation(outside, touched), 8);
    EXPECT_EQ(relation(touched, outside), 8);
    EXPECT_EQ(relation(outside, enclosed), 2);
    EXPECT_EQ(relation(enclosed, outside), 4);
}

// The member is examined with what lies beside its group, even where that does not
// touch the member itself.
TEST_F(AdjacencyMatrixTest, AShapeInAGroupAsksItsGroupForNeighbours) {
    auto group = add(ShapeSpec::group(7, 1, 2, 1)
                         .member(ShapeSpec::box(0.5, 0.5, 1, 1))
                         .member(ShapeSpec::box(1.5, 0.5, 1, 1)));
    auto member = element(active, group->memberList()[0]);
    auto besideTheOtherMember = element(passive, add(ShapeSpec::box(8.5, 1, 1, 1)));
    build();
    EXPECT_EQ(relation(member, besideTheOtherMember), 0);
    EXPECT_EQ(relation(besideTheOtherMember, member), 0);
}

// Two touching connectors are joined only when they share an end point.
TEST_F(AdjacencyMatrixTest, TouchingConnectionsApartFromTheirEndsGet16) {
    auto horizontal = element<GEConnection>(connections, add(ShapeSpec::line(0, 0, 4, 0)));
    auto endOnMiddle = element<GEConnection>(connections, add(ShapeSpec::line(2, 3, 2, 0)));
    auto endToBegin = element<GEConnection>(connections, add(ShapeSpec::line(4, 0, 4, 2)));
    build();
    EXPECT_EQ(relation(horizontal, endOnMiddle), 16);
    EXPECT_EQ(relation(endOnMiddle, horizontal), 16);
    EXPECT_EQ(relation(horizontal, endToBegin), 8);
    EXPECT_EQ(relation(endToBegin, horizontal), 8);
}

TEST_F(AdjacencyMatrixTest, EndPointsAreComparedOnThePage) {
    // Both lines run from (0,0) to (1,0) in their own coordinates.
    auto a = element<GEConnection>(connections, add(ShapeSpec::line(0, 0, 1, 0)));
    auto b = element<GEConnection>(connections, add(ShapeSpec::line(0.5, 0, 0.5, 1)));
    build();
    EXPECT_EQ(relation(a, b), 16);
}

// Lines drawn from one point at any slant share it: lines on the page and lines that are
// members of 1-D groups, as the notation's arcs draw them. A point is one within the
// tolerance of the spatial queries, since computed coordinates seldom agree to the bit.
TEST_F(AdjacencyMatrixTest, LinesFromOnePointAtASlantShareIt) {
    const double ends[][4] = {
        {3.5, 1, 1.3, 3.1}, {3.5, 1, 6.7, 2.9},       {3.5, 1, 5.9, -1.7},      {3.5, 1, 0.2, -0.9},
        {3.5, 1, 3.6, 4.4}, {3.505, 1.003, 7.1, 1.3}, {3.497, 0.998, 2.2, -2.6}};
    std::vector<GEConnection*> lines;
    ShapesByID members;
    for (const auto& e : ends) {
        lines.push_back(
            element<GEConnection>(connections, add(ShapeSpec::line(e[0], e[1], e[2], e[3]))));
        const double length = std::hypot(e[2] - e[0], e[3] - e[1]);
        auto group = add(
            ShapeSpec::lineGroup(e[0], e[1], e[2], e[3]).member(ShapeSpec::line(0, 0, length, 0)));
        lines.push_back(element<GEConnection>(connections, group));
        members.emplace(group->id(), wrap(group->memberList()[0].get()));
    }
    matrix.build(pageShapes(), &active, &passive, &connections, &index, nullptr, KnownShapes(),
                 [&](int32_t id) {
                     auto member = members.find(id);
                     if (member == members.end())
                         return DrawnLine{getShapeByID(pageShapes(), id), std::nullopt, id};
                     return DrawnLine{member->second, std::nullopt, std::nullopt};
                 });
    for (GEConnection* a : lines) {
        for (GEConnection* b : lines) {
            if (a == b) continue;
            EXPECT_EQ(relation(a, b), 8) << a->getID() << " and " << b->getID();
        }
    }
}

// On crowded pages the relations of an element with many neighbours come from one search
// per relation; every pair must get the code that asking the pair gives, mirrors and
// touching connections' refinement included, for fewer calls.
TEST_F(AdjacencyMatrixTest, SearchingPerRelationEntersWhatAskingEachPairEnters) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> at(0, 4);
    std::uniform_real_distribution<double> side(0.1, 2.5);
    for (int page = 0; page < 6; ++page) {
        document_ = host_.newDocument();
        std::vector<GEGraphElement*> elements;
        for (int i = 0; i < 40; ++i) {
            GEElementSet& set = i % 2 ? active : passive;
            elements.push_back(element(
                set, add(ShapeSpec::box(at(random), at(random), side(random), side(random)))));
        }
        for (int i = 0; i < 25; ++i) {
            elements.push_back(element<GEConnection>(
                connections, add(ShapeSpec::line(at(random), at(random), at(random), at(random)))));
        }
        host_.counters().reset();
        build();
        const uint64_t perPairCalls = host_.counters().spatialQueries;
        GEAdjacencyMatrix searched;
        searched.setRelationQueries(GEAdjacencyMatrix::RelationQueries::SearchWhereFewer);
        host_.counters().reset();
        searched.build(pageShapes(), &active, &passive, &connections, &index);
        EXPECT_LT(host_.counters().spatialQueries + host_.counters().neighbourQueries,
                  perPairCalls);
        for (GEGraphElement* a : elements) {
            for (GEGraphElement* b : elements) {
                ASSERT_EQ(searched.getRelation(a->getID(), b->getID()), relation(a, b))
                    << "page " << page << ": " << a->getID() << " and " << b->getID();
            }
        }
        active.destroyElements();
        passive.destroyElements();
        connections.destroyElements();
    }
}

TEST_F(AdjacencyMatrixTest, OnlyConnectionsAreRefined) {
    auto line = element<GEConnection>(connections, add(ShapeSpec::line(0, 0, 4, 0)));
    auto box = element(passive, add(ShapeSpec::box(2, 0.5, 1, 1)));
    build();
    EXPECT_EQ(relation(line, box), 8);
}

}  // namespace
