// Command-line analysis into settings().
#pragma once

#include <string>

namespace driver {

// Expands option files and "$" references, analyses the arguments, fills
// settings() and builds the command image. A bad command line prints the
// analyser's error line with the usage text and ends with CMDFATALE (status 7).
void analyseCommandLine(int argc, char** argv);

}  // namespace driver
