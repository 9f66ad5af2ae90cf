// Type nodes and records: construction in the run's arena, base types from
// their words, composition of declarators and type comparison.
#include "analyser/types_internal.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace analyser::decl {

// Lives until the process ends: records are never freed one by one.
Arena& arena() {
    static Arena* a = new Arena;
    return *a;
}

Reporting& reporting() {
    static Reporting r;
    return r;
}

void report(int severity, std::string_view code, std::string_view parameter, std::string_view file,
            int line) {
    if (reporting().callback) reporting().callback(severity, code, parameter, file, line);
}

// Short texts (array bounds, widths, values) repeat: they are interned.
std::string_view keepText(std::string_view text) {
    if (text.empty()) return {};
    if (text.size() <= 64) return diag::ribbonText(diag::internString(text));
    return arena().texts.emplace_back(text);
}

// ---- Construction -------------------------------------------------------------

Type* newType(Kind kind, Scope* scope) {
    Type& t = arena().types.emplace_back();
    t.kind = kind;
    t.scope = scope;
    return &t;
}

Type* newPointer(Type* pointee, std::uint8_t qualifiers) {
    Type* t = newType(Kind::Pointer);
    t->inner = pointee;
    t->qualifiers = qualifiers;
    return t;
}

Type* newArray(Type* element, std::int64_t count, std::string_view sizeExpression) {
    Type* t = newType(Kind::Array);
    t->inner = element;
    t->count = count;
    t->sizeExpression = keepText(sizeExpression);
    return t;
}

Type* newFunction(Type* returnType, Prototype* prototype) {
    Type* t = newType(Kind::Function);
    t->inner = returnType;
    t->prototype = prototype;
    return t;
}

Type* newTypedefRef(Declaration* typedefDecl) {
    Type* t = newType(Kind::TypedefRef);
    t->typedefDecl = typedefDecl;
    t->inner = typedefDecl ? typedefDecl->type : nullptr;
    return t;
}

Type* newNamed(Name word, Type* resolved) {
    Type* t = newType(Kind::Named);
    t->word = word;
    t->inner = resolved;
    return t;
}

Declaration* newDeclaration(Name name, Type* type, Scope* scope, std::uint32_t storage) {
    Declaration& d = arena().declarations.emplace_back();
    d.name = name;
    d.type = type;
    d.scope = scope;
    d.storage = storage;
    return &d;
}

Aggregate* newAggregate(Kind kind, ClassKey key, Name name, Scope* enclosing) {
    Aggregate& a = arena().aggregates.emplace_back();
    a.kind = kind;
    a.key = key;
    a.name = name;
    a.enclosing = enclosing;
    a.type = newType(kind, enclosing);
    a.type->record = &a;
    return &a;
}

Enumerator* newEnumerator(Name name, Aggregate* owner) {
    Enumerator& e = arena().enumerators.emplace_back();
    e.name = name;
    e.owner = owner;
    return &e;
}

Prototype* newPrototype() { return &arena().prototypes.emplace_back(); }

Scope* newScope(ScopeKind kind, Name name, Scope* parent, Aggregate* record) {
    Scope& s = arena().scopes.emplace_back();
    s.kind = kind;
    s.name = name;
    s.parent = parent;
    s.record = record;
    return &s;
}

void addModifier(Type* type, Name word) {
    if (!type->modifiers) type->modifiers = &arena().wordLists.emplace_back();
    type->modifiers->push_back(word);
}

TypedefInfo& typedefInfo(Declaration* d) {
    if (!d->typedefInfo) d->typedefInfo = &arena().typedefInfos.emplace_back();
    return *d->typedefInfo;
}

Type* typedefReference(Declaration* d) {
    TypedefInfo& info = typedefInfo(d);
    if (!info.reference) info.reference = newTypedefRef(d);
    return info.reference;
}

