// FORMAT and DECLARE: display formats and types given to script variables,
// each registered at the nesting level of its statement and dropped with it.
#include "diag/diag.h"
#include "diag/strings.h"
#include "values/expressions.h"
#include "variables/variables_internal.h"

#include <algorithm>
#include <array>
#include <set>

namespace variables {

namespace detail {

namespace {

constexpr std::array<values::DisplayFormat, 6> kFormatNames = {
    values::DisplayFormat::HEXA,  values::DisplayFormat::DECIMAL, values::DisplayFormat::BINAIRE,
    values::DisplayFormat::UNSIGNED, values::DisplayFormat::FLOAT, values::DisplayFormat::REAL,
};

std::optional<values::DisplayFormat> formatNamed(std::string_view name) {
    const std::string upper = diag::upperCased(diag::trimView(name));
    for (const auto format : kFormatNames)
        if (values::displayFormatName(format) == upper) return format;
    return std::nullopt;
}

// A variable text the script expressions can read; a "*" names the object
// a pointer points to.
bool validVariableText(std::string_view name) {
    const std::string text = diag::trim(withoutDereferences(name));
    return !text.empty() && !evaluateScript(text).failed();
}

// The field's name under the variable's: "v.f", "(*p).f".
std::string fieldPath(const std::string& variable, const FieldDef& field) {
    const std::string owner = variable.starts_with('*') ? "(" + variable + ")" : variable;
    return owner + "." + field.name + field.dimensions;
}

void registerDeclaration(const std::string& name, const std::string& typeText) {
    state().declarations.push_back({withoutIndices(name), typeText, nestingLevel()});
}

// The variable and, for a structure, each of its fields in turn; a
// structure met again inside itself is STRRECURS.
bool declareFields(const std::string& name, const StructureDef& structure, std::set<const StructureDef*>& open) {
    if (!open.insert(&structure).second) {
        diag::error("STRRECURS");
        return false;
    }
    for (const FieldDef& field : structure.fields) {
        const std::string path = fieldPath(name, field);
        registerDeclaration(path, field.typeText);
        if (field.structure != nullptr && !declareFields(path, *field.structure, open)) return false;
    }
    open.erase(&structure);
    return true;
}

template <typename Entry>
void dropLevel(std::vector<Entry>& entries, int level) {
    std::erase_if(entries, [level](const Entry& e) { return e.level >= level; });
}

}  // namespace

VariablesState& state() {
    static VariablesState s;
    return s;
}

std::string withoutIndices(std::string_view variable) {
    std::string out;
    for (std::size_t i = 0; i < variable.size(); ++i) {
        if (variable[i] == '[') {
            const std::size_t close = matchingClose(variable, i);
            if (close != std::string_view::npos) {
                i = close;
                continue;
            }
        }
        out.push_back(variable[i]);
    }
    return diag::trim(out);
}

std::optional<values::DisplayFormat> formatOf(std::string_view variable) {
    const std::string key = withoutIndices(variable);
    const auto& formats = state().formats;
    for (auto it = formats.rbegin(); it != formats.rend(); ++it)
        if (it->variable == key) return it->format;
    return std::nullopt;
}

const std::string* declaredTypeOf(std::string_view variable) {
    const std::string key = withoutIndices(variable);
    const auto& declarations = state().declarations;
    for (auto it = declarations.rbegin(); it != declarations.rend(); ++it)
        if (it->variable == key) return &it->typeText;
    return nullptr;
}

}  // namespace detail

using detail::state;

// FORMAT variable = format
void handleFormat(const Statement& statement) {
    if (!detail::generating()) return;
    const std::string& text = statement.rest;
    const std::size_t equal = text.find('=');
    const std::string variable = diag::trim(std::string_view(text).substr(0, equal));
    const auto format = equal == std::string::npos ? std::nullopt
                                                   : detail::formatNamed(std::string_view(text).substr(equal + 1));
    if (!format) {
        diag::error("STXERRTYP", text);
        return;
    }
    if (variable.empty()) {
        diag::error("NOMVARINC", text);
        return;
    }
    if (detail::formatOf(variable)) diag::warning("FORMREDEF", variable);
    state().formats.push_back({detail::withoutIndices(variable), *format, detail::nestingLevel()});
}

// DECLARE variable = type
void handleDeclare(const Statement& statement) {
    if (!detail::generating()) return;
    const std::string& text = statement.rest;
    const std::size_t equal = text.find('=');
    if (equal == std::string::npos) {
        diag::error("STXERRTYP", text);
        return;
    }
    const std::string name = diag::trim(std::string_view(text).substr(0, equal));
    const std::string typeText = diag::trim(std::string_view(text).substr(equal + 1));
    TypeFields scratch;
    const bool native = resolveNativeType(typeText, scratch, false) == NativeLookup::Found;
    const detail::StructureDef* structure = native ? nullptr : detail::findStructure(typeText);
    if (!native && structure == nullptr) {
        diag::error("TYPEINCON", typeText);
        return;
    }
    if (!detail::validVariableText(name)) {
        diag::error("NOMVARINC", name);
        return;
    }
    detail::registerDeclaration(name, typeText);
    std::set<const detail::StructureDef*> open;
    if (structure != nullptr) detail::declareFields(name, *structure, open);
}

void dropScope(int level) {
    auto& s = state();
    detail::dropLevel(s.formats, level);
    detail::dropLevel(s.declarations, level);
    std::erase_if(s.structures, [level](const auto& entry) { return entry.second->scope >= level; });
}

void resetForTesting() { state() = detail::VariablesState{}; }

}  // namespace variables
