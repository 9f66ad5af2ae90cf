// The preprocessor's entry points, its input levels and its output writer.
#include "analyser/prepro_internal.h"

namespace analyser::prepro {

namespace {

// Macro expansions being rescanned at once (each macro is disabled while its
// expansion is read, so only pathological inputs come near).
constexpr std::size_t kMaxLevels = 4'000'000;
// Line jumps up to this many lines are written as empty lines.
constexpr int kMaxBlankLines = 8;

}  // namespace

// ---- Reporting ------------------------------------------------------------------

const Level* innermostNamedLevel() {
    const State& s = state();
    return s.topNamed >= 0 ? &s.levels[static_cast<std::size_t>(s.topNamed)] : nullptr;
}

void reportAt(int severity, std::string_view code, std::string_view parameter,
              std::string_view fileName, int line) {
    State& s = state();
    if (severity == kError) ++s.errorCount;
    if (s.report) s.report(severity, code, parameter, fileName, line);
}

void report(int severity, std::string_view code, std::string_view parameter) {
    const Level* level = innermostNamedLevel();
    if (level) reportAt(severity, code, parameter, level->name, level->line);
    else reportAt(severity, code, parameter, {}, 0);
}

// ---- Levels -------------------------------------------------------------------------

namespace {

Level& newLevel() {
    State& s = state();
    if (s.depth == s.levels.size()) s.levels.emplace_back();
    s.topLevel = &s.levels[s.depth++];
    return *s.topLevel;
}

}  // namespace

bool pushTextLevel(std::string text, std::string_view name, bool named, int firstLine) {
    State& s = state();
    if (s.fileLevels >= kMaxTextLevels - 1) return false;
    Level& level = newLevel();
    level.isFile = true;
    level.serial = ++s.serials;
    level.name.assign(name);
    level.named = named;
    level.text = std::move(text);
    level.pos = level.text.data();
    level.end = level.text.data() + level.text.size();
    level.line = firstLine;
    level.startOfLine = true;
    level.directive = false;
    // A handed-over text continues the conditionals of the texts before it.
    level.condDepth = s.depth == 1 ? 0 : s.conditionals.size();
    level.searchIndex = -1;
    level.guardOpen = level.guardClosed = level.guardSpoiled = false;
    level.guardName.clear();
    level.path.clear();
    level.macro = nullptr;
    level.barrier = false;
    level.outerText = s.topText;
    level.outerNamed = s.topNamed;
    s.topText = static_cast<int>(s.depth - 1);
    if (named) s.topNamed = s.topText;
    ++s.fileLevels;
    return true;
}

bool pushTokenLevel(std::vector<Token> tokens, Macro* macro, bool barrier) {
    State& s = state();
    if (s.depth >= kMaxLevels) {
        report(kError, "NBRECURSI", macro ? macro->name : std::string());
        return false;
    }
    Level& level = newLevel();
    level.isFile = false;
    level.named = false;
    level.tokens = std::move(tokens);
    level.next = 0;
    level.macro = macro;
    level.barrier = barrier;
    return true;
}

void popLevel() {
    State& s = state();
    Level& level = s.levels[s.depth - 1];
    if (level.isFile) {
        closeConditionalsOf(level);
        finishFileLevel(level);
        s.topText = level.outerText;
        s.topNamed = level.outerNamed;
        --s.fileLevels;
        if (level.text.capacity() > (1u << 20)) std::string().swap(level.text);
        else level.text.clear();
        level.pos = level.end = nullptr;
    } else {
        if (level.macro) level.macro->disabled = false;
        level.macro = nullptr;
        level.tokens.clear();
    }
    --s.depth;
    s.topLevel = s.depth > 0 ? &s.levels[s.depth - 1] : nullptr;
}

void abandonLevelsAbove(std::size_t base) {
    State& s = state();
    if (s.depth <= base) return;
    // The open conditionals go with the levels, without a word for each.
    s.conditionals.resize(std::min(s.conditionals.size(), s.levels[base].condDepth));
    s.skipping = false;
    s.skipNesting = 0;
    while (s.depth > base) popLevel();
}

// ---- Output -----------------------------------------------------------------------------

namespace {

void newline() {
    State& s = state();
    if (!s.outAtLineStart) *s.out += '\n';
    s.outAtLineStart = true;
}

void writeMarker(const Level& level, int line) {
    State& s = state();
    newline();
    *s.out += "#line ";
    *s.out += std::to_string(line);
    *s.out += " \"";
    *s.out += level.name;
    *s.out += "\"\n";
}

// The output moves to the given line of the current text.
void positionTo(int line) {
    State& s = state();
    if (s.topText < 0 || !s.out) return;
    const Level& level = s.levels[static_cast<std::size_t>(s.topText)];
    if (level.serial != s.outSerial) {
        newline();
        if (level.named) writeMarker(level, line);
        s.outSerial = level.serial;
        s.outLine = line;
        return;
    }
    if (line <= s.outLine) return;
    const int gap = line - s.outLine;
    if (!level.named || gap <= kMaxBlankLines) {
        s.out->append(static_cast<std::size_t>(gap), '\n');
    } else {
        writeMarker(level, line);
    }
    s.outLine = line;
    s.outAtLineStart = true;
}

// Two punctuator characters that would read as one longer punctuator.
constexpr std::string_view kJoiningPairs[] = {
    "<<", "<=", "<:", "<%", ">>", ">=", "->", "++", "--", "+=", "-=", "*=", "/=", "%=", "&=",
    "^=", "|=", "==", "!=", "&&", "||", "##", "::", ".*", "..", ":>", "%>", "%:", "/*", "//",
};
static_assert(std::size(kJoiningPairs) == 30);

bool punctuatorsJoin(char a, char b) {
    const char pair[2] = {a, b};
    for (const auto joining : kJoiningPairs)
        if (joining == std::string_view(pair, 2)) return true;
    return false;
}

bool pasteRisk(TokenKind a, char lastChar, const Token& next) {
    const TokenKind b = next.kind;
    const char first = next.text.empty() ? ' ' : next.text[0];
    const bool wordA = a == TokenKind::Identifier || a == TokenKind::Number;
    if (wordA && (isIdentChar(first) || b == TokenKind::Number)) return true;
    const bool exponent = lastChar == 'e' || lastChar == 'E' || lastChar == 'p' || lastChar == 'P';
    if (a == TokenKind::Number && (first == '.' || (exponent && (first == '+' || first == '-'))))
        return true;
    if (a == TokenKind::Punctuator && b == TokenKind::Punctuator) return punctuatorsJoin(lastChar, first);
    if (lastChar == '.' && b == TokenKind::Number) return true;
    if (a == TokenKind::Identifier && (b == TokenKind::String || b == TokenKind::Character)) return true;
    if ((a == TokenKind::String || a == TokenKind::Character) && b == TokenKind::Identifier) return true;
    return a == TokenKind::Other || b == TokenKind::Other;
}

}  // namespace

void writeToken(const Token& token) {
    State& s = state();
    if (!s.out || token.text.empty()) return;
    if (token.line > 0) positionTo(token.line);
    if (!s.outAtLineStart) {
        bool space = (token.flags & (kLeadingSpace | kStartOfLine)) != 0;
        if (!space && !(s.lastFromText && token.line > 0 && s.lastEnd == token.text.data()))
            space = pasteRisk(s.lastKind, s.lastChar, token);
        if (space) *s.out += ' ';
    }
    *s.out += token.text;
    s.outAtLineStart = false;
    s.lastKind = token.kind;
    s.lastChar = token.text.back();
    s.lastEnd = token.text.data() + token.text.size();
    s.lastFromText = token.line > 0;
}

void writeDirectiveLine(std::string_view text, int line) {
    State& s = state();
    if (!s.out) return;
    positionTo(line);
    newline();
    *s.out += text;
    *s.out += '\n';
    s.outLine = line + 1;
    s.outAtLineStart = true;
}

// ---- Running a text ---------------------------------------------------------------------

namespace {

void run(std::size_t base) {
    State& s = state();
    Token token;
    while (s.depth > base) {
        if (top().isFile && s.collecting == 0 && s.expansionDepth == 0) {
            s.arena.reset();
            s.macros.releaseRetired();
        }
        nextExpanded(token);
        // Too deep an inclusion: the files above the text are left, the
        // text itself goes on after its "#include".
        if (s.stackExhausted) {
            abandonLevelsAbove(base + 1);
            s.stackExhausted = false;
            continue;
        }
        if (token.kind != TokenKind::End) {
            writeToken(token);
            continue;
        }
        if (s.depth > base && top().isFile) popLevel();
    }
    if (s.out && !s.outAtLineStart) newline();
}

void resetOutput(std::string* out) {
    State& s = state();
    s.out = out;
    s.outSerial = -1;
    s.outLine = 0;
    s.outAtLineStart = true;
    s.lastKind = TokenKind::End;
    s.lastFromText = false;
}

int runText(const std::string& text, bool forced, std::string_view name, bool named,
            int firstLine, std::string& result) {
    State& s = state();
    std::string out;
    std::string* savedOut = s.out;
    const bool savedForced = s.forced;
    const int savedErrors = s.errorCount;
    resetOutput(&out);
    s.errorCount = 0;
    s.forced = forced;
    s.pathExists.clear();
    std::string prepared = text;
    const std::size_t base = s.depth;
    if (pushTextLevel(std::string(), name, named, firstLine)) {
        prepareText(prepared, name);
        Level& level = top();
        level.text = std::move(prepared);
        level.pos = level.text.data();
        level.end = level.text.data() + level.text.size();
        run(base);
    } else {
        report(kError, "NBRECURSI", name);
    }
    const int errors = s.errorCount;
    s.errorCount = savedErrors;
    s.forced = savedForced;
    s.out = savedOut;
    result = std::move(out);
    return errors;
}

// "NAME", "NAME=value"; anything else after the name is malformed.
void defineFromCommandLine(const std::string& definition) {
    std::size_t n = 0;
    while (n < definition.size() && isIdentChar(definition[n])) ++n;
    if (n == 0 || (n < definition.size() && definition[n] != '=')) {
        report(kWarning, "MALFOROPT", "-D" + definition);
        return;
    }
    std::string line = "#define " + definition.substr(0, n);
    if (n == definition.size()) {
        line += " 1";
    } else {
        std::string value = definition.substr(n + 1);
        for (std::size_t at; (at = value.find("\\\n")) != std::string::npos;) value.erase(at, 2);
        for (std::size_t at; (at = value.find("\\\r\n")) != std::string::npos;) value.erase(at, 3);
        line += ' ' + value;
    }
    defineText(line, "*Initialization*");
}

}  // namespace

void defineText(std::string_view text, std::string_view levelName) {
    std::string ignored;
    runText(std::string(text) + "\n", true, levelName, true, 1, ignored);
}

}  // namespace analyser::prepro

