// The ways of writing: routing between the sections and the suppression
// flags, as the structure statements drive them.
#include "harness_fixture.h"

namespace harnesstest {

namespace {

class Writers : public HarnessFixture {};

// The init writer falls back to the main stream outside a test; the main
// stream writer of tests writes nothing outside one; a check outside an
// element joins the test body.
TEST_F(Writers, RoutingFollowsTheStructure) {
    const Outputs out = compile("BEGIN\n!INIT init-before\n!MAININTEST lost\nSERVICE s\nTEST t\nFAMILY f\n"
                                "ELEMENT\n!INIT in-init\n!CHECK in-check\n!MAININTEST in-main\n!CLOSING in-closing\n"
                                "#in-call\nEND ELEMENT\n!CHECK check-outside-element\nEND TEST\nEND SERVICE\n");
    const std::string& g = out.generated;
    EXPECT_NE(g.find("// PROGRAM G\n#include"), std::string::npos);
    EXPECT_NE(g.find("init-before\n"), std::string::npos);
    EXPECT_EQ(g.find("lost"), std::string::npos);
    const auto position = [&g](const char* text) { return g.find(text); };
    EXPECT_LT(position("in-main"), position("vorne_run.DCL_TST_CPP"));
    EXPECT_LT(position("try {\nin-init\n} catch (...) {vorne_run.EXCEP_CPP(1);}"), position("in-call"));
    EXPECT_LT(position("in-call"), position("in-check"));
    EXPECT_LT(position("in-check"), position("check-outside-element"));
    EXPECT_LT(position("check-outside-element"), position("} catch (...) { vorne_run.EXCEP_CPP(1);\n}\n"));
    EXPECT_LT(position("} catch (...) { vorne_run.EXCEP_CPP(1);\n}\n"), position("in-closing"));
    EXPECT_LT(position("in-closing"), position("HRU_END_TEST_CPP();"));
}

TEST_F(Writers, SuppressionFlagsSilenceTheWriters) {
    const Outputs out = compile("BEGIN\nSERVICE s\nTEST t\nFAMILY f\nELEMENT\n!FLAG 4\n#hidden\n!INIT hidden\n"
                                "!FLAG -4\n!FLAG 5\n!CHECK hidden\n!RECORD hidden\n!INIT shown\n!FLAG -5\n"
                                "END ELEMENT\nEND TEST\nEND SERVICE\n");
    EXPECT_EQ(out.generated.find("hidden"), std::string::npos);
    EXPECT_EQ(out.records.find("hidden"), std::string::npos);
    EXPECT_NE(out.generated.find("shown"), std::string::npos);
}

TEST_F(Writers, LongTestNamesStayInTheirLiteral) {
    const std::string name = "A TEST WHOSE NAME IS MUCH LONGER THAN THE EIGHTY COLUMNS OF A FOLDED LINE, IN FACT";
    const Outputs out = compile("BEGIN\nSERVICE s\nTEST " + name + "\nFAMILY f\nELEMENT\nEND ELEMENT\nEND TEST\n"
                                "END SERVICE\n");
    EXPECT_NE(out.generated.find("vorne_run.DCL_TST_CPP(2, \n\"" + name + "\");\n"), std::string::npos);
    EXPECT_EQ(build(false), "");
}

TEST_F(Writers, RuptureAndLoopCounters) {
    const Outputs out = compile("BEGIN\nSERVICE s\nTEST t\nFAMILY f\nELEMENT\n!RUPT 7\n!COUNTER I3\n"
                                "END ELEMENT\nEND TEST\nEND SERVICE\n");
    EXPECT_NE(out.generated.find("vorne_run.RUPT_CPP(7);\n"), std::string::npos);
    EXPECT_NE(out.companion.find("public:\n    int I1;\n    int I2;\n    int I3;\n"), std::string::npos);
}

}  // namespace

}  // namespace harnesstest
