// The C++ the scanner reads itself: namespaces, using, templates kept as
// text, friends and access sections are read whole; qualified names,
// template-ids, constructor, destructor and operator names are composed into
// one token, so that the grammar sees C declarations with a few more tokens.
#include "analyser/decl_grammar.hpp"

#include "analyser/builders_internal.h"

#include "analyser/image_internal.h"

#include <cctype>
#include <string>

namespace analyser::decl {

namespace {

constexpr int kSkipped = kSkippedToken;
constexpr int kMaxQualifiers = 256;

std::string_view fileText(Name file) { return file ? diag::ribbonText(file) : std::string_view{}; }

// The scanner's position, to read ahead and come back.
struct Mark {
    const char* pos;
    int line;
    bool lineStart;
    Name file;
};
Mark mark(const Scanner& s) { return {s.pos, s.line, s.lineStart, s.file}; }
void restore(Scanner& s, const Mark& m) {
    s.pos = m.pos;
    s.line = m.line;
    s.lineStart = m.lineStart;
    s.file = m.file;
}

RawToken peekRaw(Scanner& s) {
    const Mark m = mark(s);
    const RawToken t = nextRaw(s);
    restore(s, m);
    return t;
}

// A text that lives as long as the scanner.
std::string_view keep(Scanner& s, std::string text) { return s.collected.emplace_back(std::move(text)); }

void append(std::string& text, const RawToken& t) {
    if (!text.empty() && t.spaceBefore) text += ' ';
    text += t.text;
}

// The name of a class without the arguments of its template.
std::string_view baseName(const Aggregate* record) {
    if (!record || !record->name) return {};
    const std::string_view name = diag::ribbonText(record->name);
    return name.substr(0, name.find('<'));
}

const Aggregate* openClass(const ParseContext& ctx) {
    const Aggregate* record = ctx.scopes.back().definition;
    return record && record->kind != Kind::Enumeration ? record : nullptr;
}

bool isStorageWord(int code) {
    return code == EXPLICIT || code == INLINE || code == VIRTUAL || code == CONSTEXPR || code == FRIEND ||
           code == STATIC;
}

// Reads to the end of the item: a ";" at depth 0, or the end of a body at
// depth 0 unless the item continues after it (a class head).
void skipItem(Scanner& s, bool continuesAfterBody) {
    for (RawToken t = nextRaw(s); t.kind != RawKind::End; t = nextRaw(s)) {
        if (t.is(';')) return;
        if (t.is('(') || t.is('[')) skipGroup(s, t.text[0]);
        if (t.is('{')) {
            skipGroup(s, '{');
            if (!continuesAfterBody) return;
        }
        if (t.is('}')) {  // the enclosing block ends: it is not ours
            s.pos = t.text.data();
            s.line = t.line;
            return;
        }
    }
}

// Reads a balanced "<...>" whose "<" was just read: the text between;
// closed tells whether its ">" was found before the end of the declaration.
std::string angleGroup(Scanner& s, bool* closed = nullptr) {
    std::string text;
    if (closed) *closed = false;
    int angles = 1, parens = 0;
    for (RawToken t = nextRaw(s); t.kind != RawKind::End; t = nextRaw(s)) {
        if (t.is('(') || t.is('[') || t.is('{')) ++parens;
        else if (t.is(')') || t.is(']') || t.is('}')) --parens;
        else if (parens == 0 && t.is('<')) ++angles;
        else if (parens == 0 && (t.is('>') || t.is(">>"))) {
            for (std::size_t i = 0; i < t.text.size(); ++i) {  // ">>" closes two lists
                if (--angles == 0) {
                    if (i + 1 < t.text.size()) s.pos = t.text.data() + i + 1;  // the other ">" is read again
                    if (closed) *closed = true;
                    return text;
                }
                text += '>';
            }
            continue;
        } else if (t.is(';') && parens <= 0) {
            s.pos = t.text.data();
            return text;
        }
        append(text, t);
    }
    return text;
}

}  // namespace

// ---- Namespaces ------------------------------------------------------------------------

int scanNamespace(ParseContext& ctx, DeclValue& value, bool inlined) {
    Scanner& s = ctx.scanner;
    value.qualifiers = inlined ? 1 : 0;
    std::string names;
    for (RawToken t = nextRaw(s); t.kind != RawKind::End; t = nextRaw(s)) {
        if (t.is('{')) {
            s.braces.push_back({BraceKind::Block, 0});
            value.text = keep(s, names);
            return NAMESPACE_OPEN;
        }
        if (t.is('=')) {  // an alias
            const std::string target(collectUntil(s, ";").text);
            if (peekChar(s) == ';') nextRaw(s);
            Scope* from = ctx.current();
            Scope* aliased = nullptr;
            std::size_t begin = 0;
            for (std::size_t end; begin <= target.size(); begin = end + 2) {
                end = std::min(target.find("::", begin), target.size());
                std::string part = target.substr(begin, end - begin);
                while (!part.empty() && part.front() == ' ') part.erase(part.begin());
                while (!part.empty() && part.back() == ' ') part.pop_back();
                if (!part.empty())
                    aliased = aliased ? ctx.table->namespaces[{aliased, diag::internString(part)}]
                                      : lookupNamespace(*ctx.table, diag::internString(part), from);
                if (!aliased || end >= target.size()) break;
            }
            if (aliased && !names.empty()) ctx.table->namespaces[{from, diag::internString(names)}] = aliased;
            return kSkipped;
        }
        if (t.is('[') && peekChar(s) == '[') {
            nextRaw(s);
            skipGroup(s, '[');
            if (peekChar(s) == ']') nextRaw(s);
            continue;
        }
        if (t.kind == RawKind::Identifier && t.text == "__attribute__") {
            if (peekChar(s) == '(' && nextRaw(s).kind != RawKind::End) skipGroup(s, '(');
            continue;
        }
        if (t.kind == RawKind::Identifier && t.text == "inline") continue;
        if (t.kind != RawKind::Identifier && !t.is("::")) break;
        names += t.text;
    }
    return OTHER;
}

// ---- using -------------------------------------------------------------------------------

namespace {

// "A::B::c": the scope that "A::B" denotes and the last name.
struct QualifiedText {
    Scope* scope = nullptr;
    std::string last;
    bool resolved = true;
};

Scope* scopeOfName(ParseContext& ctx, Scope* in, const std::string& part, bool first) {
    const Name name = diag::internString(part);
    if (!in && !first) return nullptr;
    Scope* ns = first ? lookupNamespace(*ctx.table, name, in) : nullptr;
    if (!first) {
        auto found = ctx.table->namespaces.find({in, name});
        if (found != ctx.table->namespaces.end()) ns = found->second;
    }
    if (ns) return ns;
    Aggregate* tag = first ? lookupTag(*ctx.table, name, Kind::Class, in) : tagInScope(*ctx.table, name, Kind::Class, in);
    if (tag && tag->scope) return tag->scope;
    const Declaration* d = first ? lookupName(*ctx.table, name, in) : nullptr;
    const Type* t = d && (d->storage & kTypedef) ? resolveTypedefs(d->type) : nullptr;
    return t && t->record ? t->record->scope : nullptr;
}

QualifiedText splitQualified(ParseContext& ctx, std::string_view text) {
    QualifiedText q;
    std::vector<std::string> parts;
    std::string part;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "::") == 0) {
            parts.push_back(part);
            part.clear();
            ++i;
        } else if (text[i] != ' ') part += text[i];
    }
    q.last = part;
    Scope* scope = ctx.current();
    bool first = true;
    for (const std::string& p : parts) {
        if (p.empty() && first) {
            scope = ctx.table->global;
            first = false;
            continue;
        }
        if (p == "typename" || p == "template") continue;
        scope = scopeOfName(ctx, scope, p, first);
        first = false;
        if (!scope) {
            q.resolved = false;
            return q;
        }
    }
    q.scope = parts.empty() ? nullptr : scope;
    return q;
}