namespace {

// A copy of one node; its modifier words are its own.
Type* copyNode(const Type* type) {
    Type* t = newType(type->kind, type->scope);
    *t = *type;
    if (type->modifiers) t->modifiers = &arena().wordLists.emplace_back(*type->modifiers);
    return t;
}

}  // namespace

Type* withQualifiers(const Type* type, std::uint8_t qualifiers) {
    Type* t = copyNode(type);
    t->qualifiers = qualifiers;
    return t;
}

namespace {

bool sharedKind(Kind kind) {
    return kind == Kind::Enumeration || kind == Kind::Union || kind == Kind::Class ||
           kind == Kind::TypedefRef || kind == Kind::Integral || kind == Kind::Floating ||
           kind == Kind::Void || kind == Kind::Template;
}

}  // namespace

// The chain of wrappers is copied node by node (no recursion), down to the
// first shared node; a prototype's parameter records are shared.
Type* copyType(const Type* type, bool deep) {
    if (!type) return nullptr;
    Type* head = nullptr;
    Type** link = &head;
    for (int depth = 0; type && depth < kMaxTypeDepth; ++depth) {
        if (!deep && sharedKind(type->kind) && type->qualifiers == 0) {
            *link = const_cast<Type*>(type);
            return head;
        }
        Type* node = copyNode(type);
        if (node->kind == Kind::Function && node->prototype)
            node->prototype = &(arena().prototypes.emplace_back(*node->prototype));
        *link = node;
        link = &node->inner;
        type = type->inner;
        if (node->kind == Kind::TypedefRef && !deep) return head;  // the target stays shared
    }
    return head;
}

// ---- Base types ---------------------------------------------------------------

