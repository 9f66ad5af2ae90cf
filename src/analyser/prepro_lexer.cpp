// The preprocessor's scanner: preparing a text (line joins, trigraphs, NUL
// bytes) and cutting it into preprocessing tokens.
#include "analyser/prepro_internal.h"

#include <algorithm>
#include <cstring>

namespace analyser::prepro {

namespace {

struct Trigraph {
    char key;
    char replacement;
};
constexpr Trigraph kTrigraphs[] = {
    {'=', '#'}, {'(', '['}, {')', ']'}, {'<', '{'}, {'>', '}'}, {'\'', '^'}, {'-', '~'}, {'/', '\\'},
};
static_assert(std::size(kTrigraphs) == 8);

char trigraphReplacement(char key) {
    for (const auto& t : kTrigraphs)
        if (t.key == key) return t.replacement;
    return 0;
}

bool onlyBlanksToEndOfLine(const std::string& text, std::size_t from) {
    for (std::size_t i = from; i < text.size() && text[i] != '\n'; ++i)
        if (text[i] != ' ' && text[i] != '\t' && text[i] != '\r') return false;
    return true;
}

// Each trigraph becomes its character; the rest of the line moves left and
// blanks fill its end, so that the line keeps its length.
void replaceTrigraphsInLine(std::string& text, std::size_t begin, std::size_t end) {
    std::size_t removed = 0;
    std::size_t write = begin;
    for (std::size_t read = begin; read < end; ++read) {
        if (text[read] == '?' && read + 2 < end && text[read + 1] == '?') {
            const char replacement = trigraphReplacement(text[read + 2]);
            if (replacement == '\\' && onlyBlanksToEndOfLine(text, read + 3)) {
                const std::size_t blanks = end - read - 3 + removed + 2;
                for (std::size_t i = 0; i < blanks; ++i) text[write++] = ' ';
                text[write++] = '\\';
                return;
            }
            if (replacement) {
                text[write++] = replacement;
                read += 2;
                removed += 2;
                continue;
            }
        }
        text[write++] = text[read];
    }
    while (write < end) text[write++] = ' ';
}

void replaceTrigraphs(std::string& text) {
    if (text.find("??") == std::string::npos) return;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string::npos) end = text.size();
        std::size_t contentEnd = end;
        if (contentEnd > begin && text[contentEnd - 1] == '\r') --contentEnd;
        if (text.find("??", begin) < contentEnd) replaceTrigraphsInLine(text, begin, contentEnd);
        begin = end + 1;
    }
}

void replaceNulBytes(std::string& text, std::string_view name) {
    if (std::memchr(text.data(), '\0', text.size()) == nullptr) return;
    for (char& c : text)
        if (c == '\0') c = ' ';
    report(kWarning, "ERRINLINE", std::string("null character(s) ignored in ") + std::string(name));
}

// Backslash-newline (also backslash-CR-newline) joins lines; the newlines
// removed are written after the joined line so later lines keep their numbers.
void joinLines(std::string& text) {
    if (text.find('\\') == std::string::npos) return;
    std::string joined;
    joined.reserve(text.size());
    int pending = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            std::size_t j = i + 1;
            if (j < text.size() && text[j] == '\r') ++j;
            if (j < text.size() && text[j] == '\n') {
                ++pending;
                i = j;
                continue;
            }
        }
        joined += c;
        if (c == '\n') {
            joined.append(pending, '\n');
            pending = 0;
        }
    }
    joined.append(pending, '\n');
    text.swap(joined);
}

}  // namespace

void prepareText(std::string& text, std::string_view name) {
    replaceNulBytes(text, name);
    replaceTrigraphs(text);
    joinLines(text);
    if (text.empty() || text.back() != '\n') text += '\n';
}

namespace {

// Blanks and comments; false when the end of the line (directive) or of the
// text stops the search.
struct Scanner {
    Level& level;
    const char* p;
    std::uint8_t flags = 0;

    void skipBlockComment() {
        const char* q = p + 2;
        const int startLine = level.line;
        for (;; ++q) {
            if (q >= level.end) {
                if (level.named) reportAt(kWarning, "UNTERCOMM", {}, level.name, startLine);
                else report(kWarning, "UNTERCOMM");
                p = level.end;
                return;
            }
            if (*q == '\n') ++level.line;
            else if (*q == '*' && q[1] == '/') break;
        }
        p = q + 2;
    }

    void skipLineComment() {
        while (p < level.end && *p != '\n') ++p;
    }

    // Quoted text up to the closing quote; a newline ends it with a warning.
    void scanQuoted(char quote) {
        ++p;
        while (p < level.end && *p != quote && *p != '\n') {
            if (*p == '\\' && p + 1 < level.end && p[1] != '\n') ++p;
            ++p;
        }
        if (p < level.end && *p == quote) {
            ++p;
            return;
        }
        report(kWarning, "UNTERSTRI");
    }

