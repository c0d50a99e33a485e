#include <string>

#include <gtest/gtest.h>

#include "simhost/formula/Formula.h"
#include "tests/simhost/FormulaFakeContext.h"

namespace simhost::formula {
namespace {

using testing::FakeContext;
using testing::FormulaTest;
using Cells = std::vector<std::pair<std::string, std::string>>;

Cells referencesOf(const std::string& text) {
    std::string error;
    auto expression = parseFormula(text, &error);
    EXPECT_TRUE(expression) << error;
    return expression ? referencedCells(*expression) : Cells{};
}

bool guarded(const std::string& text) {
    auto expression = parseFormula(text, nullptr);
    EXPECT_TRUE(expression) << text;
    return expression && isGuarded(*expression);
}

TEST_F(FormulaTest, OperatorsBindAsInSpreadsheets) {
    EXPECT_EQ(number("1+2*3"), 7);
    EXPECT_EQ(number("(1+2)*3"), 9);
    EXPECT_EQ(number("10-4-3"), 3);
    EXPECT_EQ(number("8/4/2"), 1);
    EXPECT_EQ(number("2^3^2"), 512);
    EXPECT_EQ(number("-2^2"), -4);
    EXPECT_EQ(number("2^-1"), 0.5);
    EXPECT_EQ(number("2*-3"), -6);
    EXPECT_EQ(number("--3"), 3);
    EXPECT_EQ(number("+-+3"), -3);
    EXPECT_EQ(text("1+2&3*2"), "36");
    EXPECT_TRUE(truth("1+1=2"));
    EXPECT_TRUE(truth("\"a\"&\"b\"=\"ab\""));
    EXPECT_TRUE(truth("1<2=TRUE"));
    EXPECT_EQ(number("TRUE+TRUE"), 2);
    EXPECT_EQ(number("-TRUE"), -1);
}

TEST_F(FormulaTest, ReadsStringsWithDoubledQuotes) {
    EXPECT_EQ(text("\"a\"\"b\""), "a\"b");
    EXPECT_EQ(text("\"\""), "");
    EXPECT_EQ(text("\"\"\"\""), "\"");
    EXPECT_EQ(text("\"x\"&1.5&TRUE"), "x1.5TRUE");
    EXPECT_EQ(text("\"SINK=LOGODe\""), "SINK=LOGODe");
    EXPECT_EQ(errorOf("\"x\"&PNT(1,2)"), "#VALUE!");
}

TEST_F(FormulaTest, ComparesNumbersAndStrings) {
    EXPECT_TRUE(truth("0.1+0.2=0.3"));
    EXPECT_TRUE(truth("1 in = 25.4 mm"));
    EXPECT_FALSE(truth("1<>1"));
    EXPECT_TRUE(truth("2>=2"));
    EXPECT_FALSE(truth("2>2"));
    EXPECT_TRUE(truth("-1<=0"));
    EXPECT_TRUE(truth("TRUE=1"));
    EXPECT_TRUE(truth("\"abc\"<\"abd\""));
    EXPECT_FALSE(truth("\"abc\"=\"ABC\""));
    EXPECT_EQ(errorOf("\"1\"=1"), "#VALUE!");
    EXPECT_EQ(errorOf("\"a\"+1"), "#VALUE!");
}

TEST_F(FormulaTest, EmptyFormulasAndLeadingEqualsSignAreValid) {
    for (const char* empty : {"", "   ", "=", " = "}) {
        auto expression = parseFormula(empty, nullptr);
        ASSERT_TRUE(expression) << empty;
        EXPECT_TRUE(isEmptyFormula(*expression));
        FakeContext context(doc, kShape);
        Value v = evaluate(*expression, context);
        EXPECT_EQ(v.kind, Value::Kind::Number);
        EXPECT_EQ(v.number, 0);
    }
    EXPECT_EQ(number("=GUARD(19)"), 19);
    EXPECT_FALSE(isEmptyFormula(*parseFormula("0", nullptr)));
}

TEST_F(FormulaTest, BadSyntaxGivesAMessageAndNoTree) {
    EXPECT_EQ(parseError("1 +"), "Unexpected end of formula");
    EXPECT_EQ(parseError("(1"), "Unexpected end of formula");
    EXPECT_EQ(parseError("1)"), "Unexpected ')' at position 2");
    EXPECT_EQ(parseError("\"abc"), "Unterminated string at position 1");
    EXPECT_EQ(parseError("MIN(1,,2)"), "Unexpected ',' at position 7");
    EXPECT_EQ(parseError("1 2"), "Unexpected number at position 3");
    EXPECT_EQ(parseError("Width Height"), "Unexpected 'Height' at position 7");
    EXPECT_EQ(parseError("1 # 2"), "Unexpected character '#' at position 3");
    EXPECT_FALSE(parseError("Sheet.5!").empty());
    EXPECT_FALSE(parseError("Char.Color[x]").empty());
    EXPECT_FALSE(parseError("A!B!C").empty());
    EXPECT_FALSE(parseError("'unclosed!Width").empty());
    EXPECT_FALSE(parseError("==1").empty());
    EXPECT_NO_FATAL_FAILURE(parseFormula("(", nullptr));  // no error pointer needed
}

TEST_F(FormulaTest, NestingIsBoundedAndLongChainsDoNotRecurse) {
    std::string deep = std::string(100, '(') + "1" + std::string(100, ')');
    EXPECT_EQ(number(deep), 1);
    std::string tooDeep = std::string(101, '(') + "1" + std::string(101, ')');
    EXPECT_EQ(parseError(tooDeep), "Formula nested more than 100 levels deep");
    std::string calls;
    for (int i = 0; i < 5000; ++i) calls += "ABS(";
    calls += "1" + std::string(5000, ')');
    EXPECT_FALSE(parseError(calls).empty());
    EXPECT_FALSE(parseError(std::string(100000, '(')).empty());

    std::string sum = "1";
    for (int i = 0; i < 100000; ++i) sum += "+1";
    EXPECT_EQ(number(sum), 100001);
    std::string powers = "1";
    for (int i = 0; i < 30000; ++i) powers += "^1";
    EXPECT_EQ(number(powers), 1);
    EXPECT_EQ(number(std::string(30001, '-') + "1"), -1);
}

TEST_F(FormulaTest, FunctionNamesAndLiteralsIgnoreCaseAndTakeEitherSeparator) {
    EXPECT_FALSE(truth("not(True)"));
    EXPECT_EQ(number("Min(3;2;5)"), 2);
    EXPECT_EQ(number("max(3, 2 ,5)"), 5);
    EXPECT_TRUE(truth("false=FALSE"));
}

TEST(FormulaSyntax, ListsTheCellsAFormulaDependsOn) {
    EXPECT_EQ(referencesOf("Width*2+Sheet.5!Connections.X3-width"),
              (Cells{{"", "Width"}, {"Sheet.5", "Connections.X3"}}));
    EXPECT_EQ(
        referencesOf("ThePage!PageWidth&TheDoc!User.X&'My shape'!Char.Color[2]"),
        (Cells{{"ThePage", "PageWidth"}, {"TheDoc", "User.X"}, {"My shape", "Char.Color[2]"}}));
    // The target of GetRef is written, not read.
    EXPECT_EQ(referencesOf("SETF(GetRef(User.QAV_marking),NOT(User.QAV_marking))"),
              (Cells{{"", "User.QAV_marking"}}));
    EXPECT_EQ(referencesOf("SETF(GetRef(Actions.Checked[3]),1)"), Cells{});
    EXPECT_EQ(referencesOf("IF(TRUE,Prop.QAVType,User.Row.Prompt)"),
              (Cells{{"", "Prop.QAVType"}, {"", "User.Row.Prompt"}}));
    EXPECT_EQ(referencesOf("\"Width\"&TRUE&1"), Cells{});
    EXPECT_EQ(referencesOf(""), Cells{});
}

TEST(FormulaSyntax, RecognisesGuardedFormulas) {
    EXPECT_TRUE(guarded("GUARD(2 pt)"));
    EXPECT_TRUE(guarded("=guard(RGB(255,153,0))"));
    EXPECT_FALSE(guarded("GUARD(1)+1"));
    EXPECT_FALSE(guarded("IF(TRUE,GUARD(1),2)"));
    EXPECT_FALSE(guarded("19"));
    EXPECT_FALSE(guarded(""));
}

}  // namespace
}  // namespace simhost::formula
