// String services of the reader and the generators.
#include "diag/strings.h"

#include "diag/diag.h"

#include <QtGlobal>

#include <algorithm>
#include <new>

namespace diag {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isWordCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '$';
}

char toUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool liesInside(std::string_view text, const std::string& dest) {
    if (text.empty() || dest.empty()) return false;
    const char* begin = dest.data();
    const char* end = begin + dest.size();
    return text.data() >= begin && text.data() < end;
}

void appendBounded(std::string& dest, std::initializer_list<std::string_view> texts) {
    for (auto text : texts) {
        if (dest.size() >= kBuiltTextLimit) return;
        dest.append(text.substr(0, kBuiltTextLimit - dest.size()));
    }
}

}  // namespace

std::string& xstrcpy(std::string& dest, std::initializer_list<std::string_view> texts) {
    for (auto text : texts)
        if (liesInside(text, dest)) internalError("ERRINTFCT", "xstrcpy");
    dest.clear();
    appendBounded(dest, texts);
    return dest;
}

std::string& xstrcat(std::string& dest, std::initializer_list<std::string_view> texts) {
    bool first = true;
    for (auto text : texts) {
        if (liesInside(text, dest)) internalError("ERRINTFCT", first ? "xstrcat" : "xstrcat (2)");
        first = false;
    }
    appendBounded(dest, texts);
    return dest;
}

void SPLIT_WORD(std::string_view text, std::string& word, std::string& rest) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    word.clear();
    while (i < text.size() && isWordCharacter(text[i])) word += toUpper(text[i++]);
    while (i < text.size() && isBlank(text[i])) ++i;
    rest.assign(text.substr(i));
}

CodeAndComment split_comment(std::string_view text, std::string_view marker, int /*language*/) {
    char quote = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == '\\' && i + 1 < text.size()) ++i;
            else if (c == quote) quote = 0;
            continue;
        }
        if (c == '\'' || c == '"') {
            quote = c;
            continue;
        }
        if (!marker.empty() && text.substr(i, marker.size()) == marker)
            return {std::string(text.substr(0, i)), std::string(text.substr(i))};
    }
    return {std::string(text), {}};
}

std::string_view trimView(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

std::string trim(std::string_view text) { return std::string(trimView(text)); }

std::string pad(std::string_view text, char fill, std::size_t width) {
    std::string out(text.substr(0, width));
    out.resize(width, fill);
    return out;
}

std::string singleLine(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\n' || c == '\r') c = ' ';
    return out;
}

void upperCase(std::string& text) {
    for (char& c : text) c = toUpper(c);
}

std::string upperCased(std::string_view text) {
    std::string out(text);
    upperCase(out);
    return out;
}

std::size_t cutAtSeparators(std::string_view text, std::size_t width, std::string_view separators) {
    if (text.size() <= width) return text.size();
    for (std::size_t n = width; n > 0; --n)
        if (separators.find(text[n - 1]) != std::string_view::npos) return n;
    return width;
}

long indexOfIgnoringCase(std::string_view haystack, std::string_view needle) {
    if (needle.size() > haystack.size()) return -1;
    for (std::size_t i = 0; i + needle.size() <= haystack.size(); ++i) {
        bool same = true;
        for (std::size_t j = 0; j < needle.size() && same; ++j)
            same = toUpper(haystack[i + j]) == toUpper(needle[j]);
        if (same) return static_cast<long>(i);
    }
    return -1;
}

std::string numberToText(std::int64_t value, int baseIndex) {
    const unsigned base = baseIndex == 0 ? 16 : baseIndex == 2 ? 2 : 10;
    std::uint64_t magnitude = value < 0 ? 0ULL - static_cast<std::uint64_t>(value)
                                        : static_cast<std::uint64_t>(value);
    std::string digits;
    do {
        digits += "0123456789ABCDEF"[magnitude % base];
        magnitude /= base;
    } while (magnitude);
    if (value < 0) digits += '-';
    std::reverse(digits.begin(), digits.end());
    if (base == 16) digits += 'H';
    if (base == 2) digits += 'B';
    return digits;
}

void installMemoryServices() {
    std::set_new_handler([] {
        internalError("ERRINTFCT", translateParameter("Error Parameter",
                                                      QT_TRANSLATE_NOOP("Error Parameter", "memory overflow")));
    });
}

}  // namespace diag
