// Parses each distinct formula text once; cells share the parsed expression.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>

namespace simhost {

namespace formula {
class Expression;
}

class FormulaCache {
public:
    // The text a cell keeps of a formula: Visio takes "=Width*2" and keeps "Width*2".
    static std::string storedText(const std::string& formula);
    // The parsed formula, or null with *error set when the text does not parse.
    std::shared_ptr<const formula::Expression> parse(const std::string& text, std::string* error);
    size_t size() const { return entries_.size(); }
    uint64_t parses() const { return parses_; }

private:
    struct Entry {
        std::shared_ptr<const formula::Expression> expression;
        std::string error;
    };
    std::unordered_map<std::string, Entry> entries_;
    uint64_t parses_ = 0;
};

}  // namespace simhost
