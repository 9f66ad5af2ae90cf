// Typed values and the evaluator's symbols: the pseudo-macros of the
// generators and the constant table of the CONST statement.
#include "values/expressions.h"

#include <algorithm>
#include <map>

namespace values {

namespace {

// Owned here for the whole run; the generators define and remove
// pseudo-macros around each scalar, the CONST statement adds constants.
struct EvaluatorState {
    std::vector<std::pair<std::string, Value>> pseudoMacros;
    std::vector<Constant> constants;
    std::map<std::string, std::size_t, std::less<>> constantIndex;
};

EvaluatorState& state() {
    static EvaluatorState instance;
    return instance;
}

auto findPseudoMacro(std::string_view name) {
    auto& macros = state().pseudoMacros;
    return std::find_if(macros.begin(), macros.end(), [&](const auto& entry) { return entry.first == name; });
}

}  // namespace

Value Value::identifier(std::string name) {
    Value v;
    v.kind = ValueKind::Identifier;
    v.text = std::move(name);
    return v;
}

Value Value::integerConstant(const values::Integer& value) {
    Value v;
    v.kind = ValueKind::Integer;
    v.integer = value;
    return v;
}

Value Value::realConstant(const values::Real& value) {
    Value v;
    v.kind = ValueKind::Real;
    v.real = value;
    return v;
}

Value Value::string(std::string characters) {
    Value v;
    v.kind = ValueKind::String;
    v.text = std::move(characters);
    return v;
}

Value Value::irreducible(std::string text) {
    Value v;
    v.kind = ValueKind::Irreducible;
    v.text = std::move(text);
    return v;
}

Value Value::error() {
    Value v;
    v.kind = ValueKind::Error;
    return v;
}

void defineSymbol(std::string_view name, const Value& value) {
    auto it = findPseudoMacro(name);
    if (it != state().pseudoMacros.end()) it->second = value;
    else state().pseudoMacros.emplace_back(std::string(name), value);
}

void undefineSymbol(std::string_view name) {
    auto it = findPseudoMacro(name);
    if (it != state().pseudoMacros.end()) state().pseudoMacros.erase(it);
}

bool addConstant(std::string_view name, const Value& value) {
    auto& s = state();
    if (s.constantIndex.find(name) != s.constantIndex.end()) return false;
    s.constantIndex.emplace(std::string(name), s.constants.size());
    s.constants.push_back({std::string(name), value});
    return true;
}

const Constant* findConstant(std::string_view name) {
    const auto& s = state();
    const auto it = s.constantIndex.find(name);
    return it == s.constantIndex.end() ? nullptr : &s.constants[it->second];
}

const std::vector<Constant>& constants() { return state().constants; }

const Value* findSymbol(std::string_view name) {
    if (state().pseudoMacros.empty() && state().constants.empty()) return nullptr;
    auto it = findPseudoMacro(name);
    if (it != state().pseudoMacros.end()) return &it->second;
    const Constant* constant = findConstant(name);
    return constant ? &constant->value : nullptr;
}

void resetEvaluatorForTesting() {
    auto& s = state();
    s.pseudoMacros.clear();
    s.constants.clear();
    s.constantIndex.clear();
}

}  // namespace values
