// The scanner of the script expression language and the per-language text
// pieces. Internal to the values module.
#pragma once

#include "values/expressions.h"

#include <array>
#include <string>
#include <string_view>

namespace values {

struct Token {
    TokenKind kind = TokenKind::END_LEX;
    int op = -1;                // OperatorCode of an OPERATEUR token
    std::string_view spelling;  // the characters as written
    std::string characters;     // a string constant without quotes, escapes resolved
    Integer integer;
    Real real;

    bool isOperator(int code) const { return kind == TokenKind::OPERATEUR && op == code; }
    bool is(TokenKind k) const { return kind == k; }
};

// Tokens on demand with two tokens of lookahead. Lexical errors are reported
// when the token is scanned and give an ERREUR token.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    const Token& peek(int ahead = 0);
    void advance();

private:
    void scan(Token& token);
    void scanNumber(Token& token);
    void scanString(Token& token);
    void scanPunctuation(Token& token);

    std::string_view text_;
    std::size_t position_ = 0;
    std::array<Token, 2> lookahead_;  // a ring of two
    int head_ = 0;
    int buffered_ = 0;
};

// Text pieces of one language.
struct LanguagePieces {
    std::string_view concatenation;  // replaces "+" or "&" next to a string constant
    char characterQuote;
    char stringQuote;
    std::string_view absoluteOpening;
    std::string_view absoluteClosing;
};
const LanguagePieces& languagePieces(int language);

// C and C++ share the escapes, quotes and the pointer declarator rule.
bool isCFamily(int language);

// The characters between quote characters, with the escapes of the language.
std::string quoted(std::string_view characters, char quote, int language);

}  // namespace values
