// The checker's page of the preference sheet (dialog 110): whether a check shows the
// legend and saves the document first, and whether the two optional rules run. The
// checker reads the four switches from the page's fields.
#pragma once

#include <cstdint>

#include "core/PreferencePage.h"
#include "platform/ui/RuntimeClass.h"

class CCPropertyPage : public PreferencePage {
    UI_DECLARE_DYNCREATE(CCPropertyPage)

public:
    static constexpr char kShowLegendKey[] = "CC_ShowLegend";
    static constexpr char kNameClashKey[] = "CC_NamesClashesCheckerEnable";
    static constexpr char kHintsKey[] = "CC_HintsCheckerEnable";
    static constexpr char kSaveBeforeKey[] = "CC_SaveBefore";

    CCPropertyPage();
    ~CCPropertyPage() override;

    // Keeps the store and the owner, loads the settings and has the checker take them.
    void attachSettings(PreferencesTool* store, SupportTool* owner) override;
    // A missing key reads as on, only "TRUE" as on otherwise.
    void loadSettings() override;
    bool OnInitDialog() override;
    // Writes the four keys, then has the checker take them over.
    bool OnApply() override;
    void DoDataExchange(ui::DataExchange& dx) override;

    void onCheckboxClicked();

    // Each 1 on, 0 off; what a page has before it loads the file.
    int32_t showLegend = 1;
    int32_t hintsCheck = 0;
    int32_t nameClashCheck = 0;
    int32_t saveBefore = 0;
};
