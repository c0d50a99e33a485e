#include "simulator/PNSPropertyPage.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

#include "core/PreferencesTool.h"
#include "core/SupportTool.h"
#include "helpers/LeadingInteger.h"
#include "platform/ui/WinApiConstants.h"
#include "resources/Dialog118Simulator.h"

UI_IMPLEMENT_DYNCREATE(PNSPropertyPage)

namespace {

// What a key that was never applied reads as.
constexpr int32_t kSwitchWhenMissing = 1;
constexpr ui::ColorRef kConflictColorWhenMissing = 0x0000FF;  // red
constexpr ui::ColorRef kEnabledColorWhenMissing = 0x00FF00;   // green
// Red, green and blue take a byte each.
constexpr long long kLargestColor = 0xFFFFFF;
constexpr char kDelayWhenMissing[] = "1000";

}  // namespace

PNSPropertyPage::PNSPropertyPage() : PreferencePage(dialog118::make()) {
    mapClicked(dialog118::kHighlightConflicts, &PNSPropertyPage::onHighlightConflictsClicked);
    mapClicked(dialog118::kHighlightEnabled, &PNSPropertyPage::onHighlightEnabledClicked);
    mapClicked(dialog118::kFireAll, &PNSPropertyPage::onFireAllClicked);
    mapScroll(dialog118::kDelay, [this](int32_t code) { onDelayScrolled(code); });
}

PNSPropertyPage::~PNSPropertyPage() = default;

void PNSPropertyPage::attachSettings(PreferencesTool* store, SupportTool* owner) {
    store_ = store;
    owner_ = owner;
    loadSettings();
    if (owner_) owner_->applySettings();
}

void PNSPropertyPage::loadSettings() {
    highlightConflicts = readSwitch(kHighlightConflictsKey, kSwitchWhenMissing);
    conflictColor = readColor(kConflictColorKey, kConflictColorWhenMissing);
    highlightEnabled = readSwitch(kHighlightEnabledKey, kSwitchWhenMissing);
    enabledColor = readColor(kEnabledColorKey, kEnabledColorWhenMissing);
    delayText = readText(kDelayKey, kDelayWhenMissing);
    fireAllConcurrent = readSwitch(kFireAllKey, kSwitchWhenMissing);
}

// Read wide, so that no number past a colour's range wraps into one.
ui::ColorRef PNSPropertyPage::readColor(const std::string& key, ui::ColorRef whenMissing) {
    ui::ColorRef color = whenMissing;
    if (const std::optional<std::string> value = readValue(key)) {
        const long long number = std::strtoll(value->c_str(), nullptr, 10);
        if (number >= 0 && number <= kLargestColor) color = static_cast<ui::ColorRef>(number);
    }
    noteLoaded(key, std::to_string(color));
    return color;
}

bool PNSPropertyPage::OnInitDialog() {
    ui::PropertyPage::OnInitDialog();
    loadSettings();
    updateData(false);
    conflictColorButton_.attach(*this, dialog118::kConflictColor);
    enabledColorButton_.attach(*this, dialog118::kEnabledColor);
    conflictColorButton_.setColor(conflictColor);
    enabledColorButton_.setColor(enabledColor);
    enableColorChoice(highlightConflicts, dialog118::kConflictColorLabel,
                      dialog118::kConflictColor);
    enableColorChoice(highlightEnabled, dialog118::kEnabledColorLabel, dialog118::kEnabledColor);
    setUpDelayTrackbar();
    setItemText(dialog118::kDelayText, delayText);
    return false;
}

void PNSPropertyPage::setUpDelayTrackbar() {
    ui::Backend& windows = backend();
    const ui::WindowHandle trackbar = item(dialog118::kDelay);
    windows.setTrackbarRange(trackbar, kShortestDelay, kLongestDelay);
    windows.clearTrackbarTics(trackbar, false);
    windows.setTrackbarTicFrequency(trackbar, kDelayTickStep);
    windows.setTrackbarTipSide(trackbar, ui::kTbtsTop);
    windows.setTrackbarPosition(trackbar, delayMilliseconds(), true);
}

bool PNSPropertyPage::OnApply() {
    if (store_) {
        saveSetting(kHighlightConflictsKey, switchText(highlightConflicts));
        saveSetting(kConflictColorKey, std::to_string(conflictColor));
        saveSetting(kHighlightEnabledKey, switchText(highlightEnabled));
        saveSetting(kEnabledColorKey, std::to_string(enabledColor));
        saveSetting(kDelayKey, delayText);
        saveSetting(kFireAllKey, switchText(fireAllConcurrent));
    }
    if (owner_) owner_->applySettings();
    return ui::PropertyPage::OnApply();
}

void PNSPropertyPage::DoDataExchange(ui::DataExchange& dx) {
    dx.check(dialog118::kHighlightConflicts, highlightConflicts);
    dx.check(dialog118::kHighlightEnabled, highlightEnabled);
    dx.check(dialog118::kFireAll, fireAllConcurrent);
    dx.text(dialog118::kDelayText, delayText);
    if (dx.isSaving()) {
        conflictColor = conflictColorButton_.color();
        enabledColor = enabledColorButton_.color();
    } else {
        conflictColorButton_.setColor(conflictColor);
        enabledColorButton_.setColor(enabledColor);
    }
}

// A delay from the file may be any number: a tick that waits longer than the page offers
// would keep the run from going on for as long (a firing in weeks), and none waits less
// than nothing.
int32_t PNSPropertyPage::delayMilliseconds() const {
    return std::clamp(parseLeadingInteger(delayText).value, 0, kLongestDelay);
}

void PNSPropertyPage::onHighlightConflictsClicked() {
    updateData(true);
    enableColorChoice(highlightConflicts, dialog118::kConflictColorLabel,
                      dialog118::kConflictColor);
    SetModified();
}

void PNSPropertyPage::onHighlightEnabledClicked() {
    updateData(true);
    enableColorChoice(highlightEnabled, dialog118::kEnabledColorLabel, dialog118::kEnabledColor);
    SetModified();
}

void PNSPropertyPage::onFireAllClicked() {
    updateData(true);
    SetModified();
}

void PNSPropertyPage::onDelayScrolled(int32_t) {
    const int32_t position = backend().getTrackbarPosition(item(dialog118::kDelay));
    setItemText(dialog118::kDelayText, std::to_string(position));
    updateData(true);
    SetModified();
}

void PNSPropertyPage::enableColorChoice(int32_t on, int32_t labelId, int32_t buttonId) {
    enableItem(labelId, on != 0);
    enableItem(buttonId, on != 0);
}
