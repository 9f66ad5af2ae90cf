// Provisional command-line analysis: the three positionals and the defaults.
#include "driver/cmdline.h"

#include "diag/diag.h"
#include "driver/settings.h"

namespace driver {

void analyseCommandLine(int argc, char** argv) {
    Settings& s = settings();
    std::string* positionals[] = {&s.scriptPath, &s.generatedPath, &s.rioDirectory};
    int used = 0;
    for (int i = 1; i < argc && used < 3; ++i) *positionals[used++] = argv[i];
    if (used < 2) diag::fatal("CMDFATALE");
    s.languageName = "C++";
    s.target = "LINUX";
    s.commandImage = "vorneprepro " + s.scriptPath + " " + s.generatedPath;
    if (!s.rioDirectory.empty()) s.commandImage += " \"" + s.rioDirectory + "\"";
    s.commandImage += " -LANGUAGE=C++ -TARGET=LINUX";
}

}  // namespace driver
