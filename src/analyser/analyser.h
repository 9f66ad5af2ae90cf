// The C/C++ declaration analyser as the driver sees it.
#pragma once

namespace analyser {

// Starts the analyser with the include directories and definitions of the
// command line and analyses the standard-definitions file.
void startAnalyser();

// Finishes the analysis at the end of the program.
void endAnalyser();

}  // namespace analyser
