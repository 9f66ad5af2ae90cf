// The symbol table: entering declarations and tags with the redeclaration
// rules, and look-up through the visible scopes.
#include "analyser/symbols_internal.h"

#include <algorithm>

namespace analyser::decl {

// Lives until the process ends: nothing is gained by taking it apart.
SymbolTable& globalTable() {
    static SymbolTable* table = [] {
        auto* t = new SymbolTable;
        resetTable(*t);
        return t;
    }();
    return *table;
}

void resetTable(SymbolTable& table) {
    table = SymbolTable{};
    table.global = newScope(ScopeKind::Global, 0, nullptr);
    table.entries.reserve(1 << 14);
}

void resetAnalysis() {
    arena() = Arena{};
    resetTable(globalTable());
}

namespace {

void number(SymbolTable& table, Declaration* declaration) {
    declaration->number = ++table.counter;
    table.order.push_back({declaration, nullptr});
}

Declaration* append(SymbolTable& table, Declaration* declaration) {
    table.entries[{declaration->scope, declaration->name}].names.push_back(declaration);
    number(table, declaration);
    return declaration;
}

bool isFunction(const Declaration* d) { return d->type && d->type->kind == Kind::Function; }

// The function of that scope with the same parameter types, if any.
Declaration* sameFunction(const std::vector<Declaration*>& chain, const Declaration* declaration) {
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        int grade = kGradeNone;
        if (isFunction(*it) && compareTypes((*it)->type, declaration->type, grade) == 0) return *it;
    }
    return nullptr;
}

Declaration* lastOf(const std::vector<Declaration*>& chain) {
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        if (!isFunction(*it)) return *it;
    return nullptr;
}

bool sameFile(const Declaration* a, const Declaration* b) { return a->file == b->file; }

// An array of unknown bound made complete by a later declaration.
bool completes(const Type* existing, const Type* redeclared) {
    const Type* a = resolveTypedefs(existing);
    const Type* b = resolveTypedefs(redeclared);
    return a && b && a->kind == Kind::Array && b->kind == Kind::Array && a->count < 0 && b->count >= 0;
}

// Whether a type names the declaration through its typedef chain.
bool refersTo(const Type* type, const Declaration* d) {
    for (int depth = 0; type && type->kind == Kind::TypedefRef && depth < kMaxTypeDepth; ++depth) {
        if (type->typedefDecl == d) return true;
        type = type->typedefDecl ? type->typedefDecl->type : nullptr;
    }
    return false;
}

// The entry takes the new type, unless that type is the entry itself.
void replaceType(Declaration* existing, const Declaration* redeclared) {
    if (refersTo(redeclared->type, existing)) return;
    existing->type = redeclared->type;
    if (existing->storage & kTypedef) noteTypedefChanged();
}

Declaration* redeclarePlain(Declaration* existing, Declaration* redeclared, const EnteringContext& where) {
    if (existing->storage & kTypedef) {
        int grade = kGradeNone;
        const bool same = (redeclared->storage & kTypedef) &&
                          compareTypes(existing->type, redeclared->type, grade) == 0;
        if (!same) {
            report(kWarning, "REDEFSYMB", diag::ribbonText(existing->name), where.file, where.line);
            replaceType(existing, redeclared);
        }
        return existing;
    }
    replaceType(existing, redeclared);
    existing->file = redeclared->file;
    existing->line = redeclared->line;
    if (redeclared->enumerator) existing->enumerator = redeclared->enumerator;
    return existing;
}

// The rules for a name already declared in the same scope.
Declaration* redeclare(SymbolTable& table, Declaration* existing, Declaration* redeclared,
                       const EnteringContext& where) {
    const std::uint32_t old = existing->storage & (kExtern | kStatic);
    const std::uint32_t now = redeclared->storage & (kExtern | kStatic);
    if (old & kExtern) {
        if (completes(existing->type, redeclared->type)) existing->type = redeclared->type;
        existing->file = redeclared->file;
        return existing;
    }
    if (old & kStatic) return sameFile(existing, redeclared) ? nullptr : append(table, redeclared);
    if (now & kExtern) return nullptr;
    if (now & kStatic) {
        if (!sameFile(existing, redeclared)) return append(table, redeclared);
        report(kWarning, "REDEFSYMB", diag::ribbonText(existing->name), where.file, where.line);
        return existing;
    }
    return redeclarePlain(existing, redeclared, where);
}

// A function declared again: "()" of C learns its parameters from a
// prototype, and the parameter names of the last declaration are kept.
void mergeFunction(Declaration* existing, const Declaration* redeclared, const EnteringContext& where) {
    const Prototype* was = existing->type->prototype;
    const Prototype* now = redeclared->type->prototype;
    existing->storage |= redeclared->storage & kInline;
    if (!was || !now || now->unspecified) return;
    if (was->unspecified) {
        existing->type = redeclared->type;
        return;
    }
    CPP_modify_param_name(existing, redeclared, where.file, where.line);
}

Declaration* enterFunction(SymbolTable& table, Declaration* declaration, const EnteringContext& where) {
    auto found = table.entries.find({declaration->scope, declaration->name});
    if (found != table.entries.end())
        if (Declaration* existing = sameFunction(found->second.names, declaration)) {
            mergeFunction(existing, declaration, where);
            return existing;
        }
    return append(table, declaration);
}

}  // namespace

