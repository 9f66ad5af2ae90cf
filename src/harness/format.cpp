// FORMAT: the display format of a variable, registered by the variable
// statements; misplaced inside INITIALIZATION, TERMINATION, ENVIRONMENT or
// DEFINE blocks and before BEGIN, where it is still registered.
#include "diag/diag.h"
#include "harness/harness.h"
#include "harness/harness_internal.h"
#include "variables/variables.h"

namespace harness {

void handleFormat(const Statement& statement) {
    const detail::Blocks& b = detail::state().blocks;
    if (!b.beginSeen || b.inInitialization || b.inTermination || b.inEnvironment || b.inDefine ||
        variables::structureDefinitionOpen())
        diag::warning("MAL_PLACE", "FORMAT");
    variables::handleFormat(statement);
}

}  // namespace harness
