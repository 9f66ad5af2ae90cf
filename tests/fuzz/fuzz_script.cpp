// The script reader and dispatcher with the statement compilers behind them:
// the input's first byte holds run options (bit 0 -NOANALYZE, bit 1 French
// keywords, bit 2 -NOEDIT, bit 3 -NOEXCEP), the rest is the script, compiled
// as a run would compile it.
#include "fuzz_support.h"

#include "analyser/analyser.h"
#include "driver/driver.h"

#include <string_view>

namespace {

void setUpRun(std::uint8_t options, const std::string& scriptPath) {
    driver::Settings& s = driver::settings();
    s.scriptPath = scriptPath;
    s.generatedPath = "G.cc";
    s.languageName = "C++";
    s.target = "LINUX";
    s.commandImage = "vorneprepro a.ptu G.cc";
    s.dateString = "Thu Jan  1 00:00:00 1970";
    s.analysis = !(options & 1);
    s.keywordLanguage = (options & 2) ? values::kFrench : values::kEnglish;
    s.noEdit = options & 4;
    s.restrictions[config::kNoExcep] = options & 8;
    s.stdDefineFile = s.analysis ? VORNE_STANDARD_DEFINITIONS : "";
    driver::deriveFileNames(s);
    if (s.analysis) analyser::startAnalyser();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::startProcess();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    fuzzing::resetCompiler();
    const std::string script =
        fuzzing::writeScratchFile("a.ptu", std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    try {
        setUpRun(data[0], script);
        driver::compileDriver();
    } catch (const fuzzing::RunEnded&) {
    }
    return 0;
}
