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

}  // namespace variables::detail
