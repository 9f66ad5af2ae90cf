// Integer, character, string and floating constants of analysed code.
#include "analyser/constants_internal.h"

#include <algorithm>
#include <array>

namespace analyser::decl {

namespace {

// ---- Integers -------------------------------------------------------------------

struct Digits {
    std::string_view digits;
    int base = 10;
    bool fixedToInt = false;  // the "h" and "b" suffix forms
    std::string_view suffix;
};

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

bool allDigits(std::string_view text, int base) {
    if (text.empty()) return false;
    for (const char c : text)
        if (c != '\'' && digitValue(c) >= base) return false;
    return true;
}

std::size_t digitRun(std::string_view text, std::size_t from, int base) {
    while (from < text.size() && (digitValue(text[from]) < base || text[from] == '\'')) ++from;
    return from;
}

// The digits, base and suffix of an integer spelling.
std::optional<Digits> splitInteger(std::string_view text) {
    const char last = text.back();
    if ((last == 'h' || last == 'H') && allDigits(text.substr(0, text.size() - 1), 16))
        return Digits{text.substr(0, text.size() - 1), 16, true, {}};
    if ((last == 'b' || last == 'B') && allDigits(text.substr(0, text.size() - 1), 2))
        return Digits{text.substr(0, text.size() - 1), 2, true, {}};
    Digits d;
    std::size_t start = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) d.base = 16, start = 2;
    else if (text.size() > 2 && text[0] == '0' && (text[1] == 'b' || text[1] == 'B')) d.base = 2, start = 2;
    else if (text[0] == '0') d.base = 8;
    // Octal constants accept 8 and 9 as the preprocessor does.
    const std::size_t end = digitRun(text, start, d.base == 8 ? 10 : d.base);
    if (end == start) return std::nullopt;
    d.digits = text.substr(start, end - start);
    d.suffix = text.substr(end);
    return d;
}

struct Suffix {
    bool isUnsigned = false;
    int longs = 0;
};

std::optional<Suffix> readSuffix(std::string_view suffix) {
    Suffix s;
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        const char c = suffix[i];
        if ((c == 'u' || c == 'U') && !s.isUnsigned) s.isUnsigned = true;
        else if ((c == 'l' || c == 'L') && s.longs == 0) {
            s.longs = 1;
            if (i + 1 < suffix.size() && suffix[i + 1] == c) s.longs = 2, ++i;
        } else return std::nullopt;
    }
    return s;
}

// Accumulates the digits; past 128 bits the value is marked too large and
// keeps its low bits.
struct Accumulated {
    unsigned __int128 value = 0;
    bool tooLarge = false;
};

Accumulated accumulate(std::string_view digits, int base) {
    Accumulated a;
    const unsigned __int128 limit = ~static_cast<unsigned __int128>(0) / static_cast<unsigned>(base);
    for (const char c : digits) {
        if (c == '\'') continue;
        if (a.value > limit) a.tooLarge = true;
        a.value = a.value * static_cast<unsigned>(base) + static_cast<unsigned>(digitValue(c));
    }
    return a;
}

values::Integer toInteger(unsigned __int128 value) {
    const values::Integer::Limbs limbs = {static_cast<std::uint64_t>(value),
                                          static_cast<std::uint64_t>(value >> 64), 0};
    return values::Integer::fromLimbs(limbs);
}

values::Integer toSigned(__int128 value) {
    const auto bits = static_cast<unsigned __int128>(value);
    const std::uint64_t top = value < 0 ? ~std::uint64_t{0} : 0;
    return values::Integer::fromLimbs({static_cast<std::uint64_t>(bits), static_cast<std::uint64_t>(bits >> 64), top});
}

bool fitsBits(unsigned __int128 value, int bits, bool isSigned) {
    const int usable = isSigned ? bits - 1 : bits;
    if (usable >= 128) return true;
    return usable >= 0 && (value >> usable) == 0;
}

unsigned __int128 lowBits(unsigned __int128 value, int bits) {
    if (bits >= 128) return value;
    return value & ((static_cast<unsigned __int128>(1) << bits) - 1);
}

