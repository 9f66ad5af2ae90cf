// The type of a tested variable: the type text of the statement (or of its
// DECLARE), a structure of DEFINE STRUCTURE, or the analysed declaration.
#include "diag/diag.h"
#include "diag/strings.h"
#include "variables/analysed.h"
#include "variables/variables_internal.h"

namespace variables::detail {

namespace {

using values::TypeKind;

// The script's type wins over the declaration without a word in these cases.
bool acceptedMismatch(TypeKind script, TypeKind declared) {
    switch (script) {
    case TypeKind::BOOLEEN:
    case TypeKind::CARACTERE:
    case TypeKind::ENTIER:
    case TypeKind::POINTEUR:
    case TypeKind::FUNCPOINTEUR:
    case TypeKind::PTR_CHAINE: return true;
    default: break;
    }
    return declared == TypeKind::ENTIER || declared == TypeKind::CARACTERE || declared == TypeKind::CHAINE;
}

// A variable written without the index ranges of its declared array levels
// gets them: "t" declared int t[4] is tested as "t[0..3]".
void addDeclaredRanges(VarRecord& r, const analysed::Variable& declared) {
    for (const analysed::Dimension& d : declared.dimensions) {
        if (!d.sizeKnown) diag::warning("ERTAILTAB", r.variable);
        r.variable += "[" + d.low + ".." + d.high + "]";
    }
}

void takeDeclarationFacts(VarRecord& r, const analysed::Variable& declared) {
    r.constant = declared.constant;
    r.initialisable = declared.initialisable;
    r.analysedAggregate = declared.aggregate && r.structure == nullptr;
    addDeclaredRanges(r, declared);
}

// The analysed type where the statement gives none.
void takeAnalysedType(VarRecord& r, const analysed::Variable& declared) {
    const TypeFields& t = declared.type;
    r.type.kind = t.kind;
    r.type.frenchName = t.frenchName;
    r.type.cType = t.cType;
    if (r.type.format == values::DisplayFormat::DECIMAL_DEF) r.type.format = t.format;
    if (r.type.size == 0) r.type.size = t.size;
    takeDeclarationFacts(r, declared);
}

}  // namespace

bool resolveType(VarRecord& r, StatementContext& context) {
    if (const auto format = formatOf(r.variable)) r.type.format = *format;
    NativeLookup native = NativeLookup::NotNative;
    if (!r.typeText.empty()) {
        native = resolveNativeType(r.typeText, r.type, r.initIn || r.evIn);
        if (native == NativeLookup::Refused) {
            context.refused = true;
            return false;
        }
        if (native == NativeLookup::NotNative) r.structure = findStructure(diag::trim(r.typeText));
    }
    std::optional<analysed::Variable> declared;
    if (analysing()) declared = analysed::typeOf(r.variable);
    if (native == NativeLookup::Found || r.structure != nullptr) {
        if (r.structure != nullptr) r.type.frenchName = "INCONNUE";
        if (declared && declared->type.kind != r.type.kind && !acceptedMismatch(r.type.kind, declared->type.kind))
            diag::warning("TYPENATIF", r.variable);
        if (declared) takeDeclarationFacts(r, *declared);
        return r.typeResolved = true;
    }
    if (declared && (declared->type.kind != TypeKind::INCONNU || declared->aggregate)) {
        takeAnalysedType(r, *declared);
        return r.typeResolved = true;
    }
    diag::error("TYPEINCON", r.typeText);
    context.refused = true;
    return false;
}

}  // namespace variables::detail
