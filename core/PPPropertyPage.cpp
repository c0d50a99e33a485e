#include "core/PPPropertyPage.h"

#include "core/PreferencesTool.h"
#include "resources/Dialog109General.h"

UI_IMPLEMENT_DYNCREATE(PPPropertyPage)

PPPropertyPage::PPPropertyPage() : PreferencePage(dialog109::make()) {
    mapClicked(dialog109::kShowToolbar, &PPPropertyPage::onShowToolbarClicked);
    mapClicked(dialog109::kFloating, &PPPropertyPage::onFloatingClicked);
    mapClicked(dialog109::kDocked, &PPPropertyPage::onDockedClicked);
}

PPPropertyPage::~PPPropertyPage() = default;

void PPPropertyPage::attachSettings(PreferencesTool* store, SupportTool* owner) {
    store_ = store;
    owner_ = owner;
    loadSettings();
}

void PPPropertyPage::loadSettings() {
    showToolbar = readSwitch(kShowToolbarKey, 1);
    floating = readSwitch(kFloatingKey, 1);
}

bool PPPropertyPage::OnInitDialog() {
    ui::PropertyPage::OnInitDialog();
    loadSettings();
    enablePlacement();
    checkRadioButton(dialog109::kFloating, dialog109::kDocked,
                     floating ? dialog109::kFloating : dialog109::kDocked);
    updateData(false);
    return false;
}

bool PPPropertyPage::OnApply() {
    if (store_) {
        saveSetting(kShowToolbarKey, switchText(showToolbar));
        saveSetting(kFloatingKey, switchText(floating));
    }
    if (owner_) owner_->applySettings();
    return ui::PropertyPage::OnApply();
}

void PPPropertyPage::DoDataExchange(ui::DataExchange& dx) {
    dx.check(dialog109::kShowToolbar, showToolbar);
}

void PPPropertyPage::onShowToolbarClicked() {
    updateData(true);
    enablePlacement();
    SetModified();
}

void PPPropertyPage::onFloatingClicked() {
    floating = 1;
    SetModified();
}

void PPPropertyPage::onDockedClicked() {
    floating = 0;
    SetModified();
}

void PPPropertyPage::enablePlacement() {
    const bool shown = showToolbar == 1;
    enableItem(dialog109::kFloating, shown);
    enableItem(dialog109::kDocked, shown);
}
