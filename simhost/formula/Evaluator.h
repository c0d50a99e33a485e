// Evaluates expression trees against a host context.
#pragma once

#include <cstdint>
#include <string>

#include "simhost/formula/Context.h"
#include "simhost/formula/Node.h"
#include "simhost/formula/Value.h"

namespace simhost::formula {

class Evaluator {
public:
    explicit Evaluator(Context& context) : context_(context) {}

    // The value of a node; errors come back as Error values.
    Value evaluate(const Node& node);

    Context& context() { return context_; }
    // The ID of the sheet a qualifier names; "" is the evaluating shape; 0 for none.
    int32_t sheetIdOf(const std::string& qualifier);

private:
    Value evaluateChain(const Node& node);
    Value evaluatePowers(const Node& node);
    Value evaluateCall(const Node& node);

    Context& context_;
};

}  // namespace simhost::formula
