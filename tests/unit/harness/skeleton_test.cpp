// The harness skeleton: prologue, service functions, test and element
// blocks, main and the harness class, under the options that change them.
#include "harness_fixture.h"

#include "output/output.h"

namespace harnesstest {

namespace {

class Skeleton : public HarnessFixture {};

// What the unit under test of the worked example declares.
constexpr const char* kUnit = "int x, r; inline int f(int v) { return v; }\n";

constexpr const char* kWorkedExample = R"(HEADER mod, 1, 1
BEGIN
SERVICE s
TEST t
FAMILY nominal
ELEMENT
#r = f(x);
END ELEMENT
END TEST
END SERVICE
)";

const std::string kPrologue = "#ifndef USE_HRU\n#define USE_HRU 1\n#endif\n"
                              "#ifndef HRL_CPLUSPLUS_LANGUAGE\n#define HRL_CPLUSPLUS_LANGUAGE 1\n#endif\n"
                              "// PROGRAM G\n#include \"" VORNE_SOURCE_DIR "/target/lib/TP.h\"\n";

std::string mainOfOneService(const std::string& call) {
    return "#ifdef DRAV_MAIN_HEADER\n DRAV_MAIN_HEADER\n#else\nint main(int argc, char ** argv)\n{\n#endif\n"
           "try {\n   HRU_INIT_DATA\ntry {\n// BEGIN  PROCEDURE G\nvorne_run.OPF_CPP(\"G.rio\");\n\n" +
           call +
           "vorne_run.CLF_CPP(\"G.rio\");\n\n"
           "} catch (...) { vorne_run.EXCEP_CPP(0);\nvorne_run.CLF_CPP(\"G.rio\");\n\n}\n}\ncatch (...) { }\n"
           "\n#ifdef DRAV_MAIN_RETURN\n DRAV_MAIN_RETURN\n#else\n return(0);\n#endif\n\n}// end G\n"
           "\nHRU_TRACES_FILE(\"G.rio\")\n\n";
}

TEST_F(Skeleton, WorkedExampleWithoutVariables) {
    const Outputs out = compile(kWorkedExample);
    const std::string companionInclude = "#include \"" + (work_ / "G.icc").string() + "\"\n";
    EXPECT_EQ(out.generated, kPrologue + companionInclude +
                                 "void VORNE::TEST_S (void) { \ntry {\ntry {\n// BEGIN  PROCEDURE TEST_S\n"
                                 "#ifdef NEEDS_NUM_TEST_OPE\nvorne_run.NUM_OPERATION = 1;\n#endif /*NEEDS_NUM_TEST_OPE*/\n"
                                 "\n"
                                 "vorne_run.DCL_OP_CPP(1, \"S\");\n"
                                 "try {\n"
                                 "vorne_run.DCL_TST_CPP(2, \"T\");\n"
                                 "try {\n"
                                 "#define exception exception_1_1_1\n"
                                 "try {\n"
                                 "} catch (...) {vorne_run.EXCEP_CPP(1);}\n"
                                 "\n"
                                 "#ifdef NEEDS_NUM_TEST_OPE\nvorne_run.NUM_TEST = 1;\n#endif /*NEEDS_NUM_TEST_OPE*/\n"
                                 "vorne_run.START_CHRONO_CPP();\n"
                                 "try {\n"
                                 "r = f(x);\n"
                                 "} catch (...) { vorne_run.EXCEP_CPP(2);}\n"
                                 "vorne_run.STOP_CHRONO_CPP();\n"
                                 "try {\n"
                                 "} catch (...) { vorne_run.EXCEP_CPP(3);}\n"
                                 "#undef exception\n"
                                 "} catch (...) { vorne_run.EXCEP_CPP(1);\n"
                                 "}\n"
                                 "} catch (...) { vorne_run.EXCEP_CPP(1);\n"
                                 "} \n"
                                 "HRU_END_TEST_CPP();\n"
                                 "}\ncatch (...) { vorne_run.EXCEP_CPP(0);}\n}\ncatch (...) { }\n"
                                 "}// PROCEDURE TEST_S\n" +
                                 mainOfOneService("vorne.TEST_S();\n"));
    EXPECT_EQ(out.companion, "class VORNE {\npublic:\n    VORNE() {\n    };\n    ~VORNE() {\n    };\n"
                             "    void TEST_S();\n};\nVORNE vorne;\n");
    EXPECT_EQ(out.records, "E1 mod\nE2 1\nE10 1\nE0 mod , 1 , 1\nE17 0 3\nE16 0 4\nO1 S\nT2 T\nF3 nominal\n"
                           "E14 0 6\nB4 1\n");
    EXPECT_EQ(out.messages,
              "Morvik-W-ELMT_VIDE,  [t.ptu:8] ELEMENT block 1 without any variables to edit\n"
              "Morvik-W-TEST_VIDE,  [t.ptu:9] No variables in the test T\n");
    EXPECT_EQ(build(true, kUnit), "");
}

TEST_F(Skeleton, BeginWithoutServiceIsAnEmptyProgram) {
    const Outputs out = compile("HEADER m, 1, 1\nBEGIN\n");
    EXPECT_EQ(out.generated, kPrologue + mainOfOneService(""));
    EXPECT_EQ(out.companion, "class VORNE {\npublic:\n};\nVORNE vorne;\n");
    EXPECT_EQ(out.messages,
              "Morvik-E-PROG_VIDE,  [t.ptu:2] NO SERVICES IN THE TEST PROGRAM \n"
              "Morvik-E-PROGXVIDE,  [t.ptu:2] NO TEST SPECIFIED IN THE TEST PROGRAM \n");
    EXPECT_EQ(build(true, kUnit), "");
}

// Services of one name become TEST_A, TEST_A_1, TEST_A_2; long names are cut
// to 18 characters, and a cut name that collides is renamed silently.
TEST_F(Skeleton, ServiceNamesAreCutAndMadeUnique) {
    const Outputs out = compile(
        "HEADER m,1,1\nBEGIN\nSERVICE A\nEND SERVICE\nSERVICE a\nEND SERVICE\nSERVICE A\nEND SERVICE\n"
        "SERVICE ABCDEFGHIJKLMNOPQ_RS\nEND SERVICE\nSERVICE ABCDEFGHIJKLMNOP__X\nEND SERVICE\n"
        "SERVICE ABCDEFGHIJKLMNOPQ_ZZ\nEND SERVICE\n");
    const auto services = [&out] {
        std::vector<std::string> found;
        for (const std::string& line : lines(out.companion))
            if (line.starts_with("    void TEST_")) found.push_back(line.substr(14, line.size() - 17));
        return found;
    }();
    EXPECT_EQ(services, (std::vector<std::string>{"A", "A_1", "A_2", "ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKLMNOP_0",
                                                  "ABCDEFGHIJKLMNOPQ_1"}));
    EXPECT_NE(out.messages.find("Morvik-W-NOMOPEDBL,  [t.ptu:5] A service used more than once"), std::string::npos);
    EXPECT_NE(out.messages.find("[t.ptu:7] A service used more than once"), std::string::npos);
    EXPECT_EQ(out.messages.find("[t.ptu:13] ABCDEFGHIJKLMNOPQ service"), std::string::npos);
    // The records keep the full names.
    EXPECT_NE(out.records.find(" ABCDEFGHIJKLMNOPQ_RS\n"), std::string::npos);
    EXPECT_NE(out.generated.find("vorne.TEST_A_2();\n"), std::string::npos);
}

TEST_F(Skeleton, ServiceNameDiagnostics) {
    const Outputs out = compile("BEGIN\nSERVICE my-svc extra\nTEST t\nELEMENT\nEND ELEMENT\nEND TEST\nEND SERVICE\n");
    EXPECT_NE(out.messages.find("Morvik-I-LIGNERRON,  [t.ptu:2] Error in line: SERVICE my-svc extra"),
              std::string::npos);
    EXPECT_NE(out.messages.find("Morvik-E-CHARINVAL,  [t.ptu:2] Invalid character MY-SVC"), std::string::npos);
    EXPECT_NE(out.generated.find("void VORNE::TEST_MY_SVC (void) { "), std::string::npos);
}

// TEST t LOOP 3: the loop encloses the test body in the main stream and
// closes before the test's final catch.
TEST_F(Skeleton, ConstantTestLoop) {
    const Outputs out = compile("BEGIN\nSERVICE s\nTEST t LOOP 3\nFAMILY f\nELEMENT\nEND ELEMENT\nEND TEST\nEND SERVICE\n");
    const std::string body = out.generated;
    const auto loop = body.find("try {\nfor (J1 = 1 ; J1<=3;J1++ ){\nvorne_run.DCL_TST_CPP(2, \"T\");\n");
    EXPECT_NE(loop, std::string::npos);
    EXPECT_NE(body.find("}\n}\n} catch (...) { vorne_run.EXCEP_CPP(1);\n} \nHRU_END_TEST_CPP();\n"), std::string::npos);
    EXPECT_NE(out.records.find("T2 T\nR3 3\nF4 f\n"), std::string::npos);
    EXPECT_NE(out.companion.find("public:\n    VorneLoopCounter J1;\n    VORNE() {\n"), std::string::npos);
    EXPECT_EQ(build(true, kUnit), "");
}

TEST_F(Skeleton, LoopCountKnownOnlyAtRunTime) {
    const Outputs out = compile("BEGIN\n#const int n = 2;\nSERVICE s\nTEST t loop n\nFAMILY f\nELEMENT\n"
                                "END ELEMENT\nEND TEST\nEND SERVICE\n");
    EXPECT_NE(out.generated.find("for (J1 = 1 ; J1<=n;J1++ ){\n"), std::string::npos);
    EXPECT_NE(out.generated.find("vorne_run.STOP_CHRONO_CPP();\n"), std::string::npos);
    EXPECT_NE(out.generated.find("vorne_run.DCL_FAC_REP_CPP(3,n);\nvorne_run.STOP_CHRONO_CPP();\n"),
              std::string::npos);
    EXPECT_NE(out.records.find("T2 T\nR3 ?\nF4 f\n"), std::string::npos);
    EXPECT_EQ(build(true, kUnit), "");
}

TEST_F(Skeleton, RefusedLoopCounts) {
    const Outputs out = compile("BEGIN\nSERVICE s\nTEST a LOOP\nEND TEST\nTEST b LOOP 0\nEND TEST\n"
                                "TEST c LOOP 2.5\nEND TEST\nTEST LOOP 2\nEND TEST\nEND SERVICE\n");
    EXPECT_NE(out.messages.find("Morvik-W-INDBOUINC,  [t.ptu:3] Incorrect loop index: a LOOP"), std::string::npos);
    EXPECT_NE(out.messages.find("Morvik-E-VALBOUCER,  [t.ptu:5] LOOP index must be gretter than 1 0"),
              std::string::npos);
    EXPECT_NE(out.messages.find("Morvik-E-TYPBOUCLE,  [t.ptu:7] LOOP index must be integer 2.5"), std::string::npos);
    EXPECT_EQ(out.generated.find("for ("), std::string::npos);
    // "LOOP 2" with no name before it is the name.
    EXPECT_NE(out.records.find(" LOOP 2\n"), std::string::npos);
}

TEST_F(Skeleton, FrenchLoopKeyword) {
    option("FR");
    const Outputs out = compile("DEBUT\nSERVICE s\nTEST t BOUCLE 2\nFIN TEST\n");
    EXPECT_NE(out.generated.find("for (J1 = 1 ; J1<=2;J1++ ){\n"), std::string::npos);
    EXPECT_NE(out.messages.find("Missing keyword  FIN SERVICE"), std::string::npos);
}

TEST_F(Skeleton, NextTestStartsThePhases) {
    const Outputs out = compile("BEGIN\nSERVICE s\nTEST t1 first\nFAMILY f\nELEMENT\nEND ELEMENT\n"
                                "NEXT_TEST\nELEMENT\nEND ELEMENT\nNEXT_TEST again\nELEMENT\nEND ELEMENT\n"
                                "END TEST\nEND SERVICE\n");
    EXPECT_NE(out.records.find("T2 T1 FIRST\nF3 f\n"), std::string::npos);
    EXPECT_NE(out.records.find("T5 T1_PHASE_2\nF6 f\n"), std::string::npos);
    EXPECT_NE(out.records.find("T8 T1_PHASE_3 AGAIN\nF9 f\n"), std::string::npos);
    EXPECT_NE(out.generated.find("vorne_run.NUM_TEST = 3;"), std::string::npos);
    EXPECT_EQ(out.messages.find("MOTCLEABS"), std::string::npos);
    EXPECT_EQ(out.messages.find("BLOC_ABST"), std::string::npos);
}

TEST_F(Skeleton, NextTestWithoutTest) {
    const Outputs out = compile("BEGIN\nSERVICE s\nNEXT_TEST x\nEND TEST\nEND SERVICE\n");
    EXPECT_NE(out.messages.find("Morvik-E-MOTCLEABS,  [t.ptu:3] Missing keyword TEST"), std::string::npos);
    EXPECT_NE(out.records.find(" TEST_PHASE_1 X\n"), std::string::npos);
}

TEST_F(Skeleton, ElementDirectlyAfterService) {
    const Outputs out = compile("BEGIN\nSERVICE s\nELEMENT\nEND ELEMENT\nEND SERVICE\n");
    EXPECT_EQ(out.messages,
              "Morvik-E-ENTETEERR,  [t.ptu:1] HEADER keyword must be the first one \n"
              "Morvik-E-MOTCLEABS,  [t.ptu:3] Missing keyword TEST\n"
              "Morvik-W-BLOC_ABST,  [t.ptu:3] Missing block FAMILY\n"
              "Morvik-W-ELMT_VIDE,  [t.ptu:4] ELEMENT block 1 without any variables to edit\n"
              "Morvik-E-MOTCLEABS,  [t.ptu:5] Missing keyword END TEST\n"
              "Morvik-W-TEST_VIDE,  [t.ptu:5] No variables in the test INCONNU\n"
              "Morvik-E-PROGXVIDE,  [t.ptu:5] NO TEST SPECIFIED IN THE TEST PROGRAM \n");
    EXPECT_NE(out.generated.find("vorne_run.DCL_TST_CPP(2, \"INCONNU\");"), std::string::npos);
    EXPECT_EQ(build(true, kUnit), "");
}

TEST_F(Skeleton, NoExcepLeavesNoGuard) {
    option("NOEXCEP");
    const Outputs out = compile(kWorkedExample);
    for (const std::string& line : lines(out.generated + out.companion)) {
        EXPECT_EQ(line.find("try {"), std::string::npos) << line;
        EXPECT_EQ(line.find("catch"), std::string::npos) << line;
        EXPECT_EQ(line.find("exception"), std::string::npos) << line;
    }
    EXPECT_EQ(out.companion, "class VORNE {\npublic:\n    void TEST_S();\n};\nVORNE vorne;\n");
    EXPECT_EQ(build(true, kUnit), "");
}

TEST_F(Skeleton, NoEditLeavesNoRunTimeDeclaration) {
    option("NOEDIT");
    const Outputs out = compile(kWorkedExample);
    for (const char* call : {"DCL_OP_CPP", "DCL_TST_CPP", "DCL_FAC_REP_CPP", "START_CHRONO_CPP", "STOP_CHRONO_CPP",
                             "EXCEP_CPP", "OPF_CPP", "CLF_CPP"})
        EXPECT_EQ(out.generated.find(call), std::string::npos) << call;
    for (const char* kept : {"vorne_run.NUM_OPERATION = 1;", "vorne_run.NUM_TEST = 1;", "HRU_END_TEST_CPP();",
                             "   HRU_INIT_DATA\n", "HRU_TRACES_FILE(\"G.rio\")", "} catch (...) { \n} \n",
                             "}\ncatch (...) { }\n}\ncatch (...) { }\n}// PROCEDURE TEST_S\n",
                             "} catch (...) {}\n}\ncatch (...) { }\n"})
        EXPECT_NE(out.generated.find(kept), std::string::npos) << kept;
    // "O" and "T" keep the number, which does not advance.
    EXPECT_NE(out.records.find("O1 S\nT1 T\nF1 nominal\nE14 0 6\nB2 1\n"), std::string::npos);
    EXPECT_EQ(build(true, kUnit), "");
}

// Without declaration analysis the constants block precedes the first
// service function, once.
TEST_F(Skeleton, ConstantsBlockWithoutAnalysis) {
    option("NOANALYZE");
    const Outputs out = compile("BEGIN\nSERVICE a\nEND SERVICE\nSERVICE b\nEND SERVICE\n");
    const std::string block = "// declaration des constantes \n// aucune constante\n#include \"";
    EXPECT_NE(out.generated.find(block), std::string::npos);
    EXPECT_EQ(out.generated.find("// declaration des constantes", out.generated.find(block) + 1), std::string::npos);
}

TEST_F(Skeleton, ClassOption) {
    option("CLASS", "Harness");
    const Outputs out = compile(kWorkedExample);
    EXPECT_NE(out.generated.find("void Harness::TEST_S (void) { \n"), std::string::npos);
    EXPECT_EQ(lines(out.companion).back(), "Harness vorne;");
    EXPECT_EQ(build(false, kUnit), "");
}

// An EXCEPTION text turns the call section's guard into the expected
// exception's catch clauses and gives the class its exception object.
TEST_F(Skeleton, ElementWithExpectedException) {
    const Outputs out = compile(
        "BEGIN\n#struct MyErr { int code; MyErr(int c) : code(c) {} };\nSERVICE s\nTEST t\nFAMILY f\nELEMENT\n"
        "EXCEPTION MyErr(3)\n#throw MyErr(3);\nEND ELEMENT\nEND TEST\nEND SERVICE\n");
    EXPECT_NE(out.generated.find(
                  "throw MyErr(3);\n"
                  "vorne_run.EXCEP_CPP(5,\"MyErr\");\n"
                  "} catch ( MyErr  e ) { HRW_EXCEP_REFCPY(exception, e);  vorne_run.EXCEP_CPP(6,\"MyErr\"); }\n"
                  "  catch ( MyErr *e ) { HRW_EXCEP_PTRCPY(exception, e);  vorne_run.EXCEP_CPP(6,\"MyErr\"); }\n"
                  "catch (...) { vorne_run.EXCEP_CPP(2);}\n"),
              std::string::npos);
    EXPECT_EQ(out.companion, "class VORNE {\npublic:\n    MyErr *exception_1_1_1;\n    VORNE() {\n"
                             "        exception_1_1_1 = new MyErr(3);\n    };\n    ~VORNE() {\n"
                             "        delete exception_1_1_1;\n    };\n    void TEST_S();\n};\nVORNE vorne;\n");
    EXPECT_EQ(out.messages.find("ELMT_VIDE"), std::string::npos);
    EXPECT_EQ(out.messages.find("TEST_VIDE"), std::string::npos);
    EXPECT_EQ(build(true, kUnit), "");
}

// OPF_CPP, CLF_CPP and HRU_TRACES_FILE carry the rio path as a C++ literal.
TEST_F(Skeleton, RioPathIsWrittenAsALiteral) {
    rioPath_ = "out\\x\"y.rio";
    const Outputs out = compile("BEGIN\nSERVICE s\nEND SERVICE\n");
    EXPECT_NE(out.generated.find("vorne_run.OPF_CPP(\"out\\\\x\\\"y.rio\");\n"), std::string::npos);
    EXPECT_NE(out.generated.find("vorne_run.CLF_CPP(\"out\\\\x\\\"y.rio\");\n"), std::string::npos);
    EXPECT_NE(out.generated.find("HRU_TRACES_FILE(\"out\\\\x\\\"y.rio\")\n"), std::string::npos);
    EXPECT_EQ(output::stringLiteralBody("a?" "?=b\n"), "a?\\?=b\\012");
    EXPECT_EQ(build(true, kUnit), "");
}

TEST_F(Skeleton, InitializationAndTerminationCode) {
    const Outputs out = compile("BEGIN\nINITIALIZATION\n#vorne_run.NUM_TEST = 0;\nEND INITIALIZATION\n"
                                "TERMINATION\n#vorne_run.NUM_TEST = 1;\nEND TERMINATION\nSERVICE s\nTEST t\nFAMILY f\n"
                                "ELEMENT\nEND ELEMENT\nEND TEST\nEND SERVICE\n");
    EXPECT_NE(out.generated.find("vorne_run.OPF_CPP(\"G.rio\");\n\nvorne_run.NUM_TEST = 0;\nvorne.TEST_S();\n"
                                 "vorne_run.NUM_TEST = 1;\nvorne_run.CLF_CPP"),
              std::string::npos);
    EXPECT_EQ(build(true, kUnit), "");
}

}  // namespace

}  // namespace harnesstest
