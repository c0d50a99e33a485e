// Windows and their selection: select actions, sub-selection inside groups reported by
// iteration mode, AddToGroup, the window setting, and the selection-changed event; a
// selection object held while all that changes reports it, by Item and by GetIDs.
#include <gtest/gtest.h>

#include "platform/visio/VisioConstants.h"
#include "simhost/host/Host.h"
#include "tests/support/EventRecorder.h"

namespace simhost {
namespace {

using namespace visio;

class HostSelectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        document = host.newDocument();
        page = document->page(1);
        box = host.addShape(*page, ShapeSpec::box(1, 1, 1, 1));
        block = host.addShape(
            *page,
            ShapeSpec::group(5, 5, 4, 4)
                .member(ShapeSpec::group(2, 2, 2, 2).member(ShapeSpec::box(1, 1, 0.5, 0.5))));
        inner = block->memberList().front();
        field = inner->memberList().front();
        window = host.application().ActiveWindow();
        held = window->Selection();
    }

    // What a new selection object reports by Item; one held from the start reports the
    // same, by Item and by GetIDs, however the selection changed since.
    std::vector<int32_t> selectedIds(int32_t mode) {
        auto selection = window->Selection();
        selection->SetIterationMode(mode);
        const std::vector<int32_t> ids = itemIds(selection);
        held->SetIterationMode(mode);
        EXPECT_EQ(itemIds(held), ids);
        std::vector<int32_t> answered;
        held->GetIDs(&answered);
        EXPECT_EQ(answered, ids);
        return ids;
    }
    static std::vector<int32_t> itemIds(const ComRef<IVSelection>& selection) {
        std::vector<int32_t> ids;
        for (int32_t i = 1; i <= selection->Count(); ++i) ids.push_back(selection->Item(i)->ID());
        return ids;
    }

    Host host;
    ComRef<Document> document;
    Page* page = nullptr;
    ComRef<Shape> box, block, inner, field;
    ComRef<IVWindow> window;
    ComRef<IVSelection> held;
};

TEST_F(HostSelectionTest, TheWindowShowsAPageOfADrawing) {
    EXPECT_EQ(window->Type(), visDrawing);
    EXPECT_EQ(window->SubType(), visPageWin);
    EXPECT_EQ(window->Page(), ComRef<IVPage>(page));
    EXPECT_EQ(window->Document(), ComRef<IVDocument>(document.get()));
    EXPECT_EQ(window->Selection()->ContainingPage(), ComRef<IVPage>(page));
    EXPECT_EQ(host.application().Windows()->Count(), 1);
    int16_t setting = window->ShowConnectPoints();
    window->SetShowConnectPoints(0);
    EXPECT_EQ(window->ShowConnectPoints(), 0);
    window->SetShowConnectPoints(setting);
    EXPECT_EQ(window->ShowConnectPoints(), setting);
}

TEST_F(HostSelectionTest, SelectActionsChangeTheSelection) {
    testsupport::EventRecorder recorder(host.application());
    recorder.subscribe(visEvtCodeSelChanged);
    window->Select(ComRef<IVShape>(box.get()), visSelect);
    window->Select(ComRef<IVShape>(block.get()), visSelect);
    window->Select(ComRef<IVShape>(block.get()), visSelect);  // no change, no event
    EXPECT_EQ(selectedIds(0), (std::vector<int32_t>{box->ID(), block->ID()}));
    window->Select(ComRef<IVShape>(box.get()), visDeselect);
    EXPECT_EQ(selectedIds(0), std::vector<int32_t>{block->ID()});
    window->Select(ComRef<IVShape>(block.get()), visDeselectAll);
    EXPECT_TRUE(selectedIds(0).empty());
    window->SelectAll();
    EXPECT_EQ(selectedIds(0), (std::vector<int32_t>{box->ID(), block->ID()}));
    window->DeselectAll();
    host.pump();
    EXPECT_EQ(recorder.events().size(), 6u);
    EXPECT_EQ(recorder.events()[0].subject, ObjectRef(window.get()));

    // Shapes of another page are not selected in this window.
    auto other = host.addPage(*document);
    auto stranger = host.addShape(*other, ShapeSpec::box(1, 1, 1, 1));
    window->Select(ComRef<IVShape>(stranger.get()), visSelect);
    EXPECT_TRUE(selectedIds(0).empty());

    // A page turn deselects what the page left behind showed selected, and says so; an
    // empty selection stays unchanged.
    window->Select(ComRef<IVShape>(box.get()), visSelect);
    window->SetPage(other->name());
    window->SetPage(page->name());
    host.pump();
    EXPECT_EQ(recorder.events().size(), 8u);
}