Constant integerConstant(std::string_view text, const Digits& d, const Suffix& s, const ConstantSite& site) {
    const BaseTypeSizes& sizes = baseTypeSizes();
    const int checkBits = d.fixedToInt || s.longs == 0 ? sizes.intBits : sizes.longBits;
    Accumulated a = accumulate(d.digits, d.base);
    const bool signedDecimal = d.base == 10 && !s.isUnsigned;
    if (a.tooLarge || !fitsBits(a.value, checkBits, signedDecimal)) {
        report(kWarning, "ENTOUTRAN", text, site.file, site.line);
        if (!signedDecimal) a.value = lowBits(a.value, checkBits);
    }
    Constant c;
    c.kind = Constant::Kind::Integer;
    c.value = toInteger(a.value);
    c.bits = s.isUnsigned ? checkBits : -checkBits;
    c.lengthMark = d.fixedToInt ? 0 : s.longs;
    return c;
}

bool looksFloating(std::string_view text) {
    const bool hex = text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    for (const char c : text)
        if (c == '.' || (!hex && (c == 'e' || c == 'E')) || (hex && (c == 'p' || c == 'P'))) return true;
    return false;
}

// ---- Characters ---------------------------------------------------------------------

struct Escape {
    char letter;
    int value;
};
constexpr std::array<Escape, 15> kEscapes = {{{'"', '"'},
                                             {'\'', '\''},
                                             {'(', '('},
                                             {'?', '?'},
                                             {'[', '['},
                                             {'\\', '\\'},
                                             {'{', '{'},
                                             {'a', 7},
                                             {'b', 8},
                                             {'f', 12},
                                             {'n', 10},
                                             {'r', 13},
                                             {'t', 9},
                                             {'v', 11},
                                             {'E', 27}}};
static_assert(kEscapes.size() == 15);

bool isOctal(char c) { return c >= '0' && c <= '7'; }

// The character at position (after a backslash when escaped), moving past it.
std::uint64_t readCharacter(std::string_view body, std::size_t& i, std::string_view whole, const ConstantSite& site) {
    if (body[i] != '\\' || i + 1 >= body.size()) return static_cast<unsigned char>(body[i++]);
    const char c = body[i + 1];
    i += 2;
    for (const auto& e : kEscapes)
        if (e.letter == c) return static_cast<std::uint64_t>(e.value);
    if (isOctal(c)) {
        std::uint64_t value = static_cast<std::uint64_t>(c - '0');
        for (int n = 1; n < 3 && i < body.size() && isOctal(body[i]); ++n) value = value * 8 + static_cast<std::uint64_t>(body[i++] - '0');
        return value;
    }
    if (c == 'x') {
        if (i >= body.size() || digitValue(body[i]) >= 16) {
            report(kWarning, "NOHEXDIGI", whole, site.file, site.line);
            return 'x';
        }
        std::uint64_t value = 0;
        while (i < body.size() && digitValue(body[i]) < 16) value = (value << 4) | static_cast<std::uint64_t>(digitValue(body[i++]));
        return value;
    }
    report(kWarning, "SEQUEINCO", whole, site.file, site.line);
    return static_cast<unsigned char>(c);
}

// The characters between the quotes; false when the closing quote is missing.
bool quotedBody(std::string_view text, char quote, std::string_view& body) {
    const std::size_t open = text.find(quote);
    if (open == std::string_view::npos) return false;
    std::size_t i = open + 1;
    while (i < text.size() && text[i] != quote) i += text[i] == '\\' ? 2 : 1;
    if (i >= text.size()) return false;
    body = text.substr(open + 1, i - open - 1);
    return true;
}

std::vector<std::uint64_t> characters(std::string_view body, std::string_view whole, const ConstantSite& site) {
    std::vector<std::uint64_t> list;
    for (std::size_t i = 0; i < body.size();) list.push_back(readCharacter(body, i, whole, site));
    return list;
}

std::string textOf(const std::vector<std::uint64_t>& list) {
    std::string text;
    for (const auto c : list) text += static_cast<char>(c);
    return text;
}

