// The harness generation as the driver and the reader see it: the names
// handed over before the first statement, the questions the reader asks to
// route native lines, and the end of the program after the last statement.
#pragma once

#include <string>
#include <string_view>

namespace harness {

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

void handOverGenerationNames(const GenerationNames& names);

// Generation is active while no suppression flag (SIMUL, selection, IF) is set.
bool generationActive();

// Blocks the reader routes native lines by.
bool inInitializationBlock();
bool inTerminationBlock();
bool inSegmentBlock();
bool inDefineStubBlock();
bool inElement();
bool inTest();

// FORMAT stands before BEGIN or inside an INITIALIZATION, TERMINATION,
// ENVIRONMENT or DEFINE STUB block.
bool formatOutOfPlace();

// Native lines of INITIALIZATION and TERMINATION blocks.
void emitInitializationCode(std::string_view line);
void emitTerminationCode(std::string_view line);

// Generates main, the class declaration and the closing diagnostics.
void generateProgramEnd();

}  // namespace harness