void addUsing(Scope* into, Scope* used) {
    if (into == used) return;
    for (const Scope* u : into->usings)
        if (u == used) return;
    into->usings.push_back(used);
}

void usingDirective(ParseContext& ctx, const std::string& text, Name file, int line) {
    const QualifiedText q = splitQualified(ctx, text + "::x");
    std::string_view name = text;
    if (const auto colons = name.rfind("::"); colons != std::string_view::npos) name = name.substr(colons + 2);
    Scope* ns = nullptr;
    if (q.resolved && q.scope && q.scope->kind == ScopeKind::Namespace) ns = q.scope;
    if (ns) addUsing(ctx.current(), ns);
    (void)file;
    (void)line;
}

void aliasDeclaration(ParseContext& ctx, std::string_view name, std::string_view typeText, Name file, int line) {
    Type* type = typeFromText(*ctx.table, ctx.current(), typeText);
    if (!type) type = newNamed(diag::internString(typeText));
    Declaration* d = newDeclaration(diag::internString(name), type, ctx.current(), kTypedef);
    d->file = file;
    d->line = line;
    d->access = currentAccess(ctx);
    enterDeclaration(*ctx.table, d, {ctx.inBody(), fileText(file), line});
}

bool memberExists(ParseContext& ctx, const Scope* scope, Name name) {
    if (entriesInScope(*ctx.table, name, scope)) return true;
    const auto found = ctx.table->entries.find({scope, name});
    if (found != ctx.table->entries.end() && !found->second.tags.empty()) return true;
    if (scope->record && baseName(scope->record) == diag::ribbonText(name)) return true;
    return lookupAny(*ctx.table, name, scope).declaration != nullptr;
}

