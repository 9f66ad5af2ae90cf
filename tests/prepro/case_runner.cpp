// Runs vorne-cpp on every file of the cases directory and compares its
// output, its messages and its exit status with the expectations the file
// carries in comments:
//   // expect-output: <text>     the output, blanks and "#line" lines aside
//   // expect-diag: <line>       one message line, in order (summary aside)
//   // expect-status: <n>
//   // run-with: <arguments>     given before the file name
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

struct Expectations {
    std::string output;
    std::vector<std::string> messages;
    int status = 0;
    std::string arguments;
};

std::string collapseBlanks(const std::string& text) {
    std::string result;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
        if (blank) {
            if (!result.empty() && result.back() != ' ') result += ' ';
        } else {
            result += c;
        }
    }
    if (!result.empty() && result.back() == ' ') result.pop_back();
    return result;
}

Expectations readExpectations(const fs::path& file) {
    Expectations e;
    std::istringstream in(testsupport::readFile(file));
    std::string line;
    const auto value = [&](const char* key, std::string& into) {
        const auto at = line.find(key);
        if (at == std::string::npos) return false;
        into = line.substr(at + std::char_traits<char>::length(key));
        return true;
    };
    std::string text;
    while (std::getline(in, line)) {
        if (value("// expect-output: ", text)) e.output += (e.output.empty() ? "" : " ") + text;
        else if (value("// expect-diag: ", text)) e.messages.push_back(text);
        else if (value("// expect-status: ", text)) e.status = std::stoi(text);
        else if (value("// run-with: ", text)) e.arguments = text;
    }
    e.output = collapseBlanks(e.output);
    return e;
}

struct Result {
    std::string output;
    std::vector<std::string> messages;
    int status = -1;
};

Result runTool(const fs::path& directory, const std::string& arguments, const std::string& file) {
    const std::string command = "cd '" + directory.string() + "' && SOURCE_DATE_EPOCH=0 TZ=UTC '" VORNE_CPP "' " + arguments +
                                " '" + file + "' 2>/tmp/vorne-case-stderr-" + std::to_string(::getpid());
    Result r;
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[65536];
    std::string raw;
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) raw.append(buffer, n);
    const int status = ::pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::istringstream lines(raw);
    std::string line, kept;
    while (std::getline(lines, line))
        if (line.rfind("#line ", 0) != 0) kept += line + "\n";
    r.output = collapseBlanks(kept);
    const fs::path errors = "/tmp/vorne-case-stderr-" + std::to_string(::getpid());
    std::istringstream messages(testsupport::readFile(errors));
    fs::remove(errors);
    while (std::getline(messages, line))
        if (line.rfind("Morvik-I-END", 0) != 0) r.messages.push_back(line);
    return r;
}

class Case : public testing::TestWithParam<std::string> {};

TEST_P(Case, MatchesItsExpectations) {
    const fs::path file = fs::path(VORNE_CASES) / GetParam();
    const Expectations expected = readExpectations(file);
    const Result result = runTool(file.parent_path(), expected.arguments, file.filename().string());
    EXPECT_EQ(result.output, expected.output);
    EXPECT_EQ(result.messages, expected.messages);
    EXPECT_EQ(result.status, expected.status);
}

std::vector<std::string> caseFiles() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(VORNE_CASES))
        if (entry.path().extension() == ".c") names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string caseName(const testing::TestParamInfo<std::string>& info) {
    std::string name = fs::path(info.param).stem().string();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Files, Case, testing::ValuesIn(caseFiles()), caseName);

}  // namespace
