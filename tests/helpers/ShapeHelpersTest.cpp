#include <gtest/gtest.h>

#include "helpers/DocumentHelpers.h"
#include "helpers/ShapeHelpers.h"
#include "platform/visio/VObject.h"
#include "platform/visio/VPage.h"
#include "platform/visio/VPages.h"
#include "platform/visio/VSelection.h"
#include "simhost/host/Host.h"
#include "tests/support/HostFixture.h"
#include "tests/support/StandInObjects.h"

namespace {

using simhost::ShapeSpec;

class ShapeHelpersTest : public HostFixture {};

template <class W>
visio::VObject objectOf(const W& wrapper) {
    return visio::VObject(wrapper.asObject());
}

TEST_F(ShapeHelpersTest, FetchesShapesByIndexAndByID) {
    auto first = add(ShapeSpec::box(1, 1, 1, 1));
    auto second = add(ShapeSpec::box(3, 1, 1, 1));
    const visio::VShapes shapes = pageShapes();
    EXPECT_EQ(getShapeByIndex(shapes, 1).ID(), first->id());
    EXPECT_EQ(getShapeByIndex(shapes, 2).ID(), second->id());
    EXPECT_TRUE(getShapeByIndex(shapes, 3).isEmpty());
    EXPECT_EQ(getShapeByID(shapes, second->id()).ID(), second->id());
    EXPECT_TRUE(getShapeByID(shapes, 999).isEmpty());
    EXPECT_TRUE(getShapeByID(visio::VShapes(), first->id()).isEmpty());
}

// A Visio before 2007 does not know GetIDs: nothing comes of it, and the IDs are asked
// shape by shape.
class SelectionWithoutGetIDs : public teststandin::Forwarding<visio::IVSelection> {
public:
    void GetIDs(std::vector<int32_t>*) override {}
};

TEST_F(ShapeHelpersTest, ASelectionsIDsComeInOneCallOrShapeByShape) {
    auto first = add(ShapeSpec::box(1, 1, 1, 1));
    auto second = add(ShapeSpec::box(3, 1, 1, 1));
    host_.select(*second);
    host_.select(*first);
    const std::vector<int32_t> selected = {second->id(), first->id()};
    const visio::VSelection selection(host_.application().ActiveWindow()->Selection());
    host_.counters().reset();
    EXPECT_EQ(getSelectionShapeIDs(selection), selected);
    EXPECT_EQ(host_.counters().hostCalls(), 1u);

    SelectionWithoutGetIDs old;
    old.real = host_.application().ActiveWindow()->Selection();
    const visio::VSelection older{visio::ComRef<visio::IVSelection>(&old)};
    EXPECT_EQ(getSelectionShapeIDs(older), selected);
    EXPECT_EQ(getSelectionShapeIDs(older, [](const visio::VShape& s) { return s.ID() * 10; }),
              (std::vector<int32_t>{second->id() * 10, first->id() * 10}));
    host_.deselectAll();
    EXPECT_TRUE(getSelectionShapeIDs(older).empty());
}

TEST_F(ShapeHelpersTest, TheParentIsTheGroupNeverThePage) {
    auto group = add(ShapeSpec::group(4, 4, 2, 2).member(ShapeSpec::box(0.5, 0.5, 1, 1)));
    auto loose = add(ShapeSpec::box(1, 1, 1, 1));
    const visio::VShape member = getShapeByIndex(wrap(group).Shapes(), 1);
    ASSERT_FALSE(member.isEmpty());
    EXPECT_EQ(getParentShape(member).ID(), group->id());
    EXPECT_TRUE(getParentShape(wrap(loose)).isEmpty());
}

TEST_F(ShapeHelpersTest, IsOtherShapeComparesShapeIDs) {
    auto a = add(ShapeSpec::box(1, 1, 1, 1));
    auto b = add(ShapeSpec::box(3, 1, 1, 1));
    EXPECT_TRUE(isOtherShape(wrap(a), wrap(b)));
    EXPECT_FALSE(isOtherShape(wrap(a), wrap(a)));
    EXPECT_FALSE(isOtherShape(wrap(a), getShapeByID(pageShapes(), a->id())));
    EXPECT_FALSE(isOtherShape(wrap(a), visio::VShape()));
}

TEST_F(ShapeHelpersTest, PagesOfADocument) {
    host_.addPage(document(), "Second");
    add(ShapeSpec::box(1, 1, 1, 1));
    host_.addShape(*document().page(2), ShapeSpec::box(1, 1, 1, 1));
    host_.addShape(*document().page(2), ShapeSpec::box(3, 1, 1, 1));
    const visio::VDocument doc = wrap(document_);
    EXPECT_EQ(getDocumentPageCount(doc), 2);
    EXPECT_EQ(getDocumentPageShapes(doc, 1).Count(), 1);
    EXPECT_EQ(getDocumentPageShapes(doc, 2).Count(), 2);
    EXPECT_TRUE(getDocumentPageShapes(doc, 3).isEmpty());
    EXPECT_EQ(getDocumentPageCount(visio::VDocument()), 0);
}

TEST_F(ShapeHelpersTest, SameDocumentIsTheOtherObjectsDocumentItself) {
    auto other = host_.newDocument();
    const visio::VDocument doc = wrap(document_);
    EXPECT_TRUE(isSameDocument(doc, objectOf(doc)));
    EXPECT_FALSE(isSameDocument(doc, objectOf(wrap(other))));
    // A page or a shape stands for the document it belongs to.
    const visio::VPage firstPage = doc.Pages().Item(1);
    EXPECT_TRUE(isSameDocument(doc, objectOf(firstPage)));
    EXPECT_TRUE(isSameDocument(doc, objectOf(wrap(add(ShapeSpec::box(1, 1, 1, 1))))));
    EXPECT_FALSE(isSameDocument(doc, visio::VObject()));
    EXPECT_FALSE(isSameDocument(visio::VDocument(), objectOf(doc)));
    // One file name in two folders: two documents.
    auto first = host_.openDocument("/d1/net.json");
    auto second = host_.openDocument("/d2/net.json");
    ASSERT_EQ(wrap(first).Name(), wrap(second).Name());
    EXPECT_FALSE(isSameDocument(wrap(first), objectOf(wrap(second))));
}

// What a drawing is called, a stencil's extension among it, never decides: a drawing
// saved as "net.vss" is still the drawing its tools run on.
TEST_F(ShapeHelpersTest, ANameNeverDecidesWhichDocumentItIs) {
    for (const char* name : {"net.vss", "NET.VSSX", "net.vss.json"}) {
        const visio::VDocument drawing = wrap(host_.newDocument(name));
        EXPECT_TRUE(isSameDocument(drawing, objectOf(drawing))) << name;
    }
}

}  // namespace
