#include "core/PPDialog.h"

#include <utility>

#include "core/PreferencesTool.h"

UI_IMPLEMENT_DYNCREATE(PPDialog)

PPDialog::PPDialog() : PPDialog(std::string()) {}

PPDialog::PPDialog(std::string caption, ui::WindowHandle parent, int32_t selectPage)
    : ui::PropertySheet(std::move(caption), parent, selectPage) {}

PPDialog::~PPDialog() = default;

void PPDialog::PostNcDestroy() {
    ui::PropertySheet::PostNcDestroy();
    PreferencesTool::clearSheetOpen(this);
    delete this;
}
