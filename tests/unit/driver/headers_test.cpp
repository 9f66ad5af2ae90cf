// The comment header of generated files, the listing header and the
// generated-file list.
#include "diag/diag.h"
#include "driver/settings.h"
#include "output/output.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

class Headers : public testing::Test {
protected:
    void SetUp() override {
        driver::settings() = driver::Settings{};
        diag::resetForTesting();
        ::unsetenv("VORNE_SUPPRESS_LINE_IN_HEADER");
    }
    void TearDown() override { diag::resetForTesting(); }

    std::string header(const std::string& path, const std::string& command) {
        output::OutputFile file;
        file.open(path);
        output::writeFileHeader(file, "//", "", command, "Thu Jan  1 00:00:00 1970");
        file.close(false);
        return testsupport::readFile(path);
    }
};

TEST_F(Headers, FileHeaderLayout) {
    testsupport::ScratchDirectory scratch;
    const auto text = lines(header("g.cc", "vorneprepro a.ptu g.cc"));
    ASSERT_EQ(text.size(), 9u);
    EXPECT_EQ(text[0], "//" + std::string(72, '*'));
    EXPECT_EQ(text[1], "//* TOOL : Unit Test Compiler VERSION 8.0.1.2.343.015                    *");
    EXPECT_EQ(text[2], "//*" + std::string(70, ' ') + "*");
    EXPECT_EQ(text[5], "//* FILE : g.cc                                                          *");
    EXPECT_EQ(text[7], "//* DATE : Thu Jan  1 00:00:00 1970                                      *");
    for (const auto& line : text) EXPECT_EQ(line.size(), 74u) << line;
}

TEST_F(Headers, SuppressedLinesAndFrenchLabels) {
    testsupport::ScratchDirectory scratch;
    ::setenv("VORNE_SUPPRESS_LINE_IN_HEADER", "", 1);
    driver::settings().keywordLanguage = driver::kFrench;
    const auto text = lines(header("g.cc", "c"));
    ::unsetenv("VORNE_SUPPRESS_LINE_IN_HEADER");
    ASSERT_EQ(text.size(), 7u);
    EXPECT_EQ(text[1].substr(0, 12), "//* OUTIL : ");
    EXPECT_EQ(text[2].substr(0, 15), "//* COMMANDE : ");
}

// A long command is cut at "/", " " or "," into a first piece of at most 68
// characters and further pieces of at most 65, every line 72 wide.
TEST_F(Headers, LongTextsAreCutAtSeparators) {
    testsupport::ScratchDirectory scratch;
    std::string command = "vorneprepro";
    for (int i = 0; i < 12; ++i) command += " -INCL=/some/long/dir" + std::to_string(i);
    const auto text = lines(header("g.cc", command));
    ASSERT_GT(text.size(), 10u);
    EXPECT_EQ(text[3].substr(0, 14), "//* COMMAND : ");
    std::size_t last = 4;
    for (; text[last].substr(0, 6) == "//*   " && text[last] != text[2]; ++last) {
        EXPECT_EQ(text[last].size(), 74u) << text[last];
        EXPECT_LE(text[last].find_last_not_of(" *"), 70u);
    }
    EXPECT_GT(last, 5u);
    EXPECT_NE(text[last - 1].find("dir11"), std::string::npos);
    EXPECT_EQ(text[last], text[2]);  // the blank line after the command
}

TEST_F(Headers, ListingHeaderLinesAre78Wide) {
    testsupport::ScratchDirectory scratch;
    diag::openMessageFile("a.lis", false);
    std::string command = "vorneprepro";
    while (command.size() < 200) command += " -TEST=T" + std::to_string(command.size());
    command.resize(200);
    output::writeListingHeader("a.lis", command, "Thu Jan  1 00:00:00 1970");
    diag::closeMessageFile();
    const auto text = lines(testsupport::readFile("a.lis"));
    ASSERT_EQ(text.size(), 11u);  // 4 lines of command
    for (const auto& line : text) EXPECT_EQ(line.size(), 78u) << line;
    EXPECT_EQ(text[1].substr(0, 51), "Deprecated C++ Test Script Compiler 8.0.1.2.343.015");
    EXPECT_EQ(text[3].substr(0, 13), "* COMMANDE : ");
    EXPECT_EQ(text[4].substr(0, 13), "*            ");
    EXPECT_EQ(text[7], "* FICHIER : a.lis" + std::string(60, ' ') + "*");
}

TEST_F(Headers, GeneratedFileListTags) {
    EXPECT_EQ(output::generatedFileListLine("x.cc"), "CCP x.cc\n");
    EXPECT_EQ(output::generatedFileListLine("x.icc"), "CPP x.icc\n");
    EXPECT_EQ(output::generatedFileListLine("/d/x.tdc"), "TDC /d/x.tdc\n");
    EXPECT_EQ(output::generatedFileListLine("x.c"), "C   x.c\n");
    EXPECT_EQ(output::generatedFileListLine("x.CC"), "");
    EXPECT_EQ(output::generatedFileListLine("noext"), "");
}

TEST_F(Headers, GeneratedFileListIsAppended) {
    testsupport::ScratchDirectory scratch;
    driver::settings().glentoLogPath = "files.log";
    scratch.write("files.log", "ROD old.rod\n");
    output::OutputFile a, b;
    output::openGeneratedFile(a, "x.cc");
    output::openGeneratedFile(b, "x.tdc");
    EXPECT_EQ(testsupport::readFile("files.log"), "ROD old.rod\nCCP x.cc\nTDC x.tdc\n");
}

}  // namespace
