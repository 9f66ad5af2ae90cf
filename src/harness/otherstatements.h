// Statements that steer generation without building the structure: the
// script constants and the expected exception of an element.
#pragma once

#include "script/statement.h"

namespace harness {

// CONST name = value
void handleConst(const script::Statement& statement);
// EXCEPTION text
void handleException(const script::Statement& statement);

}  // namespace harness
