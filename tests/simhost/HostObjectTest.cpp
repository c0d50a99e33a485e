// The object model: one object per entity, QueryInterface, parents and containment,
// pages and background pages, deleted objects answering empty values, and the call
// counters.
#include <gtest/gtest.h>

#include "platform/visio/ApplicationLocator.h"
#include "platform/visio/IVEvents.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/host/Addons.h"
#include "simhost/host/Cell.h"
#include "simhost/host/Host.h"

namespace simhost {
namespace {

using namespace visio;

class HostObjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        document = host.newDocument();
        page = document->page(1);
        box = host.addShape(*page, ShapeSpec::box(2, 2, 1, 1).name("Place"));
        group = host.addShape(*page, ShapeSpec::group(5, 5, 2, 2)
                                         .member(ShapeSpec::box(0.5, 0.5, 0.5, 0.5))
                                         .member(ShapeSpec::box(1.5, 1.5, 0.5, 0.5)));
    }

    Host host;
    ComRef<Document> document;
    Page* page = nullptr;
    ComRef<Shape> box;
    ComRef<Shape> group;
};

TEST_F(HostObjectTest, EachEntityIsOneObject) {
    ComRef<IVShapes> shapes = page->Shapes();
    EXPECT_EQ(shapes->Item(1), ComRef<IVShape>(box.get()));
    EXPECT_EQ(shapes->ItemFromID(box->ID()), ComRef<IVShape>(box.get()));
    EXPECT_EQ(box->CellsU("Width")->Shape(), ComRef<IVShape>(box.get()));
    EXPECT_EQ(page->Shapes(), page->Shapes());
    EXPECT_EQ(host.application().ActivePage(), ComRef<IVPage>(page));
    EXPECT_EQ(document->Pages()->Item(1), ComRef<IVPage>(page));
    EXPECT_EQ(host.application().Documents()->Item(1), ComRef<IVDocument>(document.get()));
    EXPECT_EQ(query<IVShape>(ObjectRef(box.get())), ComRef<IVShape>(box.get()));
    // QueryInterface answers only the object's own interface and Object.
    EXPECT_FALSE(query<IVPage>(ObjectRef(box.get())));
    EXPECT_FALSE(query<IVCell>(ObjectRef(box.get())));
    EXPECT_TRUE(query<IVObject>(ObjectRef(page)));
    EXPECT_TRUE(query<IVApplication>(ObjectRef(&host.application())));
}

TEST_F(HostObjectTest, ShapesKnowTheirPlace) {
    auto members = group->memberList();
    ASSERT_EQ(members.size(), 2u);
    // IDs are unique per page and count from 1; the page sheet has ID 0.
    EXPECT_EQ(box->ID(), 1);
    EXPECT_EQ(group->ID(), 2);
    EXPECT_EQ(members[0]->ID(), 3);
    EXPECT_EQ(members[1]->Index(), 2);
    EXPECT_EQ(box->Name(), "Place");
    EXPECT_EQ(group->Name(), "Sheet.2");
    EXPECT_EQ(group->NameID(), "Sheet.2");
    EXPECT_EQ(box->Type(), visTypeShape);
    EXPECT_EQ(group->Type(), visTypeGroup);

    EXPECT_EQ(members[0]->ContainingShape(), ComRef<IVShape>(group.get()));
    EXPECT_EQ(members[0]->Parent(), ObjectRef(group.get()));
    EXPECT_EQ(box->ContainingShape()->ID(), 0);
    EXPECT_EQ(box->ContainingShape()->Type(), visTypePage);
    EXPECT_EQ(box->Parent(), ObjectRef(page));
    EXPECT_EQ(members[0]->ContainingPage(), ComRef<IVPage>(page));
    EXPECT_EQ(members[0]->Document(), ComRef<IVDocument>(document.get()));
    EXPECT_EQ(group->Shapes()->Count(), 2);
    EXPECT_EQ(group->Shapes()->ContainingShape(), ComRef<IVShape>(group.get()));
    EXPECT_EQ(page->Shapes()->ContainingShape()->Type(), visTypePage);
    EXPECT_EQ(box->Shapes()->Count(), 0);

    // Page lookups find members of groups; a group's collection only its own.
    EXPECT_EQ(page->Shapes()->ItemFromID(members[1]->ID()), ComRef<IVShape>(members[1].get()));
    EXPECT_EQ(page->Shapes()->Count(), 2);
    EXPECT_TRUE(group->Shapes()->ItemFromID(members[0]->ID()));
    EXPECT_FALSE(group->Shapes()->ItemFromID(box->ID()));
    EXPECT_FALSE(page->Shapes()->ItemFromID(42));
    EXPECT_FALSE(page->Shapes()->Item(0));

    // A second shape of the same name gets the name with its ID.
    auto twin = host.addShape(*page, ShapeSpec::box(7, 7, 1, 1).name("place"));
    EXPECT_EQ(twin->Name(), "place.5");
}

