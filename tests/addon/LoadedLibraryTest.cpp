// Loads the built add-on library and drives it through Visio's add-on library protocol,
// as Visio would.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/hosting/HostRegistrations.h"
#include "platform/ui/Backend.h"
#include "platform/visio/IVEvents.h"
#include "simhost/addon/AddonHost.h"
#include "simhost/addon/AddonLibrary.h"
#include "simhost/host/Addons.h"
#include "simhost/host/EventList.h"
#include "simhost/host/Host.h"
#include "simhost/os/StandInSystem.h"
#include "simhost/ui/HeadlessBackend.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char kUnregisteredCall[] =
    "An unregistered call from Visio to the Addon occured. Ignoring...";
constexpr char kSecondCopyPrefix[] = "Caution! At least two QAV Stencils installations";

// The library of this build: from the build's bin folder where the tests are told it,
// else beside the test program (both are the same folder).
std::string libraryPath() {
#ifndef _WIN32
    if (const char* build = std::getenv("QAV_BINARY_DIR"); build && *build) {
        return std::string(build) + "/bin/QAVSupportTools.so";
    }
#endif
    return simhost::AddonLibrary::besideProgram();
}

class LoadedLibraryTest : public ::testing::Test {
protected:
    LoadedLibraryTest() {
        ui::Backend::install(&backend);
        system.list = ";";
        system.decimal = ",";
        system.settingsFolder.clear();
        system.install();
        host.registerActiveObject();
    }
    ~LoadedLibraryTest() override {
        addons.reset();
        ui::Backend::install(nullptr);
    }
    simhost::AddonHost::LoadedLibrary& load(const std::string& path = libraryPath()) {
        std::string error;
        simhost::AddonHost::LoadedLibrary* library = addons->load(path, &error);
        if (!library) throw std::runtime_error(error);
        return *library;
    }
    std::vector<std::string> boxTexts(const std::string& prefix = std::string()) const {
        std::vector<std::string> texts;
        for (const auto& box : backend.messageBoxes())
            if (box.text.compare(0, prefix.size(), prefix) == 0) texts.push_back(box.text);
        return texts;
    }

    simhost::headless::HeadlessBackend backend;
    simhost::StandInSystem system;
    simhost::Host host;
    std::unique_ptr<simhost::AddonHost> addons = std::make_unique<simhost::AddonHost>(host);
};

TEST_F(LoadedLibraryTest, LoadsAndRegistersItsOneAddon) {
    simhost::AddonHost::LoadedLibrary& library = load();
    EXPECT_EQ(library.loadAnswer, 0x0203);
    EXPECT_EQ(library.registerAnswer, 0);
    ASSERT_EQ(library.addons.size(), 1u);
    EXPECT_EQ(library.addons[0].index, 1);
    EXPECT_EQ(library.addons[0].attributes, 0x0019);
    EXPECT_EQ(library.addons[0].name, "QAVSupportTools");
    EXPECT_EQ(library.addons[0].value, simhost::AddonHost::kSessionValue);
    EXPECT_THAT(host.application().addons().names(), ElementsAre("QAVSupportTools"));
    EXPECT_EQ(host.application().eventList().Count(), 21);
    // The library's calls reach the host's call observer.
    EXPECT_EQ(host.counters().callsOf<visio::IVEventList>("AddAdvise"), 21u);
    EXPECT_THAT(boxTexts(), IsEmpty());
}

TEST_F(LoadedLibraryTest, FollowsOnlyRegistrationsOfItsOwnBuild) {
    simhost::AddonHost::LoadedLibrary& library = load();
    auto share = reinterpret_cast<hosting::ShareEntry>(
        library.library->exportedSymbol(hosting::kShareEntryName));
    ASSERT_TRUE(share);
    hosting::HostRegistrations other = hosting::ofThisModule();
    other.size += 8;
    EXPECT_EQ(share(&other), 0);
    EXPECT_EQ(share(nullptr), 0);
    // Still the host's: the box goes to the host's backend.
    host.pump();
    EXPECT_TRUE(addons->run("QAVSupportTools", "SINK=NOSUCHCOMMAND"));
    EXPECT_THAT(boxTexts(), ElementsAre(kUnregisteredCall));
}

