// A stand-in host with one page on which a test assembles a model by hand.
#pragma once

#include <cstdint>
#include <vector>

#include "HandModel.h"
#include "tests/support/HostFixture.h"

class RuleOnHost : public HostFixture {
protected:
    std::vector<uint32_t> findings(CCRule& rule) { return findingsOf(rule, model.inputs()); }
    static uint32_t id(const GEGraphElement* element);

    HandModel model{host_, page()};
};
