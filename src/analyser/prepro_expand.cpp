// Macro expansion: reading tokens through the input levels, argument
// collection and checks, substitution with "#" and "##", and the special
// macros and "#if" operators.
#include "analyser/prepro_internal.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace analyser::prepro {

namespace {

// Nesting of argument pre-expansions, each of which recurses on the stack.
constexpr int kMaxExpansionDepth = 1000;

// The next token of the top levels without expansion; the macro its name
// designates, when it is an identifier.
Macro* rawToken(Token& token) {
    State& s = state();
    for (;;) {
        Level& level = top();
        if (!level.isFile) {
            if (level.next < level.tokens.size()) {
                token = level.tokens[level.next++];
                if (token.kind != TokenKind::Identifier) return nullptr;
                Macro* m = s.macros.find(token.text);
                if (m && m->disabled) token.flags |= kNoExpand;
                return m;
            }
            if (level.barrier) {
                token = Token{};
                return nullptr;
            }
            popLevel();
            continue;
        }
        if (level.startOfLine && !level.directive && linesAreSkipped() && level.pos < level.end) {
            skipLines(level);
            continue;
        }
        const LexResult result = lexToken(level, token);
        if (result == LexResult::Directive) {
            runDirective(level);
            continue;
        }
        if (result == LexResult::End) return nullptr;
        if (s.conditionals.size() <= level.condDepth) level.guardSpoiled = true;
        if (token.kind != TokenKind::Identifier) return nullptr;
        return s.macros.find(token.text);
    }
}

Token makeToken(TokenKind kind, std::string_view text, std::uint8_t flags) {
    Token t;
    t.kind = kind;
    t.text = state().arena.store(text);
    t.flags = flags & (kLeadingSpace | kStartOfLine);
    return t;
}

// ---- Special macros ---------------------------------------------------------------

std::string quoted(std::string_view text) {
    std::string result = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') result += '\\';
        result += c;
    }
    return result + "\"";
}

void readTimeOnce() {
    State& s = state();
    if (s.timeRead) return;
    s.timeRead = true;
    std::time_t now = std::time(nullptr);
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch)
        now = static_cast<std::time_t>(std::strtoll(epoch, nullptr, 10));
    std::tm tm{};
    localtime_r(&now, &tm);
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "\"%s %2d %4d\"", kMonths[tm.tm_mon % 12], tm.tm_mday,
                  tm.tm_year + 1900);
    s.dateText = buffer;
    std::snprintf(buffer, sizeof buffer, "\"%02d:%02d:%02d\"", tm.tm_hour, tm.tm_min, tm.tm_sec);
    s.timeText = buffer;
}

int namedLevelCount() {
    int count = 0;
    for (std::size_t i = 0; i < state().depth; ++i) count += state().levels[i].named;
    return count;
}

Token specialToken(const Macro& m, const Token& name) {
    const Level* file = innermostNamedLevel();
    switch (m.kind) {
    case MacroKind::Line:
        return makeToken(TokenKind::Number, std::to_string(file ? file->line : 0), name.flags);
    case MacroKind::File:
        return makeToken(TokenKind::String, quoted(file ? file->name : ""), name.flags);
    case MacroKind::BaseFile: {
        const Level& bottom = state().levels[0];
        return makeToken(TokenKind::String, quoted(bottom.named ? bottom.name : ""), name.flags);
    }
    case MacroKind::IncludeLevel:
        return makeToken(TokenKind::Number, std::to_string(std::max(0, namedLevelCount() - 1)),
                         name.flags);
    case MacroKind::Date:
        readTimeOnce();
        return makeToken(TokenKind::String, state().dateText, name.flags);
    case MacroKind::Time:
        readTimeOnce();
        return makeToken(TokenKind::String, state().timeText, name.flags);
    default:
        return makeToken(TokenKind::Number, std::to_string(m.constant), name.flags);
    }
}

// ---- Arguments ------------------------------------------------------------------------

using Arguments = std::vector<std::vector<Token>>;

// Puts tokens back in front of the input.
void pushBack(std::vector<Token> tokens) {
    if (!tokens.empty()) pushTokenLevel(std::move(tokens), nullptr, false);
}

