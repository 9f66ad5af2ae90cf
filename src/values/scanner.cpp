// The expression scanner: numbers in every base, strings with C escapes,
// names and punctuation; the token names and the language text pieces.
#include "values/scanner_internal.h"

#include "diag/diag.h"
#include "values/languages.h"

namespace values {

namespace {

struct TokenNames {
    std::string_view french;
    std::string_view english;
};

constexpr std::array<TokenNames, kTokenKindCount> kTokenNames = {{
    {"OPERATEUR", "OPERATOR"},
    {"IDENTIFICATEUR", "IDENTIFIER"},
    {"CST_ENTIERE", "INTEGER_CST"},
    {"CST_REELLE", "REAL_CST"},
    {"CST_STRING", "STRING_CST"},
    {"EXPRESSION_IRREDUCTIBLE", "IRREDUCTIBLE_EXPRESSION"},
    {"PG", "LP"},
    {"PD", "RP"},
    {"CG", "LSB"},
    {"CD", "RSB"},
    {"POINT", "DOT"},
    {"POINT_POINT", "DOT_DOT"},
    {"POINTEUR", "POINTER"},
    {"QUOTE", "QUOTE"},
    {"CH_POINT", "STR_POINT"},
    {"AROBASQUE", "AROBASQUE"},
    {"VIRGULE", "COMMA"},
    {"END_LEX", "END_LEX"},
    {"ERREUR", "ERROR"},
    {"DIESE", "SHARP"},
    {"FLECHE_ETOILE", "ARROW_STAR"},
    {"POINT_ETOILE", "DOT_STAR"},
    {"OPER_RESOLUTION_PORTEE", "SCOPE_RESOLUTION_OERATOR"},
    {"INFERIEUR", "INFERIOR"},
    {"SUPERIEUR", "SUPERIOR"},
    {"ACCOLADE_G", "L_BRACKET"},
    {"ACCOLADE_D", "R_BRACKET"},
}};
static_assert(kTokenNames.size() == kTokenKindCount);

// Indexed by LanguageIndex.
constexpr std::array<LanguagePieces, 8> kLanguagePieces = {{
    {"&", '\'', '"', "ABS(", ")"},       // ADA
    {"+", '\'', '\'', "ABS(", ")"},      // PASCAL
    {",", '\'', '\'', "ABS(", ")"},      // PLM
    {",", '\'', '"', "PRIV_ABS(", ")"},  // C
    {"+", '\'', '\'', "", ""},           // ASM
    {"+", '"', '"', "", ""},             // AUTAN
    {",", '\'', '"', "PRIV_ABS(", ")"},  // C++
    {"+", '\'', '\'', "ABS(", ")"},      // MODULA2
}};
static_assert(kLanguagePieces.size() == kModula2 + 1);

// Single-character tokens other than operators.
struct Punctuation {
    char character;
    TokenKind kind;
};
constexpr std::array<Punctuation, 12> kPunctuation = {{
    {'.', TokenKind::POINT},
    {'(', TokenKind::PG},
    {')', TokenKind::PD},
    {'[', TokenKind::CG},
    {']', TokenKind::CD},
    {'{', TokenKind::ACCOLADE_G},
    {'}', TokenKind::ACCOLADE_D},
    {',', TokenKind::VIRGULE},
    {'@', TokenKind::AROBASQUE},
    {'#', TokenKind::DIESE},
    {'<', TokenKind::INFERIEUR},
    {'>', TokenKind::SUPERIEUR},
}};
static_assert(kPunctuation.size() == 12);

struct OperatorCharacter {
    char character;
    int code;
};
constexpr std::array<OperatorCharacter, 12> kOperators = {{
    {'+', kPlus},
    {'-', kMinus},
    {'*', kTimes},
    {'/', kDivide},
    {'&', kAmpersand},
    {'%', kOtherOperator},
    {'|', kOtherOperator},
    {'^', kOtherOperator},
    {'!', kOtherOperator},
    {'~', kOtherOperator},
    {'=', kOtherOperator},
    {'?', kOtherOperator},
}};
static_assert(kOperators.size() == 12);

// Tokens of several characters, tried before the single characters.
struct Compound {
    std::string_view text;
    TokenKind kind;
};
constexpr std::array<Compound, 6> kCompounds = {{
    {"->*", TokenKind::FLECHE_ETOILE},
    {"->", TokenKind::POINTEUR},
    {"..", TokenKind::POINT_POINT},
    {".*", TokenKind::POINT_ETOILE},
    {"::", TokenKind::OPER_RESOLUTION_PORTEE},
    {":", TokenKind::OPERATEUR},
}};
static_assert(kCompounds.size() == 6);

// Kind and operator code of each single character, derived from the rows above.
struct CharacterToken {
    TokenKind kind = TokenKind::ERREUR;
    int op = -1;
    bool startsCompound = false;
};
constexpr auto kCharacterTokens = [] {
    std::array<CharacterToken, 256> table;
    for (auto& entry : table) entry = CharacterToken{};  // "table{}" leaves entries unset under GCC 12
    for (const auto& row : kPunctuation) table[static_cast<unsigned char>(row.character)].kind = row.kind;
    for (const auto& row : kOperators) {
        table[static_cast<unsigned char>(row.character)].kind = TokenKind::OPERATEUR;
        table[static_cast<unsigned char>(row.character)].op = row.code;
    }
    for (const auto& row : kCompounds) table[static_cast<unsigned char>(row.text[0])].startsCompound = true;
    return table;
}();
static_assert(kCharacterTokens[static_cast<unsigned char>('`')].kind == TokenKind::ERREUR);
static_assert(kCharacterTokens[0xE9].kind == TokenKind::ERREUR);

struct SimpleEscape {
    char letter;
    int code;
};
constexpr std::array<SimpleEscape, 8> kSimpleEscapes = {{
    {'n', 10}, {'t', 9}, {'r', 13}, {'f', 12}, {'v', 11}, {'a', 7}, {'b', 8}, {'e', 27},
}};
static_assert(kSimpleEscapes.size() == 8);

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '$'; }
bool isWordCharacter(char c) { return isLetter(c) || isDigit(c); }
bool isHexDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

bool allOf(std::string_view text, bool (*test)(char)) {
    for (char c : text)
        if (!test(c)) return false;
    return !text.empty();
}
bool isBinaryDigit(char c) { return c == '0' || c == '1'; }
bool isOctalDigit(char c) { return c >= '0' && c <= '7'; }
bool isIntegerSuffix(char c) { return c == 'u' || c == 'U' || c == 'l' || c == 'L'; }

// The digits of an integer literal without its "u" and "l" suffix letters.
std::string_view withoutIntegerSuffix(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && end + 3 > text.size() && isIntegerSuffix(text[end - 1])) --end;
    return text.substr(0, end);
}

