// Benchmark of the declaration analyser (through vorne-decl, preprocessing
// included) against the syntax checks of gcc and clang (g++ and clang++ for
// C++), measured in the same run: <gtk/gtk.h>, generated C declaration files
// of 1, 4 and 16 MB, nlohmann/json.hpp and a generated 4 MB C++ file. Reports
// wall time and peak memory of each as ratios, and how each grows from 1 to
// 16 MB (the exponent of time = size^k).
//   decl-bench [runs] [path of vorne-decl]   (default 3 runs per case, the fastest kept)
//   decl-bench --inputs DIR                  writes the generated inputs into DIR
#include <chrono>
#include <cmath>
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

// A run longer than this is stopped and reported as failed.
constexpr int kTimeLimitSeconds = 600;

// Runs a shell command with its output thrown away.
Measure runOnce(const std::string& command) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const std::string limited = "timeout " + std::to_string(kTimeLimitSeconds) + " " + command;
        ::execl("/bin/sh", "sh", "-c", (limited + " >/dev/null 2>&1").c_str(), static_cast<char*>(nullptr));
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

bool available(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

std::uintmax_t sizeOf(const fs::path& file) {
    std::error_code ignored;
    return fs::file_size(file, ignored);
}

// ---- Generated C declarations -------------------------------------------------
// Typedef chains, structures with many members, enumerations and prototypes in
// fixed proportions, until the file reaches its size. gcc's time grows faster
// than the square of the number of typedefs (20,000 of them take it 10 s and
// more): one link of a chain every eighth block keeps it within seconds.

void typedefLink(std::ofstream& out, int i) {
    if (i % 1000 == 0) out << "typedef unsigned long t" << i << ";\n";
    else out << "typedef t" << i - 1 << " t" << i << ";\n";
}

void structure(std::ofstream& out, int i) {
    out << "struct s" << i << " {\n";
    for (int m = 0; m < 40; ++m) {
        switch (m % 5) {
        case 0: out << "    int m" << m << ";\n"; break;
        case 1: out << "    t" << i / 8 << " *m" << m << ";\n"; break;
        case 2: out << "    const char *m" << m << "[4];\n"; break;
        case 3: out << "    unsigned m" << m << " : 3;\n"; break;
        default: out << "    struct s" << i << " *(*m" << m << ")(int, t" << i / 8 << ");\n"; break;
        }
    }
    out << "};\n";
}

void enumeration(std::ofstream& out, int i) {
    out << "enum e" << i << " {\n    e" << i << "_0 = " << i % 100;
    for (int v = 1; v < 30; ++v) out << ",\n    e" << i << "_" << v << " = e" << i << "_" << v - 1 << " + " << v;
    out << "\n};\n";
}

void prototype(std::ofstream& out, int i) {
    const int link = i / 8;
    out << "extern int f" << i << "(t" << link << " a, const struct s" << i - i % 4 << " *b, enum e" << i - i % 6
        << " c, int (*d)(void *, t" << link << "), ...);\n";
}

void cDeclarations(const fs::path& file, std::uintmax_t bytes) {
    std::ofstream out(file);
    for (int i = 0; static_cast<std::uintmax_t>(out.tellp()) < bytes; ++i) {
        if (i % 8 == 0) typedefLink(out, i / 8);
        if (i % 4 == 0) structure(out, i);
        if (i % 6 == 0) enumeration(out, i);
        prototype(out, i);
    }
}

// ---- Generated C++ declarations -----------------------------------------------
// Namespaces of classes with access sections, inline member functions,
// bases, nested types, class templates and their instances.

// Class i derives from class i - 1 unless it opens a run of eight or its
// namespace.
void cxxClass(std::ofstream& out, int i, bool derived) {
    out << "template <class T, int N = " << i % 7 << "> class box" << i << " {\npublic:\n"
        << "    using value_type = T;\n    T items[N + 1];\n    static constexpr int size = N;\n"
        << "    T &at(int k) { return items[k % (N + 1)]; }\n};\n";
    out << "class widget" << i << (derived ? " : public widget" + std::to_string(i - 1) : std::string()) << " {\n"
        << "public:\n    enum class state : unsigned char { idle, busy = " << i % 200 << " };\n"
        << "    widget" << i << "() = default;\n    virtual ~widget" << i << "() = default;\n"
        << "    int value() const noexcept { return v" << i << " * 2 + static_cast<int>(s); }\n"
        << "    static widget" << i << " *make(int, const char *);\n"
        << "    box" << i << "<double> sample;\n    state s = state::idle;\n"
        << "protected:\n    long v" << i << " = " << i << ";\n    const char *name = nullptr;\n"
        << "private:\n    unsigned flags : 4;\n    box" << i << "<int, 3> counts;\n};\n"
        << "using widget" << i << "_ptr = widget" << i << " *;\nextern box" << i << "<long> shared" << i << ";\n";
}

void cxxDeclarations(const fs::path& file, std::uintmax_t bytes) {
    std::ofstream out(file);
    int i = 0;
    for (int space = 0; static_cast<std::uintmax_t>(out.tellp()) < bytes; ++space) {
        out << "namespace ns" << space << " {\n";
        for (int k = 0; k < 50; ++k, ++i) cxxClass(out, i, k % 8 != 0);
        out << "}  // namespace ns" << space << "\n";
    }
}

// ---- Cases ----------------------------------------------------------------------

struct Tool {
    std::string name;
    std::string command;  // the input file is appended
};

struct Case {
    std::string name;
    std::string input;
    std::uintmax_t bytes = 0;
    std::vector<Tool> references;
    std::string ours;
};

struct Row {
    std::string name;
    std::uintmax_t bytes = 0;
    std::vector<Measure> references;
    Measure ours;
};

Row measure(const Case& c, int runs) {
    Row row{c.name, c.bytes, {}, {}};
    for (const Tool& tool : c.references) row.references.push_back(best(tool.command + " " + c.input, runs));
    row.ours = best(c.ours + " " + c.input, runs);
    return row;
}

void report(const Case& c, const Row& row) {
    std::printf("%-30s %7.1f MB ", row.name.c_str(), static_cast<double>(row.bytes) / 1e6);
    for (std::size_t i = 0; i < row.references.size(); ++i) {
        const Measure& r = row.references[i];
        std::printf(" %s %6.3f s %7ld KB%s", c.references[i].name.c_str(), r.seconds, r.peakKilobytes,
                    r.status != 0 ? " (failed)" : "");
    }
    std::printf("   vorne %6.3f s %7ld KB%s\n", row.ours.seconds, row.ours.peakKilobytes,
                row.ours.status > 3 || row.ours.status < 0 ? " (failed)" : "");
    for (std::size_t i = 0; i < row.references.size(); ++i) {
        const Measure& r = row.references[i];
        std::printf("%-41s vs %-8s time %5.2f  memory %5.2f\n", "", c.references[i].name.c_str(),
                    row.ours.seconds / r.seconds,
                    static_cast<double>(row.ours.peakKilobytes) / static_cast<double>(r.peakKilobytes));
    }
    std::fflush(stdout);
}

// time = size^k between the smallest and the largest generated file.
void growth(const std::vector<Row>& rows, const std::vector<Tool>& references) {
    const Row& first = rows.front();
    const Row& last = rows.back();
    const double sizes = std::log(static_cast<double>(last.bytes) / static_cast<double>(first.bytes));
    std::printf("growth from %.0f to %.0f MB, time = size^k:", static_cast<double>(first.bytes) / 1e6,
                static_cast<double>(last.bytes) / 1e6);
    for (std::size_t i = 0; i < references.size(); ++i)
        std::printf("  %s k = %.2f", references[i].name.c_str(),
                    std::log(last.references[i].seconds / first.references[i].seconds) / sizes);
    std::printf("  vorne k = %.2f\n", std::log(last.ours.seconds / first.ours.seconds) / sizes);
}

std::vector<Tool> referencesFor(bool cxx, const std::string& flags) {
    std::vector<Tool> tools;
    const char* names[2][2] = {{"gcc", "clang"}, {"g++", "clang++"}};
    for (const char* name : names[cxx ? 1 : 0])
        if (available(name))
            tools.push_back({name, std::string(name) + " -fsyntax-only -w " + (cxx ? "-std=c++17 -x c++ " : "-x c ") +
                                       flags});
    return tools;
}

std::string systemDirectories(bool cxx) {
    const std::string list = capture(std::string(cxx ? "g++ -x c++" : "gcc -x c") +
                                     " -E -Wp,-v /dev/null 2>&1 >/dev/null | sed -n 's/^ \\(\\/.*\\)/-I \\1/p'");
    std::string result;
    for (char c : list) result += c == '\n' ? ' ' : c;
    return result;
}

struct Setup {
    fs::path dir;
    std::string vorne;
    int runs = 3;
};

void gtkRow(const Setup& s) {
    const std::string flags = capture("pkg-config --cflags gtk+-3.0 2>/dev/null");
    if (flags.empty()) {
        std::printf("gtk/gtk.h: skipped (needs libgtk-3-dev and pkg-config)\n");
        return;
    }
    const fs::path input = s.dir / "gtk.c";
    std::ofstream(input) << "#include <gtk/gtk.h>\n";
    const std::uintmax_t bytes = std::stoull(capture("gcc -M " + flags + " '" + input.string() +
                                                     "' | tr ' \\\\' '\\n\\n' | grep '\\.h$' | xargs cat | wc -c"));
    const std::string directories = capture("pkg-config --cflags-only-I gtk+-3.0");
    const Case c{"gtk/gtk.h (preprocessed too)", input.string(), bytes, referencesFor(false, flags),
                 s.vorne + " " + directories + " " + systemDirectories(false)};
    report(c, measure(c, s.runs));
}

void generatedRows(const Setup& s) {
    std::vector<Row> rows;
    std::vector<Tool> references = referencesFor(false, "");
    for (const int megabytes : {1, 4, 16}) {
        const fs::path input = s.dir / ("declarations" + std::to_string(megabytes) + ".c");
        cDeclarations(input, static_cast<std::uintmax_t>(megabytes) << 20);
        const Case c{std::to_string(megabytes) + " MB of C declarations", input.string(), sizeOf(input), references,
                     s.vorne};
        rows.push_back(measure(c, s.runs));
        report(c, rows.back());
    }
    growth(rows, references);
}

void cxxRows(const Setup& s) {
    const fs::path json = s.dir / "json.cc";
    if (fs::exists("/usr/include/nlohmann/json.hpp")) {
        std::ofstream(json) << "#include <nlohmann/json.hpp>\n";
        const Case c{"nlohmann/json.hpp", json.string(), sizeOf("/usr/include/nlohmann/json.hpp"),
                     referencesFor(true, ""), s.vorne};
        report(c, measure(c, s.runs));
    } else {
        std::printf("nlohmann/json.hpp: skipped (needs nlohmann-json3-dev)\n");
    }
    const fs::path input = s.dir / "classes.cc";
    cxxDeclarations(input, 4u << 20);
    const Case c{"4 MB of C++ classes, templates", input.string(), sizeOf(input), referencesFor(true, ""), s.vorne};
    report(c, measure(c, s.runs));
}

}  // namespace

void writeInputs(const fs::path& dir) {
    fs::create_directories(dir);
    for (const int megabytes : {1, 4, 16})
        cDeclarations(dir / ("declarations" + std::to_string(megabytes) + ".c"),
                      static_cast<std::uintmax_t>(megabytes) << 20);
    cxxDeclarations(dir / "classes.cc", 4u << 20);
}

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--inputs") {
        writeInputs(argv[2]);
        return 0;
    }
    Setup s;
    s.runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const std::string program = argc > 2 ? argv[2] : VORNE_DECL;
    s.vorne = "'" + program + "' --std-define '" VORNE_STD_DEFINE "'";
    s.dir = fs::temp_directory_path() / ("vorne-decl-bench-" + std::to_string(::getpid()));
    fs::create_directories(s.dir);
    std::printf("ratios are vorne-decl / reference (below 1: faster or smaller); best of %d runs\n", s.runs);
    gtkRow(s);
    generatedRows(s);
    cxxRows(s);
    fs::remove_all(s.dir);
}
