// The variable statements: VAR (and its ARRAY and STRUCTURE forms), the
// structures a script defines with DEFINE STRUCTURE and FIELD, the display
// formats of FORMAT and the script variables of DECLARE; and what the
// structure statements tell this module about the scopes they close.
#pragma once

#include "script/statement.h"

namespace variables {

// What the statement keyword asked for: VAR, ARRAY / TAB (table mode for an
// array) or STRUCTURE / STR.
enum class VariableForm { Plain, Array, Structure };

// VAR variable [, type] {, clause}
void handleVariable(const script::Statement& statement, VariableForm form);

// DEFINE STRUCTURE name
void handleDefineStructure(const script::Statement& statement);
// FIELD name = type, inside a structure definition.
void handleField(const script::Statement& statement);
// Whether a structure definition is open; END DEFINE and the structure
// statements close it.
bool structureDefinitionOpen();
// Closes the open structure definition (BLSTRVIDE for an empty one).
void closeStructureDefinition();

// FORMAT variable = format
void handleFormat(const script::Statement& statement);
// DECLARE variable = type
void handleDeclare(const script::Statement& statement);

// The scope of a nesting level ends (1 service, 2 test, 3 element): the
// structures, formats and declared variables it defined are dropped.
void dropScope(int level);

// Back to the state before the first statement (test support).
void resetForTesting();

}  // namespace variables
