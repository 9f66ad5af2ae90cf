// Recursive-descent parser of the script expression language. Each rule
// folds what it can through combine() and stops at the first error.
#include "values/scanner_internal.h"

#include "diag/diag.h"
#include "values/languages.h"

namespace values {

namespace {

// What a SYNTAXERO message says is expected.
enum class Expected : int {
    Factor,
    Term,
    FactorStart,
    SignedFactorStart,
    ListItem,
    AddressOperand,
    Identifier,
    CloseBracket,
    CloseParenthesis,
    CloseBrace,
    CloseAngle,
    EndOfExpression,
    Count
};

// Only the token names change with the keyword language.
struct ExpectedText {
    std::string_view french;
    std::string_view english;
};
constexpr std::array<ExpectedText, static_cast<int>(Expected::Count)> kExpectedTexts = {{
    {"<FACTEUR>", "<FACTEUR>"},
    {"<TERME>", "<TERME>"},
    {"'(' ou '[' ou '@' ou <CONSTANTE> ou <IDENTIFICATEUR>", "'(' ou '[' ou '@' ou <CONSTANTE> ou <IDENTIFIER>"},
    {"'(' ou <CONSTANTE> ou <IDENTIFICATEUR>", "'(' ou <CONSTANTE> ou <IDENTIFIER>"},
    {"':' ou <CONSTANTE> ou <IDENTIFICATEUR>", "':' ou <CONSTANTE> ou <IDENTIFIER>"},
    {"'(' ou <IDENTIFICATEUR>", "'(' ou <IDENTIFIER>"},
    {"<IDENTIFICATEUR>", "<IDENTIFIER>"},
    {"']'", "']'"},
    {"')'", "')'"},
    {"'}'", "'}'"},
    {"'>'", "'>'"},
    {"<fin d'expression>", "<fin d'expression>"},
}};
static_assert(kExpectedTexts.size() == static_cast<std::size_t>(Expected::Count));

// Every nesting passes through factor(); deeper texts are refused before
// they can exhaust the stack.
constexpr int kNestingLimit = 200;

// Type words that open a cast: "(unsigned long *)p".
constexpr std::array<std::string_view, 6> kCastWords = {"struct", "union", "unsigned", "signed", "short", "long"};
static_assert(kCastWords.size() == 6);

bool isConstant(const Token& t) {
    return t.is(TokenKind::CST_ENTIERE) || t.is(TokenKind::CST_REELLE) || t.is(TokenKind::CST_STRING);
}
bool startsName(const Token& t) { return t.is(TokenKind::IDENTIFICATEUR) || t.is(TokenKind::OPER_RESOLUTION_PORTEE); }
bool startsSignedFactor(const Token& t) { return t.is(TokenKind::PG) || isConstant(t) || startsName(t); }
bool startsPrimary(const Token& t) {
    return startsSignedFactor(t) || t.is(TokenKind::CG) || t.is(TokenKind::AROBASQUE);
}
bool startsFactor(const Token& t) { return startsPrimary(t) || t.isOperator(kMinus); }
bool isCastWord(const Token& t) {
    if (!t.is(TokenKind::IDENTIFICATEUR)) return false;
    for (auto word : kCastWords)
        if (t.spelling == word) return true;
    return false;
}
bool isWord(const Token& t) { return t.is(TokenKind::IDENTIFICATEUR) || isConstant(t); }
bool isColon(const Token& t) { return t.is(TokenKind::OPERATEUR) && t.spelling == ":"; }

// A substituted text keeps its meaning inside a larger expression.
std::string enclosed(const std::string& text) {
    for (char c : text) {
        const bool nameCharacter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                                   c == '_' || c == '$' || c == '.';
        if (!nameCharacter) return "(" + text + ")";
    }
    return text;
}

class Parser {
public:
    Parser(std::string_view text, const Dialect& dialect) : scanner_(text), dialect_(dialect), text_(text) {}