// The arguments after "(", up to the matching ")"; false at the end of the
// input (the tokens read are then in `read`).
bool collectArguments(const Macro& m, Arguments& args, std::vector<Token>& read) {
    int nesting = 0;
    args.emplace_back();
    Token token;
    for (;;) {
        rawToken(token);
        if (token.kind == TokenKind::End) return false;
        read.push_back(token);
        if (token.is('(') && token.kind == TokenKind::Punctuator) {
            ++nesting;
        } else if (token.is(')') && token.kind == TokenKind::Punctuator) {
            if (nesting-- == 0) return true;
        } else if (token.is(',') && token.kind == TokenKind::Punctuator && nesting == 0 &&
                   !(m.variadic && static_cast<int>(args.size()) == m.paramCount)) {
            args.emplace_back();
            continue;
        }
        token.line = 0;
        args.back().push_back(token);
    }
}

// The argument count checks; false when the call cannot be expanded.
// vaAbsent tells that no variable argument was given, not even an empty one.
bool argumentsFit(const Macro& m, Arguments& args, bool& vaAbsent) {
    const bool emptyCall = args.size() == 1 && args[0].empty();
    const int given = static_cast<int>(args.size());
    vaAbsent = m.variadic && (given == m.paramCount - 1 || (emptyCall && m.paramCount == 1));
    if (m.paramCount == 0) {
        if (emptyCall) {
            args.clear();
            return true;
        }
        report(kWarning, "ARGTOMACR", m.name);
        return false;
    }
    if (given > m.paramCount) {
        report(kWarning, "TOMANYARG", m.name);
        return false;
    }
    if (given == m.paramCount || (m.variadic && given == m.paramCount - 1)) {
        args.resize(static_cast<std::size_t>(m.paramCount));
        return true;
    }
    report(kWarning, emptyCall ? "NOARTOMAC" : "NBARGMACR", m.name);
    return false;
}

// ---- Substitution -------------------------------------------------------------------

void appendStringified(std::string& out, const Token& token) {
    const bool literal = token.kind == TokenKind::String || token.kind == TokenKind::Character;
    for (const char c : token.text) {
        const auto u = static_cast<unsigned char>(c);
        if (literal && (c == '"' || c == '\\')) {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u == 0x7f) {
            char octal[5];
            std::snprintf(octal, sizeof octal, "\\%03o", u);
            out += octal;
        } else {
            out += c;
        }
    }
}

Token stringify(const std::vector<Token>& arg, std::uint8_t flags) {
    std::string text = "\"";
    bool first = true;
    for (const Token& t : arg) {
        if (t.kind == TokenKind::Placemarker) continue;
        if (!first && (t.flags & (kLeadingSpace | kStartOfLine))) text += ' ';
        first = false;
        appendStringified(text, t);
    }
    text += '"';
    return makeToken(TokenKind::String, text, flags);
}

// "lhs ## rhs": one token, or both with a warning when they do not form one.
void paste(std::vector<Token>& out, const Token& rhs) {
    Token& lhs = out.back();
    if (rhs.kind == TokenKind::Placemarker) return;
    if (lhs.kind == TokenKind::Placemarker) {
        const std::uint8_t flags = lhs.flags;
        lhs = rhs;
        lhs.flags = flags;
        return;
    }
    std::string joined(lhs.text);
    joined += rhs.text;
    std::vector<Token> tokens = relex(joined);
    if (tokens.size() == 1) {
        tokens[0].flags = lhs.flags & kLeadingSpace;
        lhs = tokens[0];
        return;
    }
    report(kWarning, "ERRINLINE",
           "pasting \"" + std::string(lhs.text) + "\" and \"" + std::string(rhs.text) +
               "\" does not give a valid preprocessing token");
    out.push_back(rhs);
}

struct Substitution {
    const Macro& macro;
    Arguments& raw;
    bool vaAbsent = false;
    std::vector<std::vector<Token>> expanded;
    std::vector<bool> done;
    std::vector<Token> out;

