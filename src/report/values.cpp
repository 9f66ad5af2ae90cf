// Values of the results file as a person reads them (integers in the radix
// of their format, characters and strings quoted, reals in their shortest
// exact form), and the judgement of EV == against a literal initial value.
#include "report/report_internal.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <climits>
#include <cstring>
#include <optional>

namespace report {

namespace {

std::string inRadix(unsigned long long magnitude, int radix) {
    static const char digits[] = "0123456789ABCDEF";
    if (magnitude == 0) return "0";
    std::string out;
    for (; magnitude != 0; magnitude /= static_cast<unsigned>(radix)) out.insert(out.begin(), digits[magnitude % radix]);
    return out;
}

const char* radixPrefix(int radix) {
    switch (radix) {
    case 16: return "0x";
    case 8: return "0";
    case 2: return "0b";
    default: return "";
    }
}

std::string integerText(std::string_view value, int radix, bool isSigned) {
    if (radix != 16 && radix != 8 && radix != 2) return std::string(value);
    const std::string text(value);
    errno = 0;
    if (isSigned) {
        const long long number = std::strtoll(text.c_str(), nullptr, 10);
        const unsigned long long magnitude =
            number < 0 ? 0ULL - static_cast<unsigned long long>(number) : static_cast<unsigned long long>(number);
        return (number < 0 ? "-" : "") + std::string(radixPrefix(radix)) + inRadix(magnitude, radix);
    }
    return radixPrefix(radix) + inRadix(std::strtoull(text.c_str(), nullptr, 10), radix);
}

std::string charText(std::string_view value) {
    const int code = std::atoi(std::string(value).c_str());
    const unsigned char c = static_cast<unsigned char>(code);
    if (c == '\'' || c == '\\') return std::string("'\\") + static_cast<char>(c) + "'";
    if (c >= 0x20 && c < 0x7f) return std::string("'") + static_cast<char>(c) + "'";
    static const char digits[] = "0123456789abcdef";
    return std::string("'\\x") + digits[c >> 4] + digits[c & 15] + "'";
}

// The fewest digits that read back to the same value of its type.
template <typename Real>
std::string shortestReal(long double value, int from, int to) {
    char text[64];
    for (int digits = from; digits <= to; ++digits) {
        std::snprintf(text, sizeof text, "%.*Lg", digits, value);
        if (static_cast<Real>(std::strtold(text, nullptr)) == static_cast<Real>(value)) break;
    }
    return text;
}

std::string realText(char kind, std::string_view value) {
    const std::string text(value);
    if (text == "nan" || text == "inf" || text == "-inf") return text;
    const long double real = std::strtold(text.c_str(), nullptr);
    if (kind == 'F') return shortestReal<float>(real, 6, 9);
    if (kind == 'D') return shortestReal<double>(real, 15, 17);
    return shortestReal<long double>(real, 18, 21);
}

std::string pointerText(std::string_view value) {
    if (value == "0") return "NIL";
    return std::string(value);
}

// ---- Literals of the record file ----------------------------------------

std::string trimmed(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
    return std::string(text.substr(begin, end - begin));
}

// One escape of a C character or string literal, from text[i] (after the
// backslash); advances i past it.
std::optional<unsigned char> escape(const std::string& text, std::size_t& i) {
    if (i >= text.size()) return std::nullopt;
    const char c = text[i++];
    switch (c) {
    case 'n': return '\n';
    case 't': return '\t';
    case 'r': return '\r';
    case '0': case '1': case '2': case '3': case '4': case '5': case '6': case '7': {
        unsigned value = static_cast<unsigned>(c - '0');
        for (int n = 0; n < 2 && i < text.size() && text[i] >= '0' && text[i] <= '7'; ++n)
            value = value * 8 + static_cast<unsigned>(text[i++] - '0');
        return static_cast<unsigned char>(value);
    }
    case 'x': {
        unsigned value = 0;
        std::size_t start = i;
        while (i < text.size() && std::isxdigit(static_cast<unsigned char>(text[i])))
            value = value * 16 + static_cast<unsigned>(std::stoi(text.substr(i++, 1), nullptr, 16));
        if (i == start) return std::nullopt;
        return static_cast<unsigned char>(value);
    }
    case 'a': return '\a';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'v': return '\v';
    default: return static_cast<unsigned char>(c);
    }
}

// The bytes of a C string literal ("..."); none when it is not one.
std::optional<std::string> stringLiteral(const std::string& text) {
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') return std::nullopt;
    std::string out;
    for (std::size_t i = 1; i + 1 < text.size();) {
        if (text[i] == '"') return std::nullopt;
        if (text[i] != '\\') {
            out += text[i++];
            continue;
        }
        ++i;
        const auto c = escape(text.substr(0, text.size() - 1), i);
        if (!c) return std::nullopt;
        out += static_cast<char>(*c);
    }
    return out;
}

std::optional<long long> charLiteral(const std::string& text) {
    if (text.size() < 3 || text.front() != '\'' || text.back() != '\'') return std::nullopt;
    const std::string inner = text.substr(1, text.size() - 2);
    if (inner[0] != '\\') {
        if (inner.size() != 1) return std::nullopt;
        return static_cast<char>(inner[0]);
    }
    std::size_t i = 1;
    const auto c = escape(inner, i);
    if (!c || i != inner.size()) return std::nullopt;
    return static_cast<char>(*c);
}

// A C integer literal with its suffixes, or one of the script's forms "FFh"
// and "101b", a character literal or a boolean word.
std::optional<long long> integerLiteral(std::string text) {
    if (text == "true") return 1;
    if (text == "false") return 0;
    if (auto c = charLiteral(text)) return c;
    while (!text.empty() && std::strchr("uUlL", text.back())) text.pop_back();
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0]))) return std::nullopt;
    int base = 10;
    std::size_t start = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) base = 16, start = 2;
    else if (text.size() > 2 && text[0] == '0' && (text[1] == 'b' || text[1] == 'B')) base = 2, start = 2;
    else if (text.size() > 1 && (text.back() == 'h' || text.back() == 'H')) base = 16, text.pop_back();
    else if (text.size() > 1 && (text.back() == 'b' || text.back() == 'B') &&
             text.find_first_not_of("01", 0) == text.size() - 1)
        base = 2, text.pop_back();
    else if (text.size() > 1 && text[0] == '0') base = 8, start = 1;
    char* end = nullptr;
    errno = 0;
    const unsigned long long magnitude = std::strtoull(text.c_str() + start, &end, base);
    if (errno != 0 || *end != '\0') return std::nullopt;
    return static_cast<long long>(magnitude);  // as the harness converts 0xFFFFFFFFFFFFFFFF
}

