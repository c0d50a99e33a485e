#include "model/TextBoxValue.h"

#include "helpers/LeadingInteger.h"

namespace {

bool isEnclosedInQuotes(const std::string& text) {
    return text.size() >= 2 && text.front() == '"' && text.back() == '"';
}

// An arc weight box counts as showing its prompt with or without the quotes around it;
// the other boxes only with them, as the text input assistant writes it.
bool showsPrompt(TextBoxKind kind, const std::string& text, const std::string& prompt) {
    if (kind == TextBoxKind::ArcWeight) {
        const std::string bare = isEnclosedInQuotes(text) ? text.substr(1, text.size() - 2) : text;
        return bare == prompt;
    }
    return text == "\"" + prompt + "\"";
}

int32_t defaultValue(TextBoxKind kind) {
    return kind == TextBoxKind::Marking ? 0 : 1;
}

bool isAcceptable(TextBoxKind kind, int32_t value) {
    return kind == TextBoxKind::Marking ? value >= 0 : value > 0;
}

}  // namespace

TextBoxValue evaluateTextBox(TextBoxKind kind, const std::string& text, const std::string& prompt) {
    TextBoxValue result;
    if (text.empty() || showsPrompt(kind, text, prompt)) {
        result.value = defaultValue(kind);
        return result;
    }
    // A count is a whole number or nothing: taking the number a text starts with would
    // count "1.5" as 1 and "1e3" as 1, and a number past 32 bits as another one.
    const LeadingInteger number = parseWholeInteger(text);
    if (!number.hasDigits || number.overflow || !isAcceptable(kind, number.value)) return result;
    result.value = number.value;
    return result;
}
