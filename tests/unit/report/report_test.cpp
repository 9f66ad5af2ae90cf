// vorne-report on files written by hand: what it says about files that do
// not match or cannot be read, how it judges EV == from the records, how it
// shows values, and that its outputs never replace an input.
#include "report/markup.h"
#include "report/report.h"
#include "report/report_internal.h"
#include "test_support.h"

#include "diag/diag.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using report::Verdict;

const std::string kTdc =
    "***********\n"
    "* header  *\n"
    "***********\n"
    "E11 0 /w/a.ptu\n"
    "E6  a\n"
    "E16 0 5\n"
    "O1 S\n"
    "T2 T\n"
    "F3 nominal\n"
    "B4 1\n"
    "V5 x INIT=4 VA==\n"
    "V6 tab[1..3] INIT=0 VA=1\n"
    "E16 0 9\n"
    "T9 U\n";

std::string rio(const std::string& body) {
    return "VORNE-RIO 1 1970-01-01T00:00:00Z\nSERVICE 1 \"S\"\nTEST 2 \"T\" 10\n" + body;
}

// The end of test T: its array checked, then test U run and the file closed.
const std::string kRest =
    "CHECK 6 I 0 0 10 passed 1 1 1\nCHECK 7 I 0 0 10 passed 1 1 1\nCHECK 8 I 0 0 10 passed 1 1 1\n"
    "END-TEST 2 30 20\nTEST 9 \"U\" 40\nEND-TEST 9 50 10\nEND 60\n";

struct Outcome {
    int status;
    std::string out, err;
};

class Report : public testing::Test {
protected:
    Outcome report(const std::string& tdc, const std::string& results, std::vector<std::string> extra = {}) {
        dir_.write("G.tdc", tdc);
        dir_.write("G.rio", results);
        std::vector<std::string> arguments = {"G.tdc", "G.rio"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        diag::resetForTesting();
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        const int status = report::runReport(arguments);
        Outcome o{status, testing::internal::GetCapturedStdout(), testing::internal::GetCapturedStderr()};
        return o;
    }
    testsupport::ScratchDirectory dir_;
};

// ---- Files that cannot be used ------------------------------------------

TEST_F(Report, UnusableFilesEndWithStatusTwoAndTheCatalogMessage) {
    struct Row {
        std::string tdc, rio, message;
    } rows[] = {
        {"", rio("END 20\n"), "Morvik-E-STXERRRIO,  [G.tdc:1] Syntax error in the file .RIO or .TDC (no E11 0 record)\n"},
        {"O1 S\n", rio("END 20\n"),
         "Morvik-E-STXERRRIO,  [G.tdc:1] Syntax error in the file .RIO or .TDC (no E11 0 record)\n"},
        {kTdc, "not a results file\n", "Morvik-E-STXERRRIO,  [G.rio:1] Syntax error in the file .RIO or .TDC not a results file\n"},
        {kTdc, rio("CHECK 5 I 0 1 10 unjudged 4 0 0\nEND-TEST 2 30 20\nTEST 9 \"OTHER\" 40\nEND 50\n"),
         "Morvik-E-INCTDCRIO,  [G.rio:6] Mismatch between files .RIO and .TDC TEST 9 OTHER\n"},
        {kTdc, rio("CHECK 1 I 0 0 10 passed 4 4 4\nEND 20\n"),
         "Morvik-E-INCTDCRIO,  [G.rio:4] Mismatch between files .RIO and .TDC CHECK 1\n"},
        {kTdc, "VORNE-RIO 1 1970-01-01T00:00:00Z\nSERVICE 7 \"S\"\nEND 20\n",
         "Morvik-E-INCTDCRIO,  [G.rio:2] Mismatch between files .RIO and .TDC SERVICE 7 S\n"},
    };
    for (const Row& row : rows) {
        const Outcome o = report(row.tdc, row.rio);
        EXPECT_EQ(o.status, report::kUnusableFiles) << row.message;
        EXPECT_EQ(o.err, row.message);
        EXPECT_EQ(o.out, "");
    }
}

TEST_F(Report, MissingFilesAndBadArguments) {
    diag::resetForTesting();
    testing::internal::CaptureStderr();
    EXPECT_EQ(report::runReport({"none.tdc", "none.rio"}), report::kUnusableFiles);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Morvik-E-STXERRRIO,  Syntax error in the file .RIO or .TDC none.tdc (cannot be read)\n"
              "Morvik-E-STXERRRIO,  Syntax error in the file .RIO or .TDC none.rio (cannot be read)\n");
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{}, {"G.tdc"}, {"a", "b", "c"}, {"a", "b", "--junit"},
                                               {"a", "b", "--what", "x"}, {"a", "b", "-o", "x", "-o", "y"}}) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(report::runReport(arguments), report::kUnusableFiles);
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "usage: vorne-report G.tdc G.rio [--junit FILE] [--html FILE] [-o FILE]\n");
    }
}

