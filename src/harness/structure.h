// The structure statements of a test script (program, services, tests,
// families, elements, comments and requirements, the INITIALIZATION and
// TERMINATION blocks) as the dispatcher calls them (it composes NEXT_TEST
// from END TEST, TEST and FAMILY, and encloses a variable statement under
// SEQUENCE in ELEMENT and END ELEMENT), and what the generators
// of variables, environments, stubs and the other statements read from the
// structure.
#pragma once

#include "script/statement.h"

#include <string>

namespace harness {

// ---- Statement handlers ----------------------------------------------------

void handleHeader(const script::Statement& statement);
void handleBegin(const script::Statement& statement);
void handleService(const script::Statement& statement);
void handleEndService(const script::Statement& statement);
void handleTest(const script::Statement& statement);
void handleEndTest(const script::Statement& statement);
void handleFamily(const script::Statement& statement);
void handleEndFamily(const script::Statement& statement);
void handleElement(const script::Statement& statement);
void handleEndElement(const script::Statement& statement);
void handleComment(const script::Statement& statement);
void handleRequirement(const script::Statement& statement);
void handleSequence(const script::Statement& statement);
void handleEndSequence(const script::Statement& statement);
void handleInitialization(const script::Statement& statement);
void handleEndInitialization(const script::Statement& statement);
void handleTermination(const script::Statement& statement);
void handleEndTermination(const script::Statement& statement);

// ---- The structure as the generators see it ----------------------------------

// Suppression flags 0 (SIMUL) to 5 (variable handling); generation is active
// while flags 0 to 4 are clear.
void setSuppression(int flag, bool on);
bool suppressed(int flag);

// The number of the test's own loop counter (LOOP), 0 when it has none.
int testLoopCounter();

// The running number of run-time declarations, checks and lettered records.
int structureNumber();
// Returns the structure number and advances it.
int takeStructureNumber();

int serviceNumber();
int testNumber();
int elementNumber();
// 0 outside services, 1 in a service, 2 in a test, 3 in an element.
int nestingLevel();
const std::string& serviceName();
const std::string& serviceFullName();
const std::string& testName();

// The open element generated a variable, a list check or an exception, so it
// is not reported empty.
void markElementHasContent();

// Template R: the RUPT_CPP call of a check with number m.
void emitRupture(int m);

// A loop counter used by the generated text ('J' for value and test loops,
// 'I' for array loops); the harness class declares every counter up to the
// highest number used.
void useLoopCounter(char family, int number);

}  // namespace harness
