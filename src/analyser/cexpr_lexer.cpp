// The expression scanner: identifiers, type words, numbers, character and
// string constants (read by the constants scanner), and the punctuators of
// C++ expressions with the "..", "=>" of value lists.
#include "analyser/cexpr_grammar.hpp"
#include "analyser/cexpr_parse_internal.h"
#include "analyser/constants_internal.h"
#include "analyser/symbols_internal.h"
#include "diag/ribbon.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace analyser::expr {

namespace {

struct Punctuator {
    std::string_view text;
    int token;
};

// Longest first.
constexpr std::array kPunctuators{
    Punctuator{"<<=", ASSIGN_OP}, Punctuator{">>=", ASSIGN_OP}, Punctuator{"...", CEXPRUNDEF},
    Punctuator{"->", ARROW},      Punctuator{"++", INC},        Punctuator{"--", DEC},
    Punctuator{"<<", SHL},        Punctuator{">>", SHR},        Punctuator{"<=", LE},
    Punctuator{">=", GE},         Punctuator{"==", EQ},         Punctuator{"!=", NE},
    Punctuator{"&&", ANDAND},     Punctuator{"||", OROR},       Punctuator{"=>", ASSOC},
    Punctuator{"..", DOTDOT},     Punctuator{"*=", ASSIGN_OP},  Punctuator{"/=", ASSIGN_OP},
    Punctuator{"%=", ASSIGN_OP},  Punctuator{"+=", ASSIGN_OP},  Punctuator{"-=", ASSIGN_OP},
    Punctuator{"&=", ASSIGN_OP},  Punctuator{"^=", ASSIGN_OP},  Punctuator{"|=", ASSIGN_OP},
};

constexpr std::string_view kSingles = "+-*/%<>=!~&|^?:,.()[]{}";

constexpr std::array<std::string_view, 18> kBaseWords{
    "void",  "char",     "short",    "int",      "long",  "float",  "double", "signed",  "unsigned",
    "bool",  "_Bool",    "wchar_t",  "const",    "volatile", "char16_t", "char32_t", "__int128", "auto"};
constexpr std::array<std::string_view, 4> kTagWords{"struct", "union", "enum", "class"};

bool identifierStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '$'; }
bool identifierPart(char c) { return identifierStart(c) || std::isdigit(static_cast<unsigned char>(c)); }

template <std::size_t N>
bool oneOf(const std::array<std::string_view, N>& words, std::string_view word) {
    for (const std::string_view w : words)
        if (w == word) return true;
    return false;
}

const decl::Declaration* declarationOf(std::string_view word) {
    const decl::SymbolTable& table = decl::globalTable();
    return decl::lookupName(table, diag::internString(word), table.global);
}

bool typedefName(const decl::Declaration* d) { return d && (d->storage & decl::kTypedef) != 0; }

int leafNode(ParseContext& ctx, NodeKind kind, std::string op, const Span& span) {
    Node node;
    node.kind = kind;
    node.op = std::move(op);
    return addNode(ctx, std::move(node), span);
}

int identifier(ParseContext& ctx, int& value, Span& span) {
    const std::string& text = ctx.tree.text;
    std::size_t end = span.begin;
    while (end < text.size() && identifierPart(text[end])) ++end;
    span.end = end;
    const std::string word = text.substr(span.begin, end - span.begin);
    if (word == "sizeof") return SIZEOF;
    const bool tag = ctx.afterTagWord;
    ctx.afterTagWord = oneOf(kTagWords, word);
    value = leafNode(ctx, NodeKind::Identifier, word, span);
    if (tag || ctx.afterTagWord || oneOf(kBaseWords, word)) return TYPE_WORD;
    const decl::Declaration* d = declarationOf(word);
    if (typedefName(d)) return TYPE_WORD;
    ctx.tree.nodes[static_cast<std::size_t>(value)].declaration = d;
    return IDENTIFIER;
}

// A number as a preprocessing number spells it, stopping before "..".
std::size_t numberEnd(const std::string& text, std::size_t at) {
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '.' && at + 1 < text.size() && text[at + 1] == '.') break;
        const bool exponentSign = (c == '+' || c == '-') && std::strchr("eEpP", text[at - 1]) != nullptr;
        if (!exponentSign && !identifierPart(c) && c != '.') break;
    }
    return at;
}

