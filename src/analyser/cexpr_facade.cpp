// The expressions of test scripts as the script side sees them, and the
// type questions its tested variables ask.
#include "analyser/analyser.h"
#include "analyser/cexpr_internal.h"

namespace analyser {

using decl::Kind;
using decl::Type;

namespace {

// Typedefs and named types followed, keeping the qualifiers met on the way.
const Type* stripKeeping(const Type* type, std::uint8_t& qualifiers) {
    for (int depth = 0; type && depth < decl::kMaxTypeDepth; ++depth) {
        qualifiers |= type->qualifiers;
        if (type->kind == Kind::TypedefRef && type->typedefDecl) type = type->typedefDecl->type;
        else if (type->kind == Kind::Named || type->kind == Kind::Reference) type = type->inner;
        else return type;
    }
    return nullptr;
}

const Type* stripped(const Type* type) {
    std::uint8_t qualifiers = 0;
    return stripKeeping(type, qualifiers);
}

}  // namespace

std::optional<AnalysedExpression> analyseExpression(std::string_view text) {
    const auto tree = expr::parseExpression(text);
    if (!tree) return std::nullopt;
    AnalysedExpression result;
    result.type = expr::typeOfNode(*tree, tree->root);
    result.image = expr::imageOf(*tree, tree->root);
    result.literal = expr::isLiteral(*tree, tree->root);
    return result;
}

bool isConstQualified(const decl::Type* type) {
    std::uint8_t qualifiers = 0;
    const Type* t = stripKeeping(type, qualifiers);
    while (t && t->kind == Kind::Array) t = stripKeeping(t->inner, qualifiers);
    return (qualifiers & decl::kConst) != 0;
}

bool isRecordType(const decl::Type* type) {
    const Type* t = stripped(type);
    return t && (t->kind == Kind::Class || t->kind == Kind::Union) && t->record;
}

bool isUnionType(const decl::Type* type) {
    const Type* t = stripped(type);
    return t && (t->kind == Kind::Union || (t->record && t->record->key == decl::ClassKey::Union));
}

const decl::Type* arrayElement(const decl::Type* type, long long& count, std::string& sizeExpression) {
    const Type* t = stripped(type);
    if (!t || t->kind != Kind::Array) return nullptr;
    count = t->count;
    sizeExpression = std::string(t->sizeExpression);
    return t->inner;
}

const decl::Type* fieldType(const decl::Type* type, int n) {
    const Type* t = stripped(type);
    if (!t || !t->record || (t->kind != Kind::Class && t->kind != Kind::Union)) return nullptr;
    if (n < 1 || n > static_cast<int>(t->record->members.size())) return nullptr;
    return t->record->members[static_cast<std::size_t>(n - 1)]->type;
}

}  // namespace analyser