TEST_F(LoadedLibraryTest, AnswersTheIndexedAndUnknownMessages) {
    simhost::AddonHost::LoadedLibrary& library = load();
    EXPECT_EQ(library.library->send(0x3001, 1, nullptr), 0x5000);
    EXPECT_EQ(library.library->send(0x3001, 2, nullptr), 0);
    EXPECT_EQ(library.library->send(0x3003, 1, nullptr), 0);
    EXPECT_EQ(library.library->send(0x3004, 1, nullptr), 0);
    EXPECT_EQ(library.library->send(0x7777, 1, nullptr), 0x5005);
}

uint16_t foreignCallback(uint16_t, uint16_t, void*) {
    return 0;
}

TEST_F(LoadedLibraryTest, ASecondLoadWithAForeignCallbackStartsUpAfresh) {
    simhost::AddonHost::LoadedLibrary& library = load();
    void* foreign = reinterpret_cast<void*>(&foreignCallback);
    EXPECT_EQ(library.library->send(0x2000, 0, foreign), 0x4000);
    EXPECT_EQ(host.application().eventList().Count(), 21);
    void* visio = reinterpret_cast<void*>(&simhost::AddonHost::visioCallback);
    EXPECT_EQ(library.library->send(0x2000, 0, visio), 0x0203);
}

TEST_F(LoadedLibraryTest, ARunRequestNoToolTakesShowsTheUnregisteredCallBox) {
    simhost::AddonHost::LoadedLibrary& library = load();
    host.pump();
    EXPECT_TRUE(addons->run("QAVSupportTools", "SINK=NOSUCHCOMMAND"));
    EXPECT_THAT(boxTexts(), ElementsAre(kUnregisteredCall));
    EXPECT_EQ(addons->runIndex(library, 2, "SINK=NOSUCHCOMMAND"), 0);
    EXPECT_EQ(addons->runIndex(library, 1, ""), 0);
    EXPECT_FALSE(addons->run("SomeOtherAddon", "SINK=NOSUCHCOMMAND"));
    EXPECT_THAT(boxTexts(), ElementsAre(kUnregisteredCall));
}

TEST_F(LoadedLibraryTest, UnloadWithdrawsTheAddonAndItsSubscriptions) {
    simhost::AddonHost::LoadedLibrary& library = load();
    host.pump();
    library.library->send(0x3005, 0, nullptr);
    addons->unload(library);
    EXPECT_THAT(host.application().addons().names(), IsEmpty());
    EXPECT_EQ(host.application().eventList().Count(), 0);
    EXPECT_THAT(addons->libraries(), IsEmpty());
    host.queueEvent(0x1400, nullptr);
    host.pump();
}

TEST_F(LoadedLibraryTest, WithoutARunningVisioItReportsTheCriticalError) {
    host.withdrawActiveObject();
    simhost::AddonHost::LoadedLibrary& library = load();
    EXPECT_EQ(library.loadAnswer, 0x0203);
    EXPECT_THAT(boxTexts(), ElementsAre("Critical Error! No access to Visio! Aborting..."));
    EXPECT_EQ(host.application().eventList().Count(), 0);
    EXPECT_TRUE(addons->run("QAVSupportTools", "PPPreferencePaneButton"));
    EXPECT_EQ(boxTexts(kUnregisteredCall).size(), 1u);
}

TEST_F(LoadedLibraryTest, TwoCopiesEachWarnAboutTheOther) {
    namespace fs = std::filesystem;
    fs::path folder = fs::temp_directory_path() / "qav-second-copy";
    fs::create_directories(folder);
    fs::path copy = folder / fs::path(libraryPath()).filename();
    fs::copy_file(libraryPath(), copy, fs::copy_options::overwrite_existing);
    load();
    load(copy.string());
    EXPECT_THAT(host.application().addons().names(),
                ElementsAre("QAVSupportTools", "QAVSupportTools"));
    host.pump();
    EXPECT_EQ(boxTexts(kSecondCopyPrefix).size(), 2u);
    addons->unload(*addons->libraries().back());
    EXPECT_THAT(host.application().addons().names(), ElementsAre("QAVSupportTools"));
    addons.reset();
    fs::remove_all(folder);
}

}  // namespace
