// A parsed formula: an immutable tree that can be evaluated any number of times.
#pragma once

#include <memory>

#include "simhost/formula/Node.h"

namespace simhost::formula {

class Expression {
public:
    // A null root is the empty formula.
    explicit Expression(std::unique_ptr<const Node> root) : root_(std::move(root)) {}

    const Node* root() const { return root_.get(); }
    bool isEmpty() const { return root_ == nullptr; }

private:
    std::unique_ptr<const Node> root_;
};

}  // namespace simhost::formula
