// Integer constant expressions of analysed code (array bounds, enumerator
// values, bit-field widths), computed with the types and conversions of a
// C++ compiler: promotion to int, the usual arithmetic conversions, wrapping
// to the size of the result type.
#include "analyser/decl_grammar.hpp"

#include "analyser/builders_internal.h"
#include "analyser/constants_internal.h"

#include <algorithm>
#include <array>

namespace analyser::decl {

namespace {

constexpr int kMaxNesting = 256;

struct Value {
    __int128 v = 0;
    int bits = -32;  // negative when signed
    bool ok = false;
};

int width(int bits) { return std::min(std::abs(bits), 128); }

// The value converted to a type: its low bits, sign-extended when signed.
__int128 wrap(__int128 v, int bits) {
    const int w = width(bits);
    if (w >= 128) return v;
    const auto mask = (static_cast<unsigned __int128>(1) << w) - 1;
    auto u = static_cast<unsigned __int128>(v) & mask;
    if (bits < 0 && ((u >> (w - 1)) & 1)) u |= ~mask;
    return static_cast<__int128>(u);
}

Value make(__int128 v, int bits) { return {wrap(v, bits), bits, true}; }
Value fail() { return {}; }

int intBits() { return baseTypeSizes().intBits; }

Value promote(Value a) {
    if (a.ok && width(a.bits) < intBits()) a.bits = -intBits();
    return a;
}

// The usual arithmetic conversions of two promoted operands.
int commonType(int a, int b) {
    if ((a < 0) == (b < 0)) return width(a) >= width(b) ? a : b;
    const int u = a > 0 ? a : b;
    const int s = a < 0 ? a : b;
    return width(u) >= width(s) ? u : s;
}

__int128 wideValue(const values::Integer& value) {
    const auto& limbs = value.limbs();
    return static_cast<__int128>((static_cast<unsigned __int128>(limbs[1]) << 64) | limbs[0]);
}

struct Operator {
    std::string_view text;
    int precedence;  // higher binds tighter
};
constexpr std::array<Operator, 18> kBinary = {{{"||", 1}, {"&&", 2}, {"|", 3},  {"^", 4},  {"&", 5},  {"==", 6},
                                                {"!=", 6}, {"<", 7},  {"<=", 7}, {">", 7},  {">=", 7}, {"<<", 8},
                                                {">>", 8}, {"+", 9},  {"-", 9},  {"*", 10}, {"/", 10}, {"%", 10}}};
static_assert(kBinary.size() == 18);

int precedenceOf(const RawToken& t) {
    if (t.kind != RawKind::Punctuator) return 0;
    for (const auto& op : kBinary)
        if (op.text == t.text) return op.precedence;
    return 0;
}

class Evaluator {
public:
    Evaluator(ParseContext& ctx, std::string_view text, Name file, int line, int nesting)
        : ctx_(ctx), file_(file), line_(line), nesting_(nesting) {
        C_CPP_init_lex(lexer_, text, file ? diag::ribbonText(file) : std::string_view{}, line);
        lexer_.lineStart = false;
        next();
    }

    bool run(ConstantValue& result) {
        const Value v = comma();
        if (!v.ok || token_.kind != RawKind::End) return false;
        result = {v.v, v.bits};
        return true;
    }

private:
    void next() { token_ = nextRaw(lexer_); }
    bool is(char c) const { return token_.is(c); }
    bool accept(char c) {
        if (!is(c)) return false;
        next();
        return true;
    }

    // comma -> conditional {"," conditional}
    Value comma() {
        Value v = conditional();
        while (v.ok && accept(',')) v = conditional();
        return v;
    }

    // conditional -> binary ["?" comma ":" conditional]
    Value conditional() {
        const Value condition = binary(1);
        if (!accept('?')) return condition;
        const Value a = comma();
        if (!accept(':')) return fail();
        const Value b = conditional();
        if (!condition.ok || !a.ok || !b.ok) return fail();
        const int type = commonType(promote(a).bits, promote(b).bits);
        return make(condition.v ? a.v : b.v, type);
    }

