#include "simhost/formula/Evaluator.h"

#include "simhost/formula/ErrorTexts.h"
#include "simhost/formula/Operators.h"
#include "simhost/formula/SheetFunctions.h"
#include "simhost/formula/ValueFunctions.h"

namespace simhost::formula {

Value Evaluator::evaluate(const Node& node) {
    switch (node.kind) {
        case Node::Kind::Literal:
            return node.literal;
        case Node::Kind::Reference:
            return context_.cellValue(node.qualifier, node.name);
        case Node::Kind::Sign:
            return Operators::sign(evaluate(*node.operands.front()), node.negate);
        case Node::Kind::Chain:
            return node.operators.front() == Operator::Power ? evaluatePowers(node)
                                                             : evaluateChain(node);
        case Node::Kind::Call:
            return evaluateCall(node);
    }
    return Value::error(errors::kValue);
}

int32_t Evaluator::sheetIdOf(const std::string& qualifier) {
    return qualifier.empty() ? context_.evaluatingSheetId() : context_.sheetIdOf(qualifier);
}

Value Evaluator::evaluateChain(const Node& node) {
    Value result = evaluate(*node.operands.front());
    for (size_t i = 0; i < node.operators.size() && !result.isError(); ++i) {
        result = Operators::apply(node.operators[i], result, evaluate(*node.operands[i + 1]));
    }
    return result;
}

Value Evaluator::evaluatePowers(const Node& node) {
    Value result = evaluate(*node.operands.back());
    for (size_t i = node.operators.size(); i > 0 && !result.isError(); --i) {
        result = Operators::apply(node.operators[i - 1], evaluate(*node.operands[i - 1]), result);
    }
    return result;
}

Value Evaluator::evaluateCall(const Node& node) {
    if (node.function.function == Function::Unknown) return Value::error(errors::kName);
    if (!FunctionTable::acceptsArgumentCount(node.function, node.operands.size())) {
        return Value::error(errors::kValue);
    }
    if (SheetFunctions::handles(node.function.function)) {
        return SheetFunctions(*this).call(node);
    }
    std::vector<Value> arguments;
    arguments.reserve(node.operands.size());
    for (const auto& operand : node.operands) {
        arguments.push_back(evaluate(*operand));
        if (arguments.back().isError()) return arguments.back();
    }
    return ValueFunctions::call(node.function.function, arguments);
}

}  // namespace simhost::formula
