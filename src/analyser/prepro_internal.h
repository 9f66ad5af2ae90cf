// Shared between the files of the preprocessor only: tokens, input levels,
// macros, the conditional stack and the one state record of the run.
#pragma once

#include "analyser/preprocessor.h"

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace analyser::prepro {

// ---- Tokens ---------------------------------------------------------------

enum class TokenKind : std::uint8_t {
    End,          // end of a line in a directive, of a file, or of a barrier level
    Identifier,
    Number,
    Character,
    String,
    Punctuator,
    Other,        // a stray character
    Placemarker,  // an empty argument during substitution
    Parameter,    // in a macro body: a parameter reference (index in `line`)
    Stringify,    // in a macro body: "#" applied to a parameter (index in `line`)
    Paste,        // in a macro body: the "##" operator
    VaOpt,        // in a macro body: "__VA_OPT__(" opening its group
    VaOptEnd,     // in a macro body: the ")" closing that group
};

enum TokenFlag : std::uint8_t {
    kLeadingSpace = 1,  // blanks or a comment stood before it
    kNoExpand = 2,      // met while its macro was disabled: never expanded
    kStartOfLine = 4,   // first token of a source line
    kVaComma = 8,       // in a body: the comma of ", ## __VA_ARGS__"
};

struct Token {
    std::string_view text;
    TokenKind kind = TokenKind::End;
    std::uint8_t flags = 0;
    std::int32_t line = 0;  // source line of a file token, 0 for generated ones

    bool is(char c) const { return text.size() == 1 && text[0] == c; }
    bool is(std::string_view s) const { return text == s; }
};

// ---- Character classes ----------------------------------------------------

enum CharClass : std::uint8_t {
    kIdentChar = 1,
    kIdentStart = 2,
    kHorizontalBlank = 4,
    kBlank = 8,
    kDigit = 16,
};
constexpr std::array<std::uint8_t, 256> makeCharClasses() {
    std::array<std::uint8_t, 256> table{};
    for (int c = 'a'; c <= 'z'; ++c) table[c] = kIdentChar | kIdentStart;
    for (int c = 'A'; c <= 'Z'; ++c) table[c] = kIdentChar | kIdentStart;
    for (int c = '0'; c <= '9'; ++c) table[c] = kIdentChar | kDigit;
    table['_'] = table['$'] = kIdentChar | kIdentStart;
    for (int c : {' ', '\t', '\v', '\f', '\r'}) table[c] = kHorizontalBlank | kBlank;
    table['\n'] = kBlank;
    return table;
}
inline constexpr std::array<std::uint8_t, 256> kCharClasses = makeCharClasses();
inline bool isIdentChar(char c) { return kCharClasses[static_cast<unsigned char>(c)] & kIdentChar; }
inline bool isIdentStart(char c) { return kCharClasses[static_cast<unsigned char>(c)] & kIdentStart; }
inline bool isHorizontalBlank(char c) {
    return kCharClasses[static_cast<unsigned char>(c)] & kHorizontalBlank;
}
inline bool isDigit(char c) { return kCharClasses[static_cast<unsigned char>(c)] & kDigit; }

// ---- Macros ---------------------------------------------------------------

enum class MacroKind : std::uint8_t {
    Ordinary, Line, Date, File, BaseFile, IncludeLevel, Time, Constant
};

struct Macro {
    std::string name;
    MacroKind kind = MacroKind::Ordinary;
    bool functionLike = false;
    bool variadic = false;
    bool disabled = false;
    bool fromText = true;  // defined by a text (removed at close-down)
    int paramCount = 0;
    long constant = 0;
    std::string parameterSpelling;  // for the redefinition check
    std::string storage;            // the spellings the body tokens point into
    std::vector<Token> body;
};

// ---- Input levels ---------------------------------------------------------

// Files and texts read at once; an "#include" beyond is refused (NBRECURSI).
inline constexpr int kMaxTextLevels = 2000;

struct Level {
    bool isFile = false;  // a text or a file (as opposed to a token list)
    int serial = 0;       // tells apart the files that used the same entry
    int outerText = -1;   // index of the text level below, -1 when none
    int outerNamed = -1;  // index of the named level below, -1 when none
    // Text levels.
    std::string name;
    bool named = false;
    std::string text;
    const char* pos = nullptr;
    const char* end = nullptr;
    int line = 1;
    bool startOfLine = true;
    bool directive = false;  // lexing the rest of a directive line
    std::size_t condDepth = 0;
    int searchIndex = -1;  // search list entry through which the file was found
    bool guardOpen = false;      // the file opened with "#ifndef GUARD"
    bool guardClosed = false;    // ... and that conditional is closed
    bool guardSpoiled = false;   // something stands outside of it
    std::string guardName;
    std::string path;            // the file's path, for the include guard record
    // Token levels.
    std::vector<Token> tokens;
    std::size_t next = 0;
    Macro* macro = nullptr;  // re-enabled when the level is popped
    bool barrier = false;    // reading stops at its end instead of popping it
};

// ---- Conditionals ---------------------------------------------------------

struct Conditional {
    std::string fileName;
    int line = 0;
    int lastType = 0;  // 3 ifdef, 4 ifndef, 5 if, 6 else, 7 elif
    bool taken = false;
    std::string openedAs;  // "ifdef", "ifndef", "if"
};

// ---- Macro table ----------------------------------------------------------

// Open addressing on the name's hash: one probe on average whatever its size.
class MacroTable {
public:
    MacroTable();
    Macro* find(std::string_view name) const;
    // Inserts or replaces; the replaced definition is kept alive until the
    // next safe point (tokens may still point into it).
    void insert(std::unique_ptr<Macro> macro);
    bool erase(std::string_view name);
    // Removes every macro for which remove(macro) is true.
    template <typename F> void eraseIf(F remove) {
        for (auto& slot : slots_)
            if (slot.macro && remove(*slot.macro)) {
                retired_.push_back(std::move(slot.macro));
                slot.tombstone = true;
                --count_;
            }
    }
    void releaseRetired() { retired_.clear(); }

private:
    struct Slot {
        std::size_t hash = 0;
        std::unique_ptr<Macro> macro;
        bool tombstone = false;
    };
    std::size_t locate(std::string_view name, std::size_t hash) const;
    void grow();
    std::vector<Slot> slots_;
    std::size_t count_ = 0;
    std::size_t used_ = 0;  // live entries and tombstones
    std::vector<std::unique_ptr<Macro>> retired_;
};

std::size_t hashName(std::string_view name);

// ---- Arena for generated spellings ----------------------------------------

class Arena {
public:
    std::string_view store(std::string_view text);
    char* allocate(std::size_t size);
    void reset();

private:
    std::vector<std::unique_ptr<char[]>> chunks_;
    std::vector<std::unique_ptr<char[]>> large_;
    std::size_t used_ = 0;
    std::size_t chunkSize_ = 0;
};

// ---- The state of the run ---------------------------------------------------

struct UserPragma {
    std::string pattern;
    std::string replacement;
};

struct State {
    bool ansi = true;
    bool kAndR = false;
    ReportCallback report = nullptr;
    MacroTable macros;
    Arena arena;
    std::deque<Level> levels;  // entries past `depth` are kept for reuse
    std::size_t depth = 0;
    Level* topLevel = nullptr;  // levels[depth - 1], read on every token
    int fileLevels = 0;
    int topText = -1;   // index of the innermost text level
    int topNamed = -1;  // index of the innermost named level
    int serials = 0;
    std::vector<Conditional> conditionals;
    bool skipping = false;  // inside a group that is not taken
    int skipNesting = 0;    // conditionals opened inside the skipped group
    std::vector<std::string> searchList;
    std::vector<std::string> includedFiles;
    std::unordered_map<std::string, bool> includedSet;
    std::unordered_map<std::string, std::string> includeGuards;  // path -> guard macro
    std::unordered_map<std::string, bool> onceFiles;             // "#pragma once"
    std::unordered_map<std::string, int> pathExists;              // per text: 1 file, 0 none
    std::vector<UserPragma> userPragmas;
    std::unordered_map<std::string, std::vector<std::string>> assertions;  // "#assert"
    std::vector<TypeModifier> typeModifiers;
    BaseTypeSizes sizes;
    bool analysisOn = true;
    bool forced = false;
    int errorCount = 0;
    int collecting = 0;  // macro arguments being collected
    int expansionDepth = 0;
    bool inIfExpression = false;
    bool stackExhausted = false;  // the current text was abandoned
    // Output.
    std::string* out = nullptr;
    int outSerial = -1;  // the text level whose lines the output follows
    int outLine = 0;
    bool outAtLineStart = true;
    TokenKind lastKind = TokenKind::End;
    char lastChar = 0;
    const char* lastEnd = nullptr;  // for tokens read from a text
    bool lastFromText = false;
    bool timeRead = false;
    std::string dateText, timeText;
};

// The one state of the run (inline: it is read on every token).
inline State& state() {
    static State s;
    return s;
}

// ---- Reporting ------------------------------------------------------------

void report(int severity, std::string_view code, std::string_view parameter = {});
void reportAt(int severity, std::string_view code, std::string_view parameter,
              std::string_view fileName, int line);
// The innermost named level, or null.
const Level* innermostNamedLevel();

// ---- Levels (preprocessor.cpp) ----------------------------------------------

inline Level& top() { return *state().topLevel; }
// Pushes a text level (text already prepared); false when the stack is full.
bool pushTextLevel(std::string text, std::string_view name, bool named, int firstLine);
// Pushes a token level; false when the stack is full.
bool pushTokenLevel(std::vector<Token> tokens, Macro* macro, bool barrier);
void popLevel();
// Ends the current text: every level above base is popped.
void abandonLevelsAbove(std::size_t base);

// ---- Lexing (prepro_lexer.cpp) ----------------------------------------------

// Removes backslash-newlines (the line count is kept by moving the newlines
// to the end of the joined line), replaces trigraphs and NUL bytes.
void prepareText(std::string& text, std::string_view name);

enum class LexResult { Token, Directive, End };
// The next token of a text level; a "#" opening a line yields Directive with
// the level positioned after it.
LexResult lexToken(Level& level, Token& token);
// The spelling of a pasted text as tokens (for "##").
std::vector<Token> relex(std::string_view text);
// The rest of the current directive line, raw; the level stays before the newline.
std::string_view restOfLine(Level& level);
// Skips to the end of the current line (the newline itself is left).
void skipRestOfLine(Level& level);
// Skips one line from the current position, including its newline, without
// diagnostics; comments that span lines are skipped whole.
void skipLineQuietly(Level& level);
// Blanks and comments on the current line are skipped; true when the next
// character is "#" opening a directive.
bool atDirectiveStart(Level& level);
// The directive name after "#" (blanks and comments may stand before it).
std::string_view readDirectiveName(Level& level);

// ---- Macros (prepro_macros.cpp) ---------------------------------------------

void defineFromLine(Level& level);  // "#define" with the level after the name
void undefFromLine(Level& level);
void defineSpecialMacros(bool kAndR);
void defineText(std::string_view text, std::string_view levelName);  // "NAME body"
void removeTextMacros();

// ---- Expansion (prepro_expand.cpp) --------------------------------------------

// The next token after macro expansion; End at the end of a directive line,
// of a file or of a barrier level.
void nextExpanded(Token& token);
// The next token without expansion (contexts popped, disabled macros painted).
void nextRaw(Token& token);
// Expands a list of tokens completely (arguments, directive lines).
std::vector<Token> expandTokens(std::vector<Token> tokens);
// Reads the rest of a directive line as raw tokens.
std::vector<Token> directiveTokens(Level& level);
std::string spell(const std::vector<Token>& tokens);

// ---- Directives (prepro_directives.cpp) ---------------------------------------

// Runs the directive whose "#" was just read from the top level.
void runDirective(Level& level);
// Skips lines while the current group is not taken or analysis is off; false
// when the level ended.
void skipLines(Level& level);
bool linesAreSkipped();
// Conditionals opened in the level and still open are reported and dropped.
void closeConditionalsOf(const Level& level);
void reportOpenConditionals();

// ---- #if (prepro_ifexpr.cpp) --------------------------------------------------

bool evaluateCondition(const std::vector<Token>& line, std::string_view directive);

// ---- Includes (prepro_include.cpp) ----------------------------------------------

void buildSearchList(const std::vector<std::string>& directories);
// once: the file is never read again afterwards ("#import").
void runInclude(Level& level, bool next, bool once);
bool hasInclude(std::string_view name, bool angled, bool next);
void appendSearchDirectory(const std::string& directory);
void finishFileLevel(Level& level);  // include guard bookkeeping at its end
void markIncludedOnce(const Level& level);  // "#pragma once"

// ---- Pragmas (prepro_pragma.cpp) ------------------------------------------------

void runPragma(Level& level);
// A pragma given as tokens (after "#pragma" or from "_Pragma").
void runPragmaTokens(const std::vector<Token>& tokens, int line);
// While analysis is off: true when the pragma line turns it on again.
void runPragmaWhileOff(Level& level);

// ---- Output (preprocessor.cpp) ------------------------------------------------

void writeToken(const Token& token);
// A directive line copied to the output at the start of a line of its own.
void writeDirectiveLine(std::string_view text, int line);

}  // namespace analyser::prepro
