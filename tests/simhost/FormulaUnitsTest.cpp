#include <cmath>

#include <gtest/gtest.h>

#include "simhost/formula/Formula.h"
#include "simhost/formula/Units.h"
#include "tests/simhost/FormulaFakeContext.h"

namespace simhost::formula {
namespace {

using testing::FormulaTest;
constexpr double kPi = 3.14159265358979323846;

TEST(FormulaUnits, NamesAndCodesMeanTheSameUnits) {
    struct Case {
        const char* name;
        int code;
        Dimension dimension;
        double perInternal;
    };
    const Case cases[] = {
        {"", 32, Dimension::None, 1},         {"%", 33, Dimension::None, 100},
        {"pt", 50, Dimension::Length, 72},    {"pc", 51, Dimension::Length, 6},
        {"in", 65, Dimension::Length, 1},     {"ft", 66, Dimension::Length, 1.0 / 12},
        {"cm", 69, Dimension::Length, 2.54},  {"mm", 70, Dimension::Length, 25.4},
        {"m", 71, Dimension::Length, 0.0254}, {"deg", 81, Dimension::Angle, 180 / kPi},
        {"rad", 83, Dimension::Angle, 1},
    };
    for (const Case& c : cases) {
        auto byName = Units::byName(c.name);
        auto byCode = Units::byCode(c.code);
        ASSERT_TRUE(byName && byCode) << c.name;
        EXPECT_EQ(byName->dimension, c.dimension) << c.name;
        EXPECT_DOUBLE_EQ(byName->perInternal, c.perInternal) << c.name;
        EXPECT_EQ(byName->suffix, byCode->suffix) << c.code;
        EXPECT_DOUBLE_EQ(byCode->perInternal, c.perInternal) << c.code;
    }
}

TEST(FormulaUnits, AcceptsSpellingsAndRejectsUnknownUnits) {
    EXPECT_EQ(Units::byName("MM")->suffix, "mm");
    EXPECT_EQ(Units::byName("in.")->suffix, "in");
    EXPECT_EQ(Units::byName("\"")->suffix, "in");
    EXPECT_EQ(Units::byName("Deg")->suffix, "deg");
    EXPECT_EQ(Units::byCode(80)->suffix, "deg");  // the default angle unit
    EXPECT_FALSE(Units::byName("inch"));
    EXPECT_FALSE(Units::byName("km"));
    EXPECT_FALSE(Units::byCode(0));
    EXPECT_FALSE(Units::byCode(64));  // drawing units depend on the document
}

TEST(FormulaUnits, ConvertsBothWays) {
    Unit mm = *Units::byName("mm");
    Unit pt = *Units::byName("pt");
    Unit deg = *Units::byName("deg");
    EXPECT_DOUBLE_EQ(Units::fromInternal(1, mm), 25.4);
    EXPECT_DOUBLE_EQ(Units::toInternal(12.7, mm), 0.5);
    EXPECT_DOUBLE_EQ(Units::toInternal(2, pt), 2.0 / 72);
    EXPECT_DOUBLE_EQ(Units::fromInternal(kPi / 2, deg), 90);
    EXPECT_DOUBLE_EQ(Units::toInternal(Units::fromInternal(0.37, mm), mm), 0.37);
}

TEST(FormulaUnits, WritesFormulaTextInTheUnit) {
    EXPECT_EQ(Units::formulaText(12, *Units::byName("mm")), "12 mm");
    EXPECT_EQ(Units::formulaText(1.5, *Units::byCode(65)), "1.5 in");
    EXPECT_EQ(Units::formulaText(3, *Units::byCode(32)), "3");
    EXPECT_EQ(Units::formulaText(-0.25, *Units::byName("deg")), "-0.25 deg");
    EXPECT_EQ(Units::formulaText(50, *Units::byCode(33)), "50%");
}

TEST(FormulaUnits, FormatsNumbersInPlainDecimalForm) {
    EXPECT_EQ(formatNumber(1.4), "1.4");
    EXPECT_EQ(formatNumber(3), "3");
    EXPECT_EQ(formatNumber(-0.25), "-0.25");
    EXPECT_EQ(formatNumber(0), "0");
    EXPECT_EQ(formatNumber(-0.0), "0");
    EXPECT_EQ(formatNumber(0.1 + 0.2), "0.3");
    EXPECT_EQ(formatNumber(1e20), "100000000000000000000");
    EXPECT_EQ(formatNumber(1.5e-7), "0.00000015");
    EXPECT_EQ(formatNumber(123456.789), "123456.789");
    EXPECT_EQ(formatNumber(2.0 / 3), "0.666666666666667");
    EXPECT_EQ(formatNumber(65535), "65535");
    EXPECT_EQ(formatNumber(std::nan("")), "0");
}

TEST_F(FormulaTest, LiteralUnitsBecomeInternalUnits) {
    EXPECT_DOUBLE_EQ(number("2 pt"), 2.0 / 72);
    EXPECT_EQ(value("2 pt").dimension, Dimension::Length);
    EXPECT_DOUBLE_EQ(number("25.4mm"), 1);
    EXPECT_DOUBLE_EQ(number("2.54 CM"), 1);
    EXPECT_DOUBLE_EQ(number("0.0254 m"), 1);
    EXPECT_DOUBLE_EQ(number("1 ft"), 12);
    EXPECT_DOUBLE_EQ(number("1 ft."), 12);
    EXPECT_DOUBLE_EQ(number("6 pc"), 1);
    EXPECT_DOUBLE_EQ(number("1.5 in."), 1.5);
    EXPECT_DOUBLE_EQ(number("1.5\""), 1.5);
    EXPECT_DOUBLE_EQ(number("90 deg"), kPi / 2);
    EXPECT_EQ(value("90 deg").dimension, Dimension::Angle);
    EXPECT_DOUBLE_EQ(number("1 rad"), 1);
    EXPECT_DOUBLE_EQ(number("50%"), 0.5);
    EXPECT_DOUBLE_EQ(number("1e2"), 100);
    EXPECT_DOUBLE_EQ(number(".5"), 0.5);
    EXPECT_EQ(value("19").dimension, Dimension::None);
    EXPECT_DOUBLE_EQ(number("1 in + 2 mm"), 1 + 2 / 25.4);
}

TEST_F(FormulaTest, AWordThatIsNoUnitIsNoPartOfTheNumber) {
    parseError("2 inch");
    parseError("2 mm2");
    parseError("1e999");
}

}  // namespace
}  // namespace simhost::formula
