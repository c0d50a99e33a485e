#include "checker/CCRuleSet.h"

#include <utility>

#include "model/DiagramTypeHolder.h"

CCRuleSet::CCRuleSet() = default;

CCRuleSet::~CCRuleSet() {
    clear();
}

void CCRuleSet::add(int32_t key, std::unique_ptr<CCRule> rule) {
    if (!rule) return;
    rules_[key] = rule.get();
    tables_[key] = rule.get();
    owned_[key] = std::move(rule);
}

void CCRuleSet::clear() {
    // The views go first, so that they never name a deleted rule.
    rules_.clear();
    tables_.clear();
    owned_.clear();
}

void CCRuleSet::checkAll(const DiagramTypeHolder& holder) {
    for (const auto& [key, rule] : rules_) {
        rule->check(holder.getActive(), holder.getPassive(), holder.getArcs(),
                    holder.getOtherShapes(), holder.getAdjacencyMatrix());
    }
}

bool CCRuleSet::hasFindings() const {
    for (const auto& [key, rule] : rules_) {
        if (!rule->getFindings().empty()) return true;
    }
    return false;
}
