// The harness generation as the driver sees it: the names handed over before
// the first statement and the end of the program after the last one.
#pragma once

#include <string>

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

// Generates main, the class declaration and the closing diagnostics.
void generateProgramEnd();

}  // namespace harness