void usingDeclaration(ParseContext& ctx, std::string_view text, Name file, int line) {
    const QualifiedText q = splitQualified(ctx, text);
    if (q.last.empty()) return;
    const Name name = diag::internString(q.last);
    if (ctx.inBody()) {  // an access declaration: the member must be inherited
        const bool known = q.resolved && q.scope && memberExists(ctx, q.scope, name);
        if (!known) report(kWarning, "MODACCINC", q.last, fileText(file), line);
        return;
    }
    if (!q.resolved || !q.scope) return;
    const auto found = ctx.table->entries.find({q.scope, name});
    if (found == ctx.table->entries.end()) return;
    const NameEntries copy = found->second;
    NameEntries& here = ctx.table->entries[{ctx.current(), name}];
    here.names.insert(here.names.end(), copy.names.begin(), copy.names.end());
    here.tags.insert(here.tags.end(), copy.tags.begin(), copy.tags.end());
}

}  // namespace

int scanUsing(ParseContext& ctx) {
    Scanner& s = ctx.scanner;
    const Name file = s.file;
    const int line = s.tokenLine;
    std::string text;
    std::string name;
    bool directive = false, alias = false, closed = false;
    for (RawToken t = nextRaw(s); t.kind != RawKind::End; t = nextRaw(s)) {
        if (t.is(';')) {
            closed = true;
            break;
        }
        if (t.is('}')) {  // the block ends first
            s.pos = t.text.data();
            s.line = t.line;
            break;
        }
        if (text.empty() && t.kind == RawKind::Identifier && t.text == "namespace") {
            directive = true;
            continue;
        }
        if (!alias && t.is('=')) {
            alias = true;
            name = text;
            text.clear();
            continue;
        }
        if (t.is('[') && peekChar(s) == '[') {
            nextRaw(s);
            skipGroup(s, '[');
            if (peekChar(s) == ']') nextRaw(s);
            continue;
        }
        if (t.is('(') || t.is('{')) {
            const char* start = t.text.data();
            skipGroup(s, t.text[0]);
            text += std::string_view(start, static_cast<std::size_t>(s.pos - start));
            continue;
        }
        append(text, t);
    }
    if (!closed) {
        report(kWarning, "SYNTAXERR", "'using' without ';'", fileText(file), line);
        return kSkipped;
    }
    if (directive) usingDirective(ctx, text, file, line);
    else if (alias) aliasDeclaration(ctx, name, text, file, line);
    else usingDeclaration(ctx, text, file, line);
    return kSkipped;
}

