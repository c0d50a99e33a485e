#include "core/PreferencePage.h"

#include <optional>
#include <utility>

#include "core/PreferencesTool.h"
#include "helpers/LeadingInteger.h"

namespace {

constexpr char kOn[] = "TRUE";
constexpr char kOff[] = "FALSE";

// The key's value; none when there is no line for the key (or no store).
std::optional<std::string> readValue(PreferencesTool* store, const std::string& key) {
    std::string value;
    if (!store || !store->readSetting(key, &value, nullptr)) return std::nullopt;
    return value;
}

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

int32_t PreferencePage::readSwitch(PreferencesTool* store, const std::string& key,
                                   int32_t whenMissing) {
    const std::optional<std::string> value = readValue(store, key);
    return value ? (*value == kOn ? 1 : 0) : whenMissing;
}

int32_t PreferencePage::readNumber(PreferencesTool* store, const std::string& key,
                                   int32_t whenMissing) {
    const std::optional<std::string> value = readValue(store, key);
    return value ? parseLeadingInteger(*value).value : whenMissing;
}

std::string PreferencePage::readText(PreferencesTool* store, const std::string& key,
                                     const std::string& whenMissing) {
    return readValue(store, key).value_or(whenMissing);
}
