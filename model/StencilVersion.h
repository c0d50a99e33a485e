// The stencil version a shape names in "User.QAV_ST_Version": major, minor and patch.
#pragma once

#include <cstdint>
#include <string>

struct StencilVersion {
    int32_t major = -1;
    int32_t minor = -1;
    int32_t patch = -1;
    // The three parts joined by dots.
    std::string text;
    // One of the versions whose master layouts the add-on knows.
    bool known = false;

    // Splits the value at its two dots and reads each part as a leading number; false
    // (and nothing set) when the value does not hold exactly two dots.
    bool parse(const std::string& value);
    // Newer than the add-on's own version, comparing major, then minor, then patch.
    bool isNewerThanAddon() const;
    // Known versions are read and completed; newer ones are read as they are.
    bool isAccepted() const { return known || isNewerThanAddon(); }
};