namespace analyser {

using namespace prepro;

void CPP_prepro_init(bool ansi, bool kAndR, const std::vector<std::string>& includeDirectories,
                     const std::vector<std::string>& definitions, ReportCallback report) {
    State& s = state();
    s = State{};
    s.ansi = ansi;
    s.kAndR = kAndR;
    s.report = report;
    buildSearchList(includeDirectories);
    for (const char* predefined :
         {"#define HRL_LINUX 1", "#define USE_HRU 1", "#define HRL_CPLUSPLUS_LANGUAGE 1"})
        defineText(predefined, "*Initialization*");
    defineSpecialMacros(kAndR);
    for (const auto& definition : definitions) defineFromCommandLine(definition);
}

int CPP_prepro_text(const std::string& text, bool forced, const std::string& fileName,
                    int firstLine, std::string& result) {
    return runText(text, forced, fileName, !fileName.empty(), firstLine, result);
}

void CPP_prepro_end(bool freeSearchList) {
    State& s = state();
    reportOpenConditionals();
    s.conditionals.clear();
    s.skipping = false;
    s.skipNesting = 0;
    removeTextMacros();
    s.typeModifiers.clear();
    if (freeSearchList) s.searchList.clear();
}

BaseTypeSizes& baseTypeSizes() { return state().sizes; }

bool setBaseTypeSize(std::string_view name, int bits) {
    BaseTypeSizes& sizes = state().sizes;
    if (name == "int") sizes.intBits = bits;
    else if (name == "short") sizes.shortBits = bits;
    else if (name == "long") sizes.longBits = bits;
    else if (name == "longlong") sizes.longLongBits = bits;
    else if (name == "char") sizes.charBits = bits;
    else return false;
    return true;
}

void addTypeModifier(std::string_view word, int number) {
    if (findTypeModifier(word)) return;
    state().typeModifiers.push_back({std::string(word), number});
}

void removeTypeModifier(std::string_view word) {
    std::erase_if(state().typeModifiers, [&](const TypeModifier& m) { return m.word == word; });
}

const std::vector<TypeModifier>& typeModifiers() { return state().typeModifiers; }

const TypeModifier* findTypeModifier(std::string_view word) {
    for (const auto& m : state().typeModifiers)
        if (m.word == word) return &m;
    return nullptr;
}

const std::vector<std::string>& includedFiles() { return state().includedFiles; }

bool isMacroDefined(std::string_view name) { return state().macros.find(name) != nullptr; }

bool analysisOn() { return state().analysisOn; }

}  // namespace analyser
