// The directive table and its dispatcher, conditionals and skipped groups,
// "#line", "#warning" and "#error".
#include "analyser/prepro_internal.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace analyser::prepro {

namespace {

enum NodeType : int {
    kDefine = 1, kInclude = 2, kIfdef = 3, kIfndef = 4, kIf = 5, kElse = 6, kElif = 7,
    kUndef = 8, kEndif = 9, kPragma = 22, kWarningError = 23, kLine = 24, kAssert = 25
};

struct Directive;
using Handler = void (*)(Level&, const Directive&, int line);

struct Directive {
    std::string_view name;
    Handler handler;
    int type;
    bool angleBrackets;
    bool keepsComments;
    bool copiedToOutput;
};

void doDefine(Level& level, const Directive&, int) { defineFromLine(level); }
void doUndef(Level& level, const Directive&, int);
void doIfdef(Level& level, const Directive& d, int line);
void doIf(Level& level, const Directive& d, int line);
void doElse(Level& level, const Directive& d, int line);
void doElif(Level& level, const Directive& d, int line);
void doEndif(Level& level, const Directive& d, int line);
void doInclude(Level& level, const Directive& d, int) {
    runInclude(level, d.name.size() == 12, false);
}
// "#import": an "#include" after which the file is never read again.
void doImport(Level& level, const Directive&, int) { runInclude(level, false, true); }
void doAssert(Level& level, const Directive& d, int);
void doPragma(Level& level, const Directive&, int) { runPragma(level); }
void doWarning(Level& level, const Directive& d, int line);
void doLine(Level& level, const Directive& d, int line);

constexpr Directive kDirectives[] = {
    {"define", doDefine, kDefine, false, true, false},
    {"if", doIf, kIf, false, false, false},
    {"ifdef", doIfdef, kIfdef, false, false, false},
    {"ifndef", doIfdef, kIfndef, false, false, false},
    {"endif", doEndif, kEndif, false, false, false},
    {"else", doElse, kElse, false, false, false},
    {"elif", doElif, kElif, false, false, false},
    {"include", doInclude, kInclude, true, false, false},
    {"include_next", doInclude, kInclude, true, false, false},
    {"undef", doUndef, kUndef, false, false, false},
    {"pragma", doPragma, kPragma, false, false, false},
    {"warning", doWarning, kWarningError, false, false, true},
    {"error", doWarning, kWarningError, false, false, true},
    {"line", doLine, kLine, false, false, false},
    {"import", doImport, kInclude, true, false, false},
    {"assert", doAssert, kAssert, false, false, false},
    {"unassert", doAssert, kAssert, false, false, false},
};
static_assert(std::size(kDirectives) == 17);

const Directive* findDirective(std::string_view name) {
    for (const auto& d : kDirectives)
        if (d.name.size() == name.size() && d.name == name) return &d;
    return nullptr;
}

// Lines of other tools that pass through without a word.
constexpr std::string_view kPassThrough[] = {"ident", "sccs"};
static_assert(std::size(kPassThrough) == 2);

void finishDirectiveLine(Level& level) {
    skipRestOfLine(level);
    if (level.pos < level.end && *level.pos == '\n') {
        ++level.pos;
        ++level.line;
    }
    level.startOfLine = true;
    level.directive = false;
}

std::string directiveLabel(const Directive& d) { return "#" + std::string(d.name); }

// ---- Conditionals ------------------------------------------------------------------

bool ownsOpenConditional(const Level& level) {
    return state().conditionals.size() > level.condDepth;
}

void openConditional(const Level& level, int type, int line, bool value, std::string_view as) {
    State& s = state();
    Conditional c;
    c.fileName = level.named ? level.name : std::string();
    c.line = line;
    c.lastType = type;
    c.taken = value;
    c.openedAs = std::string(as);
    s.conditionals.push_back(std::move(c));
    s.skipping = !value;
    s.skipNesting = 0;
}

void reportMatchLine(const Level& level) {
    const Conditional& c = state().conditionals.back();
    std::string where = " " + std::to_string(c.line);
    if (c.fileName != (level.named ? level.name : std::string())) where += " file " + c.fileName;
    report(kInformation, "MATCHLINE", where);
}

void doIfdef(Level& level, const Directive& d, int line) {
    const State& s = state();
    Token name;
    lexToken(level, name);
    bool value = false;
    if (name.kind == TokenKind::End) {
        if (!s.kAndR) report(kWarning, "NOARGUMEN", directiveLabel(d));
    } else if (name.kind == TokenKind::Number) {
        if (s.ansi) report(kWarning, "STARTDIGI", directiveLabel(d));
    } else if (name.kind != TokenKind::Identifier) {
        if (!s.kAndR) report(kWarning, "ARGPUNCTU", directiveLabel(d));
    } else {
        const bool defined = s.macros.find(name.text) != nullptr;
        value = d.type == kIfdef ? defined : !defined;
        Token extra;
        if (lexToken(level, extra) == LexResult::Token && !s.kAndR)
            report(kWarning, "INVALIEND", directiveLabel(d));
        if (d.type == kIfndef && !ownsOpenConditional(level) && !level.guardOpen && !level.guardSpoiled) {
            level.guardOpen = true;
            level.guardName = std::string(name.text);
        }
    }
    openConditional(level, d.type, line, value, d.name);
}

// ---- Assertions ----------------------------------------------------------------------

// "predicate(answer)": the predicate and the answer's tokens, one blank
// between them; false when the parentheses are missing or unbalanced.
bool readAssertion(const std::vector<Token>& tokens, std::size_t& at, std::string& predicate,
                   std::string& answer) {
    if (at >= tokens.size() || tokens[at].kind != TokenKind::Identifier) return false;
    predicate = std::string(tokens[at++].text);
    answer.clear();
    if (at >= tokens.size() || !tokens[at].is('(')) return true;
    int depth = 0;
    for (; at < tokens.size(); ++at) {
        if (tokens[at].is('(') && depth++ == 0) continue;
        if (tokens[at].is(')') && --depth == 0) break;
        if (!answer.empty()) answer += ' ';
        answer += tokens[at].text;
    }
    if (at == tokens.size() || answer.empty()) return false;
    ++at;
    return true;
}

// "#assert predicate(answer)" and "#unassert predicate[(answer)]".
void doAssert(Level& level, const Directive& d, int) {
    auto& answers = state().assertions;
    const std::vector<Token> tokens = directiveTokens(level);
    std::size_t at = 0;
    std::string predicate, answer;
    const bool adding = d.name == "assert";
    const bool read = readAssertion(tokens, at, predicate, answer) && at == tokens.size();
    if (!read || (adding && answer.empty())) {
        report(kWarning, "SYNTAXERR", directiveLabel(d) + " " + spell(tokens));
        return;
    }
    auto& known = answers[predicate];
    std::erase(known, answer);
    if (adding) known.push_back(answer);
    else if (answer.empty()) known.clear();
}

bool asserted(const std::string& predicate, const std::string& answer) {
    const auto it = state().assertions.find(predicate);
    if (it == state().assertions.end()) return false;
    if (answer.empty()) return !it->second.empty();
    return std::find(it->second.begin(), it->second.end(), answer) != it->second.end();
}

// "#predicate(answer)" and "#predicate" in a condition become 1 or 0.
std::vector<Token> withAssertionsTested(std::vector<Token> tokens) {
    if (std::none_of(tokens.begin(), tokens.end(), [](const Token& t) { return t.is('#'); })) return tokens;
    std::vector<Token> out;
    for (std::size_t i = 0; i < tokens.size();) {
        std::size_t at = i + 1;
        std::string predicate, answer;
        if (!tokens[i].is('#') || !readAssertion(tokens, at, predicate, answer)) {
            out.push_back(tokens[i++]);
            continue;
        }
        Token value = tokens[i];
        value.kind = TokenKind::Number;
        value.text = asserted(predicate, answer) ? "1" : "0";
        out.push_back(value);
        i = at;
    }
    return out;
}

// "#machine(" and "#lint(on)" are old spellings kept for the analysed headers.
std::vector<Token> conditionTokens(Level& level) {
    const char* start = level.pos;
    const std::string_view rest = restOfLine(level);
    const bool machine = rest.find("#machine(") != std::string_view::npos;
    const bool lint = rest.find("#lint(on)") != std::string_view::npos;
    if (!machine && !lint) {
        level.pos = start;
        return withAssertionsTested(directiveTokens(level));
    }
    std::string text(rest);
    for (std::size_t at; (at = text.find("#machine(")) != std::string::npos;)
        text.replace(at, 9, " defined(");
    for (std::size_t at; (at = text.find("#lint(on)")) != std::string::npos;)
        text.replace(at, 9, "  (0)    ");
    return withAssertionsTested(relex(text));
}

void doIf(Level& level, const Directive& d, int line) {
    const bool outside = !ownsOpenConditional(level);
    const std::vector<Token> tokens = conditionTokens(level);
    const bool value = evaluateCondition(tokens, directiveLabel(d));
    // "#if !defined NAME" guards a file as "#ifndef NAME" does.
    if (outside && !level.guardOpen && !level.guardSpoiled && tokens.size() >= 3 &&
        tokens[0].is('!') && tokens[1].is("defined")) {
        const bool paren = tokens[2].is('(');
        const std::size_t n = paren ? 5 : 3;
        if (tokens.size() == n && tokens[n - (paren ? 2 : 1)].kind == TokenKind::Identifier &&
            (!paren || tokens[4].is(')'))) {
            level.guardOpen = true;
            level.guardName = std::string(tokens[n - (paren ? 2 : 1)].text);
        }
    }
    openConditional(level, kIf, line, value, "if");
}

// "#else" and "#elif" checks; false when the directive has no conditional.
bool checkAlternative(Level& level, const Directive& d, bool skipped) {
    if (!ownsOpenConditional(level)) {
        report(kWarning, "NOCONDITI", directiveLabel(d));
        return false;
    }
    if (state().conditionals.back().lastType == kElse) {
        report(kWarning, "ELIFAELSE", skipped ? std::string("else or elif") : directiveLabel(d));
        reportMatchLine(level);
    }
    return true;
}

void doElse(Level& level, const Directive& d, int) {
    State& s = state();
    const bool skipped = s.skipping;
    if (!checkAlternative(level, d, skipped)) return;
    Conditional& c = s.conditionals.back();
    c.lastType = kElse;
    s.skipping = c.taken;
    c.taken = true;
    s.skipNesting = 0;
}

void doElif(Level& level, const Directive& d, int) {
    State& s = state();
    const bool skipped = s.skipping;
    if (!checkAlternative(level, d, skipped)) return;
    Conditional& c = s.conditionals.back();
    c.lastType = kElif;
    s.skipNesting = 0;
    if (c.taken) {
        s.skipping = true;
        return;
    }
    const bool value = evaluateCondition(conditionTokens(level), directiveLabel(d));
    Conditional& after = s.conditionals.back();
    after.taken = value;
    s.skipping = !value;
}

void doEndif(Level& level, const Directive&, int) {
    State& s = state();
    if (!ownsOpenConditional(level)) {
        report(kWarning, "UNBAENDIF");
        return;
    }
    s.conditionals.pop_back();
    s.skipping = false;
    s.skipNesting = 0;
    if (level.guardOpen && !level.guardClosed && s.conditionals.size() == level.condDepth)
        level.guardClosed = true;
}

void doUndef(Level& level, const Directive& d, int) {
    undefFromLine(level);
    Token extra;
    if (lexToken(level, extra) == LexResult::Token && !state().kAndR)
        report(kWarning, "INVALIEND", directiveLabel(d));
}

// ---- #line, #warning, #error ------------------------------------------------------------

void doWarning(Level& level, const Directive& d, int line) {
    std::string text = "#" + std::string(d.name) + " ";
    std::string_view rest = restOfLine(level);
    while (!rest.empty() && isHorizontalBlank(rest.front())) rest.remove_prefix(1);
    while (!rest.empty() && isHorizontalBlank(rest.back())) rest.remove_suffix(1);
    text += rest.substr(0, 8191);
    report(kWarning, "WARNERR", text);
    writeDirectiveLine(text, line);
}

void renameLevel(Level& level, const std::string& name) {
    State& s = state();
    level.name = name;
    level.serial = ++s.serials;
    if (!name.empty() && !level.named && &level == &top()) {
        level.named = true;
        s.topNamed = s.topText;
    }
}

void doLine(Level& level, const Directive&, int) {
    std::vector<Token> tokens = directiveTokens(level);
    if (!tokens.empty() && tokens[0].kind != TokenKind::Number) tokens = expandTokens(tokens);
    const std::string text = spell(tokens);
    char* endOfNumber = nullptr;
    const long number = std::strtol(text.c_str(), &endOfNumber, 10);
    if (tokens.empty() || tokens[0].kind != TokenKind::Number || endOfNumber == text.c_str() ||
        number <= 0 || number > 0x7fffffffL) {
        report(kWarning, "DIESELINE", text);
        return;
    }
    std::string name = endOfNumber;
    for (char& c : name)
        if (c == '"') c = ' ';
    const auto first = name.find_first_not_of(" \t");
    name = first == std::string::npos ? std::string() : name.substr(first, name.find_last_not_of(" \t") - first + 1);
    if (!name.empty()) renameLevel(level, name);
    level.line = static_cast<int>(number) - 1;
    level.serial = ++state().serials;
}

// ---- Dispatch ---------------------------------------------------------------------------

// Lines whose word is not a directive are copied as they stand.
// hash is just after the "#"; line markers ("# 12 \"file\"") pass silently.
void copyUnknownLine(Level& level, const char* hash, std::string_view name, int line) {
    const std::string_view rest = restOfLine(level);
    const std::string_view text(hash, static_cast<std::size_t>(rest.data() + rest.size() - hash));
    if (text.find_first_not_of(" \t\r\v\f") == std::string_view::npos) return;  // null directive
    bool known = name.empty() || isDigit(name.front());
    for (const auto word : kPassThrough) known = known || word == name;
    if (!known) report(kWarning, "UNKNODIR", "#" + std::string(name));
    writeDirectiveLine("#" + std::string(text), line);
}

// A file whose text stands whole inside "#ifndef GUARD" ... "#endif" is not
// read again while GUARD is defined; anything else outside spoils that.
void noteGuardEffect(Level& level, const Directive* d, bool outside, bool wasOpen) {
    const int type = d ? d->type : 0;
    if (outside) {
        if (!(level.guardOpen && !wasOpen)) level.guardSpoiled = true;
        return;
    }
    const bool onGuard = state().conditionals.size() == level.condDepth + 1 && level.guardOpen &&
                         !level.guardClosed;
    if (onGuard && (type == kElse || type == kElif)) level.guardSpoiled = true;
}

}  // namespace