// A FIFO or a directory in place of the files is refused at once: the
// report never waits for a writer that will not come.
TEST_F(Report, FilesThatAreNotRegularAreRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo("G.tdc", 0600), 0);
    fs::create_directory("G.rio");
    diag::resetForTesting();
    testing::internal::CaptureStderr();
    EXPECT_EQ(report::runReport({"G.tdc", "G.rio"}), report::kUnusableFiles);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Morvik-E-STXERRRIO,  Syntax error in the file .RIO or .TDC G.tdc (cannot be read)\n"
              "Morvik-E-STXERRRIO,  Syntax error in the file .RIO or .TDC G.rio (cannot be read)\n");
}

// A line that cannot be read is reported and skipped; the rest counts.
TEST_F(Report, InconsistentLinesAreSkippedWithAWarning) {
    const Outcome o = report(kTdc + "garbage line\n",
                             rio("CHECK 5 I 0 1 10\nCHECK 5 I 0 1 10 unjudged \"4 0 0\nWHAT 1\n"
                                 "CHECK 5 I 0 1 10 unjudged 4 0 0\n" + kRest));
    EXPECT_EQ(o.err,
              "Morvik-W-INCLIGTDC,  [G.tdc:15] Inconsistent line in the TDC file garbage line\n"
              "Morvik-W-INCLIGRIO,  [G.rio:4] Inconsistent line in the RIO file CHECK 5 I 0 1 10\n"
              "Morvik-W-INCLIGRIO,  [G.rio:5] Inconsistent line in the RIO file CHECK 5 I 0 1 10 unjudged \"4 0 0\n"
              "Morvik-W-INCLIGRIO,  [G.rio:6] Inconsistent line in the RIO file WHAT 1\n");
    EXPECT_EQ(o.status, report::kAllPassed);
    EXPECT_NE(o.out.find("Checks: 4, passed: 4, failed: 0\n"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("tab[3]"), std::string::npos) << o.out;
}

// ---- Verdicts ------------------------------------------------------------

// The record's literal initial value judges what the run-time could not.
TEST_F(Report, EqualInitialIsJudgedFromTheRecord) {
    const Outcome passed = report(kTdc, rio("CHECK 5 I 0 1 10 unjudged 4 0 0\n" + kRest));
    EXPECT_EQ(passed.status, report::kAllPassed) << passed.out;
    EXPECT_NE(passed.out.find("    x        4       = initial 4 4        passed\n"), std::string::npos) << passed.out;
    const Outcome failed = report(kTdc, rio("CHECK 5 I 0 1 10 unjudged 5 0 0\n" + kRest));
    EXPECT_EQ(failed.status, report::kSomethingFailed);
    EXPECT_NE(failed.out.find("x: expected = initial 4, obtained 5"), std::string::npos) << failed.out;
}

TEST(Literals, JudgeEveryKind) {
    struct Row {
        char kind;
        const char* literal;
        const char* obtained;
        Verdict verdict;
    } rows[] = {
        {'I', "4", "4", Verdict::Passed},          {'I', "-0x10", "-16", Verdict::Passed},
        {'I', "017", "15", Verdict::Passed},       {'I', "0b101", "5", Verdict::Passed},
        {'I', "10UL", "10", Verdict::Passed},      {'I', "true", "1", Verdict::Passed},
        {'I', "'A'", "65", Verdict::Passed},       {'I', "4", "5", Verdict::Failed},
        {'I', "seed()", "4", Verdict::Unjudged},   {'I', "LIMIT - 1", "3", Verdict::Unjudged},
        {'U', "0xFFFFFFFF", "4294967295", Verdict::Passed},
        {'C', "'\\n'", "10", Verdict::Passed},     {'C', "'\\x41'", "65", Verdict::Passed},
        {'C', "'\\101'", "65", Verdict::Passed},   {'C', "'ab'", "97", Verdict::Unjudged},
        {'F', "0.1f", "0.100000001", Verdict::Passed},
        {'D', "0.1", "0.10000000000000001", Verdict::Passed},
        {'D', "0.1", "0.1000001", Verdict::Failed}, {'D', "2", "2", Verdict::Passed},
        {'S', "\"a\\tb\"", "\"a\\x09b\"", Verdict::Passed},
        {'S', "\"ab\"", "NULL", Verdict::Failed},  {'S', "name", "\"x\"", Verdict::Unjudged},
        {'S', "\"a\"b\"", "\"a\"", Verdict::Unjudged},
        {'P', "NIL", "0", Verdict::Passed},        {'P', "NIL", "0x1234", Verdict::Failed},
        {'P', "&x", "0x1234", Verdict::Unjudged},
    };
    for (const Row& row : rows)
        EXPECT_EQ(report::judgeAgainstLiteral(row.kind, row.literal, row.obtained), row.verdict)
            << row.kind << " " << row.literal << " " << row.obtained;
}

// Constant expressions of the script are folded as the script folds them:
// integers until a real takes part; a name or a division by zero leaves
// the check not judged rather than judged wrongly.
TEST(Literals, ConstantExpressionsAreFolded) {
    const std::string deep = std::string(100, '(') + "1" + std::string(100, ')');
    struct Row {
        char kind;
        std::string literal;
        const char* obtained;
        Verdict verdict;
    } rows[] = {
        {'I', "1 + 2", "3", Verdict::Passed},        {'I', "-(2 * 3)", "-6", Verdict::Passed},
        {'I', "7 / 2", "3", Verdict::Passed},        {'I', "2 + 3 * 4", "14", Verdict::Passed},
        {'I', "(2 + 3) * 4", "20", Verdict::Passed}, {'I', "0FFh - 101b", "250", Verdict::Passed},
        {'I', "--4", "4", Verdict::Passed},          {'C', "'a' + 1", "98", Verdict::Passed},
        {'D', "1.5 * 2", "3", Verdict::Passed},      {'D', "7 / 2", "3", Verdict::Passed},
        {'D', "7.0 / 2", "3.5", Verdict::Passed},    {'D', "1.5e-3 + 1", "1.0015", Verdict::Passed},
        {'L', "0.1", "0.100000000000000000001", Verdict::Passed},
        {'I', "1 / 0", "0", Verdict::Unjudged},      {'I', "9223372036854775807 + 1", "0", Verdict::Unjudged},
        {'I', "(1 + 2", "3", Verdict::Unjudged},     {'I', "1 2", "1", Verdict::Unjudged},
        {'I', "1e30", "0", Verdict::Unjudged},       {'D', "2 * x", "4", Verdict::Unjudged},
        {'I', deep, "1", Verdict::Unjudged},
    };
    for (const Row& row : rows)
        EXPECT_EQ(report::judgeAgainstLiteral(row.kind, row.literal, row.obtained), row.verdict)
            << row.kind << " " << row.literal << " " << row.obtained;
}

// The clauses of a "V" record are found outside quotes and brackets, and a
// range's low bound is told from the initial value before it, blanks and all.
TEST_F(Report, DescriptionsAreSplitIntoTheirClauses) {
    const std::string tdc = "E11 0 /w/a.ptu\nO1 S\nT2 T\n"
                            "V3 x INIT=2 + 3 limit() - 1<=VA<=limit() + 1\n"
                            "V4 s INIT=\"a VA=b\" VA=\"x<=VA<=y\"\n"
                            "V5 y 0<=VA<=5\n"
                            "V6 z INIT== VA=1\n"
                            "V7 t[1..3] INIT IN (1,2,3) -1<=VA<=1\n"
                            "V8 r INIT FROM 0 TO 10 - 1 -5<=VA<=5\n"
                            "V9 p INIT=(1, 2) VA=INIT RA=3\n";
    dir_.write("G.tdc", tdc);
    report::Program program;
    ASSERT_TRUE(report::readTdc((dir_.path() / "G.tdc").string(), program));
    struct Row {
        int number;
        const char *variable, *init, *expected;
        bool hasInit;
    } rows[] = {
        {3, "x", "2 + 3", "limit() - 1<=VA<=limit() + 1", true},
        {4, "s", "\"a VA=b\"", "VA=\"x<=VA<=y\"", true},
        {5, "y", "", "0<=VA<=5", false},
        {6, "z", "", "VA=1", false},
        {7, "t[1..3]", "IN (1,2,3)", "-1<=VA<=1", true},
        {8, "r", "FROM 0 TO 10 - 1", "-5<=VA<=5", true},
        {9, "p", "(1, 2)", "VA=INIT RA=3", true},
    };
    for (const Row& row : rows) {
        const report::CheckDescription& d = program.checks.at(row.number);
        EXPECT_EQ(d.variable, row.variable) << row.number;
        EXPECT_EQ(d.init, row.init) << row.number;
        EXPECT_EQ(d.hasInit, row.hasInit) << row.number;
        EXPECT_EQ(d.expected, row.expected) << row.number;
    }
}

TEST(Values, ShownByKindAndRadix) {
    struct Row {
        char kind;
        int radix;
        const char* value;
        const char* shown;
    } rows[] = {
        {'I', 10, "-12", "-12"},         {'I', 16, "-31", "-0x1F"},      {'I', 2, "5", "0b101"},
        {'I', 8, "8", "010"},            {'U', 16, "18446744073709551615", "0xFFFFFFFFFFFFFFFF"},
        {'C', 10, "65", "'A'"},          {'C', 10, "10", "'\\x0a'"},     {'C', 10, "39", "'\\''"},
        {'C', 10, "-23", "'\\xe9'"},     {'F', 10, "0.100000001", "0.1"},
        {'D', 10, "2.1000000000000001", "2.1"}, {'D', 10, "nan", "nan"}, {'P', 16, "0", "NIL"},
        {'P', 16, "NONIL", "NONIL"},     {'S', 10, "\"a\\x09\"", "\"a\\x09\""},
    };
    for (const Row& row : rows) EXPECT_EQ(report::displayValue(row.kind, row.radix, row.value), row.shown) << row.value;
}

TEST(Fields, QuotedTextsAreUnescaped) {
    std::vector<report::Field> fields;
    ASSERT_TRUE(report::splitFields("CHECK \"a b\\\"\\\\\\x01\" NULL \"\"", fields));
    ASSERT_EQ(fields.size(), 4u);
    EXPECT_EQ(fields[1].text, "a b\"\\\x01");
    EXPECT_TRUE(fields[1].quoted);
    EXPECT_FALSE(fields[2].quoted);
    EXPECT_EQ(fields[3].text, "");
    for (const char* broken : {"\"open", "\"a\"b", "\"\\x4\"", "\"\\"}) {
        fields.clear();
        EXPECT_FALSE(report::splitFields(broken, fields)) << broken;
    }
}

// ---- Outputs ---------------------------------------------------------------

TEST_F(Report, OutputsNeverReplaceAnInput) {
    const std::string results = rio("END-TEST 2 30 20\nEND 40\n");
    for (const char* option : {"--junit", "--html", "-o"}) {
        const Outcome o = report(kTdc, results, {option, "G.rio"});
        EXPECT_EQ(o.status, report::kUnusableFiles);
        EXPECT_EQ(o.err, "vorne-report: the output G.rio would replace the input G.rio\n");
        EXPECT_EQ(testsupport::readFile(dir_.path() / "G.rio"), results);
    }
    const Outcome twice = report(kTdc, results, {"--junit", "x", "--html", "./x"});
    EXPECT_EQ(twice.err, "vorne-report: two outputs are written to x\n");
}

// An output that cannot be written leaves nothing behind and says so.
TEST_F(Report, UnwritableOutputLeavesNothing) {
    const Outcome o = report(kTdc, rio("END-TEST 2 30 20\nEND 40\n"), {"--junit", "no/dir/j.xml", "-o", "r.txt"});
    EXPECT_EQ(o.status, report::kUnusableFiles);
    EXPECT_EQ(o.err, "vorne-report: cannot write no/dir/j.xml\n");
    EXPECT_TRUE(fs::exists(dir_.path() / "r.txt"));
    EXPECT_FALSE(fs::exists(dir_.path() / "no"));
    for (const auto& entry : fs::directory_iterator(dir_.path()))
        EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
}

// A test that the results never mention did not run; a results file that
// stops outside any test says so.
TEST_F(Report, TestsNotRunAndAnEarlyEnd) {
    const Outcome o = report(kTdc, rio("CHECK 6 I 0 0 10 passed 1 1 1\nEND-TEST 2 30 20\n"));
    EXPECT_EQ(o.status, report::kSomethingFailed);
    EXPECT_NE(o.out.find("  ERROR    the harness stopped outside any test\n"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("  not run  S / U (a.ptu:9): not run\n"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("    x        4       = initial not checked (its expression threw) FAILED\n"),
              std::string::npos) << o.out;
}

// Hostile lines: too long numbers, missing fields, stray bytes, records
// out of order. Each is reported or ignored; none stops the report.
TEST_F(Report, HostileLinesNeverStopTheReport) {
    const std::string tdc = kTdc + "V99999999999999999999 x\nT\nV12 t[-9223372036854775807..9223372036854775807] VA=1\n"
                                   "&continued\nE11 x\nE16\nF99 f\n\x01\xff\n";
    const char* lines[] = {"CHECK 99999999999999999999 I 0 0 10 passed 1 1 1", "CHECK 12 I 0 0 10 passed",
                           "CHECK 12 I 0 0 99999999999 passed 1 1 1", "CHECK 12 I 0 0 10 passed \"\\x\" 1 1",
                           "ITERATION-END 9 9 9", "END-TEST 77 1 1", "\x01\xff\"", "TEST 2", "INIT 12 S",
                           "LIST-ITEM 3 maybe \"x\"", "STUB 1", "DIED", "CHECK 13 I 0 0 16 passed -9223372036854775808 1 1"};
    for (const char* line : lines) {
        const Outcome o = report(tdc, rio(std::string(line) + "\n" + kRest));
        EXPECT_TRUE(o.status == 0 || o.status == 1 || o.status == 2) << line;
    }
}

// Bytes that are not UTF-8 (a Latin-1 name) still give well-formed XML.
TEST(Markup, Latin1BytesBecomeUtf8) {
    EXPECT_EQ(report::markup::escaped("caf\xe9 <&> \"x\" \x01"), "caf\xc3\xa9 &lt;&amp;&gt; &quot;x&quot; ?");
    EXPECT_EQ(report::markup::escaped("d\xc3\xa9j\xc3\xa0"), "d\xc3\xa9j\xc3\xa0");
}

}  // namespace