// Digits and base of an integer literal, or base 0 when it is none.
struct IntegerForm {
    std::string_view digits;
    int base = 0;
};

IntegerForm integerForm(std::string_view run) {
    const char last = run.back();
    if (run.size() > 2 && run[0] == '0' && (run[1] == 'x' || run[1] == 'X')) {
        const auto digits = withoutIntegerSuffix(run.substr(2));
        return {digits, allOf(digits, isHexDigit) ? 16 : 0};
    }
    if (run.size() > 2 && run[0] == '0' && (run[1] == 'b' || run[1] == 'B') && isBinaryDigit(run[2])) {
        const auto digits = withoutIntegerSuffix(run.substr(2));
        return {digits, allOf(digits, isBinaryDigit) ? 2 : 0};
    }
    const auto body = run.substr(0, run.size() - 1);
    if ((last == 'h' || last == 'H') && allOf(body, isHexDigit)) return {body, 16};
    if ((last == 'b' || last == 'B') && allOf(body, isBinaryDigit)) return {body, 2};
    const auto digits = withoutIntegerSuffix(run);
    if (!allOf(digits, isDigit)) return {digits, 0};
    if (digits.size() > 1 && digits[0] == '0') return {digits.substr(1), allOf(digits, isOctalDigit) ? 8 : 0};
    return {digits, 10};
}

