#include "helpers/ScopeEvents.h"

#include <string>
#include <variant>

#include "helpers/LeadingInteger.h"
#include "helpers/VisioText.h"

std::optional<int32_t> scopeNumberOf(const visio::Variant& moreInfo) {
    const std::string* text = std::get_if<std::string>(&moreInfo);
    if (!text || text->size() > kVisioTextLimit) return std::nullopt;
    const std::size_t semicolon = text->find(';');
    if (semicolon == std::string::npos) return std::nullopt;
    return parseLeadingInteger(text->substr(0, semicolon)).value;
}
