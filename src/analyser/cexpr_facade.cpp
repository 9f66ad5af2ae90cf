// The expressions of test scripts as the script side sees them, and the
// type questions its tested variables ask.
#include "analyser/analyser.h"
#include "analyser/cexpr_internal.h"
#include "diag/diag.h"

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

// The constants of a script's expression report at the script's statement.
void reportAtStatement(int severity, std::string_view code, std::string_view parameter, std::string_view, int) {
    if (severity <= kError) diag::error(code, parameter);
    else if (severity == kWarning) diag::warning(code, parameter);
    else diag::info(code, parameter);
}

class ConstantsReportHere {
public:
    ConstantsReportHere() : saved_(decl::reporting().callback) { decl::reporting().callback = reportAtStatement; }
    ~ConstantsReportHere() { decl::reporting().callback = saved_; }
    ConstantsReportHere(const ConstantsReportHere&) = delete;
    ConstantsReportHere& operator=(const ConstantsReportHere&) = delete;

private:
    ReportCallback saved_;
};

}  // namespace

std::optional<AnalysedExpression> analyseExpression(std::string_view text) {
    const ConstantsReportHere reporting;
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
