// Reading the masters' run strings: the command after "SINK=", the ID after "Sheet."
// and the one character after a key.
#include <gtest/gtest.h>

#include "helpers/RunString.h"

namespace {

TEST(RunStringTest, ReadsTheCommandTheShapeAndOneCharacterOfAKey) {
    EXPECT_TRUE(runstring::namesCommand("x SINK=TIAX Sheet.1", "TIA"));
    EXPECT_FALSE(runstring::namesCommand("SINK=TI", "TIA"));
    EXPECT_FALSE(runstring::namesCommand("TIA Sheet.1", "TIA"));

    EXPECT_EQ(runstring::sheetId("SINK=ALA Sheet.12 SCMIndex=7"), 12);
    EXPECT_EQ(runstring::sheetId("Sheet.-3"), -3);
    EXPECT_EQ(runstring::sheetId("Sheet.x12"), 0);
    EXPECT_EQ(runstring::sheetId("Sheet. 12"), 0);
    EXPECT_EQ(runstring::sheetId("Sheet.99999999999"), 2147483647);
    EXPECT_FALSE(runstring::sheetId("SINK=ALA"));

    EXPECT_EQ(runstring::characterAfter("TBIndex=12", "TBIndex="), '1');
    EXPECT_FALSE(runstring::characterAfter("Sheet.1 TBIndex=", "TBIndex="));
    EXPECT_FALSE(runstring::characterAfter("Sheet.1", "SCMIndex="));
    EXPECT_EQ(runstring::digitValue('7'), 7);
    EXPECT_EQ(runstring::digitValue('x'), 0);
}

}  // namespace
