#include "core/PreferencesTool.h"

#include <memory>
#include <utility>

#include "core/PPDialog.h"
#include "core/PPPropertyPage.h"
#include "core/ToolbarButton.h"
#include "helpers/AddonConstants.h"
#include "platform/ui/Backend.h"
#include "platform/ui/WinApiConstants.h"
#include "platform/visio/VUIObject.h"

namespace {

constexpr int16_t kProtection = 1;
constexpr int16_t kFloatingPosition = 4;
constexpr int16_t kDockedPosition = 6;
// The built-in toolbars as Visio ships them.
constexpr int16_t kBuiltInToolbarsDefault = 0;

// The sheet-open flag: the one open sheet of the add-on, or none.
PPDialog* theOpenSheet = nullptr;

// Why settings could not be saved, after the keys that name them.
std::string writeFailureReason(SettingsFile::WriteResult result, const std::string& path,
                               bool several) {
    const std::string kept = " The file was left as it is.";
    switch (result) {
        case SettingsFile::WriteResult::NoFolder:
            return "there is no folder for the settings file.";
        case SettingsFile::WriteResult::RefusedText:
            return several ? "their values must be one line of text each."
                           : "its value must be one line of text.";
        case SettingsFile::WriteResult::Unreadable:
            return "the settings file " + path + " could not be read." + kept;
        case SettingsFile::WriteResult::NotWritten:
        case SettingsFile::WriteResult::Written:
            break;
    }
    return "the settings file " + path + " could not be written." + kept;
}

// "The setting "A" could not be saved: ...", or "The settings "A", "B" and "C" ...".
std::string writeFailureText(const std::vector<std::string>& keys, SettingsFile::WriteResult result,
                             const std::string& path) {
    std::string named;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (i > 0) named += i + 1 == keys.size() ? " and " : ", ";
        named += "\"" + keys[i] + "\"";
    }
    const bool several = keys.size() > 1;
    return std::string(several ? "The settings " : "The setting ") + named +
           " could not be saved: " + writeFailureReason(result, path, several);
}

}  // namespace

PreferencesTool::PreferencesTool(const visio::VApplication& application)
    : application_(application), generalPage_(std::make_unique<PPPropertyPage>()) {
    preferencePage_ = generalPage_.get();
}

ToolFactory PreferencesTool::factory() {
    ToolFactory entry;
    entry.create = [](ToolStartContext& context) -> std::unique_ptr<SupportTool> {
        auto tool = std::make_unique<PreferencesTool>(context.application);
        PreferencesTool* preferences = tool.get();
        context.registerTool = [preferences](SupportTool* t) { preferences->registerTool(t); };
        context.buildCommandBar = [preferences]() { preferences->updateCommandBar(true); };
        return tool;
    };
    entry.registerWithPreferences = true;
    return entry;
}

PreferencesTool::~PreferencesTool() {
    if (sheet_ && sheet_ == theOpenSheet) {
        // Deleting a sheet does not run its final clean-up: clear the flag here.
        std::unique_ptr<PPDialog> open(sheet_);
        theOpenSheet = nullptr;
        sheet_ = nullptr;
    }
    releaseCommandBar();
    button_.release();
    preferencePage_ = nullptr;
    generalPage_.reset();
    registeredTools_.clear();
}

void PreferencesTool::createToolbarButton(CommandBarsAccess*, CommandBarObject* bar) {
    button_ = getButtonControl(bar);
    ButtonLook look;
    look.tooltip = "Set Preferences for the QAV Support Tools";
    look.tag = kButtonTag;
    look.iconNumber = buttonIcon::kPreferences;
    look.enabled = true;
    setUpButton(button_, look);
}

bool PreferencesTool::onCommand(std::string argument) {
    if (argument != kButtonTag) return false;
    showPreferences();
    return true;
}

void PreferencesTool::onVisioEvent(int32_t, const visio::VObject&, visio::Variant) {}

PreferencePage* PreferencesTool::getPreferencePage() {
    return generalPage_.get();
}

// A bar that follows the page already stays as it is: rebuilt, it would be hidden again
// after the user showed it from Visio's toolbar menu, as the page's note tells.
void PreferencesTool::applySettings() {
    if (!barFollowsGeneralPage()) {
        releaseCommandBar();
        updateCommandBar(false);
        commandBarsAccess_.reset();
    }
    if (PPDialog* open = sheet()) open->bringToFront();
}

bool PreferencesTool::barFollowsGeneralPage() const {
    return commandBar_ && barShowToolbar_ == generalPage_->showToolbar &&
           barFloating_ == generalPage_->floating;
}

void PreferencesTool::registerTool(SupportTool* tool) {
    if (tool) registeredTools_.push_back(tool);
}

bool PreferencesTool::writeSetting(std::string key, std::string value) {
    SettingsFile file(SettingsFile::defaultPath());
    SettingsFile::WriteResult result = file.write(key, value);
    if (result == SettingsFile::WriteResult::Written) {
        writeFailureShown_ = false;
        return true;
    }
    if (gathering_) {
        gathered_.push_back(WriteFailure{std::move(key), result, file.path()});
    } else {
        reportWriteFailure(key, result, file.path());
    }
    return false;
}

