// The exporter's page: its defaults and how it reads hand-edited values, the groups its
// switches grey, how the folder text decides whether it is relative, and what Apply
// writes.
#include "exporter/PEPropertyPage.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "platform/ui/PropertySheet.h"
#include "platform/ui/RuntimeClass.h"
#include "platform/ui/WinApiConstants.h"
#include "resources/Dialog116Exporter.h"
#include "tests/exporter/ExporterTestHost.h"

namespace exportertest {
namespace {

// Absolute and relative folder texts of this platform, as a user types them.
#ifdef _WIN32
constexpr char kAbsolute[] = "\\\\server\\share";
constexpr char kChosen[] = "C:\\chosen\\folder";
#else
constexpr char kAbsolute[] = "/srv/share";
constexpr char kChosen[] = "/chosen/folder";
#endif

class PEPropertyPageTest : public ::testing::Test {
protected:
    // The sheet, turned to the exporter's page.
    ui::WindowHandle openPage() {
        EXPECT_TRUE(env.press("PPPreferencePaneButton"));
        ui::PropertySheet* sheet = env.page().sheet();
        EXPECT_NE(sheet, nullptr);
        int32_t index = 0;
        while (index < sheet->pageCount() && sheet->page(index) != &env.page()) ++index;
        EXPECT_TRUE(env.user.selectPage(sheet->handle(), index));
        return sheet->handle();
    }
    const simhost::headless::HeadlessWindow& control(ui::WindowHandle sheet, int32_t id) {
        return *env.backend.window(env.user.control(sheet, id));
    }
    bool enabled(ui::WindowHandle sheet, int32_t id) { return control(sheet, id).enabled; }
    // The five controls each export switch greys: list, edit, relative box, label, Browse.
    void expectGroupEnabled(ui::WindowHandle sheet, PEFormatSlot slot, bool on) {
        const bool a = slot == PEFormatSlot::A;
        for (int32_t id : {a ? dialog116::kFormatA : dialog116::kFormatB,
                           a ? dialog116::kFolderA : dialog116::kFolderB,
                           a ? dialog116::kRelativeA : dialog116::kRelativeB,
                           a ? dialog116::kFolderLabelA : dialog116::kFolderLabelB,
                           a ? dialog116::kBrowseA : dialog116::kBrowseB}) {
            EXPECT_EQ(enabled(sheet, id), on) << id;
        }
    }

