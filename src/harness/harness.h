// The harness: the structure statements of a test script (program, services,
// tests, families, elements, comments and requirements, the INITIALIZATION and
// TERMINATION blocks), CONST and EXCEPTION, and the skeleton of the generated
// harness. The driver hands over the generation names before the first
// statement and asks for the program end after the last; the reader asks in
// which block a native line stands; the dispatcher calls the handlers (it
// composes NEXT_TEST from END TEST, TEST and FAMILY, and encloses a variable
// statement under SEQUENCE in ELEMENT and END ELEMENT).
#pragma once

#include "output/output.h"

#include <string>

namespace harness {

using output::Statement;

struct GenerationNames {
    std::string rioPath;
    std::string companionPath;
    std::string programName;  // the generated file's base name G
    std::string segmentPath;
    std::string versionText;  // -STRVER text after include-version processing
    std::string constantsBaseName;  // base name of the -CONST file, when one is written
    bool subSystem = false;
    bool fast = false;
    bool compress = false;
    bool expand = false;
};

// A new compilation: the harness and the generation state start afresh.
void handOverGenerationNames(const GenerationNames& names);

// Generates main, the class declaration and the closing diagnostics.
void generateProgramEnd();

// Blocks the reader routes native lines by.
bool inInitializationBlock();
bool inTerminationBlock();
bool inSegmentBlock();
bool inDefineStubBlock();
bool inElement();
bool inTest();

// ---- Statement handlers ----------------------------------------------------

void handleHeader(const Statement& statement);
void handleBegin(const Statement& statement);
void handleService(const Statement& statement);
void handleEndService(const Statement& statement);
void handleTest(const Statement& statement);
void handleEndTest(const Statement& statement);
void handleFamily(const Statement& statement);
void handleEndFamily(const Statement& statement);
void handleElement(const Statement& statement);
void handleEndElement(const Statement& statement);
void handleComment(const Statement& statement);
void handleRequirement(const Statement& statement);
void handleSequence(const Statement& statement);
void handleEndSequence(const Statement& statement);
void handleInitialization(const Statement& statement);
void handleEndInitialization(const Statement& statement);
void handleTermination(const Statement& statement);
void handleEndTermination(const Statement& statement);

// CONST name = value
void handleConst(const Statement& statement);
// EXCEPTION text
void handleException(const Statement& statement);
// FORMAT variable = format, for the variable statements.
void handleFormat(const Statement& statement);

}  // namespace harness
