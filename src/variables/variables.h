// The variable statements: VAR (and its ARRAY and STRUCTURE forms), the
// structures a script defines with DEFINE STRUCTURE and FIELD, the display
// formats of FORMAT and the script variables of DECLARE; the type model of
// the tested variables, their initialisation and the checks of their
// expected values; and what the structure statements tell this module about
// the scopes they close.
#pragma once

#include "output/output.h"

namespace variables {

using output::Statement;

// What the statement keyword asked for: VAR, ARRAY / TAB (table mode for an
// array) or STRUCTURE / STR.
enum class VariableForm { Plain, Array, Structure };

// VAR variable [, type] {, clause}
void handleVariable(const Statement& statement, VariableForm form);

// DEFINE STRUCTURE name
void handleDefineStructure(const Statement& statement);
// FIELD name = type, inside a structure definition.
void handleField(const Statement& statement);
// Whether a structure definition is open; END DEFINE and the structure
// statements close it.
bool structureDefinitionOpen();
// Closes the open structure definition (BLSTRVIDE for an empty one).
void closeStructureDefinition();

// FORMAT variable = format (the caller reports a misplaced one).
void handleFormat(const Statement& statement);
// DECLARE variable = type
void handleDeclare(const Statement& statement);

// The scope of a nesting level ends (1 service, 2 test, 3 element): the
// structures, formats and declared variables it defined are dropped.
void dropScope(int level);

// Template R: the RUPT_CPP call of a check with number m, in the check
// section of the open element.
void emitRupture(int m);

}  // namespace variables
