#include "harness_fixture.h"

#include "diag/diag.h"
#include "diag/strings.h"
#include "driver/environment.h"
#include "driver/settings.h"
#include "harness/harness.h"
#include "output/output.h"
#include "script/script_internal.h"
#include "variables/variables.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/wait.h>

namespace harnesstest {

namespace {

// Stand-ins for what later statements do through the harness's interface.
void pseudoStatement(const std::string& line) {
    const auto space = line.find(' ');
    const std::string what = line.substr(0, space);
    const std::string text = space == std::string::npos ? std::string() : line.substr(space + 1);
    if (what == "INIT") output::emitToInit(text);
    else if (what == "CHECK") output::emitToCheck(text);
    else if (what == "MAININTEST") output::emitToMainInTest(text);
    else if (what == "CLOSING") output::emitToClosing(text);
    else if (what == "RECORD") output::writeRecord(output::Record::Command, {text});
    else if (what == "RUPT") variables::emitRupture(std::stoi(text));
    else if (what == "COUNTER") output::useLoopCounter(text[0], std::stoi(text.substr(1)));
    else if (what == "FLAG") output::setSuppression(std::abs(std::stoi(text)), text[0] != '-');
    else ADD_FAILURE() << "unknown pseudo statement " << line;
}

void compileLine(const std::string& line) {
    const std::string trimmed = diag::trim(line);
    if (trimmed.empty()) {
        output::emitCurrent("");
    } else if (trimmed[0] == '!') {
        pseudoStatement(trimmed.substr(1));
    } else if (trimmed[0] == '#') {
        const std::string code = trimmed.substr(1);
        if (harness::inInitializationBlock()) output::emitInitializationCode(code);
        else if (harness::inTerminationBlock()) output::emitTerminationCode(code);
        else output::emitCurrent(code);
    } else {
        script::dispatchStatement(trimmed, script::statementHandlers());
    }
}

std::vector<std::string> splitList(const std::string& value) {
    std::vector<std::string> names;
    std::istringstream in(value);
    for (std::string name; std::getline(in, name, ',');) names.push_back(diag::upperCased(name));
    return names;
}

}  // namespace

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

void HarnessFixture::SetUp() {
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    std::string pattern = (base / "vorne-harness-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    work_ = pattern;
    diag::resetForTesting();
    driver::settings() = driver::Settings{};
    ::setenv("HRLTGT", VORNE_SOURCE_DIR "/target", 1);
    ::unsetenv("HRUTGT");
    ::unsetenv("VORNECPPINC");
    driver::setUpEnvironment();
}

void HarnessFixture::TearDown() {
    auto& o = output::outputs();
    o.generated.close(false);
    o.companion.close(false);
    o.records.close(false);
    o.constants.close(false);
    diag::resetForTesting();
    std::error_code ignored;
    std::filesystem::remove_all(work_, ignored);
}

void HarnessFixture::option(const std::string& name, const std::string& value) {
    driver::Settings& s = driver::settings();
    const std::map<std::string, driver::SelectionList*> lists = {
        {"SERVICE", &s.services},     {"TEST", &s.tests},       {"FAMILY", &s.families},
        {"EXSERVICE", &s.exServices}, {"EXTEST", &s.exTests},   {"EXFAMILY", &s.exFamilies}};
    if (const auto it = lists.find(name); it != lists.end()) *it->second = {true, splitList(value)};
    else if (name == "NOEXCEP") s.restrictions[driver::kNoExcep] = true;
    else if (name == "NOEDIT") s.noEdit = true;
    else if (name == "CLASS") s.className = value;
    else if (name == "NOANALYZE") s.analysis = false;
    else if (name == "FR") s.keywordLanguage = driver::kFrench;
    else if (name == "TSF") s.tsfGiven = true;
    else ADD_FAILURE() << "unknown option " << name;
}

Outputs HarnessFixture::compile(const std::string& script) {
    harness::GenerationNames names;
    names.rioPath = rioPath_;
    names.companionPath = (work_ / "G.icc").string();
    names.programName = "G";
    names.versionText = driver::settings().strver;
    auto& o = output::outputs();
    o.generated.open((work_ / "G.cc").string());
    o.companion.open((work_ / "G.icc").string());
    o.records.open((work_ / "G.tdc").string());
    script::detail::resetDispatchForTesting();
    testing::internal::CaptureStderr();
    harness::handOverGenerationNames(names);
    diag::setCurrentFile("t.ptu");
    int number = 0;
    for (const std::string& line : lines(script)) {
        diag::setCurrentLine(++number);
        compileLine(line);
    }
    harness::generateProgramEnd();
    Outputs out;
    out.messages = testing::internal::GetCapturedStderr();
    o.generated.close(false);
    o.companion.close(false);
    o.records.close(false);
    out.generated = testsupport::readFile(work_ / "G.cc");
    out.companion = testsupport::readFile(work_ / "G.icc");
    out.records = testsupport::readFile(work_ / "G.tdc");
    return out;
}

std::string HarnessFixture::build(bool run, const std::string& prelude) const {
    const std::string dir = work_.string();
    {
        std::ofstream(work_ / "prelude.h") << prelude;
    }
    const std::string compile = std::string("g++ -std=c++17 -Wall -Wextra -Werror -I" VORNE_SOURCE_DIR "/target/lib ") +
                                "-include " + dir + "/prelude.h " +
                                (run ? "-o " + dir + "/harness " : "-fsyntax-only ") + dir + "/G.cc > " +
                                dir + "/g++.log 2>&1";
    if (std::system(compile.c_str()) != 0) return "g++ failed:\n" + testsupport::readFile(work_ / "g++.log");
    if (run && std::system((dir + "/harness > " + dir + "/run.log 2>&1").c_str()) != 0)
        return "the harness failed:\n" + testsupport::readFile(work_ / "run.log");
    return {};
}

}  // namespace harnesstest
