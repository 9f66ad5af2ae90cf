// Benchmark of the run-time: a harness of 10,000 checks (10 services of 10
// tests of one element with 100 checks: integers, reals and strings, as the
// compiler writes them) is built against the real run-time and against the
// empty one (bench/runtime/empty/TP.h). Reported: the time of running the
// real harness and reporting its results with vorne-report, as a ratio to
// running the same harness built with the empty run-time, for a unit whose
// calls do nothing and for one whose calls do some work. Times are processor
// times (user and system) of the processes, the fastest of the runs.
//   runtime-bench [runs]      (default 5 runs, the fastest kept)
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

constexpr int kServices = 10, kTests = 10, kChecks = 100;

double childSeconds() {
    struct rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Processor time (user and system) of the command and its children: the
// machine is shared, and waiting for a processor is no cost of ours.
double runOnce(const std::string& command) {
    const double before = childSeconds();
    const int status = std::system((command + " >/dev/null 2>&1").c_str());
    (void)status;
    return childSeconds() - before;
}

double fastest(const std::string& command, int runs) {
    double best = 1e9;
    for (int i = 0; i < runs; ++i) best = std::min(best, runOnce(command));
    return best;
}

// The unit: 100 variables set by each call; spin is the work of a call.
std::string unit(int spin) {
    return "long v[80];\ndouble d[10];\nchar s[10][16];\nvolatile unsigned long sink;\n"
           "inline void work(int test) {\n"
           "    for (int i = 0; i < 80; ++i) v[i] = test + i;\n"
           "    for (int i = 0; i < 10; ++i) d[i] = test * 0.5 + i;\n"
           "    for (int i = 0; i < 10; ++i) { s[i][0] = 'a' + i; s[i][1] = 0; }\n"
           "    unsigned long h = 1469598103934665603UL;\n"
           "    for (int i = 0; i < " + std::to_string(spin) + "; ++i) h = (h ^ static_cast<unsigned long>(i)) * 1099511628211UL;\n"
           "    sink = h;\n}\n";
}

std::string check(int k, int test, int number) {
    const std::string n = std::to_string(number);
    std::string line;
    if (k < 80)
        line = "vorne_run.EDV_INTEGER_CPP(0,0,(long)(v[" + std::to_string(k) + "]),0+" + n + ",10, (long)(" +
               std::to_string(test + k) + "), (long)(" + std::to_string(test + k) + "));";
    else if (k < 90)
        line = "vorne_run.EDV_DOUBLE_CPP(0,0, (double)(d[" + std::to_string(k - 80) + "]),0+" + n + ",(double)(" +
               std::to_string(test * 0.5 + (k - 80)) + "),(double)(" + std::to_string(test * 0.5 + (k - 80)) + "));";
    else
        line = "vorne_run.EDV_STR_CPP(0,0,(const char *)(s[" + std::to_string(k - 90) + "]),0+" + n +
               ",vorne_run.CONCAT_STR_CPP(\"" + std::string(1, char('a' + k - 90)) +
               "\",(char *)0),vorne_run.CONCAT_STR_CPP(\"" + std::string(1, char('a' + k - 90)) + "\",(char *)0));";
    return "try {\n" + line + "\n } catch (...) { }\n";
}

// The text of one test, and its records.
void test(std::string& cc, std::string& tdc, int& number, int service, int t) {
    const int testNumber = number++;
    tdc += "E16 0 " + std::to_string(t + 1) + "\nT" + std::to_string(testNumber) + " T" + std::to_string(t) + "\n";
    tdc += "B" + std::to_string(number++) + " 1\n";
    cc += "try {\nvorne_run.DCL_TST_CPP(" + std::to_string(testNumber) + ", \"T" + std::to_string(t) + "\");\ntry {\n"
          "#define exception exception_" + std::to_string(service) + "_" + std::to_string(t) + "_1\ntry {\n"
          "} catch (...) {vorne_run.EXCEP_CPP(1);}\nvorne_run.START_CHRONO_CPP();\ntry {\nwork(" + std::to_string(t) +
          ");\n} catch (...) { vorne_run.EXCEP_CPP(2);}\nvorne_run.STOP_CHRONO_CPP();\ntry {\n";
    for (int k = 0; k < kChecks; ++k) {
        tdc += "V" + std::to_string(number) + " c" + std::to_string(k) + " VA=" + std::to_string(k) + "\n";
        cc += check(k, t, number++);
    }
    cc += "} catch (...) { vorne_run.EXCEP_CPP(3);}\n#undef exception\n} catch (...) { vorne_run.EXCEP_CPP(1);\n}\n"
          "} catch (...) { vorne_run.EXCEP_CPP(1);\n} \nHRU_END_TEST_CPP();\n";
}

void writeHarness(const fs::path& dir, int spin) {
    std::string cc = "// PROGRAM G\n#include \"TP.h\"\n#include \"unit.h\"\n#include \"G.icc\"\n";
    std::string icc = "class VORNE {\npublic:\n";
    std::string tdc = "E11 0 " + (dir / "a.ptu").string() + "\nE6  a\n";
    int number = 1;
    for (int s = 1; s <= kServices; ++s) {
        const std::string name = "S" + std::to_string(s);
        icc += "    void TEST_" + name + "();\n";
        tdc += "E17 0 1\nO" + std::to_string(number) + " " + name + "\n";
        cc += "void VORNE::TEST_" + name + " (void) { \ntry {\ntry {\nvorne_run.DCL_OP_CPP(" + std::to_string(number++) +
              ", \"" + name + "\");\n";
        for (int t = 1; t <= kTests; ++t) test(cc, tdc, number, s, t);
        cc += "}\ncatch (...) { vorne_run.EXCEP_CPP(0);}\n}\ncatch (...) { }\n}// PROCEDURE TEST_" + name + "\n";
    }
    cc += "#ifdef DRAV_MAIN_HEADER\n DRAV_MAIN_HEADER\n#else\nint main(int argc, char ** argv)\n{\n#endif\ntry {\n"
          "   HRU_INIT_DATA\ntry {\nvorne_run.OPF_CPP(\"G.rio\");\n\n";
    for (int s = 1; s <= kServices; ++s) cc += "vorne.TEST_S" + std::to_string(s) + "();\n";
    cc += "vorne_run.CLF_CPP(\"G.rio\");\n\n} catch (...) { vorne_run.EXCEP_CPP(0);\nvorne_run.CLF_CPP(\"G.rio\");\n\n}\n"
          "}\ncatch (...) { }\n\n#ifdef DRAV_MAIN_RETURN\n DRAV_MAIN_RETURN\n#else\n return(0);\n#endif\n\n}// end G\n";
    std::ofstream(dir / "G.cc") << cc;
    std::ofstream(dir / "G.icc") << icc + "};\nVORNE vorne;\n";
    std::ofstream(dir / "G.tdc") << tdc;
    std::ofstream(dir / "unit.h") << unit(spin);
}

bool build(const fs::path& dir, const std::string& runtime, const std::string& program) {
    const std::string command = "g++ -std=c++17 -O1 -I " + runtime + " -I " + dir.string() + " " + (dir / "G.cc").string() +
                                " -o " + (dir / program).string();
    return std::system(command.c_str()) == 0;
}

void measure(const fs::path& dir, int spin, int runs) {
    writeHarness(dir, spin);
    if (!build(dir, VORNE_SOURCE_DIR "/target/lib", "real") ||
        !build(dir, VORNE_SOURCE_DIR "/bench/runtime/empty", "empty")) {
        std::printf("build failed\n");
        std::exit(1);
    }
    const std::string cd = "cd " + dir.string() + " && ";
    const double empty = fastest(cd + "./empty", runs);
    const double real = fastest(cd + "./real", runs);
    const double reported = fastest(cd + "(./real && " VORNE_REPORT " G.tdc G.rio -o G.txt)", runs);
    std::printf("unit %-6s %6.2f ms per call: empty %7.2f ms   run %7.2f ms (%5.2fx)   run + report %7.2f ms (%5.2fx)\n",
                spin == 0 ? "idle" : "busy", (empty / (kServices * kTests)) * 1e3, empty * 1e3, real * 1e3,
                real / empty, reported * 1e3, reported / empty);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    const fs::path dir = fs::temp_directory_path() / ("vorne-runtime-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::printf("%d checks (%d services, %d tests each, %d checks per test), fastest of %d runs\n",
                kServices * kTests * kChecks, kServices, kTests, kChecks, runs);
    for (int spin : {0, 200000}) measure(dir, spin, runs);
    fs::remove_all(dir);
}
