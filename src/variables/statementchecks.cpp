// The checks of a VAR statement once its clauses are read: the clauses an
// aggregate allows, the consistency of the clauses with each other and with
// the variable's kind, the links of INIT lists, and variables tested twice
// in one test.
#include "diag/diag.h"
#include "variables/variables_internal.h"

namespace variables::detail {

namespace {

using values::TypeKind;

bool isList(std::string_view text) { return text.starts_with('[') || text.starts_with('{'); }

bool hasRange(std::string_view variable) {
    for (std::size_t at = variable.find('['); at != std::string_view::npos; at = variable.find('[', at + 1)) {
        const std::size_t close = matchingClose(variable, at);
        if (close != std::string_view::npos && variable.substr(at, close - at).find("..") != std::string_view::npos)
            return true;
    }
    return false;
}

bool isStructure(const VarRecord& r) { return r.structure != nullptr || r.analysedAggregate; }

bool expectsInitialValue(const VarRecord& r) { return r.ev == "INIT" || r.ev == "init"; }

void refuse(StatementContext& context, std::string_view code, std::string_view parameter = {}) {
    diag::error(code, parameter);
    context.refused = true;
}

// The clauses of a structure: INIT =, INIT ==, EV = and EV == only.
void checkStructureClauses(VarRecord& r, StatementContext& context) {
    if (r.minGiven || r.maxGiven || r.deltaKind != DeltaKind::None || r.initIn || r.initFrom || r.evIn)
        refuse(context, "AUTOSTRUC");
    if (r.initGiven != r.evGiven && !expectsInitialValue(r)) {
        diag::warning("INVAOMISE", r.variable);
        if (analysing() && r.constant) r.noInit = true;
        else if (analysing()) context.refused = true;
    }
}

// A constant keeps its value: INIT == is assumed.
void checkConstant(VarRecord& r, StatementContext& context) {
    if (!r.constant || !r.initGiven || r.noInit) return;
    diag::warning("CONSTINIT", r.variable);
    if (isStructure(r) && r.evGiven) context.refused = true;
    r.noInit = true;
}

bool isPointer(TypeKind kind) { return kind == TypeKind::POINTEUR || kind == TypeKind::FUNCPOINTEUR; }

bool refusesDelta(TypeKind kind) {
    return kind == TypeKind::CARACTERE || kind == TypeKind::CHAINE || kind == TypeKind::PTR_CHAINE ||
           kind == TypeKind::ENUM;
}

void checkKind(const VarRecord& r, StatementContext& context) {
    if (!r.typeResolved) return;
    const TypeKind kind = r.type.kind;
    const bool delta = r.deltaKind != DeltaKind::None;
    if ((isPointer(kind) && (r.minGiven || r.maxGiven || delta)) || (refusesDelta(kind) && delta))
        refuse(context, "MINMAXDEL", r.variable);
    if (r.initFrom && kind != TypeKind::ENTIER && kind != TypeKind::REEL) refuse(context, "TYPEIFROM", r.variable);
}

}  // namespace

void checkAggregates(VarRecord& r, StatementContext& context) {
    if (isStructure(r)) checkStructureClauses(r, context);
    const bool listForm = r.initIn || r.evIn;
    if (!isStructure(r) && !hasRange(r.variable) && !listForm) {
        if (isList(r.init)) refuse(context, "LISTEINIT", r.init);
        if (isList(r.ev)) refuse(context, "LISTEINIT", r.ev);
    }
    checkConstant(r, context);
}

void checkConsistency(VarRecord& r, StatementContext& context) {
    if (!r.initGiven) {
        if (r.initialisable && !r.noInit) diag::warning("INITABSEN", r.variable);
        r.noInit = true;
    } else if (!r.initialisable) {
        if (!r.noInit) diag::warning("NOMVARINC", r.variable);
        r.noInit = true;
        r.initGiven = false;
    }
    if (!r.evGiven) {
        if (r.minGiven && !r.maxGiven) refuse(context, "VAMAXABSE", r.variable);
        else if (r.maxGiven && !r.minGiven) refuse(context, "VAMINABSE", r.variable);
        else if (!r.minGiven && !r.maxGiven) refuse(context, "VAMIMAABS", r.variable);
    }
    if (r.minGiven && r.maxGiven && r.deltaKind != DeltaKind::None) refuse(context, "DELMINMAX", r.variable);
    if (r.minGiven && r.evGiven) refuse(context, "VA_MINMAX", r.variable);
    if (r.maxGiven && r.evGiven) refuse(context, "VA_MINMAX", r.variable);
    checkKind(r, context);
}

void checkLinks(const VarRecord& r, StatementContext& context) {
    const auto& counts = currentTest().valueCounts;
    const auto checkLink = [&](const std::string& link, int values) {
        const auto it = counts.find(link);
        if (it == counts.end()) refuse(context, "VARLIEINC", link);
        else if (it->second != values) refuse(context, "VARLIENNB", link);
    };
    if (r.initIn && !r.linkVariable.empty()) checkLink(r.linkVariable, r.valueCount);
    if (r.evIn && !r.evLinkVariable.empty()) checkLink(r.evLinkVariable, static_cast<int>(r.evList.items.size()));
    if (r.initIn && r.evIn && r.linkVariable.empty() && r.evLinkVariable.empty() &&
        r.initList.items.size() != r.evList.items.size())
        refuse(context, "VAINIT_IN", r.variable);
}

TestVariables& currentTest() {
    TestVariables& test = state().testVariables;
    if (test.key != testKey()) {
        test = TestVariables{};
        test.key = testKey();
    }
    return test;
}

void rememberVariable(const VarRecord& r) {
    TestVariables& test = currentTest();
    if (test.valueCounts.count(r.variable)) diag::warning("NOMVARDBL", r.variable);
    test.valueCounts[r.variable] = r.valueCount;
}

}  // namespace variables::detail
