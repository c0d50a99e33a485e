// Sections, rows and cells of the ShapeSheet: named rows, Visio's row positions,
// inherited cells and the local-only flag, and cell handles across row changes.
#include <gtest/gtest.h>

#include "platform/visio/VisioConstants.h"
#include "simhost/host/Cell.h"
#include "simhost/host/Host.h"
#include "simhost/host/Shapes.h"
#include "simhost/sheet/ShapeSheet.h"

namespace simhost {
namespace {

using visio::visSectionAction;
using visio::visSectionUser;

class SheetStructureTest : public ::testing::Test {
protected:
    void SetUp() override {
        document = host.newDocument();
        page = document->page(1);
        shape = host.addShape(*page, ShapeSpec::box(2, 2, 1, 1));
    }

    Host host;
    visio::ComRef<Document> document;
    Page* page = nullptr;
    visio::ComRef<Shape> shape;
};

TEST_F(SheetStructureTest, NamedRowsAreAddedOnceAndFoundByName) {
    EXPECT_EQ(shape->SectionExists(visSectionUser, 0), 0);
    EXPECT_EQ(shape->AddNamedRow(visSectionUser, "QAV_ST_Version", 0), 0);
    EXPECT_EQ(shape->AddNamedRow(visSectionUser, "Marking", 0), 1);
    EXPECT_NE(shape->SectionExists(visSectionUser, 1), 0);
    EXPECT_EQ(shape->RowCount(visSectionUser), 2);
    // A second row of the same name (in any letter case) and invalid names are refused.
    EXPECT_EQ(shape->AddNamedRow(visSectionUser, "marking", 0), -1);
    EXPECT_EQ(shape->AddNamedRow(visSectionUser, "two words", 0), -1);
    EXPECT_EQ(shape->AddNamedRow(visSectionUser, "", 0), -1);
    EXPECT_EQ(shape->RowCount(visSectionUser), 2);

    auto value = shape->CellsU("User.Marking");
    auto prompt = shape->CellsU("User.Marking.Prompt");
    ASSERT_TRUE(value);
    ASSERT_TRUE(prompt);
    EXPECT_EQ(value->Row(), 1);
    EXPECT_EQ(value->Column(), 0);
    EXPECT_EQ(prompt->Column(), 1);
    EXPECT_EQ(value->Name(), "User.Marking");
    EXPECT_EQ(prompt->Name(), "User.Marking.Prompt");
    EXPECT_FALSE(shape->CellsU("User.Missing"));
}

TEST_F(SheetStructureTest, AddRowTakesVisioPositions) {
    // Past the end appends, as the title block's menu rows 1, 2, ... rely on.
    EXPECT_EQ(shape->AddSection(visSectionAction), visSectionAction);
    EXPECT_EQ(shape->AddRow(visSectionAction, 1, 0), 0);
    EXPECT_EQ(shape->AddRow(visSectionAction, 2, 0), 1);
    ASSERT_EQ(shape->CellsU("Actions.Menu[2]")->SetFormulaU("\"second\""), 0);
    // Inside the section a row goes in before the row at that position.
    EXPECT_EQ(shape->AddRow(visSectionAction, 0, 0), 0);
    EXPECT_EQ(shape->RowCount(visSectionAction), 3);
    EXPECT_EQ(shape->CellsU("Actions.Menu[3]")->FormulaU(), "\"second\"");
    EXPECT_EQ(shape->AddRow(visSectionAction, ShapeSheet::kAppendRow, 0), 3);

    // Unnamed rows of named sections get Visio's default names.
    EXPECT_TRUE(shape->CellsU("Actions.Row_1.Menu"));

    shape->DeleteRow(visSectionAction, 0);
    EXPECT_EQ(shape->RowCount(visSectionAction), 3);
    EXPECT_EQ(shape->CellsU("Actions.Menu[2]")->FormulaU(), "\"second\"");
    shape->DeleteSection(visSectionAction);
    EXPECT_EQ(shape->SectionExists(visSectionAction, 0), 0);
    EXPECT_EQ(shape->RowCount(visSectionAction), 0);
}

TEST_F(SheetStructureTest, GeometrySectionsKeepTheirComponentRow) {
    // Boxes are made with a closed rectangle: the component row and five vertex rows.
    EXPECT_EQ(shape->RowCount(visio::visSectionFirstComponent), 6);
    EXPECT_NE(shape->CellsSRCExists(10, 1, 0, 1), 0);
    EXPECT_NE(shape->CellsSRCExists(10, 5, 0, 1), 0);
    EXPECT_EQ(shape->CellsSRCExists(10, 6, 0, 0), 0);

    int16_t second = shape->AddSection(visio::visSectionFirstComponent);
    EXPECT_EQ(second, 11);
    EXPECT_EQ(shape->RowCount(second), 1);  // the component row comes with the section
    EXPECT_EQ(shape->AddRow(second, 0, 139), 1);
    EXPECT_TRUE(shape->CellsU("Geometry2.X1"));
    EXPECT_TRUE(shape->CellsU("Geometry2.NoShow"));
    shape->DeleteRow(second, 0);  // the component row goes only with the section
    EXPECT_EQ(shape->RowCount(second), 2);
}

TEST_F(SheetStructureTest, InheritedCellsExistUnlessLocalOnlyIsAsked) {
    auto instance = host.addShape(*page, ShapeSpec::box(4, 4, 1, 1)
                                             .fromMaster()
                                             .inherited("User.QAV_ST_Version", "3")
                                             .inherited("Prop.QAVType", "\"Place\""));
    EXPECT_NE(instance->CellExistsU("User.QAV_ST_Version", 0), 0);
    EXPECT_EQ(instance->CellExistsU("User.QAV_ST_Version", 1), 0);
    EXPECT_NE(instance->SectionExists(visSectionUser, 0), 0);
    EXPECT_EQ(instance->SectionExists(visSectionUser, 1), 0);
    EXPECT_EQ(instance->RowExists(visSectionUser, 0, 1), 0);
    EXPECT_EQ(instance->CellExistsU("LineColor", 1), 0);  // defaults from the master too
    EXPECT_DOUBLE_EQ(instance->CellsU("User.QAV_ST_Version")->ResultIU(), 3);

    // A local write makes the cell, its row and its section local.
    ASSERT_EQ(instance->CellsU("User.QAV_ST_Version")->SetFormulaU("4"), 0);
    EXPECT_NE(instance->CellExistsU("User.QAV_ST_Version", 1), 0);
    EXPECT_NE(instance->RowExists(visSectionUser, 0, 1), 0);
    EXPECT_NE(instance->SectionExists(visSectionUser, 1), 0);
    // The other cell of the row stays inherited.
    EXPECT_EQ(instance->CellExistsU("User.QAV_ST_Version.Prompt", 1), 0);
    EXPECT_EQ(instance->CellExistsU("Prop.QAVType", 1), 0);

    // Plain shapes have their default cells locally.
    EXPECT_NE(shape->CellExistsU("LineColor", 1), 0);
    EXPECT_NE(shape->CellsSRCExists(1, 2, 1, 1), 0);
}

// A group's members are instances of the master's sub-shapes: they inherit every cell,
// the master's own and their placing ones, until written; the empty formula gives the
// master's back. Instances over one formula share what the host keeps of it.
TEST_F(SheetStructureTest, MembersOfAnInstanceInheritAndShareWhatTheyWroteOver) {
    auto instanceOf = [&](double x) {
        return host.addShape(
            *page, ShapeSpec::group(x, 4, 1, 1)
                       .fromMaster()
                       .member(ShapeSpec::box(0.5, 0.5, 1, 1).cell("LineWeight", "2 pt")));
    };
    auto first = instanceOf(4);
    auto second = instanceOf(6);
    const size_t keptBefore = host.application().inheritedFormulas().size();
    for (auto* group : {first.get(), second.get()}) {
        Shape* member = group->members().list().front().get();
        EXPECT_EQ(member->CellExistsU("LineWeight", 1), 0);
        EXPECT_EQ(member->CellExistsU("PinX", 1), 0);
        EXPECT_EQ(member->RowExists(visio::visSectionObject, visio::visRowLock, 1), 0);
        ASSERT_EQ(member->CellsU("LineWeight")->SetFormulaU("5 pt"), 0);
        EXPECT_NE(member->CellExistsU("LineWeight", 1), 0);
    }
    EXPECT_EQ(host.application().inheritedFormulas().size(), keptBefore + 1);
    for (auto* group : {first.get(), second.get()}) {
        Shape* member = group->members().list().front().get();
        ASSERT_EQ(member->CellsU("LineWeight")->SetFormulaU(""), 0);
        EXPECT_EQ(member->CellExistsU("LineWeight", 1), 0);
        EXPECT_EQ(member->CellsU("LineWeight")->FormulaU(), "2 pt");
    }
}

TEST_F(SheetStructureTest, CellHandlesFollowTheirRowAndGoWithIt) {
    shape->AddNamedRow(visSectionUser, "First", 0);
    shape->AddNamedRow(visSectionUser, "Second", 0);
    auto second = shape->CellsU("User.Second");
    ASSERT_EQ(second->SetFormulaU("7"), 0);
    shape->DeleteRow(visSectionUser, 0);
    EXPECT_EQ(second->Row(), 0);
    EXPECT_EQ(second->Name(), "User.Second");
    EXPECT_DOUBLE_EQ(second->ResultIU(), 7);

    shape->DeleteRow(visSectionUser, 0);
    EXPECT_EQ(second->Name(), "");
    EXPECT_EQ(second->FormulaU(), "");
    EXPECT_NE(second->SetFormulaU("8"), 0);
    EXPECT_FALSE(second->Shape());
}

TEST_F(SheetStructureTest, DefaultCellsCarryVisiosFormulas) {
    EXPECT_EQ(shape->CellsU("LineColor")->FormulaU(), "0");
    EXPECT_EQ(shape->CellsU("LineWeight")->FormulaU(), "0.01 in");
    EXPECT_EQ(shape->CellsU("LinePattern")->FormulaU(), "1");
    EXPECT_EQ(shape->CellsU("Char.Color")->FormulaU(), "0");
    EXPECT_EQ(shape->CellsU("Char.Style")->FormulaU(), "0");
    EXPECT_EQ(shape->CellsU("Char.Size")->FormulaU(), "8 pt");
    EXPECT_EQ(shape->CellsU("EndArrow")->FormulaU(), "0");
    EXPECT_FALSE(shape->CellsU("BeginX"));  // 2-D shapes have no 1-D row
    EXPECT_FALSE(shape->CellsU("PageWidth"));

    auto line = host.addShape(*page, ShapeSpec::line(0, 0, 3, 4));
    EXPECT_TRUE(line->OneD());
    EXPECT_TRUE(line->CellsU("BeginX"));
    EXPECT_DOUBLE_EQ(line->CellsU("Width")->ResultIU(), 5);
    EXPECT_NEAR(line->CellsU("Angle")->Result(visio::Variant(std::string("deg"))), 53.1301, 1e-4);
    EXPECT_DOUBLE_EQ(line->CellsU("PinX")->ResultIU(), 1.5);

    auto sheet = page->PageSheet();
    EXPECT_EQ(sheet->Type(), visio::visTypePage);
    EXPECT_EQ(sheet->ID(), 0);
    EXPECT_DOUBLE_EQ(sheet->CellsU("PageWidth")->ResultIU(), 8.5);
    EXPECT_TRUE(sheet->CellsU("XGridSpacing"));
    EXPECT_EQ(document->DocumentSheet()->Type(), visio::visTypeDoc);
}

TEST(ShapeSheet, EnsureCellAddsWhatANameNeeds) {
    ShapeSheet sheet;
    CellAddress address;
    ASSERT_TRUE(sheet.ensureCell("Connections.X3", &address));
    EXPECT_EQ(address, (CellAddress{7, 2, 0}));
    EXPECT_EQ(sheet.rowCount(7), 3);
    ASSERT_TRUE(sheet.ensureCell("Char.Color[2]", &address));
    EXPECT_EQ(address, (CellAddress{3, 1, 1}));
    ASSERT_TRUE(sheet.ensureCell("User.Row.Prompt", &address));
    EXPECT_EQ(address, (CellAddress{242, 0, 1}));
    ASSERT_TRUE(sheet.ensureCell("Scratch.X6", &address));
    EXPECT_EQ(sheet.rowCount(6), 6);
    EXPECT_FALSE(sheet.ensureCell("NoSuchCell", &address));
    EXPECT_FALSE(sheet.ensureCell("User.", &address));
}

}  // namespace
}  // namespace simhost
