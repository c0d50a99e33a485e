// The base of every tool of the add-on: how the main controller creates, informs and
// destroys the tools, and how the preferences tool collects their pages and buttons.
#pragma once

#include <cstdint>
#include <string>

#include "core/CommandBarsAccess.h"
#include "platform/visio/IVObject.h"
#include "platform/visio/VObject.h"

class CommandBarObject;
class PreferencePage;

class SupportTool {
public:
    virtual ~SupportTool();

    // Adds and sets up the tool's button on the bar; tools without a button do nothing.
    virtual void createToolbarButton(CommandBarsAccess* access, CommandBarObject* bar) = 0;
    // True when the tool has handled the run argument.
    virtual bool onCommand(std::string argument) = 0;
    // Only the low 16 bits of the code count, read as a signed number (so a shape-added
    // event arrives as -32704): compare with eventCodeOf(code).
    virtual void onVisioEvent(int32_t eventCode, const visio::VObject& subject,
                              visio::Variant moreInfo) = 0;
    // The tool's preference page, or null for a tool without one.
    virtual PreferencePage* getPreferencePage() = 0;
    // Takes over the settings that the tool's page has just written.
    virtual void applySettings() = 0;
    // The add-on is going (unload, shut-down, a second load): whatever the tool shows in
    // the user's drawings is put back, as the tool's own stop or leave puts it back, while
    // Visio is still there. Tools that show nothing have nothing to end.
    virtual void endRun() {}

    // The part of an event code that counts.
    static int16_t eventCodeOf(int32_t eventCode) { return static_cast<int16_t>(eventCode); }

protected:
    SupportTool() = default;
    SupportTool(const SupportTool&) = delete;
    SupportTool& operator=(const SupportTool&) = delete;

    // Created and deleted by the deriving tool; null for tools without a page.
    PreferencePage* preferencePage_ = nullptr;
    // Empty until a registered tool keeps a copy of the access it is handed, so that it
    // can make later changes of its button visible.
    CommandBarsAccess commandBarsAccess_;
};
