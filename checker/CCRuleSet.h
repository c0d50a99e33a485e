// The rules of one check run under their keys: owns them, runs them in key order
// against the diagram model, and gives the two views the cell guard and the model need
// (the rules themselves, and the rules as the cell-address tables whose formulas the
// model saves).
#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include "checker/CCRule.h"
#include "model/CellAddressTable.h"

class DiagramTypeHolder;

class CCRuleSet {
public:
    CCRuleSet();
    ~CCRuleSet();
    CCRuleSet(const CCRuleSet&) = delete;
    CCRuleSet& operator=(const CCRuleSet&) = delete;

    // A rule already under the key is deleted and replaced.
    void add(int32_t key, std::unique_ptr<CCRule> rule);
    // Deletes every rule and empties both views.
    void clear();
    bool isEmpty() const { return rules_.empty(); }

    // The current model's sets and matrix go to every rule, in ascending key order.
    void checkAll(const DiagramTypeHolder& holder);
    // Some rule recorded a finding.
    bool hasFindings() const;

    // Both stay valid, with the same rules, until clear or destruction.
    const CCRuleMap& rules() const { return rules_; }
    const CellAddressTableMap& tables() const { return tables_; }

private:
    std::map<int32_t, std::unique_ptr<CCRule>> owned_;
    CCRuleMap rules_;
    CellAddressTableMap tables_;
};
