// A compiler killed in the middle of a large script leaves no partial output
// under any final name: the outputs of an earlier run stay as they were, the
// new ones never appear, and SIGTERM also removes the temporary files.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kCompiler = VORNE_COMPILER;
const fs::path kInstallation = VORNE_MORVIKDIR;
const fs::path kTarget = VORNE_TARGET;

// Enough statements to keep the compiler busy for a while in any build.
constexpr int kServices = 100000;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeLargeScript(const fs::path& path) {
    std::ofstream out(path, std::ios::binary);
    out << "HEADER m,1,1\nBEGIN\n";
    for (int i = 0; i < kServices; ++i)
        out << "SERVICE s" << i << "\nTEST t" << i << "\nFAMILY f\nELEMENT\n#int x" << i << " = " << i
            << ";\nEND ELEMENT\nEND TEST\nEND SERVICE\n";
}

std::map<std::string, std::string> contents(const fs::path& directory) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(directory))
        files[entry.path().filename().string()] = readFile(entry.path());
    return files;
}

pid_t startCompiler(const fs::path& work) {
    const pid_t child = ::fork();
    if (child != 0) return child;
    if (::chdir(work.c_str()) != 0) ::_exit(127);
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 1);
    ::dup2(null, 2);
    const std::string morvik = "MORVIKDIR=" + kInstallation.string();
    const std::string target = "HRLTGT=" + kTarget.string();
    char* const envp[] = {const_cast<char*>(morvik.c_str()), const_cast<char*>(target.c_str()),
                          const_cast<char*>("SOURCE_DATE_EPOCH=0"), nullptr};
    char* const argv[] = {const_cast<char*>(kCompiler.c_str()), const_cast<char*>("a.ptu"),
                          const_cast<char*>("G.cc"), const_cast<char*>("-CONST=K.cc"),
                          const_cast<char*>("-TSF=T.tsf"), nullptr};
    ::alarm(300);
    ::execve(argv[0], argv, envp);
    ::_exit(127);
}

// True once the generated file being written holds more than its header.
bool harnessUnderWay(const fs::path& work) {
    for (const auto& entry : fs::directory_iterator(work)) {
        const std::string name = entry.path().filename().string();
        std::error_code error;
        if (name.rfind(".G.cc.", 0) == 0 && fs::file_size(entry.path(), error) > 8192) return true;
    }
    return false;
}

class InterruptedRun : public testing::TestWithParam<int> {
protected:
    void SetUp() override {
        std::string pattern = "/tmp/vorneKill_XXXXXX";
        work_ = ::mkdtemp(pattern.data());
        writeLargeScript(work_ / "a.ptu");
        // The outputs of an earlier, complete run.
        for (const char* name : {"G.cc", "G.icc", "G.tdc", "K.cc", "T.tsf", "a.lis"})
            std::ofstream(work_ / name) << "// earlier run: " << name << "\n";
    }
    void TearDown() override { fs::remove_all(work_); }

    fs::path work_;
};

TEST_P(InterruptedRun, LeavesNoPartialOutput) {
    const int signal = GetParam();
    const auto before = contents(work_);
    const pid_t child = startCompiler(work_);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (!harnessUnderWay(work_)) {
        ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the harness was never under way";
        ASSERT_EQ(::waitpid(child, nullptr, WNOHANG), 0) << "the compiler ended before it was killed";
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ::kill(child, signal);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "status " << status;
    EXPECT_EQ(WTERMSIG(status), signal);
    auto after = contents(work_);
    for (const auto& [name, content] : before) {
        ASSERT_TRUE(after.count(name)) << name << " removed";
        EXPECT_EQ(after[name], content) << name << " changed";
        after.erase(name);
    }
    // What is left besides are the hidden temporary files, which only a
    // signal that cannot be caught leaves behind.
    for (const auto& [name, content] : after) {
        EXPECT_EQ(name.front(), '.') << name;
        EXPECT_EQ(signal, SIGKILL) << name << " left by signal " << signal;
    }
}

INSTANTIATE_TEST_SUITE_P(Signals, InterruptedRun, testing::Values(SIGTERM, SIGINT, SIGHUP, SIGKILL),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::string(sigabbrev_np(info.param));
                         });

}  // namespace