TEST_F(HostObjectTest, DeletedShapesAnswerEmptyValues) {
    auto member = group->memberList().front();
    ComRef<IVCell> width = member->CellsU("Width");
    ComRef<IVShapes> members = group->Shapes();
    host.deleteShape(*group);

    EXPECT_EQ(group->ID(), 0);
    EXPECT_EQ(group->Name(), "");
    EXPECT_FALSE(group->CellsU("Width"));
    EXPECT_FALSE(group->ContainingPage());
    EXPECT_EQ(member->ID(), 0);
    EXPECT_EQ(width->FormulaU(), "");
    EXPECT_DOUBLE_EQ(width->ResultIU(), 0);
    EXPECT_NE(width->SetFormulaU("3 in"), 0);
    EXPECT_EQ(members->Count(), 0);
    EXPECT_EQ(page->Shapes()->Count(), 1);
    double left = 1, bottom = 1, right = 1, top = 1;
    member->BoundingBox(1, &left, &bottom, &right, &top);
    EXPECT_EQ(left + bottom + right + top, 0);
    member->Delete();  // deleting again does nothing
    EXPECT_EQ(member->RowCount(visSectionUser), 0);
}

TEST_F(HostObjectTest, LockedShapesAreNotDeleted) {
    box->CellsU("LockDelete")->SetFormulaU("True");
    box->Delete();
    host.deleteShape(*box);
    EXPECT_EQ(box->ID(), 1);
    box->CellsU("LockDelete")->SetFormulaU("False");
    box->Delete();
    EXPECT_EQ(box->ID(), 0);
}

// The locks refuse the user's edits, not what an add-on writes through the object model:
// typing a text (directly, or into the text the edit command opens) and a move along a
// locked axis.
TEST_F(HostObjectTest, LocksRefuseTheUsersEditsOnly) {
    box->CellsU("LockTextEdit")->SetFormulaU("True");
    box->CellsU("LockMoveX")->SetFormulaU("True");
    EXPECT_FALSE(host.setText(*box, "typed"));
    host.select(*box);
    host.application().DoCmd(visCmdTextEdit);
    EXPECT_FALSE(host.typeText("typed"));
    box->SetText("written");
    EXPECT_EQ(box->Text(), "written");
    EXPECT_TRUE(box->isMoveLocked(1, 0));
    EXPECT_FALSE(box->isMoveLocked(0, 1));
    box->CellsU("LockTextEdit")->SetFormulaU("False");
    host.application().DoCmd(visCmdTextEdit);
    EXPECT_TRUE(host.typeText("typed"));
    EXPECT_EQ(box->Text(), "typed");
}

TEST_F(HostObjectTest, ClosedDocumentsLeaveEmptyObjects) {
    ComRef<IVPages> pages = document->Pages();
    ComRef<Page> keepPage(page);  // the document lets go of its pages when it closes
    ComRef<IVCell> cell = box->CellsU("PinX");
    ComRef<IVWindow> window = host.application().ActiveWindow();
    host.closeDocument(*document);

    EXPECT_EQ(document->Name(), "");
    EXPECT_FALSE(document->Pages());
    EXPECT_EQ(pages->Count(), 0);
    EXPECT_EQ(page->Name(), "");
    EXPECT_FALSE(page->Shapes());
    EXPECT_EQ(box->ID(), 0);
    EXPECT_EQ(cell->Name(), "");
    EXPECT_EQ(window->Type(), 0);
    EXPECT_FALSE(window->Page());
    EXPECT_FALSE(host.application().ActiveDocument());
    EXPECT_FALSE(host.application().ActivePage());
    EXPECT_EQ(host.application().Documents()->Count(), 0);
}

