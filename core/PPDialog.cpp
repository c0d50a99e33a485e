#include "core/PPDialog.h"

#include <utility>

#include "core/PreferencePage.h"
#include "core/PreferencesTool.h"

UI_IMPLEMENT_DYNCREATE(PPDialog)

PPDialog::PPDialog() : PPDialog(std::string()) {}

PPDialog::PPDialog(std::string caption, ui::WindowHandle parent, int32_t selectPage)
    : ui::PropertySheet(std::move(caption), parent, selectPage) {}

PPDialog::~PPDialog() = default;

void PPDialog::OnOK() {
    PreferencesTool* store = settingsStore();
    if (store) store->gatherWriteFailures();
    // OK closes the sheet, which deletes itself: only the store is used after it.
    ui::PropertySheet::OnOK();
    if (store) store->tellWriteFailures();
}

void PPDialog::OnApplyNow() {
    PreferencesTool* store = settingsStore();
    if (store) store->gatherWriteFailures();
    ui::PropertySheet::OnApplyNow();
    if (store) store->tellWriteFailures();
}

PreferencesTool* PPDialog::settingsStore() {
    for (int32_t i = 0; i < pageCount(); ++i) {
        auto* preferencePage = dynamic_cast<PreferencePage*>(page(i));
        if (preferencePage && preferencePage->store()) return preferencePage->store();
    }
    return nullptr;
}

void PPDialog::OnCancel() {
    for (int32_t i = 0; i < pageCount(); ++i) {
        if (auto* preferencePage = dynamic_cast<PreferencePage*>(page(i))) {
            preferencePage->loadSettings();
        }
    }
    ui::PropertySheet::OnCancel();
}

void PPDialog::PostNcDestroy() {
    ui::PropertySheet::PostNcDestroy();
    PreferencesTool::clearSheetOpen(this);
    delete this;
}
