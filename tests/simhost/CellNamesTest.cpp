#include "simhost/sheet/CellNames.h"

#include <gtest/gtest.h>

namespace simhost {
namespace {

CellAddress addressOf(const std::string& name) {
    auto p = CellNames::parse(name);
    EXPECT_TRUE(p.has_value()) << name;
    if (!p) return {};
    EXPECT_GE(p->row, 0) << name;
    return {p->section, p->row, p->cell};
}

TEST(CellNames, ResolvesNamesToTheNumbersVisioUses) {
    EXPECT_EQ(addressOf("LineColor"), (CellAddress{1, 2, 1}));
    EXPECT_EQ(addressOf("LineWeight"), (CellAddress{1, 2, 0}));
    EXPECT_EQ(addressOf("LinePattern"), (CellAddress{1, 2, 2}));
    EXPECT_EQ(addressOf("Char.Color"), (CellAddress{3, 0, 1}));
    EXPECT_EQ(addressOf("Char.Style"), (CellAddress{3, 0, 2}));
    EXPECT_EQ(addressOf("Char.Color[2]"), (CellAddress{3, 1, 1}));
    EXPECT_EQ(addressOf("Geometry1.NoShow"), (CellAddress{10, 0, 2}));
    EXPECT_EQ(addressOf("Geometry1.X1"), (CellAddress{10, 1, 0}));
    EXPECT_EQ(addressOf("Geometry2.Y3"), (CellAddress{11, 3, 1}));
    EXPECT_EQ(addressOf("Connections.X3"), (CellAddress{7, 2, 0}));
    EXPECT_EQ(addressOf("Scratch.X1"), (CellAddress{6, 0, 0}));
    EXPECT_EQ(addressOf("Actions.Checked[3]"), (CellAddress{240, 2, 4}));
    EXPECT_EQ(addressOf("Actions.Action"), (CellAddress{240, 0, 0}));
    EXPECT_EQ(addressOf("LockCrop"), (CellAddress{1, 15, 9}));
    EXPECT_EQ(addressOf("pinx"), (CellAddress{1, 1, 0}));
}

TEST(CellNames, KeepsRowNamesOfNamedSections) {
    auto user = CellNames::parse("User.QAV_marking");
    ASSERT_TRUE(user);
    EXPECT_EQ(user->section, 242);
    EXPECT_EQ(user->rowName, "QAV_marking");
    EXPECT_EQ(user->cell, 0);
    auto prompt = CellNames::parse("User.QAV_DrawingType.Prompt");
    ASSERT_TRUE(prompt);
    EXPECT_EQ(prompt->rowName, "QAV_DrawingType");
    EXPECT_EQ(prompt->cell, 1);
    auto prop = CellNames::parse("Prop.QAVType");
    ASSERT_TRUE(prop);
    EXPECT_EQ(prop->section, 243);
    EXPECT_EQ(prop->rowName, "QAVType");
}

TEST(CellNames, RejectsNamesThatAreNoCells) {
    EXPECT_FALSE(CellNames::parse("NoSuchCell"));
    EXPECT_FALSE(CellNames::parse("Char.Colour"));
    EXPECT_FALSE(CellNames::parse("Geometry0.X1"));
    EXPECT_FALSE(CellNames::parse("Connections.X0"));
    EXPECT_FALSE(CellNames::parse("User."));
    EXPECT_FALSE(CellNames::parse("Bogus.X1"));
}

TEST(CellNames, FormatsWhatItParses) {
    for (const char* name : {"LineColor", "Char.Color", "Char.Color[2]", "Geometry1.NoShow",
                             "Geometry1.X2", "Connections.Y3", "Scratch.X1", "User.Name",
                             "User.Name.Prompt", "Prop.QAVType.Label", "Actions.Row_1.Action"}) {
        auto p = CellNames::parse(name);
        ASSERT_TRUE(p) << name;
        CellAddress a{p->section, p->row < 0 ? int16_t(0) : p->row, p->cell};
        EXPECT_EQ(CellNames::format(a, p->rowName), name);
    }
}

}  // namespace
}  // namespace simhost
