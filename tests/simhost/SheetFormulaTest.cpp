// Formulas read and written through real cells: units, references to the shape's own
// cells and to other sheets, indexed rows, GUARD, errors and cycles, value writes, and
// the PAR/PNT point conversion through groups.
#include <gtest/gtest.h>

#include "platform/visio/VisioConstants.h"
#include "simhost/host/Cell.h"
#include "simhost/host/Host.h"
#include "tests/support/EventRecorder.h"

namespace simhost {
namespace {

using visio::Variant;

Variant unit(const char* name) {
    return Variant(std::string(name));
}

class SheetFormulaTest : public ::testing::Test {
protected:
    void SetUp() override {
        document = host.newDocument();
        page = document->page(1);
        a = host.addShape(*page, ShapeSpec::box(2, 3, 2, 1).name("Alpha"));
        b = host.addShape(*page, ShapeSpec::box(6, 3, 1, 1));
    }

    visio::ComRef<visio::IVCell> cell(Shape& shape, const std::string& name) {
        if (!shape.CellsU(name)) shape.setCell(name, "0");
        return shape.CellsU(name);
    }

    Host host;
    visio::ComRef<Document> document;
    Page* page = nullptr;
    visio::ComRef<Shape> a;
    visio::ComRef<Shape> b;
};

TEST_F(SheetFormulaTest, ValuesComeInTheUnitAsked) {
    auto width = a->CellsU("Width");
    ASSERT_EQ(width->SetFormulaU("25.4 mm"), 0);
    EXPECT_DOUBLE_EQ(width->ResultIU(), 1);
    EXPECT_NEAR(width->Result(unit("mm")), 25.4, 1e-9);
    EXPECT_NEAR(width->Result(Variant(int32_t(visio::visMillimeters))), 25.4, 1e-9);
    EXPECT_NEAR(width->Result(Variant(int32_t(visio::visPoints))), 72, 1e-9);
    EXPECT_EQ(width->ResultStr(unit("mm")), "25.4 mm");

    auto angle = a->CellsU("Angle");
    ASSERT_EQ(angle->SetFormulaU("90 deg"), 0);
    EXPECT_NEAR(angle->ResultIU(), 1.5707963, 1e-6);
    EXPECT_NEAR(angle->Result(Variant(int32_t(visio::visDegrees))), 90, 1e-9);
    EXPECT_NEAR(a->CellsU("LineWeight")->Result(unit("pt")), 0.72, 1e-9);
}

TEST_F(SheetFormulaTest, FormulasReferToTheirOwnAndOtherSheets) {
    // The default LocPinX is Width*0.5.
    EXPECT_DOUBLE_EQ(a->CellsU("LocPinX")->ResultIU(), 1);
    ASSERT_EQ(cell(*b, "User.FromA")->SetFormulaU("Sheet.1!Width*3"), 0);
    EXPECT_DOUBLE_EQ(b->CellsU("User.FromA")->ResultIU(), 6);
    ASSERT_EQ(b->CellsU("User.FromA")->SetFormulaU("Alpha!Height+ThePage!PageWidth"), 0);
    EXPECT_DOUBLE_EQ(b->CellsU("User.FromA")->ResultIU(), 9.5);

    document->documentSheet()->setCell("User.Scale", "4");
    ASSERT_EQ(b->CellsU("User.FromA")->SetFormulaU("TheDoc!User.Scale*2"), 0);
    EXPECT_DOUBLE_EQ(b->CellsU("User.FromA")->ResultIU(), 8);

    // A change of the referenced cell shows at the next read.
    a->CellsU("Width")->SetFormulaU("5 in");
    b->CellsU("User.FromA")->SetFormulaU("Sheet.1!Width");
    EXPECT_DOUBLE_EQ(b->CellsU("User.FromA")->ResultIU(), 5);
}

TEST_F(SheetFormulaTest, IndexedAndNamedRowsCanBeReferenced) {
    a->setCell("Char.Color[2]", "5");
    a->setCell("User.Marking", "3");
    a->setCell("Actions.Checked[2]", "TRUE");
    ASSERT_EQ(cell(*a, "User.Sum")->SetFormulaU("Char.Color[2]+User.Marking+Actions.Checked[2]"),
              0);
    EXPECT_DOUBLE_EQ(a->CellsU("User.Sum")->ResultIU(), 9);
    page->pageSheet()->setCell("Actions.Checked", "1");
    ASSERT_EQ(cell(*b, "User.Hidden")->SetFormulaU("OR(ThePage!Actions.Checked,FALSE)"), 0);
    EXPECT_DOUBLE_EQ(b->CellsU("User.Hidden")->ResultIU(), 1);
}

TEST_F(SheetFormulaTest, GuardRefusesThePlainWriteOnly) {
    auto color = a->CellsU("LineColor");
    ASSERT_EQ(color->SetFormulaU("=GUARD(RGB(255,0,0))"), 0);
    EXPECT_EQ(color->FormulaU(), "GUARD(RGB(255,0,0))");  // Visio drops the "="
    EXPECT_NE(color->SetFormulaU("2"), 0);
    EXPECT_EQ(color->FormulaU(), "GUARD(RGB(255,0,0))");
    color->SetResult(Variant(int32_t(visio::visNumber)), 3);
    EXPECT_EQ(color->FormulaU(), "GUARD(RGB(255,0,0))");
    EXPECT_EQ(color->SetFormulaForceU("2"), 0);
    EXPECT_EQ(color->FormulaU(), "2");
    EXPECT_EQ(color->SetFormulaU("4"), 0);
}

TEST_F(SheetFormulaTest, BadFormulasAreRefusedAndErrorsReadAsZero) {
    auto width = a->CellsU("Width");
    EXPECT_NE(width->SetFormulaU("3 *"), 0);
    EXPECT_NE(width->SetFormulaForceU("(("), 0);
    EXPECT_EQ(width->FormulaU(), "2 in");

    auto user = cell(*a, "User.Broken");
    ASSERT_EQ(user->SetFormulaU("Sheet.99!Width"), 0);
    EXPECT_EQ(user->FormulaU(), "Sheet.99!Width");
    EXPECT_DOUBLE_EQ(user->ResultIU(), 0);
    EXPECT_EQ(user->ResultStr(unit("")), "#REF!");
    ASSERT_EQ(user->SetFormulaU("User.NoSuchRow"), 0);
    EXPECT_EQ(user->ResultStr(unit("")), "#REF!");
    ASSERT_EQ(user->SetFormulaU("NOSUCHFUNCTION(1)"), 0);
    EXPECT_DOUBLE_EQ(user->ResultIU(), 0);
}

TEST_F(SheetFormulaTest, CyclesAcrossShapesGiveCircError) {
    auto first = cell(*a, "User.A");
    auto second = cell(*b, "User.B");
    ASSERT_EQ(first->SetFormulaU("Sheet.2!User.B+1"), 0);
    ASSERT_EQ(second->SetFormulaU("Sheet.1!User.A+1"), 0);
    EXPECT_EQ(first->ResultStr(unit("")), "#CIRC!");
    EXPECT_DOUBLE_EQ(second->ResultIU(), 0);
    ASSERT_EQ(cell(*a, "User.Self")->SetFormulaU("User.Self*2"), 0);
    EXPECT_EQ(a->CellsU("User.Self")->ResultStr(unit("")), "#CIRC!");
    // Breaking the cycle makes both readable again.
    ASSERT_EQ(second->SetFormulaU("5"), 0);
    EXPECT_DOUBLE_EQ(first->ResultIU(), 6);
}

TEST_F(SheetFormulaTest, ValueWritesBecomeConstantFormulas) {
    auto width = a->CellsU("Width");
    width->SetResult(unit("mm"), 12);
    EXPECT_EQ(width->FormulaU(), "12 mm");
    width->SetResultIU(1.5);
    EXPECT_EQ(width->FormulaU(), "1.5 in");
    auto angle = a->CellsU("Angle");
    angle->SetResultIU(3.14159265358979 / 2);
    EXPECT_NEAR(angle->Result(Variant(int32_t(visio::visDegrees))), 90, 1e-9);
    auto marking = cell(*a, "User.Marking");
    marking->SetResult(Variant(int32_t(visio::visNumber)), 3);
    EXPECT_EQ(marking->FormulaU(), "3");
    // A unit that is none leaves the cell alone.
    marking->SetResult(unit("furlongs"), 4);
    EXPECT_EQ(marking->FormulaU(), "3");
}

TEST_F(SheetFormulaTest, PointsConvertThroughGroupsToTheParent) {
    // A group at (5, 5) of 2 x 2, turned by 90 degrees; a member at (1.5, 1) in it.
    auto group = host.addShape(*page, ShapeSpec::group(5, 5, 2, 2).cell("Angle", "90 deg"));
    auto member = host.addShapeToGroup(*group, ShapeSpec::box(1.5, 1, 0.5, 0.5));
    member->setCell("Connections.X1", "0 in");
    member->setCell("Connections.Y1", "0 in");

    double x = 0, y = 0;
    member->XYToPage(0.25, 0.25, &x, &y);  // the member's pin
    EXPECT_NEAR(x, 5, 1e-9);               // (1.5, 1) of the group turned about (1, 1)
    EXPECT_NEAR(y, 5.5, 1e-9);
    member->XYFromPage(x, y, &x, &y);
    EXPECT_NEAR(x, 0.25, 1e-9);
    EXPECT_NEAR(y, 0.25, 1e-9);

    // A line on the page glued to the member's connection point by PAR(PNT(...)).
    auto line = host.addShape(*page, ShapeSpec::line(0, 0, 1, 1));
    std::string id = std::to_string(member->ID());
    std::string pnt = "PAR(PNT(Sheet." + id + "!Connections.X1,Sheet." + id + "!Connections.Y1))";
    ASSERT_EQ(line->CellsU("EndX")->SetFormulaForceU(pnt), 0);
    ASSERT_EQ(line->CellsU("EndY")->SetFormulaForceU(pnt), 0);
    EXPECT_NEAR(line->CellsU("EndX")->ResultIU(), 5.25, 1e-9);
    EXPECT_NEAR(line->CellsU("EndY")->ResultIU(), 5.25, 1e-9);

    // The same formula in a shape of the group gives the group's coordinates.
    auto inside = host.addShapeToGroup(*group, ShapeSpec::line(0, 0, 1, 1));
    ASSERT_EQ(inside->CellsU("BeginX")->SetFormulaForceU(pnt), 0);
    ASSERT_EQ(inside->CellsU("BeginY")->SetFormulaForceU(pnt), 0);
    EXPECT_NEAR(inside->CellsU("BeginX")->ResultIU(), 1.25, 1e-9);
    EXPECT_NEAR(inside->CellsU("BeginY")->ResultIU(), 0.75, 1e-9);
}

TEST_F(SheetFormulaTest, SetfAndRunAddonTakeEffectOnlyInActions) {
    std::vector<std::pair<std::string, std::string>> runs;
    host.application().hooks().runAddon = [&](const std::string& name, const std::string& args) {
        runs.emplace_back(name, args);
    };
    Shape& sheet = *page->pageSheet();
    sheet.AddSection(visio::visSectionAction);
    sheet.AddRow(visio::visSectionAction, 1, 0);
    sheet.AddRow(visio::visSectionAction, 2, 0);
    ASSERT_EQ(sheet.CellsU("Actions.Action")
                  ->SetFormulaU("=SETF(GetRef(Actions.Checked),NOT(Actions.Checked))"),
              0);
    ASSERT_EQ(sheet.CellsU("Actions.Action[2]")
                  ->SetFormulaU("RUNADDONWARGS(\"QAVSupportTools\",\"SINK=DELBGR\")"),
              0);
    // Reading the formulas does nothing.
    sheet.CellsU("Actions.Action")->ResultIU();
    sheet.CellsU("Actions.Action[2]")->ResultIU();
    EXPECT_DOUBLE_EQ(sheet.CellsU("Actions.Checked")->ResultIU(), 0);
    EXPECT_TRUE(runs.empty());

    host.pump();
    int changes = 0;
    testsupport::EventRecorder recorder(host.application());
    recorder.subscribe(visio::visEvtCodeCellChanged,
                       [&](const testsupport::EventRecorder::Received&) { ++changes; });
    EXPECT_TRUE(host.runAction(sheet, 0));
    EXPECT_DOUBLE_EQ(sheet.CellsU("Actions.Checked")->ResultIU(), 1);
    EXPECT_EQ(changes, 1);  // SETF writes like any other write
    EXPECT_TRUE(host.runAction(sheet, 0));
    EXPECT_DOUBLE_EQ(sheet.CellsU("Actions.Checked")->ResultIU(), 0);
    EXPECT_TRUE(host.runAction(sheet, "Row_2"));
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].first, "QAVSupportTools");
    EXPECT_EQ(runs[0].second, "SINK=DELBGR");
    EXPECT_FALSE(host.runAction(sheet, 5));

    // An action whose add-on deletes the very shape it runs on.
    auto doomed = host.addShape(
        *page, ShapeSpec::box(8, 8, 1, 1)
                   .cell("Actions.Go.Action", "RUNADDONWARGS(\"QAVSupportTools\",\"x\")"));
    Shape* raw = doomed.get();
    doomed.reset();
    host.application().hooks().runAddon = [&](const std::string&, const std::string&) {
        host.deleteShape(*raw);
    };
    EXPECT_TRUE(host.runAction(*raw, "Go"));
}

TEST_F(SheetFormulaTest, EachDistinctTextIsParsedOnce) {
    FormulaCache& cache = host.application().formulas();
    uint64_t before = cache.parses();
    for (int i = 0; i < 5; ++i) {
        a->CellsU("Width")->SetFormulaU("Height*3");
        b->CellsU("Width")->SetFormulaU("Height*3");
        a->CellsU("Width")->ResultIU();
    }
    EXPECT_EQ(cache.parses(), before + 1);
}

}  // namespace
}  // namespace simhost
