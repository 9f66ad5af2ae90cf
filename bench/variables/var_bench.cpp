// Benchmark of the variable statements: a script of 10,000 VAR statements
// (scalars of every native kind, arrays and structures) over a 5,000-line
// header, compiled by vorneprepro with declaration analysis (C expressions
// typed over the header) and without it, each against
// "g++ -std=c++17 -O0 -fsyntax-only" on the harness it generates, measured
// in the same run. Reports the processor time (user and system, the child
// processes of g++ included) and the wall time of each, and their ratios;
// on a shared machine the processor time is the steadier of the two.
//   var-bench [runs]      (default 5 runs of each, alternating, the fastest kept)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kStatements = 10000;
constexpr int kHeaderLines = 5000;

struct Measure {
    double cpu = -1;   // seconds of processor time; -1 when the command failed
    double wall = -1;
};

double seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

// A shell command run with its output thrown away.
Measure runOnce(const std::string& command) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execl("/bin/sh", "sh", "-c", (command + " >/dev/null 2>&1").c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    Measure m;
    if (!WIFEXITED(status) || WEXITSTATUS(status) > 3) return m;
    m.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m.cpu = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    return m;
}

// The fastest run of each measure.
void keepBest(Measure& best, const Measure& m) {
    if (m.cpu < 0 || best.cpu < 0) {
        best.cpu = -1;
        return;
    }
    best.cpu = std::min(best.cpu, m.cpu);
    best.wall = std::min(best.wall, m.wall);
}

// Kinds of the statements, in turn: the header declares their variables.
struct Kind {
    const char* cDeclaration;  // %d: the number
    const char* statement;     // %d: the number; without declaration analysis
    const char* analysed;      // %d: the number; with it
};

constexpr Kind kKinds[] = {
    {"long i%d;", "VAR i%d, int, INIT = %d, EV = INIT + 1", "VAR i%d, INIT = %d, EV = INIT + 1"},
    {"unsigned u%d;", "VAR u%d, unsigned, INIT = 7, EV = 7", "VAR u%d, INIT = 7, EV = 7"},
    {"double d%d;", "VAR d%d, double, INIT = 1.5, EV = 1.5, DELTA = 1%%", "VAR d%d, INIT = 1.5, EV = 1.5, DELTA = 1%%"},
    {"char c%d;", "VAR c%d, char, INIT = 'a', EV = 'a'", "VAR c%d, INIT = 'a', EV = 'a'"},
    {"char s%d[16];", "VAR s%d, string, INIT = \"abc\", EV = \"abc\"", "VAR s%d, INIT = \"abc\", EV = \"abc\""},
    {"void *p%d;", "VAR p%d, pointer, INIT = NIL, EV = NIL", "VAR p%d, INIT = NIL, EV = NIL"},
    {"long r%d;", "VAR r%d, int, INIT = 3, MIN = 0, MAX = 5", "VAR r%d, INIT = 3, MIN = 0, MAX = 5"},
    {"long t%d[4];", "VAR t%d[0..3], int, INIT = 0, EV = 0", "VAR t%d, INIT = 0, EV = 0"},
    {"long l%d[3];", "VAR l%d[0..2], int, INIT = [1, 2, 3], EV = INIT", "VAR l%d, INIT = {1, 2, 3}, EV = INIT"},
    {"Point q%d;", "VAR q%d, point, INIT = (1, 2.5), EV = (x => 1, OTHERS => 2.5)",
     "VAR q%d, INIT = {1, 2.5}, EV = {x => 1, others => 2.5}"},
};
constexpr int kKindCount = sizeof kKinds / sizeof kKinds[0];

std::string formatted(const char* pattern, int n) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, pattern, n, n);
    return buffer;
}

void writeScript(const fs::path& path, bool analysed) {
    std::ofstream script(path);
    script << "HEADER bench, 1, 1\nBEGIN\n##include \"unit.h\"\n";
    if (!analysed) script << "DEFINE STRUCTURE point\nFIELD x = int\nFIELD y = double\nEND DEFINE\n";
    script << "SERVICE s\n";
    for (int n = 0; n < kStatements; ++n) {
        if (n % 100 == 0) script << (n ? "END ELEMENT\nEND TEST\n" : "") << "TEST t" << n << "\nFAMILY f\nELEMENT\n";
        const Kind& kind = kKinds[n % kKindCount];
        script << formatted(analysed ? kind.analysed : kind.statement, n) << "\n";
    }
    script << "END ELEMENT\nEND TEST\nEND SERVICE\n";
}

void writeInputs(const fs::path& dir) {
    std::ofstream header(dir / "unit.h");
    header << "typedef struct Point { long x; double y; } Point;\n";
    const int perLine = (kStatements + kHeaderLines - 2) / (kHeaderLines - 1);
    for (int n = 0; n < kStatements; ++n)
        header << formatted(kKinds[n % kKindCount].cDeclaration, n) << ((n + 1) % perLine ? " " : "\n");
    header << "\n";
    writeScript(dir / "native.ptu", false);
    writeScript(dir / "analysed.ptu", true);
}

struct Side {
    Measure compiler, gxx;
};

// The runs alternate, so that both see the same load of a shared machine.
Side measure(const fs::path& dir, const std::string& script, const std::string& options, int runs) {
    const std::string env = "cd " + dir.string() + " && MORVIKDIR=" VORNE_MORVIKDIR " HRLTGT=" VORNE_SOURCE_DIR
                            "/target SOURCE_DATE_EPOCH=0 ";
    const std::string harness = script + ".cc";
    const std::string compile = env + VORNE_COMPILER " " + script + ".ptu " + harness + options;
    const std::string check = "cd " + dir.string() + " && g++ -std=c++17 -O0 -fsyntax-only -I" VORNE_SOURCE_DIR
                              "/target/lib " + harness;
    Side side{runOnce(compile), runOnce(check)};
    for (int i = 1; i < runs; ++i) {
        keepBest(side.compiler, runOnce(compile));
        keepBest(side.gxx, runOnce(check));
    }
    return side;
}

void print(const char* name, const Side& side) {
    std::printf("%-24s%8.3f s %8.3f s\n", name, side.compiler.cpu, side.compiler.wall);
    std::printf("  g++ -O0 -fsyntax-only %8.3f s %8.3f s\n", side.gxx.cpu, side.gxx.wall);
    std::printf("  ratio                 %8.1f %% %8.1f %%\n", 100.0 * side.compiler.cpu / side.gxx.cpu,
                100.0 * side.compiler.wall / side.gxx.wall);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const fs::path dir = fs::temp_directory_path() / ("vorne-var-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    writeInputs(dir);
    const Side analysed = measure(dir, "analysed", "", runs);
    const Side native = measure(dir, "native", " -NOANALYZE", runs);
    std::printf("%d VAR statements over a %d-line header (best of %d)\n", kStatements, kHeaderLines, runs);
    if (analysed.compiler.cpu < 0 || analysed.gxx.cpu < 0 || native.compiler.cpu < 0 || native.gxx.cpu < 0) {
        std::printf("a run failed; inputs kept in %s\n", dir.c_str());
        return 1;
    }
    std::printf("                        processor     wall\n");
    print("vorneprepro (analysed)", analysed);
    print("vorneprepro -NOANALYZE", native);
    fs::remove_all(dir);
    return 0;
}
