#include "core/ABPropertyPage.h"

#include "resources/Dialog117About.h"

UI_IMPLEMENT_DYNCREATE(ABPropertyPage)

ABPropertyPage::ABPropertyPage() : PreferencePage(dialog117::make()) {}

ABPropertyPage::~ABPropertyPage() = default;

void ABPropertyPage::attachSettings(PreferencesTool*, SupportTool*) {
    store_ = nullptr;
    owner_ = nullptr;
}

bool ABPropertyPage::OnInitDialog() {
    ui::PropertyPage::OnInitDialog();
    return false;
}

bool ABPropertyPage::OnApply() {
    return ui::PropertyPage::OnApply();
}
