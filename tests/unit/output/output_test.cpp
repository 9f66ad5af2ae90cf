// The output layer on its own: folding, the record layouts and numbering,
// and the keyword language of texts and expressions.
#include "config/settings.h"
#include "diag/diag.h"
#include "output/output.h"
#include "test_support.h"
#include "values/expressions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// The settings the driver would have filled, installed once for the program.
config::Settings& settings() {
    static config::Settings s;
    static const bool installed = (config::install(s), true);
    (void)installed;
    return s;
}

using output::foldLine;
using Pieces = std::vector<std::string>;

TEST(Folding, ShortAndUnbreakableLinesStay) {
    EXPECT_EQ(foldLine("x = 1;"), Pieces{"x = 1;"});
    const std::string word(100, 'a');
    EXPECT_EQ(foldLine(word), Pieces{word});
    const std::string directive = "#define tab_initin1(J1) (J1 == 1 ? 1 :(J1 == 2 ? 2 :(J1 == 3 ? 3 : 4)))" +
                                  std::string(20, ' ') + "/* long */";
    EXPECT_EQ(foldLine(directive), Pieces{directive});
}

TEST(Folding, BreaksAfterTheLastSeparatorWithinEightyColumns) {
    const std::string line = "vorne_run.EDV_INTEGER_CPP(0,0,(long)(a_rather_long_variable_name),0+12,10, "
                             "(long)((int)2), (long)((int)2));";
    const Pieces pieces = foldLine(line);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0], "vorne_run.EDV_INTEGER_CPP(0,0,(long)(a_rather_long_variable_name),0+12,10, (");
    EXPECT_EQ(pieces[0] + pieces[1], line);
    for (const std::string& piece : pieces) EXPECT_LE(piece.size(), 80u);
}

// A break inside a literal or a line comment would change the program.
TEST(Folding, LiteralsAndCommentsStayWhole) {
    const std::string line = "vorne_run.DCL_TST_CPP(2, \"" + std::string(40, 'A') + " " + std::string(40, 'B') +
                             ", C\");";
    const Pieces pieces = foldLine(line);
    EXPECT_EQ(pieces, (Pieces{"vorne_run.DCL_TST_CPP(2, ", line.substr(25)}));
    const std::string commented = "x = 1; // " + std::string(40, 'c') + " " + std::string(40, 'd');
    EXPECT_EQ(foldLine(commented), (Pieces{"x = 1; ", "// " + std::string(40, 'c') + " " + std::string(40, 'd')}));
    const std::string character = std::string(78, 'x') + "(';', ' ')";
    EXPECT_EQ(foldLine(character), (Pieces{std::string(78, 'x') + "(", "';', ' ')"}));
}

class OutputLayer : public testing::Test {
protected:
    void SetUp() override {
        settings() = config::Settings{};
        diag::resetForTesting();
        output::resetGeneration();
        output::outputs().records.open((dir_.path() / "G.tdc").string());
    }
    void TearDown() override {
        output::outputs().records.close(false);
        diag::resetForTesting();
    }
    std::string records() {
        output::outputs().records.close(false);
        return testsupport::readFile(dir_.path() / "G.tdc");
    }
    testsupport::ScratchDirectory dir_;
};

// Every kind keeps the layout report tools read.
TEST_F(OutputLayer, RecordLayouts) {
    using output::Record;
    output::writeRecord(Record::Date, {"Thu Jan  1 00:00:00 1970"});
    output::writeRecord(Record::Languages, {"C++"});
    output::writeRecord(Record::ScriptBase, {"a"});
    output::writeRecord(Record::ScriptFile, {"0", "/d/a.ptu"});
    output::writeRecord(Record::IncludedCode, {"1", "x.h / -"});
    output::writeRecord(Record::HeaderFourth, {"%1 stays"});
    output::setScriptFileNumber(2);
    diag::setCurrentLine(7);
    output::writePositionRecord(Record::TestPosition);
    EXPECT_EQ(records(), "H0 Thu Jan  1 00:00:00 1970\nE9 C++ C++\nE6  a\nE11 0 /d/a.ptu\nI1 x.h / -\n"
                         "E10 %1 stays\nE16 2 7\n");
}