    // binary -> unary {operator unary}, by precedence
    Value binary(int minimum) {
        if (++depth_ > kMaxNesting) return fail();
        Value left = unary();
        for (int p = precedenceOf(token_); left.ok && p >= minimum; p = precedenceOf(token_)) {
            const std::string_view op = token_.text;
            next();
            const Value right = binary(p + 1);
            left = apply(op, left, right);
        }
        --depth_;
        return left;
    }

    // unary -> ("-" | "+" | "!" | "~") unary | "sizeof" ... | "(" type ")" unary | primary
    Value unary() {
        if (++depth_ > kMaxNesting) return fail();
        Value v;
        if (accept('-')) v = negate(promote(unary()));
        else if (accept('+')) v = promote(unary());
        else if (accept('!')) v = logicalNot(unary());
        else if (accept('~')) v = invert(promote(unary()));
        else if (token_.is("sizeof")) v = sizeOf();
        else if (is('(')) v = parenthesised();
        else v = primary();
        --depth_;
        return v;
    }

    Value negate(Value a) { return a.ok ? make(-a.v, a.bits) : a; }
    Value invert(Value a) { return a.ok ? make(~a.v, a.bits) : a; }
    Value logicalNot(Value a) { return a.ok ? make(a.v == 0, -intBits()) : a; }

    Value apply(std::string_view op, Value a, Value b) {
        if (!a.ok || !b.ok) return fail();
        if (op == "&&") return make(a.v && b.v, -intBits());
        if (op == "||") return make(a.v || b.v, -intBits());
        a = promote(a);
        b = promote(b);
        if (op == "<<" || op == ">>") return shift(op, a, b);
        const int type = commonType(a.bits, b.bits);
        const __int128 x = wrap(a.v, type);
        const __int128 y = wrap(b.v, type);
        if (op == "==") return make(x == y, -intBits());
        if (op == "!=") return make(x != y, -intBits());
        if (op == "<") return make(x < y, -intBits());
        if (op == "<=") return make(x <= y, -intBits());
        if (op == ">") return make(x > y, -intBits());
        if (op == ">=") return make(x >= y, -intBits());
        return arithmetic(op[0], x, y, type);
    }

    static Value arithmetic(char op, __int128 x, __int128 y, int type) {
        switch (op) {
        case '+': return make(x + y, type);
        case '-': return make(x - y, type);
        case '*': return make(static_cast<__int128>(static_cast<unsigned __int128>(x) * static_cast<unsigned __int128>(y)), type);
        case '/': return y == 0 ? fail() : make(x / y, type);
        case '%': return y == 0 ? fail() : make(x % y, type);
        case '&': return make(x & y, type);
        case '|': return make(x | y, type);
        case '^': return make(x ^ y, type);
        default: return fail();
        }
    }

    static Value shift(std::string_view op, Value a, Value b) {
        if (b.v < 0 || b.v >= width(a.bits)) return fail();
        const int count = static_cast<int>(b.v);
        if (op == "<<") return make(static_cast<__int128>(static_cast<unsigned __int128>(a.v) << count), a.bits);
        return make(a.v >> count, a.bits);
    }

    // "(" type ")" unary is a cast; "(" expression ")" a group.
    Value parenthesised() {
        next();
        if (const Type* type = typeName()) {
            if (!accept(')')) return fail();
            return cast(type, unary());
        }
        const Value v = comma();
        return accept(')') ? v : fail();
    }

    Value cast(const Type* type, Value v) {
        if (!v.ok) return v;
        const Type* t = resolveTypedefs(type);
        if (!t) return fail();
        if (t->kind == Kind::Integral) {
            if (diag::ribbonText(t->base.name) == "bool") return make(v.v != 0, t->base.bits);
            return make(v.v, t->base.bits);
        }
        if (t->kind == Kind::Enumeration && t->record) return make(v.v, t->record->underlyingBits);
        return fail();
    }

