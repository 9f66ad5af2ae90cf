// End-to-end tests: each case directory holds the command line, the
// environment and the input files of one run of the compiler, and the
// expected exit status, standard error and every file the run leaves behind.
// A generated harness is also compiled with g++ against the bundled target
// package and run.
//
// Case layout (tests/e2e/cases/<suite>/<case>/):
//   cmd        one argument per line (the program itself is implicit)
//   env        optional: NAME=value sets, -NAME unsets
//   fifos      optional: names of FIFOs made in the working directory
//   input/     files copied into the working directory before the run
//              (symbolic links stay links)
//   expected/  status, stderr, optional stdout, and files/: every file that
//              the run creates or changes in the working directory, each
//              name followed by ".expected" (a symbolic link reads as
//              "-> target"); optional removed: the input files the run
//              removes, one a line
//   nocompile  optional: the generated harness is not compiled
//
// In commands, environments and expected texts @WORK@ stands for the working
// directory, @SCRATCH@ for its parent (which holds "target", a link to the
// bundled target package; HRLTGT is "../target" by default, a path that looks
// the same on every machine), @SOURCE@ for the source tree;
// in commands @REPEAT(c,n)@ stands for n copies of c. With
// VORNE_UPDATE_GOLDEN=1 the expected files are rewritten.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kCasesRoot = VORNE_E2E_CASES;
const fs::path kSourceRoot = VORNE_SOURCE_DIR;
const fs::path kCompiler = VORNE_COMPILER;
const fs::path kInstallation = VORNE_MORVIKDIR;
constexpr int kTimeoutSeconds = 120;
// Expected output files carry this suffix, so that a golden harness is never
// taken for source code.
constexpr std::string_view kExpectedSuffix = ".expected";

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

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    if (from.empty()) return;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// "@REPEAT(c,n)@" becomes n copies of the character c.
std::string expandRepeats(std::string text) {
    const std::string open = "@REPEAT(";
    for (std::size_t at = text.find(open); at != std::string::npos; at = text.find(open, at)) {
        const std::size_t comma = at + open.size() + 1;
        const std::size_t close = text.find(")@", comma);
        if (comma >= text.size() || text[comma] != ',' || close == std::string::npos) break;
        const std::size_t count = std::stoul(text.substr(comma + 1, close - comma - 1));
        const std::string repeated(count, text[comma - 1]);
        text.replace(at, close + 2 - at, repeated);
        at += repeated.size();
    }
    return text;
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs program with arguments in directory under exactly the given environment.
Outcome run(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
            const fs::path& directory, const fs::path& captureDirectory) {
    const fs::path outPath = captureDirectory / "stdout";
    const fs::path errPath = captureDirectory / "stderr";
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(directory.c_str()) != 0) ::_exit(127);
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(out, 1);
        ::dup2(err, 2);
        std::vector<char*> args, envs;
        for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        for (const auto& e : environment) envs.push_back(const_cast<char*>(e.c_str()));
        args.push_back(nullptr);
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

std::vector<std::string> baseEnvironment(const fs::path& caseDir, const fs::path& scratch) {
    std::map<std::string, std::string> env = {
        {"PATH", "/usr/local/bin:/usr/bin:/bin"},
        {"MORVIKDIR", kInstallation.string()},
        {"SOURCE_DATE_EPOCH", "0"},
        {"TZ", "UTC"},
        {"LANG", "C"},
        {"HRLTGT", "../target"},
    };
    if (fs::exists(caseDir / "env"))
        for (const auto& line : lines(readFile(caseDir / "env"))) {
            if (line.empty()) continue;
            if (line[0] == '-') {
                env.erase(line.substr(1));
                continue;
            }
            const auto eq = line.find('=');
            std::string value = eq == std::string::npos ? "" : line.substr(eq + 1);
            replaceAll(value, "@SCRATCH@", scratch.string());
            env[line.substr(0, eq)] = value;
        }
    std::vector<std::string> out;
    for (const auto& [name, value] : env) out.push_back(name + "=" + value);
    return out;
}

// Regular files by content and symbolic links by target; other kinds of file
// (FIFOs) are left out.
std::map<std::string, std::string> snapshot(const fs::path& root, std::string_view suffix = {}) {
    std::map<std::string, std::string> files;
    if (!fs::exists(root)) return files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        // Lexically: the name of a link, not of what it points at.
        std::string name = entry.path().lexically_relative(root).string();
        if (!suffix.empty() && name.ends_with(suffix)) name.resize(name.size() - suffix.size());
        if (entry.is_symlink()) files[name] = "-> " + fs::read_symlink(entry.path()).string();
        else if (entry.is_regular_file()) files[name] = readFile(entry.path());
    }
    return files;
}

std::string joinedLines(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) text += name + "\n";
    return text;
}

class EndToEnd : public testing::Test {
public:
    explicit EndToEnd(fs::path caseDir) : caseDir_(std::move(caseDir)) {}

