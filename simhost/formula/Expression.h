// A parsed formula: an immutable tree that can be evaluated any number of times.
#pragma once

#include <memory>

#include "simhost/formula/Node.h"

namespace simhost::formula {

class Expression {
public:
    // A null root is the empty formula.
    explicit Expression(std::unique_ptr<const Node> root)
        : root_(std::move(root)), setsFormulas_(root_ && calls(*root_, Function::SetF)) {}

    const Node* root() const { return root_.get(); }
    bool isEmpty() const { return root_ == nullptr; }
    // The formula calls SETF somewhere: evaluating it may write other cells.
    bool setsFormulas() const { return setsFormulas_; }

private:
    static bool calls(const Node& node, Function function) {
        if (node.kind == Node::Kind::Call && node.function.function == function) return true;
        for (const auto& operand : node.operands)
            if (calls(*operand, function)) return true;
        return false;
    }

    std::unique_ptr<const Node> root_;
    bool setsFormulas_;
};

}  // namespace simhost::formula