void runDirective(Level& level) {
    level.directive = true;
    const int line = level.line;
    const bool outside = !ownsOpenConditional(level);
    const bool wasOpen = level.guardOpen;
    const char* hash = level.pos;
    const std::string_view name = readDirectiveName(level);
    const Directive* d = findDirective(name);
    if (!outside && d && (d->type == kElse || d->type == kElif))
        noteGuardEffect(level, d, outside, wasOpen);
    if (d) d->handler(level, *d, line);
    else copyUnknownLine(level, hash, name, line);
    if (outside) noteGuardEffect(level, d, outside, wasOpen);
    finishDirectiveLine(level);
}

bool linesAreSkipped() {
    const State& s = state();
    return s.skipping || (!s.analysisOn && !s.forced);
}

namespace {

// A directive line met while skipping: only conditionals count, and pragmas
// while analysis is off.
void skippedDirective(Level& level) {
    State& s = state();
    level.directive = true;
    const int line = level.line;
    const std::string_view name = readDirectiveName(level);
    const Directive* d = findDirective(name);
    if (s.skipping) {
        const int type = d ? d->type : 0;
        if (type == kIf || type == kIfdef || type == kIfndef) {
            ++s.skipNesting;
        } else if (type == kEndif && s.skipNesting > 0) {
            --s.skipNesting;
        } else if ((type == kEndif || type == kElse || type == kElif) && s.skipNesting == 0) {
            d->handler(level, *d, line);
        }
    } else if (d && d->type == kPragma) {
        runPragmaWhileOff(level);
    }
    finishDirectiveLine(level);
}

}  // namespace

void skipLines(Level& level) {
    while (linesAreSkipped() && level.pos < level.end) {
        level.guardSpoiled = level.guardSpoiled || !ownsOpenConditional(level);
        if (atDirectiveStart(level)) skippedDirective(level);
        else skipLineQuietly(level);
    }
}

void closeConditionalsOf(const Level& level) {
    State& s = state();
    if (s.depth <= 1 || !level.named) return;  // a handed-over text keeps them open
    while (s.conditionals.size() > level.condDepth) {
        const Conditional& c = s.conditionals.back();
        const std::string what = c.lastType == kElse ? "else" : c.lastType == kElif ? "elif" : c.openedAs;
        reportAt(kWarning, "UNTERCOND", what, c.fileName, c.line);
        s.conditionals.pop_back();
    }
    s.skipping = false;
    s.skipNesting = 0;
}

void reportOpenConditionals() {
    for (const Conditional& c : state().conditionals) {
        const std::string what = c.lastType == kElse ? "else" : c.lastType == kElif ? "elif" : c.openedAs;
        reportAt(kWarning, "UNTERCOND", what, c.fileName, c.line);
    }
}

}  // namespace analyser::prepro