Constant plainCharacter(const std::vector<std::uint64_t>& list) {
    Constant c;
    if (list.size() != 1) {
        c.kind = Constant::Kind::String;
        c.text = keepText(textOf(list));
        return c;
    }
    const BaseTypeSizes& sizes = baseTypeSizes();
    const int width = std::min(sizes.charBits, 64);
    const std::uint64_t value = width >= 64 ? list[0] : list[0] & ((std::uint64_t{1} << width) - 1);
    const bool negative = !sizes.charUnsigned && width > 0 && ((value >> (width - 1)) & 1);
    c.kind = Constant::Kind::Integer;
    c.isChar = true;
    c.bits = negative ? -sizes.charBits : sizes.charBits;
    c.value = negative ? toSigned(static_cast<__int128>(value) - (static_cast<__int128>(1) << width)) : toInteger(value);
    return c;
}

// A wide constant holds as many elements of the int size as a long long
// holds; its record has the int size, signed.
Constant wideCharacter(std::vector<std::uint64_t> list, std::string_view whole, const ConstantSite& site) {
    const BaseTypeSizes& sizes = baseTypeSizes();
    const int width = std::clamp(sizes.intBits, 1, 64);
    const std::size_t capacity = static_cast<std::size_t>(std::max(1, std::min(sizes.longLongBits, 128) / width));
    if (list.empty()) report(kWarning, "CSTCARVID", whole, site.file, site.line);
    else if (list.size() > capacity) {
        report(kWarning, "TOLOCSTCA", whole, site.file, site.line);
        list.resize(capacity);
    } else if (list.size() > 1) report(kWarning, "MULCARCST", whole, site.file, site.line);
    unsigned __int128 value = 0;
    const std::uint64_t mask = width >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << width) - 1;
    for (const auto ch : list) value = (value << width) | (ch & mask);
    Constant c;
    c.kind = Constant::Kind::Integer;
    c.bits = -sizes.intBits;
    c.wide = true;
    c.value = toInteger(value);
    return c;
}

}  // namespace

std::optional<Constant> scanNumber(std::string_view text, const ConstantSite& site) {
    if (text.empty()) return std::nullopt;
    if (looksFloating(text)) {
        Constant c;
        c.kind = Constant::Kind::Floating;
        c.text = keepText(text);
        return c;
    }
    const auto digits = splitInteger(text);
    if (!digits) return std::nullopt;
    const auto suffix = readSuffix(digits->suffix);
    if (!suffix) return std::nullopt;
    return integerConstant(text, *digits, *suffix, site);
}

Constant scanCharacter(std::string_view text, const ConstantSite& site) {
    std::string_view body;
    if (!quotedBody(text, '\'', body)) {
        report(kWarning, "INVCSTCAR", text, site.file, site.line);
        Constant c;
        c.bits = baseTypeSizes().charBits;
        c.isChar = true;
        return c;
    }
    const auto list = characters(body, text, site);
    if (text[0] == 'L') return wideCharacter(list, text, site);
    return plainCharacter(list);
}

Constant scanString(std::string_view text, const ConstantSite& site) {
    Constant c;
    c.kind = Constant::Kind::String;
    c.wide = !text.empty() && text[0] == 'L';
    std::string_view body;
    if (!quotedBody(text, '"', body)) {
        report(kWarning, "INVCSTCAR", text, site.file, site.line);
        return c;
    }
    c.text = keepText(textOf(characters(body, text, site)));
    return c;
}

// int, unsigned int (not for decimals without "u"), long, unsigned long,
// long long, unsigned long long: the first that holds the value.
IntegerLiteral integerLiteral(std::string_view text) {
    const BaseTypeSizes& sizes = baseTypeSizes();
    const auto digits = text.empty() ? std::nullopt : splitInteger(text);
    const auto suffix = digits ? readSuffix(digits->suffix) : std::nullopt;
    if (!digits || !suffix) return {};
    const Accumulated a = accumulate(digits->digits, digits->base);
    if (a.tooLarge) return {};
    const bool decimal = digits->base == 10 && !digits->fixedToInt;
    const int widths[] = {sizes.intBits, sizes.longBits, sizes.longLongBits, 128};
    for (int rank = suffix->longs; rank < 4; ++rank) {
        const int bits = widths[rank];
        if (!suffix->isUnsigned && fitsBits(a.value, bits, true)) return {true, static_cast<__int128>(a.value), -bits};
        if ((suffix->isUnsigned || !decimal) && fitsBits(a.value, bits, false))
            return {true, static_cast<__int128>(a.value), bits};
    }
    return {};
}

}  // namespace analyser::decl
