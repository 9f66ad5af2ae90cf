// Splitting of statement texts at separators that stand outside quotes and
// brackets, and the small text tests of the variable statements.
#include "diag/strings.h"
#include "variables/variables_internal.h"

namespace variables::detail {

namespace {

bool opens(char c) { return c == '(' || c == '[' || c == '{'; }
bool closes(char c) { return c == ')' || c == ']' || c == '}'; }

// Walks text, calling visit(offset) for each character outside quotes at
// nesting depth 0; a visit that returns true stops the walk.
template <typename Visit>
std::size_t walkOutside(std::string_view text, Visit visit) {
    int depth = 0;
    char quote = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == '\\') ++i;
            else if (c == quote) quote = 0;
            continue;
        }
        if (c == '"' || c == '\'') quote = c;
        else if (opens(c)) ++depth;
        else if (closes(c) && depth > 0) --depth;
        else if (depth == 0 && visit(i)) return i;
    }
    return std::string_view::npos;
}

}  // namespace

std::vector<std::string> splitOutside(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    std::size_t from = 0;
    walkOutside(text, [&](std::size_t i) {
        if (text[i] == separator) {
            pieces.push_back(diag::trim(text.substr(from, i - from)));
            from = i + 1;
        }
        return false;
    });
    pieces.push_back(diag::trim(text.substr(from)));
    return pieces;
}

std::size_t findOutside(std::string_view text, char separator) {
    return walkOutside(text, [&](std::size_t i) { return text[i] == separator; });
}

std::size_t matchingClose(std::string_view text, std::size_t open) {
    if (open >= text.size() || !opens(text[open])) return std::string_view::npos;
    int depth = 0;
    char quote = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == '\\') ++i;
            else if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (opens(c)) {
            ++depth;
        } else if (closes(c) && --depth == 0) {
            return i;
        }
    }
    return std::string_view::npos;
}

bool enclosedIn(std::string_view text, std::string_view pairs) {
    if (text.size() < 2) return false;
    for (std::size_t i = 0; i + 1 < pairs.size(); i += 2)
        if (text.front() == pairs[i] && text.back() == pairs[i + 1]) return matchingClose(text, 0) == text.size() - 1;
    return false;
}

std::string_view inner(std::string_view text) {
    return text.size() < 2 ? std::string_view() : text.substr(1, text.size() - 2);
}

bool startsWithWord(std::string_view text, std::string_view upperWord) {
    std::string word, rest;
    diag::SPLIT_WORD(text, word, rest);
    return word == upperWord;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) { return diag::upperCased(a) == diag::upperCased(b); }

std::string withoutDereferences(std::string_view text) {
    std::string out;
    bool operandStart = true;
    for (const char c : text) {
        if (c == '*' && operandStart) continue;
        if (c != ' ' && c != '\t') operandStart = c == '(';
        out.push_back(c);
    }
    return out;
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(pattern.size() + 96);
    std::size_t from = 0;
    for (std::size_t at = pattern.find('%'); at != std::string_view::npos; at = pattern.find('%', at + 1)) {
        const std::size_t index = at + 1 < pattern.size() ? static_cast<std::size_t>(pattern[at + 1] - '1') : 9;
        if (index >= args.size()) continue;
        out.append(pattern.substr(from, at - from)).append(*(args.begin() + index));
        from = ++at + 1;
    }
    return out.append(pattern.substr(from));
}

}  // namespace variables::detail
