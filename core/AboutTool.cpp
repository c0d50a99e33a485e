#include "core/AboutTool.h"

#include "core/ABPropertyPage.h"
#include "core/HelpFile.h"
#include "core/ToolbarButton.h"
#include "helpers/AddonConstants.h"
#include "platform/ui/Backend.h"
#include "platform/ui/WinApiConstants.h"

AboutTool::AboutTool(const visio::VApplication& application)
    : application_(application), aboutPage_(std::make_unique<ABPropertyPage>()) {
    preferencePage_ = aboutPage_.get();
}

ToolFactory AboutTool::factory() {
    ToolFactory entry;
    entry.create = [](ToolStartContext& context) -> std::unique_ptr<SupportTool> {
        return std::make_unique<AboutTool>(context.application);
    };
    entry.registerWithPreferences = true;
    return entry;
}

AboutTool::~AboutTool() {
    button_.release();
    preferencePage_ = nullptr;
    aboutPage_.reset();
}

void AboutTool::createToolbarButton(CommandBarsAccess* access, CommandBarObject* bar) {
    if (access) commandBarsAccess_ = *access;
    button_ = getButtonControl(bar);
    ButtonLook look;
    look.tooltip = "Show QAV Stencils Help";
    look.tag = kButtonTag;
    look.hasCaption = true;
    look.caption = std::string();
    look.iconNumber = buttonIcon::kHelp;
    look.enabled = true;
    setUpButton(button_, look);
    commandBarsAccess_.reset();
}

bool AboutTool::onCommand(std::string argument) {
    if (argument != kButtonTag) return false;
    openHelp();
    return true;
}

void AboutTool::onVisioEvent(int32_t, const visio::VObject&, visio::Variant) {}

PreferencePage* AboutTool::getPreferencePage() {
    return aboutPage_.get();
}

void AboutTool::applySettings() {}

std::string AboutTool::findHelpFile() const {
    return findHelpFolder(application_.HelpPaths());
}

void AboutTool::openHelp() const {
    const std::string folder = findHelpFile();
    if (!folder.empty()) {
        showHelpTopic(folder, std::string());
        return;
    }
    ui::Backend::current().messageBox(ui::WindowHandle(), kHelpFileNotFound, productTitle,
                                      ui::kMbOk);
}