namespace {

enum class Size : std::uint8_t { None, CharUnsigned, ShortUnsigned, IntSigned, IntUnsigned };

struct OtherWord {
    std::string_view word;
    bool floating;
    Size size;
};

constexpr std::array<OtherWord, 14> kOtherWords = {{
    {"wchar_t", false, Size::IntSigned},
    {"char16_t", false, Size::ShortUnsigned},
    {"char32_t", false, Size::IntUnsigned},
    {"char8_t", false, Size::CharUnsigned},
    {"__float128", true, Size::None},
    {"__float80", true, Size::None},
    {"__ibm128", true, Size::None},
    {"_Float16", true, Size::None},
    {"_Float32", true, Size::None},
    {"_Float64", true, Size::None},
    {"_Float128", true, Size::None},
    {"_Float32x", true, Size::None},
    {"_Float64x", true, Size::None},
    {"_Float128x", true, Size::None},
}};
static_assert(kOtherWords.size() == 14);

const OtherWord* otherWord(std::string_view word) {
    for (const auto& row : kOtherWords)
        if (row.word == word) return &row;
    return nullptr;
}

bool hasNonInteger(const BaseWords& w) {
    return w.isFloat || w.isDouble || w.isVoid || w.isBool || w.other;
}

bool canAdd(const BaseWords& w, std::string_view word) {
    if (word == "signed" || word == "unsigned")
        return !w.isSigned && !w.isUnsigned && !hasNonInteger(w);
    if (word == "short") return !w.isShort && w.longs == 0 && !w.isChar && !w.isInt128 && !hasNonInteger(w);
    if (word == "long") {
        if (w.isDouble) return w.longs == 0 && w.count == 1;
        return w.longs < 2 && !w.isShort && !w.isChar && !w.isInt128 && !hasNonInteger(w);
    }
    if (word == "int") return !w.isInt && !w.isChar && !w.isInt128 && !hasNonInteger(w);
    if (word == "char")
        return !w.isChar && !w.isShort && w.longs == 0 && !w.isInt && !w.isInt128 && !hasNonInteger(w);
    if (word == "__int128")
        return !w.isInt128 && !w.isShort && w.longs == 0 && !w.isInt && !w.isChar && !hasNonInteger(w);
    if (word == "double") return w.count == w.longs && w.longs <= 1;
    return w.count == 0;  // float, void, bool and the words of their own
}

void setWord(BaseWords& w, std::string_view word) {
    if (word == "signed") w.isSigned = true;
    else if (word == "unsigned") w.isUnsigned = true;
    else if (word == "short") w.isShort = true;
    else if (word == "long") ++w.longs;
    else if (word == "int") w.isInt = true;
    else if (word == "char") w.isChar = true;
    else if (word == "__int128") w.isInt128 = true;
    else if (word == "float") w.isFloat = true;
    else if (word == "double") w.isDouble = true;
    else if (word == "void") w.isVoid = true;
    else if (word == "bool" || word == "_Bool") w.isBool = true;
    else w.other = diag::internString(word);
}

int signedBits(int bits, bool isUnsigned) { return isUnsigned ? bits : -bits; }

// What a base type is before it gets its node.
struct BaseSpec {
    Kind kind = Kind::Integral;
    std::string name;
    int bits = 0;
    bool isChar = false;
};

BaseSpec otherBaseType(std::string_view word) {
    const OtherWord* row = otherWord(word);
    if (!row || row->floating) return {Kind::Floating, std::string(word), 0, false};
    const BaseTypeSizes& sizes = baseTypeSizes();
    switch (row->size) {
    case Size::CharUnsigned: return {Kind::Integral, std::string(word), sizes.charBits, false};
    case Size::ShortUnsigned: return {Kind::Integral, std::string(word), sizes.shortBits, false};
    case Size::IntUnsigned: return {Kind::Integral, std::string(word), sizes.intBits, false};
    default: return {Kind::Integral, std::string(word), -sizes.intBits, false};
    }
}

BaseSpec charType(const BaseWords& w) {
    const BaseTypeSizes& sizes = baseTypeSizes();
    if (w.isSigned) return {Kind::Integral, "signed char", -sizes.charBits, true};
    if (w.isUnsigned) return {Kind::Integral, "unsigned char", sizes.charBits, true};
    return {Kind::Integral, std::string(kChar), signedBits(sizes.charBits, sizes.charUnsigned), true};
}

BaseSpec integerType(const BaseWords& w) {
    const BaseTypeSizes& sizes = baseTypeSizes();
    const std::string prefix = w.isUnsigned ? "unsigned " : "";
    if (w.isInt128) return {Kind::Integral, prefix + "__int128", signedBits(128, w.isUnsigned), false};
    if (w.isShort) return {Kind::Integral, prefix + "short", signedBits(sizes.shortBits, w.isUnsigned), false};
    if (w.longs == 2)
        return {Kind::Integral, prefix + "long long", signedBits(sizes.longLongBits, w.isUnsigned), false};
    if (w.longs == 1) return {Kind::Integral, prefix + "long", signedBits(sizes.longBits, w.isUnsigned), false};
    return {Kind::Integral, w.isUnsigned ? "unsigned int" : "int", signedBits(sizes.intBits, w.isUnsigned), false};
}

BaseSpec describe(const BaseWords& w) {
    if (w.isFloat) return {Kind::Floating, "float", 0, false};
    if (w.isDouble) return {Kind::Floating, w.longs ? "long double" : "double", 0, false};
    if (w.isBool) return {Kind::Integral, "bool", baseTypeSizes().charBits, false};
    if (w.other) return otherBaseType(diag::ribbonText(w.other));
    if (w.isChar) return charType(w);
    return integerType(w);
}

// Base types are shared: one node per name, size and char mark.
Type* sharedNode(const BaseSpec& spec) {
    std::string key = spec.name;
    key += '/';
    key += std::to_string(spec.bits);
    key += spec.isChar ? 'c' : '-';
    Type*& node = arena().baseNodes[key];
    if (!node) {
        node = newType(spec.kind);
        node->base = {diag::internString(spec.name), spec.bits, spec.isChar};
    }
    return node;
}

}  // namespace

