// "#if" and "#elif": the expanded line becomes values and operators for the
// grammar; numbers, character constants, sizeof and the arithmetic.
#include "analyser/prepro_if.hpp"
#include "analyser/prepro_internal.h"

#include <limits>

namespace analyser::prepro {

// ---- Arithmetic ---------------------------------------------------------------------

namespace {

IfValue make(std::int64_t v, bool isUnsigned = false) { return IfValue{v, isUnsigned}; }

std::uint64_t bits(const IfValue& v) { return static_cast<std::uint64_t>(v.value); }

IfValue fromBits(std::uint64_t b, bool isUnsigned) {
    return make(static_cast<std::int64_t>(b), isUnsigned);
}

}  // namespace

bool truth(const IfValue& v) { return v.value != 0; }

IfValue choose(const IfValue& condition, const IfValue& a, const IfValue& b) {
    IfValue result = truth(condition) ? a : b;
    result.isUnsigned = a.isUnsigned || b.isUnsigned;
    return result;
}

IfValue logicalOr(const IfValue& a, const IfValue& b) { return make(truth(a) || truth(b)); }
IfValue logicalAnd(const IfValue& a, const IfValue& b) { return make(truth(a) && truth(b)); }

namespace {

IfValue divide(IfContext& ctx, char op, const IfValue& a, const IfValue& b, bool isUnsigned) {
    if (b.value == 0) {
        if (ctx.skipping == 0) ctx.divisionByZero = true;
        return make(0, isUnsigned);
    }
    if (isUnsigned) return fromBits(op == '/' ? bits(a) / bits(b) : bits(a) % bits(b), true);
    if (b.value == -1) return op == '/' ? fromBits(0 - bits(a), false) : make(0);
    return make(op == '/' ? a.value / b.value : a.value % b.value);
}

}  // namespace

IfValue binary(IfContext& ctx, char op, const IfValue& a, const IfValue& b) {
    const bool isUnsigned = a.isUnsigned || b.isUnsigned;
    switch (op) {
    case '+': return fromBits(bits(a) + bits(b), isUnsigned);
    case '-': return fromBits(bits(a) - bits(b), isUnsigned);
    case '*': return fromBits(bits(a) * bits(b), isUnsigned);
    case '|': return fromBits(bits(a) | bits(b), isUnsigned);
    case '^': return fromBits(bits(a) ^ bits(b), isUnsigned);
    case '&': return fromBits(bits(a) & bits(b), isUnsigned);
    default: return divide(ctx, op, a, b, isUnsigned);
    }
}

IfValue compare(CompareOp op, const IfValue& a, const IfValue& b) {
    const bool isUnsigned = a.isUnsigned || b.isUnsigned;
    const auto less = [&](const IfValue& x, const IfValue& y) {
        return isUnsigned ? bits(x) < bits(y) : x.value < y.value;
    };
    switch (op) {
    case OpEq: return make(a.value == b.value);
    case OpNe: return make(a.value != b.value);
    case OpLt: return make(less(a, b));
    case OpLe: return make(!less(b, a));
    case OpGt: return make(less(b, a));
    default: return make(!less(a, b));
    }
}

namespace {

IfValue shiftBy(const IfValue& a, std::int64_t count, bool left) {
    if (count < 0) {
        left = !left;
        count = count == std::numeric_limits<std::int64_t>::min() ? 64 : -count;
    }
    if (left) return fromBits(count >= 64 ? 0 : bits(a) << count, a.isUnsigned);
    if (a.isUnsigned) return fromBits(count >= 64 ? 0 : bits(a) >> count, true);
    if (count >= 64) return make(a.value < 0 ? -1 : 0);
    return make(a.value >> count);
}

}  // namespace

IfValue shiftLeft(const IfValue& a, const IfValue& b) {
    const std::int64_t count = b.isUnsigned && b.value < 0 ? 64 : b.value;
    return shiftBy(a, count, true);
}

IfValue shiftRight(const IfValue& a, const IfValue& b) {
    const std::int64_t count = b.isUnsigned && b.value < 0 ? 64 : b.value;
    return shiftBy(a, count, false);
}

IfValue unaryOp(char op, const IfValue& a) {
    switch (op) {
    case '-': return fromBits(0 - bits(a), a.isUnsigned);
    case '~': return fromBits(~bits(a), a.isUnsigned);
    default: return make(!truth(a));
    }
}

// ---- Scanning the expanded line -------------------------------------------------------

namespace {

bool isHex(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int digitValue(char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return c - 'A' + 10;
}

// "0x" base 16, a leading "0" base 8 (a 9 is taken as it stands), else base
// 10, then any of the letters l, L, u, U; a value above the signed range is
// unsigned.
bool scanNumber(std::string_view spelled, IfValue& value) {
    std::string digits(spelled);
    std::erase(digits, '\'');
    const std::string_view text = digits;
    std::size_t i = 0;
    unsigned base = 10;
    if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        i = 2;
        if (i == text.size() || !isHex(text[i])) return false;
    } else if (text[0] == '0') {
        base = 8;
    }
    std::uint64_t v = 0;
    bool overflow = false;
    for (; i < text.size() && (base == 16 ? isHex(text[i]) : isDigit(text[i])); ++i) {
        const auto d = static_cast<std::uint64_t>(digitValue(text[i]));
        if (v > (std::numeric_limits<std::uint64_t>::max() - d) / base) overflow = true;
        v = v * base + d;
    }
    bool isUnsigned = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == 'u' || c == 'U') isUnsigned = true;
        else if (c != 'l' && c != 'L') return false;
    }
    if (overflow) report(kWarning, "ENTOUTRAN", spelled);
    value = fromBits(v, isUnsigned || v > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()));
    return true;
}

