// Inputs are never outputs: every output path of a run is compared with the
// inputs and with the other outputs before anything is written, and again,
// before the outputs replace their paths, with every file the run has read.
#include "diag/diag.h"
#include "diag/files.h"
#include "driver/driver.h"
#include "output/output.h"

#include <QtGlobal>

#include <vector>

namespace driver {

namespace {

constexpr const char* kParameterContext = "Error Parameter";

// The parameter of IMPOUVFIC for an output that is also another file of the run.
constexpr const char* kClashText =
    QT_TRANSLATE_NOOP("Error Parameter", "%1 for writing: it is also the %2 %3");

struct RunFile {
    const char* role;  // translated in the parameter context
    std::string path;
};

std::vector<RunFile> inputsOf(const Settings& s) {
    std::vector<RunFile> inputs = {{QT_TRANSLATE_NOOP("Error Parameter", "script"), s.scriptPath}};
    for (const auto& path : s.optionFiles)
        inputs.push_back({QT_TRANSLATE_NOOP("Error Parameter", "option file"), path});
    if (s.sourceGiven) inputs.push_back({QT_TRANSLATE_NOOP("Error Parameter", "-SOURCE file"), s.sourcePath});
    if (s.analysis && !s.stdDefineFile.empty())
        inputs.push_back({QT_TRANSLATE_NOOP("Error Parameter", "-STD_DEFINE file"), s.stdDefineFile});
    return inputs;
}

std::vector<RunFile> outputsOf(const Settings& s) {
    std::vector<RunFile> outputs = {
        {QT_TRANSLATE_NOOP("Error Parameter", "generated file"), s.generatedPath},
        {QT_TRANSLATE_NOOP("Error Parameter", "companion file"), s.companionPath},
        {QT_TRANSLATE_NOOP("Error Parameter", "record file"), s.recordPath},
    };
    if (s.constGiven) outputs.push_back({QT_TRANSLATE_NOOP("Error Parameter", "-CONST file"), s.constPath});
    if (s.tsfGiven) outputs.push_back({QT_TRANSLATE_NOOP("Error Parameter", "-TSF file"), s.tsfPath});
    outputs.push_back({QT_TRANSLATE_NOOP("Error Parameter", "listing"), s.listingPath});
    if (!s.glentoLogPath.empty())
        outputs.push_back({QT_TRANSLATE_NOOP("Error Parameter", "-GLENTO_LOG file"), s.glentoLogPath});
    return outputs;
}

// IMPOUVFIC is the message of an output that cannot be opened, which ends
// the run: the closest the catalog has for an output the run must not open.
[[noreturn]] void refuse(const std::string& output, const char* otherRole, const std::string& other) {
    const std::string text = diag::translateParameter(kParameterContext, kClashText);
    const std::string role = diag::translateParameter(kParameterContext, otherRole);
    diag::fatal("IMPOUVFIC", output::fillPlaceholders(text, {output, role, other}));
}

}  // namespace

void refuseOutputsThatAreInputs(const Settings& settings) {
    const std::vector<RunFile> inputs = inputsOf(settings);
    const std::vector<RunFile> outputs = outputsOf(settings);
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        for (const RunFile& input : inputs)
            if (diag::sameFile(outputs[i].path, input.path)) refuse(outputs[i].path, input.role, input.path);
        for (std::size_t j = 0; j < i; ++j)
            if (diag::sameFile(outputs[i].path, outputs[j].path))
                refuse(outputs[i].path, outputs[j].role, outputs[j].path);
    }
}

void refuseOutputsReadAsInputs(const Settings& settings) {
    for (const RunFile& output : outputsOf(settings)) {
        const auto input = diag::inputNamedBy(output.path);
        if (!input) continue;
        diag::setCurrentFile({});
        diag::setCurrentLine(0);
        refuse(output.path, QT_TRANSLATE_NOOP("Error Parameter", "input"), *input);
    }
}

}  // namespace driver