TEST_F(HostSelectionTest, SubSelectedShapesNeedIterationMode256) {
    window->Select(ComRef<IVShape>(block.get()), visSelect);
    window->Select(ComRef<IVShape>(inner.get()), visSubSelect);
    window->Select(ComRef<IVShape>(field.get()), visSubSelect);
    // By default the selection reports the top-level group ...
    EXPECT_EQ(selectedIds(0), std::vector<int32_t>{block->ID()});
    // ... and with 256 the sub-selected shapes without their super-selected groups.
    EXPECT_EQ(selectedIds(visSelModeSkipSuper), std::vector<int32_t>{field->ID()});

    auto selection = window->Selection();
    EXPECT_EQ(selection->IterationMode(), 0);
    selection->SetIterationMode(visSelModeSkipSuper);
    EXPECT_EQ(selection->IterationMode(), visSelModeSkipSuper);
    // The selection object follows the window.
    selection->Select(ComRef<IVShape>(box.get()), visSelect);
    EXPECT_EQ(selection->Count(), 2);
    EXPECT_EQ(selection->Item(2)->ID(), box->ID());
    selection->DeselectAll();
    EXPECT_EQ(window->Selection()->Count(), 0);
}

TEST_F(HostSelectionTest, AddToGroupMovesTheSelectionIntoTheGroupInPlace) {
    // As the logo command does: the new picture is selected, then the block, then the
    // logo area inside it is sub-selected, and the picture goes into the logo area.
    auto picture = host.addShape(*page, ShapeSpec::picture(5, 5, 0.5, 0.5));
    window->Select(ComRef<IVShape>(picture.get()), visSelect);
    window->Select(ComRef<IVShape>(block.get()), visSelect);
    window->Select(ComRef<IVShape>(inner.get()), visSubSelect);
    window->Selection()->AddToGroup();

    EXPECT_EQ(picture->ContainingShape(), ComRef<IVShape>(inner.get()));
    EXPECT_EQ(inner->Shapes()->Count(), 2);
    EXPECT_EQ(inner->Shapes()->Item(2), ComRef<IVShape>(picture.get()));
    EXPECT_EQ(page->Shapes()->Count(), 2);
    EXPECT_EQ(picture->ID(), 5);  // the ID stays
    double x = 0, y = 0;
    picture->XYToPage(0.25, 0.25, &x, &y);  // its pin is where it was on the page
    EXPECT_NEAR(x, 5, 1e-9);
    EXPECT_NEAR(y, 5, 1e-9);
    EXPECT_NEAR(picture->CellsU("PinX")->ResultIU(), 1, 1e-9);  // in the logo area's frame
    EXPECT_EQ(selectedIds(visSelModeSkipSuper), std::vector<int32_t>{inner->ID()});
}

TEST_F(HostSelectionTest, DeletedShapesLeaveTheSelection) {
    window->Select(ComRef<IVShape>(box.get()), visSelect);
    window->Select(ComRef<IVShape>(block.get()), visSelect);
    window->Select(ComRef<IVShape>(field.get()), visSubSelect);
    host.deleteShape(*inner);
    EXPECT_EQ(selectedIds(visSelModeSkipSuper), std::vector<int32_t>{box->ID()});
    box->Delete();
    EXPECT_TRUE(selectedIds(0).empty());

    // A spatial query's answer holds its shapes; one deleted leaves it.
    auto left = host.addShape(*page, ShapeSpec::box(3, 1, 1, 1));
    auto right = host.addShape(*page, ShapeSpec::box(4, 1, 1, 1));
    auto middle = host.addShape(*page, ShapeSpec::box(3.5, 1, 0.5, 0.5));
    ComRef<IVSelection> answer = middle->SpatialNeighbors(15, 0.015, 0, Variant());
    EXPECT_EQ(itemIds(answer), (std::vector<int32_t>{left->ID(), right->ID()}));
    host.deleteShape(*left);
    EXPECT_EQ(itemIds(answer), std::vector<int32_t>{right->ID()});
    std::vector<int32_t> answered;
    answer->GetIDs(&answered);
    EXPECT_EQ(answered, std::vector<int32_t>{right->ID()});

    // A turn to another page empties the selection.
    auto again = host.addShape(*page, ShapeSpec::box(1, 1, 1, 1));
    host.select(*again);
    auto other = host.addPage(*document);
    window->SetPage(other->name());
    EXPECT_TRUE(selectedIds(0).empty());
    EXPECT_EQ(window->Page(), ComRef<IVPage>(other.get()));
}

}  // namespace
}  // namespace simhost
