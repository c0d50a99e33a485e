#include "core/PreferencePage.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

#include "core/PreferencesTool.h"

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

int32_t PreferencePage::readSwitch(PreferencesTool* store, const std::string& key,
                                   int32_t whenMissing) {
    std::string value;
    if (!store || !store->readSetting(key, &value, nullptr)) return whenMissing;
    return value == kOn ? 1 : 0;
}

int32_t PreferencePage::readNumber(PreferencesTool* store, const std::string& key,
                                   int32_t whenMissing) {
    std::string value;
    if (!store || !store->readSetting(key, &value, nullptr)) return whenMissing;
    const long long number = std::strtoll(value.c_str(), nullptr, 10);
    return static_cast<int32_t>(std::clamp<long long>(number, std::numeric_limits<int32_t>::min(),
                                                      std::numeric_limits<int32_t>::max()));
}
