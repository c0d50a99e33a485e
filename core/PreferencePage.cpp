#include "core/PreferencePage.h"

#include <optional>
#include <utility>

#include "core/PreferencesTool.h"
#include "helpers/LeadingInteger.h"

namespace {

constexpr char kOn[] = "TRUE";
constexpr char kOff[] = "FALSE";

}  // namespace

PreferencePage::PreferencePage(ui::DialogTemplate dialogTemplate)
    : ui::PropertyPage(std::move(dialogTemplate)) {}

PreferencePage::~PreferencePage() = default;

bool PreferencePage::OnInitDialog() {
    return false;
}

bool PreferencePage::OnApply() {
    return false;
}

void PreferencePage::loadSettings() {}

void PreferencePage::attachSettings(PreferencesTool*, SupportTool*) {}

const char* PreferencePage::switchText(int32_t on) {
    return on ? kOn : kOff;
}

int32_t PreferencePage::readSwitch(const std::string& key, int32_t whenMissing) {
    const std::optional<std::string> value = readValue(key);
    const int32_t on = value ? (*value == kOn ? 1 : 0) : whenMissing;
    noteLoaded(key, switchText(on));
    return on;
}

int32_t PreferencePage::readNumber(const std::string& key, int32_t whenMissing) {
    const std::optional<std::string> value = readValue(key);
    const int32_t number = value ? parseLeadingInteger(*value).value : whenMissing;
    noteLoaded(key, std::to_string(number));
    return number;
}

std::string PreferencePage::readText(const std::string& key, const std::string& whenMissing) {
    std::string text = readValue(key).value_or(whenMissing);
    noteLoaded(key, text);
    return text;
}

std::optional<std::string> PreferencePage::readValue(const std::string& key) const {
    std::string value;
    if (!store_ || !store_->readSetting(key, &value, nullptr)) return std::nullopt;
    return value;
}

void PreferencePage::noteLoaded(const std::string& key, std::string written) {
    loaded_[key] = std::move(written);
}

void PreferencePage::saveSetting(const std::string& key, const std::string& value) {
    auto loaded = loaded_.find(key);
    if (loaded != loaded_.end() && loaded->second == value) return;
    if (store_ && store_->writeSetting(key, value)) loaded_[key] = value;
}