Declaration* enterDeclaration(SymbolTable& table, Declaration* declaration, const EnteringContext& where) {
    if (where.inBody) return append(table, declaration);
    if (isFunction(declaration)) return enterFunction(table, declaration, where);
    auto found = table.entries.find({declaration->scope, declaration->name});
    Declaration* existing = found == table.entries.end() ? nullptr : lastOf(found->second.names);
    if (!existing) return append(table, declaration);
    return redeclare(table, existing, declaration, where);
}

void enterTag(SymbolTable& table, Aggregate* record) {
    record->number = ++table.counter;
    table.order.push_back({nullptr, record});
    if (record->name) table.entries[{record->enclosing, record->name}].tags.push_back(record);
    else table.unnamedTags.push_back(record);
}

void removeDeclaration(SymbolTable& table, Declaration* declaration) {
    declaration->removed = true;
    auto found = table.entries.find({declaration->scope, declaration->name});
    if (found == table.entries.end()) return;
    std::erase(found->second.names, declaration);
}

void removeTag(SymbolTable& table, Aggregate* record) {
    record->removed = true;
    if (!record->name) {
        std::erase(table.unnamedTags, record);
        return;
    }
    auto found = table.entries.find({record->enclosing, record->name});
    if (found == table.entries.end()) return;
    std::erase(found->second.tags, record);
}

void removeEntriesAfter(SymbolTable& table, std::size_t mark) {
    while (table.order.size() > mark) {
        const SymbolTable::Ordered entry = table.order.back();
        table.order.pop_back();
        if (entry.declaration && !entry.declaration->removed) removeDeclaration(table, entry.declaration);
        if (entry.tag && !entry.tag->removed) removeTag(table, entry.tag);
    }
}

// ---- Look-up ------------------------------------------------------------------

namespace {

Declaration* pick(const std::vector<Declaration*>& chain, LookupMode mode) {
    if (chain.empty()) return nullptr;
    return mode == LookupMode::FirstVisible ? chain.front() : chain.back();
}

Aggregate* lastOfKind(const std::vector<Aggregate*>& chain, Kind kind) {
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        if ((*it)->kind == kind) return *it;
    return nullptr;
}

}  // namespace

const std::vector<Declaration*>* entriesInScope(const SymbolTable& table, Name name, const Scope* scope) {
    auto found = table.entries.find({scope, name});
    return found == table.entries.end() ? nullptr : &found->second.names;
}

namespace {

// The first result of probe over the visible scopes, innermost first.
template <class Result, class Probe>
Result firstVisible(const Scope* from, Probe probe) {
    for (const Scope* s = from; s; s = s->parent) {
        if (Result r = probe(s)) return r;
        for (const Scope* used : s->usings)
            if (Result r = probe(used)) return r;
    }
    return nullptr;
}

}  // namespace

Declaration* lookupName(const SymbolTable& table, Name name, const Scope* from, LookupMode mode) {
    return firstVisible<Declaration*>(from ? from : table.global, [&](const Scope* s) -> Declaration* {
        const auto* chain = entriesInScope(table, name, s);
        return chain ? pick(*chain, mode) : nullptr;
    });
}