// After the exponent letter of a decimal mantissa ("1.5e" of "1.5e-3").
bool exponentSignAllowed(std::string_view run) {
    if (run.empty() || (run.back() != 'e' && run.back() != 'E')) return false;
    const auto mantissa = run.substr(0, run.size() - 1);
    return !mantissa.empty() && mantissa.find_first_not_of("0123456789.") == std::string_view::npos;
}

// digits ["." digits] [("e" | "E") ["+" | "-"] digits], with digits on at
// least one side of the point.
bool isRealShape(std::string_view text) {
    const std::size_t e = text.find_first_of("eE");
    const auto mantissa = text.substr(0, e);
    const std::size_t point = mantissa.find('.');
    const auto integral = mantissa.substr(0, point);
    const auto fraction = point == std::string_view::npos ? std::string_view() : mantissa.substr(point + 1);
    if (integral.empty() && fraction.empty()) return false;
    if ((!integral.empty() && !allOf(integral, isDigit)) || (!fraction.empty() && !allOf(fraction, isDigit)))
        return false;
    if (e == std::string_view::npos) return point != std::string_view::npos;
    auto exponent = text.substr(e + 1);
    if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) exponent.remove_prefix(1);
    return allOf(exponent, isDigit);
}

int hexValue(char c) {
    if (isDigit(c)) return c - '0';
    return (c >= 'a' && c <= 'f') ? c - 'a' + 10 : c - 'A' + 10;
}

// The character of the escape after a backslash at position (moved past it),
// or -1 for an escape without its digits or beyond a byte.
int escapeValue(std::string_view text, std::size_t& position) {
    if (position >= text.size()) return -1;
    const char c = text[position++];
    for (const auto& row : kSimpleEscapes)
        if (row.letter == c) return row.code;
    if (isOctalDigit(c)) {
        int value = c - '0';
        for (int n = 1; n < 3 && position < text.size() && isOctalDigit(text[position]); ++n)
            value = value * 8 + (text[position++] - '0');
        return value <= 255 ? value : -1;
    }
    if (c != 'x') return static_cast<unsigned char>(c);
    int value = -1;
    while (position < text.size() && isHexDigit(text[position])) {
        value = (value < 0 ? 0 : value * 16) + hexValue(text[position++]);
        if (value > 255) return -1;
    }
    return value;
}

std::string characterImage(char c) {
    const auto code = static_cast<unsigned char>(c);
    if (code >= 32 && code < 127) return std::string(1, c);
    static constexpr char kOctal[] = "01234567";
    return {'\\', kOctal[code >> 6], kOctal[(code >> 3) & 7], kOctal[code & 7]};
}

}  // namespace

std::string_view tokenKindName(TokenKind kind, int keywordLanguage) {
    const int index = static_cast<int>(kind);
    if (index < 0 || index >= kTokenKindCount) return "?";
    return inLanguage(keywordLanguage, kTokenNames[index].french, kTokenNames[index].english);
}

std::string_view valueKindName(ValueKind kind, int keywordLanguage) {
    return tokenKindName(static_cast<TokenKind>(kind), keywordLanguage);
}

const LanguagePieces& languagePieces(int language) {
    if (language < 0 || language >= static_cast<int>(kLanguagePieces.size())) language = kCpp;
    return kLanguagePieces[language];
}

bool isCFamily(int language) { return language == kC || language == kCpp; }

// ---- Scanning -------------------------------------------------------------------

const Token& Scanner::peek(int ahead) {
    while (buffered_ <= ahead) scan(lookahead_[(head_ + buffered_++) & 1]);
    return lookahead_[(head_ + ahead) & 1];
}

// The end and an error stay in front: nothing can be read past them.
void Scanner::advance() {
    const Token& front = peek();
    if (front.is(TokenKind::END_LEX) || front.is(TokenKind::ERREUR)) return;
    head_ ^= 1;
    --buffered_;
}

