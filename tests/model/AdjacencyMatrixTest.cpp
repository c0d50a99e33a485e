#include <gtest/gtest.h>

#include "FakeVisio.h"
#include "model/GEAdjacencyMatrix.h"
#include "model/GEConnection.h"
#include "model/GEElementSet.h"
#include "model/GEGraphElement.h"
#include "model/SavedFormulaIndex.h"

namespace {

constexpr uint16_t kNone = GEAdjacencyMatrix::kNotExamined;

class AdjacencyMatrixTest : public ::testing::Test {
protected:
    ~AdjacencyMatrixTest() override {
        active.destroyElements();
        passive.destroyElements();
        connections.destroyElements();
    }

    template <class E = GEGraphElement>
    E* element(GEElementSet& set, int32_t id) {
        E* e = new E;
        e->setID(id);
        set.insert(e);
        return e;
    }

    void build() { matrix.build(page.shapes(), &active, &passive, &connections, &index); }

    fake::Page page;
    GEElementSet active;
    GEElementSet passive;
    GEElementSet connections;
    SavedFormulaIndex index;
    GEAdjacencyMatrix matrix;
};

TEST_F(AdjacencyMatrixTest, NumbersTheElementsOfAllThreeSets) {
    for (int32_t id : {1, 2, 3, 4}) page.add(id);
    element(active, 1);
    element(passive, 2);
    element(passive, 3);
    element<GEConnection>(connections, 4);
    build();
    EXPECT_EQ(matrix.getSize(), 4);
    EXPECT_EQ(matrix.getRelation(1, 4), kNone);
    EXPECT_EQ(matrix.getRelation(1, 5), kNone);
}

TEST_F(AdjacencyMatrixTest, EntersTheRelationAndItsMirror) {
    fake::Shape& box = page.add(1);
    fake::Shape& inner = page.add(2);
    fake::Shape& side = page.add(3);
    fake::Page::relate(inner, box, 4);  // inner lies in box
    fake::Page::relate(box, side, 8);
    GEGraphElement* boxElement = element(active, 1);
    GEGraphElement* innerElement = element(passive, 2);
    GEGraphElement* sideElement = element(passive, 3);
    build();

    EXPECT_EQ(matrix.getRelation(1, 2), 2);
    EXPECT_EQ(matrix.getRelation(2, 1), 4);
    EXPECT_TRUE(matrix.isContainedIn(innerElement, boxElement));
    EXPECT_FALSE(matrix.isContainedIn(boxElement, innerElement));
    EXPECT_TRUE(matrix.isTouching(boxElement, sideElement));
    EXPECT_TRUE(matrix.isTouching(sideElement, boxElement));
    EXPECT_FALSE(matrix.isTouching(innerElement, sideElement));
    EXPECT_EQ(matrix.getRelation(2, 3), kNone);
}

TEST_F(AdjacencyMatrixTest, ElementsThatAreNotNumberedAnswerFalse) {
    fake::Shape& a = page.add(1);
    fake::Shape& b = page.add(2);
    fake::Page::relate(a, b, 8);
    GEGraphElement* numbered = element(active, 1);
    element(active, 2);
    build();
    GEGraphElement stranger;
    stranger.setID(2);  // the same shape ID as a numbered element: that one's row
    GEGraphElement unknown;
    unknown.setID(77);
    EXPECT_TRUE(matrix.isTouching(numbered, &stranger));
    EXPECT_FALSE(matrix.isTouching(numbered, &unknown));
    EXPECT_FALSE(matrix.isContainedIn(&unknown, numbered));
    EXPECT_FALSE(matrix.isTouching(numbered, nullptr));

    GEAdjacencyMatrix empty;
    EXPECT_FALSE(empty.isTouching(numbered, numbered));
    EXPECT_FALSE(empty.isContainedIn(numbered, numbered));
}

TEST_F(AdjacencyMatrixTest, ExaminesEachPairOnce) {
    fake::Shape& a = page.add(1);
    fake::Shape& b = page.add(2);
    fake::Page::relate(a, b, 1);
    b.relations[1] = 8;  // b would answer differently; the first answer stays
    element(active, 1);
    element(active, 2);
    build();
    EXPECT_EQ(a.relationQueries + b.relationQueries, 1);
    EXPECT_EQ(matrix.getRelation(1, 2), 1);
    EXPECT_EQ(matrix.getRelation(2, 1), 1);
}

TEST_F(AdjacencyMatrixTest, SeesThroughPlainGroupsToTheirRegisteredShapes) {
    fake::Shape& group = page.add(10);
    fake::Shape& member1 = page.add(11);
    fake::Shape& member2 = page.add(12);
    fake::Shape& outside = page.add(20);
    fake::Page::group(member1, group);
    fake::Page::group(member2, group);
    outside.neighbours.push_back(&group);
    outside.relations = {{11, 8}, {12, 2}};
    index.beginElement(10, page.shape(10));
    index.addShape(11, page.shape(11));
    index.addShape(12, page.shape(12));
    index.endElement();
    element(active, 11);
    element(active, 12);
    element(passive, 20);
    build();
    EXPECT_EQ(matrix.getRelation(20, 11), 8);
    EXPECT_EQ(matrix.getRelation(11, 20), 8);
    EXPECT_EQ(matrix.getRelation(20, 12), 2);
    EXPECT_EQ(matrix.getRelation(12, 20), 4);
}

TEST_F(AdjacencyMatrixTest, AShapeInAGroupAsksItsGroupForNeighbours) {
    fake::Shape& group = page.add(10);
    fake::Shape& member = page.add(11);
    fake::Shape& other = page.add(20);
    fake::Page::group(member, group);
    group.neighbours.push_back(&other);
    member.relations[20] = 8;
    element(active, 11);
    element(passive, 20);
    build();
    EXPECT_EQ(member.neighbourQueries, 0);
    EXPECT_GE(group.neighbourQueries, 1);
    EXPECT_EQ(matrix.getRelation(11, 20), 8);
}

// Two touching connectors are joined only when they share an end point.
TEST_F(AdjacencyMatrixTest, TouchingConnectionsApartFromTheirEndsGet16) {
    fake::Shape& horizontal = page.add(1);
    fake::Shape& endOnMiddle = page.add(2);
    fake::Shape& endToBegin = page.add(3);
    horizontal.setVertices({{0, 0}, {4, 0}});
    endOnMiddle.setVertices({{2, 3}, {2, 0}});
    endToBegin.setVertices({{4, 0}, {4, 2}});
    fake::Page::relate(horizontal, endOnMiddle, 8);
    fake::Page::relate(horizontal, endToBegin, 8);
    element<GEConnection>(connections, 1);
    element<GEConnection>(connections, 2);
    element<GEConnection>(connections, 3);
    build();
    EXPECT_EQ(matrix.getRelation(1, 2), 16);
    EXPECT_EQ(matrix.getRelation(2, 1), 16);
    EXPECT_EQ(matrix.getRelation(1, 3), 8);
    EXPECT_EQ(matrix.getRelation(3, 1), 8);
}

TEST_F(AdjacencyMatrixTest, EndPointsAreComparedOnThePage) {
    fake::Shape& a = page.add(1);
    fake::Shape& b = page.add(2);
    a.setVertices({{0, 0}, {1, 0}});
    b.setVertices({{0, 0}, {0, 1}});  // the same local points, elsewhere on the page
    b.pageOffsetX = 5;
    fake::Page::relate(a, b, 8);
    element<GEConnection>(connections, 1);
    element<GEConnection>(connections, 2);
    build();
    EXPECT_EQ(matrix.getRelation(1, 2), 16);
}

TEST_F(AdjacencyMatrixTest, OnlyConnectionsAreRefined) {
    fake::Shape& line = page.add(1);
    fake::Shape& box = page.add(2);
    line.setVertices({{0, 0}, {4, 0}});
    box.setVertices({{1, 1}, {2, 1}, {2, 2}});
    fake::Page::relate(line, box, 8);
    element<GEConnection>(connections, 1);
    element(passive, 2);
    build();
    EXPECT_EQ(matrix.getRelation(1, 2), 8);
}

}  // namespace
