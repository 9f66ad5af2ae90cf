// "#pragma": the tool's own vocabulary after "vorne", the analysis switch,
// user pragmas and "#pragma once".
#include "analyser/prepro_internal.h"

#include <cstdlib>

namespace analyser::prepro {

namespace {

enum class Word {
    InclStd, Stop, Start, Sizeof, Signof, Pragma, TypeModifier, NoEffect
};

struct VocabularyEntry {
    std::string_view word;
    Word meaning;
};

// Looked up in this order, each entry as a prefix of its own length.
constexpr VocabularyEntry kVocabulary[] = {
    {"incl_std", Word::InclStd},         {"stop_analyse", Word::Stop},
    {"start_analyse", Word::Start},      {"sizeof", Word::Sizeof},
    {"signof", Word::Signof},            {"pragma", Word::Pragma},
    {"type_modifier", Word::TypeModifier}, {"crc_justify", Word::NoEffect},
    {"crc_justify_all", Word::NoEffect}, {"crc_justify_everywhere", Word::NoEffect},
    {"stop_analyze", Word::Stop},        {"start_analyze", Word::Start},
    {"insert", Word::NoEffect},          {"prefix_call", Word::NoEffect},
    {"type_boolean", Word::NoEffect},    {"ex_call", Word::NoEffect},
    {"exit_instr", Word::NoEffect},      {"accept", Word::NoEffect},
    {"reduce", Word::NoEffect},          {"fctreduce", Word::NoEffect},
    {"nothingbefore", Word::NoEffect},   {"nointerpret", Word::NoEffect},
    {"directive", Word::NoEffect},       {"stop_instr", Word::NoEffect},
    {"start_instr", Word::NoEffect},     {"hro_stub", Word::NoEffect},
    {"testing_tool_call_place", Word::NoEffect},
};
static_assert(std::size(kVocabulary) == 27);

const VocabularyEntry* lookUp(std::string_view word) {
    for (const auto& entry : kVocabulary)
        if (word.substr(0, entry.word.size()) == entry.word) return &entry;
    return nullptr;
}

// The text of the line after the token at index `from`.
std::string textAfter(const std::vector<Token>& tokens, std::size_t from) {
    return spell(std::vector<Token>(tokens.begin() + static_cast<std::ptrdiff_t>(from), tokens.end()));
}

void inclStd(const std::vector<Token>& tokens) {
    std::string text = textAfter(tokens, 2);
    for (char& c : text)
        if (c == '"' || c == ',' || c == '\t') c = ' ';
    bool any = false;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(' ', at)) != std::string::npos) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        appendSearchDirectory(text.substr(at, end - at));
        any = true;
        at = end;
    }
    if (!any) report(kWarning, "SYNTAXERR", "empty pragma vorne incl_std");
}

void typeModifier(const std::vector<Token>& tokens) {
    if (tokens.size() == 4 && tokens[2].is('=') && tokens[3].kind == TokenKind::Identifier) {
        addTypeModifier(tokens[3].text, 0);
        return;
    }
    report(kWarning, "TYPMODINC", "");
}

std::string unquoted(std::string_view text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return std::string(text.substr(1, text.size() - 2));
    return std::string(text);
}

void userPragma(const std::vector<Token>& tokens) {
    if (tokens.size() == 5 && tokens[2].kind == TokenKind::String && tokens[3].is('=') &&
        tokens[4].kind == TokenKind::String) {
        state().userPragmas.push_back({unquoted(tokens[2].text), unquoted(tokens[4].text)});
        return;
    }
    report(kWarning, "SYNTAXERR", "pragma vorne pragma " + textAfter(tokens, 2));
}

