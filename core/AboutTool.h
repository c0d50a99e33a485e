// The help button, "ABHelpButton": a press opens the notation's help file, looked for
// anew in the folders of Visio's help path setting. Its page is the About page.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/SupportTool.h"
#include "core/ToolFactory.h"
#include "platform/visio/VApplication.h"
#include "platform/visio/VToolbarItem.h"

class ABPropertyPage;

class AboutTool : public SupportTool {
public:
    static constexpr char kButtonTag[] = "ABHelpButton";

    explicit AboutTool(const visio::VApplication& application);
    ~AboutTool() override;

    // The controller's entry: registered, so it has a page and a button.
    static ToolFactory factory();

    void createToolbarButton(CommandBarsAccess* access, CommandBarObject* bar) override;
    // Opens the help on "ABHelpButton", or says that the file is not there.
    bool onCommand(std::string argument) override;
    void onVisioEvent(int32_t eventCode, const visio::VObject& subject,
                      visio::Variant moreInfo) override;
    PreferencePage* getPreferencePage() override;
    void applySettings() override;

    // The folder of Visio's help path setting that holds the help file (the last one
    // listed that does), or empty.
    std::string findHelpFile() const;

private:
    void openHelp() const;

    visio::VApplication application_;
    visio::VToolbarItem button_;
    std::unique_ptr<ABPropertyPage> aboutPage_;
};