std::optional<long double> realLiteral(std::string text) {
    while (!text.empty() && std::strchr("fFlL", text.back())) text.pop_back();
    if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '.')) return std::nullopt;
    char* end = nullptr;
    const long double value = std::strtold(text.c_str(), &end);
    if (*end != '\0') return std::nullopt;
    return value;
}

// ---- Constant expressions of the record file --------------------------------

// An integer, or a real once a real takes part, as the script folds them.
struct Number {
    bool real = false;
    long long integer = 0;
    long double value = 0;
    long double asReal() const { return real ? value : static_cast<long double>(integer); }
};

std::optional<Number> combined(const Number& a, char op, const Number& b) {
    if (!a.real && !b.real) {
        long long result = 0;
        bool overflow = false;
        if (op == '+') overflow = __builtin_add_overflow(a.integer, b.integer, &result);
        else if (op == '-') overflow = __builtin_sub_overflow(a.integer, b.integer, &result);
        else if (op == '*') overflow = __builtin_mul_overflow(a.integer, b.integer, &result);
        else if (b.integer == 0 || (a.integer == LLONG_MIN && b.integer == -1)) overflow = true;
        else result = a.integer / b.integer;
        if (overflow) return std::nullopt;
        return Number{false, result, 0};
    }
    const long double x = a.asReal(), y = b.asReal();
    if (op == '/' && y == 0) return std::nullopt;
    const long double result = op == '+' ? x + y : op == '-' ? x - y : op == '*' ? x * y : x / y;
    return Number{true, 0, result};
}

// expression = term {("+" | "-") term}; term = factor {("*" | "/") factor};
// factor = ["+" | "-"] (literal | "(" expression ")"). Anything else, a
// name above all, leaves the value unknown.
class ConstantReader {
public:
    explicit ConstantReader(std::string_view text) : text_(text) {}

    std::optional<Number> whole() {
        auto value = expression(0);
        skipBlanks();
        if (at_ != text_.size()) return std::nullopt;
        return value;
    }

private:
    static constexpr int kDeepest = 64;

    std::optional<Number> expression(int depth) {
        auto left = term(depth);
        for (char op; left && (op = next("+-")) != 0;) {
            const auto right = term(depth);
            left = right ? combined(*left, op, *right) : std::nullopt;
        }
        return left;
    }

    std::optional<Number> term(int depth) {
        auto left = factor(depth);
        for (char op; left && (op = next("*/")) != 0;) {
            const auto right = factor(depth);
            left = right ? combined(*left, op, *right) : std::nullopt;
        }
        return left;
    }

