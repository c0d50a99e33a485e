// Builds the expression tree of a formula from its tokens.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "simhost/formula/Node.h"
#include "simhost/formula/Token.h"

namespace simhost::formula {

class Parser {
public:
    // Parentheses and calls nest at most this deep, which keeps parsing and evaluation
    // within a small, fixed stack.
    static constexpr int kMaxNesting = 100;

    explicit Parser(const std::vector<Token>& tokens) : tokens_(tokens) {}

    // The tree of the whole formula (null for an empty one, "=" alone included); false
    // with *error set when the tokens form no formula.
    bool parse(std::unique_ptr<const Node>& root, std::string& error);

private:
    using NodePtr = std::unique_ptr<const Node>;

    NodePtr parseLevel(int level);
    NodePtr parseSigned(NodePtr (Parser::*operand)());
    NodePtr parseUnary() { return parseSigned(&Parser::parsePower); }
    NodePtr parsePower();
    NodePtr parsePrimary();
    NodePtr parseName();
    NodePtr parseCall();
    NodePtr parseParenthesised();
    bool enterNesting();
    static std::optional<Operator> operatorAt(int level, TokenType type);
    static NodePtr literal(Value value);

    const Token& current() const { return tokens_[index_]; }
    const Token& next() const;
    void advance();
    NodePtr fail(const std::string& message);
    NodePtr unexpected();

    const std::vector<Token>& tokens_;
    size_t index_ = 0;
    int nesting_ = 0;
    std::string error_;
};

}  // namespace simhost::formula