// ---- Templates ----------------------------------------------------------------------------

namespace {

std::vector<TemplateParameter> templateParameters(std::string_view text) {
    std::vector<TemplateParameter> parameters;
    Scanner inner;
    C_CPP_init_lex(inner, text, {}, 1);
    TemplateParameter p;
    bool inDefault = false;
    int depth = 0;
    const auto close = [&] {
        if (!p.name.empty() || !p.defaultText.empty() || p.pack) parameters.push_back(p);
        p = TemplateParameter{};
        inDefault = false;
    };
    for (RawToken t = nextRaw(inner); t.kind != RawKind::End; t = nextRaw(inner)) {
        if (t.is('<') || t.is('(') || t.is('[') || t.is('{')) ++depth;
        if (t.is('>') || t.is(')') || t.is(']') || t.is('}')) --depth;
        if (depth == 0 && t.is(',')) {
            close();
            continue;
        }
        if (depth == 0 && t.is('=') && !inDefault) {
            inDefault = true;
            continue;
        }
        if (inDefault) append(p.defaultText, t);
        else if (t.is("...")) p.pack = true;
        else if (depth == 0 && t.kind == RawKind::Identifier && t.text != "class" && t.text != "typename")
            p.name = std::string(t.text);
    }
    close();
    return parameters;
}

struct TemplateHead {
    ClassKey key = ClassKey::Struct;
    bool isClass = false;
    bool isAlias = false;
    std::string name;
    bool specialisation = false;
};

Aggregate* templateRecord(ParseContext& ctx, const TemplateHead& head) {
    const Name name = diag::internString(head.name);
    Aggregate* record = tagInScope(*ctx.table, name, Kind::Template, ctx.current());
    if (record) return record;
    record = newAggregate(Kind::Template, head.key, name, ctx.current());
    record->templateInfo = &arena().templates.emplace_back();
    enterTag(*ctx.table, record);
    return record;
}

// "template<...> class X [: bases] { body } ;" or "... class X ;": the
// record keeps the body's text; a second name after the body is refused.
void classTemplate(ParseContext& ctx, TemplateHead& head, std::vector<TemplateParameter> parameters) {
    Scanner& s = ctx.scanner;
    RawToken t = nextRaw(s);
    while (t.kind == RawKind::Identifier && (t.text == "final" || t.text == "alignas" || t.text == "__attribute__")) {
        if (t.text != "final" && peekChar(s) == '(') {
            nextRaw(s);
            skipGroup(s, '(');
        }
        t = nextRaw(s);
    }
    if (t.is('<') || t.is("::")) head.specialisation = true;
    if (head.specialisation) {
        if (t.is('<'))
            if (Aggregate* primary = tagInScope(*ctx.table, diag::internString(head.name), Kind::Template, ctx.current()))
                primary->templateInfo->specialised = true;
        return skipItem(s, true);
    }
    std::string_view bases;
    if (t.is(':')) {
        bases = collectUntil(s, "{;").text;
        t = nextRaw(s);
    }
    Aggregate* record = templateRecord(ctx, head);
    TemplateInfo& info = *record->templateInfo;
    if (!t.is('{')) {
        if (!t.is(';')) skipItem(s, true);
        if (!info.hasBody) info.parameters = std::move(parameters);
        return;
    }
    const char* bodyStart = s.pos;
    info.line = t.line;
    info.file = s.file;
    skipGroup(s, '{');
    const char* bodyEnd = s.pos - 1;
    info.body = keepText(std::string_view(bodyStart, static_cast<std::size_t>(bodyEnd - bodyStart)));
    info.bases = keepText(bases);
    info.hasBody = true;
    info.parameters = std::move(parameters);
    const RawToken after = nextRaw(s);
    if (!after.is(';')) {
        report(kWarning, "TEMPLADEC", std::string(after.text), fileText(s.file), after.line);
        if (after.kind != RawKind::End) skipItem(s, false);
    }
}

void aliasTemplate(ParseContext& ctx, TemplateHead& head, std::vector<TemplateParameter> parameters) {
    Scanner& s = ctx.scanner;
    const RawToken name = nextRaw(s);
    const RawToken equals = nextRaw(s);
    if (name.kind != RawKind::Identifier || !equals.is('=')) {
        report(kWarning, "TEMPLADEC", std::string(name.text), fileText(s.file), name.line);
        return skipItem(s, false);
    }
    head.name = std::string(name.text);
    const int line = s.line;
    const std::string_view aliased = collectUntil(s, ";").text;
    if (peekChar(s) == ';') nextRaw(s);
    Aggregate* record = templateRecord(ctx, head);
    TemplateInfo& info = *record->templateInfo;
    info.isAlias = true;
    info.aliased = keepText(aliased);
    info.parameters = std::move(parameters);
    info.file = s.file;
    info.line = line;
}

}  // namespace

