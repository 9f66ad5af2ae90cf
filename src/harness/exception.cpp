// EXCEPTION: the exception an element expects its call to raise.
#include "diag/diag.h"
#include "diag/strings.h"
#include "harness/harness.h"
#include "harness/harness_internal.h"

namespace harness {

void handleException(const Statement& statement) {
    if (!output::generationActive()) return;
    if (!detail::state().blocks.inElement) {
        detail::reportMissing(detail::Keyword::Element);
        return;
    }
    std::string& exceptionText = detail::state().current.exceptionText;
    const std::string text = diag::trim(statement.rest);
    if (!exceptionText.empty()) {
        diag::warning("DBL_EXCEP", text);
        return;
    }
    exceptionText = text;
    output::markElementHasContent();
}

}  // namespace harness
