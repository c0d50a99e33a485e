// The simulator's page of the preference sheet (dialog 118): whether conflicts and
// enabled transitions are highlighted and in which colours, the firing delay, and
// whether the semi-automatic run fires all concurrent transitions at once. The simulator
// reads the fields; Apply writes the six keys and has the simulator take them over.
#pragma once

#include <cstdint>
#include <string>

#include "core/PreferencePage.h"
#include "platform/ui/RuntimeClass.h"
#include "simulator/ColorPickerButton.h"

class PNSPropertyPage : public PreferencePage {
    UI_DECLARE_DYNCREATE(PNSPropertyPage)

public:
    // In the order they are read and written.
    static constexpr char kHighlightConflictsKey[] = "PNS_General_Highlight_Conflict_Situations";
    static constexpr char kConflictColorKey[] = "PNS_General_Highlight_Conflict_Situations_Color";
    static constexpr char kHighlightEnabledKey[] = "PNS_General_Highlight_Enabled_Transitions";
    static constexpr char kEnabledColorKey[] = "PNS_General_Highlight_Enabled_Transitions_Color";
    static constexpr char kDelayKey[] = "PNS_Hightlight_Duration";
    static constexpr char kFireAllKey[] = "PNS_SemiAuto_Fire_All_Transitions_On_Concurrency";

    // The trackbar's range and tick marks, in milliseconds.
    static constexpr int32_t kShortestDelay = 100;
    static constexpr int32_t kLongestDelay = 5000;
    static constexpr int32_t kDelayTickStep = 250;

    PNSPropertyPage();
    ~PNSPropertyPage() override;

    // Keeps the store and the owner, loads the settings and has the simulator take them.
    void attachSettings(PreferencesTool* store, SupportTool* owner) override;
    // A missing key gives its default; only "TRUE" reads as on; a colour is a decimal
    // number, a text that is none reads as 0, and a number outside 0 to 0xFFFFFF as the
    // default.
    void loadSettings() override;
    bool OnInitDialog() override;
    // Writes the six keys, but for a switch or colour line that already reads as what
    // the page shows, then has the simulator take them over.
    bool OnApply() override;
    void DoDataExchange(ui::DataExchange& dx) override;

    void onHighlightConflictsClicked();
    void onHighlightEnabledClicked();
    void onFireAllClicked();
    void onDelayScrolled(int32_t code);

    // Each 1 on, 0 off.
    int32_t highlightConflicts = 1;
    int32_t highlightEnabled = 1;
    int32_t fireAllConcurrent = 1;
    // The firing delay in milliseconds, as the page shows it and the file holds it.
    std::string delayText;
    // Its leading number, held to 0 to kLongestDelay, the trackbar's end: the simulator
    // never waits longer than the page offers, also after the file was edited by hand.
    int32_t delayMilliseconds() const;
    ui::ColorRef conflictColor = 0x0000FF;
    ui::ColorRef enabledColor = 0x00FF00;

private:
    // A highlight colour can be chosen only while its switch is on.
    void enableColorChoice(int32_t on, int32_t labelId, int32_t buttonId);
    void setUpDelayTrackbar();
    ui::ColorRef readColor(const std::string& key, ui::ColorRef whenMissing);

    ColorPickerButton conflictColorButton_;
    ColorPickerButton enabledColorButton_;
};
