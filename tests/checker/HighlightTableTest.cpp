// The highlight table and the looks of the five rules.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "checker/CCArcConnectionRule.h"
#include "checker/CCArcShapeRule.h"
#include "checker/CCHintRule.h"
#include "checker/CCNameClashRule.h"
#include "checker/CCPetriNetRule.h"
#include "model/GEArc.h"
#include "model/GEConnection.h"
#include "simhost/os/StandInSystem.h"

namespace {

TEST(HighlightTable, RegisteringACellAgainKeepsOneAddressWithTheLaterLooks) {
    CCRule table;
    table.addCell({1, 2, 1}, "2", "3", "19");
    table.addCell({3, 0, 1}, "a", "b", "c");
    table.addCell({1, 2, 1}, "5", "6", "7");
    ASSERT_EQ(table.getCount(), 2);
    EXPECT_EQ(table.get(0), (CellAddress{1, 2, 1}));
    EXPECT_EQ(table.getValue(0, 0), "5");
    EXPECT_EQ(table.getValue(0, 1), "6");
    EXPECT_EQ(table.getValue(0, 2), "7");
    EXPECT_EQ(table.getFindingValue(1), "a");
    EXPECT_EQ(table.getValue(1, CCHighlightTable::consistentMode()), "b");
    EXPECT_EQ(table.getValue(1, CCHighlightTable::ignoredMode()), "c");
}

TEST(HighlightTable, ModesAndOutOfRangeLooks) {
    EXPECT_EQ(CCHighlightTable::findingMode, 0);
    EXPECT_EQ(CCHighlightTable::consistentMode(), 1);
    EXPECT_EQ(CCHighlightTable::ignoredMode(), 2);
    CCRule table;
    table.addCell({1, 2, 1}, "2", "3", "19");
    EXPECT_EQ(table.getValue(1, 0), "");
    EXPECT_EQ(table.getValue(-1, 0), "");
    EXPECT_EQ(table.getValue(0, 3), "");
    EXPECT_EQ(table.getValue(0, -1), "");
}

TEST(HighlightTable, MarkArcRecordsEveryPieceFirstToLastAndKeepsRepeats) {
    GEConnection first, second, third;
    first.setID(7);
    second.setID(3);
    third.setID(9);
    GEArc arc(nullptr, {&first, &second, &third}, nullptr);
    GEArc empty(nullptr, {}, nullptr);
    CCRule rule;
    EXPECT_TRUE(rule.getFindings().empty());
    rule.markArc(&arc);
    rule.markArc(&empty);
    rule.markArc(nullptr);
    rule.markArc(&arc);
    EXPECT_EQ(rule.getFindings(), (std::vector<uint32_t>{7, 3, 9, 7, 3, 9}));
}

struct Look {
    CellAddress cell;
    std::string finding;
    std::string consistent;
    std::string ignored;
};

const CellAddress lineColour{1, 2, 1};
const CellAddress lineWeight{1, 2, 0};
const CellAddress linePattern{1, 2, 2};
const CellAddress charColour{3, 0, 1};
const CellAddress charStyle{3, 0, 2};

class RuleLooks : public ::testing::Test {
protected:
    // A user whose regional settings write "1,4" and separate lists with ";".
    RuleLooks() {
        system_.list = ";";
        system_.decimal = ",";
        system_.install();
    }

    static void expectLooks(const CCRule& rule, const std::vector<Look>& looks) {
        ASSERT_EQ(rule.getCount(), static_cast<int32_t>(looks.size()));
        for (int32_t i = 0; i < rule.getCount(); ++i) {
            SCOPED_TRACE("cell " + std::to_string(i));
            const Look& look = looks[static_cast<std::size_t>(i)];
            EXPECT_EQ(rule.get(i), look.cell);
            EXPECT_EQ(rule.getValue(i, 0), look.finding);
            EXPECT_EQ(rule.getValue(i, 1), look.consistent);
            EXPECT_EQ(rule.getValue(i, 2), look.ignored);
        }
    }

    simhost::StandInSystem system_;
};

TEST_F(RuleLooks, SyntaxRulesShowRedWithFixedSeparators) {
    expectLooks(CCArcConnectionRule(), {{lineColour, "2", "3", "19"},
                                        {lineWeight, "2 pt", "1.4 pt", "1.4 pt"},
                                        {linePattern, "1", "1", "1"}});
    expectLooks(CCArcShapeRule(true, false, false),
                {{lineColour, "2", "3", "19"}, {lineWeight, "2 pt", "1.4 pt", "1.4 pt"}});
    expectLooks(CCPetriNetRule(true), {{charColour, "2", "3", "19"},
                                       {charStyle, "1", "0", "0"},
                                       {lineColour, "2", "3", "19"},
                                       {lineWeight, "2 pt", "1.4 pt", "1.4 pt"}});
}

TEST_F(RuleLooks, NameClashesAndHintsShowOrangeWithFixedSeparators) {
    expectLooks(CCNameClashRule(true, false),
                {{charColour, "RGB(255,153,0)", "3", "19"}, {charStyle, "1", "0", "0"}});
    expectLooks(CCHintRule(true), {{lineColour, "RGB(255,153,0)", "3", "19"},
                                   {lineWeight, "2 pt", "1.4 pt", "1.4 pt"},
                                   {charColour, "RGB(255,153,0)", "3", "19"},
                                   {charStyle, "1", "0", "0"}});
}

}  // namespace
