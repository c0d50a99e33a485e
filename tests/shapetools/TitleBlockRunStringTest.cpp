// How the title block component reads its run strings: the six characters after "SINK=",
// the ID after "Sheet." up to the next blank, the key after "PARAM=" to the end.
#include <gtest/gtest.h>

#include <random>

#include "helpers/RunString.h"
#include "shapetools/TitleBlockComponent.h"

namespace {

using Command = TitleBlockComponent::Command;

const std::pair<const char*, Command> kCommands[] = {
    {"TITLEB", Command::TitleBlock},       {"FBLOCK", Command::FrameAndTitleBlock},
    {"DELBGR", Command::RemoveBackground}, {"LOGOIn", Command::InsertLogo},
    {"LOGODe", Command::DeleteLogo},       {"LOGOPS", Command::MakeLogoProportional},
    {"LOGOMS", Command::StretchLogo},      {"INSTXT", Command::InsertText},
};

// Text that holds none of the keys.
std::string filler(std::mt19937& random) {
    static const std::string letters = "abcXYZ019 .-_=";
    std::string text(random() % 8, ' ');
    for (char& c : text) c = letters[random() % letters.size()];
    return text;
}

TEST(TitleBlockRunString, CommandsIdsAndKeysAreFoundWhereverTheyStand) {
    std::mt19937 random(20261206);
    for (int round = 0; round < 500; ++round) {
        const auto& [name, command] = kCommands[random() % 8];
        const int32_t id = static_cast<int32_t>(random() % 100000);
        const std::string key = filler(random) + "KEY";
        const std::string sheet = "Sheet." + std::to_string(id) + (random() % 2 ? " " : "");
        const std::string sink = std::string("SINK=") + name + filler(random);
        const bool sheetFirst = random() % 2 != 0;
        const std::string runString = filler(random) + " " +
                                      (sheetFirst ? sheet + " " + sink : sink) + " " +
                                      (sheetFirst ? "" : sheet + " ") + "PARAM=" + key;
        SCOPED_TRACE(runString);
        Command read;
        ASSERT_TRUE(TitleBlockComponent::readCommand(runString, &read));
        EXPECT_EQ(read, command);
        EXPECT_EQ(runstring::sheetId(runString), id);
        EXPECT_EQ(runstring::valueAfter(runString, "PARAM="), key);
    }
}

TEST(TitleBlockRunString, OtherStringsAreDeclined) {
    Command read;
    // The layout command's strings and five-letter commands are played in titleblock.qav.
    for (const char* declined :
         {"SINK=TIA Sheet.4 TBIndex=2", "SINK=titleb Sheet.4", "TITLEB Sheet.4", "SINK=DELBG"})
        EXPECT_FALSE(TitleBlockComponent::readCommand(declined, &read)) << declined;
    EXPECT_TRUE(TitleBlockComponent::readCommand("SINK=DELBGR", &read));
    EXPECT_EQ(runstring::sheetId("SINK=TITLEB Sheet.x12").value_or(0), 0);
    EXPECT_EQ(runstring::sheetId("SINK=DELBGR"), std::nullopt);
    EXPECT_EQ(runstring::sheetId("Sheet.12abc 7").value_or(0), 12);
    EXPECT_EQ(runstring::sheetId("Sheet.99999999999").value_or(0), 2147483647);
    EXPECT_EQ(runstring::valueAfter("SINK=INSTXT Sheet.3", "PARAM="), std::nullopt);
}

}  // namespace
