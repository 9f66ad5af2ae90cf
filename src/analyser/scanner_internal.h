// The scanner of the declaration parser, in two layers: the raw lexer turns
// preprocessed text into tokens and executes the line markers and size
// pragmas between them; the scanner proper decides the tokens that depend on
// where the parser stands (array bounds, initialisers, enumerator values and
// bit-field widths collected whole, function bodies skipped, linkage blocks)
// and classifies identifiers through the symbol table.
#pragma once

#include "analyser/types_internal.h"

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace analyser::decl {

enum class RawKind : std::uint8_t { End, Identifier, Number, Character, String, Punctuator, Other };

struct RawToken {
    RawKind kind = RawKind::End;
    std::string_view text;
    int line = 0;
    bool spaceBefore = false;
    bool is(char c) const { return text.size() == 1 && text[0] == c; }
    bool is(std::string_view s) const { return text == s; }
};

// What an open brace encloses, as far as the scanner must know.
enum class BraceKind : std::uint8_t {
    Other,      // not known yet (or nothing the scanner cares about)
    Block,      // a linkage block: the parser treats its braces as items of their own
    Aggregate,  // a structure, union or class body
    Enum,       // an enumeration body
};

struct BraceFrame {
    BraceKind kind = BraceKind::Other;
    int parens = 0;  // open parentheses at this level
};

struct SymbolTable;

struct Scanner {
    const SymbolTable* table = nullptr;  // where size pragmas look typedefs up
    std::string_view text;
    const char* pos = nullptr;
    const char* end = nullptr;
    int line = 1;
    Name file = 0;
    bool lineStart = true;
    // The last token handed to the parser, for the error text and rewinding.
    const char* tokenStart = nullptr;
    int tokenLine = 0;
    int lastCode = 0;
    std::vector<BraceFrame> braces{BraceFrame{}};  // braces[0] is the text itself
    bool skipBodyPending = false;
    int pendingModeBits = 0;  // a "mode" attribute read since the last declarator
    bool ended = false;  // the end of the text was handed to the parser
    std::deque<std::string> collected;  // texts of collected expressions
};

// Creates the scanner state for a text reported under file from firstLine.
void C_CPP_init_lex(Scanner& scanner, std::string_view text, std::string_view file, int firstLine);

// ---- Raw lexer ------------------------------------------------------------------

// The next token; line markers and pragma lines are executed on the way.
RawToken nextRaw(Scanner& scanner);

// Collects tokens up to (not including) a stop character or an unmatched
// closing bracket at nesting depth 0 (parentheses, brackets and braces are
// counted), or up to the closing character close when it is given (consumed,
// and the collection is then closed); the tokens as written, separated by
// single blanks where blanks stood.
struct Collected {
    std::string_view text;
    bool closed = false;
};
Collected collectUntil(Scanner& scanner, std::string_view stops, char close = 0);

// Skips a balanced group whose opening character was just read; false when
// the text ends first.
bool skipGroup(Scanner& scanner, char open);

// Skips blanks, line markers and pragma lines; the next character, 0 at the end.
char peekChar(Scanner& scanner);

// The current file name as text.
std::string_view currentFile(const Scanner& scanner);

// The text read so far, as a parameter of SYNTAXERR: its last 59
// characters when longer than 60, blanks for line ends and tabs.
std::string textReadSoFar(const Scanner& scanner);

// Whether nothing but blanks, line markers and pragma lines is left.
bool nothingLeft(const Scanner& scanner);

// Puts the last token back: it will be read again.
void unreadLastToken(Scanner& scanner);

// ---- Scanner proper --------------------------------------------------------------

// Brace frames above the text: the enclosing aggregate, enumeration and
// other braces that a syntax error must leave (linkage blocks excepted).
int nestedBraces(const Scanner& scanner);

// The builders tell the scanner what the brace just read opened.
void markLastBrace(Scanner& scanner, BraceKind kind);

// The next token read skips to the brace that closes the current one and
// returns it.
void requestBodySkip(Scanner& scanner);

// After a syntax error: skips to the next ";" at depth 0 (consumed), or to
// a "}" that closes a linkage block (left for the parser), or past a stray
// "}"; returns false when the text is exhausted.
bool resynchronise(Scanner& scanner);

// Keywords and the identifiers that stand for a type of the compiler.
struct Keyword {
    std::string_view word;
    int token;
    std::string_view meaning;  // the base word for type words ("__signed__" means "signed")
};
const Keyword* findKeyword(std::string_view word);

}  // namespace analyser::decl
