// The macro table, "#define" and "#undef", and the special macros.
#include "analyser/prepro_internal.h"

#include <cstring>

namespace analyser::prepro {

// ---- Hash table -------------------------------------------------------------

std::size_t hashName(std::string_view name) {
    std::uint64_t h = 1469598103934665603ull;
    for (const char c : name) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return static_cast<std::size_t>(h ^ (h >> 29));
}

MacroTable::MacroTable() : slots_(2048) {}

std::size_t MacroTable::locate(std::string_view name, std::size_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t firstFree = slots_.size();
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.macro) {
            if (slot.hash == hash && slot.macro->name == name) return i;
        } else if (slot.tombstone) {
            if (firstFree == slots_.size()) firstFree = i;
        } else {
            return firstFree == slots_.size() ? i : firstFree;
        }
    }
}

Macro* MacroTable::find(std::string_view name) const {
    const std::size_t hash = hashName(name);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.macro) {
            if (slot.hash == hash && slot.macro->name == name) return slot.macro.get();
        } else if (!slot.tombstone) {
            return nullptr;
        }
    }
}

void MacroTable::grow() {
    std::vector<Slot> old;
    old.swap(slots_);
    const std::size_t size = count_ * 4 > old.size() ? old.size() * 2 : old.size();
    slots_.resize(size);
    used_ = count_;
    const std::size_t mask = size - 1;
    for (auto& slot : old) {
        if (!slot.macro) continue;
        std::size_t i = slot.hash & mask;
        while (slots_[i].macro) i = (i + 1) & mask;
        slots_[i].hash = slot.hash;
        slots_[i].macro = std::move(slot.macro);
    }
}

void MacroTable::insert(std::unique_ptr<Macro> macro) {
    if ((used_ + 1) * 2 > slots_.size()) grow();
    const std::size_t hash = hashName(macro->name);
    Slot& slot = slots_[locate(macro->name, hash)];
    if (slot.macro) {
        retired_.push_back(std::move(slot.macro));
    } else {
        ++count_;
        if (!slot.tombstone) ++used_;
    }
    slot.hash = hash;
    slot.tombstone = false;
    slot.macro = std::move(macro);
}

bool MacroTable::erase(std::string_view name) {
    Slot& slot = slots_[locate(name, hashName(name))];
    if (!slot.macro) return false;
    retired_.push_back(std::move(slot.macro));
    slot.tombstone = true;
    --count_;
    return true;
}

// ---- Arena --------------------------------------------------------------------

namespace {
constexpr std::size_t kChunk = 64 * 1024;
}

char* Arena::allocate(std::size_t size) {
    if (size > kChunk / 4) {
        large_.push_back(std::make_unique<char[]>(size));
        return large_.back().get();
    }
    if (chunks_.empty() || used_ + size > kChunk) {
        if (chunkSize_ < chunks_.size()) {
            ++chunkSize_;
        } else {
            chunks_.push_back(std::make_unique<char[]>(kChunk));
            chunkSize_ = chunks_.size();
        }
        used_ = 0;
    }
    char* result = chunks_[chunkSize_ - 1].get() + used_;
    used_ += size;
    return result;
}

std::string_view Arena::store(std::string_view text) {
    char* copy = allocate(text.size() + 1);
    std::memcpy(copy, text.data(), text.size());
    return {copy, text.size()};
}

void Arena::reset() {
    large_.clear();
    if (chunks_.size() > 4) chunks_.resize(4);
    chunkSize_ = 0;
    used_ = kChunk;
}

// ---- #define ------------------------------------------------------------------

