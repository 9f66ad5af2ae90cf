// The analysed mode before the analyser types expressions: nothing is
// available, macro expansion leaves texts as they are.
#include "variables/analysed.h"

namespace variables::analysed {

bool available() { return false; }

std::string expandMacros(std::string_view text) { return std::string(text); }

std::optional<Variable> typeOf(std::string_view) { return std::nullopt; }

std::optional<Value> analyseValue(std::string_view, const TypeFields&) { return std::nullopt; }

void defineMacro(std::string_view, std::string_view) {}
void undefineMacro(std::string_view) {}

std::optional<Leaf> leaf(const AggregateRequest&, int) { return std::nullopt; }

std::optional<std::string> arrayListExpression(std::string_view, const Variable&, int) { return std::nullopt; }

}  // namespace variables::analysed
