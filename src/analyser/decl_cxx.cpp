// Builders of the C++ declarations: namespaces, references, constructors and
// the other functions without a type, base classes, enumerations with an
// underlying type, and the instances of templates, made by analysing the
// kept text again with the parameters replaced by the arguments.
#include "analyser/decl_grammar.hpp"

#include "analyser/builders_internal.h"

#include <string>

namespace analyser::decl {

namespace {

std::string_view fileText(Name file) { return file ? diag::ribbonText(file) : std::string_view{}; }

// The top-level items of a list separated by commas, trimmed.
std::vector<std::string> splitList(std::string_view text) {
    std::vector<std::string> items;
    std::string item;
    int depth = 0;
    const auto close = [&] {
        while (!item.empty() && item.back() == ' ') item.pop_back();
        std::size_t first = item.find_first_not_of(' ');
        items.push_back(first == std::string::npos ? std::string() : item.substr(first));
        item.clear();
    };
    for (const char c : text) {
        if (c == '<' || c == '(' || c == '[' || c == '{') ++depth;
        if (c == '>' || c == ')' || c == ']' || c == '}') --depth;
        if (c == ',' && depth == 0) {
            close();
            continue;
        }
        if ((c == ' ' || c == '\t' || c == '\n') && (item.empty() || item.back() == ' ')) continue;
        item += c == '\t' || c == '\n' ? ' ' : c;
    }
    close();
    if (items.size() == 1 && items[0].empty()) items.clear();
    return items;
}

constexpr int kMaxInstantiationDepth = 64;
constexpr int kMaxBaseDepth = 256;
constexpr std::string_view kUnnamedNamespace = "vorne_unnamed_namespace";

Scope* namespaceIn(ParseContext& ctx, Scope* parent, std::string_view name, bool inlined) {
    if (name.empty()) {
        const std::string made = std::string(kUnnamedNamespace) + "_" + std::to_string(++ctx.table->unnamedNamespaces);
        Scope* unnamed = newScope(ScopeKind::Namespace, diag::internString(made), parent);
        parent->usings.push_back(unnamed);
        return unnamed;
    }
    const Name entry = diag::internString(name);
    Scope*& ns = ctx.table->namespaces[{parent, entry}];
    if (!ns) ns = newScope(ScopeKind::Namespace, entry, parent);
    if (inlined && !ns->inlined) {
        ns->inlined = true;
        parent->usings.push_back(ns);
    }
    return ns;
}

}  // namespace

void openNamespace(ParseContext& ctx, const DeclValue& names) {
    const std::string_view text = names.text;
    int opened = 0;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t end = std::min(text.find("::", begin), text.size());
        const bool last = end >= text.size();
        Scope* ns = namespaceIn(ctx, ctx.current(), text.substr(begin, end - begin), last && names.qualifiers);
        ctx.scopes.push_back({ns, nullptr});
        ++opened;
        if (end >= text.size()) break;
        begin = end + 2;
    }
    ctx.blockScopes.push_back(opened);
}

Access currentAccess(const ParseContext& ctx) { return ctx.inBody() ? ctx.scopes.back().access : Access::None; }

// ---- Declarators -----------------------------------------------------------------------

Declarator* addReference(ParseContext& ctx, Declarator* declarator, bool rvalue) {
    (void)ctx;
    Type* reference = newType(Kind::Reference);
    reference->rvalue = rvalue;
    if (!declarator->top) declarator->top = reference;
    else declarator->hole->inner = reference;
    declarator->hole = reference;
    return declarator;
}

Declarator* addMemberPointer(ParseContext& ctx, Declarator* declarator, const DeclValue& owner, std::uint8_t qualifiers) {
    addPointer(ctx, declarator, qualifiers);
    declarator->hole->record = owner.tag;
    return declarator;
}

void qualifyFunction(ParseContext& ctx, Declarator* declarator, std::uint8_t qualifiers) {
    Type* function = declarator->hole && declarator->hole->kind == Kind::Function ? declarator->hole : nullptr;
    if (!function) return;
    if (qualifiers) function->qualifiers = qualifiers & (kConst | kVolatile);
    const std::string_view thrown = ctx.scanner.exceptionSpec;
    ctx.scanner.exceptionSpec = {};
    if (thrown.empty() || !function->prototype) return;
    Type* spec = newType(Kind::ExceptionSpec);
    spec->prototype = newPrototype();
    for (const std::string& item : splitList(thrown)) {
        Type* type = typeFromText(*ctx.table, ctx.current(), item);
        if (!type) type = newNamed(diag::internString(item));
        spec->prototype->parameters.push_back(newDeclaration(0, type, nullptr, 0));
    }
    function->prototype->exceptions = spec;
}

namespace {

}  // namespace

