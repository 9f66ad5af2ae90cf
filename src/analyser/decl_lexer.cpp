// The raw lexer of the declaration parser: tokens of preprocessed text, the
// line markers and size pragmas between them, and the collection and
// skipping of balanced groups.
#include "analyser/scanner_internal.h"

#include "analyser/symbols_internal.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

namespace analyser::decl {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r'; }
bool isIdentStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '$'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isIdentChar(char c) { return isIdentStart(c) || isDigit(c); }

// ---- Lines beginning with "#" ------------------------------------------------------

struct LineWords {
    std::vector<std::string_view> words;  // identifiers, numbers, strings and punctuators
};

// The words of a "#" line from after the "#" to the end of the line.
LineWords wordsOf(std::string_view line) {
    LineWords result;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        std::size_t j = i + 1;
        if (isBlank(c)) {
            ++i;
            continue;
        }
        if (isIdentChar(c)) while (j < line.size() && isIdentChar(line[j])) ++j;
        else if (c == '"') {
            while (j < line.size() && line[j] != '"') j += line[j] == '\\' ? 2 : 1;
            j = std::min(j + 1, line.size());
        }
        result.words.push_back(line.substr(i, j - i));
        i = j;
    }
    return result;
}

std::string_view unquote(std::string_view s) {
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') return s.substr(1, s.size() - 2);
    return s;
}

bool allDigitsText(std::string_view s) {
    if (s.empty()) return false;
    for (const char c : s)
        if (!isDigit(c)) return false;
    return true;
}

// "line N "file"" or "N "file"": the next line is N of that file.
bool lineMarker(Scanner& s, const std::vector<std::string_view>& w) {
    std::size_t i = !w.empty() && w[0] == "line" ? 1 : 0;
    if (i >= w.size() || !allDigitsText(w[i])) return false;
    const long number = std::strtol(std::string(w[i]).c_str(), nullptr, 10);
    s.line = static_cast<int>(std::clamp(number, 1L, 2000000000L)) - 1;
    if (i + 1 < w.size() && w[i + 1].front() == '"') {
        const std::string_view name = unquote(w[i + 1]);
        s.file = name.empty() ? 0 : diag::internString(name);
    }
    return true;
}

// The name of a pragma line, "(name)" or "name", then "=" and a value.
bool pragmaOperands(const std::vector<std::string_view>& w, std::string_view& name, std::string_view& value) {
    std::size_t i = 3;
    const bool paren = i < w.size() && w[i] == "(";
    if (paren) ++i;
    if (i >= w.size()) return false;
    name = w[i++];
    if (paren && (i >= w.size() || w[i++] != ")")) return false;
    if (i + 1 >= w.size() || w[i] != "=") return false;
    value = w[i + 1];
    return true;
}

// The base type a typedef chain ends on, as a size pragma name.
std::string_view sizeNameOfTypedef(const SymbolTable* table, std::string_view name) {
    if (!table) return {};
    const Declaration* d = lookupName(*table, diag::internString(name), nullptr);
    if (!d || !(d->storage & kTypedef)) return {};
    const Type* t = resolveTypedefs(d->type);
    if (!t || t->kind != Kind::Integral) return {};
    const std::string_view base = diag::ribbonText(t->base.name);
    if (base.ends_with("long long")) return "longlong";
    if (base.ends_with("long")) return "long";
    if (base.ends_with("short")) return "short";
    if (base.ends_with("char")) return "char";
    if (base == "int" || base == "unsigned int") return "int";
    return {};
}

void sizePragma(const Scanner& s, const std::vector<std::string_view>& w) {
    std::string_view name, value;
    if (!pragmaOperands(w, name, value) || !allDigitsText(value)) return;
    const int bits = static_cast<int>(std::min(std::strtol(std::string(value).c_str(), nullptr, 10), 4096L));
    if (bits <= 0) return;
    if (setBaseTypeSize(name, bits)) return;
    if (const std::string_view base = sizeNameOfTypedef(s.table, name); !base.empty()) setBaseTypeSize(base, bits);
}

void signPragma(const Scanner& s, const std::vector<std::string_view>& w) {
    std::string_view name, value;
    if (!pragmaOperands(w, name, value) || (value != "signed" && value != "unsigned")) return;
    const bool isUnsigned = value == "unsigned";
    if (name == "char") {
        baseTypeSizes().charUnsigned = isUnsigned;
        return;
    }
    // A typedef chain ending on char sets plain char's signedness; other
    // base types have their sign in their name.
    if (sizeNameOfTypedef(s.table, name) == "char") baseTypeSizes().charUnsigned = isUnsigned;
}

void directiveLine(Scanner& s, std::string_view line) {
    const LineWords lw = wordsOf(line);
    const auto& w = lw.words;
    if (lineMarker(s, w)) return;
    if (w.size() < 3 || w[0] != "pragma" || w[1] != "vorne") return;
    if (w[2] == "sizeof") sizePragma(s, w);
    else if (w[2] == "signof") signPragma(s, w);
}

