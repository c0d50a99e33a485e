#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeVisio.h"
#include "model/CellAddressTable.h"
#include "model/SavedFormulaIndex.h"

namespace {

using IDs = std::vector<int32_t>;

class SavedFormulaIndexTest : public ::testing::Test {
protected:
    void SetUp() override {
        lineTable.addUnique(1, 2, 1);  // line colour
        lineTable.addUnique(1, 2, 0);  // line weight
        charTable.addUnique(3, 0, 1);  // character colour
        charTable.addUnique(1, 2, 1);  // line colour again
        tables = {{5, &lineTable}, {2, &charTable}};
        index.setTables(&tables);
    }

    fake::Shape& shapeWithFormulas(int32_t id, const std::string& lineColor) {
        fake::Shape& shape = page.add(id);
        shape.cells[{1, 2, 1}] = {lineColor, 0};
        shape.cells[{1, 2, 0}] = {"0.01in", 0.01};
        shape.cells[{3, 0, 1}] = {"THEMEVAL(\"TextColor\")", 0};
        return shape;
    }

    fake::Page page;
    CellAddressTable lineTable;
    CellAddressTable charTable;
    CellAddressTableMap tables;
    SavedFormulaIndex index;
};

TEST_F(SavedFormulaIndexTest, SavesEveryTablesCellsOnceInKeyOrder) {
    shapeWithFormulas(1, "RGB(1,2,3)");
    index.addShape(1, page.shape(1));
    ASSERT_EQ(index.getRecordCount(1), 3);
    EXPECT_EQ(index.getRecordAddress(1, 0), (CellAddress{3, 0, 1}));
    EXPECT_EQ(index.getRecordAddress(1, 1), (CellAddress{1, 2, 1}));
    EXPECT_EQ(index.getRecordAddress(1, 2), (CellAddress{1, 2, 0}));
    EXPECT_EQ(index.getRecordFormula(1, 1), "RGB(1,2,3)");
    EXPECT_EQ(index.getRecordFormula(1, 2), "0.01in");
}

// The formulas are written back later exactly as saved: a string constant must keep
// its quotes, or it would come back as a name.
TEST_F(SavedFormulaIndexTest, KeepsFormulasByteForByte) {
    shapeWithFormulas(1, "\"abc\"");
    shapeWithFormulas(2, "\"\"");
    std::string long_formula = "\"" + std::string(9000, 'x') + "\"";
    shapeWithFormulas(3, long_formula);
    for (int32_t id : {1, 2, 3}) index.addShape(id, page.shape(id));
    EXPECT_EQ(index.getRecordFormula(1, 1), "\"abc\"");
    EXPECT_EQ(index.getRecordFormula(2, 1), "\"\"");
    EXPECT_EQ(index.getRecordFormula(3, 1), long_formula);
    EXPECT_EQ(index.getRecordFormula(1, 0), "THEMEVAL(\"TextColor\")");
}

TEST_F(SavedFormulaIndexTest, AShapeRegisteredTwiceKeepsItsFirstFormulas) {
    fake::Shape& shape = shapeWithFormulas(1, "RGB(1,2,3)");
    index.beginElement(1, page.shape(1));
    index.endElement();
    shape.cells[{1, 2, 1}].formula = "GUARD(2)";
    index.beginElement(1, page.shape(1));
    index.saveFormulas(1, page.shape(1));
    EXPECT_EQ(index.getRecordFormula(1, 1), "RGB(1,2,3)");
}

TEST_F(SavedFormulaIndexTest, UnknownShapesAndMissingTablesGiveNoRecords) {
    SavedFormulaIndex bare;
    shapeWithFormulas(1, "1");
    bare.addShape(1, page.shape(1));
    EXPECT_EQ(bare.getRecordCount(1), 0);
    EXPECT_EQ(index.getRecordCount(42), 0);
    EXPECT_EQ(index.getRecordFormula(42, 0), "");
    EXPECT_EQ(index.getRecordAddress(42, 0), (CellAddress{}));
}

TEST_F(SavedFormulaIndexTest, EndElementAtTopLevelStaysThere) {
    index.endElement();
    index.addShape(1, visio::VShape());
    index.endElement();
    index.addShape(2, visio::VShape());
    EXPECT_EQ(index.collectSubShapes(0), (IDs{1, 2}));
}

TEST_F(SavedFormulaIndexTest, RegistersShapesUnderTheCurrentElementOrGroup) {
    const visio::VShape none;
    index.beginElement(10, none);  // a plain group
    index.addShape(11, none);
    index.beginElement(12, none);  // a nested group
    index.addShape(13, none);
    index.addShape(14, none);
    index.endElement();
    index.addShape(15, none);
    index.endElement();
    index.addShape(16, none);
    EXPECT_EQ(index.collectSubShapes(10), (IDs{11, 13, 14, 15}));
    EXPECT_EQ(index.collectSubShapes(12), (IDs{13, 14}));
    EXPECT_EQ(index.collectSubShapes(0), (IDs{11, 13, 14, 15, 16}));
    EXPECT_EQ(index.collectSubShapes(11), IDs{});
}

TEST_F(SavedFormulaIndexTest, ASubShapeRegisteredInACircleEndsTheWalk) {
    const visio::VShape none;
    index.beginElement(10, none);
    index.beginElement(11, none);
    index.addShape(10, none);  // 10 now also stands below its own member
    index.addShape(12, none);
    EXPECT_EQ(index.collectSubShapes(10), (IDs{12}));
}

}  // namespace
