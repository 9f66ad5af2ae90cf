// Builders of tags (structures, unions, classes, enumerations with their
// enumerators), of linkage blocks, of types given by "__typeof__", and the
// parser's error routine and recovery.
#include "analyser/decl_grammar.hpp"

#include "analyser/builders_internal.h"
#include "analyser/constants_internal.h"

namespace analyser::decl {

namespace {

std::string_view fileText(Name file) { return file ? diag::ribbonText(file) : std::string_view{}; }

ClassKey keyOf(int token) {
    if (token == UNION) return ClassKey::Union;
    return token == CLASS ? ClassKey::Class : ClassKey::Struct;
}

// A definition given again replaces the first one: the entries of the first
// one leave the table.
void forgetMembers(ParseContext& ctx, Aggregate* record) {
    for (Declaration* m : record->members)
        if (m->name) removeDeclaration(*ctx.table, m);
    record->members.clear();
}

void forgetEnumerators(ParseContext& ctx, Aggregate* record) {
    for (const Enumerator* e : record->enumerators)
        if (const auto* chain = entriesInScope(*ctx.table, e->name, record->enclosing))
            for (Declaration* d : std::vector<Declaration*>(*chain))
                if (d->enumerator == e) removeDeclaration(*ctx.table, d);
    record->enumerators.clear();
}

}  // namespace

// ---- Structures, unions, classes -------------------------------------------------------

Aggregate* beginAggregate(ParseContext& ctx, const DeclValue& key, const DeclValue* name) {
    const ClassKey classKey = keyOf(key.token);
    const Kind kind = classKey == ClassKey::Union ? Kind::Union : Kind::Class;
    const Name tag = name ? name->name : 0;
    Aggregate* record = tag ? tagInScope(*ctx.table, tag, kind, ctx.current()) : nullptr;
    if (record && record->complete) forgetMembers(ctx, record);  // a second definition replaces the first
    if (!record) {
        record = newAggregate(kind, classKey, tag, ctx.current());
        enterTag(*ctx.table, record);
    }
    record->complete = true;
    ctx.itemDefinitions.push_back(record);
    if (!record->scope) record->scope = newScope(ScopeKind::Class, tag, ctx.current(), record);
    ctx.scopes.push_back({record->scope, record});
    markLastBrace(ctx.scanner, BraceKind::Aggregate);
    return record;
}

DeclValue endAggregate(ParseContext& ctx, const DeclValue& head) {
    Aggregate* record = head.aggregate;
    if (ctx.scopes.size() > 1 && ctx.scopes.back().definition == record) ctx.scopes.pop_back();
    DeclValue value = head;
    value.tag = nullptr;
    return value;
}

DeclValue elaboratedTag(ParseContext& ctx, const DeclValue& key, const DeclValue& name) {
    DeclValue value = name;
    value.token = key.token;
    value.declaration = nullptr;
    const Kind kind = key.token == ENUM ? Kind::Enumeration : key.token == UNION ? Kind::Union : Kind::Class;
    value.tag = lookupTag(*ctx.table, name.name, kind, ctx.current());
    return value;
}

// ---- Enumerations ------------------------------------------------------------------------

Aggregate* beginEnum(ParseContext& ctx, const DeclValue* name) {
    const Name tag = name ? name->name : 0;
    Aggregate* record = tag ? tagInScope(*ctx.table, tag, Kind::Enumeration, ctx.current()) : nullptr;
    if (record && record->complete) {
        report(kWarning, "REDEFSTRU", diag::ribbonText(tag), fileText(name->file), name->line);
        forgetEnumerators(ctx, record);
    }
    if (!record) {
        record = newAggregate(Kind::Enumeration, ClassKey::Enum, tag, ctx.current());
        enterTag(*ctx.table, record);
    }
    record->complete = true;
    ctx.itemDefinitions.push_back(record);
    ctx.enums.push_back(record);
    markLastBrace(ctx.scanner, BraceKind::Enum);
    return record;
}

namespace {

values::Integer toInteger(__int128 value) {
    const auto bits = static_cast<unsigned __int128>(value);
    const std::uint64_t top = value < 0 ? ~std::uint64_t{0} : 0;
    return values::Integer::fromLimbs({static_cast<std::uint64_t>(bits), static_cast<std::uint64_t>(bits >> 64), top});
}

__int128 fromInteger(const values::Integer& value) {
    const auto& limbs = value.limbs();
    return static_cast<__int128>((static_cast<unsigned __int128>(limbs[1]) << 64) | limbs[0]);
}

// The value of an enumerator written without one: the previous one plus one.
bool nextValue(const Aggregate* record, ConstantValue& value) {
    if (record->enumerators.empty()) {
        value = {0, -baseTypeSizes().intBits};
        return true;
    }
    const Enumerator* previous = record->enumerators.back();
    if (!previous->valueKnown) return false;
    value = {fromInteger(previous->value.value) + 1, previous->value.bits};
    return true;
}

Constant enumeratorConstant(const ConstantValue& value) {
    Constant c;
    c.kind = Constant::Kind::Integer;
    c.value = toInteger(value.value);
    c.bits = value.bits;
    return c;
}

}  // namespace

void addEnumerator(ParseContext& ctx, const DeclValue& name, const DeclValue* value) {
    if (ctx.enums.empty()) return;
    Aggregate* record = ctx.enums.back();
    Enumerator* e = newEnumerator(name.name, record);
    ConstantValue computed;
    bool known;
    if (value) {
        e->valueGiven = true;
        e->expression = keepText(value->text);
        known = evaluateConstant(ctx, value->text, value->file, value->line, computed);
    } else {
        known = nextValue(record, computed);
        if (!known && !record->enumerators.empty())  // written so that a compiler can check it
            e->expression = keepText(std::string(diag::ribbonText(record->enumerators.back()->name)) + " + 1");
    }
    e->valueKnown = known;
    if (known) e->value = enumeratorConstant(computed);
    Declaration* d = newDeclaration(name.name, record->type, ctx.current(), 0);
    d->enumerator = e;
    d->file = name.file;
    d->line = name.line;
    record->enumerators.push_back(e);
    enterDeclaration(*ctx.table, d, {ctx.inBody(), fileText(name.file), name.line});
}

DeclValue endEnum(ParseContext& ctx, const DeclValue& head) {
    if (!ctx.enums.empty()) ctx.enums.pop_back();
    settleEnumeration(head.aggregate);
    DeclValue value = head;
    value.tag = nullptr;
    return value;
}

// ---- Blocks ------------------------------------------------------------------------------

void openLinkageBlock(ParseContext& ctx) { ++ctx.linkageBlocks; }

void closeBlock(ParseContext& ctx) {
    if (ctx.linkageBlocks > 0) --ctx.linkageBlocks;
}

// ---- Types given by __typeof__ -----------------------------------------------------------

namespace {

bool isIdentifier(std::string_view text) {
    if (text.empty() || (text[0] >= '0' && text[0] <= '9')) return false;
    for (const char c : text)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$'))
            return false;
    return true;
}

}  // namespace

Type* typeFromTypeof(ParseContext& ctx, const DeclValue& operand) {
    if (isIdentifier(operand.text))
        if (Declaration* d = lookupName(*ctx.table, diag::internString(operand.text), ctx.current())) {
            return d->storage & kTypedef ? typedefReference(d) : d->type;
        }
    if (Type* type = typeFromText(*ctx.table, ctx.current(), operand.text)) return type;
    return newNamed(diag::internString("__typeof__(" + std::string(operand.text) + ")"));
}

// ---- Errors ------------------------------------------------------------------------------

void syntaxError(ParseContext& ctx) {
    ctx.syntaxError = true;
    const Scanner& s = ctx.scanner;
    if (s.ended || nothingLeft(s)) report(kError, "UNEXP_EOF", textReadSoFar(s), currentFile(s), s.tokenLine);
    else report(kWarning, "SYNTAXERR", textReadSoFar(s), currentFile(s), s.tokenLine);
}

bool recoverFromError(ParseContext& ctx) {
    for (Aggregate* e : ctx.enums) settleEnumeration(e);
    while (ctx.scopes.size() > 1 && ctx.scopes.back().definition) ctx.scopes.pop_back();
    ctx.enums.clear();
    ctx.krParameters.clear();
    ctx.specsUsed = 0;
    ctx.declaratorsUsed = 0;
    ctx.scanner.skipBodyPending = false;
    const bool more = resynchronise(ctx.scanner);
    ctx.linkageBlocks = 0;
    for (const BraceFrame& f : ctx.scanner.braces)
        if (f.kind == BraceKind::Block) ++ctx.linkageBlocks;
    return more;
}

}  // namespace analyser::decl
