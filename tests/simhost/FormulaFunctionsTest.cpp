#include <cmath>

#include <gtest/gtest.h>

#include "simhost/formula/Formula.h"
#include "tests/simhost/FormulaFakeContext.h"

namespace simhost::formula {
namespace {

using testing::FormulaTest;

TEST_F(FormulaTest, GuardAndRgbGiveTheirValues) {
    EXPECT_DOUBLE_EQ(number("GUARD(1.4 pt)"), 1.4 / 72);
    Value orange = value("RGB(255,153,0)");
    EXPECT_EQ(orange.dimension, Dimension::Colour);
    EXPECT_EQ(orange.number, 255 + 256 * 153);
    EXPECT_EQ(number("RGB(0,0,255)"), 255 * 65536);
    EXPECT_EQ(number("RGB(0.4,1.6,0)"), 512);
    EXPECT_EQ(errorOf("RGB(256,0,0)"), "#VALUE!");
    EXPECT_EQ(errorOf("RGB(-1,0,0)"), "#VALUE!");
    EXPECT_EQ(errorOf("RGB(\"1\",0,0)"), "#VALUE!");
}

TEST_F(FormulaTest, LogicFunctions) {
    EXPECT_EQ(number("IF(1>2,10,20)"), 20);
    EXPECT_EQ(text("IF(TRUE,\"a\",\"b\")"), "a");
    EXPECT_EQ(number("IF(TRUE,1,1/0)"), 1);  // the branch not taken is not evaluated
    EXPECT_EQ(errorOf("IF(\"x\",1,2)"), "#VALUE!");
    EXPECT_TRUE(truth("OR(FALSE,0,2)"));
    EXPECT_FALSE(truth("OR(FALSE,0)"));
    EXPECT_TRUE(truth("AND(TRUE,1,-3)"));
    EXPECT_FALSE(truth("AND(TRUE,0)"));
    EXPECT_FALSE(truth("NOT(5)"));
    EXPECT_TRUE(truth("NOT(0)"));
    EXPECT_EQ(errorOf("OR(TRUE,1/0)"), "#DIV/0!");
    EXPECT_EQ(errorOf("NOT(\"TRUE\")"), "#VALUE!");
}

TEST_F(FormulaTest, NumericFunctions) {
    EXPECT_EQ(number("MIN(3,-1,2)"), -1);
    EXPECT_EQ(number("MAX(3,-1,2)"), 3);
    EXPECT_EQ(number("MIN(7)"), 7);
    EXPECT_EQ(value("MIN(5,1 in)").dimension, Dimension::Length);
    EXPECT_EQ(number("INT(-1.5)"), -2);
    EXPECT_EQ(number("INT(1.9)"), 1);
    EXPECT_EQ(number("ABS(-2.5)"), 2.5);
    EXPECT_EQ(number("ROUND(2.5)"), 3);
    EXPECT_EQ(number("ROUND(-2.5)"), -3);
    EXPECT_DOUBLE_EQ(number("ROUND(1.2345,2)"), 1.23);
    EXPECT_EQ(number("ROUND(1250,-2)"), 1300);
    EXPECT_EQ(number("TRUNC(-1.9)"), -1);
    EXPECT_DOUBLE_EQ(number("TRUNC(1.289,2)"), 1.28);
    EXPECT_EQ(value("ABS(-2 mm)").dimension, Dimension::Length);
    EXPECT_EQ(errorOf("MAX(1,\"2\")"), "#VALUE!");
}

TEST_F(FormulaTest, TextFunctions) {
    EXPECT_TRUE(truth("STRSAME(\"QAV\",\"QAV\")"));
    EXPECT_FALSE(truth("STRSAME(\"QAV\",\"qav\")"));
    EXPECT_TRUE(truth("STRSAME(\"QAV\",\"qav\",TRUE)"));
    EXPECT_TRUE(truth("STRSAME(12,\"12\")"));
    EXPECT_EQ(number("LEN(\"Place\")"), 5);
    EXPECT_EQ(number("LEN(\"\")"), 0);
    EXPECT_EQ(number("LEN(\"Stra\xC3\x9F"
                     "e\")"),
              6);  // characters, not bytes
    EXPECT_EQ(number("LEN(1.25)"), 4);
}

TEST_F(FormulaTest, ErrorsOfFunctionsAndOperators) {
    EXPECT_EQ(errorOf("NOSUCH(1)"), "#NAME?");
    EXPECT_EQ(errorOf("1+NOSUCH()"), "#NAME?");
    EXPECT_EQ(errorOf("GUARD(1,2)"), "#VALUE!");
    EXPECT_EQ(errorOf("IF(TRUE,1)"), "#VALUE!");
    EXPECT_EQ(errorOf("NOT()"), "#VALUE!");
    EXPECT_EQ(errorOf("1/0"), "#DIV/0!");
    EXPECT_EQ(errorOf("1/(2-2)"), "#DIV/0!");
    EXPECT_EQ(errorOf("0^-1"), "#DIV/0!");
    EXPECT_EQ(errorOf("(-8)^0.5"), "#NUM!");
    EXPECT_EQ(errorOf("1e300*1e300"), "#NUM!");
    // The first error wins and passes through everything around it.
    EXPECT_EQ(errorOf("GUARD(MIN(1,ABS(1/0))+NOSUCH())"), "#DIV/0!");
    EXPECT_EQ(errorOf("-(1/0)"), "#DIV/0!");
    EXPECT_EQ(errorOf("\"a\"&(1/0)"), "#DIV/0!");
}

TEST_F(FormulaTest, ReferencesReadCellsThroughTheContext) {
    doc.set(kShape, "Width", "2 in");
    doc.set(kShape, "Height", "Width*2");
    doc.set(5, "Connections.X3", "0.5 in");
    doc.set(1, "PageWidth", "11 in");
    doc.set(2, "User.X", "\"doc\"");
    doc.set(7, "Char.Color", "GUARD(RGB(255,153,0))");
    EXPECT_EQ(number("height+Width"), 6);
    EXPECT_EQ(number("Sheet.5!Connections.X3"), 0.5);
    EXPECT_EQ(number("ThePage!PageWidth"), 11);
    EXPECT_EQ(text("TheDoc!User.X"), "doc");
    Value colour = value("Sheet.7!Char.Color");
    EXPECT_EQ(colour.number, 39423);
    EXPECT_EQ(colour.dimension, Dimension::Colour);
    EXPECT_EQ(errorOf("NoSuchCell"), "#REF!");
    EXPECT_EQ(errorOf("Sheet.99!Width"), "#REF!");
    EXPECT_EQ(errorOf("Width+NoSuchCell"), "#REF!");
}

TEST_F(FormulaTest, CyclesThroughTheContextGiveCircError) {
    doc.set(kShape, "User.A", "User.B+1");
    doc.set(kShape, "User.B", "Sheet.5!User.C");
    doc.set(5, "User.C", "Sheet.3!User.A*2");
    doc.set(kShape, "User.Self", "User.Self");
    EXPECT_EQ(errorOf("User.A"), "#CIRC!");
    EXPECT_EQ(errorOf("User.Self"), "#CIRC!");
    EXPECT_TRUE(doc.evaluating.empty());
}

TEST_F(FormulaTest, PointsKnowWhoseCoordinatesTheyAreIn) {
    doc.set(5, "Connections.X3", "1 in");
    doc.set(5, "Connections.Y3", "2 in");
    doc.parentOffsets[5] = {10, 20};
    doc.parentOffsets[kShape] = {100, 200};

    Value p = value("PNT(Sheet.5!Connections.X3,Sheet.5!Connections.Y3)");
    ASSERT_EQ(p.kind, Value::Kind::Point);
    EXPECT_EQ(p.sheetId, 5);
    EXPECT_EQ(p.x, 1);
    EXPECT_EQ(p.y, 2);
    doc.set(7, "Width", "1 in");
    doc.set(kShape, "Width", "1 in");
    EXPECT_EQ(value("PNT(1,ABS(Sheet.7!Width))").sheetId, 7);
    EXPECT_EQ(value("PNT(Width,Sheet.7!Width)").sheetId, kShape);
    EXPECT_EQ(value("PNT(3 mm,4)").sheetId, kShape);
    EXPECT_EQ(number("PNTX(PNT(3,4))"), 3);
    EXPECT_EQ(number("PNTY(PNT(3,4))"), 4);
    EXPECT_EQ(value("PNTY(PNT(3,4))").dimension, Dimension::Length);

    Value onParent = value("PAR(PNT(Sheet.5!Connections.X3,Sheet.5!Connections.Y3))");
    ASSERT_EQ(onParent.kind, Value::Kind::Point);
    EXPECT_EQ(onParent.x, 11);
    EXPECT_EQ(onParent.y, 22);
    EXPECT_EQ(number("PNTX(PAR(PNT(1,1)))"), 101);

    EXPECT_EQ(errorOf("PAR(5)"), "#VALUE!");
    EXPECT_EQ(errorOf("PNTX(5)"), "#VALUE!");
    EXPECT_EQ(errorOf("PNT(\"a\",1)"), "#VALUE!");
    EXPECT_EQ(errorOf("PAR(PNT(Sheet.5!NoSuchCell,1))"), "#REF!");
    EXPECT_EQ(errorOf("PNT(1,2)+1"), "#VALUE!");
}

TEST_F(FormulaTest, GetRefNamesACellWithoutReadingIt) {
    Value ref = value("GetRef(Sheet.5!User.QAV_marking)");
    ASSERT_EQ(ref.kind, Value::Kind::CellRef);
    EXPECT_EQ(ref.sheet, "Sheet.5");
    EXPECT_EQ(ref.text, "User.QAV_marking");
    EXPECT_EQ(ref.sheetId, 5);
    Value own = value("GETREF(Actions.Checked[3])");
    EXPECT_EQ(own.sheet, "");
    EXPECT_EQ(own.sheetId, kShape);
    EXPECT_EQ(errorOf("GetRef(1+1)"), "#VALUE!");
    EXPECT_EQ(errorOf("GetRef(\"Width\")"), "#VALUE!");
    EXPECT_EQ(errorOf("GetRef(Sheet.99!Width)"), "#REF!");
}

TEST_F(FormulaTest, SetfWritesOnlyWhileAnActionRuns) {
    doc.set(kShape, "User.QAV_marking", "0");
    const char* toggle = "SETF(GetRef(User.QAV_marking),NOT(User.QAV_marking))";
    EXPECT_EQ(number(toggle), 0);
    EXPECT_TRUE(doc.writes.empty());

    doc.inAction = true;
    EXPECT_EQ(number(toggle), 0);
    ASSERT_EQ(doc.writes.size(), 1u);
    EXPECT_EQ(doc.writes[0],
              std::make_pair(std::string("3!User.QAV_marking"), std::string("TRUE")));
    number(toggle);
    EXPECT_EQ(doc.writes.back().second, "FALSE");
}

TEST_F(FormulaTest, SetfWritesTheFormulaThatGivesTheValue) {
    doc.inAction = true;
    doc.set(kShape, "Height", "2 in");
    doc.set(kShape, "Width", "3 in");
    number("SETF(GetRef(Sheet.5!User.Text),\"\"\"quoted\"\"\")");
    number("SETF(GetRef(Scratch.X1),\"Width*2\")");
    number("SETF(\"Height\",MIN(Height,1.5 in))");
    number("SETF(GetRef(Angle),90 deg)");
    number("SETF(GetRef(LineColor),RGB(255,153,0))");
    number("SETF(GetRef(User.N),2*3)");
    std::vector<std::pair<std::string, std::string>> expected = {
        {"5!User.Text", "\"quoted\""}, {"3!Scratch.X1", "Width*2"},       {"3!Height", "1.5 in"},
        {"3!Angle", "90 deg"},         {"3!LineColor", "RGB(255,153,0)"}, {"3!User.N", "6"},
    };
    EXPECT_EQ(doc.writes, expected);
}

TEST_F(FormulaTest, SetfWritesNothingForBadTargetsOrValues) {
    doc.inAction = true;
    EXPECT_EQ(errorOf("SETF(GetRef(Width),1/0)"), "#DIV/0!");
    EXPECT_EQ(errorOf("SETF(GetRef(Width),PNT(1,1))"), "#VALUE!");
    EXPECT_EQ(errorOf("SETF(5,1)"), "#VALUE!");
    EXPECT_EQ(errorOf("SETF(\"Sheet.99!Width\",1)"), "#REF!");
    EXPECT_EQ(errorOf("SETF(GetRef(Width))"), "#VALUE!");
    EXPECT_TRUE(doc.writes.empty());
}

TEST_F(FormulaTest, RunAddonOnlyWhileAnActionRuns) {
    const char* command = "RUNADDONWARGS(\"QAVSupportTools\",\"SINK=DELBGR\")";
    EXPECT_EQ(number(command), 0);
    EXPECT_EQ(number("RUNADDON(\"Other\")"), 0);
    EXPECT_TRUE(doc.addonRuns.empty());
    doc.inAction = true;
    number(command);
    number("RunAddon(\"Other\")");
    std::vector<std::pair<std::string, std::string>> expected = {{"QAVSupportTools", "SINK=DELBGR"},
                                                                 {"Other", ""}};
    EXPECT_EQ(doc.addonRuns, expected);
    EXPECT_EQ(errorOf("RUNADDONWARGS(\"QAVSupportTools\",PNT(1,1))"), "#VALUE!");
    EXPECT_EQ(doc.addonRuns.size(), 2u);
}

TEST_F(FormulaTest, TheFormulasTheAddonWrites) {
    EXPECT_DOUBLE_EQ(number("GUARD(2 pt)"), 2.0 / 72);
    EXPECT_DOUBLE_EQ(number("GUARD(1.4 pt)"), 1.4 / 72);
    EXPECT_EQ(number("GUARD(RGB(255,153,0))"), 39423);
    EXPECT_EQ(number("GUARD(19)"), 19);
    EXPECT_DOUBLE_EQ(number("GUARD(90 deg)"), std::acos(-1) / 2);

    doc.set(5, "Connections.X3", "0.25 in");
    doc.set(5, "Connections.Y3", "0.75 in");
    doc.parentOffsets[5] = {4, 5};
    Value glued = value("PAR(PNT(Sheet.5!Connections.X3,Sheet.5!Connections.Y3))");
    EXPECT_EQ(glued.x, 4.25);
    EXPECT_EQ(glued.y, 5.75);
    EXPECT_EQ(doc.parentCalls, 1);

    doc.set(7, "Char.Color", "2");
    EXPECT_EQ(number("Sheet.7!Char.Color"), 2);

    doc.set(1, "Actions.Checked", "TRUE");
    doc.set(1, "Actions.Checked[2]", "FALSE");
    EXPECT_TRUE(truth("=GUARD(OR(ThePage!Actions.Checked,ThePage!Actions.Checked[2]))"));
    doc.set(17, "Geometry1.NoShow", "TRUE");
    doc.addSheet("Sheet.17", 17);
    doc.set(kShape, "Width", "2 in");
    EXPECT_EQ(number("Width*Not(Sheet.17!Geometry1.NoShow)"), 0);

    doc.inAction = true;
    doc.set(kShape, "Actions.Checked[2]", "0");
    number("=SETF(GetRef(Actions.Checked[2]),NOT(Actions.Checked[2]))");
    doc.set(kShape, "PinX", "0.5 in");
    number("SETF(\"PinX\",IF((PinX-Width/2)<0,Width/2,PinX))");
    number("RUNADDONWARGS(\"QAVSupportTools\",\"SINK=LOGOPS\")");
    std::vector<std::pair<std::string, std::string>> writes = {{"3!Actions.Checked[2]", "TRUE"},
                                                               {"3!PinX", "1 in"}};
    EXPECT_EQ(doc.writes, writes);
    EXPECT_EQ(doc.addonRuns.back().second, "SINK=LOGOPS");
}

}  // namespace
}  // namespace simhost::formula
