#include "simhost/formula/Lexer.h"

#include <cctype>
#include <charconv>

#include "simhost/formula/Units.h"

namespace simhost::formula {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isNameStart(char c) {
    auto u = static_cast<unsigned char>(c);
    return std::isalpha(u) || c == '_' || u >= 0x80;
}

bool isNameChar(char c) {
    return isNameStart(c) || isDigit(c) || c == '.';
}

std::string at(size_t position) {
    return " at position " + std::to_string(position + 1);
}

}  // namespace

bool Lexer::tokenize(std::vector<Token>& tokens, std::string& error) {
    tokens.clear();
    for (;;) {
        Token token;
        if (!readToken(token, error)) return false;
        tokens.push_back(token);
        if (token.type == TokenType::End) return true;
    }
}

bool Lexer::readToken(Token& token, std::string& error) {
    skipSpaces();
    token.position = pos_;
    char c = peek();
    if (pos_ >= text_.size()) {
        token.type = TokenType::End;
        return true;
    }
    if (isDigit(c) || (c == '.' && isDigit(peek(1)))) return readNumber(token, error);
    if (c == '"') return readString(token, error);
    if (c == '\'') return readQuotedSheet(token, error);
    if (isNameStart(c)) return readName(token, error);
    if (readOperator(token)) return true;
    error = std::string("Unexpected character '") + c + "'" + at(pos_);
    return false;
}

bool Lexer::readNumber(Token& token, std::string& error) {
    size_t start = pos_;
    while (isDigit(peek())) ++pos_;
    if (peek() == '.') {
        ++pos_;
        while (isDigit(peek())) ++pos_;
    }
    bool signedExponent = (peek(1) == '+' || peek(1) == '-') && isDigit(peek(2));
    if ((peek() == 'e' || peek() == 'E') && (isDigit(peek(1)) || signedExponent)) {
        pos_ += signedExponent ? 2 : 1;
        while (isDigit(peek())) ++pos_;
    }
    std::string literal = text_.substr(start, pos_ - start);
    if (literal.back() == '.') literal.pop_back();  // "2." is 2
    double value = 0;
    auto parsed = std::from_chars(literal.data(), literal.data() + literal.size(), value);
    if (parsed.ec != std::errc() || parsed.ptr != literal.data() + literal.size()) {
        error = "Number out of range" + at(start);
        return false;
    }
    token.type = TokenType::Number;
    token.number = value;
    readUnit(token);
    return true;
}

// A unit written after the number ("2 pt", "25.4mm", "1.5\"", "50%"); a word that is
// no unit is left for the next token.
void Lexer::readUnit(Token& token) {
    size_t afterNumber = pos_;
    std::string word;
    if (peek() == '"') {
        word = "\"";
        ++pos_;
    } else {
        skipSpaces();
        if (peek() == '%') {
            word = "%";
            ++pos_;
        } else if (isNameStart(peek())) {
            word = readNamePart();
        }
    }
    std::optional<Unit> unit;
    if (!word.empty()) unit = Units::byName(word);
    if (!unit) {
        pos_ = afterNumber;
        return;
    }
    token.number = Units::toInternal(token.number, *unit);
    token.dimension = unit->dimension;
}

bool Lexer::readString(Token& token, std::string& error) {
    size_t start = pos_++;
    std::string content;
    for (;;) {
        if (pos_ >= text_.size()) {
            error = "Unterminated string" + at(start);
            return false;
        }
        char c = text_[pos_++];
        if (c != '"') {
            content += c;
        } else if (peek() == '"') {
            content += '"';
            ++pos_;
        } else {
            break;
        }
    }
    token.type = TokenType::String;
    token.text = std::move(content);
    return true;
}

// A cell or function name: "Width", "Char.Color[2]", "Sheet.12!Connections.X3".
bool Lexer::readName(Token& token, std::string& error) {
    if (!readCellName(token, error)) return false;
    if (peek() != '!') return true;
    if (token.indexed) {
        error = "Unexpected '!'" + at(pos_);
        return false;
    }
    ++pos_;
    std::string sheet = token.text;
    if (!isNameStart(peek())) {
        error = "Cell name expected after '!'" + at(pos_);
        return false;
    }
    token.qualifier = sheet;
    token.qualified = true;
    return readCellName(token, error);
}

// One name without qualifier, with its row index when it has one.
bool Lexer::readCellName(Token& token, std::string& error) {
    token.type = TokenType::Name;
    token.text = readNamePart();
    if (peek() == '[') {
        size_t open = pos_++;
        size_t digits = pos_;
        while (isDigit(peek())) ++pos_;
        if (pos_ == digits || peek() != ']') {
            error = "Malformed row index" + at(open);
            return false;
        }
        ++pos_;
        token.text += text_.substr(open, pos_ - open);
        token.indexed = true;
    }
    if (peek() == '!' && token.qualified) {
        error = "Unexpected '!'" + at(pos_);
        return false;
    }
    return true;
}

// 'My shape'!Width: a sheet name that holds blanks or other characters of its own.
bool Lexer::readQuotedSheet(Token& token, std::string& error) {
    size_t start = pos_++;
    std::string sheet;
    for (;;) {
        if (pos_ >= text_.size()) {
            error = "Unterminated sheet name" + at(start);
            return false;
        }
        char c = text_[pos_++];
        if (c != '\'') {
            sheet += c;
        } else if (peek() == '\'') {
            sheet += '\'';
            ++pos_;
        } else {
            break;
        }
    }
    if (sheet.empty() || peek() != '!' || !isNameStart(peek(1))) {
        error = "Quoted sheet name must be followed by '!' and a cell name" + at(start);
        return false;
    }
    ++pos_;
    token.qualified = true;
    token.qualifier = sheet;
    return readCellName(token, error);
}

std::string Lexer::readNamePart() {
    size_t start = pos_;
    while (pos_ < text_.size() && isNameChar(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
}

bool Lexer::readOperator(Token& token) {
    struct Spelling {
        const char* text;
        TokenType type;
    };
    static const Spelling spellings[] = {
        {"<>", TokenType::NotEqual}, {"<=", TokenType::LessEqual}, {">=", TokenType::GreaterEqual},
        {"<", TokenType::Less},      {">", TokenType::Greater},    {"=", TokenType::Equal},
        {"(", TokenType::OpenParen}, {")", TokenType::CloseParen}, {",", TokenType::Separator},
        {";", TokenType::Separator}, {"+", TokenType::Plus},       {"-", TokenType::Minus},
        {"*", TokenType::Star},      {"/", TokenType::Slash},      {"^", TokenType::Caret},
        {"&", TokenType::Ampersand},
    };
    for (const Spelling& spelling : spellings) {
        std::string text = spelling.text;
        if (text_.compare(pos_, text.size(), text) == 0) {
            token.type = spelling.type;
            token.text = text;
            pos_ += text.size();
            return true;
        }
    }
    return false;
}

void Lexer::skipSpaces() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
}

char Lexer::peek(size_t ahead) const {
    return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
}

}  // namespace simhost::formula
