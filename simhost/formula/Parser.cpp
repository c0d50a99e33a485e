#include "simhost/formula/Parser.h"

#include <cctype>

namespace simhost::formula {

namespace {

// Binary operator levels from the loosest: comparisons, "&", "+ -", "* /"; then come
// the signs and "^".
constexpr int kBinaryLevels = 4;

bool sameIgnoringCase(const std::string& a, const char* b) {
    std::string upper;
    for (char c : a) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper == b;
}

}  // namespace

bool Parser::parse(std::unique_ptr<const Node>& root, std::string& error) {
    root.reset();
    if (current().type == TokenType::Equal) advance();
    if (current().type == TokenType::End) return true;
    NodePtr node = parseLevel(0);
    if (node && current().type != TokenType::End) node = unexpected();
    if (!node) {
        error = error_;
        return false;
    }
    root = std::move(node);
    return true;
}

Parser::NodePtr Parser::parseLevel(int level) {
    if (level == kBinaryLevels) return parseUnary();
    NodePtr first = parseLevel(level + 1);
    if (!first) return nullptr;
    std::optional<Operator> op = operatorAt(level, current().type);
    if (!op) return first;
    auto chain = std::make_unique<Node>();
    chain->kind = Node::Kind::Chain;
    chain->operands.push_back(std::move(first));
    while (op) {
        advance();
        NodePtr operand = parseLevel(level + 1);
        if (!operand) return nullptr;
        chain->operators.push_back(*op);
        chain->operands.push_back(std::move(operand));
        op = operatorAt(level, current().type);
    }
    return chain;
}

// Any run of "+" and "-" before an operand; only the parity of the minus signs counts.
Parser::NodePtr Parser::parseSigned(NodePtr (Parser::*operand)()) {
    int signs = 0;
    int minuses = 0;
    for (; current().type == TokenType::Plus || current().type == TokenType::Minus; advance()) {
        ++signs;
        if (current().type == TokenType::Minus) ++minuses;
    }
    NodePtr value = (this->*operand)();
    if (!value || signs == 0) return value;
    auto sign = std::make_unique<Node>();
    sign->kind = Node::Kind::Sign;
    sign->negate = minuses % 2 == 1;
    sign->operands.push_back(std::move(value));
    return sign;
}

// "^" binds tighter than a sign before it (-2^2 is -4) and takes a signed exponent
// (2^-1 is 0.5); a chain of powers is taken from the right (2^3^2 is 2^9).
Parser::NodePtr Parser::parsePower() {
    NodePtr base = parsePrimary();
    if (!base || current().type != TokenType::Caret) return base;
    auto chain = std::make_unique<Node>();
    chain->kind = Node::Kind::Chain;
    chain->operands.push_back(std::move(base));
    while (current().type == TokenType::Caret) {
        advance();
        NodePtr exponent = parseSigned(&Parser::parsePrimary);
        if (!exponent) return nullptr;
        chain->operators.push_back(Operator::Power);
        chain->operands.push_back(std::move(exponent));
    }
    return chain;
}

Parser::NodePtr Parser::parsePrimary() {
    const Token& token = current();
    switch (token.type) {
        case TokenType::Number: {
            Value value = Value::numberOf(token.number, token.dimension);
            advance();
            return literal(value);
        }
        case TokenType::String: {
            Value value = Value::string(token.text);
            advance();
            return literal(value);
        }
        case TokenType::Name:
            return parseName();
        case TokenType::OpenParen:
            return parseParenthesised();
        default:
            return unexpected();
    }
}

Parser::NodePtr Parser::parseName() {
    const Token& token = current();
    bool plain = !token.qualified && !token.indexed;
    if (plain && next().type == TokenType::OpenParen) return parseCall();
    if (plain && (sameIgnoringCase(token.text, "TRUE") || sameIgnoringCase(token.text, "FALSE"))) {
        bool truth = sameIgnoringCase(token.text, "TRUE");
        advance();
        return literal(Value::boolean(truth));
    }
    auto reference = std::make_unique<Node>();
    reference->kind = Node::Kind::Reference;
    reference->qualifier = token.qualifier;
    reference->name = token.text;
    advance();
    return reference;
}

Parser::NodePtr Parser::parseCall() {
    if (!enterNesting()) return nullptr;
    auto call = std::make_unique<Node>();
    call->kind = Node::Kind::Call;
    call->name = current().text;
    call->function = FunctionTable::lookup(call->name);
    advance();  // the name
    advance();  // "("
    if (current().type != TokenType::CloseParen) {
        for (;;) {
            NodePtr argument = parseLevel(0);
            if (!argument) return nullptr;
            call->operands.push_back(std::move(argument));
            if (current().type != TokenType::Separator) break;
            advance();
        }
    }
    if (current().type != TokenType::CloseParen) return unexpected();
    advance();
    --nesting_;
    return call;
}

Parser::NodePtr Parser::parseParenthesised() {
    if (!enterNesting()) return nullptr;
    advance();
    NodePtr inner = parseLevel(0);
    if (!inner) return nullptr;
    if (current().type != TokenType::CloseParen) return unexpected();
    advance();
    --nesting_;
    return inner;
}

bool Parser::enterNesting() {
    if (++nesting_ <= kMaxNesting) return true;
    fail("Formula nested more than " + std::to_string(kMaxNesting) + " levels deep");
    return false;
}

std::optional<Operator> Parser::operatorAt(int level, TokenType type) {
    switch (level) {
        case 0:
            if (type == TokenType::Equal) return Operator::Equal;
            if (type == TokenType::NotEqual) return Operator::NotEqual;
            if (type == TokenType::Less) return Operator::Less;
            if (type == TokenType::Greater) return Operator::Greater;
            if (type == TokenType::LessEqual) return Operator::LessEqual;
            if (type == TokenType::GreaterEqual) return Operator::GreaterEqual;
            break;
        case 1:
            if (type == TokenType::Ampersand) return Operator::Concat;
            break;
        case 2:
            if (type == TokenType::Plus) return Operator::Add;
            if (type == TokenType::Minus) return Operator::Subtract;
            break;
        case 3:
            if (type == TokenType::Star) return Operator::Multiply;
            if (type == TokenType::Slash) return Operator::Divide;
            break;
        default:
            break;
    }
    return std::nullopt;
}

Parser::NodePtr Parser::literal(Value value) {
    auto node = std::make_unique<Node>();
    node->kind = Node::Kind::Literal;
    node->literal = std::move(value);
    return node;
}

const Token& Parser::next() const {
    return index_ + 1 < tokens_.size() ? tokens_[index_ + 1] : tokens_.back();
}

void Parser::advance() {
    if (index_ + 1 < tokens_.size()) ++index_;
}

Parser::NodePtr Parser::fail(const std::string& message) {
    if (error_.empty()) error_ = message;
    return nullptr;
}

Parser::NodePtr Parser::unexpected() {
    const Token& token = current();
    if (token.type == TokenType::End) return fail("Unexpected end of formula");
    std::string what = "'" + token.text + "'";
    if (token.type == TokenType::Number) what = "number";
    if (token.type == TokenType::String) what = "string";
    return fail("Unexpected " + what + " at position " + std::to_string(token.position + 1));
}

}  // namespace simhost::formula
