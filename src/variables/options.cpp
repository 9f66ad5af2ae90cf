// The options of the run that the variable statements read.
#include "config/settings.h"
#include "output/output.h"
#include "variables/variables_internal.h"

namespace variables::detail {

bool analysing() { return config::settings().analysis; }
bool noExcep() { return output::noExcep(); }
bool noEdit() { return output::noEdit(); }
bool learnMode() { return config::settings().learn; }
bool frenchKeywords() { return output::keywordLanguage() != values::kEnglish; }
values::Dialect dialect() { return output::dialect(); }
values::Value evaluateScript(std::string_view text) { return values::evaluate(text, output::dialect()); }

// A number written for a long double is a long double literal: without its
// suffix the harness would compare with the nearest double instead.
std::optional<std::string> renderScript(const values::Value& value, const TypeFields& type) {
    auto text = values::render(value, values::Target{type.kind, type.format, type.size}, dialect());
    const bool number = value.kind == values::ValueKind::Real || value.kind == values::ValueKind::Integer;
    if (text && number && type.kind == values::TypeKind::REEL && type.frenchName.starts_with('l')) *text += 'L';
    return text;
}

}  // namespace variables::detail
