// Flat names: a C++ name with its scopes written as one identifier, for the
// generators that name stubs and harness functions after C++ members.
#include "analyser/analyser.h"
#include "analyser/types_internal.h"

#include <array>
#include <cctype>
#include <string>
#include <vector>

namespace analyser {

namespace {

struct OperatorWord {
    std::string_view op;
    std::string_view word;
};

// Longest operators first, so that the first match is the longest one.
constexpr std::array<OperatorWord, 39> kOperatorWords = {{
    {"->*", "arrow_star"}, {"<<=", "left_shift_assign"}, {">>=", "right_shift_assign"},
    {"!=", "not_equal"},   {"%=", "mod_assign"},          {"&&", "and"},
    {"&=", "and_assign"},  {"()", "function_call"},       {"*=", "mul_assign"},
    {"++", "increment"},   {"+=", "add_assign"},          {"--", "decrement"},
    {"-=", "sub_assign"},  {"->", "ptr"},                 {".*", "dot_star"},
    {"/=", "div_assign"},  {"<<", "left_shift"},          {"<=", "less_equal"},
    {"==", "equal"},       {">=", "greater_equal"},       {">>", "right_shift"},
    {"[]", "subscript"},   {"^=", "xor_assign"},          {"|=", "or_assign"},
    {"||", "or"},          {"!", "not"},                  {"%", "mod"},
    {"&", "andbit"},       {"*", "mul"},                  {"+", "plus"},
    {"-", "minus"},        {".", "dot"},                  {"/", "div"},
    {"<", "less"},         {"=", "assign"},               {">", "greater"},
    {"^", "xorbit"},       {"|", "orbit"},                {"~", "invbit"},
}};
static_assert(kOperatorWords.size() == 39);

void appendPlain(std::string& out, std::string_view text) {
    for (const char c : text) out += c == ' ' || c == ':' ? '_' : c;
}

// "operator" and what follows: each operator by its word, the rest as it stands.
std::string operatorName(std::string_view rest) {
    std::string out = "operator_";
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    while (!rest.empty()) {
        const OperatorWord* match = nullptr;
        for (const auto& entry : kOperatorWords)
            if (rest.starts_with(entry.op)) {
                match = &entry;
                break;
            }
        if (match) {
            out += match->word;
            rest.remove_prefix(match->op.size());
        } else {
            appendPlain(out, rest.substr(0, 1));
            rest.remove_prefix(1);
        }
    }
    return out;
}

std::string scopeName(const decl::Scope* scope) {
    if (scope->record && scope->record->name) return std::string(diag::ribbonText(scope->record->name));
    return scope->name ? std::string(diag::ribbonText(scope->name)) : std::string();
}

}  // namespace

std::string flatName(std::string_view name) {
    if (name.starts_with("operator") &&
        (name.size() == 8 || !(std::isalnum(static_cast<unsigned char>(name[8])) || name[8] == '_')))
        return operatorName(name.substr(8));
    std::string out;
    appendPlain(out, name);
    return out;
}

std::string qualifiedFlatName(const decl::Declaration* declaration, std::string_view separator) {
    if (!declaration) return {};
    std::vector<std::string> scopes;
    for (const decl::Scope* s = declaration->scope; s && scopes.size() < decl::kMaxTypeDepth; s = s->parent)
        if (s->kind == decl::ScopeKind::Namespace || s->kind == decl::ScopeKind::Class) scopes.push_back(scopeName(s));
    std::string out;
    for (auto it = scopes.rbegin(); it != scopes.rend(); ++it) out += flatName(*it) + std::string(separator);
    const std::string_view name = declaration->name ? diag::ribbonText(declaration->name) : std::string_view{};
    return out + flatName(name);
}

}  // namespace analyser
