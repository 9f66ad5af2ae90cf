// CONST: script constants. With declaration analysis they become macros of
// the preprocessor and of the harness; without it they are folded by the
// script's expression language and written in the constants block before the
// first service.
#include "analyser/analyser.h"
#include "config/settings.h"
#include "diag/diag.h"
#include "diag/strings.h"
#include "harness/harness.h"
#include "harness/harness_internal.h"
#include "values/expressions.h"

#include <vector>

namespace harness {

namespace {

struct ConstantText {
    std::string name;
    std::string value;
};

std::string_view missingPart(bool name) {
    if (name) return output::inKeywordLanguage("NOM constante", "Constant NAME");
    return output::inKeywordLanguage("VALEUR constante", "Constant VALUE");
}

void reportLine(const std::string& text) { diag::info("LIGNERRON", "CONST " + text); }

// Splits "name = value"; reports what is missing.
bool splitConstant(const std::string& text, ConstantText& constant) {
    const auto equal = text.find('=');
    if (equal == std::string::npos) {
        diag::error("EGALABSEN", text);
        reportLine(text);
        return false;
    }
    constant.name = diag::trim(std::string_view(text).substr(0, equal));
    constant.value = diag::trim(std::string_view(text).substr(equal + 1));
    if (constant.name.empty()) diag::error("SYNTAXERO", missingPart(true));
    if (constant.value.empty()) diag::error("SYNTAXERO", missingPart(false));
    return !constant.name.empty() && !constant.value.empty();
}

// The items of "[v1, v2, ...]", split at the commas outside brackets and quotes.
std::vector<std::string> listItems(std::string_view inner) {
    std::vector<std::string> items;
    int depth = 0;
    char quote = 0;
    std::size_t from = 0;
    for (std::size_t i = 0; i < inner.size(); ++i) {
        const char c = inner[i];
        if (quote) {
            if (c == '\\') ++i;
            else if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '(' || c == '[') {
            ++depth;
        } else if (c == ')' || c == ']') {
            --depth;
        } else if (c == ',' && depth == 0) {
            items.push_back(diag::trim(inner.substr(from, i - from)));
            from = i + 1;
        }
    }
    items.push_back(diag::trim(inner.substr(from)));
    return items;
}

// A list constant becomes the brace-enclosed list of its folded items.
values::Value evaluateList(std::string_view value) {
    const auto dialect = output::dialect();
    std::string text = "{";
    for (const auto& item : listItems(value.substr(1, value.size() - 2))) {
        if (item.empty()) {
            diag::error("STXERRTYP", std::string(value));
            return values::Value::error();
        }
        const values::Value folded = values::evaluate(item, dialect);
        if (folded.failed()) return folded;
        if (text.size() > 1) text += ",";
        text += values::sourceText(folded, dialect);
    }
    return values::Value::irreducible(text + "}");
}

values::Value evaluateConstant(const std::string& value) {
    if (value.size() >= 2 && value.front() == '[' && value.back() == ']') return evaluateList(value);
    return values::evaluate(value, output::dialect());
}

void defineForAnalysis(const Statement& statement, const ConstantText& constant) {
    auto& constantsFile = output::outputs().constants;
    if (constantsFile.isOpen()) constantsFile.writeLine(statement.text);
    const std::string line = "#define " + constant.name + " " + constant.value;
    analyser::analyseNativeCode(line, diag::currentFile(), diag::currentLine());
    output::emitCurrent(line);
}

void enterInTable(const Statement& statement, const ConstantText& constant) {
    const values::Value value = evaluateConstant(constant.value);
    if (value.failed()) return;
    if (!values::addConstant(constant.name, value)) {
        diag::error("DUPLCONST", constant.name);
        reportLine(statement.rest);
    }
}

}  // namespace

void handleConst(const Statement& statement) {
    detail::ensureBegin();
    if (detail::state().blocks.constantsEmitted) {
        diag::error("FORWCONST", statement.rest);
        return;
    }
    if (!output::generationActive()) return;
    ConstantText constant;
    if (!splitConstant(statement.rest, constant)) return;
    if (config::settings().analysis) defineForAnalysis(statement, constant);
    else enterInTable(statement, constant);
}

}  // namespace harness
