// The readers of vorne-report: the input holds a record file, a NUL byte and
// a results file; both are read, joined and reported in every form.
#include "fuzz_support.h"

#include "report/report_internal.h"

#include <string_view>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::startProcess();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    fuzzing::resetCompiler();
    const std::string tdc = fuzzing::writeScratchFile("G.tdc", input.substr(0, split));
    const std::string rio =
        fuzzing::writeScratchFile("G.rio", split == std::string_view::npos ? "" : input.substr(split + 1));
    try {
        report::Program program;
        report::Run run;
        report::Report result;
        if (!report::readTdc(tdc, program) || !report::readRio(rio, run) ||
            !report::joinResults(program, run, rio, result))
            return 0;
        report::textReport(result);
        report::junitReport(result);
        report::htmlReport(result);
    } catch (const fuzzing::RunEnded&) {
    }
    return 0;
}
