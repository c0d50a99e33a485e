#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "helpers/CellHelpers.h"
#include "helpers/ShapeHelpers.h"
#include "platform/visio/VisioConstants.h"
#include "tests/support/HostFixture.h"

namespace {

using simhost::ShapeSpec;

class CellHelpersTest : public HostFixture {};

// A string cell reads as the text it gives, whatever formula gives it.
TEST_F(CellHelpersTest, GetCellStringReadsTheTextTheCellGives) {
    auto shape = add(ShapeSpec::box(1, 1, 1, 1)
                         .cell("User.Quoted", "\"abc\"")
                         .cell("User.Empty", "\"\"")
                         .cell("User.Joined", "\"Place \"&\"name\"")
                         .cell("User.Nested", "\"Say \"\"hi\"\"\"")
                         .cell("User.Ref", "User.Quoted")
                         .cell("User.Plain", "12"));
    const visio::VShape s = wrap(shape);
    EXPECT_EQ(getCellString(s, "User.Quoted"), "abc");
    EXPECT_EQ(getCellString(s, "User.Empty"), "");
    EXPECT_EQ(getCellString(s, "User.Joined"), "Place name");
    EXPECT_EQ(getCellString(s, "User.Nested"), "Say \"hi\"");
    EXPECT_EQ(getCellString(s, "User.Ref"), "abc");
    EXPECT_EQ(getCellString(s, "User.Plain"), "12");
    EXPECT_EQ(getCellString(s, "User.Missing"), "");
    EXPECT_EQ(getCellString(visio::VShape(), "User.Quoted"), "");
    // A batch's formula tells its text only when it is a lone constant.
    EXPECT_EQ(stringConstantText("\"Say \"\"hi\"\"\""), "Say \"hi\"");
    EXPECT_EQ(stringConstantText("\"Place \"&\"name\""), std::nullopt);
    EXPECT_EQ(stringConstantText("User.Quoted"), std::nullopt);
}

TEST_F(CellHelpersTest, TheAddressFormsReadTheSameCell) {
    auto shape = add(ShapeSpec::box(1, 1, 1, 1).cell("LineColor", "\"red\""));
    const visio::VShape s = wrap(shape);
    EXPECT_EQ(getCellStringSRC(s, visio::visSectionObject, visio::visRowLine, visio::visLineColor),
              "red");
    // What is saved to be put back later keeps its quotes.
    EXPECT_EQ(getCellFormulaSRC(s, visio::visSectionObject, visio::visRowLine, visio::visLineColor),
              "\"red\"");
    setCellFormulaSRC(s, visio::visSectionObject, visio::visRowLine, visio::visLineColor,
                      "RGB(1,2,3)");
    EXPECT_EQ(shape->formula("LineColor"), "RGB(1,2,3)");
}

TEST_F(CellHelpersTest, CellExistsCountsCellsInheritedFromTheMaster) {
    auto shape =
        add(ShapeSpec::box(1, 1, 1, 1).cell("User.Local", "1").inherited("User.FromMaster", "2"));
    const visio::VShape s = wrap(shape);
    EXPECT_TRUE(cellExists(s, "User.Local"));
    EXPECT_TRUE(cellExists(s, "User.FromMaster"));
    EXPECT_FALSE(cellExists(s, "User.Nowhere"));
    EXPECT_FALSE(cellExists(visio::VShape(), "User.Local"));
}

TEST_F(CellHelpersTest, GetCellResultIntTruncatesTowardZero) {
    auto shape = add(ShapeSpec::box(1, 1, 1, 1)
                         .cell("User.A", "2.99")
                         .cell("User.B", "-0.5")
                         .cell("User.C", "-1.9")
                         .cell("User.D", "1.9")
                         .cell("User.Huge", "1E+12")
                         .cell("User.Tiny", "-1E+12"));
    const visio::VShape s = wrap(shape);
    EXPECT_EQ(getCellResultInt(s, "User.A"), 2);
    EXPECT_EQ(getCellResultInt(s, "User.B"), 0);
    EXPECT_EQ(getCellResultInt(s, "User.C"), -1);
    EXPECT_EQ(getCellResultInt(s, "User.D"), 1);
    EXPECT_EQ(getCellResultInt(s, "User.Huge"), INT32_MAX);
    EXPECT_EQ(getCellResultInt(s, "User.Tiny"), INT32_MIN);
    EXPECT_DOUBLE_EQ(getCellResult(s, "User.A"), 2.99);
}

TEST_F(CellHelpersTest, SetCellFormulaIsThePlainWriteThatGuardsRefuse) {
    auto shape =
        add(ShapeSpec::box(1, 1, 1, 1).cell("User.Free", "1").cell("User.Guarded", "GUARD(1)"));
    const visio::VShape s = wrap(shape);
    setCellFormula(s, "User.Free", "\"text\"");
    setCellFormula(s, "User.Guarded", "2");
    EXPECT_EQ(shape->formula("User.Free"), "\"text\"");
    EXPECT_EQ(shape->formula("User.Guarded"), "GUARD(1)");
}

TEST_F(CellHelpersTest, EnsureUserCellAddsTheMissingRowThenWrites) {
    auto shape = add(ShapeSpec::box(1, 1, 1, 1).cell("User.Other", "0"));
    const visio::VShape s = wrap(shape);
    const int16_t rowsBefore = s.RowCount(visio::visSectionUser);
    ensureUserCell(s, "User.QAV_ST_Version", "\"3.0\"");
    EXPECT_EQ(s.RowCount(visio::visSectionUser), rowsBefore + 1);
    EXPECT_NE(s.CellExistsU("User.QAV_ST_Version", 1), 0);
    EXPECT_EQ(shape->formula("User.QAV_ST_Version"), "\"3.0\"");

    ensureUserCell(s, "User.QAV_ST_Version", "\"3.1\"");
    EXPECT_EQ(s.RowCount(visio::visSectionUser), rowsBefore + 1);
    EXPECT_EQ(getCellString(s, "User.QAV_ST_Version"), "3.1");
}

TEST_F(CellHelpersTest, EnsureUserCellWritesAnInheritedCellWithoutAddingARow) {
    auto shape = add(ShapeSpec::box(1, 1, 1, 1).inherited("User.QAV_ST_Version", "1"));
    const visio::VShape s = wrap(shape);
    const int16_t rowsBefore = s.RowCount(visio::visSectionUser);
    ensureUserCell(s, "User.QAV_ST_Version", "2");
    EXPECT_EQ(s.RowCount(visio::visSectionUser), rowsBefore);
    EXPECT_EQ(getCellResultInt(s, "User.QAV_ST_Version"), 2);
}

TEST_F(CellHelpersTest, EnsureUserCellWithoutARowNameChangesNothing) {
    auto shape = add(ShapeSpec::box(1, 1, 1, 1));
    const visio::VShape s = wrap(shape);
    const int16_t rowsBefore = s.RowCount(visio::visSectionUser);
    ensureUserCell(s, "User", "1");
    ensureUserCell(s, "", "1");
    EXPECT_EQ(s.RowCount(visio::visSectionUser), rowsBefore);
}

TEST_F(CellHelpersTest, TextFromVisioIsCutAtTheBufferSize) {
    auto shape = add(ShapeSpec::box(1, 1, 1, 1));
    const visio::VShape s = wrap(shape);
    setShapeText(s, "Place 1");
    EXPECT_EQ(getShapeText(s), "Place 1");
    setShapeText(s, std::string(9000, 'x'));
    EXPECT_EQ(getShapeText(s), std::string(8191, 'x'));
    EXPECT_EQ(shape->text().size(), 9000u);
}

}  // namespace