    void scanRawString() {
        const char* open = p + 1;
        const char* paren = open;
        while (paren < level.end && *paren != '(' && *paren != '\n' && paren - open <= 16) ++paren;
        if (paren >= level.end || *paren != '(') {
            scanQuoted('"');
            return;
        }
        std::string closing = ")" + std::string(open, paren) + "\"";
        const char* close = std::search(paren + 1, level.end, closing.begin(), closing.end());
        if (close == level.end) {
            report(kWarning, "UNTERSTRI");
            p = level.end - 1;
            return;
        }
        for (const char* q = p; q < close; ++q)
            if (*q == '\n') ++level.line;
        p = close + closing.size();
    }

    void scanNumber() {
        ++p;
        for (;;) {
            const char c = *p;
            if ((c == '+' || c == '-') &&
                (p[-1] == 'e' || p[-1] == 'E' || p[-1] == 'p' || p[-1] == 'P')) {
                ++p;
            } else if (isIdentChar(c) || c == '.' || (c == '\'' && isIdentChar(p[1]))) {
                ++p;  // a quote between digits separates them (1'000'000)
            } else {
                return;
            }
        }
    }

    // An identifier, or the prefix of a string or character constant.
    TokenKind scanIdentifier() {
        const char* start = p;
        while (isIdentChar(*p)) ++p;
        const std::string_view word(start, static_cast<std::size_t>(p - start));
        if (*p == '"' || *p == '\'') {
            if (word == "L" || word == "u" || word == "U" || word == "u8") {
                const char quote = *p;
                scanQuoted(quote);
                return quote == '"' ? TokenKind::String : TokenKind::Character;
            }
            if (*p == '"' &&
                (word == "R" || word == "LR" || word == "uR" || word == "UR" || word == "u8R")) {
                scanRawString();
                return TokenKind::String;
            }
        }
        return TokenKind::Identifier;
    }

    std::string_view punctuator();
};

struct Punctuator {
    const char* spelling;
    const char* meaning;  // the digraphs stand for another spelling
};
// Longest first within each leading character.
constexpr Punctuator kPunctuators[] = {
    {"%:%:", "##"}, {"...", "..."}, {"<<=", "<<="}, {">>=", ">>="}, {"->*", "->*"},
    {"->", "->"},   {"++", "++"},   {"--", "--"},   {"<<", "<<"},   {">>", ">>"},
    {"<=", "<="},   {">=", ">="},   {"==", "=="},   {"!=", "!="},   {"&&", "&&"},
    {"||", "||"},   {"*=", "*="},   {"/=", "/="},   {"%=", "%="},   {"+=", "+="},
    {"-=", "-="},   {"&=", "&="},   {"^=", "^="},   {"|=", "|="},   {"##", "##"},
    {"::", "::"},   {".*", ".*"},   {"<:", "["},    {":>", "]"},    {"<%", "{"},
    {"%>", "}"},    {"%:", "#"},
};
static_assert(std::size(kPunctuators) == 32);

constexpr std::string_view kSingles = "[](){}.&*+-~!/%<>^|?:;=,#";

std::string_view Scanner::punctuator() {
    // "<::" not followed by ":" or ">" is "<" then "::".
    if (p[0] == '<' && p[1] == ':' && p[2] == ':' && p[3] != ':' && p[3] != '>') {
        ++p;
        return "<";
    }
    for (const auto& punct : kPunctuators) {
        // Stops at the first difference: the text ends with "\n" and a NUL.
        std::size_t n = 0;
        while (punct.spelling[n] && p[n] == punct.spelling[n]) ++n;
        if (punct.spelling[n] == '\0') {
            const std::string_view result =
                std::strcmp(punct.spelling, punct.meaning) == 0 ? std::string_view(p, n)
                                                                : std::string_view(punct.meaning);
            p += n;
            return result;
        }
    }
    const std::string_view single(p, 1);
    ++p;
    return single;
}

bool isPunctuatorStart(char c) { return kSingles.find(c) != std::string_view::npos; }

}  // namespace

