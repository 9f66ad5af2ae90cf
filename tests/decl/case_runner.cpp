// Runs vorne-decl on every file of the cases directory and compares its
// entries, its messages and its exit status with the expectations the file
// carries in comments:
//   // expect: what | name | type | kind | size    one entry, in order
//   // expect-diag: <line>                         one message line, in order (summary aside)
//   // expect-status: <n>
//   // run-with: <arguments>                       given before the file name
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Expectations {
    std::vector<std::string> entries;
    std::vector<std::string> messages;
    int status = 0;
    std::string arguments;
};

// "a | b | c" becomes "a\tb\tc".
std::string tabbed(const std::string& text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 3, " | ") == 0) {
            result += '\t';
            i += 2;
        } else {
            result += text[i];
        }
    }
    return result;
}

Expectations readExpectations(const fs::path& file) {
    Expectations e;
    std::istringstream in(testsupport::readFile(file));
    std::string line;
    const auto value = [&](const char* key, std::string& into) {
        if (line.rfind(key, 0) != 0) return false;
        into = line.substr(std::char_traits<char>::length(key));
        return true;
    };
    std::string text;
    while (std::getline(in, line)) {
        if (value("// expect: ", text)) e.entries.push_back(tabbed(text));
        else if (value("// expect-diag: ", text)) e.messages.push_back(text);
        else if (value("// expect-status: ", text)) e.status = std::stoi(text);
        else if (value("// run-with: ", text)) e.arguments = text;
    }
    return e;
}

struct Result {
    std::vector<std::string> entries;
    std::vector<std::string> messages;
    int status = -1;
};

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

Result runTool(const fs::path& directory, const std::string& arguments, const std::string& file) {
    const std::string errors = "/tmp/vorne-decl-case-stderr-" + std::to_string(::getpid());
    const std::string command = "cd '" + directory.string() + "' && SOURCE_DATE_EPOCH=0 TZ=UTC '" VORNE_DECL "' " +
                                arguments + " '" + file + "' 2>" + errors;
    Result r;
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string raw;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) raw.append(buffer, n);
    const int status = ::pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.entries = lines(raw);
    for (const auto& line : lines(testsupport::readFile(errors)))
        if (line.rfind("Morvik-I-END", 0) != 0) r.messages.push_back(line);
    fs::remove(errors);
    return r;
}

class Case : public testing::TestWithParam<std::string> {};

TEST_P(Case, MatchesItsExpectations) {
    const fs::path file = fs::path(VORNE_CASES) / GetParam();
    const Expectations expected = readExpectations(file);
    const Result result = runTool(file.parent_path(), expected.arguments, file.filename().string());
    EXPECT_EQ(result.entries, expected.entries);
    EXPECT_EQ(result.messages, expected.messages);
    EXPECT_EQ(result.status, expected.status);
}

std::vector<std::string> caseFiles() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(VORNE_CASES))
        if (entry.path().extension() == ".h") names.push_back(entry.path().filename().string());
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