// Numbered records take the structure number, which a declaration under
// -NOEDIT leaves where it is; records stop under flag 5 while the number
// still runs.
TEST_F(OutputLayer, StructureNumbers) {
    using output::Record;
    output::writeNumberedRecord(Record::Comment, "c");
    EXPECT_EQ(output::writeDeclarationRecord(Record::Service, "S"), 2);
    settings().noEdit = true;
    EXPECT_EQ(output::writeDeclarationRecord(Record::Test, "T"), 3);
    EXPECT_EQ(output::writeDeclarationRecord(Record::Test, "U"), 3);
    output::setSuppression(output::kVariableFlag, true);
    output::writeNumberedRecord(Record::Element, "1");
    output::setSuppression(output::kVariableFlag, false);
    output::writeNumberedRecord(Record::Repetition, "?");
    EXPECT_EQ(records(), "C1 c\nO2 S\nT3 T\nT3 U\nR4 ?\n");
    EXPECT_TRUE(output::generationActive());
}

TEST_F(OutputLayer, LongRecordsContinueAt132Columns) {
    const std::string text(300, 'c');
    output::writeRecord(output::Record::Command, {text});
    EXPECT_EQ(records(), "C0 " + text.substr(0, 129) + "\n&" + text.substr(129, 131) + "\n&" + text.substr(260) + "\n");
}

// A value holding line breaks (an option value from an option file, for
// instance) stays inside its record.
TEST_F(OutputLayer, LineBreaksStayInsideTheRecord) {
    output::writeRecord(output::Record::Command, {"make\ntest\r"});
    EXPECT_EQ(records(), "C0 make test \n");
}

// Texts and the script's expressions follow the run's keyword language until
// the reader switches it; a new compilation starts again from the run's.
TEST_F(OutputLayer, KeywordLanguageOfTextsAndExpressions) {
    testing::internal::CaptureStderr();
    settings().keywordLanguage = values::kFrenchAlternate;
    EXPECT_EQ(output::inKeywordLanguage("FIN", "END"), "FIN");
    EXPECT_TRUE(values::evaluate("a.", output::dialect()).failed());
    output::useKeywordLanguage(values::kEnglish);
    EXPECT_EQ(output::inKeywordLanguage("FIN", "END"), "END");
    EXPECT_TRUE(values::evaluate("a.", output::dialect()).failed());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Morvik-E-SYNTAXERO,  <IDENTIFICATEUR> expected\n"
              "Morvik-E-SYNTAXERO,  <IDENTIFIER> expected\n");
    output::resetGeneration();
    EXPECT_EQ(output::keywordLanguage(), values::kFrenchAlternate);
}

}  // namespace

namespace {

std::vector<std::string> namesIn(const std::filesystem::path& directory) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// An output file appears at its path only when it is closed complete; a run
// with errors leaves nothing there, not even what stood there before.
TEST(OutputFiles, AppearWholeOrNotAtAll) {
    testsupport::ScratchDirectory scratch;
    scratch.write("stale.cc", "// an earlier run\n");
    output::OutputFile kept, dropped;
    kept.open("G.cc");
    kept.writeLine("int x;");
    dropped.open("stale.cc");
    dropped.writeLine("int y;");
    EXPECT_FALSE(std::filesystem::exists("G.cc"));
    EXPECT_EQ(testsupport::readFile("stale.cc"), "// an earlier run\n");
    kept.close(false);
    dropped.close(true);
    EXPECT_EQ(testsupport::readFile("G.cc"), "int x;\n");
    EXPECT_EQ(namesIn(scratch.path()), std::vector<std::string>{"G.cc"});
    // A fatal exit afterwards removes what the run wrote.
    kept.discard();
    EXPECT_TRUE(namesIn(scratch.path()).empty());
}

TEST(OutputFiles, OnlyFilesAndLinksAreWritten) {
    testsupport::ScratchDirectory scratch;
    std::filesystem::create_directory("dir.cc");
    output::OutputFile file;
    EXPECT_EXIT(file.open("dir.cc"), testing::ExitedWithCode(7), "IMPOUVFIC,  Cannot open the file dir.cc");
    EXPECT_EXIT(file.open("/dev/null"), testing::ExitedWithCode(7), "Cannot open the file /dev/null");
    EXPECT_EXIT(file.open("none/G.cc"), testing::ExitedWithCode(7), "Cannot open the file none/G.cc");
}

}  // namespace
