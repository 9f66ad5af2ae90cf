// What the script side asks of analysed declarations: look-ups, the script
// kind of a type, its C++ text, its fields, and the listing of the table.
#include "analyser/analyser.h"
#include "analyser/builders_internal.h"
#include "analyser/image_internal.h"

#include <unordered_map>
#include <unordered_set>

namespace analyser {

using namespace decl;

namespace {

// Typedefs, named types and references followed to the type they stand for.
const Type* underlying(const Type* type) {
    for (int depth = 0; depth < kMaxTypeDepth; ++depth) {
        type = resolveTypedefs(type);
        if (!type || type->kind != Kind::Reference) return type;
        type = type->inner;
    }
    return nullptr;
}

bool isCharType(const Type* t) { return t && t->kind == Kind::Integral && t->base.isChar; }

KindMapping integral(const Type* t) {
    if (t->base.isChar && t->base.bits < 0) return {values::TypeKind::CARACTERE, "caractere", t->base.bits, {}};
    return {values::TypeKind::ENTIER, t->base.bits < 0 ? "entier" : "unsigned", t->base.bits, {}};
}

KindMapping floating(const Type* t) {
    const std::string_view name = diag::ribbonText(t->base.name);
    const char first = name.empty() ? 'f' : name[0];
    return {values::TypeKind::REEL, first == 'd' ? "double" : first == 'l' ? "longdouble" : "float", 0, {}};
}

KindMapping mapResolved(const Type* t) {
    using values::TypeKind;
    if (!t) return {TypeKind::ENTIER, "entier", -baseTypeSizes().intBits, {}};
    switch (t->kind) {
    case Kind::Integral: return integral(t);
    case Kind::Floating: return floating(t);
    case Kind::Pointer:
        if (isCharType(underlying(t->inner))) return {TypeKind::CHAINE, "chaine", 0, "char *"};
        return {TypeKind::POINTEUR, "pointeur", 0, t->inner ? std::string() : "void *"};
    case Kind::Array:
        if (isCharType(underlying(t->inner))) return {TypeKind::CHAINE, "chaine", 0, {}};
        return {TypeKind::POINTEUR, "pointeur", 0, {}};
    case Kind::Enumeration:
        return {TypeKind::ENTIER, "entier", t->record && t->record->underlyingBits ? t->record->underlyingBits
                                                                                  : -baseTypeSizes().intBits, {}};
    case Kind::Void: return {TypeKind::ENTIER, "entier", 0, "void"};
    case Kind::Function: return {TypeKind::POINTEUR, "pointeur", 0, {}};
    default: return {TypeKind::INCONNU, "INCONNUE", 0, {}};
    }
}

const Aggregate* recordOf(const decl::Type* type) {
    const Type* t = underlying(type);
    return t && (t->kind == Kind::Class || t->kind == Kind::Union) ? t->record : nullptr;
}

// The paths of the fields, through nested structures; a structure that
// contains itself is a field of its own there.
void collectFields(const Aggregate* record, const std::string& path, std::vector<std::string>& into,
                   std::unordered_set<const Aggregate*>& open) {
    open.insert(record);
    for (const Declaration* m : record->members) {
        const std::string here = m->name ? path + "." + std::string(diag::ribbonText(m->name)) : path;
        const Aggregate* inner = recordOf(m->type);
        if (inner && !open.contains(inner)) collectFields(inner, here, into, open);
        else into.push_back(here);
    }
    open.erase(record);
}

const char* whatOf(const Declaration* d) {
    if (d->enumerator) return "enumerator";
    if (d->storage & kTypedef) return "typedef";
    if (d->type && d->type->kind == Kind::Function) return "function";
    return d->scope && d->scope->isMember() ? "member" : "variable";
}

std::string enumeratorValue(const Declaration* d) {
    const Enumerator* e = d->enumerator;
    if (e->valueKnown) return values::image(e->value.value, values::DisplayFormat::DECIMAL, -128);
    return "(" + std::string(e->expression) + ")";
}

ImageOptions listingOptions() {
    ImageOptions options;
    options.oneLine = true;
    options.anonymous = true;
    return options;
}

// A bit field: its declared type and width, the width with the sign of the type.
void bitField(const Declaration* d, EntryListing& e) {
    e.type += " : " + (d->bitWidth >= 0 ? std::to_string(d->bitWidth) : std::string(d->expression));
    e.kind = std::string(values::typeKindName(values::TypeKind::BIT));
    e.size = d->bitWidth < 0 ? 0 : mapAnalysedType(d->type).size < 0 ? -d->bitWidth : d->bitWidth;
    e.bitWidth = d->bitWidth;
}

EntryListing listing(const Declaration* d) {
    EntryListing e;
    e.what = whatOf(d);
    e.name = qualifiedName(d);
    e.type = d->enumerator ? enumeratorValue(d) : typeText(d->type, "", listingOptions());
    const KindMapping k = mapAnalysedType(d->type);
    e.kind = std::string(values::typeKindName(k.kind));
    e.size = k.size;
    if (d->isBitField) bitField(d, e);
    return e;
}

EntryListing listing(const Aggregate* tag) {
    const ImageOptions options = listingOptions();
    EntryListing e;
    e.what = "tag";
    e.name = qualifiedTagName(tag);
    e.type = typeText(tag->type, "", options);
    const KindMapping k = mapAnalysedType(tag->type);
    e.kind = std::string(values::typeKindName(k.kind));
    e.size = k.size;
    return e;
}

}  // namespace

const decl::Declaration* lookUpDeclaration(std::string_view name) {
    return lookupName(globalTable(), diag::internString(name), nullptr);
}

const decl::Type* declaredType(const decl::Declaration* declaration) {
    return declaration ? declaration->type : nullptr;
}

const decl::Type* typeFromText(std::string_view text) {
    SymbolTable& table = globalTable();
    return decl::typeFromText(table, table.global, text);
}

KindMapping mapAnalysedType(const decl::Type* type) {
    KindMapping k = mapResolved(underlying(type));
    if (k.cType.empty()) k.cType = typeText(type, "");
    return k;
}

TypeImageParts typeImageParts(const decl::Type* type, int mode) {
    ImageOptions options;
    options.mode = mode;
    const TypeImage image = decl::typeImage(type, options);
    return {image.prefix, image.suffix};
}

std::string typeImage(const decl::Type* type, std::string_view name, int mode) {
    ImageOptions options;
    options.mode = mode;
    return typeText(type, name, options);
}

int fieldCount(const decl::Type* type) {
    const Aggregate* record = recordOf(type);
    return record ? static_cast<int>(record->members.size()) : 1;
}

int fieldIndex(const decl::Type* type, std::string_view name) {
    const Type* t = underlying(type);
    if (!t || !t->record) return 0;
    const Name wanted = diag::internString(name);
    if (t->kind == Kind::Enumeration) {
        for (std::size_t i = 0; i < t->record->enumerators.size(); ++i)
            if (t->record->enumerators[i]->name == wanted) return static_cast<int>(i) + 1;
        return 0;
    }
    for (std::size_t i = 0; i < t->record->members.size(); ++i)
        if (t->record->members[i]->name == wanted) return static_cast<int>(i) + 1;
    return 0;
}

std::string fieldPath(const decl::Type* type, int n, bool nested) {
    const Aggregate* record = recordOf(type);
    if (!record || n < 1) return {};
    if (!nested) {
        if (n > static_cast<int>(record->members.size())) return {};
        const Declaration* m = record->members[static_cast<std::size_t>(n - 1)];
        return m->name ? "." + std::string(diag::ribbonText(m->name)) : std::string();
    }
    std::vector<std::string> paths;
    std::unordered_set<const Aggregate*> open;
    collectFields(record, {}, paths, open);
    return n <= static_cast<int>(paths.size()) ? paths[static_cast<std::size_t>(n - 1)] : std::string();
}

bool isTestableField(const decl::Type* type, int n) {
    const Aggregate* record = recordOf(type);
    if (!record || n < 1 || n > static_cast<int>(record->members.size())) return false;
    const Declaration* m = record->members[static_cast<std::size_t>(n - 1)];
    const Type* t = underlying(m->type);
    return m->name && (!t || t->kind != Kind::Function);
}

bool endsOnSignedChar(const decl::Type* type) { return decl::endsOnSignedChar(type); }

void listEntries(const std::function<void(const EntryListing&)>& visit) {
    for (const auto& entry : globalTable().order) {
        if (entry.declaration && entry.declaration->name && !entry.declaration->removed)
            visit(listing(entry.declaration));
        else if (entry.tag && entry.tag->name && !entry.tag->removed)
            visit(listing(entry.tag));
    }
}

void CPP_analyse_decl(std::string_view text, std::string_view scopeName, std::string_view fileName, int firstLine,
                      ReportCallback report) {
    SymbolTable& table = globalTable();
    Scope* scope = table.global;
    if (!scopeName.empty()) {
        const Name name = diag::internString(scopeName);
        const Aggregate* tag = lookupTag(table, name, Kind::Class, table.global);
        Scope*& named = arena().namedScopes[name];
        if (!named) named = newScope(ScopeKind::Namespace, name, table.global);
        scope = tag && tag->scope ? tag->scope : named;
    }
    analyseText(table, scope, text, fileName, firstLine, report);
}

}  // namespace analyser
