// Start-up in its fixed order and the compile driver.
#include "driver/driver.h"

#include "analyser/analyser.h"
#include "diag/diag.h"
#include "diag/files.h"
#include "diag/ribbon.h"
#include "diag/strings.h"
#include "driver/cmdline.h"
#include "driver/environment.h"
#include "harness/harness.h"
#include "output/output.h"
#include "script/filestack.h"
#include "script/reader.h"

#include <QCoreApplication>

#include <cerrno>
#include <csignal>
#include <cstdlib>

namespace driver {

namespace {

constexpr const char* kCopyrightNotice =
    "vorneprepro - Copyright (c) 2026 the vorneprepro developers. All rights reserved.";
constexpr const char* kCommentOpener = "//";  // C++, the only language of a run
constexpr const char* kCommentCloser = "";

// What the driver opened, so that a fatal exit can remove it.
struct DriverState {
    bool sourceOpened = false;
};

DriverState& driverState() {
    static DriverState s;
    return s;
}

// A fatal message leaves no half-written output behind.
void removeOutputsOnFatalExit() {
    auto& o = output::outputs();
    o.companion.discard();
    o.constants.discard();
    o.records.discard();
    o.generated.discard();
    output::discardTraceDescription();
}

int keywordLanguageFromEnvironment() {
    const char* value = std::getenv("VORNELAN");
    if (!value) return kEnglish;
    const std::string upper = diag::upperCased(value);
    if (upper == "FR") return kFrench;
    if (upper == "FA") return kFrenchAlternate;
    return kEnglish;
}

void openOutput(output::OutputFile& file, const std::string& path, std::string_view opener,
                std::string_view closer) {
    const Settings& s = settings();
    output::openGeneratedFile(file, path);
    output::writeFileHeader(file, opener, closer, s.commandImage, s.dateString);
}

// The base name of the constants file: after the last ":", "]" or ">" and
// before the first ".".
std::string constantsBaseName(const std::string& path) {
    const std::size_t mark = path.find_last_of(":]>");
    const std::string name = path.substr(mark == std::string::npos ? 0 : mark + 1);
    return name.substr(0, name.find('.'));
}

void writeDriverRecords(const std::string& sourceBase) {
    const Settings& s = settings();
    using output::Record;
    output::writeRecord(Record::Date, {s.dateString});
    output::writeRecord(Record::Target, {s.target});
    output::writeRecord(Record::ToolVersion, {diag::kToolVersion});
    output::writeRecord(Record::Languages, {s.languageName});
    output::writeRecord(Record::ScriptBase, {baseNameUpToFirstDot(s.scriptPath)});
    output::writeRecord(Record::SourceBase, {sourceBase});
    output::writeRecord(Record::SourceVersion, {versionSuffix(sourceBase)});
}

std::string scanSourceVersion(const std::string& sourceBase) {
    const Settings& s = settings();
    std::string version;
    script::processIncludesAndVersion(s.scriptPath, script::F_PTU, s.strver, version, s.languageIndex);
    if (!sourceBase.empty()) {
        script::fileManager(script::A_OUVRIR, script::F_SOURCE, s.sourcePath);
        driverState().sourceOpened = true;
        script::processIncludesAndVersion(s.sourcePath, script::F_SOURCE, s.strver, version,
                                          s.languageIndex);
    }
    return version;
}

void handOverNames(const std::string& version) {
    const Settings& s = settings();
    harness::GenerationNames names;
    names.rioPath = s.rioPath;
    names.companionPath = s.companionPath;
    names.programName = s.generatedBase;
    names.segmentPath = s.segmentPath;
    names.versionText = version;
    names.constantsBaseName = s.constGiven ? constantsBaseName(s.constPath) : std::string();
    names.subSystem = s.subSystem;
    names.fast = s.fast;
    names.compress = s.compress;
    names.expand = s.expand;
    harness::handOverGenerationNames(names);
}

// Closes every file: the outputs replace their paths, or are removed with
// what stood there when errors were counted.
void closeEverything() {
    auto& o = output::outputs();
    const auto failed = [] { return diag::errorCount() != 0; };
    script::closeMainScript();
    refuseOutputsReadAsInputs(settings());
    o.companion.close(failed());
    o.constants.close(failed());
    o.records.close(failed());
    if (settings().tsfGiven) output::endTraceDescription(failed());
    o.generated.close(failed());
    if (driverState().sourceOpened) script::fileManager(script::A_FERMER_SAUV, script::F_SOURCE, {});
}

void startUp(int argc, char** argv) {
    diag::installTranslators();
    diag::registerCatalog();
    settings() = Settings{};
    diag::installCrashHandler();
    diag::installInterruptHandlers();
    settings().keywordLanguage = keywordLanguageFromEnvironment();
    settings().dateString = makeDateString();
    diag::installMemoryServices();
    diag::initRibbon();
    diag::info("STARTEXEC", std::string(kProductName) + " " + std::string(diag::kToolTitle) + " " +
                                std::string(diag::kToolVersion));
    if (std::getenv("VORNE_SUPPRESS_COPYRIGHT") == nullptr) diag::info("COPYRIGHT", kCopyrightNotice);
    analyseCommandLine(argc, argv);
    Settings& s = settings();
    if (s.languageIndex != kPlm) s.subSystem = false;
    setUpEnvironment();
    deriveFileNames(s);
    refuseOutputsThatAreInputs(s);
    diag::openMessageFile(s.listingPath, true);
    output::writeListingHeader(s.listingPath, s.commandImage, s.dateString);
    diag::writeHeldMessages();
    if (s.analysis) analyser::startAnalyser();
}

}  // namespace

Settings& settings() {
    static Settings s;
    static const bool installed = (config::install(s), true);
    (void)installed;
    return s;
}

void compileDriver() {
    const Settings& s = settings();
    auto& o = output::outputs();
    diag::setFatalCleanup(removeOutputsOnFatalExit);
    script::openScriptFile(s.scriptPath);
    openOutput(o.generated, s.generatedPath, kCommentOpener, kCommentCloser);
    openOutput(o.companion, s.companionPath, kCommentOpener, kCommentCloser);
    openOutput(o.records, s.recordPath, "", "");
    output::writeRecord(output::Record::ScriptFile, {"0", absolutePath(s.scriptPath)});
    output::writeRecord(output::Record::Command, {s.commandText.empty() ? s.commandImage : s.commandText});
    if (s.constGiven) openOutput(o.constants, s.constPath, kCommentOpener, kCommentCloser);
    if (s.tsfGiven)
        output::beginTraceDescription(s.traceDirectory + s.traceBase + "." + s.traceExtension,
                                      s.scriptPath);
    const std::string sourceBase = s.sourceGiven ? baseNameUpToFirstDot(s.sourcePath) : std::string();
    writeDriverRecords(sourceBase);
    const std::string version = scanSourceVersion(sourceBase);
    script::fileManager(script::A_RESETER, script::F_PTU, s.scriptPath);
    handOverNames(version);
    diag::setCurrentLine(-1);
    script::readScript();
    harness::generateProgramEnd();
    closeEverything();
}

void runCompiler(int argc, char** argv) {
    static int applicationArgc = argc;
    QCoreApplication application(applicationArgc, argv);
    startUp(argc, argv);
    compileDriver();
    diag::endOfExecution(true);
}

}  // namespace driver
