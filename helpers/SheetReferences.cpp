#include "helpers/SheetReferences.h"

#include <cctype>

#include "helpers/LeadingInteger.h"

namespace {

constexpr char kSheet[] = "Sheet.";
constexpr std::size_t kSheetLength = sizeof(kSheet) - 1;

bool isNameCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}

// Where a reference "Sheet.<n>!" starting at `at` ends, past its "!"; `at` when there
// is none there.
std::size_t referenceEnd(const std::string& formula, std::size_t at) {
    if (formula.compare(at, kSheetLength, kSheet) != 0) return at;
    if (at > 0 && isNameCharacter(formula[at - 1])) return at;
    std::size_t end = at + kSheetLength;
    while (end < formula.size() && std::isdigit(static_cast<unsigned char>(formula[end]))) ++end;
    if (end == at + kSheetLength || end == formula.size() || formula[end] != '!') return at;
    return end + 1;
}

}  // namespace

std::string renamedSheetReferences(const std::string& formula,
                                   const std::map<int32_t, int32_t>& ids) {
    std::string renamed;
    bool inString = false;
    for (std::size_t at = 0; at < formula.size();) {
        // A doubled quote inside a constant leaves it and enters it again.
        if (formula[at] == '"') inString = !inString;
        const std::size_t end = inString ? at : referenceEnd(formula, at);
        if (end == at) {
            renamed += formula[at++];
            continue;
        }
        const LeadingInteger id =
            parseWholeInteger(formula.substr(at + kSheetLength, end - 1 - at - kSheetLength));
        const auto copy = id.overflow ? ids.end() : ids.find(id.value);
        renamed += copy == ids.end() ? formula.substr(at, end - at)
                                     : kSheet + std::to_string(copy->second) + "!";
        at = end;
    }
    return renamed;
}