    void TestBody() override {
        const fs::path scratch = makeScratch();
        const fs::path work = scratch / "work";
        fs::create_directories(work);
        // The target package is reached through a relative path, so that
        // outputs which show it look the same wherever the sources are.
        fs::create_directory_symlink(kSourceRoot / "target", scratch / "target");
        if (fs::exists(caseDir_ / "input"))
            fs::copy(caseDir_ / "input", work, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
        if (fs::exists(caseDir_ / "fifos")) {
            for (const auto& name : lines(readFile(caseDir_ / "fifos")))
                ASSERT_EQ(::mkfifo((work / name).c_str(), 0600), 0) << name;
        }
        const auto before = snapshot(work);
        std::vector<std::string> argv = {kCompiler.string()};
        for (auto line : lines(readFile(caseDir_ / "cmd"))) {
            replaceAll(line, "@WORK@", work.string());
            replaceAll(line, "@SCRATCH@", scratch.string());
            replaceAll(line, "@SOURCE@", kSourceRoot.string());
            argv.push_back(expandRepeats(line));
        }
        const Outcome outcome = run(argv, baseEnvironment(caseDir_, scratch), work, scratch);
        auto after = snapshot(work);
        std::vector<std::string> removed;
        for (const auto& [name, content] : before) {
            auto it = after.find(name);
            if (it == after.end()) removed.push_back(name);
            else if (it->second == content) after.erase(it);
        }
        compare(outcome, after, removed, scratch);
        compileHarnesses(after, work, scratch);
        fs::remove_all(scratch);
    }

private:
    static fs::path makeScratch() {
        // A fixed root keeps the length of the working path, and so the layout of
        // the headers that show it, the same on every machine; the name holds no
        // character at which long header lines are cut.
        std::string pattern = "/tmp/vorneE2E_XXXXXX";
        return ::mkdtemp(pattern.data());
    }

    std::string normalised(std::string text, const fs::path& scratch) const {
        replaceAll(text, (scratch / "work").string(), "@WORK@");
        replaceAll(text, scratch.string(), "@SCRATCH@");
        replaceAll(text, kSourceRoot.string(), "@SOURCE@");
        return text;
    }

    void compare(const Outcome& outcome, const std::map<std::string, std::string>& files,
                 const std::vector<std::string>& removed,
                 const fs::path& work) const {  // work: the scratch directory
        const fs::path expected = caseDir_ / "expected";
        if (std::getenv("VORNE_UPDATE_GOLDEN")) {
            fs::remove_all(expected);
            if (!removed.empty()) writeFile(expected / "removed", joinedLines(removed));
            writeFile(expected / "status", std::to_string(outcome.status) + "\n");
            writeFile(expected / "stderr", normalised(outcome.err, work));
            if (!outcome.out.empty()) writeFile(expected / "stdout", normalised(outcome.out, work));
            for (const auto& [name, content] : files)
                writeFile(expected / "files" / (name + std::string(kExpectedSuffix)), normalised(content, work));
            return;
        }
        EXPECT_EQ(std::to_string(outcome.status) + "\n", readFile(expected / "status")) << "exit status";
        const std::string expectedRemoved = fs::exists(expected / "removed") ? readFile(expected / "removed") : "";
        EXPECT_EQ(joinedLines(removed), expectedRemoved) << "input files removed";
        EXPECT_EQ(normalised(outcome.err, work), readFile(expected / "stderr")) << "standard error";
        const std::string expectedOut = fs::exists(expected / "stdout") ? readFile(expected / "stdout") : "";
        EXPECT_EQ(normalised(outcome.out, work), expectedOut) << "standard output";
        const auto expectedFiles = snapshot(expected / "files", kExpectedSuffix);
        for (const auto& [name, content] : expectedFiles) {
            auto it = files.find(name);
            if (it == files.end()) {
                ADD_FAILURE() << "missing output file " << name;
                continue;
            }
            EXPECT_EQ(normalised(it->second, work), content) << "content of " << name;
        }
        for (const auto& [name, content] : files)
            if (!expectedFiles.count(name)) ADD_FAILURE() << "unexpected output file " << name;
    }

    // Every generated harness left by the run builds with the target package
    // header and runs to completion.
    void compileHarnesses(const std::map<std::string, std::string>& files, const fs::path& work,
                          const fs::path& scratch) const {
        if (fs::exists(caseDir_ / "nocompile")) return;
        for (const auto& [name, content] : files) {
            // A harness is a .cc file with its companion .icc beside it.
            if (fs::path(name).extension() != ".cc") continue;
            if (!files.count(fs::path(name).replace_extension(".icc").string())) continue;
            const fs::path program = scratch / "harness";
            const std::vector<std::string> compile = {
                "/usr/bin/g++", "-std=c++17", "-Wall", "-Wextra", "-Werror",
                "-I" + (kSourceRoot / "target" / "lib").string(), "-I" + work.string(),
                (work / name).string(), "-o", program.string()};
            const auto environment = baseEnvironment(caseDir_, scratch);
            const Outcome built = run(compile, environment, work, scratch);
            ASSERT_EQ(built.status, 0) << "g++ failed on " << name << ":\n" << built.err;
            const Outcome ran = run({program.string()}, environment, work, scratch);
            EXPECT_EQ(ran.status, 0) << "harness " << name << " failed:\n" << ran.out << ran.err;
        }
    }

    fs::path caseDir_;
};

void registerCases() {
    std::vector<fs::path> cases;
    for (const auto& entry : fs::recursive_directory_iterator(kCasesRoot))
        if (entry.is_regular_file() && entry.path().filename() == "cmd") cases.push_back(entry.path().parent_path());
    std::sort(cases.begin(), cases.end());
    for (const auto& dir : cases) {
        const auto relative = fs::relative(dir, kCasesRoot);
        const std::string suite = relative.begin()->string();
        std::string name = fs::relative(dir, kCasesRoot / suite).string();
        std::replace(name.begin(), name.end(), '/', '_');
        testing::RegisterTest(suite.c_str(), name.c_str(), nullptr, nullptr, __FILE__, __LINE__,
                              [dir]() -> testing::Test* { return new EndToEnd(dir); });
    }
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    registerCases();
    return RUN_ALL_TESTS();
}