namespace {

bool directiveHash(const char* p) {
    return p[0] == '#' || (p[0] == '%' && p[1] == ':' && !(p[2] == '%' && p[3] == ':'));
}

// Blanks, newlines and comments before a token; Token when one starts at s.p.
LexResult skipToToken(Scanner& s) {
    Level& level = s.level;
    for (;;) {
        if (s.p >= level.end) {
            level.pos = level.end;
            return LexResult::End;
        }
        const char c = *s.p;
        if (c == '\n') {
            if (level.directive) {
                level.pos = s.p;
                return LexResult::End;
            }
            ++level.line;
            ++s.p;
            level.startOfLine = true;
        } else if (isHorizontalBlank(c)) {
            ++s.p;
        } else if (c == '/' && s.p[1] == '*') {
            s.skipBlockComment();
        } else if (c == '/' && s.p[1] == '/') {
            s.skipLineComment();
        } else if (level.startOfLine && !level.directive && directiveHash(s.p)) {
            level.pos = s.p + (c == '#' ? 1 : 2);
            level.startOfLine = false;
            return LexResult::Directive;
        } else {
            return LexResult::Token;
        }
        s.flags |= kLeadingSpace;
    }
}

// The token starting at s.p: its kind, and its spelling when it differs
// from the text (digraphs).
std::string_view scanToken(Scanner& s, Token& token) {
    const char c = *s.p;
    if (isIdentStart(c)) {
        token.kind = s.scanIdentifier();
    } else if (isDigit(c) || (c == '.' && isDigit(s.p[1]))) {
        s.scanNumber();
        token.kind = TokenKind::Number;
    } else if (c == '"' || c == '\'') {
        s.scanQuoted(c);
        token.kind = c == '"' ? TokenKind::String : TokenKind::Character;
    } else if (isPunctuatorStart(c)) {
        token.kind = TokenKind::Punctuator;
        return s.punctuator();
    } else {
        ++s.p;
        while (static_cast<unsigned char>(c) >= 0x80 && static_cast<unsigned char>(*s.p) >= 0x80) ++s.p;
        token.kind = TokenKind::Other;
    }
    return {};
}

}  // namespace

LexResult lexToken(Level& level, Token& token) {
    Scanner s{level, level.pos};
    const LexResult result = skipToToken(s);
    if (result != LexResult::Token) {
        token = Token{};
        return result;
    }
    const char* start = s.p;
    token.flags = s.flags | (level.startOfLine ? kStartOfLine : 0);
    token.line = level.line;
    level.startOfLine = false;
    const std::string_view spelling = scanToken(s, token);
    token.text = spelling.empty() ? std::string_view(start, static_cast<std::size_t>(s.p - start))
                                  : spelling;
    level.pos = s.p;
    return LexResult::Token;
}

std::vector<Token> relex(std::string_view text) {
    char* copy = state().arena.allocate(text.size() + 2);
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\n';
    copy[text.size() + 1] = '\0';
    Level scratch;
    scratch.pos = copy;
    scratch.end = copy + text.size() + 1;
    scratch.directive = true;
    scratch.startOfLine = false;
    std::vector<Token> tokens;
    Token token;
    while (lexToken(scratch, token) == LexResult::Token) {
        token.line = 0;
        tokens.push_back(token);
    }
    return tokens;
}

std::string_view restOfLine(Level& level) {
    const char* start = level.pos;
    const char* p = start;
    while (p < level.end && *p != '\n') ++p;
    level.pos = p;
    return {start, static_cast<std::size_t>(p - start)};
}

namespace {

// Past the block comment that starts at p; its newlines count as lines.
const char* pastBlockComment(Level& level, const char* p) {
    const char* q = p + 2;
    while (q < level.end && !(*q == '*' && q[1] == '/')) {
        if (*q == '\n') ++level.line;
        ++q;
    }
    return q < level.end ? q + 2 : level.end;
}

}  // namespace

void skipRestOfLine(Level& level) {
    // Comments may carry the line on: they are skipped as tokens are.
    const bool wasDirective = level.directive;
    level.directive = true;
    const char* p = level.pos;
    while (p < level.end && *p != '\n') {
        if (*p == '/' && p[1] == '*') {
            p = pastBlockComment(level, p);
            continue;
        }
        if (*p == '"' || *p == '\'') {
            const char quote = *p++;
            while (p < level.end && *p != quote && *p != '\n') p += (*p == '\\' && p[1] != '\n') ? 2 : 1;
            if (p < level.end && *p == quote) ++p;
            continue;
        }
        ++p;
    }
    level.pos = p;
    level.directive = wasDirective;
}

void skipLineQuietly(Level& level) {
    skipRestOfLine(level);
    if (level.pos < level.end) {
        ++level.pos;
        ++level.line;
    }
    level.startOfLine = true;
}

bool atDirectiveStart(Level& level) {
    const char* p = level.pos;
    for (;;) {
        while (p < level.end && isHorizontalBlank(*p)) ++p;
        if (p[0] == '/' && p[1] == '*') {
            const char* q = p + 2;
            int lines = 0;
            while (q < level.end && !(*q == '*' && q[1] == '/')) lines += *q++ == '\n';
            if (q >= level.end || lines > 0) return false;
            p = q + 2;
            continue;
        }
        break;
    }
    if (p < level.end && *p == '#') {
        level.pos = p + 1;
        return true;
    }
    if (p[0] == '%' && p[1] == ':') {
        level.pos = p + 2;
        return true;
    }
    return false;
}

std::string_view readDirectiveName(Level& level) {
    const char* p = level.pos;
    for (;;) {
        while (p < level.end && isHorizontalBlank(*p)) ++p;
        if (p[0] == '/' && p[1] == '*') {
            p = pastBlockComment(level, p);
            continue;
        }
        break;
    }
    const char* start = p;
    while (p < level.end && isIdentChar(*p)) ++p;
    level.pos = p;
    return {start, static_cast<std::size_t>(p - start)};
}

}  // namespace analyser::prepro

