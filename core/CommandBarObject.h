// The add-on's toolbar in Visio's UI object: naming, protecting, placing, showing,
// hiding and deleting it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/CommandBarsAccess.h"
#include "platform/ui/Handle.h"
#include "platform/visio/VApplication.h"
#include "platform/visio/VToolbar.h"

class CommandBarObject {
public:
    // The windows in which Office shows a command bar; found only when hiding it.
    struct Windows {
        ui::WindowHandle floating;
        ui::WindowHandle barInLeftDock;
        ui::WindowHandle barInRightDock;
        ui::WindowHandle barInTopDock;
        ui::WindowHandle barInBottomDock;
        ui::WindowHandle topDock;
        ui::WindowHandle leftDock;
        ui::WindowHandle rightDock;
        ui::WindowHandle bottomDock;
    };

    CommandBarObject() = default;
    CommandBarObject(const visio::VApplication& application, const visio::VToolbar& toolbar);
    // Deletes the bar with all its buttons.
    ~CommandBarObject();
    CommandBarObject(const CommandBarObject&) = delete;
    CommandBarObject& operator=(const CommandBarObject&) = delete;

    // The name is kept even when no toolbar is held.
    void setName(const std::string& name);
    void setProtection(int16_t value);
    // 4 floating, 6 docked; the row index then becomes -1.
    void setPosition(int16_t position);
    // Hiding also closes the bar's windows, which Office would otherwise leave on screen.
    void setShown(bool show);
    void findWindows();
    // Deletes every item, front first, then the toolbar itself.
    void deleteBar();

    const visio::VToolbar& toolbar() const { return toolbar_; }
    const std::string& name() const { return name_; }
    const Windows& windows() const { return windows_; }

private:
    int16_t versionValue() const;
    void closeBarWindows() const;

    visio::VToolbar toolbar_;
    visio::VApplication application_;
    std::string name_;
    Windows windows_;
};

// Adds a new toolbar to the drawing window's toolbar set of the access's UI object. The
// object is created in any case; without a UI object it holds no toolbar.
std::unique_ptr<CommandBarObject> createCommandBarObject(const CommandBarsAccess& access);
