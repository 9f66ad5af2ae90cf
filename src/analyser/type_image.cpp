// The type image: the specifier text, the declarator text before the name
// and the declarator text after it, built from the outermost part inward.
#include "analyser/image_internal.h"

#include "analyser/symbols_internal.h"

namespace analyser::decl {

namespace {

bool identChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$';
}

// a then b, with a blank where two words would run together.
std::string join(std::string_view a, std::string_view b) {
    std::string text(a);
    if (!a.empty() && !b.empty() && identChar(a.back()) && (identChar(b.front()) || b.front() == '*'))
        text += ' ';
    text += b;
    return text;
}

std::string qualifierWords(std::uint8_t q) {
    std::string text;
    if (q & kConst) text += "const ";
    if (q & kVolatile) text += "volatile ";
    return text;
}

// The qualifiers written after a "*"; restrict, a hint for C optimisers, is
// not written.
std::string starQualifiers(std::uint8_t q) {
    std::string text;
    const auto add = [&](std::string_view word) {
        if (!text.empty()) text += ' ';
        text += word;
    };
    if (q & kConst) add("const");
    if (q & kVolatile) add("volatile");
    return text;
}

std::string_view keyWord(ClassKey key) {
    switch (key) {
    case ClassKey::Union: return "union";
    case ClassKey::Class: return "class";
    case ClassKey::Enum: return "enum";
    default: return "struct";
    }
}

bool isModeWrapper(const Type* t) {
    return t && t->kind == Kind::Named && isParameterModeWord(diag::ribbonText(t->word));
}

const Type* skipModes(const Type* t) {
    for (int depth = 0; isModeWrapper(t) && depth < kMaxTypeDepth; ++depth) t = t->inner;
    return t;
}

std::string enumBody(const Aggregate* record, const ImageOptions& options);
std::string aggregateBody(const Aggregate* record, const ImageOptions& options);

std::string tagSpecifier(const Aggregate* record, const ImageOptions& options) {
    const bool unnamed = !record->name && !record->linkageName;
    if (!unnamed && !options.withBody)
        return record->name ? std::string(keyWord(record->key)) + " " + qualifiedTagName(record)
                            : qualifiedTagName(record);
    std::string text(keyWord(record->key));
    if (record->name) text += " " + qualifiedTagName(record);
    if (unnamed && options.anonymous) return text + " <anonymous>";
    if (!record->complete) return text;
    return text + (record->kind == Kind::Enumeration ? enumBody(record, options) : aggregateBody(record, options));
}

std::string specifier(const Type* t, const ImageOptions& options) {
    if (!t) return "int";
    const std::string q = qualifierWords(t->qualifiers);
    switch (t->kind) {
    case Kind::Integral:
    case Kind::Floating: return q + std::string(diag::ribbonText(t->base.name));
    case Kind::Void: return q + "void";
    case Kind::TypedefRef: return q + (t->typedefDecl ? qualifiedName(t->typedefDecl) : std::string("int"));
    case Kind::Named: return q + std::string(diag::ribbonText(t->word));
    case Kind::Ellipsis: return "...";
    case Kind::Enumeration:
    case Kind::Union:
    case Kind::Class: return q + (t->record ? tagSpecifier(t->record, options) : std::string("struct"));
    default: return q + "int";
    }
}

std::string parameters(const Prototype* p, const ImageOptions& options) {
    if (!p) return "()";
    ImageOptions inner = options;
    inner.mode = 0;
    std::string text = "(";
    for (std::size_t i = 0; i < p->parameters.size(); ++i) {
        if (i) text += ", ";
        const Declaration* d = p->parameters[i];
        const std::string_view name = options.parameterNames && d->name ? diag::ribbonText(d->name) : "";
        text += typeText(d->type, name, inner);
    }
    if (p->variadic) text += p->parameters.empty() ? "..." : ", ...";
    return text + ")";
}

std::string arrayBound(const Type* t) {
    if (t->count >= 0) return "[" + std::to_string(t->count) + "]";
    return "[" + std::string(t->sizeExpression) + "]";
}

bool bindsTighter(const Type* inner) {
    inner = skipModes(inner);
    return inner && (inner->kind == Kind::Array || inner->kind == Kind::Function);
}

struct Declarator {
    std::string prefix;
    std::string suffix;
    const Type* base = nullptr;
};

// The declarator parts, outermost first, down to the specifier's type.
Declarator declaratorOf(const Type* type, const ImageOptions& options) {
    Declarator d;
    const Type* t = skipModes(type);
    for (int depth = 0; t && depth < kMaxTypeDepth; ++depth, t = skipModes(t->inner)) {
        if (t->kind == Kind::Pointer || t->kind == Kind::Reference) {
            std::string mark = t->kind == Kind::Reference ? "&" : "*" + starQualifiers(t->qualifiers);
            if (t->kind == Kind::Pointer && t->record) mark = qualifiedTagName(t->record) + "::" + mark;
            d.prefix = join(mark, d.prefix);
            if (bindsTighter(t->inner)) {
                d.prefix = "(" + d.prefix;
                d.suffix += ")";
            }
        } else if (t->kind == Kind::Array) {
            d.suffix += arrayBound(t);
        } else if (t->kind == Kind::Function) {
            d.suffix += parameters(t->prototype, options);
        } else {
            break;
        }
    }
    d.base = t;
    return d;
}

std::string enumBody(const Aggregate* record, const ImageOptions& options) {
    const std::string inner = options.oneLine ? " " : "\n" + options.indentation + "\t";
    std::string text = " {";
    for (std::size_t i = 0; i < record->enumerators.size(); ++i) {
        const Enumerator* e = record->enumerators[i];
        text += (i ? "," : "") + inner + std::string(diag::ribbonText(e->name));
        if (e->valueGiven && e->valueKnown) text += " = " + values::image(e->value.value, values::DisplayFormat::DECIMAL, -128);
        else if (e->valueGiven) text += " = " + std::string(e->expression);
    }
    return text + (options.oneLine ? " }" : "\n" + options.indentation + "}");
}

std::string memberLine(const Declaration* m, const ImageOptions& options) {
    std::string text = typeText(m->type, m->name ? diag::ribbonText(m->name) : "", options);
    if (m->isBitField) text += " : " + std::string(m->expression);
    return text + ";";
}

std::string aggregateBody(const Aggregate* record, const ImageOptions& options) {
    ImageOptions inner = options;
    inner.withBody = false;
    inner.indentation += '\t';
    std::string text = " {";
    for (const Declaration* m : record->members)
        text += (options.oneLine ? " " : "\n" + inner.indentation) + memberLine(m, inner);
    return text + (options.oneLine ? " }" : "\n" + options.indentation + "}");
}

}  // namespace

bool endsOnSignedChar(const Type* type) {
    const Type* t = resolveTypedefs(type);
    if (!t || (t->kind != Kind::Pointer && t->kind != Kind::Array)) return false;
    for (int depth = 0; t && (t->kind == Kind::Pointer || t->kind == Kind::Array) && depth < kMaxTypeDepth; ++depth)
        t = resolveTypedefs(t->inner);
    return t && t->kind == Kind::Integral && t->base.isChar && t->base.bits < 0;
}

TypeImage typeImage(const Type* type, const ImageOptions& options) {
    if (options.mode == kSignedCharMode) {
        const Type* t = resolveTypedefs(type);
        if (t && t->kind == Kind::Pointer && endsOnSignedChar(t)) return {"char ", "[200]"};
    }
    const Declarator d = declaratorOf(type, options);
    TypeImage image;
    image.prefix = specifier(d.base, options) + " " + d.prefix;
    if (!d.prefix.empty() && identChar(d.prefix.back())) image.prefix += ' ';
    image.suffix = d.suffix;
    return image;
}

std::string typeText(const Type* type, std::string_view name, const ImageOptions& options) {
    const TypeImage image = typeImage(type, options);
    std::string text = image.prefix + std::string(name) + image.suffix;
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace analyser::decl
