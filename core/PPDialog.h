// The preference sheet: one modeless property sheet with a page per registered tool,
// opened by the preferences tool. OK applies every page (also pages never shown) and
// closes the sheet, Cancel closes it and applies nothing, Apply applies the pages shown.
// The pages hold the settings the tools read, so Cancel also takes the pages back to
// what the settings file holds: a cancelled edit must not reach the tools later.
// The window layer's sheet keeps these three buttons on a modeless sheet.
//
// The sheet deletes itself once its window is gone and tells the preferences tool that
// it is closed; the pages stay with their tools.
#pragma once

#include <cstdint>
#include <string>

#include "platform/ui/PropertySheet.h"
#include "platform/ui/RuntimeClass.h"

class PreferencesTool;

class PPDialog : public ui::PropertySheet {
    UI_DECLARE_DYNCREATE(PPDialog)

public:
    PPDialog();
    explicit PPDialog(std::string caption, ui::WindowHandle parent = ui::WindowHandle(),
                      int32_t selectPage = 0);
    ~PPDialog() override;

    // Both tell the settings their pages could not save in one message, once all pages
    // are applied.
    void OnOK() override;
    void OnApplyNow() override;
    void OnCancel() override;
    void PostNcDestroy() override;

private:
    // The store the pages write through; null when no page has one.
    PreferencesTool* settingsStore();
};
