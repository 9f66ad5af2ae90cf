// The scanner proper: the keyword table, the tokens that depend on where the
// parser stands, the skipping of what is not analysed (attributes, assembler
// names, static assertions, function bodies) and the recovery after a syntax
// error.
#include "analyser/decl_grammar.hpp"

#include "analyser/builders_internal.h"

#include <array>
#include <unordered_map>

namespace analyser::decl {

namespace {

// What the scanner does with a word besides returning a token.
enum class Special : std::uint8_t {
    None,
    SkipWord,        // __extension__, _Noreturn: nothing for the parser
    SkipWithGroup,   // __asm__(...), alignas(...): the word and its parenthesised group
    Attribute,       // __attribute__((...)): skipped, but its "mode" is kept
    StaticAssert,    // _Static_assert(...): one token, its group skipped
    Typeof,          // __typeof__(...): one token holding the operand
    Extern,          // extern "C" { opens a linkage block
    OwnTypeWord,     // wchar_t and friends: a declarator name right after a type
    Namespace,       // C++ items the scanner reads itself
    Using,
    Template,
    Friend,
    Access,
    Operator,
    Inline,          // "inline namespace" opens a namespace
    Auto,            // a type deduced by the compiler
    Qualifier,       // const and volatile: a member function's qualifier after ")"
    ClassKeyWord,    // "class" and "struct" after "enum" make it scoped
    Throw,           // "throw(...)" after parameters: the exception specification
};

struct KeywordRow {
    std::string_view word;
    int token;
    std::string_view meaning;
    Special special;
};

constexpr KeywordRow kKeywords[] = {
    {"typedef", TYPEDEF, {}, Special::None},
    {"extern", EXTERN, {}, Special::Extern},
    {"static", STATIC, {}, Special::None},
    {"auto", AUTO, {}, Special::Auto},
    {"register", REGISTER, {}, Special::None},
    {"friend", FRIEND, {}, Special::Friend},
    {"overload", OVERLOAD, {}, Special::None},
    {"virtual", VIRTUAL, {}, Special::None},
    {"inline", INLINE, {}, Special::Inline},
    {"__inline", INLINE, {}, Special::None},
    {"__inline__", INLINE, {}, Special::None},
    {"thread_local", THREAD_LOCAL, {}, Special::None},
    {"_Thread_local", THREAD_LOCAL, {}, Special::None},
    {"__thread", THREAD_LOCAL, {}, Special::None},
    {"explicit", EXPLICIT, {}, Special::None},
    {"mutable", MUTABLE, {}, Special::None},
    {"constexpr", CONSTEXPR, {}, Special::None},
    {"consteval", CONSTEXPR, {}, Special::None},
    {"constinit", CONSTEXPR, {}, Special::None},
    {"const", CONST, {}, Special::Qualifier},
    {"__const", CONST, {}, Special::None},
    {"__const__", CONST, {}, Special::None},
    {"volatile", VOLATILE, {}, Special::Qualifier},
    {"__volatile", VOLATILE, {}, Special::None},
    {"__volatile__", VOLATILE, {}, Special::None},
    {"__restrict", RESTRICT, {}, Special::None},
    {"__restrict__", RESTRICT, {}, Special::None},
    {"void", BASE_WORD, "void", Special::None},
    {"char", BASE_WORD, "char", Special::None},
    {"short", BASE_WORD, "short", Special::None},
    {"int", BASE_WORD, "int", Special::None},
    {"long", BASE_WORD, "long", Special::None},
    {"float", BASE_WORD, "float", Special::None},
    {"double", BASE_WORD, "double", Special::None},
    {"signed", BASE_WORD, "signed", Special::None},
    {"__signed", BASE_WORD, "signed", Special::None},
    {"__signed__", BASE_WORD, "signed", Special::None},
    {"unsigned", BASE_WORD, "unsigned", Special::None},
    {"_Bool", BASE_WORD, "bool", Special::None},
    {"bool", BASE_WORD, "bool", Special::OwnTypeWord},
    {"wchar_t", BASE_WORD, "wchar_t", Special::OwnTypeWord},
    {"char8_t", BASE_WORD, "char8_t", Special::OwnTypeWord},
    {"char16_t", BASE_WORD, "char16_t", Special::OwnTypeWord},
    {"char32_t", BASE_WORD, "char32_t", Special::OwnTypeWord},
    {"__int128", BASE_WORD, "__int128", Special::None},
    {"__float128", BASE_WORD, "__float128", Special::None},
    {"__float80", BASE_WORD, "__float80", Special::None},
    {"__ibm128", BASE_WORD, "__ibm128", Special::None},
    {"struct", STRUCT, {}, Special::ClassKeyWord},
    {"union", UNION, {}, Special::None},
    {"class", CLASS, {}, Special::ClassKeyWord},
    {"enum", ENUM, {}, Special::None},
    {"private", PRIVATE, {}, Special::Access},
    {"protected", PROTECTED, {}, Special::Access},
    {"public", PUBLIC, {}, Special::Access},
    {"template", TEMPLATE, {}, Special::Template},
    {"namespace", NAMESPACE, {}, Special::Namespace},
    {"using", USING, {}, Special::Using},
    {"operator", OPERATOR, {}, Special::Operator},
    {"new", NEW, {}, Special::None},
    {"delete", DELETE, {}, Special::None},
    {"typename", TYPENAME, {}, Special::SkipWord},
    {"__extension__", 0, {}, Special::SkipWord},
    {"_Noreturn", 0, {}, Special::SkipWord},
    {"__attribute__", 0, {}, Special::Attribute},
    {"__attribute", 0, {}, Special::Attribute},
    {"__declspec", 0, {}, Special::SkipWithGroup},
    {"__asm__", 0, {}, Special::SkipWithGroup},
    {"__asm", 0, {}, Special::SkipWithGroup},
    {"asm", 0, {}, Special::SkipWithGroup},
    {"_Alignas", 0, {}, Special::SkipWithGroup},
    {"alignas", 0, {}, Special::SkipWithGroup},
    // "noexcept" and its condition say nothing of the type: skipped with their
    // group. "throw(...)" becomes the function's exception list.
    {"noexcept", 0, {}, Special::SkipWithGroup},
    {"throw", 0, {}, Special::Throw},
    {"_Static_assert", STATIC_ASSERT, {}, Special::StaticAssert},
    {"static_assert", STATIC_ASSERT, {}, Special::StaticAssert},
    {"__typeof__", TYPEOF, {}, Special::Typeof},
    {"__typeof", TYPEOF, {}, Special::Typeof},
    {"typeof", TYPEOF, {}, Special::Typeof},
    {"decltype", TYPEOF, {}, Special::Typeof},
    {"_Atomic", TYPEOF, {}, Special::Typeof},
};

// Keywords by the ribbon entry of their word: an identifier is interned once
// and its entry tells whether it is a keyword.
const KeywordRow* keywordOf(Name entry) {
    static const std::vector<const KeywordRow*> index = [] {
        std::vector<const KeywordRow*> byEntry;
        for (const auto& row : kKeywords) {
            const Name e = diag::internString(row.word);
            if (byEntry.size() <= e) byEntry.resize(e + 1, nullptr);
            byEntry[e] = &row;
        }
        return byEntry;
    }();
    const KeywordRow* row = entry < index.size() ? index[entry] : nullptr;
    return row && diag::ribbonEquals(entry, row->word) ? row : nullptr;
}

constexpr int kSkipped = kSkippedToken;

BraceFrame& top(Scanner& s) { return s.braces.back(); }

bool afterType(int code) { return code == BASE_WORD || code == TYPE_NAME || code == CLASS_NAME; }

// "extern" followed by a string: a linkage specification. With "{" it
// opens a linkage block; otherwise the declaration is an extern one.
int externWord(Scanner& s) {
    if (peekChar(s) != '"') return EXTERN;
    nextRaw(s);
    if (peekChar(s) != '{') return EXTERN;
    nextRaw(s);
    s.braces.push_back({BraceKind::Block, 0});
    return LINKAGE_OPEN;
}

int withGroup(Scanner& s, int token, DeclValue& value) {
    if (peekChar(s) != '(') return token == TYPEOF ? OTHER : token ? token : kSkipped;
    nextRaw(s);
    if (token == TYPEOF) {
        const Collected operand = collectUntil(s, {}, ')');
        value.text = operand.text;
        return operand.closed ? TYPEOF : OTHER;
    }
    skipGroup(s, '(');
    return token ? token : kSkipped;
}

// The size a "mode" names: an integer of that many bits.
int modeBits(std::string_view mode) {
    if (mode.starts_with("__") && mode.ends_with("__") && mode.size() > 4) mode = mode.substr(2, mode.size() - 4);
    if (mode == "QI" || mode == "byte") return 8;
    if (mode == "HI") return 16;
    if (mode == "SI") return 32;
    if (mode == "DI") return 64;
    if (mode == "TI") return 128;
    if (mode == "word" || mode == "pointer") return baseTypeSizes().longBits;
    return 0;
}

// __attribute__((...)) is skipped; a mode(...) in it is kept for the
// declaration, since it changes the declared type.
int attribute(Scanner& s) {
    if (peekChar(s) != '(') return kSkipped;
    nextRaw(s);
    int depth = 1;
    std::array<RawToken, 4> last{};  // the last four tokens, the latest first
    while (depth > 0) {
        const RawToken t = nextRaw(s);
        if (t.kind == RawKind::End) break;
        depth += t.is('(') ? 1 : t.is(')') ? -1 : 0;
        std::move_backward(last.begin(), last.end() - 1, last.end());
        last[0] = t;
        const bool mode = (last[3].is("__mode__") || last[3].is("mode")) && last[2].is('(') &&
                          last[1].kind == RawKind::Identifier && last[0].is(')');
        if (mode && modeBits(last[1].text)) s.pendingModeBits = modeBits(last[1].text);
    }
    return kSkipped;
}

bool afterParameters(int code) { return code == ')' || code == FN_QUALIFIER; }

// The next identifier, without reading it.
bool nextWordIs(Scanner& s, std::string_view word) {
    const char* pos = s.pos;
    const int line = s.line;
    const bool lineStart = s.lineStart;
    const Name file = s.file;
    const RawToken t = nextRaw(s);
    s.pos = pos;
    s.line = line;
    s.lineStart = lineStart;
    s.file = file;
    return t.kind == RawKind::Identifier && t.text == word;
}

// "auto" of C++ is a type the compiler deduces; "auto int" of C stays a
// storage class.
int autoWord(ParseContext& ctx, DeclValue& value) {
    Declaration*& deduced = arena().deducedType;
    if (!deduced)
        deduced = newDeclaration(diag::internString("auto"), newNamed(diag::internString("auto")), nullptr, kTypedef);
    if (afterType(ctx.scanner.lastCode) || peekChar(ctx.scanner) == '*' ||
        nextWordIs(ctx.scanner, "int") || nextWordIs(ctx.scanner, "char"))
        return AUTO;
    value.declaration = deduced;
    return TYPE_NAME;
}

int cxxKeyword(ParseContext& ctx, const KeywordRow& row, DeclValue& value) {
    Scanner& s = ctx.scanner;
    switch (row.special) {
    case Special::Namespace: return scanNamespace(ctx, value);
    case Special::Using: return atItemStart(s) ? scanUsing(ctx) : row.token;
    case Special::Template: return atItemStart(s) ? scanTemplate(ctx) : kSkipped;
    case Special::Friend: return scanFriend(ctx);
    case Special::Access: return scanAccess(ctx, row.token);
    case Special::Operator: return scanOperator(ctx, value, nullptr);
    case Special::Inline:
        if (!nextWordIs(s, "namespace")) return row.token;
        nextRaw(s);
        return scanNamespace(ctx, value, true);
    case Special::Auto: return autoWord(ctx, value);
    case Special::Throw:
        if (peekChar(s) != '(') return kSkipped;
        nextRaw(s);
        s.exceptionSpec = collectUntil(s, {}, ')').text;
        if (s.exceptionSpec.empty()) s.exceptionSpec = " ";  // "throw()": no exception
        return kSkipped;
    case Special::Qualifier: return afterParameters(s.lastCode) && top(s).parens == 0 ? FN_QUALIFIER : row.token;
    case Special::ClassKeyWord:
        if (s.lastCode != ENUM) return row.token;
        s.scopedEnumPending = true;
        return kSkipped;
    default: return row.token;
    }
}

int keyword(ParseContext& ctx, const KeywordRow& row, DeclValue& value) {
    Scanner& s = ctx.scanner;
    switch (row.special) {
    case Special::SkipWord: return kSkipped;
    case Special::Attribute: return attribute(s);
    case Special::SkipWithGroup:
    case Special::StaticAssert:
    case Special::Typeof: return withGroup(s, row.token, value);
    case Special::Extern:
        if (nextWordIs(s, "template")) {  // an explicit instantiation declaration
            nextRaw(s);
            return scanTemplate(ctx);
        }
        return externWord(s);
    case Special::OwnTypeWord:
        if (afterType(s.lastCode) || lookupName(*ctx.table, diag::internString(row.word), ctx.current()))
            return classifyIdentifier(ctx, diag::internString(row.word), row.word, value);
        break;
    case Special::None: break;
    default: {
        const int code = cxxKeyword(ctx, row, value);
        if (code == row.token) break;
        return code;
    }
    }
    value.text = row.meaning.empty() ? value.text : row.meaning;
    return row.token;
}

int identifier(ParseContext& ctx, const RawToken& t, DeclValue& value) {
    const Name entry = diag::internString(t.text);
    if (const KeywordRow* row = keywordOf(entry)) return keyword(ctx, *row, value);
    return scanName(ctx, entry, t.text, value);
}

// "[": an attribute "[[...]]" is skipped; otherwise the bound is collected.
int openBracket(Scanner& s, DeclValue& value) {
    if (s.lastCode == OPERATOR || s.lastCode == NEW || s.lastCode == DELETE) return '[';
    if (peekChar(s) == '[') {
        nextRaw(s);
        skipGroup(s, '[');
        if (peekChar(s) == ']') nextRaw(s);
        return kSkipped;
    }
    const Collected bound = collectUntil(s, ";", ']');
    value.text = bound.text;
    return bound.closed ? ARRAY_BOUND : OTHER;
}

// "=": an enumerator's value in an enumeration body, an initialiser elsewhere.
int equals(Scanner& s, DeclValue& value) {
    if (s.lastCode == OPERATOR) return '=';
    const bool enumValue = top(s).kind == BraceKind::Enum && top(s).parens == 0;
    value.text = collectUntil(s, enumValue ? "," : ",;").text;
    return enumValue ? ENUM_VALUE : INITIALIZER;
}

bool isClassKey(int code) { return code == STRUCT || code == CLASS || code == UNION; }
bool isNameCode(int code) { return code == IDENTIFIER || code == TYPE_NAME || code == CLASS_NAME; }

// A constructor's member initialisers, up to the body's brace: braces right
// after a name or a template's ">" initialise a member.
int skipMemberInitialisers(Scanner& s) {
    RawToken previous;
    for (;;) {
        if (peekChar(s) == '{' && previous.kind != RawKind::Identifier && !previous.is('>')) return kSkipped;
        const RawToken t = nextRaw(s);
        if (t.kind == RawKind::End) return kSkipped;
        if (t.is('(') || t.is('{') || t.is('[')) skipGroup(s, t.text[0]);
        if (t.is(';')) return ';';
        previous = t;
    }
}

// ":" in a structure body: a bit field's width. In C++ also a class's
// bases, an enumeration's underlying type and a constructor's initialisers.
int colon(Scanner& s, DeclValue& value) {
    if (afterParameters(s.lastCode)) return skipMemberInitialisers(s);
    if (s.lastCode == INSTANCE_HEAD || (isClassKey(s.previousCode) && isNameCode(s.lastCode))) {
        value.text = collectUntil(s, "{;").text;
        return BASE_CLAUSE;
    }
    if (s.lastCode == ENUM || (s.previousCode == ENUM && isNameCode(s.lastCode))) {
        value.text = collectUntil(s, "{;").text;
        return ENUM_BASE;
    }
    const bool access = s.lastCode == PUBLIC || s.lastCode == PRIVATE || s.lastCode == PROTECTED;
    if (top(s).kind != BraceKind::Aggregate || top(s).parens != 0 || access) return ':';
    value.text = collectUntil(s, ",;=").text;
    return BIT_WIDTH;
}

// "{" right after a declarator's name or bound: a brace initialiser.
int openBrace(Scanner& s, DeclValue& value) {
    const bool initialiser = (s.lastCode == IDENTIFIER || s.lastCode == ARRAY_BOUND) && !isClassKey(s.previousCode) &&
                             s.previousCode != ENUM;
    if (!initialiser) {
        s.braces.push_back({});
        return '{';
    }
    const char* start = s.pos - 1;
    skipGroup(s, '{');
    value.text = std::string_view(start, static_cast<std::size_t>(s.pos - start));
    return INITIALIZER;
}

int closeBrace(Scanner& s) {
    if (s.braces.size() == 1) return '}';
    const BraceKind kind = top(s).kind;
    s.braces.pop_back();
    return kind == BraceKind::Block ? static_cast<int>(BLOCK_END) : '}';
}

struct Multi {
    std::string_view text;
    int token;
};
constexpr std::array<Multi, 5> kMultiPunctuators = {
    {{"...", ELLIPSIS}, {"::", SCOPE}, {"->", ARROW}, {"->*", ARROW_STAR}, {".*", DOT_STAR}}};
static_assert(kMultiPunctuators.size() == 5);

// "&" and "&&" after a member function's parameters qualify it; "->"
// there begins a trailing return type, which is skipped.
int cxxPunctuator(ParseContext& ctx, const RawToken& t, DeclValue& value) {
    Scanner& s = ctx.scanner;
    const bool afterFunction = afterParameters(s.lastCode) && top(s).parens == 0;
    if (t.is("&&") || t.is('&')) return afterFunction ? kSkipped : t.is('&') ? static_cast<int>('&') : static_cast<int>(REF_REF);
    if (t.is("->") && afterFunction) {
        s.trailingReturn = collectUntil(s, ";{=").text;
        return kSkipped;
    }
    if (t.is("::")) return scanGlobalQualifier(ctx, value);
    if (t.is("...") && s.lastCode != ',' && s.lastCode != '(') return kSkipped;  // a pack expansion
    if (t.is('~')) return scanTilde(ctx, value);
    return 0;
}

int punctuator(ParseContext& ctx, const RawToken& t, DeclValue& value) {
    Scanner& s = ctx.scanner;
    if (const int code = cxxPunctuator(ctx, t, value)) return code;
    if (t.text.size() > 1) {
        for (const auto& m : kMultiPunctuators)
            if (m.text == t.text) return m.token;
        return OTHER;
    }
    switch (t.text[0]) {
    case '[': return openBracket(s, value);
    case '=': return equals(s, value);
    case ':': return colon(s, value);
    case '{': return openBrace(s, value);
    case '}': return closeBrace(s);
    case '(': ++top(s).parens; return '(';
    case ')': top(s).parens = std::max(0, top(s).parens - 1); return ')';
    case '*': case ',': case ';': case '&': case '<': case '>': case '~': return t.text[0];
    default: return OTHER;
    }
}

int dispatch(ParseContext& ctx, const RawToken& t, DeclValue& value) {
    switch (t.kind) {
    case RawKind::End: ctx.scanner.ended = true; return 0;
    case RawKind::Identifier: return identifier(ctx, t, value);
    case RawKind::String: return STRING;
    case RawKind::Punctuator: return punctuator(ctx, t, value);
    default: return OTHER;
    }
}

// The group of the current brace is skipped; its closing brace ends it.
int skipBody(Scanner& s) {
    s.skipBodyPending = false;
    const bool closed = skipGroup(s, '{');
    if (s.braces.size() > 1) s.braces.pop_back();
    if (closed) return '}';
    s.ended = true;
    return 0;
}

}  // namespace

const Keyword* findKeyword(std::string_view word) {
    static std::unordered_map<const KeywordRow*, Keyword> keywords;
    const KeywordRow* row = keywordOf(diag::internString(word));
    if (!row) return nullptr;
    auto [it, fresh] = keywords.try_emplace(row, Keyword{row->word, row->token, row->meaning});
    return &it->second;
}

int scanToken(ParseContext& ctx, DeclValue& value) {
    Scanner& s = ctx.scanner;
    value = DeclValue{};
    if (s.skipBodyPending) {
        s.previousCode = s.lastCode;
        s.lastCode = skipBody(s);
        return s.lastCode;
    }
    if (s.pendingInstance) {
        value.tag = s.pendingInstance;
        value.file = s.file;
        value.line = s.line;
        s.pendingInstance = nullptr;
        value.token = INSTANCE_HEAD;
        s.lastCode = INSTANCE_HEAD;
        return INSTANCE_HEAD;
    }
    for (;;) {
        const RawToken t = nextRaw(s);
        s.tokenStart = t.kind == RawKind::End ? s.pos : t.text.data();
        s.tokenLine = t.line;
        value.text = t.text;
        value.line = t.line;
        value.file = s.file;
        const int code = dispatch(ctx, t, value);
        if (code == kSkipped) continue;
        value.token = code;
        s.previousCode = s.lastCode;
        s.lastCode = code;
        return code;
    }
}

int nestedBraces(const Scanner& scanner) {
    int count = 0;
    for (std::size_t i = 1; i < scanner.braces.size(); ++i)
        if (scanner.braces[i].kind != BraceKind::Block) ++count;
    return count;
}

void markLastBrace(Scanner& scanner, BraceKind kind) {
    if (scanner.braces.size() > 1) scanner.braces.back().kind = kind;
}

void requestBodySkip(Scanner& scanner) { scanner.skipBodyPending = true; }

namespace {

// The braces opened by the failed declaration are closed; linkage blocks stay.
void dropNestedBraces(Scanner& s) {
    std::vector<BraceFrame> kept{s.braces.front()};
    for (std::size_t i = 1; i < s.braces.size(); ++i)
        if (s.braces[i].kind == BraceKind::Block) kept.push_back(s.braces[i]);
    s.braces = std::move(kept);
}

}  // namespace

bool atItemStart(const Scanner& s) {
    switch (s.lastCode) {
    case 0: case ';': case '}': case '{': case LINKAGE_OPEN: case NAMESPACE_OPEN: case BLOCK_END: return true;
    default: return false;
    }
}

bool resynchronise(Scanner& s) {
    if (s.ended) return false;
    if ((s.lastCode == ';' || s.lastCode == '}') && nestedBraces(s) == 0) return true;
    if (s.lastCode == BLOCK_END) {  // the block's end stays an item of its own
        unreadLastToken(s);
        s.braces.push_back({BraceKind::Block, 0});
        return true;
    }
    int depth = nestedBraces(s);
    dropNestedBraces(s);
    for (RawToken t = nextRaw(s); t.kind != RawKind::End; t = nextRaw(s)) {
        if (t.is('{')) ++depth;
        else if (t.is('}')) {
            if (depth == 0 && s.braces.size() > 1) {  // closes a linkage block
                s.pos = t.text.data();
                s.line = t.line;
                return true;
            }
            if (depth > 0) --depth;
            else return true;  // a stray "}"
        } else if (t.is(';') && depth == 0) return true;
    }
    s.ended = true;
    return false;
}

}  // namespace analyser::decl
