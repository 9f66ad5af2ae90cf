// Benchmark of the compiler's growth with the size of a script: each script
// shape is compiled at 100,000 and at 1,000,000 lines in the same run, and
// the ratio of the two times is reported; a compiler linear in the size of
// its script gives a ratio close to 10.
//   scale-bench [runs]      (default 3 runs per size, the fastest kept)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Measure {
    double seconds = 0;
    long peakKilobytes = 0;
    int status = -1;
};

Measure runOnce(const fs::path& directory) {
    std::fflush(stdout);  // nothing buffered is written twice by the child
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(directory.c_str()) != 0) ::_exit(127);
        if (!std::freopen("/dev/null", "w", stdout) || !std::freopen("/dev/null", "w", stderr)) ::_exit(127);
        ::setenv("MORVIKDIR", directory.c_str(), 1);
        ::setenv("HRLTGT", VORNE_TARGET, 1);
        ::setenv("SOURCE_DATE_EPOCH", "0", 1);
        ::execl(VORNE_COMPILER, VORNE_COMPILER, "a.ptu", "G.cc", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    Measure m;
    m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m.peakKilobytes = usage.ru_maxrss;
    m.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return m;
}

Measure best(const fs::path& directory, int runs) {
    Measure result = runOnce(directory);
    for (int i = 1; i < runs; ++i) {
        const Measure m = runOnce(directory);
        if (m.seconds < result.seconds) result.seconds = m.seconds;
        if (m.peakKilobytes > result.peakKilobytes) result.peakKilobytes = m.peakKilobytes;
    }
    return result;
}

// Services, each with one test of one element and a native line.
void structure(std::ofstream& out, long lines) {
    out << "HEADER m,1,1\nBEGIN\n";
    for (long n = 2, i = 0; n < lines; n += 8, ++i)
        out << "SERVICE s" << i << "\nTEST t" << i << "\nFAMILY f\nELEMENT\n#int x" << i << " = " << i
            << ";\nEND ELEMENT\nEND TEST\nEND SERVICE\n";
}

// The same service name again and again: each one is made unique.
void repeatedService(std::ofstream& out, long lines) {
    out << "HEADER m,1,1\nBEGIN\n";
    for (long n = 2; n < lines; ++n) out << "SERVICE s\n";
}

// One service with many tests.
void manyTests(std::ofstream& out, long lines) {
    out << "HEADER m,1,1\nBEGIN\nSERVICE s\n";
    for (long n = 3, i = 0; n < lines; n += 4, ++i)
        out << "TEST t" << i << "\nFAMILY f" << i % 100 << "\nCOMMENT c\nEND TEST\n";
}

struct Shape {
    const char* name;
    std::function<void(std::ofstream&, long)> write;
};

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    char pattern[] = "/tmp/vorne-scale-XXXXXX";
    const fs::path root = ::mkdtemp(pattern);
    const Shape shapes[] = {{"structure", structure}, {"repeated SERVICE", repeatedService},
                            {"many tests", manyTests}};
    std::printf("%-18s %14s %14s %8s %12s\n", "script", "100,000 lines", "1,000,000 lines", "ratio",
                "peak memory");
    bool failed = false;
    for (const Shape& shape : shapes) {
        Measure measures[2];
        const long sizes[2] = {100000, 1000000};
        for (int k = 0; k < 2; ++k) {
            const fs::path directory = root / (std::string(shape.name) + std::to_string(k));
            fs::create_directories(directory);
            {
                std::ofstream out(directory / "a.ptu");
                shape.write(out, sizes[k]);
            }
            measures[k] = best(directory, runs);
            failed = failed || measures[k].status > 5 || measures[k].status < 0;
        }
        std::printf("%-18s %13.2fs %14.2fs %8.2f %9ld KB\n", shape.name, measures[0].seconds,
                    measures[1].seconds, measures[1].seconds / measures[0].seconds, measures[1].peakKilobytes);
    }
    fs::remove_all(root);
    if (failed) std::puts("a run ended with a fatal or internal error");
    return failed ? 1 : 0;
}
