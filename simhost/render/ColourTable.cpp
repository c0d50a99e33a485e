#include "simhost/render/ColourTable.h"

#include <cmath>

namespace simhost::render {
namespace {

constexpr Rgb kStandard[] = {
    {0, 0, 0},        // 0 black
    {255, 255, 255},  // 1 white
    {255, 0, 0},      // 2 red
    {0, 255, 0},      // 3 green
    {0, 0, 255},      // 4 blue
    {255, 255, 0},    // 5 yellow
    {255, 0, 255},    // 6 magenta
    {0, 255, 255},    // 7 cyan
    {128, 0, 0},      // 8 dark red
    {0, 128, 0},      // 9 dark green
    {0, 0, 128},      // 10 dark blue
    {128, 128, 0},    // 11 dark yellow
    {128, 0, 128},    // 12 dark magenta
    {0, 128, 128},    // 13 dark cyan
    {192, 192, 192},  // 14 light grey
};
constexpr int kStandardCount = static_cast<int>(sizeof(kStandard) / sizeof(kStandard[0]));
constexpr Rgb kMidGrey{128, 128, 128};  // 19
// No index holds orange, but it is common enough to name.
constexpr Rgb kOrange{255, 153, 0};
constexpr int kLastGrey = 23;

}  // namespace

Rgb ColourTable::byIndex(int index) {
    if (index >= 0 && index < kStandardCount) return kStandard[index];
    if (index >= kStandardCount && index <= kLastGrey) return kMidGrey;
    return kStandard[0];
}

Rgb ColourTable::fromValue(const formula::Value& value, Rgb fallback) {
    return ofValue(value).value_or(fallback);
}

std::optional<Rgb> ColourTable::ofValue(const formula::Value& value) {
    if (value.kind != formula::Value::Kind::Number || !std::isfinite(value.number)) {
        return std::nullopt;
    }
    double whole = std::round(value.number);
    if (value.dimension == formula::Dimension::Colour) {
        if (whole < 0 || whole > 0xFFFFFF) return std::nullopt;
        auto rgb = static_cast<uint32_t>(whole);
        return Rgb{static_cast<uint8_t>(rgb & 0xFF), static_cast<uint8_t>((rgb >> 8) & 0xFF),
                   static_cast<uint8_t>((rgb >> 16) & 0xFF)};
    }
    if (value.dimension != formula::Dimension::None || whole < 0 || whole > 0xFFFF) {
        return std::nullopt;
    }
    return byIndex(static_cast<int>(whole));
}

std::string ColourTable::nameOf(Rgb colour) {
    static const char* const kStandardNames[] = {
        "black",     "white",       "red",          "green",     "blue",
        "yellow",    "magenta",     "cyan",         "dark red",  "dark green",
        "dark blue", "dark yellow", "dark magenta", "dark cyan", "light grey"};
    for (int i = 0; i < kStandardCount; ++i) {
        if (kStandard[i] == colour) return kStandardNames[i];
    }
    if (colour == kMidGrey) return "grey";
    if (colour == kOrange) return "orange";
    return std::string();
}

}  // namespace simhost::render
