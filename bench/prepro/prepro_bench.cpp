// Benchmark of the analyser's preprocessor (through vorne-cpp) against
// "gcc -E", measured in the same run: a large real include tree and
// generated stress files. Reports wall time and peak memory of each as a
// ratio to gcc. The first case runs the whole compiler on a script whose
// unit header includes what real units include.
//   prepro-bench [runs]      (default 3 runs per case, the fastest kept)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Measure {
    double seconds = 0;
    long peakKilobytes = 0;
    int status = -1;
};

// Runs a shell command with its output thrown away.
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
    m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m.peakKilobytes = usage.ru_maxrss;
    m.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return m;
}

Measure best(const std::string& command, int runs) {
    Measure result = runOnce(command);
    for (int i = 1; i < runs; ++i) {
        const Measure m = runOnce(command);
        if (m.seconds < result.seconds) result.seconds = m.seconds;
        if (m.peakKilobytes > result.peakKilobytes) result.peakKilobytes = m.peakKilobytes;
    }
    return result;
}

std::string capture(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        ::pclose(pipe);
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) out.pop_back();
    return out;
}

// ---- Generated files ------------------------------------------------------------

void macros(const fs::path& file, int count) {
    std::ofstream out(file);
    for (int i = 0; i < count; ++i) {
        out << "#define M" << i << " " << i << "\n";
        out << "#define F" << i << "(x, y) ((x) * M" << i << " + (y))\n";
    }
    for (int i = 0; i < count; ++i) out << "int v" << i << " = F" << i << "(M" << i << ", " << i << ");\n";
}

void nestedIncludes(const fs::path& dir, int depth) {
    for (int i = 0; i < depth; ++i) {
        std::ofstream out(dir / ("deep" + std::to_string(i) + ".h"));
        out << "#ifndef DEEP" << i << "\n#define DEEP" << i << "\nint d" << i << ";\n";
        if (i + 1 < depth) out << "#include \"deep" << i + 1 << ".h\"\n";
        out << "#endif\n";
    }
    std::ofstream main(dir / "deep.c");
    for (int i = 0; i < 200; ++i) main << "#include \"deep0.h\"\n";
}

void nestedConditionals(const fs::path& file, int depth) {
    std::ofstream out(file);
    for (int i = 0; i < depth; ++i) out << "#if " << i << " >= 0 && defined(__STDC__)\nint c" << i << ";\n";
    for (int i = 0; i < depth; ++i) out << "#else\nint never;\n#endif\n";
}

void nestedMacros(const fs::path& file, int depth, int uses) {
    std::ofstream out(file);
    for (int i = 0; i < depth; ++i) out << "#define C" << i << "(x) C" << i + 1 << "((x) + 1)\n";
    out << "#define C" << depth << "(x) x\n";
    for (int i = 0; i < uses; ++i) out << "int u" << i << " = C0(" << i << ");\n";
}

void macroChain(const fs::path& file, int length, int uses) {
    std::ofstream out(file);
    for (int i = 0; i < length; ++i) out << "#define K" << i << " K" << i + 1 << "\n";
    out << "#define K" << length << " end\n";
    for (int i = 0; i < uses; ++i) out << "K0\n";
}

struct Case {
    std::string name;
    std::string gcc;
    std::string ours;
    std::uintmax_t bytes = 0;
};

void report(const Case& c, int runs) {
    const Measure g = best(c.gcc, runs);
    const Measure o = best(c.ours, runs);
    std::printf("%-28s %9.1f MB  gcc %7.3f s %7ld KB   vorne %7.3f s %7ld KB   time %5.2f  memory %5.2f%s\n",
                c.name.c_str(), static_cast<double>(c.bytes) / 1e6, g.seconds, g.peakKilobytes, o.seconds,
                o.peakKilobytes, o.seconds / g.seconds,
                static_cast<double>(o.peakKilobytes) / static_cast<double>(g.peakKilobytes),
                (g.status != 0 || o.status > 3) ? "   (a run failed)" : "");
    std::fflush(stdout);
}

std::uintmax_t sizeOf(const fs::path& file) {
    std::error_code ignored;
    return fs::file_size(file, ignored);
}