    ExporterTestHost env;
};

// A format's four settings as one line of text, to compare them at once.
std::string shown(const PEFormatSettings& s) {
    return std::to_string(s.doExport) + " " + std::to_string(s.format) + " \"" + s.folder + "\" " +
           std::to_string(s.relative);
}

TEST_F(PEPropertyPageTest, WithoutASettingsFileFormatAWritesEmfIntoTheDocumentsFolder) {
    EXPECT_EQ(shown(PEPropertyPage().a), "0 -1 \"\" 0") << "before the file is read";
    env.startTools();
    EXPECT_EQ(shown(env.page().a), "1 0 \"\" 1");
    EXPECT_EQ(shown(env.page().b), "0 5 \"\" 1");
    EXPECT_EQ(env.page().namingException, 1);

    const ui::RuntimeClass* record = ui::RuntimeClass::fromName("PEPropertyPage");
    ASSERT_NE(record, nullptr);
    std::unique_ptr<ui::Dialog> made = record->createObject();
    EXPECT_EQ(made->dialogTemplate().id, dialog116::kId);
    EXPECT_EQ(made->dialogTemplate().caption, "Picture Exporter");
}

TEST_F(PEPropertyPageTest, HandEditedValuesAreReadAsTheSettingsFileReadsThem) {
    env.writeSettings(
        "PE_DoExportFileFormat_A=true\r\nPE_FileFormat_A=4 (png)\r\nPE_Destination_A=a=b\r\n"
        "PE_RelativePath_A=FALSE\r\nPE_DoExportFileFormat_B=TRUE\r\nPE_FileFormat_B=gif\r\n"
        "PE_NamingExceptionOnePage=1\r\n");
    env.startTools();
    EXPECT_EQ(shown(env.page().a), "0 4 \"a=b\" 0");
    EXPECT_EQ(shown(env.page().b), "1 0 \"\" 1");
    EXPECT_EQ(env.page().namingException, 0);
}

TEST_F(PEPropertyPageTest, OpeningEnablesApplyAndEachSwitchGreysItsGroup) {
    env.startTools();
    const ui::WindowHandle sheet = openPage();
    EXPECT_TRUE(enabled(sheet, ui::PropertySheet::kApplyNowId));
    EXPECT_EQ(control(sheet, dialog116::kFormatA).selection, 0);
    EXPECT_EQ(control(sheet, dialog116::kFormatB).selection, 5);
    expectGroupEnabled(sheet, PEFormatSlot::A, true);
    expectGroupEnabled(sheet, PEFormatSlot::B, false);

    ASSERT_TRUE(env.user.tick(sheet, dialog116::kExportA, false));
    expectGroupEnabled(sheet, PEFormatSlot::A, false);
    EXPECT_EQ(env.page().a.doExport, 0);
    ASSERT_TRUE(env.user.tick(sheet, dialog116::kExportB, true));
    expectGroupEnabled(sheet, PEFormatSlot::B, true);
}

TEST_F(PEPropertyPageTest, TheFolderTextDecidesWhetherItIsRelative) {
    env.startTools();
    const ui::WindowHandle sheet = openPage();
    ASSERT_TRUE(env.user.type(sheet, dialog116::kFolderA, kAbsolute));
    EXPECT_EQ(env.page().a.relative, 0);
    EXPECT_EQ(control(sheet, dialog116::kRelativeA).check, ui::kBstUnchecked);
    // The user may tick it again; it holds until the text changes.
    ASSERT_TRUE(env.user.tick(sheet, dialog116::kRelativeA, true));
    EXPECT_EQ(env.page().a.relative, 1);
    ASSERT_TRUE(env.user.type(sheet, dialog116::kFolderA, "Pics"));
    EXPECT_EQ(env.page().a.folder, "Pics");
    EXPECT_EQ(env.page().a.relative, 1);

    // The folder browser gives absolute paths; cancelling it changes nothing.
    ASSERT_TRUE(env.user.tick(sheet, dialog116::kExportB, true));
    env.backend.answerFolder(kChosen);
    env.backend.answerFolder(std::nullopt);
    ASSERT_TRUE(env.user.click(sheet, dialog116::kBrowseB));
    EXPECT_EQ(control(sheet, dialog116::kFolderB).text, kChosen);
    EXPECT_EQ(env.page().b.relative, 0);
    ASSERT_TRUE(env.user.click(sheet, dialog116::kBrowseB));
    EXPECT_EQ(env.page().b.folder, kChosen);
    ASSERT_EQ(env.backend.folderRequests().size(), 2u);
    const auto& request = env.backend.folderRequests().front();
    EXPECT_EQ(request.title, "Choose your destination path!");
    EXPECT_EQ(request.flags, ui::kBifNewDialogStyle | ui::kBifEditBox);
    EXPECT_FALSE(request.owner);
}

TEST_F(PEPropertyPageTest, AbsoluteFormsOfEachPlatform) {
    struct Form {
        os::PathStyle style;
        const char* folder;
        int32_t relative;
    };
    const Form forms[] = {
        {os::PathStyle::Windows, "C:\\Pics", 0},
        {os::PathStyle::Windows, "C:", 0},
        {os::PathStyle::Windows, "\\\\server\\share\\Pics", 0},
        {os::PathStyle::Windows, "Pics", 1},
        {os::PathStyle::Windows, "..\\Pics", 1},
        {os::PathStyle::Windows, "\\Pics", 1},
        {os::PathStyle::Windows, "C:Pics\\Sub", 1},
        {os::PathStyle::Windows, "", 1},
        {os::PathStyle::Posix, "/srv/share", 0},
        {os::PathStyle::Posix, "/", 0},
        {os::PathStyle::Posix, "Pics", 1},
        {os::PathStyle::Posix, "../Pics", 1},
        {os::PathStyle::Posix, "C:\\Pics", 1},
        {os::PathStyle::Posix, "", 1},
    };
    for (const Form& form : forms) {
        EXPECT_EQ(PEPropertyPage::relativeFlagOf(form.folder, form.style), form.relative)
            << form.folder;
    }
}

TEST_F(PEPropertyPageTest, ApplyWritesTheChangedKeysInOrder) {
    env.writeSettings("PE_FileFormat_B=9\r\n");
    env.startTools();
    const ui::WindowHandle sheet = openPage();
    EXPECT_EQ(control(sheet, dialog116::kFormatB).selection, -1) << "no such entry";
    ASSERT_TRUE(env.user.choose(sheet, dialog116::kFormatA, 4));
    ASSERT_TRUE(env.user.type(sheet, dialog116::kFolderA, "Pics"));
    ASSERT_TRUE(env.user.click(sheet, dialog116::kNamingException));
    ASSERT_TRUE(env.user.pressApply(sheet));
    // The page's lines: what the user did not change stays as the file holds it, also a
    // format the list does not offer.
    std::string lines;
    std::istringstream file(env.settings().value_or(""));
    for (std::string line; std::getline(file, line);) {
        if (line.rfind("PE_", 0) == 0) lines += line + "\n";
    }
    EXPECT_EQ(lines,
              "PE_FileFormat_B=9\r\n"
              "PE_FileFormat_A=4\r\nPE_Destination_A=Pics\r\n"
              "PE_NamingExceptionOnePage=FALSE\r\n");
    EXPECT_FALSE(enabled(sheet, ui::PropertySheet::kApplyNowId));
}

}  // namespace
}  // namespace exportertest
