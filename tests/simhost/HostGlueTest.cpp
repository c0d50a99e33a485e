// Glue records: what Connects and FromConnects report, gluing through cells, and how
// records go with the shapes they name.
#include <gtest/gtest.h>

#include "platform/visio/VisioConstants.h"
#include "simhost/host/Connect.h"
#include "simhost/host/Host.h"

namespace simhost {
namespace {

using namespace visio;

class HostGlueTest : public ::testing::Test {
protected:
    void SetUp() override {
        document = host.newDocument();
        page = document->page(1);
        a = host.addShape(*page, ShapeSpec::box(1, 1, 1, 1)
                                     .cell("Connections.X1", "Width*1")
                                     .cell("Connections.Y1", "Height*0.5")
                                     .cell("Connections.X2", "Width*0.5")
                                     .cell("Connections.Y2", "Height*1"));
        b = host.addShape(*page, ShapeSpec::box(4, 1, 1, 1)
                                     .cell("Connections.X1", "Width*0")
                                     .cell("Connections.Y1", "Height*0.5"));
        arc = host.addShape(*page, ShapeSpec::line(1.5, 1, 3.5, 1));
    }

    Host host;
    ComRef<Document> document;
    Page* page = nullptr;
    ComRef<Shape> a, b, arc;
};

TEST_F(HostGlueTest, RecordsDescribeBothEnds) {
    host.glue(*arc, visBegin, *a, 0);
    host.glue(*arc, visEnd, *b, 0);
    ComRef<IVConnects> connects = arc->Connects();
    ASSERT_EQ(connects->Count(), 2);
    ComRef<IVConnect> begin = connects->Item(1);
    EXPECT_EQ(begin->FromPart(), visBegin);
    EXPECT_EQ(begin->ToPart(), visConnectionPoint);
    EXPECT_EQ(begin->FromSheet(), ComRef<IVShape>(arc.get()));
    EXPECT_EQ(begin->ToSheet(), ComRef<IVShape>(a.get()));
    EXPECT_EQ(begin->FromCell()->Name(), "BeginX");
    EXPECT_EQ(begin->ToCell()->Name(), "Connections.X1");
    EXPECT_EQ(connects->Item(2)->FromPart(), visEnd);
    EXPECT_EQ(connects->Item(2)->ToSheet(), ComRef<IVShape>(b.get()));
    EXPECT_FALSE(connects->Item(3));

    // The targets list the same records as FromConnects.
    ASSERT_EQ(a->FromConnects()->Count(), 1);
    EXPECT_EQ(a->FromConnects()->Item(1), begin);
    EXPECT_EQ(a->Connects()->Count(), 0);

    // Gluing an end again replaces its record; ungluing removes it.
    host.glue(*arc, visBegin, *a, 1);
    ASSERT_EQ(arc->Connects()->Count(), 2);
    EXPECT_EQ(arc->Connects()->Item(2)->ToPart(), visConnectionPoint + 1);
    EXPECT_EQ(begin->FromPart(), 0);  // the replaced record is empty now
    host.unglue(*arc, visEnd);
    EXPECT_EQ(arc->Connects()->Count(), 1);
    EXPECT_EQ(b->FromConnects()->Count(), 0);
}

TEST_F(HostGlueTest, CellsGlueEndsToPointsOrShapes) {
    arc->CellsU("EndX")->GlueTo(b->CellsU("Connections.X1"));
    arc->CellsU("BeginY")->GlueTo(a->CellsU("PinX"));
    ASSERT_EQ(arc->Connects()->Count(), 2);
    EXPECT_EQ(arc->Connects()->Item(1)->FromPart(), visEnd);
    EXPECT_EQ(arc->Connects()->Item(1)->ToPart(), visConnectionPoint);
    EXPECT_EQ(arc->Connects()->Item(2)->FromPart(), visBegin);
    EXPECT_EQ(arc->Connects()->Item(2)->ToPart(), 3);  // the whole shape
    EXPECT_EQ(arc->Connects()->Item(2)->ToCell()->Name(), "PinX");

    // Cells that are no end or no glue target glue nothing.
    arc->CellsU("LineColor")->GlueTo(b->CellsU("Connections.X1"));
    arc->CellsU("EndX")->GlueTo(b->CellsU("LineColor"));
    arc->CellsU("EndX")->GlueTo(arc->CellsU("BeginX"));
    EXPECT_EQ(arc->Connects()->Count(), 2);
}

TEST_F(HostGlueTest, DeletingAShapeTakesTheRecordsThatNameIt) {
    host.glue(*arc, visBegin, *a, 0);
    host.glue(*arc, visEnd, *b, 0);
    ComRef<IVConnect> end = arc->Connects()->Item(2);
    host.deleteShape(*b);
    ASSERT_EQ(arc->Connects()->Count(), 1);
    EXPECT_EQ(arc->Connects()->Item(1)->ToSheet(), ComRef<IVShape>(a.get()));
    EXPECT_FALSE(end->ToSheet());

    arc->Delete();
    EXPECT_EQ(a->FromConnects()->Count(), 0);
}

TEST_F(HostGlueTest, ConnectorsInsideGroupsKeepTheirRecords) {
    auto group = host.addShape(
        *page, ShapeSpec::lineGroup(1.5, 3, 3.5, 3).member(ShapeSpec::line(0, 0, 2, 0)));
    auto piece = group->memberList().front();
    host.glue(*piece, visBegin, *a, 1);
    EXPECT_EQ(piece->Connects()->Count(), 1);
    EXPECT_EQ(a->FromConnects()->Item(1)->FromSheet(), ComRef<IVShape>(piece.get()));
    host.deleteShape(*group);
    EXPECT_EQ(a->FromConnects()->Count(), 0);
}

}  // namespace
}  // namespace simhost
