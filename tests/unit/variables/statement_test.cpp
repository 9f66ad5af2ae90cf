// VAR statements end to end through the dispatcher: what is generated under
// the options that change it, the scopes of structures, and hostile
// statements that must end with a diagnostic.
#include "variables_fixture.h"

namespace variablestest {

namespace {

class Statements : public VariablesFixture {};

TEST_F(Statements, NoExcepLeavesOutTheGuardsAndTheExceptionVariables) {
    option("NOEXCEP");
    const Outputs out = compile(inElement("VAR x, int, INIT = 1, EV = 1\nVAR exception.code, int, INIT = 1, EV = 1\n"
                                          "VAR p, point, INIT = (1), EV = (1)\n",
                                          "DEFINE STRUCTURE point\nFIELD a = int\nEND DEFINE\n"));
    EXPECT_TRUE(contains(out.generated, "vorne_run.EDV_INTEGER_CPP(0,0,(long)(x),0+5,10, (long)(1), (long)(1));\n"
                                        "vorne_run.OPEN_BRA_CPP(6);\n"));
    EXPECT_FALSE(contains(out.generated, " } catch (...) { }"));
    EXPECT_FALSE(contains(out.generated, "ERV_CPP"));
    EXPECT_FALSE(contains(out.generated, "exception.code"));
    EXPECT_TRUE(balanced(out.generated));
}

TEST_F(Statements, NoEditWritesInitialisationsOnly) {
    option("NOEDIT");
    const Outputs out = compile(inElement("VAR x, int, INIT = y, EV = 1\nVAR s, string, INIT = t, EV = \"a\"\n"
                                          "ARRAY t[0..1], int, INIT = 0, EV = 0\n"));
    EXPECT_TRUE(contains(out.generated, "x = y;\n"));
    EXPECT_TRUE(contains(out.generated, "vorne_run.INI_STR_CPP((char *)(s), 0, 0+"));
    EXPECT_TRUE(contains(out.generated, "for( I1=0;I1 <= 1;++I1){\nt[I1] = 0;\n}\n"));
    for (const char* absent : {"PTU_", "EDV_", "MODE_TAB", "for( I1=0;I1 <= 1;++I1){\n}"})
        EXPECT_FALSE(contains(out.generated, absent)) << absent;
    EXPECT_EQ(count(out.records, "\nV"), 3) << out.records;
}

TEST_F(Statements, InitNoInitHasNoInitialisationAndNoLoopInTheInitSection) {
    const Outputs out = compile(inElement("VAR t[1..2], int, INIT ==, EV == \n"));
    EXPECT_EQ(count(out.generated, "for( I1=1;I1 <= 2;++I1){"), 1);
    EXPECT_TRUE(contains(out.generated, "vorne_run.EDV_INTEGER_CPP(0,1,(long)(t[I1]),((0)*2)+I1-(1)+5,10, (long)(0), (")) << out.generated;
}

TEST_F(Statements, VariablesStandInsideElements) {
    const Outputs out = compile("HEADER m, 1, 1\nBEGIN\nSERVICE s\nTEST t\nVAR x, int, INIT = 1, EV = 1\n"
                                "END TEST\nEND SERVICE\n");
    EXPECT_TRUE(contains(out.messages, "MOTCLEABS,  [t.ptu:5] Missing keyword ELEMENT")) << out.messages;
    EXPECT_TRUE(contains(out.messages, "LIGNERRON,  [t.ptu:5] Error in line: VAR x, int, INIT = 1, EV = 1"));
}

TEST_F(Statements, SequenceGivesEachVariableAnElementOfItsOwn) {
    const Outputs out = compile("HEADER m, 1, 1\nBEGIN\nSERVICE s\nTEST t\nFAMILY f\nSEQUENCE\n"
                                "VAR x, int, INIT = 1, EV = 1\nVAR y, int, INIT = 2, EV = 2\nEND SEQUENCE\n"
                                "END TEST\nEND SERVICE\n");
    EXPECT_EQ(count(out.generated, "#define exception"), 2);
    EXPECT_FALSE(contains(out.messages, "ELMT_VIDE")) << out.messages;
}

TEST_F(Statements, ADeselectedTestIsCheckedButTakesNoNumber) {
    option("TEST", "other");
    const Outputs out = compile(inElement("VAR x, integ, INIT = 1, EV = 1\nVAR y, int, INIT = 1, EV = 1\n"));
    EXPECT_TRUE(contains(out.messages, "TYPEINCON")) << out.messages;
    EXPECT_FALSE(contains(out.records, "\nV")) << out.records;
}

TEST_F(Statements, AStructureDefinedTwiceKeepsItsFirstDefinition) {
    const Outputs out = compile(inElement("VAR p, point, INIT = (1), EV = (1)\n",
                                          "DEFINE STRUCTURE point\nFIELD a = int\nEND DEFINE\n"
                                          "DEFINE STRUCTURE point\nFIELD b = int\nFIELD c = int\nEND DEFINE\n"));
    EXPECT_EQ(count(out.messages, "DUPSTRNAM"), 1);
    EXPECT_TRUE(contains(out.generated, "p.a = 1;"));
    EXPECT_FALSE(contains(out.generated, "p.b"));
}

TEST_F(Statements, StructuresFormatsAndDeclarationsEndWithTheirScope) {
    const Outputs out = compile("HEADER m, 1, 1\nBEGIN\nSERVICE s\nTEST t\nFAMILY f\n"
                                "DEFINE STRUCTURE local\nFIELD a = int\nEND DEFINE\nDECLARE d = int\n"
                                "FORMAT d = HEXA\nELEMENT\nVAR v, local, INIT = (1), EV = (1)\nVAR d, INIT = 1, EV = 1\n"
                                "END ELEMENT\nEND TEST\nTEST u\nFAMILY f\nELEMENT\nVAR v, local, INIT = (1), EV = (1)\n"
                                "VAR d, INIT = 1, EV = 1\nEND ELEMENT\nEND TEST\nEND SERVICE\n");
    EXPECT_TRUE(contains(out.messages, "[t.ptu:19] Unknown type local")) << out.messages;
    EXPECT_TRUE(contains(out.messages, "[t.ptu:20] Unknown type ")) << out.messages;
    EXPECT_EQ(count(out.messages, "TYPEINCON"), 2);
}

TEST_F(Statements, AnUnclosedStructureDefinitionIsClosedByTheNextStatement) {
    const Outputs out = compile(inElement("VAR p, point, INIT = (1), EV = (1)\n",
                                          "DEFINE STRUCTURE point\nFIELD a = int\n"));
    EXPECT_TRUE(contains(out.messages, "MOTCLEABS,  [t.ptu:5] Missing keyword END DEFINE")) << out.messages;
    EXPECT_TRUE(contains(out.generated, "p.a = 1;"));
}

// Every element of a run-time loop is checked under a number of its own, the
// number of the element's record plus its flat index, so the next record
// takes the number after the last element: results never meet another
// record's number.
TEST_F(Statements, RunTimeLoopsTakeANumberPerElement) {
    const Outputs out = compile(inElement("VAR t[1..3], int, INIT = 0, EV = 0\n"
                                          "VAR m[0..1][2..0], int, INIT = 0, EV = 0\n"
                                          "VAR pts[0..2], point, INIT = (0, 0), EV = (0, 0)\n"
                                          "ARRAY v[0..1], int, INIT = 0, EV = 0\n"
                                          "VAR x, int, INIT = 0, EV = 0\n",
                                          "DEFINE STRUCTURE point\nFIELD a = int\nFIELD b = int\nEND DEFINE\n"));
    for (const char* record : {"\nV5 t[1..3] ", "\nV8 m[0..1][2..0] ", "\nV15 pts[0..2].a ", "\nV18 pts[0..2].b ",
                               "\nV23 v[0..1] ", "\nV26 x "})
        EXPECT_TRUE(contains(out.records, record)) << record << "\n" << out.records;
    for (const char* call : {"((((0)*2)+I1-(0))*3)-I2+(2)+8,", "vorne_run.OPEN_BRA_CPP(14);", "((0)*3)+I1-(0)+18,",
                             "vorne_run.CLOSE_BRA_CPP(21);", "vorne_run.SET_MODE_TAB_CPP(22);",
                             "vorne_run.UNSET_MODE_TAB_CPP(25);", "(long)(x),0+26,"})
        EXPECT_TRUE(contains(out.generated, call)) << call << "\n" << out.generated;
}

// The numbers of the elements stay within the int the harness computes them
// in: a loop nest or a run of loops that would pass it ends with BORSUPINC.
TEST_F(Statements, ElementsBeyondTheLastStructureNumberAreRefused) {
    const Outputs out = compile(inElement("VAR m[0..99999][0..99999], int, INIT = 0, EV = 0\n"
                                          "VAR a[1..1500000000], int, INIT = 0, EV = 0\n"
                                          "VAR b[1..1500000000], int, INIT = 0, EV = 0\n"
                                          "VAR x, int, INIT = 0, EV = 0\n"));
    EXPECT_TRUE(contains(out.messages, "BORSUPINC,  [t.ptu:7] Bad upper boundary 99999")) << out.messages;
    EXPECT_TRUE(contains(out.messages, "BORSUPINC,  [t.ptu:9] Bad upper boundary b[I1]")) << out.messages;
    EXPECT_EQ(count(out.messages, "BORSUPINC"), 2) << out.messages;
    EXPECT_TRUE(contains(out.records, "\nV5 a[1..1500000000] ")) << out.records;
    EXPECT_TRUE(contains(out.records, "\nV1500000005 x ")) << out.records;
}

// A number written for a long double is a long double literal, so that the
// unit's 0.1L is what the check expects.
TEST_F(Statements, LongDoubleValuesAreLongDoubleLiterals) {
    const Outputs out = compile(inElement("VAR ld, longdouble, INIT = 0.1, EV = 1, DELTA = 10%\n"
                                          "VAR l, longdouble, INIT IN {0.5, 2}, EV = INIT\n"
                                          "VAR d, double, INIT = 0.1, EV = 0.1\n"));
    EXPECT_TRUE(contains(out.generated, "ld = 0.1L;")) << out.generated;
    EXPECT_TRUE(contains(out.generated, "(long double)(ld),0+5,(long double)(0.9L),(\nlong double)(0.11E1L));"))
        << out.generated;
    EXPECT_TRUE(contains(out.generated, "(J1 == 1 ? 0.5L :0.2E1L)")) << out.generated;
    EXPECT_TRUE(contains(out.generated, "d = 0.1;")) << out.generated;
}

TEST_F(Statements, LongDescriptionRecordsContinueOnFollowingLines) {
    const std::string name(150, 'v');
    const Outputs out = compile(inElement("VAR " + name + ", int, INIT = 1, EV = 1\n"));
    const std::string record = "V5 " + name + " INIT=1 VA=1";
    EXPECT_TRUE(contains(out.records, record.substr(0, 132) + "\n&" + record.substr(132) + "\n")) << out.records;
}

TEST_F(Statements, UnnamedStructurePlaceholdersBecomeBlanks) {
    const Outputs out = compile(inElement("VAR s._unamedStruct2.a, int, INIT = 1, EV = 1\n"
                                          "VAR s . _unamedStruct.u._unamedStruct10.b, int, INIT = 1, EV = 1\n"
                                          "VAR _unamedStruct1.c, int, INIT = 1, EV = 1\n"));
    EXPECT_TRUE(contains(out.generated, "\ns.               a = 1;\n")) << out.generated;
    const std::string nested = "\ns." + std::string(14, ' ') + "u." + std::string(16, ' ') + "b = 1;\n";
    EXPECT_TRUE(contains(out.generated, nested)) << "written without blanks by the expressions";
    EXPECT_TRUE(contains(out.generated, "\n_unamedStruct1.c = 1;\n")) << "only members are unnamed";
}

TEST_F(Statements, FrenchClauseWords) {
    option("FR");
    const Outputs out = compile("ENTETE m, 1, 1\nDEBUT\nSERVICE s\nTEST t\nFAMILLE f\nELEMENT\n"
                                "VAR x, int, INIT DANS {1, 2}, VA DANS {1, 2}\n"
                                "VAR y, int, INIT DE 1 A 5 INCREMENT 0, VA = 1\n"
                                "VAR z, int, INIT DE 1 A 5 NB_HASARD 3 +BORNES, VA = 1\n"
                                "VAR VA = 1, INIT = 2\n"
                                "FIN ELEMENT\nFIN TEST\nFIN SERVICE\n");
    EXPECT_EQ(count(out.messages, "-E-"), 2) << out.messages;
    EXPECT_TRUE(contains(out.messages, "INCREMENT,  [t.ptu:8] invalid increment value: 0"));
    EXPECT_TRUE(contains(out.messages, "VARNAMMSG,  [t.ptu:10]"));
}

// ---- Hostile statements ----------------------------------------------------------

class Hostile : public VariablesFixture {};

std::string repeated(const std::string& piece, int times, const std::string& separator = {}) {
    std::string out;
    for (int i = 0; i < times; ++i) out += (i ? separator : "") + piece;
    return out;
}

TEST_F(Hostile, AVariableTextOfTheLongestStatement) {
    const std::string name(8191, 'v');
    const Outputs out = compile(inElement("VAR " + name + ", int, INIT = 1, EV = 1\n"));
    EXPECT_TRUE(contains(out.generated, name + " = 1;"));
    EXPECT_TRUE(balanced(out.generated));
}

TEST_F(Hostile, ValuesNestedTenThousandDeep) {
    const std::string deep = repeated("(", 10000) + "1" + repeated(")", 10000);
    const std::string list = repeated("[", 10000) + "1" + repeated("]", 10000);
    const Outputs out = compile(inElement("VAR x, int, INIT = " + deep + ", EV = 1\n"
                                          "VAR t[0..0], int, INIT = " + list + ", EV = 1\n"
                                          "VAR p, point, INIT = " + deep + ", EV = (1)\n",
                                          "DEFINE STRUCTURE point\nFIELD a = int\nEND DEFINE\n"));
    EXPECT_EQ(count(out.messages, "LIGNERRON"), 3) << out.messages.substr(0, 2000);
    EXPECT_TRUE(balanced(out.generated));
}

TEST_F(Hostile, AStructureContainingItself) {
    const Outputs out = compile(inElement("VAR l, link, INIT = (1, (2, (3))), EV = (1, (2, (3)))\n"
                                          "VAR w, wrapper, INIT = ((1, (2))), EV = ((1, (2)))\n",
                                          "DEFINE STRUCTURE link\nFIELD value = int\nFIELD next = link\n"
                                          "END DEFINE\nDEFINE STRUCTURE wrapper\nFIELD inner = link\nEND DEFINE\n"
                                          "DECLARE d = link\n"));
    EXPECT_EQ(count(out.messages, "STRRECURS"), 3) << out.messages;
    EXPECT_FALSE(contains(out.generated, "l.value"));
}

TEST_F(Hostile, AnArrayOfTwoToTheThirtyOneElements) {
    const Outputs out = compile(inElement("VAR t[0..2147483647], int, INIT = 0, EV = 0\n"
                                          "VAR t[1..2147483648], int, INIT = [0, 1], EV = 0\n"
                                          "VAR t[0..2147483646], int, INIT = [0, 1], EV = 0\n"
                                          "VAR t[0..99999999999999999999999999], int, INIT = 0, EV = 0\n"));
    EXPECT_EQ(count(out.messages, "BORSUPINC"), 3) << out.messages;
    EXPECT_EQ(count(out.messages, "LISTEINIT"), 1) << out.messages;
    EXPECT_FALSE(contains(out.generated, "t[0] ="));
}

TEST_F(Hostile, ListsOfTenThousandItems) {
    const std::string items = repeated("7", 10000, ",");
    const Outputs out = compile(inElement("VAR x, int, INIT IN {" + items + "}, EV = 1\n"
                                          "VAR t[0..9999], int, INIT = [" + items + "], EV = 7\n"
                                          "VAR p, point, INIT = (" + items + "), EV = (1, 2)\n",
                                          "DEFINE STRUCTURE point\nFIELD a = int\nFIELD b = int\nEND DEFINE\n"));
    EXPECT_EQ(count(out.messages, "NBVALLIST"), 1) << out.messages.substr(0, 2000);
    EXPECT_EQ(count(out.messages, "LISTEINVA"), 1);
    EXPECT_EQ(count(out.generated, "] = 7;"), 10000);
    EXPECT_TRUE(contains(out.records, "V10004 t[9999] INIT=7 VA=7"));
}

}  // namespace

}  // namespace variablestest