    // An argument without identifiers expands to itself.
    const std::vector<Token>& expandedArgument(int index) {
        const auto i = static_cast<std::size_t>(index);
        if (!done[i]) {
            const bool names = std::any_of(raw[i].begin(), raw[i].end(), [](const Token& t) {
                return t.kind == TokenKind::Identifier;
            });
            if (!names) return raw[i];
            expanded[i] = expandTokens(raw[i]);
            done[i] = true;
        }
        return expanded[i];
    }

    void append(const std::vector<Token>& tokens, std::uint8_t flags) {
        if (tokens.empty()) {
            Token placemarker;
            placemarker.kind = TokenKind::Placemarker;
            placemarker.flags = flags & kLeadingSpace;
            out.push_back(placemarker);
            return;
        }
        const std::size_t first = out.size();
        out.insert(out.end(), tokens.begin(), tokens.end());
        out[first].flags = static_cast<std::uint8_t>((out[first].flags & ~(kLeadingSpace | kStartOfLine)) |
                                                     (flags & kLeadingSpace));
    }

    // The operand right of "##", as written.
    void pasteOperand(const Token& operand) {
        std::vector<Token> tokens;
        if (operand.kind == TokenKind::Parameter) tokens = raw[static_cast<std::size_t>(operand.line)];
        else if (operand.kind == TokenKind::Stringify)
            tokens.push_back(stringify(raw[static_cast<std::size_t>(operand.line)], operand.flags));
        else tokens.push_back(operand);
        // GNU: ", ## __VA_ARGS__" loses its comma when no variable argument
        // was given; an empty one keeps it.
        if (out.back().flags & kVaComma) {
            if (vaAbsent) out.pop_back();
            else out.insert(out.end(), tokens.begin(), tokens.end());
            return;
        }
        if (tokens.empty()) return;
        paste(out, tokens[0]);
        out.insert(out.end(), tokens.begin() + 1, tokens.end());
    }

    // An empty "__VA_OPT__" group stands as a placemarker.
    std::size_t skipVaOptGroup(std::size_t i, std::uint8_t flags) {
        const auto& body = macro.body;
        while (i < body.size() && body[i].kind != TokenKind::VaOptEnd) ++i;
        append({}, flags);
        return i;
    }

    void run(std::uint8_t nameFlags, std::int32_t nameLine) {
        const auto& body = macro.body;
        for (std::size_t i = 0; i < body.size(); ++i) {
            const Token& t = body[i];
            if (t.kind == TokenKind::Stringify) {
                out.push_back(stringify(raw[static_cast<std::size_t>(t.line)], t.flags));
            } else if (t.kind == TokenKind::Parameter) {
                const bool pasted = (i > 0 && body[i - 1].kind == TokenKind::Paste) ||
                                    (i + 1 < body.size() && body[i + 1].kind == TokenKind::Paste);
                append(pasted ? raw[static_cast<std::size_t>(t.line)] : expandedArgument(t.line),
                       t.flags);
            } else if (t.kind == TokenKind::Paste) {
                if (i + 1 < body.size() && body[i + 1].kind == TokenKind::VaOpt) continue;
                if (++i < body.size() && !out.empty()) pasteOperand(body[i]);
            } else if (t.kind == TokenKind::VaOpt) {
                if (!raw.empty() && expandedArgument(static_cast<int>(raw.size()) - 1).empty())
                    i = skipVaOptGroup(i, t.flags);
            } else if (t.kind == TokenKind::VaOptEnd) {
                continue;
            } else {
                out.push_back(t);
            }
        }
        std::erase_if(out, [](const Token& t) { return t.kind == TokenKind::Placemarker; });
        for (auto& t : out) {
            t.line = 0;
            t.flags &= static_cast<std::uint8_t>(~(kStartOfLine | kVaComma));
        }
        if (!out.empty()) {
            out[0].flags = static_cast<std::uint8_t>((out[0].flags & ~kLeadingSpace) |
                                                     (nameFlags & (kLeadingSpace | kStartOfLine)));
            out[0].line = nameLine;  // the expansion stands where the name stood
        }
    }
};

void pushExpansion(Macro& m, std::vector<Token> tokens) {
    if (!pushTokenLevel(std::move(tokens), &m, false)) return;
    m.disabled = true;
}