bool addBaseWord(BaseWords& words, std::string_view word) {
    if (!canAdd(words, word)) return false;
    setWord(words, word);
    ++words.count;
    if (!words.spelling.empty()) words.spelling += ' ';
    words.spelling += word;
    return true;
}

Type* baseTypeOf(const BaseWords& w) {
    if (w.isVoid) return newType(Kind::Void);
    return sharedNode(describe(w));
}

int integralBits(std::string_view name) {
    const BaseTypeSizes& sizes = baseTypeSizes();
    const bool isUnsigned = name.starts_with("unsigned");
    if (name.ends_with("long long")) return signedBits(sizes.longLongBits, isUnsigned);
    if (name.ends_with("long")) return signedBits(sizes.longBits, isUnsigned);
    if (name.ends_with("short")) return signedBits(sizes.shortBits, isUnsigned);
    if (name.ends_with("char"))
        return signedBits(sizes.charBits, isUnsigned || (name == kChar && sizes.charUnsigned));
    if (name == kInt || name == "unsigned int") return signedBits(sizes.intBits, isUnsigned);
    return 0;
}

// ---- Composition --------------------------------------------------------------

bool isParameterModeWord(std::string_view word) {
    static constexpr std::array<std::string_view, 8> kWords = {"_in",    "_IN",    "_out", "_OUT",
                                                               "_inout", "_INOUT", "_no",  "_NO"};
    for (const auto w : kWords)
        if (w == word) return true;
    return false;
}

namespace {

bool isHoleKind(const Type* t) {
    switch (t->kind) {
    case Kind::Pointer:
    case Kind::Array:
    case Kind::Function:
    case Kind::Reference: return true;
    case Kind::Named: return isParameterModeWord(diag::ribbonText(t->word));
    default: return false;
    }
}

bool isBase(const Type* t) { return t->kind == Kind::Integral || t->kind == Kind::Floating; }

// Two base types become one: the words of the second join those of the first.
Type* composeBaseTypes(const Type* outer, const Type* inner, std::string_view file, int line) {
    BaseWords words;
    const auto addAll = [&](std::string_view name) {
        while (!name.empty()) {
            const auto blank = name.find(' ');
            const std::string_view word = name.substr(0, blank);
            if (!addBaseWord(words, word)) return false;
            name = blank == std::string_view::npos ? std::string_view{} : name.substr(blank + 1);
        }
        return true;
    };
    const std::string_view first = diag::ribbonText(outer->base.name);
    const std::string_view second = diag::ribbonText(inner->base.name);
    if (!addAll(first) || !addAll(second)) {
        report(kWarning, "CONSTRUCT", std::string(first) + " " + std::string(second), file, line);
        return nullptr;
    }
    Type* result = baseTypeOf(words);
    result->qualifiers = outer->qualifiers | inner->qualifiers;
    return result;
}

}  // namespace

Type* deepestHole(Type* chain) {
    Type* hole = nullptr;
    for (int depth = 0; chain && depth < kMaxTypeDepth && isHoleKind(chain); ++depth) {
        hole = chain;
        chain = chain->inner;
    }
    return chain ? nullptr : hole;
}

Type* CPP_compose_type(Type* outer, Type* inner, std::string_view file, int line) {
    if (!inner) return outer;
    if (!outer) return inner;
    if (inner->kind == Kind::Ellipsis || outer->kind == Kind::Ellipsis) {
        report(kInternalError, "ERRINTERN", "CPP_compose_type", file, line);
        return nullptr;
    }
    if (Type* hole = deepestHole(inner)) {
        hole->inner = outer;
        if (outer->modifiers)
            for (const Name modifier : *outer->modifiers) addModifier(inner, modifier);
        return inner;
    }
    if (isBase(outer) && isBase(inner)) return composeBaseTypes(outer, inner, file, line);
    report(kWarning, "CONSTRUCT", {}, file, line);
    return nullptr;
}

// ---- Walking and comparison ---------------------------------------------------

