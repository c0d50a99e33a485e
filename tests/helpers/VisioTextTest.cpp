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

TEST(VisioText, FormulasAreCutAt8191Characters) {
    EXPECT_EQ(limitFormulaLength(std::string(8191, 'x')).size(), 8191u);
    EXPECT_EQ(limitFormulaLength(std::string(8200, 'x')).size(), 8191u);
    const std::string umlaut = "\xC3\xA4";  // two bytes, one character
    std::string formula;
    for (int i = 0; i < 8192; ++i) formula += umlaut;
    const std::string cut = limitFormulaLength(formula);
    EXPECT_EQ(cut.size(), 2u * 8191u);
    EXPECT_EQ(cut.substr(cut.size() - 2), umlaut);
}

}  // namespace
