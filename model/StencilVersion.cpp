#include "model/StencilVersion.h"

#include <algorithm>

#include "helpers/LeadingInteger.h"
#include "model/NotationConstants.h"

bool StencilVersion::parse(const std::string& value) {
    if (std::count(value.begin(), value.end(), '.') != 2) return false;
    const std::size_t firstDot = value.find('.');
    const std::size_t secondDot = value.find('.', firstDot + 1);
    const std::string majorText = value.substr(0, firstDot);
    const std::string minorText = value.substr(firstDot + 1, secondDot - firstDot - 1);
    const std::string patchText = value.substr(secondDot + 1);
    major = parseLeadingInteger(majorText).value;
    minor = parseLeadingInteger(minorText).value;
    patch = parseLeadingInteger(patchText).value;
    text = majorText + "." + minorText + "." + patchText;
    known = std::any_of(std::begin(knownStencilVersions), std::end(knownStencilVersions),
                        [&value](const char* version) { return value == version; });
    return true;
}

bool StencilVersion::isNewerThanAddon() const {
    if (major != addonVersionParts[0]) return major > addonVersionParts[0];
    if (minor != addonVersionParts[1]) return minor > addonVersionParts[1];
    return patch > addonVersionParts[2];
}