void declareSpecial(ParseContext& ctx, Declarator* declarator, DeclSpec* spec) {
    Type* returned = declarator->returnType ? declarator->returnType : newType(Kind::Void);
    const std::string_view file = fileText(declarator->file);
    Type* type = CPP_compose_type(returned, declarator->top, file, declarator->line);
    Scope* scope = declarator->scope ? declarator->scope : ctx.current();
    Declaration* d = newDeclaration(declarator->name, type, scope, spec ? spec->storage : 0);
    d->file = declarator->file;
    d->line = declarator->line;
    if (declarator->scope && declarator->scope != ctx.current()) {  // defined outside its class
        if (Declaration* existing = declaredMember(*ctx.table, d)) {
            CPP_modify_param_name(existing, d, file, declarator->line);
            return;
        }
    }
    d->access = currentAccess(ctx);
    if (ctx.inBody()) ctx.scopes.back().definition->cxx = true;
    enterDeclaration(*ctx.table, d, {ctx.inBody(), file, declarator->line});
}

// ---- Classes -----------------------------------------------------------------------------

namespace {

bool derivesFrom(const Aggregate* record, const Aggregate* base, int depth = 0) {
    if (record == base) return true;
    if (depth > kMaxBaseDepth) return true;
    for (const Aggregate* b : record->bases)
        if (derivesFrom(b, base, depth + 1)) return true;
    return false;
}

std::string withoutAccessWords(std::string text) {
    for (bool changed = true; changed;) {
        changed = false;
        for (const std::string_view word : {"public ", "protected ", "private ", "virtual "})
            if (text.starts_with(word)) {
                text.erase(0, word.size());
                changed = true;
            }
    }
    if (text.ends_with("...")) text.resize(text.size() - 3);
    return text;
}

}  // namespace

void addBases(ParseContext& ctx, Aggregate* record, const DeclValue& clause) {
    for (const std::string& item : splitList(clause.text)) {
        const std::string text = withoutAccessWords(item);
        const Type* t = resolveTypedefs(typeFromText(*ctx.table, ctx.current(), text));
        Aggregate* base = t && (t->kind == Kind::Class || t->kind == Kind::Union) ? t->record : nullptr;
        if (!base) continue;
        if (derivesFrom(base, record)) {
            report(kWarning, "SYNTAXERR", text, fileText(clause.file), clause.line);
            continue;
        }
        record->bases.push_back(base);
        record->cxx = true;
        record->inherited.insert(record->inherited.end(), base->inherited.begin(), base->inherited.end());
        record->inherited.insert(record->inherited.end(), base->members.begin(), base->members.end());
        if (base->scope && record->scope) record->scope->usings.push_back(base->scope);
    }
}

Aggregate* beginInstance(ParseContext& ctx, const DeclValue& head) {
    Aggregate* record = head.tag;
    record->complete = true;
    record->cxx = true;
    ctx.itemDefinitions.push_back(record);
    if (!record->scope) record->scope = newScope(ScopeKind::Class, record->name, record->enclosing, record);
    const Access access = record->key == ClassKey::Class ? Access::Private : Access::Public;
    ctx.scopes.push_back({record->scope, record, access});
    markLastBrace(ctx.scanner, BraceKind::Aggregate);
    return record;
}

void setUnderlying(ParseContext& ctx, Aggregate* record, const DeclValue& base) {
    const Type* t = resolveTypedefs(typeFromText(*ctx.table, ctx.current(), base.text));
    if (t && t->kind == Kind::Integral && t->base.bits) record->fixedUnderlyingBits = t->base.bits;
}

// ---- Templates ---------------------------------------------------------------------------

namespace {

// A parameter and its argument; a pack's arguments are written whole where
// it is expanded ("Ts..."), its first one where it types a declarator.
struct Binding {
    std::string name;
    std::string text;
    std::string first;
};

bool identStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool identChar(char c) { return identStart(c) || (c >= '0' && c <= '9'); }

// The text with every parameter name replaced by its argument; string and
// character literals are left alone, line ends are kept.
std::string substitute(std::string_view text, const std::vector<Binding>& bindings) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '"' || c == '\'') {
            std::size_t j = i + 1;
            while (j < text.size() && text[j] != c) j += text[j] == '\\' ? 2 : 1;
            j = std::min(j + 1, text.size());
            out.append(text.substr(i, j - i));
            i = j;
            continue;
        }
        if (!identStart(c) || (i > 0 && identChar(text[i - 1]))) {
            out += c;
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < text.size() && identChar(text[j])) ++j;
        const std::string_view word = text.substr(i, j - i);
        const Binding* bound = nullptr;
        for (const Binding& b : bindings)
            if (b.name == word) bound = &b;
        i = j;
        const bool expanded = text.substr(i, 3) == "...";
        if (!bound) out += word;
        else out += bound->first.empty() || expanded ? bound->text : bound->first;
        if (bound && expanded) i += 3;
    }
    return out;
}

