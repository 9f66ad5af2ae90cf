// The shared start-up and reset of the fuzzing targets.
#include "fuzz_support.h"

#include "analyser/analyser.h"
#include "analyser/preprocessor.h"
#include "analyser/symbols_internal.h"
#include "diag/diag.h"
#include "diag/diag_internal.h"
#include "diag/ribbon.h"
#include "diag/strings.h"
#include "driver/driver.h"
#include "driver/settings.h"
#include "output/output.h"
#include "output/output_internal.h"
#include "script/script_internal.h"
#include "values/expressions.h"
#include "variables/variables_internal.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace fuzzing {

namespace {

[[noreturn]] void endRun(int status) { throw RunEnded{status}; }

std::filesystem::path& scratch() {
    static std::filesystem::path directory;
    return directory;
}

}  // namespace

void startProcess() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    ::setenv("SOURCE_DATE_EPOCH", "0", 1);
    diag::registerCatalog();
    diag::installMemoryServices();
    // In memory when the system offers it: every input writes its outputs.
    const std::filesystem::path memory = "/dev/shm";
    const auto base = ::access(memory.c_str(), W_OK) == 0 ? memory : std::filesystem::temp_directory_path();
    std::string pattern = (base / "vorne-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    scratch() = pattern;
    std::filesystem::current_path(scratch());
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(scratch(), ignored);
    });
}

void resetCompiler() {
    auto& o = output::outputs();
    o.generated.discard();
    o.companion.discard();
    o.records.discard();
    o.constants.discard();
    output::discardTraceDescription();
    diag::resetForTesting();
    diag::detail::setTerminateHook(endRun);
    diag::detail::forgetInputsForTesting();
    diag::openMessageFile({}, false);
    diag::initRibbon();
    driver::settings() = driver::Settings{};
    script::detail::resetFileStackForTesting();
    script::detail::resetReaderForTesting();
    script::detail::resetDispatchForTesting();
    script::detail::resetIncludesForTesting();
    output::detail::resetTraceDescriptionForTesting();
    output::resetGeneration();
    values::resetEvaluatorForTesting();
    variables::resetForTesting();
    analyser::baseTypeSizes() = analyser::BaseTypeSizes{};
    analyser::decl::resetAnalysis();
}

namespace {

void setUpRun(std::uint8_t options, const std::string& scriptPath) {
    driver::Settings& s = driver::settings();
    s.scriptPath = scriptPath;
    s.generatedPath = "G.cc";
    s.languageName = "C++";
    s.target = "LINUX";
    s.commandImage = "vorneprepro a.ptu G.cc";
    s.dateString = "Thu Jan  1 00:00:00 1970";
    s.analysis = !(options & kNoAnalysis);
    s.keywordLanguage = (options & kFrench) ? values::kFrench : values::kEnglish;
    s.noEdit = options & kNoEdit;
    s.restrictions[config::kNoExcep] = options & kNoExcep;
    s.stdDefineFile = s.analysis ? VORNE_STANDARD_DEFINITIONS : "";
    driver::deriveFileNames(s);
    if (s.analysis) analyser::startAnalyser();
}

}  // namespace

void compileScript(std::uint8_t options, std::string_view script) {
    const std::string path = writeScratchFile("a.ptu", script);
    try {
        setUpRun(options, path);
        driver::compileDriver();
    } catch (const RunEnded&) {
    }
}

std::string writeScratchFile(const std::string& name, std::string_view content) {
    const std::string path = (scratch() / name).string();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    std::fwrite(content.data(), 1, content.size(), file);
    std::fclose(file);
    return path;
}

}  // namespace fuzzing
