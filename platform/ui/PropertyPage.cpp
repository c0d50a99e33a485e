#include "platform/ui/PropertyPage.h"

#include <utility>

#include "platform/ui/PropertySheet.h"

namespace ui {

PropertyPage::PropertyPage(DialogTemplate dialogTemplate) : Dialog(std::move(dialogTemplate)) {}

PropertyPage::~PropertyPage() {
    if (sheet_) sheet_->removePage(this);
}

void PropertyPage::SetModified(bool changed) {
    modified_ = changed;
    if (sheet_) sheet_->updateApplyButton();
}

bool PropertyPage::OnApply() {
    return true;
}

bool PropertyPage::OnSetActive() {
    return true;
}

bool PropertyPage::OnKillActive() {
    return updateData(true);
}

void PropertyPage::prepareTemplate(DialogTemplate& dialogTemplate) {
    dialogTemplate.style &=
        ~(dialog_style::kPopup | dialog_style::kCaption | dialog_style::kSystemMenu |
          dialog_style::kToolWindow | dialog_style::kVisible | dialog_style::kBorder);
    dialogTemplate.style |= dialog_style::kChild;
}

}  // namespace ui
