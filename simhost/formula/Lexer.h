// Splits formula text into tokens.
#pragma once

#include <string>
#include <vector>

#include "simhost/formula/Token.h"

namespace simhost::formula {

class Lexer {
public:
    explicit Lexer(const std::string& text) : text_(text) {}

    // The tokens of the whole text, ending with an End token; false with *error set at
    // the first character that starts no token.
    bool tokenize(std::vector<Token>& tokens, std::string& error);

private:
    bool readToken(Token& token, std::string& error);
    bool readNumber(Token& token, std::string& error);
    void readUnit(Token& token);
    bool readString(Token& token, std::string& error);
    bool readName(Token& token, std::string& error);
    bool readCellName(Token& token, std::string& error);
    bool readQuotedSheet(Token& token, std::string& error);
    std::string readNamePart();
    bool readOperator(Token& token);
    void skipSpaces();
    char peek(size_t ahead = 0) const;

    const std::string& text_;
    size_t pos_ = 0;
};

}  // namespace simhost::formula
