// Harness runs with known verdicts. Each case directory holds:
//   input/     the unit under test and a script a.ptu, which the compiler
//              turns into the harness (G.cc, G.icc) and its record file
//              (G.tdc); or, where the compiler cannot write them yet, the
//              harness and its records written by hand. Everything is copied
//              into a working directory with "@WORK@" replaced by its path.
//   cmd        optional: the compiler's arguments, one per line (default
//              "a.ptu" and "G.cc")
//   expected/  harness_status, harness_out (what the harness prints), report
//              (standard output of vorne-report), status (its exit status),
//              optional stderr and junit.xml
// The harness is built with g++ -Wall -Wextra -Werror against the bundled
// target package and run; vorne-report joins its results with the records;
// the JUnit file is validated against the schema shipped beside this file.
// Besides the expected files, the names of the unit's variables carry the
// truth: a check of a variable (or field) named ok_... passes, ko_... fails
// and nj_... is left not judged, whatever the expected files say.
// VORNE_UPDATE_GOLDEN=1 writes the expected files of the cases run.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kCasesRoot = VORNE_RUNTIME_CASES;
const fs::path kSourceRoot = VORNE_SOURCE_DIR;
const fs::path kCompiler = VORNE_COMPILER;
const fs::path kReport = VORNE_REPORT;
const fs::path kSchema = fs::path(VORNE_RUNTIME_CASES).parent_path() / "junit.xsd";
constexpr unsigned kTimeoutSeconds = 60;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const fs::path& path, const std::string& content) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

struct Outcome {
    int status = -1;
    std::string out, err;
};

// Runs a program in a directory; the status is 128 + the signal of a crash.
Outcome run(const std::vector<std::string>& argv, const fs::path& directory, const fs::path& scratch) {
    const fs::path outPath = scratch / "stdout", errPath = scratch / "stderr";
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(directory.c_str()) != 0) ::_exit(127);
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(out, 1);
        ::dup2(err, 2);
        std::vector<char*> args;
        for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        const std::string environment[] = {"PATH=/usr/local/bin:/usr/bin:/bin", "SOURCE_DATE_EPOCH=0", "TZ=UTC",
                                           "LANG=C", "HRLTGT=../target",
                                           "MORVIKDIR=" + std::string(VORNE_MORVIKDIR)};
        std::vector<char*> envs;
        for (const auto& e : environment) envs.push_back(const_cast<char*>(e.c_str()));
        envs.push_back(nullptr);
        ::alarm(kTimeoutSeconds);
        ::execve(args[0], args.data(), envs.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    Outcome outcome;
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    outcome.out = readFile(outPath);
    outcome.err = readFile(errPath);
    return outcome;
}

// Paths, addresses and durations differ from run to run.
std::string normalised(std::string text, const fs::path& work) {
    replaceAll(text, work.string(), "@WORK@");
    text = std::regex_replace(text, std::regex("0x[0-9a-f]{6,}"), "0xADDRESS");
    text = std::regex_replace(text, std::regex("time=\"[0-9.]+\""), "time=\"T\"");
    return text;
}

fs::path makeScratch() {
    std::string pattern = "/tmp/vorneRT_XXXXXX";
    return ::mkdtemp(pattern.data());
}

// A working directory with the case's input and the target package beside it.
fs::path prepare(const fs::path& caseDir, const fs::path& scratch) {
    const fs::path work = scratch / "work";
    fs::create_directories(work);
    fs::create_directory_symlink(kSourceRoot / "target", scratch / "target");
    for (const auto& entry : fs::directory_iterator(caseDir / "input")) {
        std::string content = readFile(entry.path());
        replaceAll(content, "@WORK@", work.string());
        writeFile(work / entry.path().filename(), content);
    }
    return work;
}