TEST_F(HostObjectTest, PagesAndBackgroundPages) {
    EXPECT_EQ(page->Name(), "Page-1");
    EXPECT_EQ(page->Index(), 1);
    auto second = host.addPage(*document);
    auto background = host.addPage(*document, "Background");
    EXPECT_EQ(second->Name(), "Page-2");
    EXPECT_EQ(document->Pages()->Count(), 3);

    // Only a background page can stand behind another.
    second->SetBackPage("Background");
    EXPECT_FALSE(second->BackPage());
    background->SetBackground(true);
    second->SetBackPage("Background");
    EXPECT_EQ(second->BackPage(), ComRef<IVPage>(background.get()));
    second->SetBackPage("Nowhere");
    EXPECT_EQ(second->BackPage(), ComRef<IVPage>(background.get()));
    page->SetBackPage("background");  // names compare exactly
    EXPECT_FALSE(page->BackPage());

    // Deleting the background page takes it from the pages it stood behind.
    background->Delete(1);
    EXPECT_FALSE(second->BackPage());
    EXPECT_EQ(document->Pages()->Count(), 2);
    EXPECT_EQ(background->Name(), "");
    second->SetBackPage("");
    EXPECT_FALSE(second->BackPage());

    // Page names stay unique.
    second->SetName("Page-1");
    EXPECT_EQ(second->Name(), "Page-2");

    // The window showing a deleted page turns to the first page.
    Window* window = host.application().activeWindow();
    host.turnToPage(*window, *second);
    second->Delete(1);
    EXPECT_EQ(window->page(), page);

    // A second window on the document; closing the active one activates the other.
    auto another = host.openWindow(*document);
    EXPECT_EQ(host.application().activeWindow(), another.get());
    EXPECT_EQ(host.application().Windows()->Count(), 2);
    host.closeWindow(*another);
    EXPECT_EQ(host.application().activeWindow(), window);
    EXPECT_EQ(another->Type(), 0);
}

TEST_F(HostObjectTest, DropCopiesAShapeWithNewIds) {
    box->setCell("User.Kind", "\"Place\"");
    box->SetText("p1");
    auto other = host.addPage(*document);
    auto copy = other->Drop(ComRef<IVShape>(box.get()), 3, 4);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->ID(), 1);  // the first shape of that page
    EXPECT_EQ(copy->Name(), "Place");
    EXPECT_EQ(copy->Text(), "p1");
    EXPECT_EQ(copy->CellsU("User.Kind")->FormulaU(), "\"Place\"");
    EXPECT_DOUBLE_EQ(copy->CellsU("PinX")->ResultIU(), 3);
    EXPECT_DOUBLE_EQ(copy->CellsU("PinY")->ResultIU(), 4);
    EXPECT_DOUBLE_EQ(box->CellsU("PinX")->ResultIU(), 2);

    auto groupCopy = page->Drop(ComRef<IVShape>(group.get()), 0, 0);
    EXPECT_EQ(groupCopy->Shapes()->Count(), 2);
    EXPECT_EQ(groupCopy->ID(), 5);
    EXPECT_EQ(groupCopy->Shapes()->Item(1)->ID(), 6);

    auto line = host.addShape(*page, ShapeSpec::line(0, 0, 2, 0));
    auto lineCopy = page->Drop(ComRef<IVShape>(line.get()), 5, 5);
    EXPECT_DOUBLE_EQ(lineCopy->CellsU("BeginX")->ResultIU(), 4);
    EXPECT_DOUBLE_EQ(lineCopy->CellsU("EndX")->ResultIU(), 6);
    EXPECT_DOUBLE_EQ(lineCopy->CellsU("EndY")->ResultIU(), 5);
}

TEST_F(HostObjectTest, IdsThatWouldPassTheLastAreRefused) {
    constexpr int32_t last = 2147483646;
    page->setNextShapeId(last - 1);
    std::string problems;
    auto pair = ShapeSpec::group(1, 1, 1, 1).member(ShapeSpec::box(0.5, 0.5, 1, 1));
    EXPECT_FALSE(host.addShape(*page, ShapeSpec::group(1, 1, 1, 1).member(pair), &problems));
    EXPECT_EQ(problems, "page \"Page-1\" has no shape IDs left (they end at 2147483646)");
    auto shape = host.addShape(*page, pair);
    ASSERT_TRUE(shape);
    EXPECT_EQ(shape->memberList()[0]->id(), last);
    EXPECT_FALSE(host.addShape(*page, ShapeSpec::box(1, 1, 1, 1)));
    EXPECT_FALSE(page->Drop(ComRef<IVShape>(box.get()), 1, 1));
    EXPECT_EQ(page->Shapes()->Count(), 3);

    document->setNextPageId(last);
    EXPECT_EQ(host.addPage(*document)->ID(), last);
    EXPECT_FALSE(document->Pages()->Add());
    EXPECT_FALSE(host.addPage(*document, "More", &problems));
    EXPECT_EQ(problems, "document \"" + document->name() +
                            "\" has no page IDs left (they end at 2147483646)");
    EXPECT_EQ(document->Pages()->Count(), 2);
}