    std::optional<Number> factor(int depth) {
        if (depth > kDeepest) return std::nullopt;
        if (const char sign = next("+-")) {
            const auto operand = factor(depth + 1);
            if (!operand || sign == '+') return operand;
            return combined(Number{false, 0, 0}, '-', *operand);
        }
        if (next("(")) {
            const auto inside = expression(depth + 1);
            return inside && next(")") ? inside : std::nullopt;
        }
        return literal();
    }

    std::optional<Number> literal() {
        skipBlanks();
        const std::size_t start = at_;
        if (at_ < text_.size() && text_[at_] == '\'') return character(start);
        while (at_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[at_])) || text_[at_] == '_' ||
                                      text_[at_] == '.' || exponentSign()))
            ++at_;
        const std::string run(text_.substr(start, at_ - start));
        if (const auto integer = integerLiteral(run)) return Number{false, *integer, 0};
        if (const auto real = realLiteral(run)) return Number{true, 0, *real};
        return std::nullopt;
    }

    std::optional<Number> character(std::size_t start) {
        for (++at_; at_ < text_.size() && text_[at_] != '\''; ++at_)
            if (text_[at_] == '\\') ++at_;
        if (at_ >= text_.size()) return std::nullopt;
        const auto code = charLiteral(std::string(text_.substr(start, ++at_ - start)));
        return code ? std::optional(Number{false, *code, 0}) : std::nullopt;
    }

    // The sign of "1.5e-3", not an operator.
    bool exponentSign() const {
        if (text_[at_] != '-' && text_[at_] != '+') return false;
        if (at_ < 2 || (text_[at_ - 1] != 'e' && text_[at_ - 1] != 'E')) return false;
        return std::isdigit(static_cast<unsigned char>(text_[at_ - 2])) || text_[at_ - 2] == '.';
    }

    void skipBlanks() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
    }

    char next(std::string_view accepted) {
        skipBlanks();
        if (at_ >= text_.size() || accepted.find(text_[at_]) == std::string_view::npos) return 0;
        return text_[at_++];
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

std::optional<Number> constantOf(const std::string& text) { return ConstantReader(text).whole(); }

Verdict verdictOf(bool passed) { return passed ? Verdict::Passed : Verdict::Failed; }

Verdict judgeInteger(char kind, const std::string& literal, std::string_view obtained) {
    const auto constant = constantOf(literal);
    if (!constant || (constant->real && !(std::fabs(constant->value) < 9e18L))) return Verdict::Unjudged;
    const std::optional<long long> expected =
        constant->real ? static_cast<long long>(constant->value) : constant->integer;
    const std::string text(obtained);
    if (kind == 'U') return verdictOf(static_cast<unsigned long>(*expected) == std::strtoull(text.c_str(), nullptr, 10));
    if (kind == 'C') return verdictOf(static_cast<char>(*expected) == std::atoi(text.c_str()));
    return verdictOf(static_cast<long>(*expected) == std::strtoll(text.c_str(), nullptr, 10));
}

Verdict judgeReal(char kind, const std::string& literal, std::string_view obtained) {
    const auto constant = constantOf(literal);
    if (!constant) return Verdict::Unjudged;
    const std::optional<long double> expected = constant->asReal();
    const long double value = std::strtold(std::string(obtained).c_str(), nullptr);
    if (kind == 'F') return verdictOf(static_cast<float>(*expected) == static_cast<float>(value));
    if (kind == 'D') return verdictOf(static_cast<double>(*expected) == static_cast<double>(value));
    return verdictOf(*expected == value);
}

}  // namespace

std::string displayValue(char kind, int radix, std::string_view value) {
    switch (kind) {
    case 'I': return integerText(value, radix, true);
    case 'U': return integerText(value, radix, false);
    case 'C': return charText(value);
    case 'F': case 'D': case 'L': return realText(kind, value);
    case 'P': return pointerText(value);
    default: return std::string(value);
    }
}

Verdict judgeAgainstLiteral(char kind, std::string_view literalText, std::string_view obtained) {
    const std::string literal = trimmed(literalText);
    switch (kind) {
    case 'I': case 'U': case 'C': return judgeInteger(kind, literal, obtained);
    case 'F': case 'D': case 'L': return judgeReal(kind, literal, obtained);
    case 'S': {
        const auto expected = stringLiteral(literal);
        if (!expected) return Verdict::Unjudged;
        std::vector<Field> value;  // as the results file quotes it
        const bool read = splitFields(obtained, value) && value.size() == 1 && value[0].quoted;
        return verdictOf(read && value[0].text == *expected);
    }
    case 'P':
        if (literal == "NIL" || literal == "nil" || literal == "0") return verdictOf(obtained == "0");
        return Verdict::Unjudged;
    default: return Verdict::Unjudged;
    }
}

}  // namespace report