// The case's script compiled into the harness, with the case's arguments.
void compileScript(const fs::path& caseDir, const fs::path& work, const fs::path& scratch) {
    std::vector<std::string> argv = {kCompiler.string(), "a.ptu", "G.cc"};
    if (fs::exists(caseDir / "cmd")) {
        std::string text = readFile(caseDir / "cmd");
        replaceAll(text, "@WORK@", work.string());
        std::istringstream lines(text);
        argv.resize(1);
        for (std::string line; std::getline(lines, line);)
            if (!line.empty()) argv.push_back(line);
    }
    const Outcome compiled = run(argv, work, scratch);
    ASSERT_LT(compiled.status, 5) << compiled.err;
}

class HarnessRun : public testing::Test {
public:
    explicit HarnessRun(fs::path caseDir) : caseDir_(std::move(caseDir)) {}

    void TestBody() override {
        const fs::path scratch = makeScratch();
        const fs::path work = prepare(caseDir_, scratch);
        if (!fs::exists(work / "G.cc")) compileScript(caseDir_, work, scratch);
        buildHarness(work, scratch);
        if (HasFatalFailure()) return;
        const Outcome harness = run({(scratch / "harness").string()}, work, scratch);
        const Outcome report = run({kReport.string(), "G.tdc", "G.rio", "--junit", "G.xml", "--html", "G.html"},
                                   work, scratch);
        compare(harness, report, work);
        validateJunit(work, scratch);
        checkVerdictsOfNames(work);
        fs::remove_all(scratch);
    }

private:
    void buildHarness(const fs::path& work, const fs::path& scratch) {
        const Outcome built = run({"/usr/bin/g++", "-std=c++17", "-Wall", "-Wextra", "-Werror",
                                   "-I" + (scratch / "target" / "lib").string(), "-I" + work.string(), "G.cc", "-o",
                                   (scratch / "harness").string()},
                                  work, scratch);
        ASSERT_EQ(built.status, 0) << "g++ failed:\n" << built.err;
    }

    void compare(const Outcome& harness, const Outcome& report, const fs::path& work) {
        const fs::path expected = caseDir_ / "expected";
        const std::string junit = fs::exists(work / "G.xml") ? normalised(readFile(work / "G.xml"), work) : "";
        if (std::getenv("VORNE_UPDATE_GOLDEN")) {
            writeFile(expected / "harness_status", std::to_string(harness.status) + "\n");
            writeFile(expected / "harness_out", normalised(harness.out, work));
            writeFile(expected / "status", std::to_string(report.status) + "\n");
            writeFile(expected / "report", normalised(report.out, work));
            if (!report.err.empty()) writeFile(expected / "stderr", normalised(report.err, work));
            if (!junit.empty()) writeFile(expected / "junit.xml", junit);
            return;
        }
        EXPECT_EQ(std::to_string(harness.status) + "\n", readFile(expected / "harness_status"))
            << "harness status\n" << harness.out << harness.err;
        if (fs::exists(expected / "harness_out")) {
            EXPECT_EQ(normalised(harness.out, work), readFile(expected / "harness_out")) << "harness output";
        }
        EXPECT_EQ(std::to_string(report.status) + "\n", readFile(expected / "status")) << "report status";
        EXPECT_EQ(normalised(report.out, work), readFile(expected / "report")) << "report";
        const std::string err = fs::exists(expected / "stderr") ? readFile(expected / "stderr") : "";
        EXPECT_EQ(normalised(report.err, work), err) << "report's standard error";
        if (fs::exists(expected / "junit.xml")) {
            EXPECT_EQ(junit, readFile(expected / "junit.xml")) << "JUnit file";
        }
    }

    void validateJunit(const fs::path& work, const fs::path& scratch) {
        if (!fs::exists(work / "G.xml")) return;
        const Outcome valid = run({"/usr/bin/xmllint", "--noout", "--schema", kSchema.string(), "G.xml"}, work, scratch);
        EXPECT_EQ(valid.status, 0) << "the JUnit file does not follow the schema:\n" << valid.err;
    }

