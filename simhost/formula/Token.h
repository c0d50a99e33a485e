// One lexical unit of a formula.
#pragma once

#include <cstddef>
#include <string>

#include "simhost/formula/Value.h"

namespace simhost::formula {

enum class TokenType {
    Number,  // a literal with its unit applied: number in internal units, dimension
    String,  // text holds the string without quotes and with "" unescaped
    Name,    // a cell or function name: text, and the sheet qualifier when qualified
    OpenParen,
    CloseParen,
    Separator,  // "," or ";" between arguments
    Plus,
    Minus,
    Star,
    Slash,
    Caret,
    Ampersand,
    Equal,
    NotEqual,
    Less,
    Greater,
    LessEqual,
    GreaterEqual,
    End,
};

struct Token {
    TokenType type = TokenType::End;
    size_t position = 0;  // offset of the token's first character in the formula
    std::string text;
    std::string qualifier;   // Name: the sheet before "!" ("Sheet.5", "ThePage")
    bool qualified = false;  // Name: written with "!"
    bool indexed = false;    // Name: ends in "[n]", so it is no function name
    double number = 0;
    Dimension dimension = Dimension::None;
};

}  // namespace simhost::formula
