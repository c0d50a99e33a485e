#include "helpers/VisioText.h"

#include <algorithm>
#include <cctype>

namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Bytes that a UTF-8 lead byte announces, itself included; 1 for anything else.
std::size_t sequenceLength(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0xF0 && b < 0xF8) return 4;
    if (b >= 0xE0) return 3;
    if (b >= 0xC0) return 2;
    return 1;
}

// Moves a cut at `cut` back to the start of the character it would split.
std::size_t characterBoundary(const std::string& text, std::size_t cut) {
    std::size_t lead = cut;
    while (lead > 0 && cut - lead < 3 && isContinuationByte(text[lead])) --lead;
    if (lead < cut && lead + sequenceLength(text[lead]) > cut) return lead;
    return cut;
}

}  // namespace

std::string limitVisioText(std::string text) {
    if (text.size() > kVisioTextLimit) text.resize(characterBoundary(text, kVisioTextLimit));
    return text;
}

bool exceedsFormulaLimit(const std::string& formula) {
    std::size_t characters = 0;
    for (char c : formula) {
        if (!isContinuationByte(c) && ++characters > kVisioTextLimit) return true;
    }
    return false;
}

std::string caseFolded(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}
