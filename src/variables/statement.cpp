// VAR variable [, type] {, clause}: the statement is read into a record,
// checked, typed and handed to the generation; a refused statement produces
// nothing and is quoted by LIGNERRON.
#include "diag/diag.h"
#include "diag/strings.h"
#include "values/expressions.h"
#include "variables/analysed.h"
#include "variables/variables_internal.h"

#include <cstdlib>

namespace variables {

namespace detail {

namespace {

constexpr std::size_t kTypeTextLimit = 79;
constexpr std::string_view kDefaultPlaceholder = "_unamedStruct";

// A clause written where the variable should stand: "INIT = 1", "EV(..."
bool clauseWithoutVariable(std::string_view variable) {
    const std::string upper = diag::upperCased(variable);
    for (std::string_view word : {std::string_view("INIT"), frenchKeywords() ? std::string_view("VA") : "EV"}) {
        if (!upper.starts_with(word) || upper.size() == word.size()) continue;
        const char next = upper[word.size()];
        if (next == '=' || next == ' ' || next == '\t' || next == '(' || next == '[') return true;
    }
    return false;
}

// The variable is split from the clauses at the first comma.
bool splitVariable(const std::string& text, VarRecord& r, std::string& clauses) {
    const std::size_t comma = findOutside(text, ',');
    if (comma == std::string::npos) {
        diag::error("STXERRTYP", text);
        return false;
    }
    r.variable = diag::trim(std::string_view(text).substr(0, comma));
    clauses = text.substr(comma + 1);
    if (r.variable.empty() || clauseWithoutVariable(r.variable)) {
        diag::error("VARNAMMSG");
        return false;
    }
    return true;
}

// A name the script expressions would write as it stands: no constant or
// pseudo-macro replaces it.
bool plainName(std::string_view text) {
    const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (text.empty() || !letter(text[0])) return false;
    for (const char c : text)
        if (!letter(c) && !digit(c)) return false;
    return values::findSymbol(text) == nullptr;
}

// Without declaration analysis the variable text is read by the script
// expressions and written as they write it; an OFFSET keeps its form, and so
// do a text with character or string constants, which the expressions would
// all write between double quotes, one with dereferences, and a variable
// of DECLARE, which was read when it was declared.
bool readVariableText(VarRecord& r) {
    if (analysing()) {
        r.variable = analysed::expandMacros(r.variable);
        return true;
    }
    if (plainName(r.variable) || declaredTypeOf(r.variable) != nullptr) return true;
    const std::string readable = withoutDereferences(r.variable);
    const values::Value value = evaluateScript(readable);
    if (value.failed() || value.kind == values::ValueKind::String) {
        diag::error("NOMVARINC", r.variable);
        return false;
    }
    const bool asWritten = readable != r.variable || r.variable.find_first_of("'\"") != std::string::npos;
    if (!startsWithWord(r.variable, "OFFSET") && !asWritten && !value.isLiteralConstant())
        r.variable = values::sourceText(value, dialect());
    return true;
}

const std::string& placeholder() {
    static const std::string name = [] {
        const char* value = std::getenv("HRL_UNAMESTRUCT");
        return value != nullptr && *value != '\0' ? std::string(value) : std::string(kDefaultPlaceholder);
    }();
    return name;
}

// After each "." or "->", the placeholder of an unnamed structure, its digits
// and one "." become blanks: its members are named through the variable.
void blankPlaceholders(std::string& variable) {
    const std::string& name = placeholder();
    for (std::size_t i = 0; i < variable.size(); ++i) {
        std::size_t at = i;
        if (variable[i] == '.') at = i + 1;
        else if (variable.compare(i, 2, "->") == 0) at = i + 2;
        else continue;
        at = std::min(variable.find_first_not_of(" \t", at), variable.size());
        if (variable.compare(at, name.size(), name) != 0) continue;
        std::size_t end = at + name.size();
        while (end < variable.size() && variable[end] >= '0' && variable[end] <= '9') ++end;
        if (end < variable.size() && variable[end] == '.') ++end;
        variable.replace(at, end - at, end - at, ' ');
    }
}

// The type text, when the second item is not a clause; then the clauses.
void readTypeAndClauses(const std::string& clauses, VarRecord& r, StatementContext& context) {
    const std::vector<std::string> items = splitOutside(clauses, ',');
    std::size_t first = 0;
    if (!isClauseKeyword(items[0])) {
        if (items[0].size() <= kTypeTextLimit) r.typeText = items[0];
        first = 1;
    }
    if (r.typeText.empty())
        if (const std::string* declared = declaredTypeOf(r.variable)) r.typeText = *declared;
    parseClauses(items, first, r, context);
}

bool exceptionVariable(const VarRecord& r) { return noExcep() && startsWithWord(r.variable, "EXCEPTION"); }

void check(VarRecord& r, StatementContext& context) {
    const bool typed = resolveType(r, context);
    checkAggregates(r, context);
    checkConsistency(r, context);
    if (typed) checkListsAgainstType(r, context);
    blankPlaceholders(r.variable);
    checkLinks(r, context);
}

// The dispatcher warned about a statement ended by ";"; it is compiled
// without it.
std::string withoutFinalSemicolon(const std::string& text) {
    const std::string trimmed = diag::trim(text);
    return trimmed.ends_with(';') ? diag::trim(std::string_view(trimmed).substr(0, trimmed.size() - 1)) : trimmed;
}

void compile(const std::string& statementText, StatementContext& context) {
    const std::string text = withoutFinalSemicolon(statementText);
    VarRecord r;
    std::string clauses;
    if (!splitVariable(text, r, clauses) || !readVariableText(r)) {
        context.refused = true;
        return;
    }
    readTypeAndClauses(clauses, r, context);
    check(r, context);
    if (context.refused) return;
    rememberVariable(r);
    if (exceptionVariable(r)) return;
    if (!inElement()) {
        reportMissingElement();
        context.refused = true;
        return;
    }
    if (!generate(r, context.form)) context.refused = true;
}

}  // namespace

}  // namespace detail

// VAR variable [, type] {, clause}
void handleVariable(const Statement& statement, VariableForm form) {
    if (structureDefinitionOpen()) {
        diag::error("MOTCLEABS", detail::frenchKeywords() ? "FIN DEFINIR" : "END DEFINE");
        closeStructureDefinition();
    }
    if (detail::analysing() && !analysed::available()) return;
    detail::StatementContext context;
    context.form = form;
    context.text = statement.text;
    detail::compile(statement.rest, context);
    if (context.refused) diag::info("LIGNERRON", statement.text);
}

}  // namespace variables