// At the start of a line: a "#" line is read whole and executed.
void readDirective(Scanner& s) {
    const char* lineEnd = static_cast<const char*>(std::memchr(s.pos, '\n', static_cast<std::size_t>(s.end - s.pos)));
    if (!lineEnd) lineEnd = s.end;
    directiveLine(s, std::string_view(s.pos + 1, static_cast<std::size_t>(lineEnd - s.pos - 1)));
    s.pos = lineEnd;
}

// Skips blanks, newlines and "#" lines.
bool skipSpace(Scanner& s) {
    bool any = false;
    while (s.pos < s.end) {
        const char c = *s.pos;
        if (c == '\n') {
            ++s.line;
            s.lineStart = true;
            ++s.pos;
        } else if (isBlank(c)) {
            ++s.pos;
        } else if (c == '#' && s.lineStart) {
            readDirective(s);
        } else {
            break;
        }
        any = true;
    }
    return any;
}

// ---- Tokens ---------------------------------------------------------------------------

// The punctuators of more than one character, by their first character.
constexpr std::array<std::string_view, 25> kPunctuators = {
    "...", "<<=", ">>=", "->*", "::", "->", "++", "--", "<<", ">>", "<=", ">=", "==",
    "!=",  "&&",  "||",  "*=",  "/=", "%=", "+=", "-=", "&=", "^=", "|=", ".*"};
static_assert(kPunctuators.size() == 25);

bool startsPunctuator(char c) { return std::strchr(".<>-:+=!&|*/%^", c) != nullptr; }

std::size_t punctuatorLength(const char* p, const char* end) {
    if (!startsPunctuator(*p) || end - p < 2) return 1;
    const std::size_t left = static_cast<std::size_t>(end - p);
    for (const auto punct : kPunctuators)
        if (punct[0] == p[0] && punct[1] == p[1] && punct.size() <= left &&
            std::memcmp(p, punct.data(), punct.size()) == 0)
            return punct.size();
    return 1;
}

const char* quotedEnd(const char* p, const char* end, char quote) {
    ++p;
    while (p < end && *p != quote && *p != '\n') p += (*p == '\\' && p + 1 < end && p[1] != '\n') ? 2 : 1;
    return p < end && *p == quote ? p + 1 : p;
}

// A raw string R"delim(...)delim": the end, or the end of the text.
const char* rawStringEnd(const char* p, const char* end) {
    const char* open = static_cast<const char*>(std::memchr(p, '(', static_cast<std::size_t>(end - p)));
    if (!open || open - p > 17) return quotedEnd(p, end, '"');
    const std::string closing = ")" + std::string(p + 1, open) + "\"";
    const std::string_view rest(open, static_cast<std::size_t>(end - open));
    const auto at = rest.find(closing);
    return at == std::string_view::npos ? end : open + at + closing.size();
}

const char* numberEnd(const char* p, const char* end) {
    ++p;
    while (p < end) {
        const char c = *p;
        if (isIdentChar(c) || c == '.' || (c == '\'' && p + 1 < end && isIdentChar(p[1]))) ++p;
        else if ((c == '+' || c == '-') && std::strchr("eEpP", p[-1])) ++p;
        else break;
    }
    return p;
}

// A literal with an encoding prefix (L, u, U, u8, R and their mixes).
bool prefixedLiteral(const char* start, const char* p, const char* end, RawToken& token, Scanner& s) {
    if (p >= end || (*p != '"' && *p != '\'')) return false;
    const std::string_view prefix(start, static_cast<std::size_t>(p - start));
    static constexpr std::array<std::string_view, 10> kPrefixes = {"L",  "u",   "U",   "u8",  "R",
                                                                   "LR", "uR",  "UR",  "u8R", ""};
    bool known = false;
    for (const auto k : kPrefixes) known = known || (k == prefix && !k.empty());
    if (!known) return false;
    const bool raw = prefix.back() == 'R' && *p == '"';
    const char* stop = raw ? rawStringEnd(p, end) : quotedEnd(p, end, *p);
    for (const char* q = p; q < stop; ++q)
        if (*q == '\n') ++s.line;
    token.kind = *p == '"' ? RawKind::String : RawKind::Character;
    token.text = std::string_view(start, static_cast<std::size_t>(stop - start));
    s.pos = stop;
    return true;
}

void identifierOrLiteral(Scanner& s, RawToken& token) {
    const char* start = s.pos;
    const char* p = s.pos + 1;
    while (p < s.end && isIdentChar(*p)) ++p;
    if (prefixedLiteral(start, p, s.end, token, s)) return;
    token.kind = RawKind::Identifier;
    token.text = std::string_view(start, static_cast<std::size_t>(p - start));
    s.pos = p;
}

void literal(Scanner& s, RawToken& token) {
    const char* stop = quotedEnd(s.pos, s.end, *s.pos);
    token.kind = *s.pos == '"' ? RawKind::String : RawKind::Character;
    token.text = std::string_view(s.pos, static_cast<std::size_t>(stop - s.pos));
    s.pos = stop;
}

}  // namespace

