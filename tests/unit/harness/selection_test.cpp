// Selection by the command-line lists: what a deselected service, test or
// family still does, and the reports of names that selected nothing.
#include "harness_fixture.h"

#include "diag/diag.h"

namespace harnesstest {

namespace {

class Selection : public HarnessFixture {};

constexpr const char* kTwoServices = R"(BEGIN
SERVICE A
TEST t1
FAMILY nominal
ELEMENT
END ELEMENT
END TEST
END SERVICE
SERVICE B
COMMENT of B
TEST t2
FAMILY robust, limits
ELEMENT
END ELEMENT
END TEST
END SERVICE
)";

TEST_F(Selection, DeselectedServiceWritesNothing) {
    option("SERVICE", "A");
    const Outputs out = compile(kTwoServices);
    EXPECT_EQ(out.generated.find("TEST_B"), std::string::npos);
    EXPECT_EQ(out.companion.find("TEST_B"), std::string::npos);
    EXPECT_EQ(out.records, "E17 0 2\nE16 0 3\nO1 A\nT2 T1\nF3 nominal\nE14 0 5\nB4 1\nE17 0 9\nE16 0 11\n");
    EXPECT_EQ(build(true), "");
}

TEST_F(Selection, DeselectedTestKeepsItsPositionRecord) {
    option("TEST", "T2");
    const Outputs out = compile(kTwoServices);
    EXPECT_EQ(out.records, "E17 0 2\nE16 0 3\nO1 A\nE17 0 9\nE16 0 11\nO2 B\nC3 of B\nT4 T2\nF5 robust, limits\n"
                           "E14 0 13\nB6 1\n");
    // Service A is declared at its end, with no test.
    EXPECT_NE(out.generated.find("vorne_run.DCL_OP_CPP(1, \"A\");\n}\ncatch"), std::string::npos);
    EXPECT_EQ(out.generated.find("\"T1\""), std::string::npos);
    EXPECT_EQ(build(true), "");
}

TEST_F(Selection, ExcludedTestAndFamilies) {
    option("EXTEST", "T1");
    option("EXFAMILY", "ROBUST,LIMITS");
    const Outputs out = compile(kTwoServices);
    EXPECT_EQ(out.generated.find("DCL_TST_CPP"), std::string::npos);
    EXPECT_EQ(out.messages.find("INEX"), std::string::npos);
}

// A test is excluded only when every one of its families is.
TEST_F(Selection, ExcludedFamiliesMustAllBeListed) {
    option("EXFAMILY", "ROBUST");
    const Outputs out = compile(kTwoServices);
    EXPECT_NE(out.generated.find("vorne_run.DCL_TST_CPP(2, \"T1\");"), std::string::npos);
    EXPECT_NE(out.generated.find("vorne_run.DCL_TST_CPP(7, \"T2\");"), std::string::npos);
}

TEST_F(Selection, FamilySelectsWhenOneNameIsListed) {
    option("FAMILY", "LIMITS");
    const Outputs out = compile(kTwoServices);
    EXPECT_EQ(out.generated.find("\"T1\""), std::string::npos);
    EXPECT_NE(out.generated.find("vorne_run.DCL_TST_CPP(4, \"T2\");"), std::string::npos);
}

TEST_F(Selection, ExcludedService) {
    option("EXSERVICE", "B");
    const Outputs out = compile(kTwoServices);
    EXPECT_EQ(out.generated.find("TEST_B"), std::string::npos);
    EXPECT_NE(out.generated.find("vorne.TEST_A();"), std::string::npos);
}

// With -EXTEST the excluded service is still opened; its tests are not.
TEST_F(Selection, ExcludedServiceWithExcludedTests) {
    option("EXSERVICE", "B");
    option("EXTEST", "NONE");
    const Outputs out = compile(kTwoServices);
    EXPECT_NE(out.generated.find("vorne.TEST_B();"), std::string::npos);
    EXPECT_EQ(out.generated.find("\"T2\""), std::string::npos);
}

TEST_F(Selection, UnusedNamesAreReportedWithTheListing) {
    diag::openMessageFile((work_ / "t.lis").string(), true);
    option("SERVICE", "A,GHOST");
    option("TEST", "T1,NOPE");
    option("FAMILY", "NOMINAL,MISSING");
    const Outputs out = compile(kTwoServices);
    EXPECT_NE(out.messages.find("Morvik-W-OPER_INEX,  [t.ptu:16] The selected service GHOST does not exist in the "
                                "program\n"),
              std::string::npos);
    EXPECT_NE(out.messages.find("Morvik-W-TEST_INEX,  [t.ptu:16] The selected test NOPE does not exist in the "
                                "program / See .LIS file\n"),
              std::string::npos);
    EXPECT_NE(out.messages.find("Morvik-W-FAMI_INEX,  [t.ptu:16] The selected family does not exist in the "
                                "programme\n"),
              std::string::npos);
    diag::closeMessageFile();
    const std::string listing = testsupport::readFile(work_ / "t.lis");
    EXPECT_NE(listing.find("\nliste totale des services \nA\nB\n\nliste des services en inclusion \nA\nGHOST\n\n"
                           "liste des services a executer \nA\n"),
              std::string::npos);
    EXPECT_NE(listing.find("\nliste totale des familles \nLIMITS\nNOMINAL\nROBUST\n\nliste en inclusion, des "
                           "familles \nMISSING\nNOMINAL\n"),
              std::string::npos);
}

TEST_F(Selection, NothingSelected) {
    option("TEST", "NONE");
    const Outputs out = compile(kTwoServices);
    EXPECT_NE(out.messages.find("Morvik-E-PROGXVIDE"), std::string::npos);
    EXPECT_EQ(build(true), "");
}

}  // namespace

}  // namespace harnesstest