TEST_F(HostObjectTest, OneDGroupsArePlacedByTheirEnds) {
    auto arc = host.addShape(
        *page, ShapeSpec::lineGroup(1, 1, 4, 5).member(ShapeSpec::box(2.5, 0, 0.4, 0.3)));
    EXPECT_EQ(arc->Type(), visTypeGroup);
    EXPECT_TRUE(arc->OneD());
    EXPECT_DOUBLE_EQ(arc->CellsU("Width")->ResultIU(), 5);
    double x = 0, y = 0;
    arc->XYToPage(5, 0, &x, &y);  // the end of the arc in its own coordinates
    EXPECT_NEAR(x, 4, 1e-9);
    EXPECT_NEAR(y, 5, 1e-9);
}

TEST_F(HostObjectTest, ApplicationPropertiesAndRegistration) {
    Application& application = host.application();
    EXPECT_EQ(application.TypelibMajorVersion(), 4);
    EXPECT_EQ(application.TypelibMinorVersion(), 11);
    application.setVersion(4, 8);
    EXPECT_EQ(application.TypelibMinorVersion(), 8);
    application.SetHelpPaths("Help;/usr/share/help");
    EXPECT_EQ(application.HelpPaths(), "Help;/usr/share/help");
    EXPECT_NE(application.WindowHandle32(), 0);

    host.registerAddon("QAVSupportTools");
    host.registerAddon("Other");
    EXPECT_EQ(application.Addons()->Count(), 2);
    EXPECT_EQ(application.Addons()->Item(1)->NameU(), "QAVSupportTools");
    EXPECT_FALSE(application.Addons()->Item(3));

    EXPECT_FALSE(ApplicationLocator::getActiveObject());
    host.registerActiveObject();
    EXPECT_EQ(ApplicationLocator::getActiveObject(), host.applicationRef());
    host.withdrawActiveObject();
    EXPECT_FALSE(ApplicationLocator::getActiveObject());
}

TEST_F(HostObjectTest, CountersCountTheAddOnsCalls) {
    host.counters().reset();
    auto cell = box->CellsU("Width");
    cell->ResultIU();
    cell->Result(Variant(std::string("mm")));
    cell->FormulaU();
    cell->SetFormulaU("2 in");
    cell->SetFormulaForceU("2 in");
    cell->SetResultIU(3);
    box->CellExistsU("User.X", 0);
    page->Shapes()->ItemFromID(1);
    box->Text();
    box->SetText("t");
    box->SpatialRelation(ComRef<IVShape>(group.get()), 0.015, 0);
    box->SpatialNeighbors(15, 0.015, 0, Variant());
    const CallCounters& c = host.counters();
    EXPECT_EQ(c.cellLookups, 1u);
    EXPECT_EQ(c.cellReads, 2u);
    EXPECT_EQ(c.formulaReads, 1u);
    EXPECT_EQ(c.formulaWrites, 1u);
    EXPECT_EQ(c.forcedWrites, 1u);
    EXPECT_EQ(c.valueWrites, 1u);
    EXPECT_EQ(c.existenceTests, 1u);
    EXPECT_EQ(c.shapeLookupsById, 1u);
    EXPECT_EQ(c.textReads, 1u);
    EXPECT_EQ(c.textWrites, 1u);
    EXPECT_EQ(c.spatialQueries, 1u);
    EXPECT_EQ(c.neighbourQueries, 1u);
    EXPECT_GT(c.evaluations, 0u);
    host.pump();
    EXPECT_GT(host.counters().eventsDelivered, 0u);
    host.counters().reset();
    EXPECT_EQ(host.counters().cellReads, 0u);
}

TEST(HostLifetime, ReferencesOutliveTheHost) {
    ComRef<IVShape> shape;
    ComRef<IVCell> cell;
    ComRef<IVApplication> application;
    {
        Host host;
        auto document = host.newDocument();
        auto s = host.addShape(*document->page(1), ShapeSpec::box(1, 1, 1, 1));
        shape = ComRef<IVShape>(s.get());
        cell = s->CellsU("Width");
        application = host.applicationRef();
    }
    EXPECT_EQ(shape->ID(), 0);
    EXPECT_EQ(cell->FormulaU(), "");
    EXPECT_FALSE(application->ActiveDocument());
    EXPECT_EQ(application->Documents()->Count(), 0);
    EXPECT_FALSE(application->EventList());
}

}  // namespace
}  // namespace simhost
