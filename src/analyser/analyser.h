// The C/C++ declaration analyser as the other stages see it.
#pragma once

#include <string>
#include <string_view>

namespace analyser {

// Start-up: the preprocessor with the include directories and definitions of
// the command line, then the standard-definitions file of the settings.
void startAnalyser();

// Native code collected from the script since the previous statement, as
// declarations; reported under fileName from firstLine on.
void analyseNativeCode(const std::string& text, const std::string& fileName, int firstLine);

// Preprocesses a text (for example an "#include" line of INCLUDE CODE) with
// forced analysis and returns the preprocessed text.
std::string preprocessText(const std::string& text, const std::string& fileName, int firstLine);

// End of the script: open conditionals are reported, script macros dropped.
void endAnalyser();

// The preprocessor's reporting callback that raises its diagnostics as
// messages (severities 0 to 4 become levels S, F, E, W, I).
using Reporter = void (*)(int severity, std::string_view code, std::string_view parameter,
                          std::string_view fileName, int line);
Reporter diagnosticsCallback();

}  // namespace analyser