int scanTemplate(ParseContext& ctx) {
    Scanner& s = ctx.scanner;
    if (peekChar(s) != '<') {  // an explicit instantiation
        skipItem(s, false);
        return kSkipped;
    }
    nextRaw(s);
    const std::string parameterText = angleGroup(s);
    RawToken t = peekRaw(s);
    if (t.text == "template" || t.text == "friend") {  // a member of a template defined outside it
        skipItem(s, true);
        return kSkipped;
    }
    TemplateHead head;
    if (t.text == "class" || t.text == "struct" || t.text == "union") {
        nextRaw(s);
        head.key = t.text == "union" ? ClassKey::Union : t.text == "class" ? ClassKey::Class : ClassKey::Struct;
        RawToken name = nextRaw(s);
        while (name.is('[') || name.text == "alignas" || name.text == "__attribute__") {
            if (name.is('[') && peekChar(s) == '[') {
                nextRaw(s);
                skipGroup(s, '[');
                if (peekChar(s) == ']') nextRaw(s);
            } else if (peekChar(s) == '(') {
                nextRaw(s);
                skipGroup(s, '(');
            }
            name = nextRaw(s);
        }
        if (name.kind != RawKind::Identifier) {
            report(kWarning, "TEMPLADEC", std::string(name.text), fileText(s.file), name.line);
            if (!name.is(';')) skipItem(s, true);
            return kSkipped;
        }
        head.name = std::string(name.text);
        classTemplate(ctx, head, templateParameters(parameterText));
        return kSkipped;
    }
    if (t.text == "using") {
        nextRaw(s);
        aliasTemplate(ctx, head, templateParameters(parameterText));
        return kSkipped;
    }
    if (t.is(';')) {
        nextRaw(s);
        report(kWarning, "TEMPLADEC", "", fileText(s.file), t.line);
        return kSkipped;
    }
    skipItem(s, false);  // a function or variable template: kept for nothing
    return kSkipped;
}

// ---- friend, access -------------------------------------------------------------------------

int scanFriend(ParseContext& ctx) {
    skipItem(ctx.scanner, false);
    return kSkipped;
}

int scanAccess(ParseContext& ctx, int token) {
    Scanner& s = ctx.scanner;
    if (!ctx.inBody() || peekChar(s) != ':') return token;
    nextRaw(s);
    ctx.scopes.back().definition->cxx = true;
    ctx.scopes.back().access = token == PUBLIC ? Access::Public : token == PROTECTED ? Access::Protected : Access::Private;
    return kSkipped;
}

// ---- Operators ---------------------------------------------------------------------------------