Aggregate* tagInScope(const SymbolTable& table, Name name, Kind kind, const Scope* scope) {
    auto found = table.entries.find({scope, name});
    return found == table.entries.end() ? nullptr : lastOfKind(found->second.tags, kind);
}

Aggregate* lookupTag(const SymbolTable& table, Name name, Kind kind, const Scope* from) {
    return firstVisible<Aggregate*>(from ? from : table.global,
                                    [&](const Scope* s) { return tagInScope(table, name, kind, s); });
}

// One probe per visible scope: its ordinary names first, then its tags.
Denoted lookupAny(const SymbolTable& table, Name name, const Scope* from) {
    const Scope* first = from ? from : table.global;
    const auto probe = [&](const Scope* s, Denoted& found) {
        auto it = table.entries.find({s, name});
        if (it == table.entries.end()) return false;
        if (!it->second.names.empty()) found = {it->second.names.back(), nullptr, s == first};
        else if (!it->second.tags.empty()) found = {nullptr, it->second.tags.back(), s == first};
        else return false;
        return true;
    };
    Denoted found;
    for (const Scope* s = first; s; s = s->parent) {
        if (probe(s, found)) return found;
        for (const Scope* used : s->usings)
            if (probe(used, found)) return found;
    }
    return {};
}

void exposeAnonymousMembers(SymbolTable& table, Aggregate* anonymous, Scope* into) {
    for (Declaration* member : anonymous->members)
        if (member->name) table.entries[{into, member->name}].names.push_back(member);
}

// ---- Qualified names ------------------------------------------------------------

namespace {

std::string scopeName(const Scope* s) {
    if (s->kind == ScopeKind::Class && s->record)
        return s->record->name ? std::string(diag::ribbonText(s->record->name)) : "<anonymous>";
    return s->name ? std::string(diag::ribbonText(s->name)) : std::string();
}

bool passedThrough(const Scope* s) { return s->kind == ScopeKind::Global || s->kind == ScopeKind::Prototype; }

}  // namespace

std::string qualifiedScopeName(const Scope* scope) {
    std::vector<const Scope*> chain;
    for (const Scope* s = scope; s && chain.size() < static_cast<std::size_t>(kMaxTypeDepth); s = s->parent)
        if (!passedThrough(s)) chain.push_back(s);
    std::string text;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        if (!text.empty()) text += "::";
        text += scopeName(*it);
    }
    return text;
}

namespace {

std::string qualify(const Scope* scope, Name name) {
    std::string text = qualifiedScopeName(scope);
    if (!text.empty()) text += "::";
    if (name) text += diag::ribbonText(name);
    return text;
}

}  // namespace

std::string qualifiedName(const Declaration* declaration) { return qualify(declaration->scope, declaration->name); }

std::string qualifiedTagName(const Aggregate* record) {
    if (record->name) return qualify(record->enclosing, record->name);
    if (record->linkageName) return qualify(record->enclosing, record->linkageName);
    std::string text = qualifiedScopeName(record->enclosing);
    return text.empty() ? "<anonymous>" : text + "::<anonymous>";
}

// ---- Redeclared functions -----------------------------------------------------------

namespace {

bool isVoidList(const Prototype* p) {
    if (p->parameters.size() != 1 || p->parameters[0]->name) return false;
    const Type* t = p->parameters[0]->type;
    return t && t->kind == Kind::Void;
}

}  // namespace

void CPP_modify_param_name(Declaration* existing, const Declaration* redeclared, std::string_view file,
                           int line) {
    Prototype* to = existing->type->prototype;
    const Prototype* from = redeclared->type->prototype;
    if (!to || !from) return;
    if (to->parameters.size() != from->parameters.size()) {
        if (to->parameters.empty() && isVoidList(from)) return;
        if (from->parameters.empty() && isVoidList(to)) return;
        report(kInternalError, "ERRINTERN", "CPP_modify_param_name", file, line);
        return;
    }
    for (std::size_t i = 0; i < to->parameters.size(); ++i)
        if (from->parameters[i]->name) to->parameters[i]->name = from->parameters[i]->name;
}

}  // namespace analyser::decl