namespace {

unsigned& typedefGeneration() {
    static unsigned generation = 1;
    return generation;
}

const Type* stepOnce(const Type* type) {
    if (type->kind == Kind::TypedefRef) return type->typedefDecl ? type->typedefDecl->type : type->inner;
    return type->inner;
}

bool standsForAnother(const Type* type) {
    return type->kind == Kind::TypedefRef || (type->kind == Kind::Named && type->inner);
}

}  // namespace

void noteTypedefChanged() { ++typedefGeneration(); }

const Type* resolveTypedefs(const Type* type) {
    const unsigned generation = typedefGeneration();
    std::vector<Declaration*> visited;
    const Type* result = nullptr;
    for (int depth = 0; type && depth < kMaxTypeDepth; ++depth) {
        Declaration* d = type->kind == Kind::TypedefRef ? type->typedefDecl : nullptr;
        if (d && d->typedefInfo && d->typedefInfo->generation == generation) {
            result = d->typedefInfo->resolved;
            break;
        }
        if (!standsForAnother(type)) {
            result = type;
            break;
        }
        if (d) visited.push_back(d);
        type = stepOnce(type);
    }
    for (Declaration* d : visited) {
        typedefInfo(d).resolved = result;
        typedefInfo(d).generation = generation;
    }
    return result;
}

namespace {

const Type* followTypedefs(const Type* type) {
    for (int depth = 0; type && type->kind == Kind::TypedefRef && depth < kMaxTypeDepth; ++depth)
        type = type->typedefDecl ? type->typedefDecl->type : type->inner;
    return type;
}

int convertible(int& grade, int level) {
    if (level > grade) grade = level;
    return 1;
}

int compareAt(const Type* a, const Type* b, int& grade, int depth);

// A parameter compares as the type it is adjusted to: arrays and functions
// become pointers, top-level qualifiers do not count.
int compareParameter(const Type* a, const Type* b, int& grade, int depth) {
    a = followTypedefs(a);
    b = followTypedefs(b);
    if (a && b && a->kind == Kind::Array && b->kind == Kind::Pointer) return compareAt(a->inner, b->inner, grade, depth);
    if (a && b && a->kind == Kind::Pointer && b->kind == Kind::Array) return compareAt(a->inner, b->inner, grade, depth);
    if (a && b && a->qualifiers != b->qualifiers) {
        const Type* plainA = withQualifiers(a, 0);
        const Type* plainB = withQualifiers(b, 0);
        return compareAt(plainA, plainB, grade, depth);
    }
    return compareAt(a, b, grade, depth);
}

int compareFunctions(const Type* a, const Type* b, int& grade, int depth) {
    int result = compareAt(a->inner, b->inner, grade, depth);
    const Prototype* pa = a->prototype;
    const Prototype* pb = b->prototype;
    if (result == 2 || !pa || !pb || pa->unspecified || pb->unspecified) return result;
    if (pa->parameters.size() != pb->parameters.size() || pa->variadic != pb->variadic) return 2;
    for (std::size_t i = 0; i < pa->parameters.size() && result != 2; ++i)
        result = std::max(result, compareParameter(pa->parameters[i]->type, pb->parameters[i]->type, grade,
                                                   depth));
    return result;
}

int compareSameKind(const Type* a, const Type* b, int& grade, int depth) {
    switch (a->kind) {
    case Kind::Integral:
        if (a->base.name == b->base.name && a->base.isChar == b->base.isChar) return 0;
        return convertible(grade, kGradeIntegral);
    case Kind::Floating:
        return a->base.name == b->base.name ? 0 : convertible(grade, kGradeIntegralFloating);
    case Kind::Void:
    case Kind::Ellipsis: return 0;
    case Kind::Pointer:
    case Kind::Array: return compareAt(a->inner, b->inner, grade, depth);
    case Kind::Function: return compareFunctions(a, b, grade, depth);
    case Kind::Named: return a->word == b->word ? 0 : 2;
    default: return a->record == b->record && a->record ? 0 : 2;
    }
}

int compareKinds(const Type* a, const Type* b, int& grade, int depth) {
    const auto either = [&](Kind x, Kind y) {
        return (a->kind == x && b->kind == y) || (a->kind == y && b->kind == x);
    };
    if (either(Kind::Integral, Kind::Enumeration)) return convertible(grade, kGradeIntegral);
    if (either(Kind::Integral, Kind::Floating)) return convertible(grade, kGradeIntegralFloating);
    if (either(Kind::Pointer, Kind::Array)) {
        if (compareAt(a->inner, b->inner, grade, depth) == 2) return 2;
        return convertible(grade, kGradePointer);
    }
    return 2;
}

bool isModeWord(const Type* t) {
    return t->kind == Kind::Named && isParameterModeWord(diag::ribbonText(t->word));
}

int compareAt(const Type* a, const Type* b, int& grade, int depth) {
    if (a == b) return 0;
    if (depth > kMaxCompareDepth || !a || !b) return 2;
    a = followTypedefs(a);
    b = followTypedefs(b);
    if (a == b) return 0;
    if (!a || !b) return 2;
    if (isModeWord(a) || isModeWord(b)) {
        if (compareAt(isModeWord(a) ? a->inner : a, isModeWord(b) ? b->inner : b, grade, depth + 1) == 2) return 2;
        return convertible(grade, kGradeParameterMode);
    }
    if (a->kind == Kind::Reference || b->kind == Kind::Reference) {
        const Type* x = a->kind == Kind::Reference ? a->inner : a;
        const Type* y = b->kind == Kind::Reference ? b->inner : b;
        if (compareAt(x, y, grade, depth + 1) == 2) return 2;
        return convertible(grade, kGradeReference);
    }
    const int result = a->kind == b->kind ? compareSameKind(a, b, grade, depth + 1)
                                          : compareKinds(a, b, grade, depth + 1);
    if (result == 0 && a->qualifiers != b->qualifiers) return convertible(grade, kGradeReference);
    return result;
}

}  // namespace