    Value whole();

private:
    Value expression();
    Value term();
    Value factor();
    Value primary();
    Value parenthesised();
    Value typeCast();
    Value castOperand(std::string cast);
    Value list();
    bool listItem(std::string& text);
    Value address();
    Value name(bool substitute);
    bool selection(std::string& text);
    bool index(std::string& text);
    bool arguments(std::string& text, TokenKind close, Expected expected);
    bool templateArguments(std::string& text);
    bool pointerDeclarator(Value& left);
    Value negated(const Value& operand);

    const Token& peek(int ahead = 0) { return scanner_.peek(ahead); }
    void advance() { scanner_.advance(); }
    bool accept(TokenKind kind);
    Value fail(Expected expected);
    bool refuse(Expected expected) {
        fail(expected);
        return false;
    }
    std::string textOf(const Value& v) const { return sourceText(v, dialect_); }

    Scanner scanner_;
    Dialect dialect_;
    std::string_view text_;
    int depth_ = 0;
};

bool Parser::accept(TokenKind kind) {
    if (!peek().is(kind)) return false;
    advance();
    return true;
}

// A lexical error was reported when its token was scanned.
Value Parser::fail(Expected expected) {
    if (!peek().is(TokenKind::ERREUR)) {
        const auto& text = kExpectedTexts[static_cast<int>(expected)];
        diag::error("SYNTAXERO", inLanguage(dialect_.keywordLanguage, text.french, text.english));
    }
    return Value::error();
}

// whole -> expression END_LEX
Value Parser::whole() {
    Value result = expression();
    if (!result.failed() && !peek().is(TokenKind::END_LEX)) return fail(Expected::EndOfExpression);
    return result;
}

// expression -> term { ("+" | "-") term }, "&" too after a string constant
Value Parser::expression() {
    Value left = term();
    while (!left.failed()) {
        const Token& t = peek();
        const bool stringJoin = left.kind == ValueKind::String && t.isOperator(kAmpersand);
        if (!t.isOperator(kPlus) && !t.isOperator(kMinus) && !stringJoin) break;
        const std::string op(t.spelling);
        advance();
        if (!startsFactor(peek())) return fail(Expected::Term);
        const Value right = term();
        left = combine(left, op, right, dialect_);
    }
    return left;
}

// term -> factor { ("*" | "/" | "&") factor }
Value Parser::term() {
    Value left = factor();
    while (!left.failed()) {
        const Token& t = peek();
        if (!t.isOperator(kTimes) && !t.isOperator(kDivide) && !t.isOperator(kAmpersand)) break;
        if (pointerDeclarator(left)) continue;
        const std::string op(t.spelling);
        advance();
        if (!startsFactor(peek())) return fail(Expected::Factor);
        const Value right = factor();
        left = combine(left, op, right, dialect_);
    }
    return left;
}

// In "(char *)p" and "(T **)p" the stars belong to a type name.
bool Parser::pointerDeclarator(Value& left) {
    if (!isCFamily(dialect_.language) || !peek().isOperator(kTimes)) return false;
    if (left.kind != ValueKind::Identifier && left.kind != ValueKind::Irreducible) return false;
    const Token& after = peek(1);
    if (!after.is(TokenKind::PD) && !after.isOperator(kTimes)) return false;
    left = Value::irreducible(left.text + " *");
    advance();
    return true;
}

// factor -> ["-"] primary
Value Parser::factor() {
    if (depth_ >= kNestingLimit) {
        diag::error("LINETOLON", std::string(text_.substr(0, 40)) + "...");
        return Value::error();
    }
    ++depth_;
    Value result;
    if (!peek().isOperator(kMinus)) {
        result = primary();
    } else {
        advance();
        result = startsSignedFactor(peek()) ? negated(primary()) : fail(Expected::SignedFactorStart);
    }
    --depth_;
    return result;
}

Value Parser::negated(const Value& operand) {
    switch (operand.kind) {
    case ValueKind::Integer: {
        const auto value = negate(operand.integer);
        return value ? Value::integerConstant(*value) : Value::error();
    }
    case ValueKind::Real:
        return Value::realConstant(negate(operand.real));
    case ValueKind::Identifier:
    case ValueKind::Irreducible:
        return Value::irreducible("-" + operand.text);
    case ValueKind::String: {
        const std::string parameter(valueKindName(operand.kind, dialect_.keywordLanguage));
        diag::error("TYPESMISM", parameter + " (-" + textOf(operand) + ")");
        return Value::error();
    }
    default:
        return Value::error();
    }
}

// primary -> "(" ... ")" | "[" list "]" | "@" address | constant | name
Value Parser::primary() {
    const Token& t = peek();
    switch (t.kind) {
    case TokenKind::PG:
        return parenthesised();
    case TokenKind::CG:
        return list();
    case TokenKind::AROBASQUE:
        return address();
    case TokenKind::CST_ENTIERE: {
        Value v = Value::integerConstant(t.integer);
        advance();
        return v;
    }
    case TokenKind::CST_REELLE: {
        Value v = Value::realConstant(t.real);
        advance();
        return v;
    }
    case TokenKind::CST_STRING: {
        Value v = Value::string(t.characters);
        advance();
        return v;
    }
    default:
        if (startsName(t)) return name(true);
        return fail(Expected::FactorStart);
    }
}

// parenthesised -> "(" expression ")" [cast operand] | "(" type words ")" factor
Value Parser::parenthesised() {
    advance();
    if (isCastWord(peek())) return typeCast();
    const Value inner = expression();
    if (inner.failed()) return inner;
    if (!accept(TokenKind::PD)) return fail(Expected::CloseParenthesis);
    if (inner.isLiteralConstant()) return inner;
    const bool typeLike = inner.kind == ValueKind::Identifier ||
                          (inner.kind == ValueKind::Irreducible && inner.text.ends_with('*'));
    const Token& next = peek();
    if (typeLike && (startsName(next) || isConstant(next) || next.is(TokenKind::PG)))
        return castOperand("(" + inner.text + ")");
    return Value::irreducible("(" + inner.text + ")");
}

// typeCast -> type word { type word | "*" } ")" factor
Value Parser::typeCast() {
    std::string type;
    while (peek().is(TokenKind::IDENTIFICATEUR) || peek().isOperator(kTimes)) {
        const bool star = peek().isOperator(kTimes);
        if (!type.empty()) type += ' ';
        type += star ? std::string("*") : std::string(peek().spelling);
        advance();
    }
    if (!accept(TokenKind::PD)) return fail(Expected::CloseParenthesis);
    if (!startsFactor(peek())) return fail(Expected::FactorStart);
    return castOperand("(" + type + ")");
}

Value Parser::castOperand(std::string cast) {
    const Value operand = factor();
    if (operand.failed()) return operand;
    return Value::irreducible(cast + textOf(operand));
}

// list -> "[" item { "," item } "]"
Value Parser::list() {
    advance();
    std::string text = "[";
    do {
        if (text.size() > 1) text += ',';
        if (!listItem(text)) return Value::error();
    } while (accept(TokenKind::VIRGULE));
    if (!accept(TokenKind::CD)) return fail(Expected::CloseBracket);
    return Value::irreducible(text + "]");
}

// item -> expression [".." expression] [":" expression] | ":" expression
bool Parser::listItem(std::string& text) {
    if (!isColon(peek())) {
        if (!startsFactor(peek())) return refuse(Expected::ListItem);
        const Value low = expression();
        if (low.failed()) return false;
        text += textOf(low);
        if (accept(TokenKind::POINT_POINT)) {
            const Value high = expression();
            if (high.failed()) return false;
            text += ".." + textOf(high);
        }
        if (!isColon(peek())) return true;
    }
    advance();
    const Value value = expression();
    if (value.failed()) return false;
    text += ":" + textOf(value);
    return true;
}

// address -> "@" name | "@" "(" expression ")"
Value Parser::address() {
    advance();
    if (startsName(peek())) {
        const Value target = name(false);
        return target.failed() ? target : Value::irreducible("&" + target.text);
    }
    if (!accept(TokenKind::PG)) return fail(Expected::AddressOperand);
    const Value inner = expression();
    if (inner.failed()) return inner;
    if (!accept(TokenKind::PD)) return fail(Expected::CloseParenthesis);
    return Value::irreducible("&(" + textOf(inner) + ")");
}

// name -> ["::"] IDENT { selection | index | "(" arguments ")" | "{" arguments "}" | "<" ... ">" }
Value Parser::name(bool substitute) {
    std::string text;
    if (accept(TokenKind::OPER_RESOLUTION_PORTEE)) text = "::";
    if (!peek().is(TokenKind::IDENTIFICATEUR)) return fail(Expected::Identifier);
    text += peek().spelling;
    advance();
    const std::size_t plainLength = text.size();
    for (bool more = true; more;) {
        switch (peek().kind) {
        case TokenKind::POINT:
        case TokenKind::POINTEUR:
        case TokenKind::POINT_ETOILE:
        case TokenKind::FLECHE_ETOILE:
        case TokenKind::OPER_RESOLUTION_PORTEE:
            if (!selection(text)) return Value::error();
            break;
        case TokenKind::CG:
            if (!index(text)) return Value::error();
            break;
        case TokenKind::PG:
            if (!arguments(text, TokenKind::PD, Expected::CloseParenthesis)) return Value::error();
            break;
        case TokenKind::ACCOLADE_G:
            if (!arguments(text, TokenKind::ACCOLADE_D, Expected::CloseBrace)) return Value::error();
            break;
        case TokenKind::INFERIEUR:
            if (!templateArguments(text)) return Value::error();
            break;
        default:
            more = false;
        }
    }
    if (text.size() != plainLength) return Value::irreducible(text);
    const Value* symbol = substitute ? findSymbol(text) : nullptr;
    if (symbol == nullptr || symbol->kind == ValueKind::None || symbol->failed()) return Value::identifier(text);
    if (symbol->kind == ValueKind::Irreducible) return Value::irreducible(enclosed(symbol->text));
    return *symbol;
}

// selection -> ("." | "->" | ".*" | "->*" | "::") IDENT
bool Parser::selection(std::string& text) {
    text += peek().spelling;
    advance();
    if (!peek().is(TokenKind::IDENTIFICATEUR)) return refuse(Expected::Identifier);
    text += peek().spelling;
    advance();
    return true;
}

// index -> "[" expression [".." expression] "]"
bool Parser::index(std::string& text) {
    advance();
    const Value low = expression();
    if (low.failed()) return false;
    text += "[" + textOf(low);
    if (accept(TokenKind::POINT_POINT)) {
        const Value high = expression();
        if (high.failed()) return false;
        text += ".." + textOf(high);
    }
    if (!accept(TokenKind::CD)) return refuse(Expected::CloseBracket);
    text += "]";
    return true;
}

// arguments -> open [expression { "," expression }] close
bool Parser::arguments(std::string& text, TokenKind close, Expected expected) {
    text += peek().spelling;
    advance();
    bool first = true;
    while (!peek().is(close)) {
        if (first && !startsFactor(peek())) return refuse(expected);
        if (!first && !accept(TokenKind::VIRGULE)) return refuse(expected);
        if (!first) text += ',';
        const Value argument = expression();
        if (argument.failed()) return false;
        text += textOf(argument);
        first = false;
    }
    text += peek().spelling;
    advance();
    return true;
}

// templateArguments -> "<" tokens with balanced "<" ">" ">"
bool Parser::templateArguments(std::string& text) {
    int depth = 0;
    bool previousWord = false;
    do {
        const Token& t = peek();
        if (t.is(TokenKind::END_LEX) || t.is(TokenKind::ERREUR)) return refuse(Expected::CloseAngle);
        if (t.is(TokenKind::INFERIEUR)) ++depth;
        if (t.is(TokenKind::SUPERIEUR)) --depth;
        if (previousWord && isWord(t)) text += ' ';
        text += t.spelling;
        previousWord = isWord(t);
        advance();
    } while (depth > 0);
    return true;
}

}  // namespace

Value evaluate(std::string_view text, const Dialect& dialect) { return Parser(text, dialect).whole(); }


}  // namespace values