enum class Entered { Expanded, NotExpanded };

Entered enterFunctionLike(Macro& m, Token& name) {
    Token next;
    rawToken(next);
    if (!(next.is('(') && next.kind == TokenKind::Punctuator)) {
        if (next.kind != TokenKind::End) pushBack({next});
        return Entered::NotExpanded;
    }
    Arguments args;
    std::vector<Token> read{next};
    ++state().collecting;
    const bool closed = collectArguments(m, args, read);
    --state().collecting;
    if (!closed) {
        const Level* file = innermostNamedLevel();
        if (file && name.line > 0) reportAt(kWarning, "ERRINLINE", "unterminated macro call", file->name, name.line);
        else report(kWarning, "ERRINLINE", "unterminated macro call");
        pushBack(std::move(read));
        return Entered::NotExpanded;
    }
    bool vaAbsent = false;
    if (!argumentsFit(m, args, vaAbsent)) {
        pushBack(std::move(read));
        return Entered::NotExpanded;
    }
    Substitution sub{m, args, vaAbsent, {}, {}, {}};
    sub.expanded.resize(args.size());
    sub.done.assign(args.size(), false);
    sub.run(name.flags, name.line);
    pushExpansion(m, std::move(sub.out));
    return Entered::Expanded;
}

Entered enterMacro(Macro& m, Token& name) {
    if (m.kind != MacroKind::Ordinary) {
        const std::int32_t line = name.line;
        name = specialToken(m, name);
        name.line = line;
        return Entered::NotExpanded;
    }
    if (m.functionLike) return enterFunctionLike(m, name);
    Arguments none;
    Substitution sub{m, none, false, {}, {}, {}};
    sub.run(name.flags, name.line);
    pushExpansion(m, std::move(sub.out));
    return Entered::Expanded;
}

// ---- "#if" operators --------------------------------------------------------------------

constexpr std::string_view kAnswerZeroOperators[] = {
    "__has_attribute", "__has_cpp_attribute", "__has_c_attribute", "__has_builtin",
    "__has_feature",   "__has_extension",     "__has_warning",
};
static_assert(std::size(kAnswerZeroOperators) == 7);

bool isIfOperator(std::string_view name) {
    if (name == "__has_include" || name == "__has_include_next") return true;
    for (const auto op : kAnswerZeroOperators)
        if (op == name) return true;
    return false;
}

Token numberToken(bool value, std::uint8_t flags) {
    Token t;
    t.kind = TokenKind::Number;
    t.text = value ? "1" : "0";
    t.flags = (flags & kLeadingSpace) | kLeadingSpace;
    return t;
}

// "defined NAME" or "defined ( NAME )".
Token definedOperator(const Token& word) {
    Token t;
    rawToken(t);
    const bool parenthesised = t.is('(');
    if (parenthesised) rawToken(t);
    if (t.kind != TokenKind::Identifier) {
        report(kWarning, "ERDEFINED", t.text);
        if (t.kind != TokenKind::End) pushBack({t});
        return numberToken(false, word.flags);
    }
    const bool value = state().macros.find(t.text) != nullptr || isIfOperator(t.text);
    if (parenthesised) {
        Token close;
        rawToken(close);
        if (!close.is(')')) {
            report(kWarning, "ERDEFINED", t.text);
            if (close.kind != TokenKind::End) pushBack({close});
        }
    }
    return numberToken(value, word.flags);
}

// The tokens up to the ")" closing the operator's "(".
std::vector<Token> operatorOperand(bool& closed) {
    std::vector<Token> operand;
    Token t;
    rawToken(t);
    closed = false;
    if (!t.is('(')) {
        if (t.kind != TokenKind::End) pushBack({t});
        return operand;
    }
    for (int nesting = 0;;) {
        rawToken(t);
        if (t.kind == TokenKind::End) return operand;
        if (t.is('(')) ++nesting;
        if (t.is(')') && nesting-- == 0) {
            closed = true;
            return operand;
        }
        operand.push_back(t);
    }
}