    // The checks listed in the JUnit file ("name: initial ..., expected ...,
    // obtained ... (verdict)") against the verdict their names promise.
    void checkVerdictsOfNames(const fs::path& work) {
        if (!fs::exists(work / "G.xml")) return;
        const std::regex check(R"(^(.*?): initial .* \((passed|failed|not judged)\)$)");
        const std::map<std::string, std::string> promised = {
            {"ok_", "passed"}, {"ko_", "failed"}, {"nj_", "not judged"}};
        std::istringstream lines(readFile(work / "G.xml"));
        for (std::string line; std::getline(lines, line);) {
            if (const auto at = line.find("<system-out>"); at != std::string::npos) line.erase(0, at + 12);
            std::smatch found;
            if (!std::regex_match(line, found, check)) continue;
            const std::string prefix = namePrefix(found[1].str());
            if (promised.count(prefix)) {
                EXPECT_EQ(found[2].str(), promised.at(prefix)) << line;
            }
        }
    }

    // The prefix of the last name of a variable path that has one.
    static std::string namePrefix(const std::string& variable) {
        const std::regex prefixed(R"((^|[.>( ])(ok_|ko_|nj_))");
        std::string last;
        for (auto it = std::sregex_iterator(variable.begin(), variable.end(), prefixed); it != std::sregex_iterator();
             ++it)
            last = (*it)[2].str();
        return last;
    }

    fs::path caseDir_;
};

// The HTML page renders in a real browser and shows the failed check.
TEST(HtmlPage, RendersTheFailedCheck) {
    const fs::path chromium = "/usr/bin/chromium";
    if (!fs::exists(chromium)) GTEST_SKIP() << "chromium is not installed: the HTML page is not rendered";
    const fs::path scratch = makeScratch();
    const fs::path work = prepare(kCasesRoot / "kinds", scratch);
    compileScript(kCasesRoot / "kinds", work, scratch);
    ASSERT_EQ(run({"/usr/bin/g++", "-std=c++17", "-I" + (scratch / "target" / "lib").string(), "G.cc", "-o", "harness"},
                  work, scratch).status, 0);
    run({(work / "harness").string()}, work, scratch);
    ASSERT_EQ(run({kReport.string(), "G.tdc", "G.rio", "--html", "G.html", "-o", "G.txt"}, work, scratch).status, 1);
    const std::vector<std::string> browser = {chromium.string(), "--headless", "--no-sandbox", "--disable-gpu",
                                              "--disable-quic", "--no-first-run", "--disable-background-networking",
                                              "--disable-component-update", "--disable-sync",
                                              "--user-data-dir=" + (scratch / "profile").string()};
    std::vector<std::string> dump = browser;
    dump.push_back("--dump-dom");
    dump.push_back("file://" + (work / "G.html").string());
    const Outcome dom = run(dump, work, scratch);
    ASSERT_EQ(dom.status, 0) << dom.err;
    const std::regex failedRow("<tr class=\"failed\"><td[^>]*>ko_count</td><td>0</td><td>10</td><td>7</td>");
    EXPECT_TRUE(std::regex_search(dom.out, failedRow)) << dom.out;
    std::vector<std::string> shot = browser;
    shot.push_back("--screenshot=" + (work / "G.png").string());
    shot.push_back("--window-size=1200,900");
    shot.push_back("file://" + (work / "G.html").string());
    ASSERT_EQ(run(shot, work, scratch).status, 0);
    ASSERT_TRUE(fs::exists(work / "G.png"));
    EXPECT_GT(fs::file_size(work / "G.png"), 10000u);
    fs::remove_all(scratch);
}

void registerCases() {
    std::vector<fs::path> cases;
    for (const auto& entry : fs::directory_iterator(kCasesRoot))
        if (fs::exists(entry.path() / "input")) cases.push_back(entry.path());
    std::sort(cases.begin(), cases.end());
    for (const auto& dir : cases) {
        const std::string name = dir.filename().string();
        testing::RegisterTest("HarnessRun", name.c_str(), nullptr, nullptr, __FILE__, __LINE__,
                              [dir]() -> testing::Test* { return new HarnessRun(dir); });
    }
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    registerCases();
    return RUN_ALL_TESTS();
}
