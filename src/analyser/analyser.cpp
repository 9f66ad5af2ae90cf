// The analyser as the other stages see it: the preprocessor set up from the
// settings, texts handed over and their diagnostics raised as messages.
#include "analyser/analyser.h"

#include "analyser/preprocessor.h"
#include "diag/diag.h"
#include "config/settings.h"

namespace analyser {

namespace {

constexpr diag::Level kLevels[] = {diag::Level::S, diag::Level::F, diag::Level::E, diag::Level::W,
                                   diag::Level::I};
static_assert(std::size(kLevels) == 5);

void raise(int severity, std::string_view code, std::string_view parameter,
           std::string_view fileName, int line) {
    if (severity < 0 || severity > 4) severity = kError;
    const diag::Level level = kLevels[severity];
    // S and F end the run: the positioned form runs the fatal clean-up first.
    if (severity <= kFatalError) diag::raiseAt(level, code, parameter, fileName, line);
    else diag::raiseMessage(level, code, parameter, fileName, line);
}

}  // namespace

void startAnalyser() {
    const config::Settings& s = config::settings();
    CPP_prepro_init(true, s.restricted(config::kKr), s.includeDirectories, s.definitions, raise);
    if (s.stdDefineFile.empty()) return;
    analyseDeclarations("#include \"" + s.stdDefineFile + "\"\n", false, {}, 1, raise);
}

void analyseNativeCode(const std::string& text, const std::string& fileName, int firstLine) {
    analyseDeclarations(text, true, fileName, firstLine, raise);
}

void analyseDeclarations(const std::string& text, bool forced, const std::string& fileName, int firstLine,
                         ReportCallback report) {
    const BaseTypeSizes before = baseTypeSizes();
    std::string output;
    CPP_prepro_text(text, forced, fileName, firstLine, output);
    baseTypeSizes() = before;
    CPP_analyse_decl(output, {}, fileName, firstLine, report);
}

std::string preprocessText(const std::string& text, const std::string& fileName, int firstLine) {
    std::string output;
    CPP_prepro_text(text, true, fileName, firstLine, output);
    return output;
}

void endAnalyser() { CPP_prepro_end(true); }

// The reporting callback, for the tools built on the preprocessor alone.
ReportCallback diagnosticsCallback() { return raise; }

}  // namespace analyser