Token hasIncludeOperator(const Token& word, bool next) {
    bool closed = false;
    std::vector<Token> operand = operatorOperand(closed);
    if (!closed || operand.empty()) {
        report(kWarning, "EXPERRONE", std::string(word.text));
        return numberToken(false, word.flags);
    }
    if (operand[0].kind != TokenKind::String && !operand[0].is('<')) operand = expandTokens(operand);
    if (!operand.empty() && operand[0].kind == TokenKind::String && operand[0].text.size() >= 2)
        return numberToken(hasInclude(operand[0].text.substr(1, operand[0].text.size() - 2), false, next),
                           word.flags);
    if (operand.size() >= 2 && operand[0].is('<') && operand.back().is('>')) {
        std::string name;
        for (std::size_t i = 1; i + 1 < operand.size(); ++i) {
            if (i > 1 && (operand[i].flags & kLeadingSpace)) name += ' ';
            name += operand[i].text;
        }
        return numberToken(hasInclude(name, true, next), word.flags);
    }
    report(kWarning, "EXPERRONE", std::string(word.text));
    return numberToken(false, word.flags);
}

bool ifOperator(Token& word) {
    if (word.text == "defined") {
        word = definedOperator(word);
        return true;
    }
    if (word.text == "__has_include" || word.text == "__has_include_next") {
        word = hasIncludeOperator(word, word.text == "__has_include_next");
        return true;
    }
    if (!isIfOperator(word.text)) return false;
    bool closed = false;
    operatorOperand(closed);
    word = numberToken(false, word.flags);
    return true;
}

// "_Pragma ( string )": the string, unquoted, runs as a "#pragma" line.
bool pragmaOperator(const Token& word) {
    Token open;
    rawToken(open);
    if (!open.is('(')) {
        if (open.kind != TokenKind::End) pushBack({open});
        return false;
    }
    Token text, close;
    rawToken(text);
    if (text.kind == TokenKind::String) rawToken(close);
    if (text.kind != TokenKind::String || !close.is(')')) {
        report(kWarning, "ERRINLINE", "_Pragma takes a parenthesized string literal");
        return true;
    }
    std::string_view body = text.text.substr(text.text.find('"') + 1);
    body.remove_suffix(1);
    std::string pragma;
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '\\' && i + 1 < body.size() && (body[i + 1] == '"' || body[i + 1] == '\\')) ++i;
        pragma += body[i];
    }
    const Level* file = innermostNamedLevel();
    runPragmaTokens(relex(pragma), file ? file->line : 0);
    return true;
}

}  // namespace

void nextRaw(Token& token) { rawToken(token); }

void nextExpanded(Token& token) {
    State& s = state();
    for (;;) {
        Macro* m = rawToken(token);
        if (token.kind != TokenKind::Identifier || (token.flags & kNoExpand)) return;
        if (s.inIfExpression && ifOperator(token)) return;
        if (!m) {
            if (token.text == "_Pragma" && pragmaOperator(token)) continue;
            return;
        }
        if (enterMacro(*m, token) == Entered::NotExpanded) return;
    }
}

std::vector<Token> expandTokens(std::vector<Token> tokens) {
    State& s = state();
    if (s.expansionDepth >= kMaxExpansionDepth) {
        report(kError, "NBRECURSI", "macro arguments nested too deeply");
        return tokens;
    }
    if (!pushTokenLevel(std::move(tokens), nullptr, true)) return {};
    const std::size_t barrier = s.depth;
    ++s.expansionDepth;
    std::vector<Token> result;
    Token token;
    for (nextExpanded(token); token.kind != TokenKind::End; nextExpanded(token))
        result.push_back(token);
    --s.expansionDepth;
    while (s.depth >= barrier) popLevel();
    return result;
}

std::vector<Token> directiveTokens(Level& level) {
    std::vector<Token> tokens;
    Token token;
    while (lexToken(level, token) == LexResult::Token) tokens.push_back(token);
    return tokens;
}

std::string spell(const std::vector<Token>& tokens) {
    std::string text;
    for (const Token& t : tokens) {
        if (!text.empty() && (t.flags & (kLeadingSpace | kStartOfLine))) text += ' ';
        text += t.text;
    }
    return text;
}

}  // namespace analyser::prepro
