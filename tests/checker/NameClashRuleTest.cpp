// Elements of one kind that carry the same name.
#include <gtest/gtest.h>

#include "RuleFixture.h"
#include "checker/CCNameClashRule.h"
#include "model/GEArc.h"

namespace {

using Ids = std::vector<uint32_t>;

TEST(NamesClash, CaseAndBlanksDoNotCount) {
    EXPECT_TRUE(CCNameClashRule::namesClash("Order Queue", "orderqueue"));
    EXPECT_TRUE(CCNameClashRule::namesClash("Order Queue", "ORDER\tQUEUE"));
    EXPECT_TRUE(CCNameClashRule::namesClash("Order\r\nQueue ", " order queue"));
    EXPECT_TRUE(CCNameClashRule::namesClash("A-1", "a-1"));
    EXPECT_FALSE(CCNameClashRule::namesClash("Order Queue", "Order_Queue"));
    EXPECT_FALSE(CCNameClashRule::namesClash("Order Queue", "Order Queues"));
    // Only ASCII letters are folded; other bytes (here UTF-8) compare as they are.
    EXPECT_FALSE(CCNameClashRule::namesClash("\xC3\x84rger", "\xC3\xA4rger"));
    EXPECT_TRUE(CCNameClashRule::namesClash("\xC3\x84rger", "\xC3\x84RGER"));
    // Vertical tabs and form feeds are no blanks here.
    EXPECT_FALSE(CCNameClashRule::namesClash("a\vb", "ab"));
}

class NameClashRuleTest : public RuleOnHost {
protected:
    CCNameClashRule block{true, false};
};

TEST_F(NameClashRuleTest, BothMembersOfAClashingPairAreRecorded) {
    GEGraphElement* buffer = model.passive(1, 1, "Buffer");
    model.passive(3, 1, "Store");
    GEGraphElement* lower = model.passive(5, 1, "buffer ");
    EXPECT_EQ(findings(block), (Ids{id(buffer), id(lower)}));
}

TEST_F(NameClashRuleTest, AnElementIsRecordedOnceForEveryElementItClashesWith) {
    GEGraphElement* a = model.active(1, 1, "Server");
    GEGraphElement* b = model.active(3, 1, "server");
    GEGraphElement* c = model.active(5, 1, "SERVER");
    EXPECT_EQ(findings(block), (Ids{id(a), id(a), id(b), id(b), id(c), id(c)}));
}

TEST_F(NameClashRuleTest, NamesAreComparedWithinOneKindOnly) {
    model.active(1, 1, "Buffer");
    model.passive(3, 1, "Buffer");
    model.other(5, 1);
    EXPECT_TRUE(findings(block).empty());
}

TEST_F(NameClashRuleTest, EmptyNamesNeverClash) {
    model.active(1, 1);
    model.active(3, 1);
    CCNameClashRule er(false, true);
    EXPECT_TRUE(findings(er).empty());
}

// Arcs are no shapes: the unset ID they share would name the page sheet.
TEST_F(NameClashRuleTest, ArcsNamedAlikeRecordNoUnsetID) {
    GEArc* a = model.arc(nullptr, {}, nullptr);
    GEArc* b = model.arc(nullptr, {}, nullptr);
    a->setIdentifier("flow");
    b->setIdentifier("Flow");
    EXPECT_TRUE(findings(block).empty());
}

TEST_F(NameClashRuleTest, PetriNetsGetNoFindings) {
    model.passive(1, 1, "P");
    model.passive(3, 1, "p");
    CCNameClashRule petri(false, false);
    EXPECT_TRUE(findings(petri).empty());
}

}  // namespace
