// vorne-cpp: the analyser's preprocessor alone, for tests and benchmarks.
//   vorne-cpp [-u] [-I dir]... [-D name[=value]]... file...
// The files are preprocessed in order in one run, macros persisting from one
// to the next; the output goes to standard output, the diagnostics to
// standard error as the compiler writes them, and the exit status is the
// compiler's. -u hands the files over without forced analysis.
#include "analyser/analyser.h"
#include "analyser/preprocessor.h"
#include "diag/diag.h"
#include "diag/ribbon.h"

#include <QCoreApplication>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Options {
    std::vector<std::string> includes;
    std::vector<std::string> definitions;
    std::vector<std::string> files;
    bool forced = true;
};

// "-Idir" or "-I dir", the same for -D.
bool readOption(int argc, char** argv, int& i, const char* flag, std::vector<std::string>& into) {
    const std::string arg = argv[i];
    if (arg.rfind(flag, 0) != 0) return false;
    if (arg.size() > 2) into.push_back(arg.substr(2));
    else if (i + 1 < argc) into.push_back(argv[++i]);
    return true;
}

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (readOption(argc, argv, i, "-I", options.includes)) continue;
        if (readOption(argc, argv, i, "-D", options.definitions)) continue;
        if (std::string(argv[i]) == "-u") options.forced = false;
        else options.files.push_back(argv[i]);
    }
    return options;
}

bool readFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    diag::registerCatalog();
    diag::initRibbon();
    const Options options = parse(argc, argv);
    analyser::CPP_prepro_init(true, false, options.includes, options.definitions,
                              analyser::diagnosticsCallback());
    std::string output;
    for (const auto& file : options.files) {
        std::string text;
        if (!readFile(file, text)) {
            diag::raiseMessage(diag::Level::E, "IMPOUVFIC", file, {}, 0);
            continue;
        }
        analyser::CPP_prepro_text(text, options.forced, file, 1, output);
        std::fwrite(output.data(), 1, output.size(), stdout);
    }
    analyser::CPP_prepro_end(true);
    diag::endOfExecution(false);
}
