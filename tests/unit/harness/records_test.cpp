// The records of the structure: header records, numbering shared with the
// harness, comments and requirements attached to their declarations, and
// the 132-character cut.
#include "harness_fixture.h"

#include "driver/settings.h"

#include <cstdlib>

namespace harnesstest {

namespace {

class Records : public HarnessFixture {};

TEST_F(Records, HeaderFields) {
    EXPECT_EQ(compile("HEADER a, b, c, d\n").records, "E1 a\nE2 b\nE10 d\nE0 a , b , c , d\n");
}

TEST_F(Records, HeaderWithoutVersion) {
    const Outputs out = compile("HEADER alone\n");
    EXPECT_EQ(out.records, "E1 alone\nE2 \nE10 \nE0 alone ,  , \n");
    EXPECT_NE(out.messages.find("Morvik-W-FORMENTET,  [t.ptu:1] Version field expected after HEADER keyword alone"),
              std::string::npos);
}

TEST_F(Records, HeaderFieldsAreNormalised) {
    ::setenv("VORNE_TEST_MODULE", "fromenv", 1);
    ::unsetenv("VORNE_TEST_UNSET");
    const Outputs out = compile("HEADER $VORNE_TEST_MODULE, \"1.2\", $VORNE_TEST_UNSET, 'x y'\n");
    EXPECT_EQ(out.records, "E1 fromenv\nE2 1.2\nE10 x y\nE0 fromenv , 1.2 , x y\n");
    EXPECT_NE(out.messages.find("Morvik-W-NOLOGIDEF,  [t.ptu:1] VORNE_TEST_UNSET logical name not defined"),
              std::string::npos);
}

TEST_F(Records, VersionHandedOverByTheDriver) {
    driver::settings().strver = "2.0";
    const Outputs out = compile("HEADER m, 1.0, x\nHEADER again\n");
    EXPECT_EQ(out.records, "E1 m\nE2 2.0\nE10 x\nE0 m , 1.0 , x\n");
    EXPECT_NE(out.messages.find("Morvik-W-MISMNUVER,  [t.ptu:1] Version mismatch between HEADER and STRVER: "
                                "Origin : 2.0 / PTU : 1.0"),
              std::string::npos);
    EXPECT_NE(out.messages.find("Morvik-W-MOTDOUBLE,  [t.ptu:2] HEADER keyword used more than once"),
              std::string::npos);
}

TEST_F(Records, BeginRules) {
    const Outputs out = compile("BEGIN\nBEGIN\n");
    EXPECT_NE(out.messages.find("Morvik-E-ENTETEERR,  [t.ptu:1] HEADER keyword must be the first one"),
              std::string::npos);
    EXPECT_NE(out.messages.find("Morvik-W-MOTDOUBLE,  [t.ptu:2] BEGIN keyword used more than once"),
              std::string::npos);
}

// Comments wait for the declaration of the structure they follow; with
// nothing pending they are written at once.
TEST_F(Records, CommentsAndRequirementsAttach) {
    const Outputs out = compile(
        "COMMENT before everything\nBEGIN\nSERVICE s\nCOMMENT of s\nREQUIREMENT R-s\nTEST t\nCOMMENT of t\n"
        "FAMILY f\nCOMMENT of f\nREQUIREMENT R-t\nELEMENT\nCOMMENT in element\nREQUIREMENT R-e\nEND ELEMENT\n"
        "END TEST\nCOMMENT between tests\nEND SERVICE\nCOMMENT after s\n");
    EXPECT_EQ(out.records,
              "X1 before everything\nE17 0 3\nE16 0 6\n"
              "O2 S\nC3 of s\nQ4 R-s\nT5 T\nC6 of t\nQ7 R-t\nF8 f\nC9 of f\nE14 0 11\nB10 1\n"
              "C11 in element\nQ12 R-e\nX13 between tests\nX14 after s\n");
}

TEST_F(Records, ServiceWithoutTestGetsItsRecordAtItsEnd) {
    const Outputs out = compile("BEGIN\nSERVICE s\nCOMMENT lonely\nEND SERVICE\n");
    EXPECT_EQ(out.records, "E17 0 2\nO1 S\nC2 lonely\n");
    EXPECT_NE(out.messages.find("Morvik-W-OPER_VIDE,  [t.ptu:4] No test in the service S"), std::string::npos);
    EXPECT_NE(out.messages.find("Morvik-I-OPERXVIDE,  [t.ptu:4] No test in the service S"), std::string::npos);
}

TEST_F(Records, NoEditDropsPendingTextsOfServicesAndTests) {
    option("NOEDIT");
    const Outputs out = compile("BEGIN\nSERVICE s\nCOMMENT of s\nTEST t\nREQUIREMENT of t\nFAMILY f\n"
                                "COMMENT of f\nELEMENT\nEND ELEMENT\nEND TEST\nEND SERVICE\n");
    EXPECT_EQ(out.records, "E17 0 2\nE16 0 4\nO1 S\nT1 T\nF1 f\nC2 of f\nE14 0 8\nB3 1\n");
}

TEST_F(Records, LongRecordsContinue) {
    const std::string text(300, 'c');
    const Outputs out = compile("COMMENT " + text + "\n");
    const std::vector<std::string> records = lines(out.records);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0], "X1 " + text.substr(0, 129));
    EXPECT_EQ(records[1], "&" + text.substr(129, 131));
    EXPECT_EQ(records[2], "&" + text.substr(260));
}

// One structure number runs through services, tests, families and elements.
TEST_F(Records, ElementAndStructureNumbersRun) {
    const Outputs out = compile("BEGIN\nSERVICE s\nTEST t\nFAMILY f\nELEMENT\nEND ELEMENT\nELEMENT\nEND ELEMENT\n"
                                "END TEST\nTEST u\nFAMILY g\nELEMENT\nEND ELEMENT\nEND TEST\nEND SERVICE\n"
                                "SERVICE v\nTEST w\nFAMILY h\nELEMENT\nEND ELEMENT\nEND TEST\nEND SERVICE\n");
    EXPECT_EQ(out.records,
              "E17 0 2\nE16 0 3\nO1 S\nT2 T\nF3 f\nE14 0 5\nB4 1\nE14 0 7\nB5 2\n"
              "E16 0 10\nT6 U\nF7 g\nE14 0 12\nB8 1\n"
              "E17 0 16\nE16 0 17\nO9 V\nT10 W\nF11 h\nE14 0 19\nB12 1\n");
    EXPECT_NE(out.generated.find("vorne_run.DCL_TST_CPP(6, \"U\");"), std::string::npos);
    EXPECT_NE(out.generated.find("#define exception exception_1_1_2\n"), std::string::npos);
    EXPECT_NE(out.generated.find("#define exception exception_2_1_1\n"), std::string::npos);
    EXPECT_NE(out.generated.find("vorne_run.NUM_OPERATION = 2;"), std::string::npos);
}

}  // namespace

}  // namespace harnesstest
