// A node of a parsed formula. Nodes are built once by the parser and then only read.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "simhost/formula/FunctionTable.h"
#include "simhost/formula/Value.h"

namespace simhost::formula {

enum class Operator {
    Add,
    Subtract,
    Multiply,
    Divide,
    Power,
    Concat,
    Equal,
    NotEqual,
    Less,
    Greater,
    LessEqual,
    GreaterEqual,
};

struct Node {
    enum class Kind {
        Literal,    // literal
        Reference,  // qualifier and name
        Sign,       // one operand; negate when an odd number of "-" stood before it
        Chain,      // operands joined by operators of one precedence level
        Call,       // name, function and its arguments as operands
    };

    Kind kind = Kind::Literal;
    Value literal;
    std::string qualifier;  // Reference: the sheet before "!", "" for the own sheet
    std::string name;       // Reference: the cell name; Call: the function as written
    FunctionInfo function;  // Call
    bool negate = false;    // Sign
    // Chain: operators[i] joins operands[i] and operands[i + 1]; "^" chains are
    // evaluated from the right, all others from the left.
    std::vector<Operator> operators;
    std::vector<std::unique_ptr<const Node>> operands;
};

}  // namespace simhost::formula