void Scanner::scan(Token& token) {
    token = Token{};
    while (position_ < text_.size() && isBlank(text_[position_])) ++position_;
    if (position_ >= text_.size()) {
        token.kind = TokenKind::END_LEX;
        return;
    }
    const char c = text_[position_];
    const bool fractionStart = c == '.' && position_ + 1 < text_.size() && isDigit(text_[position_ + 1]);
    if (isDigit(c) || fractionStart) return scanNumber(token);
    if (c == '"' || c == '\'') return scanString(token);
    if (isLetter(c)) {
        const std::size_t start = position_;
        while (position_ < text_.size() && isWordCharacter(text_[position_])) ++position_;
        token.kind = TokenKind::IDENTIFICATEUR;
        token.spelling = text_.substr(start, position_ - start);
        return;
    }
    scanPunctuation(token);
}

// number -> the longest run of letters, digits, "_" and "." (not ".."), with
// a sign right after the exponent letter of a decimal number.
void Scanner::scanNumber(Token& token) {
    const std::size_t start = position_;
    while (position_ < text_.size()) {
        const char c = text_[position_];
        const char next = position_ + 1 < text_.size() ? text_[position_ + 1] : '\0';
        if (c == '.' && next == '.') break;
        if ((c == '+' || c == '-') && isDigit(next) && exponentSignAllowed(text_.substr(start, position_ - start))) {
            position_ += 2;
            continue;
        }
        if (!isWordCharacter(c) && c != '.') break;
        ++position_;
    }
    token.spelling = text_.substr(start, position_ - start);
    const IntegerForm form = integerForm(token.spelling);
    if (form.base != 0) {
        const auto value = integerFromText(form.digits, form.base);
        token.kind = value ? TokenKind::CST_ENTIERE : TokenKind::ERREUR;
        if (value) token.integer = *value;
        return;
    }
    std::string_view literal = token.spelling;
    if (literal.size() > 1 && std::string_view("fFlL").find(literal.back()) != std::string_view::npos)
        literal.remove_suffix(1);
    token.kind = TokenKind::ERREUR;
    if (!isRealShape(literal)) {
        diag::error("ERRLEXCAL", token.spelling);
        return;
    }
    if (const auto value = realFromText(literal)) {
        token.kind = TokenKind::CST_REELLE;
        token.real = *value;
    }
}

// string -> a double or single quote, characters with C escapes, the same quote.
void Scanner::scanString(Token& token) {
    const std::size_t start = position_;
    const char quote = text_[position_++];
    token.kind = TokenKind::CST_STRING;
    while (position_ < text_.size() && text_[position_] != quote) {
        const char c = text_[position_++];
        if (c != '\\') {
            token.characters += c;
            continue;
        }
        const int code = escapeValue(text_, position_);
        if (code < 0) {
            token.kind = TokenKind::ERREUR;
            break;
        }
        token.characters += static_cast<char>(code);
    }
    if (position_ >= text_.size()) token.kind = TokenKind::ERREUR;
    else ++position_;
    token.spelling = text_.substr(start, position_ - start);
    if (token.is(TokenKind::ERREUR)) diag::error("ERRLEXCAL", token.spelling);
}

void Scanner::scanPunctuation(Token& token) {
    const std::size_t start = position_;
    const std::string_view rest = text_.substr(position_);
    const CharacterToken& single = kCharacterTokens[static_cast<unsigned char>(rest[0])];
    token.kind = single.kind;
    token.op = single.op;
    std::size_t length = 1;
    for (const auto& row : kCompounds) {
        if (!single.startsCompound || !rest.starts_with(row.text)) continue;
        token.kind = row.kind;
        token.op = row.kind == TokenKind::OPERATEUR ? kOtherOperator : -1;
        length = row.text.size();
        break;
    }
    position_ += length;
    token.spelling = text_.substr(start, length);
    if (token.is(TokenKind::ERREUR)) diag::error("CHARINVAL", characterImage(rest[0]));
}

}  // namespace values