// One character of a constant, escapes resolved; false when malformed.
bool scanCharacter(std::string_view text, std::size_t& i, std::uint64_t& c, bool& tooBig) {
    if (i >= text.size()) return false;
    if (text[i] != '\\') {
        c = static_cast<unsigned char>(text[i++]);
        return true;
    }
    if (++i >= text.size()) return false;
    const char e = text[i++];
    static constexpr struct { char e; int v; } kEscapes[] = {
        {'a', 7}, {'b', 8}, {'f', 12}, {'n', 10}, {'r', 13}, {'t', 9}, {'v', 11}, {'e', 27}, {'E', 27},
    };
    for (const auto& esc : kEscapes)
        if (esc.e == e) {
            c = static_cast<std::uint64_t>(esc.v);
            return true;
        }
    if (e >= '0' && e <= '7') {
        c = static_cast<std::uint64_t>(e - '0');
        for (int n = 1; n < 3 && i < text.size() && text[i] >= '0' && text[i] <= '7'; ++n)
            c = c * 8 + static_cast<std::uint64_t>(text[i++] - '0');
        tooBig = tooBig || c > 255;
        return true;
    }
    if (e == 'x') {
        if (i >= text.size() || !isHex(text[i])) return false;
        c = 0;
        while (i < text.size() && isHex(text[i])) {
            c = (c << 4) | static_cast<std::uint64_t>(digitValue(text[i++]));
            tooBig = tooBig || c > 255;
        }
        return true;
    }
    c = static_cast<unsigned char>(e);
    return true;
}

bool scanCharacterConstant(std::string_view text, IfValue& value) {
    const std::size_t open = text.find('\'');
    const bool wide = open > 0;
    if (open == std::string_view::npos || text.size() < open + 3 || text.back() != '\'') return false;
    const std::string_view body = text.substr(open + 1, text.size() - open - 2);
    std::size_t i = 0;
    std::uint64_t v = 0;
    int count = 0;
    bool tooBig = false;
    while (i < body.size()) {
        std::uint64_t c = 0;
        if (!scanCharacter(body, i, c, tooBig)) return false;
        v = wide ? c : (v << 8) | (c & 0xff);
        ++count;
    }
    if (tooBig && !wide) report(kWarning, "NOFITBYTE", text);
    if (wide) {
        value = make(static_cast<std::int64_t>(static_cast<std::int32_t>(v)), text[0] != 'L');
    } else if (count == 1 && !state().macros.find("__CHAR_UNSIGNED__")) {
        value = make(static_cast<std::int8_t>(v & 0xff));
    } else {
        value = make(count == 1 ? static_cast<std::int64_t>(v & 0xff)
                                : static_cast<std::int64_t>(static_cast<std::int32_t>(v)));
    }
    return true;
}

// "sizeof ( type )" with the base types; consumes the tokens on success.
bool scanSizeof(const std::vector<Token>& line, std::size_t& i, IfValue& value) {
    std::size_t j = i + 1;
    if (j >= line.size() || !line[j].is('(')) return false;
    int longs = 0;
    bool isChar = false, isShort = false, any = false;
    for (++j; j < line.size() && line[j].kind == TokenKind::Identifier; ++j) {
        const std::string_view w = line[j].text;
        if (w == "long") ++longs;
        else if (w == "char") isChar = true;
        else if (w == "short") isShort = true;
        else if (w != "int" && w != "unsigned" && w != "signed") return false;
        any = true;
    }
    if (!any || j >= line.size() || !line[j].is(')')) return false;
    const BaseTypeSizes& sizes = state().sizes;
    const int bitCount = isChar ? sizes.charBits : isShort ? sizes.shortBits
                       : longs >= 2 ? sizes.longLongBits : longs == 1 ? sizes.longBits : sizes.intBits;
    value = make(bitCount / 8, true);
    i = j;
    return true;
}

