// vorne-decl: the analyser's preprocessor and declaration parser, for tests
// and benchmarks.
//   vorne-decl [-I dir]... [-D name[=value]]... [--std-define file] file...
// The standard-definitions file, then each file in order, is preprocessed
// and analysed into one symbol table, as the compiler does with successive
// native texts. Standard output lists every named entry in declaration
// order, one line each, fields separated by tabs: what it is (typedef,
// variable, function, member, enumerator, tag), its qualified name, its type
// as a C++ type-id (an enumerator's value), its script kind and its size in
// bits (negative when signed); a bit field's type ends with " : " and its
// width, its size is the width. The
// diagnostics go to standard error as the compiler writes them, and the
// exit status is the compiler's.
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
    std::string stdDefine;
    std::vector<std::string> files;
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
        if (std::string(argv[i]) == "--std-define" && i + 1 < argc) options.stdDefine = argv[++i];
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

void analyse(const std::string& text, bool forced, const std::string& name) {
    analyser::analyseDeclarations(text, forced, name, 1, analyser::diagnosticsCallback());
}

void print(const analyser::EntryListing& e) {
    const std::string line =
        e.what + '\t' + e.name + '\t' + e.type + '\t' + e.kind + '\t' + std::to_string(e.size) + '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    diag::registerCatalog();
    diag::initRibbon();
    const Options options = parse(argc, argv);
    analyser::CPP_prepro_init(true, false, options.includes, options.definitions,
                              analyser::diagnosticsCallback());
    if (!options.stdDefine.empty()) analyse("#include \"" + options.stdDefine + "\"\n", false, {});
    for (const auto& file : options.files) {
        std::string text;
        if (!readFile(file, text)) {
            diag::raiseMessage(diag::Level::E, "IMPOUVFIC", file, {}, 0);
            continue;
        }
        analyse(text, true, file);
    }
    analyser::CPP_prepro_end(true);
    analyser::listEntries(print);
    std::fflush(stdout);
    diag::endOfExecution(false);
}
