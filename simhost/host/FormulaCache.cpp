#include "simhost/host/FormulaCache.h"

#include "simhost/formula/Formula.h"

namespace simhost {

std::string FormulaCache::storedText(const std::string& formula) {
    size_t start = formula.find_first_not_of(" \t");
    if (start != std::string::npos && formula[start] == '=') return formula.substr(start + 1);
    return formula;
}

std::shared_ptr<const formula::Expression> FormulaCache::parse(const std::string& text,
                                                               std::string* error) {
    auto it = entries_.find(text);
    if (it == entries_.end()) {
        Entry entry;
        ++parses_;
        entry.expression = formula::parseFormula(text, &entry.error);
        it = entries_.emplace(text, std::move(entry)).first;
    }
    if (!it->second.expression && error) *error = it->second.error;
    return it->second.expression;
}

}  // namespace simhost