struct Operator {
    std::string_view spelling;
    int code;
};
constexpr Operator kOperators[] = {
    {"||", OROR}, {"&&", ANDAND}, {"==", EQ}, {"!=", NE}, {"<=", LE}, {">=", GE},
    {"<<", LSHIFT}, {">>", RSHIFT},
};
static_assert(std::size(kOperators) == 8);
constexpr std::string_view kSingleOperators = "?:|^&<>+-*/%!~(),";

// The C++ spellings of operators.
constexpr Operator kAlternatives[] = {
    {"and", ANDAND}, {"or", OROR}, {"not", '!'}, {"not_eq", NE},
    {"bitand", '&'}, {"bitor", '|'}, {"xor", '^'}, {"compl", '~'},
};
static_assert(std::size(kAlternatives) == 8);

int alternativeOperator(std::string_view word) {
    for (const auto& op : kAlternatives)
        if (op.spelling == word) return op.code;
    return 0;
}

int operatorCode(const Token& t) {
    for (const auto& op : kOperators)
        if (t.text == op.spelling) return op.code;
    if (t.text.size() == 1 && kSingleOperators.find(t.text[0]) != std::string_view::npos)
        return static_cast<unsigned char>(t.text[0]);
    return INVALID;
}

IfToken classify(const std::vector<Token>& line, std::size_t& i) {
    const Token& t = line[i];
    IfToken result;
    result.text = t.text;
    result.leadingSpace = (t.flags & (kLeadingSpace | kStartOfLine)) != 0;
    result.code = NUMBER;
    switch (t.kind) {
    case TokenKind::Number:
        if (!scanNumber(t.text, result.value)) result.code = INVALID;
        break;
    case TokenKind::Character:
        if (!scanCharacterConstant(t.text, result.value)) result.code = INVALID;
        break;
    case TokenKind::Identifier:
        if (t.text == "sizeof" && scanSizeof(line, i, result.value)) break;
        if (const int code = alternativeOperator(t.text)) {
            result.code = code;
            break;
        }
        result.value = make(t.text == "true" ? 1 : 0);
        break;
    case TokenKind::Punctuator:
        result.code = operatorCode(t);
        break;
    default:
        result.code = INVALID;
    }
    return result;
}

std::vector<IfToken> classifyLine(const std::vector<Token>& line) {
    std::vector<IfToken> tokens;
    tokens.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) tokens.push_back(classify(line, i));
    return tokens;
}

std::string textOf(const std::vector<IfToken>& tokens, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to && i < tokens.size(); ++i) {
        if (!text.empty() && tokens[i].leadingSpace) text += ' ';
        text += tokens[i].text;
    }
    return text;
}

bool parses(const std::vector<IfToken>& tokens, std::size_t limit) {
    IfContext trial;
    trial.tokens = &tokens;
    trial.limit = limit;
    trial.quiet = true;
    return ppifparse(trial) == 0 && !trial.syntaxError;
}

// The diagnostic of a failed parse: text left after a complete expression,
// or a bad expression with the text read so far.
void reportBadExpression(const IfContext& ctx) {
    const std::vector<IfToken>& tokens = *ctx.tokens;
    const std::size_t at = ctx.position == 0 ? 0 : ctx.position - 1;
    if (at > 0 && at < tokens.size() && parses(tokens, at)) {
        report(kWarning, "ERRAFTEND", textOf(tokens, at, tokens.size()));
        return;
    }
    std::string read = textOf(tokens, 0, at + 1);
    if (read.size() > 40) read = read.substr(read.size() - 39);
    report(kWarning, "EXPERRONE", read);
}

}  // namespace

bool evaluateCondition(const std::vector<Token>& line, std::string_view directive) {
    State& s = state();
    s.inIfExpression = true;
    const std::vector<Token> expanded = expandTokens(line);
    s.inIfExpression = false;
    if (expanded.empty()) {
        report(kWarning, "EMPTYEXPR", directive);
        return false;
    }
    const std::vector<IfToken> tokens = classifyLine(expanded);
    IfContext ctx;
    ctx.tokens = &tokens;
    ctx.limit = tokens.size();
    ctx.directive = directive;
    if (ppifparse(ctx) != 0 || ctx.syntaxError) {
        reportBadExpression(ctx);
        return false;
    }
    if (ctx.divisionByZero) report(kWarning, "DIVISZERO", directive);
    return truth(ctx.result);
}

}  // namespace analyser::prepro

using analyser::prepro::IfContext;

int ppiflex(PPIFSTYPE* value, IfContext& ctx) {
    if (ctx.position >= ctx.limit) {
        ctx.position = ctx.limit + 1;
        return 0;
    }
    const analyser::prepro::IfToken& token = (*ctx.tokens)[ctx.position++];
    *value = token.value;
    return token.code;
}

void ppiferror(IfContext& ctx, const char*) { ctx.syntaxError = true; }
