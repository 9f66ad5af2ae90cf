// Benchmark of the variable statements: a script of 10,000 VAR statements
// (scalars of every native kind, arrays and structures) over a 5,000-line
// header, compiled by vorneprepro without declaration analysis, against
// "g++ -std=c++17 -O0 -fsyntax-only" on the harness it generates, measured
// in the same run. Reports the wall time of each and their ratio.
//   var-bench [runs]      (default 3 runs, the fastest kept)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kStatements = 10000;
constexpr int kHeaderLines = 5000;

// Wall time of a shell command run with its output thrown away; -1 when it
// failed.
double runOnce(const std::string& command) {
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system((command + " >/dev/null 2>&1").c_str());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return WIFEXITED(status) && WEXITSTATUS(status) <= 3 ? seconds : -1;
}

double best(const std::string& command, int runs) {
    double result = runOnce(command);
    for (int i = 1; i < runs && result >= 0; ++i) {
        const double s = runOnce(command);
        if (s < 0) return s;
        if (s < result) result = s;
    }
    return result;
}

// Kinds of the statements, in turn: the header declares their variables.
struct Kind {
    const char* cDeclaration;  // %d: the number
    const char* statement;     // %d: the number
};

constexpr Kind kKinds[] = {
    {"long i%d;", "VAR i%d, int, INIT = %d, EV = INIT + 1"},
    {"unsigned u%d;", "VAR u%d, unsigned, INIT = 7, EV = 7"},
    {"double d%d;", "VAR d%d, double, INIT = 1.5, EV = 1.5, DELTA = 1%%"},
    {"char c%d;", "VAR c%d, char, INIT = 'a', EV = 'a'"},
    {"char s%d[16];", "VAR s%d, string, INIT = \"abc\", EV = \"abc\""},
    {"void *p%d;", "VAR p%d, pointer, INIT = NIL, EV = NIL"},
    {"long r%d;", "VAR r%d, int, INIT = 3, MIN = 0, MAX = 5"},
    {"long t%d[4];", "VAR t%d[0..3], int, INIT = 0, EV = 0"},
    {"long l%d[3];", "VAR l%d[0..2], int, INIT = [1, 2, 3], EV = INIT"},
    {"Point q%d;", "VAR q%d, point, INIT = (1, 2.5), EV = (x => 1, OTHERS => 2.5)"},
};
constexpr int kKindCount = sizeof kKinds / sizeof kKinds[0];

std::string formatted(const char* pattern, int n) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, pattern, n, n);
    return buffer;
}

void writeInputs(const fs::path& dir) {
    std::ofstream header(dir / "unit.h");
    header << "struct Point { long x; double y; };\n";
    const int perLine = (kStatements + kHeaderLines - 2) / (kHeaderLines - 1);
    for (int n = 0; n < kStatements; ++n)
        header << formatted(kKinds[n % kKindCount].cDeclaration, n) << ((n + 1) % perLine ? " " : "\n");
    header << "\n";
    std::ofstream script(dir / "bench.ptu");
    script << "HEADER bench, 1, 1\nBEGIN\n##include \"unit.h\"\nDEFINE STRUCTURE point\nFIELD x = int\n"
              "FIELD y = double\nEND DEFINE\nSERVICE s\n";
    for (int n = 0; n < kStatements; ++n) {
        if (n % 100 == 0) script << (n ? "END ELEMENT\nEND TEST\n" : "") << "TEST t" << n << "\nFAMILY f\nELEMENT\n";
        script << formatted(kKinds[n % kKindCount].statement, n) << "\n";
    }
    script << "END ELEMENT\nEND TEST\nEND SERVICE\n";
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const fs::path dir = fs::temp_directory_path() / ("vorne-var-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    writeInputs(dir);
    const std::string env = "cd " + dir.string() + " && MORVIKDIR=" VORNE_MORVIKDIR " HRLTGT=" VORNE_SOURCE_DIR
                            "/target SOURCE_DATE_EPOCH=0 ";
    const double compiler = best(env + VORNE_COMPILER " bench.ptu G.cc -NOANALYZE", runs);
    const double gxx = best("cd " + dir.string() + " && g++ -std=c++17 -O0 -fsyntax-only -I" VORNE_SOURCE_DIR
                            "/target/lib G.cc", runs);
    std::printf("%d VAR statements over a %d-line header (best of %d)\n", kStatements, kHeaderLines, runs);
    if (compiler < 0 || gxx < 0) {
        std::printf("a run failed (compiler %.3f s, g++ %.3f s); inputs kept in %s\n", compiler, gxx, dir.c_str());
        return 1;
    }
    std::printf("vorneprepro -NOANALYZE  %8.3f s\n", compiler);
    std::printf("g++ -O0 -fsyntax-only   %8.3f s\n", gxx);
    std::printf("ratio                   %8.1f %%\n", 100.0 * compiler / gxx);
    fs::remove_all(dir);
    return 0;
}
