// Builders of declarations: specifiers, declarators, parameters, and the
// entering of every declared name with its composed type.
#include "analyser/decl_grammar.hpp"

#include "analyser/builders_internal.h"

#include <array>
#include <unordered_map>

namespace analyser::decl {

bool ParseContext::inBody() const { return scopes.back().definition != nullptr; }

namespace {

std::string_view fileText(Name file) { return file ? diag::ribbonText(file) : std::string_view{}; }

void construct(DeclSpec* spec, std::string_view parameter) {
    if (!spec->failed) report(kWarning, "CONSTRUCT", parameter, fileText(spec->file), spec->line);
    spec->failed = true;
}

bool hasType(const DeclSpec* spec) { return spec->words.count > 0 || spec->named || spec->pendingName; }

std::uint32_t storageBit(int token) {
    switch (token) {
    case TYPEDEF: return kTypedef;
    case EXTERN: return kExtern;
    case STATIC: return kStatic;
    case AUTO: return kAuto;
    case REGISTER: return kRegister;
    case FRIEND: return kFriend;
    case OVERLOAD: return kOverload;
    case VIRTUAL: return kVirtual;
    case INLINE: return kInline;
    case THREAD_LOCAL: return kThreadLocal;
    default: return 0;
    }
}

// The type a typedef name or a tag stands for, as a specifier.
Type* namedType(const DeclValue& start) {
    if (start.declaration) return typedefReference(start.declaration);
    return start.tag ? start.tag->type : nullptr;
}

void addTag(ParseContext& ctx, DeclSpec* spec, const DeclValue& tag) {
    if (tag.aggregate) {
        spec->named = tag.aggregate->type;
        spec->defined = tag.aggregate;
        spec->tagOnly = false;
        return;
    }
    spec->pendingTag = tag.tag;
    spec->pendingName = tag.name;
    spec->pendingKey = tag.token == UNION ? ClassKey::Union
                       : tag.token == ENUM ? ClassKey::Enum
                       : tag.token == CLASS ? ClassKey::Class
                                            : ClassKey::Struct;
    (void)ctx;
}

Kind kindOfKey(ClassKey key) {
    if (key == ClassKey::Enum) return Kind::Enumeration;
    return key == ClassKey::Union ? Kind::Union : Kind::Class;
}

// The scope where a tag named only by reference is declared: the nearest
// enclosing namespace or global scope.
Scope* namespaceScope(Scope* scope) {
    while (scope->parent && scope->kind != ScopeKind::Namespace && scope->kind != ScopeKind::Global)
        scope = scope->parent;
    return scope;
}

Aggregate* declareTag(ParseContext& ctx, ClassKey key, Name name, Scope* scope) {
    Aggregate* record = newAggregate(kindOfKey(key), key, name, scope);
    enterTag(*ctx.table, record);
    return record;
}

// "struct S" in a declaration: the tag visible from here, or a new one.
Aggregate* resolvePending(ParseContext& ctx, DeclSpec* spec) {
    if (spec->pendingTag) return spec->pendingTag;
    const Kind kind = kindOfKey(spec->pendingKey);
    spec->pendingTag = lookupTag(*ctx.table, spec->pendingName, kind, ctx.current());
    if (!spec->pendingTag)
        spec->pendingTag = declareTag(ctx, spec->pendingKey, spec->pendingName, namespaceScope(ctx.current()));
    return spec->pendingTag;
}

// A qualified base type is shared like the base type itself.
Type* qualifiedBase(Type* base, std::uint8_t qualifiers) {
    Type*& node = arena().qualifiedBases[base][qualifiers & 7];
    if (!node) node = withQualifiers(base, qualifiers);
    return node;
}

Type* qualified(Type* type, const DeclSpec* spec) {
    if (!type || (spec->qualifiers == 0 && spec->modifiers.empty())) return type;
    const std::uint8_t qualifiers = type->qualifiers | spec->qualifiers;
    const bool base = type->kind == Kind::Integral || type->kind == Kind::Floating;
    if (base && spec->modifiers.empty() && !type->modifiers) return qualifiedBase(type, qualifiers);
    Type* result = withQualifiers(type, qualifiers);
    for (const Name m : spec->modifiers) addModifier(result, m);
    return result;
}

Type* qualified(Type* type, std::uint8_t qualifiers) { return qualifiers ? withQualifiers(type, qualifiers) : type; }

// The base type of the specifiers, made once.
Type* specType(ParseContext& ctx, DeclSpec* spec) {
    if (spec->typeMade) return spec->type;
    spec->typeMade = true;
    if (spec->failed) return nullptr;
    if (spec->pendingName && !spec->named) spec->named = resolvePending(ctx, spec)->type;
    Type* base = spec->named ? spec->named : baseTypeOf(spec->words);
    spec->type = qualified(base, spec);
    return spec->type;
}

void link(Declarator* d, Type* part) {
    if (!d->top) d->top = part;
    else d->hole->inner = part;
    d->hole = part;
}

Type* composeDeclarator(ParseContext& ctx, DeclSpec* spec, const Declarator* d) {
    Type* base = specType(ctx, spec);
    if (!d || !d->top) return base;
    return CPP_compose_type(base, d->top, fileText(d->file ? d->file : spec->file), d->line ? d->line : spec->line);
}

Type* intType() {
    BaseWords words;
    addBaseWord(words, "int");
    return baseTypeOf(words);
}

// An unnamed tag defined in a typedef takes the typedef's name for linkage.
void nameUnnamedTag(const DeclSpec* spec, const Declarator* d, Type* base) {
    if (!(spec->storage & kTypedef) || d->top || !base || !base->record) return;
    Aggregate* record = base->record;
    if (!record->name && !record->linkageName) record->linkageName = d->name;
}

bool isDataMember(const Declaration* d) {
    return !(d->storage & kTypedef) && !(d->type && d->type->kind == Kind::Function) && !d->enumerator;
}

// An integer declared with a "mode" attribute has the integer type of that size.
Type* applyMode(ParseContext& ctx, Type* type) {
    const int bits = ctx.scanner.pendingModeBits;
    ctx.scanner.pendingModeBits = 0;
    if (!bits || !type || type->kind != Kind::Integral) return type;
    BaseWords words;
    if (type->base.bits > 0) addBaseWord(words, "unsigned");
    const BaseTypeSizes& sizes = baseTypeSizes();
    if (bits == sizes.charBits) {
        if (!words.isUnsigned) addBaseWord(words, "signed");
        addBaseWord(words, "char");
    } else if (bits == sizes.shortBits) addBaseWord(words, "short");
    else if (bits == sizes.intBits) addBaseWord(words, "int");
    else if (bits == sizes.longBits) addBaseWord(words, "long");
    else if (bits == sizes.longLongBits) {
        addBaseWord(words, "long");
        addBaseWord(words, "long");
    } else if (bits == 128) addBaseWord(words, "__int128");
    else return type;
    return qualified(baseTypeOf(words), type->qualifiers);
}

Declaration* enter(ParseContext& ctx, DeclSpec* spec, Declarator* d, Type* type) {
    type = applyMode(ctx, type);
    Declaration* declaration = newDeclaration(d->name, type, ctx.current(), spec->storage);
    declaration->file = d->file ? d->file : spec->file;
    declaration->line = d->line ? d->line : spec->line;
    nameUnnamedTag(spec, d, specType(ctx, spec));
    return declaration;
}

Declaration* enterInTable(ParseContext& ctx, Declaration* declaration) {
    const EnteringContext where{ctx.inBody(), fileText(declaration->file), declaration->line};
    Declaration* entered = enterDeclaration(*ctx.table, declaration, where);
    if (entered == declaration && ctx.inBody() && isDataMember(declaration))
        ctx.scopes.back().definition->members.push_back(declaration);
    return entered;
}

}  // namespace

// ---- Specifiers -----------------------------------------------------------------

DeclSpec* newSpec(ParseContext& ctx, const DeclValue& first) {
    if (ctx.specsUsed == ctx.specs.size()) ctx.specs.emplace_back();
    DeclSpec& spec = ctx.specs[ctx.specsUsed++];
    spec = DeclSpec{};
    spec.file = first.file ? first.file : ctx.scanner.file;
    spec.line = first.line;
    return &spec;
}

std::uint8_t addQualifier(std::uint8_t qualifiers, const DeclValue& word) {
    switch (word.token) {
    case CONST: return qualifiers | kConst;
    case VOLATILE: return qualifiers | kVolatile;
    case RESTRICT: return qualifiers | kRestrict;
    default: return qualifiers;
    }
}

void addNotsWord(ParseContext& ctx, DeclSpec* spec, const DeclValue& word) {
    (void)ctx;
    spec->tagOnly = false;
    if (word.token == TYPE_MODIFIER) spec->modifiers.push_back(word.name);
    spec->qualifiers = addQualifier(spec->qualifiers, word);
    spec->storage |= storageBit(word.token);
}

void addTypeStart(ParseContext& ctx, DeclSpec* spec, const DeclValue& start) {
    const bool wasTyped = hasType(spec);
    if (start.token == BASE_WORD) {
        spec->tagOnly = false;
        if (spec->named || spec->pendingName) construct(spec, {});
        else if (!addBaseWord(spec->words, start.text))
            construct(spec, spec->words.spelling + " " + std::string(start.text));
        return;
    }
    if (wasTyped) {
        construct(spec, {});
        return;
    }
    const bool isTag = start.token == STRUCT || start.token == UNION || start.token == CLASS || start.token == ENUM;
    if (isTag) return addTag(ctx, spec, start);
    spec->tagOnly = false;
    spec->named = start.token == TYPEOF ? typeFromTypeof(ctx, start) : namedType(start);
    if (!spec->named) construct(spec, {});
}

// ---- Declarators ------------------------------------------------------------------

Declarator* newDeclarator(ParseContext& ctx, const DeclValue& name) {
    if (ctx.declaratorsUsed == ctx.declarators.size()) ctx.declarators.emplace_back();
    Declarator& d = ctx.declarators[ctx.declaratorsUsed++];
    d = Declarator{};
    d.name = name.name;
    d.file = name.file;
    d.line = name.line;
    return &d;
}

Declarator* addPointer(ParseContext& ctx, Declarator* declarator, std::uint8_t qualifiers) {
    (void)ctx;
    link(declarator, newPointer(nullptr, qualifiers));
    return declarator;
}

Declarator* addArray(ParseContext& ctx, Declarator* declarator, const DeclValue& bound) {
    ConstantValue value;
    std::int64_t count = -1;
    if (!bound.text.empty() && evaluateConstant(ctx, bound.text, bound.file, bound.line, value) && value.value >= 0 &&
        value.value <= INT64_MAX)
        count = static_cast<std::int64_t>(value.value);
    link(declarator, newArray(nullptr, count, bound.text));
    return declarator;
}

Declarator* addFunction(ParseContext& ctx, Declarator* declarator, Prototype* parameters) {
    (void)ctx;
    if (!declarator->top && !declarator->ownPrototype) declarator->ownPrototype = parameters;
    parameters->functionName = declarator->name;
    link(declarator, newFunction(nullptr, parameters));
    return declarator;
}

// ---- Parameters -------------------------------------------------------------------

Prototype* newParameterList(ParseContext& ctx) {
    (void)ctx;
    return newPrototype();
}

Prototype* addParameter(ParseContext& ctx, Prototype* list, DeclSpec* spec, Declarator* declarator) {
    Declaration* p = newDeclaration(declarator ? declarator->name : 0, composeDeclarator(ctx, spec, declarator),
                                    nullptr, spec->storage);
    p->file = spec->file;
    p->line = spec->line;
    list->parameters.push_back(p);
    return list;
}

Prototype* addIdentifierParameter(ParseContext& ctx, Prototype* list, const DeclValue& name) {
    (void)ctx;
    Declaration* p = newDeclaration(name.name, intType(), nullptr, 0);
    p->file = name.file;
    p->line = name.line;
    list->parameters.push_back(p);
    return list;
}

Prototype* closeParameters(Prototype* list, bool variadic) {
    list->variadic = variadic;
    return list;
}

Prototype* unspecifiedParameters(ParseContext& ctx) {
    Prototype* p = newParameterList(ctx);
    p->unspecified = true;
    return p;
}

// ---- Declarations -----------------------------------------------------------------

DeclSpec* declareNamed(ParseContext& ctx, DeclSpec* spec, Declarator* declarator, const DeclValue& initializer) {
    Declaration* d = enter(ctx, spec, declarator, composeDeclarator(ctx, spec, declarator));
    d->expression = keepText(initializer.text);
    enterInTable(ctx, d);
    return spec;
}

DeclSpec* declareMember(ParseContext& ctx, DeclSpec* spec, Declarator* declarator, const DeclValue& tail) {
    if (!declarator) {  // an unnamed bit field only pads
        specType(ctx, spec);
        return spec;
    }
    Declaration* d = enter(ctx, spec, declarator, composeDeclarator(ctx, spec, declarator));
    d->expression = keepText(tail.text);
    if (tail.token == BIT_WIDTH) {
        d->isBitField = true;
        ConstantValue width;
        if (evaluateConstant(ctx, tail.text, tail.file, tail.line, width) && width.value >= 0 && width.value <= 4096)
            d->bitWidth = static_cast<int>(width.value);
    }
    enterInTable(ctx, d);
    return spec;
}

void declareSpecifiersOnly(ParseContext& ctx, DeclSpec* spec) {
    if (spec->defined) {
        Aggregate* record = spec->defined;
        const bool member = ctx.inBody() && !record->name && record->kind != Kind::Enumeration;
        if (member) declareAnonymousMember(ctx, record, spec);
        return;
    }
    if (spec->pendingName && spec->tagOnly && !spec->pendingTag) {  // "struct S;" declares S here
        const Kind kind = kindOfKey(spec->pendingKey);
        if (!tagInScope(*ctx.table, spec->pendingName, kind, ctx.current()))
            declareTag(ctx, spec->pendingKey, spec->pendingName, ctx.current());
        return;
    }
    specType(ctx, spec);
}

void declareAnonymousMember(ParseContext& ctx, Aggregate* record, DeclSpec* spec) {
    record->anonymousMember = true;
    Declaration* d = newDeclaration(0, specType(ctx, spec), ctx.current(), spec->storage);
    d->file = spec->file;
    d->line = spec->line;
    ctx.scopes.back().definition->members.push_back(d);
    exposeAnonymousMembers(*ctx.table, record, ctx.current());
}

// ---- Function definitions ------------------------------------------------------------

void startKrDeclarations(ParseContext& ctx) { ctx.krParameters.clear(); }

void addKrDeclaration(ParseContext& ctx, DeclSpec* spec, Declarator* declarator) {
    ctx.krParameters.push_back(
        {declarator->name, composeDeclarator(ctx, spec, declarator), declarator->file, declarator->line});
}

namespace {

// Each K&R declaration types the parameter of its name; one that names no
// parameter is reported and dropped.
void typeKrParameters(ParseContext& ctx, const Declarator* declarator) {
    Prototype* own = declarator->ownPrototype;
    for (const KrParameter& kr : ctx.krParameters) {
        Declaration* parameter = nullptr;
        for (Declaration* p : own ? own->parameters : std::vector<Declaration*>{})
            if (p->name == kr.name) parameter = p;
        if (parameter) {
            parameter->type = kr.type;
            continue;
        }
        const std::string name = declarator->name ? std::string(diag::ribbonText(declarator->name)) : "0";
        report(kWarning, "FUNCT_DEF", name, fileText(kr.file), kr.line);
    }
    ctx.krParameters.clear();
}

}  // namespace

void defineFunction(ParseContext& ctx, DeclSpec* spec, Declarator* declarator) {
    typeKrParameters(ctx, declarator);
    declareNamed(ctx, spec, declarator, DeclValue{});
}

void skipFunctionBody(ParseContext& ctx) { requestBodySkip(ctx.scanner); }

}  // namespace analyser::decl
