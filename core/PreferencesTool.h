// The first of the add-on's tools. It keeps the registry of the tools that have a
// preference page and a toolbar button (registration order is page order and button
// order), builds and rebuilds the add-on's command bar, stores the settings in the
// per-user settings file for every page, and opens the preference sheet from its own
// button, "PPPreferencePaneButton". Its page is the General page.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/CommandBarObject.h"
#include "core/SettingsFile.h"
#include "core/SupportTool.h"
#include "core/ToolFactory.h"
#include "platform/visio/VApplication.h"
#include "platform/visio/VToolbarItem.h"

class PPDialog;
class PPPropertyPage;

class PreferencesTool : public SupportTool {
public:
    static constexpr char kButtonTag[] = "PPPreferencePaneButton";

    explicit PreferencesTool(const visio::VApplication& application);
    ~PreferencesTool() override;

    // The controller's entry: the tool registers itself and every registered tool
    // after it, and builds the bar once all exist.
    static ToolFactory factory();

    void createToolbarButton(CommandBarsAccess* access, CommandBarObject* bar) override;
    // Opens the sheet on "PPPreferencePaneButton".
    bool onCommand(std::string argument) override;
    void onVisioEvent(int32_t eventCode, const visio::VObject& subject,
                      visio::Variant moreInfo) override;
    PreferencePage* getPreferencePage() override;
    // After the General page has written its keys: rebuilds the bar with its new
    // visibility and position, and keeps the open sheet in front of it.
    void applySettings() override;

    virtual void registerTool(SupportTool* tool);
    // Stores one setting; true when it was stored. When it cannot be stored the user is
    // told once, until a setting is stored again or the sheet is opened anew; the file
    // keeps its lines.
    virtual bool writeSetting(std::string key, std::string value);
    // True when the file has a line for the key: its value goes to value and, when
    // given, the line's byte offset to lineOffset. When false, both stay as they were.
    virtual bool readSetting(std::string key, std::string* value, int32_t* lineOffset);
    // Builds the command bar; first only once every tool is registered, which is when
    // the pages are handed the settings store.
    virtual void updateCommandBar(bool first);

    // While a sheet applies its pages (Apply, OK), the settings that cannot be stored are
    // gathered, and then told in one message that names every one of them.
    void gatherWriteFailures();
    void tellWriteFailures();

    // Opens the sheet, or brings it forward when it is open.
    void showPreferences();
    // Deletes the bar with all buttons and lets go of the UI object.
    void releaseCommandBar();
    // Called by the sheet once its window is gone; another sheet than the open one
    // clears nothing. Null clears the flag whatever is open (a test's fresh start).
    static void clearSheetOpen(const PPDialog* sheet);
    static bool isSheetOpen();

    PPPropertyPage* generalPage() const { return generalPage_.get(); }
    // Null while the sheet is closed.
    PPDialog* sheet() const;
    CommandBarObject* commandBar() const { return commandBar_.get(); }
    const std::vector<SupportTool*>& registeredTools() const { return registeredTools_; }

private:
    void takeUIObject();
    // Whether the bar was built with the General page's values as they are now.
    bool barFollowsGeneralPage() const;
    void attachPages();
    void addButtons();
    void openSheet();
    void reportWriteFailure(const std::string& key, SettingsFile::WriteResult result,
                            const std::string& path);
    void showWriteFailure(const std::string& text);

    struct WriteFailure {
        std::string key;
        SettingsFile::WriteResult result;
        std::string path;
    };

    visio::VApplication application_;
    std::unique_ptr<CommandBarObject> commandBar_;
    // The General page's values the bar was built with.
    int32_t barShowToolbar_ = 0;
    int32_t barFloating_ = 0;
    visio::VToolbarItem button_;
    // Valid only while the sheet is open; the sheet deletes itself.
    PPDialog* sheet_ = nullptr;
    std::vector<SupportTool*> registeredTools_;
    std::unique_ptr<PPPropertyPage> generalPage_;
    bool writeFailureShown_ = false;
    bool gathering_ = false;
    std::vector<WriteFailure> gathered_;
};
