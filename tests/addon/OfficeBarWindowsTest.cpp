#include <gtest/gtest.h>

#include "core/CommandBarObject.h"
#include "platform/ui/Backend.h"
#include "simhost/addon/OfficeBarWindows.h"
#include "simhost/host/Host.h"
#include "simhost/host/Toolbar.h"
#include "simhost/host/ToolbarSet.h"
#include "simhost/host/ToolbarSets.h"
#include "simhost/host/Toolbars.h"
#include "simhost/host/UIObject.h"
#include "simhost/ui/HeadlessBackend.h"

namespace {

constexpr char kBar[] = "QAV Tools 2.1.1";

class OfficeBarWindowsTest : public ::testing::Test {
protected:
    OfficeBarWindowsTest() {
        ui::Backend::install(&backend);
        auto ui = simhost::UIObject::builtIn();
        host.application().SetCustomToolbars(ui);
        bar = ui->sets().find(2)->toolbars().add(kBar);
    }
    ~OfficeBarWindowsTest() override { ui::Backend::install(nullptr); }

    simhost::headless::HeadlessBackend backend;
    simhost::Host host;
    simhost::OfficeBarWindows windows{host.application(), backend};
    visio::ComRef<simhost::Toolbar> bar;
};

TEST_F(OfficeBarWindowsTest, ShownBarsGetAWindowFloatingOrInTheTopDock) {
    EXPECT_EQ(host.application().WindowHandle32(), windows.mainWindow().toInteger());
    bar->SetPosition(4);
    windows.sync();
    EXPECT_TRUE(backend.findWindow("MsoCommandBar", kBar));
    EXPECT_FALSE(backend.findChildWindow(windows.topDock(), "MsoCommandBar", kBar));
    bar->SetPosition(6);
    windows.sync();
    EXPECT_TRUE(backend.findChildWindow(windows.topDock(), "MsoCommandBar", kBar));
    EXPECT_TRUE(backend.findChildWindow(windows.mainWindow(), "", "MsoDockBottom"));
}

TEST_F(OfficeBarWindowsTest, HiddenBarsGetNoWindow) {
    bar->SetVisible(false);
    windows.sync();
    EXPECT_FALSE(backend.findWindow("MsoCommandBar", kBar));
}

TEST_F(OfficeBarWindowsTest, HidingTheAddonsBarClosesItsWindowAndShowingBringsItBack) {
    bar->SetPosition(6);
    windows.sync();
    CommandBarObject object(visio::VApplication(host.applicationRef()), visio::VToolbar(bar));
    object.setName(kBar);
    object.setShown(false);
    ASSERT_EQ(backend.closeMessages().size(), 1u);
    ui::WindowHandle window = backend.findChildWindow(windows.topDock(), "MsoCommandBar", kBar);
    EXPECT_EQ(backend.closeMessages()[0].window, window);
    EXPECT_FALSE(backend.isWindowVisible(window));
    object.setShown(true);
    windows.sync();
    EXPECT_TRUE(backend.isWindowVisible(window));
}

}  // namespace