int scanOperator(ParseContext& ctx, DeclValue& value, const Scope* scope) {
    Scanner& s = ctx.scanner;
    const RawToken t = nextRaw(s);
    std::string op;
    if (t.is('(') || t.is('[')) {
        op = t.is('(') ? "()" : "[]";
        if (peekChar(s) == op[1]) nextRaw(s);
    } else if (t.kind == RawKind::Identifier && (t.text == "new" || t.text == "delete")) {
        op = " " + std::string(t.text);
        if (peekChar(s) == '[') {
            nextRaw(s);
            if (peekChar(s) == ']') nextRaw(s);
            op += "[]";
        }
    } else if (t.kind == RawKind::String) {
        const RawToken suffix = nextRaw(s);
        op = "\"\" " + std::string(suffix.text);
    } else if (t.kind == RawKind::Punctuator) {
        op = std::string(t.text);
        if (op == "<=" && peekChar(s) == '>') {
            nextRaw(s);
            op = "<=>";
        }
    } else {  // a conversion function: the type up to "("
        std::string text(t.text);
        while (peekChar(s) != '(' && peekChar(s) != 0 && peekChar(s) != ';') append(text, nextRaw(s));
        value.name = diag::internString("operator " + text);
        value.text = diag::ribbonText(value.name);
        value.type = typeFromText(*ctx.table, ctx.current(), text);
        if (!value.type) value.type = newNamed(diag::internString(text));
        value.scope = const_cast<Scope*>(scope);
        if (scope && scope->kind == ScopeKind::Class) ctx.declaratorScope = value.scope;
        return CTOR_NAME;
    }
    value.name = diag::internString("operator" + op);
    value.text = diag::ribbonText(value.name);
    value.scope = const_cast<Scope*>(scope);
    if (scope && scope->kind == ScopeKind::Class) ctx.declaratorScope = value.scope;
    return OPERATOR_NAME;
}

// ---- Names ---------------------------------------------------------------------------------------

namespace {

// A type as an argument of a template: its C++ text without class keys.
}  // namespace

std::string argumentImage(const Type* type) {
    std::string text = typeText(type, "");
    for (const std::string_view key : {"struct ", "class ", "union ", "enum "})
        for (std::size_t at = 0; (at = text.find(key, at)) != std::string::npos;) {
            const bool wordStart = at == 0 || !(std::isalnum(static_cast<unsigned char>(text[at - 1])) || text[at - 1] == '_');
            if (wordStart) text.erase(at, key.size());
            else at += key.size();
        }
    return text;
}

