// Message formatting, counting, the summary and the exit statuses.
#include "diag/diag.h"
#include "test_support.h"

#include <QString>
#include <csignal>
#include <gtest/gtest.h>

namespace {

class Messages : public testing::Test {
protected:
    void SetUp() override { diag::resetForTesting(); }
    void TearDown() override { diag::resetForTesting(); }
};

TEST_F(Messages, PositionPrefixForms) {
    EXPECT_EQ(diag::positionPrefix("a.ptu", 12), "[a.ptu:12] ");
    EXPECT_EQ(diag::positionPrefix("a.ptu", -1), "[a.ptu:-1] ");
    EXPECT_EQ(diag::positionPrefix("", 7), "[7] ");
    EXPECT_EQ(diag::positionPrefix("", 0), "");
}

TEST_F(Messages, BodyFillsPrefixThenParameter) {
    EXPECT_EQ(diag::formatBody("STXMETAIN", "[a.ptu:12] ", "FOO x"), "[a.ptu:12] Unknown keyword: FOO x");
    EXPECT_EQ(diag::formatBody("DIVBYZERO", "[3] ", "ignored"), "[3] Division by zero");
    EXPECT_EQ(diag::formatBody("BADRUNTIM", "[3] ", "x"),
              "Target Package not found, check HRLTGT environment variable.");
    EXPECT_EQ(diag::formatBody("COPYRIGHT", "", "notice"), "notice");
}

TEST_F(Messages, UnknownCodeUsesFallback) {
    EXPECT_FALSE(diag::catalogText("NOSUCHCODE").has_value());
    EXPECT_EQ(diag::formatBody("NOSUCHCODE", "", "x"), " x");
    EXPECT_EQ(diag::formatBody("NOSUCHCODE", "[4] ", "x"), "[4]  x");
}

// The summary texts use their placeholders for counts.
TEST_F(Messages, SummaryTexts) {
    EXPECT_EQ(diag::formatBody("ENDERRWAR", "2", "1"), "End of execution with 2 error(s) and 1 warning(s)");
    EXPECT_EQ(diag::formatBody("ENDNOEWAR", "", "4"), "End of execution with 4 warning(s)");
    EXPECT_EQ(diag::formatBody("ENDNOENWR", "", ""), "End of execution with 0 error and 0 warning");
    EXPECT_EQ(diag::formatBody("ENDERRNWR", "3", ""), "End of execution with 3 error(s)");
}

// A "%" inside the prefix or the parameter is written as it stands.
TEST_F(Messages, PercentInValuesIsNotInterpreted) {
    EXPECT_EQ(diag::formatBody("STXMETAIN", "[%2.ptu:1] ", "%1 and %2"),
              "[%2.ptu:1] Unknown keyword: %1 and %2");
}

// For plain values the catalog formatting agrees with QString::arg.
TEST_F(Messages, AgreesWithQStringArg) {
    for (const char* code : {"STXMETAIN", "LINETOLON", "CHANOTEST", "FICERROPN", "NOMESSDEF"}) {
        const QString text = QString::fromStdString(*diag::catalogText(code));
        QString expected = text;
        if (text.contains(QStringLiteral("%1"))) expected = expected.arg(QStringLiteral("[f:1] "));
        if (text.contains(QStringLiteral("%2"))) expected = expected.arg(QStringLiteral("P"));
        EXPECT_EQ(diag::formatBody(code, "[f:1] ", "P"), expected.toStdString()) << code;
    }
}

TEST_F(Messages, LinesGoToStandardErrorAndTheMessageFile) {
    testsupport::ScratchDirectory scratch;
    diag::openMessageFile("a.lis", true);
    testing::internal::CaptureStderr();
    diag::raiseMessage(diag::Level::W, "STXMETAIN", "X", "a.ptu", 12);
    diag::raiseMessage(diag::Level::I, "NOSUCHCODE", "x", "", 0);
    const std::string err = testing::internal::GetCapturedStderr();
    // The listing appears whole, when it is closed.
    EXPECT_FALSE(std::filesystem::exists("a.lis"));
    diag::closeMessageFile();
    const std::string expected =
        "Morvik-W-STXMETAIN,  [a.ptu:12] Unknown keyword: X\n"
        "Morvik-I-NOSUCHCODE,   x\n";
    EXPECT_EQ(err, expected);
    EXPECT_EQ(testsupport::readFile("a.lis"), expected);
}

// Errors and warnings raised before the listing exists (command line,
// environment) reach it after its header, once; information does not.
TEST_F(Messages, EarlyErrorsAndWarningsWaitForTheListing) {
    testsupport::ScratchDirectory scratch;
    testing::internal::CaptureStderr();
    diag::info("LANSWITCH", "early");
    diag::warning("INCLTYPER", "nodir");
    diag::error("LIGNTRAIT", "b");
    diag::openMessageFile("a.lis", true);
    diag::writeToMessageFile("header\n");
    diag::writeHeldMessages();
    diag::warning("STXMETAIN", "late");
    diag::writeHeldMessages();
    testing::internal::GetCapturedStderr();
    diag::closeMessageFile();
    EXPECT_EQ(testsupport::readFile("a.lis"),
              "header\n"
              "Morvik-W-INCLTYPER,  nodir is not a directory \n"
              "Morvik-E-LIGNTRAIT,  Include line not processed: b\n"
              "Morvik-W-STXMETAIN,  Unknown keyword: late\n");
}

// A value never splits the line of its message.
TEST_F(Messages, LineBreaksInValuesBecomeBlanks) {
    testing::internal::CaptureStderr();
    diag::raiseMessage(diag::Level::W, "STXMETAIN", "two\nlines\r", "a\nb.ptu", 3);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Morvik-W-STXMETAIN,  [a b.ptu:3] Unknown keyword: two lines \n");
}

TEST_F(Messages, CountsErrorsAndWarningsOnly) {
    testing::internal::CaptureStderr();
    diag::warning("STXMETAIN", "a");
    diag::warning("STXMETAIN", "a");
    diag::error("LIGNTRAIT", "b");
    diag::info("LANSWITCH", "c");
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(diag::warningCount(), 2u);
    EXPECT_EQ(diag::errorCount(), 1u);
}

TEST_F(Messages, RaiseAtStoresThePosition) {
    testing::internal::CaptureStderr();
    diag::raiseAt(diag::Level::I, "LANSWITCH", "p", "b.ptu", 9);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Morvik-I-LANSWITCH,  [b.ptu:9] Incorrect value for VORNELAN environment variable: p\n");
    EXPECT_EQ(diag::currentFile(), "b.ptu");
    EXPECT_EQ(diag::currentLine(), 9);
}

using MessagesDeathTest = Messages;

TEST_F(MessagesDeathTest, LevelsSAndFEndTheProcess) {
    EXPECT_EXIT(diag::fatal("LINETOLON"), testing::ExitedWithCode(7), "Morvik-F-LINETOLON,  Too long");
    EXPECT_EXIT(diag::internalError("ERRINTFCT", "xstrcpy"), testing::ExitedWithCode(9),
                "Morvik-S-ERRINTFCT,  Internal error in the function xstrcpy");
}

TEST_F(MessagesDeathTest, FatalExitsSevenEvenAfterErrors) {
    EXPECT_EXIT(
        {
            diag::error("LIGNTRAIT", "x");
            diag::fatal("AUCUNMETA");
        },
        testing::ExitedWithCode(7), "AUCUNMETA");
}

TEST_F(MessagesDeathTest, SummaryStatuses) {
    EXPECT_EXIT(diag::endOfExecution(true), testing::ExitedWithCode(0),
                "Morvik-I-ENDNOENWR,  End of execution with 0 error and 0 warning\n");
    EXPECT_EXIT(
        {
            diag::warning("STXMETAIN", "x");
            diag::endOfExecution(true);
        },
        testing::ExitedWithCode(3), "Morvik-I-ENDNOEWAR,  End of execution with 1 warning\\(s\\)");
    EXPECT_EXIT(
        {
            diag::error("LIGNTRAIT", "x");
            diag::error("LIGNTRAIT", "x");
            diag::warning("STXMETAIN", "x");
            diag::endOfExecution(true);
        },
        testing::ExitedWithCode(5), "ENDERRWAR,  End of execution with 2 error\\(s\\) and 1 warning");
}

TEST_F(MessagesDeathTest, CleanRunRemovesTheListingOthersKeepIt) {
    testsupport::ScratchDirectory scratch;
    EXPECT_EXIT(
        {
            diag::openMessageFile("clean.lis", true);
            diag::endOfExecution(true);
        },
        testing::ExitedWithCode(0), "");
    EXPECT_FALSE(std::filesystem::exists(scratch.path() / "clean.lis"));
    EXPECT_EXIT(
        {
            diag::openMessageFile("warned.lis", true);
            diag::warning("STXMETAIN", "x");
            diag::endOfExecution(true);
        },
        testing::ExitedWithCode(3), "");
    EXPECT_EQ(testsupport::readFile(scratch.path() / "warned.lis"),
              "Morvik-W-STXMETAIN,  Unknown keyword: x\n"
              "Morvik-I-ENDNOEWAR,  End of execution with 1 warning(s)\n");
}

TEST_F(MessagesDeathTest, UnopenableMessageFileIsFatal) {
    EXPECT_EXIT(diag::openMessageFile("/nonexistent-dir/x.lis", true), testing::ExitedWithCode(7),
                "Morvik-F-FICERROPN,  File /nonexistent-dir/x.lis opening problem");
}

TEST_F(MessagesDeathTest, SegmentationViolationIsAnInternalError) {
    EXPECT_EXIT(
        {
            diag::installCrashHandler();
            diag::setCurrentFile("s.ptu");
            diag::setCurrentLine(4);
            std::raise(SIGSEGV);
        },
        testing::ExitedWithCode(9),
        "Morvik-S-INTERNERR,  \\[s.ptu:4\\] internal error raised in  Module SFC");
}

}  // namespace
