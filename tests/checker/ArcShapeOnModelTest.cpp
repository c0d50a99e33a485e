// The arrowheads that arcs drawn on pages of the three kinds may carry.
#include <gtest/gtest.h>

#include <string>

#include "simhost/stencil/BlockStencil.h"
#include "simhost/stencil/ERStencil.h"
#include "simhost/stencil/PetriStencil.h"
#include "tests/checker/ModelPage.h"

namespace {

using namespace simhost::stencil;

class ArcShapeOnModel : public ModelPage {
protected:
    static Options arrows(const std::string& begin, const std::string& end) {
        Options options;
        options.beginArrow = begin;
        options.endArrow = end;
        return options;
    }
    // One row of the page per arc: an element of each kind and the arc between them.
    ShapeRef row(Master active, Master passive, Master connector, double y, Options options) {
        Element from = drop(passive, at(1, y, "from" + std::to_string(y)));
        Element to = drop(active, at(4, y, "to" + std::to_string(y)));
        return connect(connector, from, east, to, west, options);
    }
};

TEST_F(ArcShapeOnModel, BlockDiagramArcsWithArrowheadsAtBothEnds) {
    ShapeRef twoHeads =
        row(dropBlockActive, dropBlockPassive, dropBlockConnection, 1, arrows("4", "4"));
    row(dropBlockActive, dropBlockPassive, dropBlockConnection, 3, arrows("0", "0"));
    row(dropBlockActive, dropBlockPassive, dropBlockConnection, 5, arrows("4", "0"));
    row(dropBlockActive, dropBlockPassive, dropAccessArrow, 7, arrows("0", "4"));
    // An access arrow has one arrowhead; without any it counts as two-way as well.
    ShapeRef bareAccess =
        row(dropBlockActive, dropBlockPassive, dropAccessArrow, 9, arrows("0", "0"));
    check();
    ASSERT_TRUE(holder.isBlockDiagram());
    EXPECT_EQ(findings(ArcShape), (Ids{id(twoHeads), id(bareAccess)}));
    EXPECT_TRUE(findings(ArcConnection).empty());
}

TEST_F(ArcShapeOnModel, ERDiagramArcsWithAnyArrowhead) {
    ShapeRef atEnd = row(dropERActive, dropERPassive, dropERConnection, 1, arrows("0", "4"));
    ShapeRef atBegin = row(dropERActive, dropERPassive, dropERConnection, 3, arrows("4", "0"));
    ShapeRef both = row(dropERActive, dropERPassive, dropERConnection, 5, arrows("4", "4"));
    row(dropERActive, dropERPassive, dropERConnection, 7, arrows("0", "0"));
    Options wide = at(7.5, 9, "places");
    wide.width = 2;
    Element relationship = drop(dropBinaryRelationship, wide);
    Element left = drop(dropERPassive, at(6, 9, "left"));
    Element right = drop(dropERPassive, at(9, 9, "right"));
    glue(*part(relationship, 1), visio::visBegin, *left, east);
    glue(*part(relationship, 2), visio::visEnd, *right, west);
    check();
    ASSERT_TRUE(holder.isERDiagram());
    EXPECT_EQ(findings(ArcShape), (Ids{id(atEnd), id(atBegin), id(both)}));
    EXPECT_TRUE(findings(ArcConnection).empty());
}

// Two arrowheads on the first of two pieces are the pieces' join, not a two-way arc.
TEST_F(ArcShapeOnModel, PetriNetArcsWithArrowheadsAtBothEndsOfTheirOnlyPiece) {
    ShapeRef onePiece = row(dropTransition, dropPlace, dropArc, 1, arrows("4", "4"));
    row(dropTransition, dropPlace, dropArc, 3, arrows("4", "0"));
    Element place = drop(dropPlace, at(1, 5, "p"));
    Element transition = drop(dropTransition, at(4, 5, "t"));
    ShapeRef first = draw(dropArc, pointOf(place, east), {2.5, 6}, arrows("4", "4"));
    ShapeRef second = draw(dropArc, {2.5, 6}, pointOf(transition, west));
    glue(*first, visio::visBegin, *place, east);
    glueToConnector(*second, visio::visBegin, *first, visio::visEnd);
    glue(*second, visio::visEnd, *transition, west);
    check();
    ASSERT_TRUE(holder.isPetriNet());
    ASSERT_EQ(holder.getArcs()->getCount(), 3);
    EXPECT_EQ(findings(ArcShape), (Ids{id(onePiece)}));
}

}  // namespace
