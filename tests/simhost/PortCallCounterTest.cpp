// The port's calls counted per member row: each wrapper call once, whatever the stand-in
// does to answer it; no call for an empty wrapper or for the stand-in's own work.
#include <gtest/gtest.h>

#include "platform/visio/Wrappers.h"
#include "simhost/host/Host.h"

namespace simhost {
namespace {

using namespace visio;

TEST(PortCallCounterTest, EveryWrapperCallCountsOnceUnderItsMember) {
    Host host;
    auto document = host.newDocument();
    auto box = host.addShape(*document->page(1), ShapeSpec::box(2, 2, 1, 1));
    const VShapes shapes(document->page(1)->Shapes());
    host.counters().reset();

    const VShape shape = shapes.ItemFromID(box->ID());
    shape.ID();
    shape.ID();
    shape.CellsU("Width").ResultIU();
    shape.SetText("t");
    VShape().ID();  // nothing to call
    box->Text();    // the stand-in reached directly
    shapes.ContainingPage().SetFormulas({static_cast<int16_t>(box->ID()), 1, 2, 1}, {"3"},
                                        10);  // one call, whatever it does

    const CallCounters& c = host.counters();
    EXPECT_EQ(c.callsOf<IVShape>("ID"), 2u);
    EXPECT_EQ(c.callsOf<IVShapes>("ItemFromID"), 1u);
    EXPECT_EQ(c.callsOf<IVCell>("ResultIU"), 1u);
    EXPECT_EQ(c.callsOf<IVPage>("SetFormulas"), 1u);
    EXPECT_EQ(c.hostCalls(), 8u)
        << "ItemFromID, 2 ID, CellsU, ResultIU, SetText, ContainingPage, SetFormulas";
    EXPECT_EQ(c.textReads, 1u) << "the named counters still see what reaches the stand-in";
    const std::vector<MemberCallCount> ranking = c.mostCalledMembers();
    ASSERT_FALSE(ranking.empty());
    EXPECT_EQ(ranking.front().member, "Shape.ID");
    EXPECT_EQ(memberName(IVShape::kId, memberRowIndex<IVShape>("SetText")), "Shape.Text (put)");
}

TEST(PortCallCounterTest, TheLatestHostCountsAndTheEarlierOneResumes) {
    Host outer;
    VApplication application(outer.applicationRef());
    {
        Host inner;
        application.ActiveDocument();
        EXPECT_EQ(inner.counters().hostCalls(), 1u);
        EXPECT_EQ(outer.counters().hostCalls(), 0u);
    }
    application.ActiveDocument();
    EXPECT_EQ(outer.counters().hostCalls(), 1u);
}

}  // namespace
}  // namespace simhost
