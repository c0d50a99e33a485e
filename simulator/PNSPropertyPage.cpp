#include "simulator/PNSPropertyPage.h"

#include <algorithm>
#include <cstdlib>

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
    highlightConflicts = readSwitch(store_, kHighlightConflictsKey, kSwitchWhenMissing);
    conflictColor = readColor(kConflictColorKey, kConflictColorWhenMissing);
    highlightEnabled = readSwitch(store_, kHighlightEnabledKey, kSwitchWhenMissing);
    enabledColor = readColor(kEnabledColorKey, kEnabledColorWhenMissing);
    delayText = readText(store_, kDelayKey, kDelayWhenMissing);
    fireAllConcurrent = readSwitch(store_, kFireAllKey, kSwitchWhenMissing);
}

// Read wide, so that no number past a colour's range wraps into one.
ui::ColorRef PNSPropertyPage::readColor(const std::string& key, ui::ColorRef whenMissing) const {
    std::string value;
    if (!store_ || !store_->readSetting(key, &value, nullptr)) return whenMissing;
    const long long number = std::strtoll(value.c_str(), nullptr, 10);
    if (number < 0 || number > kLargestColor) return whenMissing;
    return static_cast<ui::ColorRef>(number);
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
        writeSwitch(kHighlightConflictsKey, highlightConflicts);
        writeColor(kConflictColorKey, conflictColor, kConflictColorWhenMissing);
        writeSwitch(kHighlightEnabledKey, highlightEnabled);
        writeColor(kEnabledColorKey, enabledColor, kEnabledColorWhenMissing);
        store_->writeSetting(kDelayKey, delayText);
        writeSwitch(kFireAllKey, fireAllConcurrent);
    }
    if (owner_) owner_->applySettings();
    return ui::PropertyPage::OnApply();
}

// A line that reads as what the page shows stays as the user wrote it ("true", a colour
// past its range): only what was changed on the page is written.
void PNSPropertyPage::writeSwitch(const char* key, int32_t on) {
    if (hasLine(key) && readSwitch(store_, key, kSwitchWhenMissing) == on) return;
    store_->writeSetting(key, switchText(on));
}

void PNSPropertyPage::writeColor(const char* key, ui::ColorRef color, ui::ColorRef whenMissing) {
    if (hasLine(key) && readColor(key, whenMissing) == color) return;
    store_->writeSetting(key, std::to_string(color));
}

bool PNSPropertyPage::hasLine(const char* key) const {
    std::string value;
    return store_ && store_->readSetting(key, &value, nullptr);
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
