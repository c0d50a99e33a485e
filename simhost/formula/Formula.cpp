#include "simhost/formula/Formula.h"

#include <algorithm>
#include <cctype>
#include <exception>

#include "simhost/formula/ErrorTexts.h"
#include "simhost/formula/Evaluator.h"
#include "simhost/formula/Expression.h"
#include "simhost/formula/Lexer.h"
#include "simhost/formula/Parser.h"
#include "simhost/formula/ValueText.h"

namespace simhost::formula {

namespace {

using CellList = std::vector<std::pair<std::string, std::string>>;

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

void addOnce(CellList& cells, const Node& reference) {
    for (const auto& [sheet, cell] : cells) {
        if (sameIgnoringCase(sheet, reference.qualifier) && sameIgnoringCase(cell, reference.name))
            return;
    }
    cells.emplace_back(reference.qualifier, reference.name);
}

// GetRef names a cell without using its value, so its argument is no dependency.
void collectReferences(const Node& node, CellList& cells) {
    if (node.kind == Node::Kind::Reference) {
        addOnce(cells, node);
        return;
    }
    if (node.kind == Node::Kind::Call && node.function.function == Function::GetRef) return;
    for (const auto& operand : node.operands) collectReferences(*operand, cells);
}

}  // namespace

std::shared_ptr<const Expression> parseFormula(const std::string& text, std::string* error) {
    std::string message;
    try {
        std::vector<Token> tokens;
        std::unique_ptr<const Node> root;
        if (Lexer(text).tokenize(tokens, message) && Parser(tokens).parse(root, message)) {
            return std::make_shared<const Expression>(std::move(root));
        }
    } catch (const std::exception&) {
        message = "Formula too large";
    }
    if (error) *error = message;
    return nullptr;
}

Value evaluate(const Expression& expression, Context& context) {
    if (expression.isEmpty()) return Value::numberOf(0);
    try {
        return Evaluator(context).evaluate(*expression.root());
    } catch (...) {
        // The host's context may throw; a formula never does.
        return Value::error(errors::kValue);
    }
}

bool isGuarded(const Expression& expression) {
    const Node* root = expression.root();
    return root && root->kind == Node::Kind::Call && root->function.function == Function::Guard;
}

bool isEmptyFormula(const Expression& expression) {
    return expression.isEmpty();
}

std::vector<std::pair<std::string, std::string>> referencedCells(const Expression& expression) {
    CellList cells;
    if (const Node* root = expression.root()) collectReferences(*root, cells);
    return cells;
}

std::string formatNumber(double value) {
    return ValueText::formatNumber(value);
}

}  // namespace simhost::formula
