// String services of the reader and the generators: bounded building, word
// splitting of script statements, comment separation, trimming, padding,
// line cutting at separators and number images.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace diag {

// The largest text the bounded builders produce (0x6000 characters).
inline constexpr std::size_t kBuiltTextLimit = 24576;

// dest = concatenation of texts, cut at kBuiltTextLimit characters. A text
// that lies inside dest itself is the internal error ERRINTFCT "xstrcpy".
std::string& xstrcpy(std::string& dest, std::initializer_list<std::string_view> texts);
// The same, appending after dest's current text ("xstrcat", "xstrcat (2)").
std::string& xstrcat(std::string& dest, std::initializer_list<std::string_view> texts);

// Skips blanks and tabs; word = longest run of letters, digits, "_" and "$",
// upper-cased; rest = text from the first non-blank after the word.
void SPLIT_WORD(std::string_view text, std::string& word, std::string& rest);

struct CodeAndComment {
    std::string code;     // text before the marker (as written)
    std::string comment;  // marker and what follows, empty when none
};
// Separates a trailing comment beginning with marker, ignoring markers inside
// character literals (single quotes, backslash escapes) and string literals.
CodeAndComment split_comment(std::string_view text, std::string_view marker, int language);

// Leading and trailing blanks and tabs removed.
std::string trim(std::string_view text);
std::string_view trimView(std::string_view text);

// At most width characters of text, filled up to exactly width with fill.
std::string pad(std::string_view text, char fill, std::size_t width);

// Carriage returns and newlines replaced by blanks: a value written into a
// line of a fixed format (a record, a message, a header) stays on that line.
std::string singleLine(std::string_view text);

// ASCII letters upper-cased.
void upperCase(std::string& text);
std::string upperCased(std::string_view text);

// Length of the longest front piece of at most width characters that ends
// with one of the separators; the whole text when it fits; width when no
// separator stands within it.
std::size_t cutAtSeparators(std::string_view text, std::size_t width, std::string_view separators);

// Position of the first case-insensitive occurrence of needle, or -1.
long indexOfIgnoringCase(std::string_view haystack, std::string_view needle);

// Digits of value: base index 1 decimal (leading "-" when negative), 0
// hexadecimal followed by "H", 2 binary followed by "B".
std::string numberToText(std::int64_t value, int baseIndex);

// Memory exhaustion anywhere becomes the internal error ERRINTFCT with
// "memory overflow"; installed once at start-up.
void installMemoryServices();

}  // namespace diag
