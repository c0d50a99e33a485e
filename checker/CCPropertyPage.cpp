#include "checker/CCPropertyPage.h"

#include "core/PreferencesTool.h"
#include "core/SupportTool.h"
#include "resources/Dialog110Checker.h"

UI_IMPLEMENT_DYNCREATE(CCPropertyPage)

namespace {

// A key that was never applied is absent from the file: the switch is then on.
constexpr int32_t kWhenMissing = 1;

}  // namespace

CCPropertyPage::CCPropertyPage() : PreferencePage(dialog110::make()) {
    mapClicked(dialog110::kShowLegend, &CCPropertyPage::onCheckboxClicked);
    mapClicked(dialog110::kAntiPatterns, &CCPropertyPage::onCheckboxClicked);
    mapClicked(dialog110::kNameClashes, &CCPropertyPage::onCheckboxClicked);
    mapClicked(dialog110::kSaveBefore, &CCPropertyPage::onCheckboxClicked);
}

CCPropertyPage::~CCPropertyPage() = default;

void CCPropertyPage::attachSettings(PreferencesTool* store, SupportTool* owner) {
    store_ = store;
    owner_ = owner;
    loadSettings();
    if (owner_) owner_->applySettings();
}

void CCPropertyPage::loadSettings() {
    showLegend = readSwitch(kShowLegendKey, kWhenMissing);
    nameClashCheck = readSwitch(kNameClashKey, kWhenMissing);
    hintsCheck = readSwitch(kHintsKey, kWhenMissing);
    saveBefore = readSwitch(kSaveBeforeKey, kWhenMissing);
}

bool CCPropertyPage::OnInitDialog() {
    ui::PropertyPage::OnInitDialog();
    loadSettings();
    updateData(false);
    // The keyboard focus is not put on the first check box.
    return false;
}

bool CCPropertyPage::OnApply() {
    if (store_) {
        saveSetting(kShowLegendKey, switchText(showLegend));
        saveSetting(kNameClashKey, switchText(nameClashCheck));
        saveSetting(kHintsKey, switchText(hintsCheck));
        saveSetting(kSaveBeforeKey, switchText(saveBefore));
    }
    if (owner_) owner_->applySettings();
    return ui::PropertyPage::OnApply();
}

void CCPropertyPage::DoDataExchange(ui::DataExchange& dx) {
    dx.check(dialog110::kShowLegend, showLegend);
    dx.check(dialog110::kAntiPatterns, hintsCheck);
    dx.check(dialog110::kNameClashes, nameClashCheck);
    dx.check(dialog110::kSaveBefore, saveBefore);
}

void CCPropertyPage::onCheckboxClicked() {
    updateData(true);
    SetModified();
}