int compareTypes(const Type* a, const Type* b, int& grade) { return compareAt(a, b, grade, 0); }

}  // namespace analyser::decl

// ---- Enumerations -----------------------------------------------------------------

namespace analyser::decl {

namespace {

__int128 wideValue(const values::Integer& value) {
    const auto& limbs = value.limbs();
    return static_cast<__int128>((static_cast<unsigned __int128>(limbs[1]) << 64) | limbs[0]);
}

bool holds(__int128 low, __int128 high, int bits) {
    const int width = std::min(std::abs(bits), 127);
    if (bits > 0) return low >= 0 && (high >> width) == 0;
    const __int128 limit = static_cast<__int128>(1) << (width - 1);
    return low >= -limit && high < limit;
}

}  // namespace

void settleEnumeration(Aggregate* record) {
    __int128 low = 0, high = 0;
    for (const Enumerator* e : record->enumerators) {
        if (!e->valueKnown) continue;
        const __int128 v = wideValue(e->value.value);
        low = std::min(low, v);
        high = std::max(high, v);
    }
    const BaseTypeSizes& sizes = baseTypeSizes();
    const int widths[] = {sizes.intBits, sizes.longBits, sizes.longLongBits, 128};
    record->underlyingBits = low < 0 ? -128 : 128;
    for (const int bits : widths)
        if (holds(low, high, low < 0 ? -bits : bits)) {
            record->underlyingBits = low < 0 ? -bits : bits;
            break;
        }
    record->promotedBits = record->underlyingBits;
    for (const int bits : widths) {
        if (holds(low, high, -bits)) {
            record->promotedBits = -bits;
            break;
        }
        if (holds(low, high, bits)) {
            record->promotedBits = bits;
            break;
        }
    }
}

}  // namespace analyser::decl
