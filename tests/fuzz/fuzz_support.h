// What every fuzzing target shares: the application object and the catalog,
// the process-wide state of the compiler put back to its start before each
// input, and an end of the run that unwinds instead of exiting.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzzing {

// Thrown where the compiler would end the process (levels S and F, the end
// of execution).
struct RunEnded {
    int status;
};

// Once per process: the application object, the catalog, the memory and
// ribbon services, the end of the run that throws RunEnded, and a scratch
// directory of this process as the working directory.
void startProcess();

// Before each input: every module's state as at the start of a run; messages
// are counted but not echoed.
void resetCompiler();

// The input as a file of the scratch directory; returns its path.
std::string writeScratchFile(const std::string& name, std::string_view content);

// Run options of a script, as the first byte of an input holds them.
enum ScriptOptions : std::uint8_t { kNoAnalysis = 1, kFrench = 2, kNoEdit = 4, kNoExcep = 8 };

// Compiles the script as a run compiles it (G.cc, G.icc and G.tdc in the
// scratch directory), after resetCompiler.
void compileScript(std::uint8_t options, std::string_view script);

}  // namespace fuzzing
