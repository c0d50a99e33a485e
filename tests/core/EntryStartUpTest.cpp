#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "entry/LibraryMessages.h"
#include "helpers/LocaleSeparators.h"
#include "platform/ui/WinApiConstants.h"
#include "platform/visio/ApplicationLocator.h"
#include "tests/core/EntryTestHost.h"

namespace entrytest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char kListMessage[] =
    "You are using an user-defined List Separator selectable via the Windows 'Regional "
    "Options' Control Panel which unfortunately may cause the QAVSupportTools not to work "
    "correctly. Please readjust your settings.";
constexpr char kDecimalMessage[] =
    "You are using an user-defined Decimal Separator selectable via the Windows 'Regional "
    "Options' Control Panel which unfortunately may cause the QAVSupportTools not to work "
    "correctly. Please readjust your settings.";

uint16_t anyCallback(uint16_t, uint16_t, void*) {
    return 0;
}

uint16_t load() {
    return dispatchLibraryMessage(0x2000, 0, reinterpret_cast<void*>(&anyCallback));
}

class EntryStartUpTest : public ::testing::Test {
protected:
    void separators(const std::string& list, const std::string& decimal) {
        env.system.list = list;
        env.system.decimal = decimal;
    }
    EntryTestHost env;
};

TEST_F(EntryStartUpTest, UnreachableVisioShowsTheCriticalErrorAndChecksNoSeparator) {
    env.host.withdrawActiveObject();
    separators(".", "'");
    currentListSeparator.clear();
    EXPECT_EQ(load(), 0x0203);
    EXPECT_EQ(theAddon.controller(), nullptr);
    ASSERT_EQ(env.backend.messageBoxes().size(), 1u);
    const auto& box = env.backend.messageBoxes()[0];
    EXPECT_EQ(box.text, "Critical Error! No access to Visio! Aborting...");
    EXPECT_EQ(box.caption, "QAV Support Tool Addon");
    EXPECT_EQ(box.type, ui::kMbOk | ui::kMbIconStop);
    EXPECT_FALSE(box.owner);
    EXPECT_EQ(currentListSeparator, "");
}

TEST_F(EntryStartUpTest, ANewVisioInstanceServesWhenNoneIsRunning) {
    env.host.withdrawActiveObject();
    visio::ApplicationLocator::setInstanceFactory([this] { return env.host.applicationRef(); });
    load();
    EXPECT_NE(theAddon.controller(), nullptr);
    EXPECT_TRUE(theAddon.application().get() == env.host.applicationRef().get());
    EXPECT_THAT(env.boxTexts(), IsEmpty());
}

TEST_F(EntryStartUpTest, TheRunningVisioComesFirst) {
    visio::ApplicationLocator::setInstanceFactory(
        [] { return visio::ComRef<visio::IVApplication>(); });
    load();
    EXPECT_TRUE(theAddon.application().get() == env.host.applicationRef().get());
}

TEST_F(EntryStartUpTest, SemicolonAsListSeparatorIsTakenSilently) {
    separators(";", ".");
    load();
    EXPECT_EQ(currentListSeparator, ";");
    EXPECT_EQ(currentDecimalSeparator, ".");
    EXPECT_THAT(env.boxTexts(), IsEmpty());
}

TEST_F(EntryStartUpTest, APointAsListSeparatorIsReportedAndCommaIsUsed) {
    separators(".", ".");
    load();
    EXPECT_EQ(currentListSeparator, ",");
    EXPECT_EQ(currentDecimalSeparator, ".");
    ASSERT_THAT(env.boxTexts(), ElementsAre(kListMessage));
    EXPECT_EQ(env.backend.messageBoxes()[0].caption, "QAV Tools 2.1.1");
    EXPECT_EQ(env.backend.messageBoxes()[0].type, ui::kMbOk | ui::kMbIconStop);
}

TEST_F(EntryStartUpTest, CommaServesAsBothSeparators) {
    separators(",", ",");
    load();
    EXPECT_EQ(currentListSeparator, ",");
    EXPECT_EQ(currentDecimalSeparator, ",");
    EXPECT_THAT(env.boxTexts(), IsEmpty());
}

TEST_F(EntryStartUpTest, AnApostropheAsDecimalSeparatorIsReportedAndPointIsUsed) {
    separators(";", "'");
    load();
    EXPECT_EQ(currentListSeparator, ";");
    EXPECT_EQ(currentDecimalSeparator, ".");
    ASSERT_THAT(env.boxTexts(), ElementsAre(kDecimalMessage));
    EXPECT_EQ(env.backend.messageBoxes()[0].caption, "QAV Tools 2.1.1");
}

TEST_F(EntryStartUpTest, BothSeparatorsWrongGiveBothMessagesInOrder) {
    separators(", ", "");
    load();
    EXPECT_EQ(currentListSeparator, ",");
    EXPECT_EQ(currentDecimalSeparator, ".");
    EXPECT_THAT(env.boxTexts(), ElementsAre(kListMessage, kDecimalMessage));
    EXPECT_NE(theAddon.controller(), nullptr);
}

}  // namespace
}  // namespace entrytest
