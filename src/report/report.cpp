// The command line of vorne-report, the reading of both files and the
// writing of each report whole or not at all.
#include "report/report.h"

#include "diag/diag.h"
#include "report/report_internal.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace report {

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: vorne-report G.tdc G.rio [--junit FILE] [--html FILE] [-o FILE]\n";

struct Arguments {
    std::string tdc, rio, junit, html, text;
};

bool takeValue(const std::vector<std::string>& arguments, std::size_t& i, std::string& value) {
    if (i + 1 >= arguments.size() || !value.empty()) return false;
    value = arguments[++i];
    return !value.empty();
}

bool parse(const std::vector<std::string>& arguments, Arguments& a) {
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        bool ok = true;
        if (word == "--junit") ok = takeValue(arguments, i, a.junit);
        else if (word == "--html") ok = takeValue(arguments, i, a.html);
        else if (word == "-o") ok = takeValue(arguments, i, a.text);
        else if (!word.empty() && word[0] == '-') ok = false;
        else positional.push_back(word);
        if (!ok) return false;
    }
    if (positional.size() != 2) return false;
    a.tdc = positional[0];
    a.rio = positional[1];
    return true;
}

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    if (fs::equivalent(a, b, error)) return true;
    return fs::weakly_canonical(fs::absolute(a, error), error) == fs::weakly_canonical(fs::absolute(b, error), error);
}

// An output never replaces an input, and no two outputs share a file.
bool outputsApart(const Arguments& a) {
    const std::vector<std::string> outputs = {a.junit, a.html, a.text};
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        if (outputs[i].empty()) continue;
        for (const std::string& input : {a.tdc, a.rio})
            if (sameFile(outputs[i], input)) {
                std::cerr << "vorne-report: the output " << outputs[i] << " would replace the input " << input << "\n";
                return false;
            }
        for (std::size_t k = i + 1; k < outputs.size(); ++k)
            if (!outputs[k].empty() && sameFile(outputs[i], outputs[k])) {
                std::cerr << "vorne-report: two outputs are written to " << outputs[i] << "\n";
                return false;
            }
    }
    return true;
}

// Written beside the destination, then renamed over it.
bool writeWhole(const std::string& path, const std::string& content) {
    const std::string temporary = path + ".vorne-report.tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << content;
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            std::cerr << "vorne-report: cannot write " << path << "\n";
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (!error) return true;
    fs::remove(temporary, error);
    std::cerr << "vorne-report: cannot write " << path << "\n";
    return false;
}

bool writeOutputs(const Arguments& a, const Report& report) {
    const std::string text = textReport(report);
    bool written = true;
    if (!a.junit.empty()) written = writeWhole(a.junit, junitReport(report)) && written;
    if (!a.html.empty()) written = writeWhole(a.html, htmlReport(report)) && written;
    if (!a.text.empty()) written = writeWhole(a.text, text) && written;
    else std::cout << text << std::flush;
    return written;
}

int statusOf(const Report& report) {
    const Counts& c = report.counts;
    const bool failed = c.failed > 0 || c.testsFailed > 0 || c.testsDied > 0 || c.testsNotRun > 0 ||
                        !report.programErrors.empty();
    return failed ? kSomethingFailed : kAllPassed;
}

}  // namespace

int runReport(const std::vector<std::string>& arguments) {
    Arguments a;
    if (!parse(arguments, a)) {
        std::cerr << kUsage;
        return kUnusableFiles;
    }
    if (!outputsApart(a)) return kUnusableFiles;
    Program program;
    Run run;
    Report report;
    const bool tdcRead = readTdc(a.tdc, program);
    const bool rioRead = readRio(a.rio, run);
    if (!tdcRead || !rioRead || !joinResults(program, run, a.rio, report)) return kUnusableFiles;
    if (!writeOutputs(a, report)) return kUnusableFiles;
    return statusOf(report);
}

}  // namespace report