namespace variablestest {

namespace {

class ValueLists : public VariablesFixture {};

std::string numberedLists(int count, const std::string& form) {
    std::string lines;
    for (int i = 1; i <= count; ++i) lines += "VAR v" + std::to_string(i) + ", int, " + form + ", EV = 1\n";
    return lines;
}

TEST_F(ValueLists, EightLoopsInATestAtMost) {
    const Outputs out = compile(inElement(numberedLists(5, "INIT IN {1, 2}") +
                                          numberedLists(4, "INIT FROM 1 TO 3 NB_TIMES 2")));
    EXPECT_EQ(count(out.messages, "NBINITDYN"), 1) << out.messages;
    EXPECT_TRUE(contains(out.messages, "[t.ptu:15] Number of INIT IN and INIT FROM too big in the current test v4"));
    EXPECT_EQ(count(out.generated, "for (J"), 5);
    EXPECT_EQ(count(out.generated, " for ( J"), 3);
    EXPECT_TRUE(balanced(out.generated));
}

TEST_F(ValueLists, SixtyFourListsInATestAtMost) {
    const Outputs out = compile(inElement("VAR a, int, INIT IN {1, 2}, EV = 1\n" +
                                          numberedLists(64, "INIT (a) WITH {3, 4}") +
                                          "VAR b, int, INIT = 0, EV (a) IN {0, 0}\n"));
    EXPECT_EQ(count(out.messages, "NBVAINOVE"), 1) << out.messages;
    EXPECT_EQ(count(out.generated, "#define tab_init_avec"), 64);
}

TEST_F(ValueLists, AnExpectedListNeedsACounter) {
    const Outputs out = compile(inElement("VAR k, int, INIT = 0, EV IN {0, 0}\n"));
    EXPECT_TRUE(contains(out.messages, "VAINIT_IN,  [t.ptu:7]")) << out.messages;
    EXPECT_FALSE(contains(out.generated, "tab_vain"));
}

TEST_F(ValueLists, AHundredValuesAreAccepted) {
    std::string items = "0";
    for (int i = 1; i < 100; ++i) items += "," + std::to_string(i);
    const Outputs out = compile(inElement("VAR x, int, INIT IN {" + items + "}, EV = INIT\n"));
    EXPECT_FALSE(contains(out.messages, "NBVALLIST")) << out.messages;
    EXPECT_TRUE(contains(out.generated, "(J1 == 99 ? 98 :99" + std::string(99, ')') + "\n"));
    EXPECT_TRUE(contains(out.records, "\nR5 100\n")) << out.records;
}

TEST_F(ValueLists, StepRangesDeclareTheirRepetitionsExceptUnderNoEdit) {
    const std::string script = inElement("VAR s, int, INIT FROM 0 TO 9 STEP 3, EV = INIT\n");
    const Outputs out = compile(script);
    EXPECT_TRUE(contains(out.generated, "vorne_run.DCL_FAC_REP_CPP(5,(int)((9 - (0))/3 + 1));\n")) << out.generated;
    EXPECT_TRUE(contains(out.records, "\nE12 0 7\nR5 ?\nV6 s INIT FROM 0 TO 9 VA=INIT\n")) << out.records;
    option("NOEDIT");
    EXPECT_FALSE(contains(compile(script).generated, "DCL_FAC_REP_CPP"));
}

TEST_F(ValueLists, BoundedRandomValuesBeginAtTheUpperBoundAndEndAtTheLower) {
    const Outputs out = compile(inElement("VAR r, double, INIT FROM 0.0 TO 1.0 NB_RANDOM 3 +BOUNDS, EV = INIT\n"));
    const std::size_t table = out.generated.find("float rand1[] = { 0.0, ");
    ASSERT_NE(table, std::string::npos) << out.generated;
    EXPECT_EQ(out.generated.substr(out.generated.find('\n', table) - 10, 10), ", -10.0 };");
}

}  // namespace

}  // namespace variablestest