// "sizeof" and "signof" lines go to the declaration parser; the base type
// sizes are also set here so that "#if" sees them at once.
void copySizeLine(const std::vector<Token>& tokens, Word word, int line) {
    writeDirectiveLine("#pragma " + spell(tokens), line);
    if (word != Word::Sizeof) return;
    std::size_t i = 2;
    const bool paren = i < tokens.size() && tokens[i].is('(');
    if (paren) ++i;
    if (i >= tokens.size()) return;
    const std::string_view name = tokens[i++].text;
    if (paren && (i >= tokens.size() || !tokens[i++].is(')'))) return;
    if (i + 1 < tokens.size() && tokens[i].is('=') && tokens[i + 1].kind == TokenKind::Number) {
        const int bits = std::atoi(std::string(tokens[i + 1].text).c_str());
        if (bits > 0) setBaseTypeSize(name, bits);
    }
}

// "vorne" has been read: tokens[1] is the word.
void vornePragma(const std::vector<Token>& tokens, int line) {
    const VocabularyEntry* entry =
        tokens.size() > 1 && tokens[1].kind == TokenKind::Identifier ? lookUp(tokens[1].text) : nullptr;
    if (!entry) {
        report(kWarning, "PRAGMAINC", tokens.size() > 1 ? tokens[1].text : std::string_view{});
        return;
    }
    switch (entry->meaning) {
    case Word::InclStd: inclStd(tokens); break;
    case Word::Stop: state().analysisOn = false; break;
    case Word::Start: state().analysisOn = true; break;
    case Word::Sizeof:
    case Word::Signof: copySizeLine(tokens, entry->meaning, line); break;
    case Word::Pragma: userPragma(tokens); break;
    case Word::TypeModifier: typeModifier(tokens); break;
    case Word::NoEffect: break;
    }
}

bool sameWords(const std::vector<Token>& line, const std::vector<Token>& pattern) {
    if (line.size() != pattern.size()) return false;
    for (std::size_t i = 0; i < line.size(); ++i)
        if (line[i].text != pattern[i].text) return false;
    return true;
}

// The replacement of a matching user pragma, macro-expanded; when it is a
// pragma of the tool's own, it takes effect.
const UserPragma* matchingUserPragma(const std::vector<Token>& tokens) {
    for (const auto& user : state().userPragmas)
        if (sameWords(tokens, relex(user.pattern))) return &user;
    return nullptr;
}

std::vector<Token> replacementTokens(const UserPragma& user) {
    std::vector<Token> tokens = expandTokens(relex(user.replacement));
    if (!tokens.empty() && tokens[0].is('#')) tokens.erase(tokens.begin());
    if (!tokens.empty() && tokens[0].is("pragma")) tokens.erase(tokens.begin());
    return tokens;
}

bool isVorne(const std::vector<Token>& tokens) {
    return !tokens.empty() && tokens[0].kind == TokenKind::Identifier && tokens[0].text == "vorne";
}

bool turnsAnalysisOn(const std::vector<Token>& tokens) {
    if (!isVorne(tokens) || tokens.size() < 2) return false;
    const VocabularyEntry* entry = lookUp(tokens[1].text);
    return entry && entry->meaning == Word::Start;
}

}  // namespace

void runPragma(Level& level) {
    runPragmaTokens(directiveTokens(level), level.line);
}

void runPragmaTokens(const std::vector<Token>& tokens, int line) {
    if (tokens.empty()) return;
    if (isVorne(tokens)) {
        vornePragma(tokens, line);
        return;
    }
    if (tokens.size() == 1 && tokens[0].is("once")) {
        if (state().topText >= 0) markIncludedOnce(state().levels[static_cast<std::size_t>(state().topText)]);
        return;
    }
    if (const UserPragma* user = matchingUserPragma(tokens)) {
        const std::vector<Token> replacement = replacementTokens(*user);
        if (isVorne(replacement)) vornePragma(replacement, line);
    }
}

void runPragmaWhileOff(Level& level) {
    const std::vector<Token> tokens = directiveTokens(level);
    bool on = turnsAnalysisOn(tokens) || turnsAnalysisOn(expandTokens(tokens));
    if (!on)
        if (const UserPragma* user = matchingUserPragma(tokens))
            on = turnsAnalysisOn(replacementTokens(*user));
    if (on) state().analysisOn = true;
}

}  // namespace analyser::prepro
