// The General page (dialog 109), the preferences tool's own page: whether the add-on's
// command bar is shown and whether it floats. The preferences tool reads both fields
// when it builds the bar.
#pragma once

#include <cstdint>

#include "core/PreferencePage.h"
#include "platform/ui/RuntimeClass.h"

class PPPropertyPage : public PreferencePage {
    UI_DECLARE_DYNCREATE(PPPropertyPage)

public:
    static constexpr char kShowToolbarKey[] = "PP_ShowQAVSupportTools";
    static constexpr char kFloatingKey[] = "PP_FloatingToolbar";

    PPPropertyPage();
    ~PPPropertyPage() override;

    void attachSettings(PreferencesTool* store, SupportTool* owner) override;
    void loadSettings() override;
    bool OnInitDialog() override;
    // Writes both keys, then has the preferences tool rebuild the bar.
    bool OnApply() override;
    // Only the check box: the radio buttons are set by hand.
    void DoDataExchange(ui::DataExchange& dx) override;

    void onShowToolbarClicked();
    void onFloatingClicked();
    void onDockedClicked();

    // 1 shown, 0 hidden.
    int32_t showToolbar = 1;
    // 1 floating, 0 docked.
    int32_t floating = 1;

private:
    // Where the bar goes matters only while it is shown.
    void enablePlacement();
};