    // sizeof "(" type ")" | sizeof unary: the size has the type of size_t.
    Value sizeOf() {
        next();
        std::int64_t bits = 0;
        bool known = false;
        if (is('(')) {
            next();
            if (const Type* type = typeName()) known = sizeOfType(type, bits);
            else known = sizeOfExpression(bits);
            if (!accept(')')) return fail();
        } else {
            known = sizeOfExpression(bits);
        }
        return known ? make(bits / 8, baseTypeSizes().longBits) : fail();
    }

    // The operand of sizeof that is not a type: a name's declared type, or
    // the type of a computed value.
    bool sizeOfExpression(std::int64_t& bits) {
        if (token_.kind == RawKind::Identifier) {
            const Declaration* d = lookupName(*ctx_.table, diag::internString(token_.text), ctx_.current());
            if (d && !d->enumerator && !(d->storage & kTypedef) && d->type) {
                next();
                return sizeOfType(d->type, bits);
            }
        }
        const Value v = unary();
        bits = width(v.bits);
        return v.ok;
    }

    // A type name in a cast or sizeof: type words or one typedef name, then pointers.
    const Type* typeName() {
        BaseWords words;
        const Type* named = nullptr;
        for (;;) {
            if (token_.kind != RawKind::Identifier) break;
            const Keyword* k = findKeyword(token_.text);
            if (k && k->token == BASE_WORD && !named && addBaseWord(words, k->meaning)) next();
            else if (k && (k->token == CONST || k->token == VOLATILE)) next();
            else if (k && (k->token == STRUCT || k->token == UNION || k->token == ENUM) && !named && words.count == 0)
                named = elaborated(k->token);
            else if (!k && !named && words.count == 0 && (named = typedefNamed(token_.text))) next();
            else break;
        }
        Type* type = named ? const_cast<Type*>(named) : words.count ? baseTypeOf(words) : nullptr;
        while (type && is('*')) {
            next();
            type = newPointer(type);
        }
        return type ? arraySuffixes(type) : nullptr;
    }

    // "[" bound "]" after a type name: arrays of it, the last bound innermost.
    Type* arraySuffixes(Type* type) {
        std::vector<std::int64_t> bounds;
        while (accept('[')) {
            const Value bound = comma();
            if (!accept(']')) return nullptr;
            bounds.push_back(bound.ok && bound.v >= 0 && bound.v <= INT64_MAX ? static_cast<std::int64_t>(bound.v) : -1);
        }
        for (auto it = bounds.rbegin(); it != bounds.rend(); ++it) type = newArray(type, *it, {});
        return type;
    }

    const Type* typedefNamed(std::string_view text) {
        const Declaration* d = lookupName(*ctx_.table, diag::internString(text), ctx_.current());
        return d && (d->storage & kTypedef) ? d->type : nullptr;
    }

    const Type* elaborated(int token) {
        next();
        if (token_.kind != RawKind::Identifier) return nullptr;
        const Kind kind = token == ENUM ? Kind::Enumeration : token == UNION ? Kind::Union : Kind::Class;
        const Aggregate* tag = lookupTag(*ctx_.table, diag::internString(token_.text), kind, ctx_.current());
        next();
        return tag ? tag->type : nullptr;
    }

    // primary -> number | character | name
    Value primary() {
        const RawToken t = token_;
        next();
        const ConstantSite site{file_ ? diag::ribbonText(file_) : std::string_view{}, line_};
        if (t.kind == RawKind::Number) return number(t.text, site);
        if (t.kind == RawKind::Character) return character(t.text, site);
        if (t.kind == RawKind::Identifier) return name(t.text);
        return fail();
    }

