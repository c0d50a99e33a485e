#include <gtest/gtest.h>

#include <string>

#include "helpers/VisioText.h"

namespace {

TEST(VisioText, TextFromVisioIsCutAt8191Bytes) {
    EXPECT_EQ(limitVisioText(std::string(8191, 'a')).size(), 8191u);
    EXPECT_EQ(limitVisioText(std::string(9000, 'a')).size(), 8191u);
    EXPECT_EQ(limitVisioText("short"), "short");
}

TEST(VisioText, TheCutNeverSplitsACharacter) {
    const std::string euro = "\xE2\x82\xAC";  // three bytes
    // Bytes 8190..8192 hold the character: all of it goes.
    const std::string text = std::string(8190, 'a') + euro + "tail";
    EXPECT_EQ(limitVisioText(text), std::string(8190, 'a'));
    // A character that ends exactly at the limit stays.
    const std::string fits = std::string(8188, 'a') + euro + "tail";
    EXPECT_EQ(limitVisioText(fits), std::string(8188, 'a') + euro);
}

TEST(VisioText, TheFormulaLimitCountsCharactersNotBytes) {
    EXPECT_FALSE(exceedsFormulaLimit(std::string(8191, 'x')));
    EXPECT_TRUE(exceedsFormulaLimit(std::string(8192, 'x')));
    const std::string umlaut = "\xC3\xA4";  // two bytes, one character
    std::string formula;
    for (int i = 0; i < 8191; ++i) formula += umlaut;
    EXPECT_FALSE(exceedsFormulaLimit(formula));
    EXPECT_TRUE(exceedsFormulaLimit(formula + "x"));
}

}  // namespace
