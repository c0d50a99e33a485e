// The windows Office keeps for Visio's command bars, in the headless backend: Visio's
// main window with its four dock areas, and one "MsoCommandBar" window for each custom
// toolbar that has been shown, floating or in the top dock. A bar's window stays when
// the bar is hidden or deleted, as Office leaves it, until someone closes it.
#pragma once

#include <string>

#include "platform/ui/Handle.h"

namespace simhost {

class Application;
namespace headless {
class HeadlessBackend;
}

class OfficeBarWindows {
public:
    // Creates the main window and its dock areas and gives the application its handle.
    OfficeBarWindows(Application& application, headless::HeadlessBackend& backend);
    ~OfficeBarWindows();
    OfficeBarWindows(const OfficeBarWindows&) = delete;
    OfficeBarWindows& operator=(const OfficeBarWindows&) = delete;

    // Gives every shown toolbar of the installed custom toolbars its window, and shows
    // that window again when it was closed.
    void sync();

    ui::WindowHandle mainWindow() const { return mainWindow_; }
    ui::WindowHandle topDock() const { return topDock_; }

private:
    void showBar(const std::string& caption, bool floating);

    Application& application_;
    headless::HeadlessBackend& backend_;
    ui::WindowHandle mainWindow_;
    ui::WindowHandle topDock_;
};

}  // namespace simhost