// An integer as the compiler of the harness reads it: its whole value with
// the type its value, base and suffixes give it.
std::optional<decl::Constant> integerAsCompiled(std::string_view spelling) {
    const decl::IntegerLiteral literal = decl::integerLiteral(spelling);
    if (!literal.valid || std::abs(literal.bits) > baseTypeSizes().longLongBits) return std::nullopt;
    decl::Constant c;
    const auto bits = static_cast<unsigned __int128>(literal.value);
    c.value = values::Integer::fromLimbs({static_cast<std::uint64_t>(bits), static_cast<std::uint64_t>(bits >> 64), 0});
    c.bits = literal.bits;
    std::size_t suffix = spelling.size();
    while (suffix > 0 && std::strchr("uUlL", spelling[suffix - 1]) != nullptr) --suffix;
    const std::string_view marks = spelling.substr(suffix);
    c.lengthMark = static_cast<int>(std::count_if(marks.begin(), marks.end(), [](char m) { return m == 'l' || m == 'L'; }));
    return c;
}

int number(ParseContext& ctx, int& value, Span& span) {
    const std::string& text = ctx.tree.text;
    span.end = numberEnd(text, span.begin);
    const std::string_view spelling = std::string_view(text).substr(span.begin, span.end - span.begin);
    auto constant = integerAsCompiled(spelling);
    if (!constant) constant = decl::scanNumber(spelling, {});
    if (!constant) return CEXPRUNDEF;
    Node node;
    node.constant = *constant;
    value = addNode(ctx, std::move(node), span);
    return CONSTANT;
}

// A quoted constant, its closing quote found past escapes.
int quoted(ParseContext& ctx, int& value, Span& span, char quote) {
    const std::string& text = ctx.tree.text;
    std::size_t at = span.begin + (text[span.begin] == 'L' ? 2 : 1);
    while (at < text.size() && text[at] != quote) at += text[at] == '\\' ? 2 : 1;
    if (at >= text.size()) {
        span.end = text.size();
        ctx.endOfText = true;
        return CEXPRUNDEF;
    }
    span.end = at + 1;
    const std::string_view spelling = std::string_view(text).substr(span.begin, span.end - span.begin);
    Node node;
    node.constant = quote == '"' ? decl::scanString(spelling, {}) : decl::scanCharacter(spelling, {});
    if (quote == '"') node.stringValue = std::string(node.constant.text);
    value = addNode(ctx, std::move(node), span);
    return quote == '"' ? STRING : CONSTANT;
}

int punctuator(ParseContext& ctx, Span& span) {
    const std::string_view rest = std::string_view(ctx.tree.text).substr(span.begin);
    for (const Punctuator& p : kPunctuators)
        if (rest.starts_with(p.text)) {
            span.end = span.begin + p.text.size();
            return p.token;
        }
    if (kSingles.find(rest[0]) == std::string_view::npos) return CEXPRUNDEF;
    span.end = span.begin + 1;
    return static_cast<unsigned char>(rest[0]);
}

// Brackets and ranges, for the "[min..max]" form of a bad range.
// A range stays "being read" up to the token after its "]", where the
// parser finds a bound missing.
void followBrackets(ParseContext& ctx, int token) {
    if (token == '[') ++ctx.openBrackets;
    else if (token == ']' && ctx.openBrackets > 0 && --ctx.openBrackets == 0) {
        ctx.rangeJustClosed = ctx.inRange;
        ctx.inRange = false;
    } else if (token == DOTDOT && ctx.openBrackets > 0) ctx.inRange = true;
}

int scan(ParseContext& ctx, int& value, Span& span) {
    ctx.rangeJustClosed = false;
    const std::string& text = ctx.tree.text;
    const char c = text[span.begin];
    const char next = span.begin + 1 < text.size() ? text[span.begin + 1] : '\0';
    if (c == 'L' && (next == '\'' || next == '"')) return quoted(ctx, value, span, next);
    if (identifierStart(c)) return identifier(ctx, value, span);
    if (std::isdigit(static_cast<unsigned char>(c)) || (c == '.' && std::isdigit(static_cast<unsigned char>(next))))
        return number(ctx, value, span);
    if (c == '\'' || c == '"') return quoted(ctx, value, span, c);
    ctx.afterTagWord = false;
    const int token = punctuator(ctx, span);
    followBrackets(ctx, token);
    return token;
}

}  // namespace

int nextToken(ParseContext& ctx, int& value, Span& span) {
    const std::string& text = ctx.tree.text;
    while (ctx.position < text.size() && std::isspace(static_cast<unsigned char>(text[ctx.position]))) ++ctx.position;
    value = -1;
    span.begin = span.end = ctx.position;
    ctx.atEnd = ctx.position >= text.size();
    if (ctx.atEnd) return CEXPREOF;
    const int token = scan(ctx, value, span);
    ctx.position = std::max(span.end, span.begin + 1);
    return token;
}

}  // namespace analyser::expr
