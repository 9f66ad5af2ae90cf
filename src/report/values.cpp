// Values of the results file as a person reads them (integers in the radix
// of their format, characters and strings quoted, reals in their shortest
// exact form), and the judgement of EV == against a literal initial value.
#include "report/report_internal.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
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

// A C integer literal with its sign and suffixes, a character literal or a
// boolean word.
std::optional<long long> integerLiteral(std::string text) {
    if (text == "true") return 1;
    if (text == "false") return 0;
    if (auto c = charLiteral(text)) return c;
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text = trimmed(text.substr(1));
    }
    while (!text.empty() && std::strchr("uUlL", text.back())) text.pop_back();
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0]))) return std::nullopt;
    int base = 10;
    std::size_t start = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) base = 16, start = 2;
    else if (text.size() > 2 && text[0] == '0' && (text[1] == 'b' || text[1] == 'B')) base = 2, start = 2;
    else if (text.size() > 1 && text[0] == '0') base = 8, start = 1;
    char* end = nullptr;
    errno = 0;
    const unsigned long long magnitude = std::strtoull(text.c_str() + start, &end, base);
    if (errno != 0 || *end != '\0') return std::nullopt;
    return negative ? static_cast<long long>(0ULL - magnitude) : static_cast<long long>(magnitude);
}

std::optional<long double> realLiteral(std::string text) {
    if (auto integer = integerLiteral(text)) return static_cast<long double>(*integer);
    while (!text.empty() && std::strchr("fFlL", text.back())) text.pop_back();
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    const long double value = std::strtold(text.c_str(), &end);
    if (*end != '\0') return std::nullopt;
    return value;
}

Verdict verdictOf(bool passed) { return passed ? Verdict::Passed : Verdict::Failed; }

Verdict judgeInteger(char kind, const std::string& literal, std::string_view obtained) {
    const auto expected = integerLiteral(literal);
    if (!expected) return Verdict::Unjudged;
    const std::string text(obtained);
    if (kind == 'U') return verdictOf(static_cast<unsigned long>(*expected) == std::strtoull(text.c_str(), nullptr, 10));
    if (kind == 'C') return verdictOf(static_cast<char>(*expected) == std::atoi(text.c_str()));
    return verdictOf(static_cast<long>(*expected) == std::strtoll(text.c_str(), nullptr, 10));
}

Verdict judgeReal(char kind, const std::string& literal, std::string_view obtained) {
    const auto expected = realLiteral(literal);
    if (!expected) return Verdict::Unjudged;
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