    // The literal has the type and the whole value a C++ compiler gives it;
    // the scanner still reports a value beyond its size.
    static Value number(std::string_view text, const ConstantSite& site) {
        const auto c = scanNumber(text, site);
        if (!c || c->kind != Constant::Kind::Integer) return fail();
        const IntegerLiteral literal = integerLiteral(text);
        return literal.valid ? make(literal.value, literal.bits) : fail();
    }

    // A plain constant of several characters has the int value a C++
    // compiler gives it: the characters shifted in from the right.
    static Value character(std::string_view text, const ConstantSite& site) {
        const Constant c = scanCharacter(text, site);
        if (c.kind == Constant::Kind::Integer) return make(wideValue(c.value), c.isChar ? c.bits : -intBits());
        if (c.text.empty()) return fail();
        __int128 v = 0;
        for (const char ch : c.text) v = (v << 8) | static_cast<unsigned char>(ch);
        return make(v, -intBits());
    }

    Value name(std::string_view text) {
        if (text == "true" || text == "false") return make(text == "true", baseTypeSizes().charBits);
        const Declaration* d = lookupName(*ctx_.table, diag::internString(text), ctx_.current());
        if (!d) return fail();
        if (d->enumerator) return enumerator(*d->enumerator);
        return constantVariable(*d);
    }

    Value enumerator(const Enumerator& e) {
        if (!e.valueKnown) return fail();
        const bool settled = e.owner && e.owner->promotedBits != 0;
        return make(wideValue(e.value.value), settled ? e.owner->promotedBits : e.value.bits);
    }

    // A const integral variable with an initialiser is a constant.
    Value constantVariable(const Declaration& d) {
        const Type* t = resolveTypedefs(d.type);
        const bool constant = d.type && (d.type->qualifiers & kConst);
        if (!t || t->kind != Kind::Integral || !constant || d.expression.empty()) return fail();
        if (nesting_ >= 8) return fail();
        Evaluator inner(ctx_, d.expression, d.file, d.line, nesting_ + 1);
        ConstantValue v;
        if (!inner.run(v)) return fail();
        return make(v.value, t->base.bits);
    }

    ParseContext& ctx_;
    Scanner lexer_;
    RawToken token_;
    Name file_;
    int line_;
    int nesting_;
    int depth_ = 0;
};

}  // namespace

bool evaluateConstant(ParseContext& ctx, std::string_view text, Name file, int line, ConstantValue& result) {
    Evaluator evaluator(ctx, text, file, line, 0);
    return evaluator.run(result);
}

// ---- Sizes of types ---------------------------------------------------------------------

namespace {

std::int64_t floatingBits(std::string_view name) {
    if (name == "float" || name == "_Float32") return 32;
    if (name == "double" || name == "_Float64" || name == "_Float32x") return 64;
    if (name == "_Float16") return 16;
    return 128;  // long double, __float80, __float128, _Float128, _Float64x, __ibm128
}

}  // namespace

bool sizeOfType(const Type* type, std::int64_t& bits) {
    std::int64_t factor = 1;
    for (int depth = 0; depth < kMaxTypeDepth; ++depth) {
        const Type* t = resolveTypedefs(type);
        if (!t) return false;
        switch (t->kind) {
        case Kind::Integral: bits = factor * width(t->base.bits); return true;
        case Kind::Floating: bits = factor * floatingBits(diag::ribbonText(t->base.name)); return true;
        case Kind::Pointer: bits = factor * baseTypeSizes().longBits; return true;
        case Kind::Enumeration:
            if (!t->record || !t->record->complete) return false;
            bits = factor * width(t->record->underlyingBits);
            return true;
        case Kind::Array:
            if (t->count < 0 || t->count > (INT64_MAX / 4096) / factor) return false;
            factor *= t->count;
            type = t->inner;
            break;
        case Kind::Reference: type = t->inner; break;
        default: return false;
        }
    }
    return false;
}

}  // namespace analyser::decl