// The empty argument lists of the text become blanks.
std::string withoutEmptyLists(std::string text) {
    for (std::size_t i = 0; (i = text.find('<', i)) != std::string::npos; ++i) {
        std::size_t j = i + 1;
        while (j < text.size() && (text[j] == ' ' || text[j] == '\t')) ++j;
        if (j < text.size() && text[j] == '>') std::fill(text.begin() + static_cast<long>(i),
                                                         text.begin() + static_cast<long>(j) + 1, ' ');
    }
    return text;
}

// The parameters bound to the arguments (defaults for the missing ones);
// false when they do not match.
bool bindParameters(ParseContext& ctx, const Aggregate* templ, const std::vector<std::string>& arguments,
          std::vector<Binding>& bindings) {
    const TemplateInfo& info = *templ->templateInfo;
    std::size_t next = 0;
    for (const TemplateParameter& p : info.parameters) {
        std::string text;
        if (p.pack) {
            for (; next < arguments.size(); ++next) text += (text.empty() ? "" : ", ") + arguments[next];
            bindings.push_back({p.name, text, {}});
            bindings.back().first = arguments.empty() ? "int" : bindings.back().text.substr(0, bindings.back().text.find(", "));
            continue;
        } else if (next < arguments.size()) {
            text = arguments[next++];
        } else if (!p.defaultText.empty()) {  // written as the template's scope reads it
            text = substitute(p.defaultText, bindings);
            if (const Type* type = typeFromText(*ctx.table, templ->enclosing, text)) text = argumentImage(type);
        } else {
            return false;
        }
        bindings.push_back({p.name, text, {}});
    }
    return next == arguments.size();
}

// Every argument of an instance, defaults included, so that one type has
// one name whatever the use wrote.
std::vector<std::string> completeArguments(const TemplateInfo& info, const std::vector<Binding>& bindings) {
    std::vector<std::string> arguments;
    for (std::size_t i = 0; i < bindings.size() && i < info.parameters.size(); ++i)
        if (!info.parameters[i].pack || !bindings[i].text.empty()) arguments.push_back(bindings[i].text);
    return arguments;
}

std::string instanceName(const Aggregate* templ, const std::vector<std::string>& arguments) {
    std::string name = std::string(diag::ribbonText(templ->name)) + "<";
    for (std::size_t i = 0; i < arguments.size(); ++i) name += (i ? ", " : "") + arguments[i];
    if (name.back() == '>') name += ' ';
    return name + ">";
}

struct DepthGuard {
    static int& depth() {
        static int value = 0;
        return value;
    }
    DepthGuard() { ++depth(); }
    ~DepthGuard() { --depth(); }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
};

}  // namespace

Aggregate* instantiate(ParseContext& ctx, Aggregate* templ, std::string_view argumentText, Name file, int line) {
    const TemplateInfo* info = templ->templateInfo;
    const std::vector<std::string> written = splitList(argumentText);
    std::vector<Binding> bindings;
    const bool bound = info && bindParameters(ctx, templ, written, bindings);
    const std::string name = instanceName(templ, bound ? completeArguments(*info, bindings) : written);
    const Name entry = diag::internString(name);
    if (ctx.table->failedInstances.contains(entry) || (info && info->specialised)) return nullptr;
    if (!bound || DepthGuard::depth() >= kMaxInstantiationDepth) {
        report(kWarning, "TEMINSINC", name, fileText(file), line);
        ctx.table->failedInstances.insert(entry);
        return nullptr;
    }
    const Kind kind = templ->key == ClassKey::Union ? Kind::Union : Kind::Class;
    if (Aggregate* made = tagInScope(*ctx.table, entry, kind, templ->enclosing)) return made;
    Aggregate* record = newAggregate(kind, templ->key, entry, templ->enclosing);
    record->instanceOf = templ;
    enterTag(*ctx.table, record);
    if (!info->hasBody) return record;
    std::string text = info->bases.empty() ? std::string() : ": " + substitute(info->bases, bindings);
    text += " {" + substitute(info->body, bindings) + "\n};";
    const DepthGuard guard;
    analyseInstanceText(*ctx.table, record, withoutEmptyLists(std::move(text)), fileText(info->file), info->line);
    return record;
}

Type* instantiateAlias(ParseContext& ctx, Aggregate* templ, std::string_view argumentText, Name file, int line) {
    const TemplateInfo* info = templ->templateInfo;
    const std::vector<std::string> arguments = splitList(argumentText);
    std::vector<Binding> bindings;
    if (info && info->specialised) return nullptr;  // which body applies is not known
    if (!info || !bindParameters(ctx, templ, arguments, bindings) || DepthGuard::depth() >= kMaxInstantiationDepth) {
        report(kWarning, "TEMINSINC", instanceName(templ, arguments), fileText(file), line);
        return nullptr;
    }
    const DepthGuard guard;
    return typeFromText(*ctx.table, templ->enclosing, withoutEmptyLists(substitute(info->aliased, bindings)));
}

}  // namespace analyser::decl