namespace {


bool isConstructor(ParseContext& ctx, std::string_view text) {
    Scanner& s = ctx.scanner;
    const Aggregate* record = openClass(ctx);
    if (!record || baseName(record) != text || peekChar(s) != '(') return false;
    return atItemStart(s) || isStorageWord(s.lastCode);
}

bool virtSpecifier(const Scanner& s, std::string_view text) {
    if (text != "final" && text != "override") return false;
    if (s.lastCode == ')' || s.lastCode == FN_QUALIFIER) return true;
    const bool classHead = s.lastCode == STRUCT || s.lastCode == CLASS || s.lastCode == UNION;
    return !classHead && (s.previousCode == STRUCT || s.previousCode == CLASS || s.previousCode == UNION);
}

// Whether "::" follows, without moving (the text read so far is what an
// error quotes).
bool nextIsScope(Scanner& s) {
    const Mark m = mark(s);
    const bool scope = peekChar(s) == ':' && peekRaw(s).is("::");
    restore(s, m);
    return scope;
}

const Scope* scopeDenoted(ParseContext& ctx, int code, const DeclValue& value, const Scope* from) {
    if (code == IDENTIFIER || code == TYPE_MODIFIER)
        if (Scope* ns = from ? ctx.table->namespaces.count({from, value.name}) ? ctx.table->namespaces[{from, value.name}]
                                                                                : nullptr
                             : lookupNamespace(*ctx.table, value.name, ctx.current()))
            return ns;
    if (value.tag && value.tag->scope) return value.tag->scope;
    if (value.declaration && (value.declaration->storage & kTypedef)) {
        const Type* t = resolveTypedefs(value.declaration->type);
        if (t && t->record && t->record->scope) return t->record->scope;
    }
    return nullptr;
}

// The arguments as the template's own scope must read them: a type is
// written with its qualified name, anything else as it stands.
std::string templateArguments(ParseContext& ctx, bool& closed) {
    nextRaw(ctx.scanner);  // "<"
    const std::string written = angleGroup(ctx.scanner, &closed);
    if (!closed) return written;
    std::string text;
    int depth = 0;
    std::string item;
    const auto close = [&] {
        while (!item.empty() && item.back() == ' ') item.pop_back();
        item.erase(0, std::min(item.size(), item.find_first_not_of(' ')));
        const Type* type = item.empty()
                               ? nullptr
                               : typeFromText(*ctx.table, ctx.current(), item);
        const std::string argument = type ? argumentImage(type) : item;
        text += (text.empty() ? "" : ", ") + argument;
        item.clear();
    };
    for (const char c : written) {
        if (c == '<' || c == '(' || c == '[' || c == '{') ++depth;
        if (c == '>' || c == ')' || c == ']' || c == '}') --depth;
        if (c == ',' && depth == 0) close();
        else item += c;
    }
    if (!written.empty()) close();
    return text;
}

// A template-id: the instance, the alias's type, or a type that writes it.
int templateId(ParseContext& ctx, DeclValue& value) {
    Aggregate* templ = value.tag;
    bool closed = false;
    const std::string arguments = templateArguments(ctx, closed);
    if (!closed) return OTHER;  // the parser reports the declaration
    const TemplateInfo* info = templ->templateInfo;
    if (info && info->isAlias) {
        Type* type = instantiateAlias(ctx, templ, arguments, value.file, value.line);
        const std::string text = std::string(baseName(templ)) + "<" + arguments + ">";
        if (!type) {
            type = newNamed(diag::internString(text));
            type->unresolved = true;
        }
        Declaration* d = newDeclaration(diag::internString(text), type, templ->enclosing, kTypedef);
        value.tag = nullptr;
        value.declaration = d;
        return TYPE_NAME;
    }
    if (Aggregate* instance = instantiate(ctx, templ, arguments, value.file, value.line)) {
        value.tag = instance;
        value.declaration = nullptr;
        return CLASS_NAME;
    }
    const std::string text = std::string(diag::ribbonText(templ->name)) + "<" + arguments + ">";
    value.tag = nullptr;
    Type* unknown = newNamed(diag::internString(text));
    unknown->unresolved = true;
    value.declaration = newDeclaration(diag::internString(text), unknown, nullptr, kTypedef);
    return TYPE_NAME;
}

// A template's name alone: its instance inside that instance's body, or a
// deduction guide, which is skipped.
int bareTemplateName(ParseContext& ctx, DeclValue& value) {
    for (auto it = ctx.scopes.rbegin(); it != ctx.scopes.rend(); ++it)
        if (it->definition && it->definition->instanceOf == value.tag) {
            value.tag = it->definition;
            return CLASS_NAME;
        }
    const int last = ctx.scanner.lastCode;
    if (last == TYPE_NAME || last == CLASS_NAME || last == BASE_WORD || last == '*' || last == '&' || last == REF_REF)
        return IDENTIFIER;  // the name of a declarator
    if (atItemStart(ctx.scanner) && peekChar(ctx.scanner) == '(') {
        skipItem(ctx.scanner, false);
        return kSkipped;
    }
    return TEMPLATE_NAME;
}

// The name after "X::".
int qualifiedMember(ParseContext& ctx, const Scope* scope, DeclValue& value) {
    Scanner& s = ctx.scanner;
    RawToken t = nextRaw(s);
    if (t.kind == RawKind::Identifier && (t.text == "template" || t.text == "typename")) t = nextRaw(s);
    value.text = t.text;
    value.line = t.line;
    if (t.kind == RawKind::Identifier && t.text == "operator") return scanOperator(ctx, value, scope);
    const bool destructor = t.is('~');
    if (destructor) t = nextRaw(s);
    if (t.kind != RawKind::Identifier) return OTHER;
    if (destructor || (scope->record && baseName(scope->record) == t.text && peekChar(s) == '(')) {
        value.name = diag::internString((destructor ? "~" : "") + std::string(t.text));
        value.text = diag::ribbonText(value.name);
        value.scope = const_cast<Scope*>(scope);
        if (scope->kind == ScopeKind::Class) ctx.declaratorScope = value.scope;
        return CTOR_NAME;
    }
    const int code = classifyIdentifier(ctx, diag::internString(t.text), t.text, value, scope);
    value.scope = const_cast<Scope*>(scope);
    if (code == IDENTIFIER && scope->kind == ScopeKind::Class) ctx.declaratorScope = value.scope;
    return code;
}

// "T<...>::name" where T<...> could not be made: the whole stays a type
// without detail.
int unresolvedMember(ParseContext& ctx, int code, DeclValue& value) {
    const Type* type = value.declaration ? value.declaration->type : nullptr;
    if (code != TYPE_NAME || !type || type->kind != Kind::Named || !type->unresolved) return code;
    std::string text(diag::ribbonText(type->word));
    while (nextIsScope(ctx.scanner)) {
        nextRaw(ctx.scanner);
        const RawToken t = nextRaw(ctx.scanner);
        text += "::" + std::string(t.text);
        if (t.kind != RawKind::Identifier) break;
    }
    Type* unknown = newNamed(diag::internString(text));
    unknown->unresolved = true;
    value.declaration = newDeclaration(unknown->word, unknown, nullptr, kTypedef);
    return TYPE_NAME;
}

// After a name: its template arguments and the names it qualifies.
int afterName(ParseContext& ctx, int code, DeclValue& value, const Scope* from) {
    Scanner& s = ctx.scanner;
    for (int guard = 0; guard < kMaxQualifiers; ++guard) {
        if (code == TEMPLATE_NAME) code = peekChar(s) == '<' ? templateId(ctx, value) : bareTemplateName(ctx, value);
        if (code == kSkipped || !nextIsScope(s)) return code;
        const Scope* scope = scopeDenoted(ctx, code, value, from);
        if (!scope) return unresolvedMember(ctx, code, value);
        nextRaw(s);
        if (peekChar(s) == '*' && scope->record) {  // a pointer to member
            nextRaw(s);
            value.tag = scope->record;
            return MEMBER_POINTER;
        }
        code = qualifiedMember(ctx, scope, value);
        from = scope;
        if (code == CTOR_NAME || code == OPERATOR_NAME || code == OTHER) return code;
    }
    return code;
}

}  // namespace