void PreferencesTool::gatherWriteFailures() {
    gathering_ = true;
    gathered_.clear();
}

// Keys that failed for the same reason share a sentence, in the order they failed.
void PreferencesTool::tellWriteFailures() {
    gathering_ = false;
    const std::vector<WriteFailure> failures = std::move(gathered_);
    gathered_.clear();
    std::string text;
    std::vector<bool> told(failures.size(), false);
    for (std::size_t i = 0; i < failures.size(); ++i) {
        if (told[i]) continue;
        std::vector<std::string> keys;
        for (std::size_t j = i; j < failures.size(); ++j) {
            if (told[j] || failures[j].result != failures[i].result) continue;
            keys.push_back(failures[j].key);
            told[j] = true;
        }
        if (!text.empty()) text += "\n";
        text += writeFailureText(keys, failures[i].result, failures[i].path);
    }
    if (text.empty()) return;
    writeFailureShown_ = true;
    showWriteFailure(text);
}

bool PreferencesTool::readSetting(std::string key, std::string* value, int32_t* lineOffset) {
    return SettingsFile(SettingsFile::defaultPath()).read(key, value, lineOffset);
}

void PreferencesTool::updateCommandBar(bool first) {
    takeUIObject();
    commandBar_ = createCommandBarObject(commandBarsAccess_);
    commandBar_->setName(productTitle);
    commandBar_->setProtection(kProtection);
    if (first) attachPages();
    barShowToolbar_ = generalPage_->showToolbar;
    barFloating_ = generalPage_->floating;
    commandBar_->setPosition(generalPage_->floating ? kFloatingPosition : kDockedPosition);
    const bool shown = generalPage_->showToolbar != 0;
    commandBar_->setShown(shown);
    addButtons();
    application_.SetCustomToolbars(commandBarsAccess_.uiObject());
    commandBar_->setShown(shown);
}

// The bar goes into a copy of the application's own custom toolbars, so that a bar the
// user made there stays, else into a copy of Visio's built-in toolbars. A document's
// custom toolbars are that document's: installing them for the application would spread
// its bars to every document and drop the user's own.
void PreferencesTool::takeUIObject() {
    const visio::VUIObject custom = application_.CustomToolbars();
    if (!custom.isEmpty()) {
        commandBarsAccess_ = CommandBarsAccess(application_, custom).fromApplication();
        if (commandBarsAccess_.isSet()) return;
    }
    commandBarsAccess_ =
        CommandBarsAccess(application_, application_.BuiltInToolbars(kBuiltInToolbarsDefault));
}

void PreferencesTool::attachPages() {
    for (SupportTool* tool : registeredTools_) {
        if (PreferencePage* page = tool->getPreferencePage()) page->attachSettings(this, tool);
    }
}

void PreferencesTool::addButtons() {
    for (SupportTool* tool : registeredTools_) {
        tool->createToolbarButton(&commandBarsAccess_, commandBar_.get());
    }
}

void PreferencesTool::showPreferences() {
    if (!theOpenSheet) openSheet();
    if (PPDialog* open = sheet()) {
        open->show(ui::kSwShow);
        open->activate();
    }
}

void PreferencesTool::openSheet() {
    writeFailureShown_ = false;
    auto created = std::make_unique<PPDialog>(settingsTitle, ui::WindowHandle(), 0);
    for (SupportTool* tool : registeredTools_) {
        if (PreferencePage* page = tool->getPreferencePage()) created->addPage(page);
    }
    theOpenSheet = created.get();
    sheet_ = created.get();
    if (created->create()) {
        // From now on the sheet deletes itself once its window is gone.
        created.release();
        return;
    }
    sheet_ = nullptr;
    if (theOpenSheet == created.get()) {
        theOpenSheet = nullptr;
    } else {
        // Its window came and went: it has deleted itself already.
        created.release();
    }
}

// Office leaves a deleted bar's window on screen, buttons and all: it is closed as a
// hidden bar's is, so that a bar rebuilt elsewhere, or gone with the add-on, is not seen.
void PreferencesTool::releaseCommandBar() {
    if (commandBar_) commandBar_->setShown(false);
    commandBar_.reset();
    commandBarsAccess_.release();
}

void PreferencesTool::clearSheetOpen(const PPDialog* sheet) {
    if (!sheet || sheet == theOpenSheet) theOpenSheet = nullptr;
}

bool PreferencesTool::isSheetOpen() {
    return theOpenSheet != nullptr;
}

PPDialog* PreferencesTool::sheet() const {
    return sheet_ && sheet_ == theOpenSheet ? sheet_ : nullptr;
}

void PreferencesTool::reportWriteFailure(const std::string& key, SettingsFile::WriteResult result,
                                         const std::string& path) {
    if (writeFailureShown_) return;
    writeFailureShown_ = true;
    showWriteFailure(writeFailureText({key}, result, path));
}

void PreferencesTool::showWriteFailure(const std::string& text) {
    ui::Backend::current().messageBox(ui::WindowHandle(), text, productTitle,
                                      ui::kMbOk | ui::kMbIconStop);
}