namespace {

struct Definition {
    std::unique_ptr<Macro> macro = std::make_unique<Macro>();
    std::vector<std::string_view> parameters;
    std::string_view variadicName;
};

void nextDirectiveToken(Level& level, Token& token) {
    if (lexToken(level, token) != LexResult::Token) token = Token{};
}

bool badParameters(std::string_view code, std::string_view parameter) {
    report(kWarning, code, parameter);
    return false;
}

// "(a, b, ...)" or "[a, args...]", the level just after the opener.
bool readParameterList(Level& level, Definition& def, char closer) {
    Token token;
    nextDirectiveToken(level, token);
    if (token.is(closer)) return true;
    for (;;) {
        if (token.kind == TokenKind::End) return badParameters("UNTPARDEF", def.macro->name);
        if (token.is("...")) {
            def.variadicName = "__VA_ARGS__";
            def.parameters.push_back("__VA_ARGS__");
        } else if (token.kind == TokenKind::Number) {
            return badParameters("PARASTART", token.text);
        } else if (token.kind == TokenKind::Identifier) {
            def.parameters.push_back(token.text);
        } else if (token.is('.')) {
            return badParameters("BADPARDEF", "\"...\" expected");
        } else {
            return badParameters("BADPARDEF", token.text);
        }
        nextDirectiveToken(level, token);
        if (token.is("...") && def.variadicName.empty()) {
            def.variadicName = def.parameters.back();
            nextDirectiveToken(level, token);
        }
        if (token.is(closer)) return true;
        if (token.kind == TokenKind::End) return badParameters("UNTPARDEF", def.macro->name);
        if (!def.variadicName.empty()) return badParameters("BADPARDEF", "another parameter follow \"...\"");
        if (!token.is(',')) return badParameters("BADPARDEF", token.text);
        nextDirectiveToken(level, token);
    }
}

int parameterIndex(const Definition& def, std::string_view name) {
    for (std::size_t i = 0; i < def.parameters.size(); ++i)
        if (def.parameters[i] == name) return static_cast<int>(i);
    return -1;
}

Token operatorToken(TokenKind kind, int index, std::uint8_t flags) {
    Token t;
    t.kind = kind;
    t.line = index;
    t.flags = flags;
    t.text = kind == TokenKind::Paste ? "##" : "#";
    return t;
}

void dropPasteAtEnds(std::vector<Token>& body) {
    bool dropped = false;
    while (!body.empty() && body.front().kind == TokenKind::Paste) {
        body.erase(body.begin());
        dropped = true;
    }
    while (!body.empty() && body.back().kind == TokenKind::Paste) {
        body.pop_back();
        dropped = true;
    }
    if (dropped)
        report(kWarning, "ERRINLINE", "'##' cannot appear at either end of a macro expansion");
    if (!body.empty()) body.front().flags &= static_cast<std::uint8_t>(~kLeadingSpace);
}

// "__VA_OPT__ ( ... )" in a variadic macro: its group is marked so that it
// goes when the variable arguments are empty.
struct VaOptGroup {
    int depth = -1;  // parentheses open inside the group, -1 outside

    bool open(const Macro& m, const Token& token, Level& level, std::vector<Token>& body) {
        if (!m.variadic || depth >= 0 || !token.is("__VA_OPT__")) return false;
        const char* p = level.pos;
        while (p < level.end && isHorizontalBlank(*p)) ++p;
        if (p >= level.end || *p != '(') return false;
        level.pos = p + 1;
        Token marker = token;
        marker.kind = TokenKind::VaOpt;
        body.push_back(marker);
        depth = 0;
        return true;
    }

    bool close(const Token& token, std::vector<Token>& body) {
        if (depth < 0 || token.kind != TokenKind::Punctuator) return false;
        if (token.is('(')) ++depth;
        if (!token.is(')') || depth-- > 0) return false;
        Token marker;
        marker.kind = TokenKind::VaOptEnd;
        marker.text = ")";
        body.push_back(marker);
        return true;
    }
};

// The body with parameters, "#" and "##" marked.
void readBody(Level& level, Definition& def) {
    Macro& m = *def.macro;
    std::vector<Token>& body = m.body;
    VaOptGroup vaOpt;
    Token token;
    bool afterPaste = false;
    for (nextDirectiveToken(level, token); token.kind != TokenKind::End;
         nextDirectiveToken(level, token)) {
        token.line = 0;
        token.flags &= kLeadingSpace;
        if (afterPaste) token.flags &= static_cast<std::uint8_t>(~kLeadingSpace);
        afterPaste = false;
        const int index = token.kind == TokenKind::Identifier ? parameterIndex(def, token.text) : -1;
        if (m.functionLike && token.is('#')) {
            Token operand;
            nextDirectiveToken(level, operand);
            const int operandIndex =
                operand.kind == TokenKind::Identifier ? parameterIndex(def, operand.text) : -1;
            if (operandIndex >= 0) {
                body.push_back(operatorToken(TokenKind::Stringify, operandIndex, token.flags));
                continue;
            }
            report(kWarning, "OPERMACRO", m.name);
            body.push_back(token);
            if (operand.kind == TokenKind::End) break;
            token = operand;
            token.line = 0;
            token.flags &= kLeadingSpace;
            const int i = token.kind == TokenKind::Identifier ? parameterIndex(def, token.text) : -1;
            if (i >= 0) body.push_back(operatorToken(TokenKind::Parameter, i, token.flags));
            else body.push_back(token);
            continue;
        }
        if (vaOpt.open(m, token, level, body)) continue;
        if (vaOpt.close(token, body)) continue;
        if (token.is("##")) {
            if (!body.empty() && body.back().kind == TokenKind::Paste) continue;
            body.push_back(operatorToken(TokenKind::Paste, 0, 0));
            afterPaste = true;
            continue;
        }
        if (index >= 0) body.push_back(operatorToken(TokenKind::Parameter, index, token.flags));
        else body.push_back(token);
    }
    dropPasteAtEnds(body);
}

// ", ## __VA_ARGS__": the comma goes when the variable arguments are empty.
void markVariadicCommas(Definition& def) {
    Macro& m = *def.macro;
    if (!m.variadic) return;
    auto& body = m.body;
    for (std::size_t i = 0; i + 2 < body.size(); ++i) {
        if (body[i].is(',') && body[i].kind == TokenKind::Punctuator &&
            body[i + 1].kind == TokenKind::Paste && body[i + 2].kind == TokenKind::Parameter &&
            body[i + 2].line == m.paramCount - 1)
            body[i].flags |= kVaComma;
    }
}

// The spellings move into the macro so that the file buffer can go.
void ownSpellings(Macro& m) {
    std::size_t total = 0;
    for (const auto& t : m.body) total += t.text.size();
    m.storage.reserve(total + 1);
    for (auto& t : m.body) {
        if (t.kind == TokenKind::Parameter || t.kind == TokenKind::Stringify ||
            t.kind == TokenKind::Paste || t.kind == TokenKind::VaOpt || t.kind == TokenKind::VaOptEnd)
            continue;
        const std::size_t at = m.storage.size();
        m.storage.append(t.text);
        t.text = std::string_view(m.storage.data() + at, t.text.size());
    }
}

bool sameDefinition(const Macro& a, const Macro& b) {
    if (a.functionLike != b.functionLike || a.paramCount != b.paramCount ||
        a.variadic != b.variadic || a.parameterSpelling != b.parameterSpelling ||
        a.body.size() != b.body.size())
        return false;
    for (std::size_t i = 0; i < a.body.size(); ++i) {
        const Token& x = a.body[i];
        const Token& y = b.body[i];
        if (x.kind != y.kind || x.text != y.text || x.line != y.line ||
            ((x.flags ^ y.flags) & kLeadingSpace))
            return false;
    }
    return true;
}

void install(std::unique_ptr<Macro> macro) {
    Macro* existing = state().macros.find(macro->name);
    if (existing && existing->kind != MacroKind::Constant && !sameDefinition(*existing, *macro))
        report(kWarning, "IDENREDEF", macro->name);
    state().macros.insert(std::move(macro));
}

bool readMacroName(Level& level, Definition& def) {
    Token name;
    nextDirectiveToken(level, name);
    if (name.kind != TokenKind::Identifier) {
        report(kWarning, "INVAMACRO", name.kind == TokenKind::End ? std::string_view{} : name.text);
        return false;
    }
    if (name.text == "defined") {
        report(kWarning, "INVDEFINE", name.text);
        return false;
    }
    def.macro->name = std::string(name.text);
    return true;
}

}  // namespace

