// Combination of two typed values: constant folding, string concatenation
// and the irreducible texts of everything else.
#include "values/scanner_internal.h"

#include "diag/diag.h"

namespace values {

namespace {

bool isText(ValueKind kind) { return kind == ValueKind::Identifier || kind == ValueKind::Irreducible; }
bool isNumber(ValueKind kind) { return kind == ValueKind::Integer || kind == ValueKind::Real; }
bool isConcatenation(std::string_view op) { return op == "+" || op == "&"; }

// A right operand that begins with a sign is put in parentheses, so that
// "a - -1" does not become the decrement "a--1".
std::string rightOperand(std::string text) {
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) return "(" + text + ")";
    return text;
}

Value textResult(const Value& left, std::string_view op, const Value& right, const Dialect& dialect) {
    return Value::irreducible(sourceText(left, dialect) + std::string(op) + rightOperand(sourceText(right, dialect)));
}

Value mismatch(const Value& left, std::string_view op, const Value& right, const Dialect& dialect) {
    std::string parameter(valueKindName(left.kind, dialect.keywordLanguage));
    parameter += ",";
    parameter += valueKindName(right.kind, dialect.keywordLanguage);
    parameter += " (" + sourceText(left, dialect) + std::string(op) + sourceText(right, dialect) + ")";
    diag::error("TYPESMISM", parameter);
    return Value::error();
}

Value fromInteger(const std::optional<Integer>& value) {
    return value ? Value::integerConstant(*value) : Value::error();
}

Value fromReal(const std::optional<Real>& value) { return value ? Value::realConstant(*value) : Value::error(); }

Value foldIntegers(const Value& left, std::string_view op, const Value& right, const Dialect& dialect) {
    if (op == "+") return fromInteger(add(left.integer, right.integer));
    if (op == "-") return fromInteger(subtract(left.integer, right.integer));
    if (op == "*") return fromInteger(multiply(left.integer, right.integer));
    if (op == "/") return fromInteger(divide(left.integer, right.integer));
    return textResult(left, op, right, dialect);
}

Real asReal(const Value& v) { return v.kind == ValueKind::Real ? v.real : realFromInteger(v.integer); }

Value foldReals(const Value& left, std::string_view op, const Value& right, const Dialect& dialect) {
    const Real a = asReal(left);
    const Real b = asReal(right);
    if (op == "+") return fromReal(add(a, b));
    if (op == "-") return fromReal(subtract(a, b));
    if (op == "*") return fromReal(multiply(a, b));
    if (op == "/") return fromReal(divide(a, b));
    return textResult(left, op, right, dialect);
}

Value combineStrings(const Value& left, std::string_view op, const Value& right, const Dialect& dialect) {
    if (isConcatenation(op)) return Value::string(left.text + right.text);
    return textResult(left, op, right, dialect);
}

}  // namespace

std::string quoted(std::string_view characters, char quote, int language) {
    std::string text(1, quote);
    if (!isCFamily(language)) return text.append(characters) + quote;
    static constexpr char kOctal[] = "01234567";
    for (char c : characters) {
        const auto code = static_cast<unsigned char>(c);
        if (c == quote || c == '\\') text += {'\\', c};
        else if (c == '\n') text += "\\n";
        else if (c == '\r') text += "\\r";
        else if (c == '\t') text += "\\t";
        else if (c == '\f') text += "\\f";
        else if (code < 32) text += {'\\', kOctal[code >> 6], kOctal[(code >> 3) & 7], kOctal[code & 7]};
        else text += c;
    }
    return text + quote;
}

std::string sourceText(const Value& value, const Dialect& dialect) {
    switch (value.kind) {
    case ValueKind::Integer:
        return image(value.integer, DisplayFormat::DECIMAL, 0);
    case ValueKind::Real:
        return image(value.real, 19);
    case ValueKind::String:
        return quoted(value.text, languagePieces(dialect.language).stringQuote, dialect.language);
    default:
        return value.text;
    }
}

Value combine(const Value& left, std::string_view op, const Value& right, const Dialect& dialect) {
    if (left.failed() || right.failed()) return Value::error();
    if (op.empty()) {
        diag::error("SIGNEINCO", sourceText(left, dialect) + " " + sourceText(right, dialect));
        return Value::error();
    }
    const ValueKind l = left.kind;
    const ValueKind r = right.kind;
    if (l == ValueKind::None || r == ValueKind::None) return mismatch(left, op, right, dialect);
    if (l == ValueKind::Integer && r == ValueKind::Integer) return foldIntegers(left, op, right, dialect);
    if (isNumber(l) && isNumber(r)) return foldReals(left, op, right, dialect);
    if (l == ValueKind::String && r == ValueKind::String) return combineStrings(left, op, right, dialect);
    if (!isText(l) && !isText(r)) return mismatch(left, op, right, dialect);
    const bool withString = l == ValueKind::String || r == ValueKind::String;
    if (withString && isConcatenation(op))
        return textResult(left, languagePieces(dialect.language).concatenation, right, dialect);
    return textResult(left, op, right, dialect);
}

}  // namespace values