namespace {

// The name of a class inside it denotes the class, not its constructors.
Aggregate* injectedClass(const ParseContext& ctx, std::string_view text) {
    for (const Scope* s = ctx.current(); s && s->kind == ScopeKind::Class; s = s->parent)
        if (s->record && s->record->kind != Kind::Enumeration && baseName(s->record) == text) return s->record;
    return nullptr;
}

}  // namespace

int scanName(ParseContext& ctx, Name name, std::string_view text, DeclValue& value) {
    Scanner& s = ctx.scanner;
    if (virtSpecifier(s, text)) return kSkipped;
    value.name = name;
    value.text = text;
    if (isConstructor(ctx, text)) return CTOR_NAME;
    if (Aggregate* record = injectedClass(ctx, text)) {
        const bool withArguments = record->instanceOf && peekChar(s) == '<';
        value.tag = withArguments ? record->instanceOf : record;
        return afterName(ctx, withArguments ? TEMPLATE_NAME : CLASS_NAME, value, nullptr);
    }
    return afterName(ctx, classifyIdentifier(ctx, name, text, value), value, nullptr);
}

int scanGlobalQualifier(ParseContext& ctx, DeclValue& value) {
    Scanner& s = ctx.scanner;
    if (s.lastCode == IDENTIFIER || s.lastCode == TYPE_NAME || s.lastCode == CLASS_NAME) return SCOPE;
    if (peekRaw(s).kind != RawKind::Identifier) return SCOPE;
    const int code = qualifiedMember(ctx, ctx.table->global, value);
    if (code == CTOR_NAME || code == OPERATOR_NAME || code == OTHER) return code;
    return afterName(ctx, code, value, ctx.table->global);
}

int scanTilde(ParseContext& ctx, DeclValue& value) {
    Scanner& s = ctx.scanner;
    const Aggregate* record = openClass(ctx);
    const RawToken next = peekRaw(s);
    if (!record || next.kind != RawKind::Identifier || next.text != baseName(record)) return '~';
    nextRaw(s);
    value.name = diag::internString("~" + std::string(next.text));
    value.text = diag::ribbonText(value.name);
    return CTOR_NAME;
}

}  // namespace analyser::decl