void defineFromLine(Level& level) {
    Definition def;
    if (!readMacroName(level, def)) return;
    Macro& m = *def.macro;
    const char opener = level.pos < level.end ? *level.pos : '\n';
    if (opener == '(' || opener == '[') {
        ++level.pos;
        if (!readParameterList(level, def, opener == '(' ? ')' : ']')) return;
        m.functionLike = true;
        m.variadic = !def.variadicName.empty();
        m.paramCount = static_cast<int>(def.parameters.size());
        for (const auto& p : def.parameters) {
            if (!m.parameterSpelling.empty()) m.parameterSpelling += ',';
            m.parameterSpelling += p;
        }
        if (m.variadic) m.parameterSpelling += "...";
    }
    readBody(level, def);
    markVariadicCommas(def);
    ownSpellings(m);
    install(std::move(def.macro));
}

void undefFromLine(Level& level) {
    Token name;
    nextDirectiveToken(level, name);
    if (name.kind != TokenKind::Identifier) {
        report(kWarning, "INVAMACRO", name.kind == TokenKind::End ? std::string_view{} : name.text);
        return;
    }
    if (name.text == "defined") {
        report(kWarning, "UNDEFININ", name.text);
        return;
    }
    const Macro* m = state().macros.find(name.text);
    if (m && m->kind != MacroKind::Ordinary && m->kind != MacroKind::Constant)
        report(kWarning, "UNDEFININ", name.text);
    state().macros.erase(name.text);
}

namespace {

struct SpecialMacro {
    const char* name;
    MacroKind kind;
};
constexpr SpecialMacro kSpecialMacros[] = {
    {"__LINE__", MacroKind::Line},         {"__DATE__", MacroKind::Date},
    {"__FILE__", MacroKind::File},         {"__BASE_FILE__", MacroKind::BaseFile},
    {"__INCLUDE_LEVEL__", MacroKind::IncludeLevel}, {"__TIME__", MacroKind::Time},
};
static_assert(std::size(kSpecialMacros) == 6);

}  // namespace

void defineSpecialMacros(bool kAndR) {
    for (const auto& special : kSpecialMacros) {
        auto m = std::make_unique<Macro>();
        m->name = special.name;
        m->kind = special.kind;
        m->fromText = false;
        state().macros.insert(std::move(m));
    }
    if (kAndR) return;
    auto m = std::make_unique<Macro>();
    m->name = "__STDC__";
    m->kind = MacroKind::Constant;
    m->constant = 1;
    m->fromText = false;
    state().macros.insert(std::move(m));
}

void removeTextMacros() {
    state().macros.eraseIf([](const Macro& m) { return m.kind == MacroKind::Ordinary; });
    state().macros.releaseRetired();
}

}  // namespace analyser::prepro
