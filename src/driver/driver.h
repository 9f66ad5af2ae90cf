// Program entry and the compile driver.
#pragma once

#include "driver/settings.h"

#include <ctime>
#include <string>

namespace driver {

// The product name at the head of messages and command-line errors.
inline constexpr const char* kProductName = "vorneprepro";

// Runs the whole compilation; ends the process with the summary's status.
[[noreturn]] void runCompiler(int argc, char** argv);

// One compilation of the script named in settings().
void compileDriver();

// Completes settings with every file name derived from the three positionals.
void deriveFileNames(Settings& s);

// The fatal IMPOUVFIC, naming both files, when an output of the run is one of
// its inputs (script, option files, -SOURCE, -STD_DEFINE) or another output.
// Before anything is written.
void refuseOutputsThatAreInputs(const Settings& settings);
// The same for the files read during the run (included scripts and code,
// headers), before the outputs replace their paths.
void refuseOutputsReadAsInputs(const Settings& settings);

// The time in the ctime layout without its newline: SOURCE_DATE_EPOCH (UTC)
// when it is set to a number, else the local time now.
std::string makeDateString();
std::string ctimeLayout(const std::tm& time);

// "abc" of "dir/abc.x.y": the file name up to its first ".".
std::string baseNameUpToFirstDot(std::string_view path);
// The version suffix of a -SOURCE base name: its last three characters when
// it is longer than three and the two before the last are digits.
std::string versionSuffix(std::string_view baseName);

}  // namespace driver