std::string_view currentFile(const Scanner& scanner) {
    return scanner.file ? diag::ribbonText(scanner.file) : std::string_view{};
}

void C_CPP_init_lex(Scanner& scanner, std::string_view text, std::string_view file, int firstLine) {
    scanner = Scanner{};
    scanner.text = text;
    scanner.pos = text.data();
    scanner.end = text.data() + text.size();
    scanner.tokenStart = scanner.pos;
    scanner.line = firstLine;
    scanner.tokenLine = firstLine;
    scanner.file = file.empty() ? 0 : diag::internString(file);
}

RawToken nextRaw(Scanner& s) {
    RawToken token;
    token.spaceBefore = skipSpace(s);
    token.line = s.line;
    if (s.pos >= s.end) return token;
    s.lineStart = false;
    const char c = *s.pos;
    if (isIdentStart(c)) identifierOrLiteral(s, token);
    else if (isDigit(c) || (c == '.' && s.pos + 1 < s.end && isDigit(s.pos[1]))) {
        const char* stop = numberEnd(s.pos, s.end);
        token.kind = RawKind::Number;
        token.text = std::string_view(s.pos, static_cast<std::size_t>(stop - s.pos));
        s.pos = stop;
    } else if (c == '"' || c == '\'') literal(s, token);
    else {
        const std::size_t length = punctuatorLength(s.pos, s.end);
        const bool printable = static_cast<unsigned char>(c) > ' ' && static_cast<unsigned char>(c) < 127;
        token.kind = printable ? RawKind::Punctuator : RawKind::Other;
        token.text = std::string_view(s.pos, length);
        s.pos += length;
    }
    return token;
}

char peekChar(Scanner& scanner) {
    skipSpace(scanner);
    return scanner.pos < scanner.end ? *scanner.pos : 0;
}

namespace {

int depthChange(const RawToken& t) {
    if (t.kind != RawKind::Punctuator || t.text.size() != 1) return 0;
    const char c = t.text[0];
    if (c == '(' || c == '[' || c == '{') return 1;
    if (c == ')' || c == ']' || c == '}') return -1;
    return 0;
}

}  // namespace

Collected collectUntil(Scanner& s, std::string_view stops, char close) {
    std::string text;
    bool closed = false;
    int depth = 0;
    for (;;) {
        const char* before = s.pos;
        const int lineBefore = s.line;
        const bool lineStartBefore = s.lineStart;
        const RawToken t = nextRaw(s);
        if (t.kind == RawKind::End) break;
        if (depth == 0 && close && t.is(close)) {
            closed = true;
            break;
        }
        const bool stop = depth == 0 && ((t.text.size() == 1 && stops.find(t.text[0]) != std::string_view::npos) ||
                                         depthChange(t) < 0);
        if (stop) {  // the stop is left for the parser
            s.pos = before;
            s.line = lineBefore;
            s.lineStart = lineStartBefore;
            break;
        }
        depth = std::max(0, depth + depthChange(t));
        if (!text.empty() && t.spaceBefore) text += ' ';
        text += t.text;
    }
    return {s.collected.emplace_back(std::move(text)), closed};
}

bool skipGroup(Scanner& s, char open) {
    const char close = open == '(' ? ')' : open == '[' ? ']' : '}';
    int depth = 1;
    for (RawToken t = nextRaw(s); t.kind != RawKind::End; t = nextRaw(s)) {
        if (t.is(open)) ++depth;
        else if (t.is(close) && --depth == 0) return true;
    }
    return false;
}

// The lines read so far, from the last one back, without line markers and
// pragma lines, until there are enough characters.
std::string textReadSoFar(const Scanner& scanner) {
    const char* begin = scanner.text.data();
    const char* lineEnd = scanner.pos;
    std::string read;
    while (lineEnd > begin && read.size() <= 60) {
        const char* lineStart = lineEnd;
        while (lineStart > begin && lineStart[-1] != '\n') --lineStart;
        std::string_view line(lineStart, static_cast<std::size_t>(lineEnd - lineStart));
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] != '#')
            read.insert(0, std::string(line) + (read.empty() ? "" : "\n"));
        lineEnd = lineStart > begin ? lineStart - 1 : begin;
    }
    while (!read.empty() && (read.front() == '\n' || read.front() == ' ')) read.erase(0, 1);
    if (read.size() > 60) read = read.substr(read.size() - 59);
    for (char& c : read)
        if (c == '\n' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\0') c = ' ';
    return read;
}

bool nothingLeft(const Scanner& scanner) {
    bool lineStart = scanner.lineStart;
    for (const char* p = scanner.pos; p < scanner.end; ++p) {
        if (*p == '\n') lineStart = true;
        else if (*p == '#' && lineStart) {
            while (p < scanner.end && *p != '\n') ++p;
            lineStart = true;
        } else if (!isBlank(*p)) return false;
    }
    return true;
}

void unreadLastToken(Scanner& scanner) {
    scanner.pos = scanner.tokenStart;
    scanner.line = scanner.tokenLine;
}

}  // namespace analyser::decl
