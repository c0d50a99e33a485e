// The resources the resource compiler put into the library Visio loads: the icon group
// each toolbar face names by its position, and the string table.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "helpers/AddonConstants.h"
#include "resources/StringTable.h"
#include "tests/win32/AddonWindowsHost.h"

namespace wintest {
namespace {

BOOL CALLBACK collectId(HMODULE, LPCSTR, LPSTR name, LONG_PTR ids) {
    if (IS_INTRESOURCE(name)) {
        reinterpret_cast<std::vector<int>*>(ids)->push_back(static_cast<int>(LOWORD(name)));
    }
    return TRUE;
}

// The icon groups in the order Windows lists them, which is what a face's number counts.
std::vector<int> iconGroups(HMODULE library) {
    std::vector<int> ids;
    EnumResourceNamesA(library, MAKEINTRESOURCEA(14), &collectId, reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

TEST(ResourcesOnWindows, EachFaceNamesTheIconOfItsButton) {
    AddonWindowsHost env;
    HMODULE library = GetModuleHandleA("QAVSupportTools.vsl");
    ASSERT_TRUE(library);
    const std::vector<int> groups = iconGroups(library);
    ASSERT_EQ(groups.size(), 10u);
    auto iconOfFace = [&](const std::string& tag) {
        const std::string face = env.host.toolbarItem(tag)->properties().iconFileName;
        EXPECT_EQ(face.compare(0, sizeof(buttonFacePrefix) - 1, buttonFacePrefix), 0) << face;
        const size_t number = std::stoul(face.substr(sizeof(buttonFacePrefix) - 1));
        EXPECT_TRUE(LoadIconA(library, MAKEINTRESOURCEA(groups.at(number)))) << face;
        return groups.at(number);
    };
    EXPECT_EQ(iconOfFace("PPPreferencePaneButton"), 107);
    EXPECT_EQ(iconOfFace("ABHelpButton"), 121);
    EXPECT_EQ(iconOfFace("CCStartButton"), 104);
}

TEST(ResourcesOnWindows, TheLibraryCarriesTheStringTable) {
    HMODULE library = LoadLibraryExA("QAVSupportTools.vsl", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(library);
    auto loaded = [&](int id) {
        char text[2048] = {};
        LoadStringA(library, static_cast<UINT>(id), text, sizeof(text));
        return std::string(text);
    };
#define QAV_EXPECT_ROW(id, text) EXPECT_EQ(loaded(id), text);
    QAV_STRING_TABLE(QAV_EXPECT_ROW)
#undef QAV_EXPECT_ROW
    FreeLibrary(library);
}

}  // namespace
}  // namespace wintest