// A unit header that includes the C++ standard library, the C library,
// POSIX and third-party headers: read by the whole compiler through the
// target package (stand-ins first, then the system's directories), against
// g++ preprocessing it with the real library.
void unitCase(const fs::path& dir, std::vector<Case>& cases) {
    const fs::path unit = fs::path(VORNE_SOURCE_DIR) / "tests/e2e/cases/headers/standard_and_posix/input";
    fs::copy(unit, dir / "unit", fs::copy_options::recursive);
    fs::create_directories(dir / "unit/morvik/lib/locale");
    const std::string compiler = "cd '" + (dir / "unit").string() + "' && MORVIKDIR=morvik HRLTGT='" VORNE_SOURCE_DIR
                                 "/target' VORNE_SUPPRESS_COPYRIGHT= '" VORNE_COMPILER "' a.ptu G.cc";
    cases.push_back({"unit: std, POSIX, zlib, sqlite", "g++ -std=c++17 -E -x c++ " + (dir / "unit/unit.h").string(),
                     compiler, sizeOf(dir / "unit/unit.h")});
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const fs::path dir = fs::temp_directory_path() / ("vorne-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string tool = VORNE_CPP;
    const std::string predefined = (dir / "predefined.h").string();
    std::system(("gcc -dM -E -x c /dev/null > '" + predefined + "'").c_str());
    std::string system;
    for (const char* d : {"/usr/lib/gcc/x86_64-linux-gnu/12/include", "/usr/local/include",
                          "/usr/include/x86_64-linux-gnu", "/usr/include"})
        system += std::string(" -I ") + d;

    std::printf("ratios are vorne / gcc -E (below 1: faster or smaller); best of %d runs\n", runs);
    std::vector<Case> cases;
    const std::string gtkFlags = capture("pkg-config --cflags-only-I gtk+-3.0 2>/dev/null");
    if (!gtkFlags.empty()) {
        std::ofstream(dir / "gtk.c") << "#include <gtk/gtk.h>\n";
        const std::string files = capture("gcc -M " + gtkFlags + " '" + (dir / "gtk.c").string() +
                                          "' | tr ' \\\\' '\\n\\n' | grep -c '\\.h$'");
        cases.push_back({"gtk/gtk.h (" + files + " files)", "gcc -E " + gtkFlags + " " + (dir / "gtk.c").string(),
                         tool + " " + gtkFlags + system + " " + predefined + " " + (dir / "gtk.c").string(),
                         std::stoull(capture("gcc -M " + gtkFlags + " '" + (dir / "gtk.c").string() +
                                             "' | tr ' \\\\' '\\n\\n' | grep '\\.h$' | xargs cat | wc -c"))});
    } else {
        std::printf("gtk/gtk.h: skipped (needs libgtk-3-dev and pkg-config)\n");
    }
    unitCase(dir, cases);
    for (const int count : {25000, 100000, 400000}) {
        const fs::path file = dir / ("macros" + std::to_string(count) + ".c");
        macros(file, count);
        cases.push_back({std::to_string(count) + " macros", "gcc -E " + file.string(),
                         tool + " " + file.string(), sizeOf(file)});
    }
    nestedIncludes(dir, 190);
    cases.push_back({"190 nested includes x200", "gcc -E " + (dir / "deep.c").string(),
                     tool + " " + (dir / "deep.c").string(), sizeOf(dir / "deep0.h") * 190});
    nestedConditionals(dir / "cond.c", 20000);
    cases.push_back({"20000 nested conditionals", "gcc -E " + (dir / "cond.c").string(),
                     tool + " " + (dir / "cond.c").string(), sizeOf(dir / "cond.c")});
    nestedMacros(dir / "nest.c", 200, 500);
    cases.push_back({"200 nested calls x500", "gcc -E " + (dir / "nest.c").string(),
                     tool + " " + (dir / "nest.c").string(), sizeOf(dir / "nest.c")});
    macroChain(dir / "chain.c", 100000, 10);
    cases.push_back({"100000-macro chain x10", "gcc -E " + (dir / "chain.c").string(),
                     tool + " " + (dir / "chain.c").string(), sizeOf(dir / "chain.c")});
    for (const auto& c : cases) report(c, runs);
    fs::remove_all(dir);
}
