// Texts handed over one after the other: what persists between them, the
// forced flag and the analysis switch, the error count, close-down.
#include "prepro_fixture.h"

namespace {

using preprotest::Prepro;
using preprotest::captured;

TEST_F(Prepro, MacrosPersistFromOneTextToTheNext) {
    EXPECT_EQ(run("#define TWICE(x) x x\n"), "");
    EXPECT_EQ(run("TWICE(a)\n"), "a a");
    EXPECT_TRUE(captured().empty());
}

TEST_F(Prepro, StopAndStartPragmasWithAndWithoutTheForcedFlag) {
    EXPECT_EQ(run("#pragma vorne stop_analyse\nhidden\n#define X 1\n", false), "");
    EXPECT_FALSE(analyser::analysisOn());
    EXPECT_EQ(run("X unforced\n", false), "");
    EXPECT_EQ(run("X forced\n", true), "X forced");
    EXPECT_EQ(run("skipped\n#pragma vorne start_analyze\nshown X\n", false), "shown X");
    EXPECT_TRUE(analyser::analysisOn());
    // A forced text is not silenced by its own stop pragma, but the switch stays off after it.
    EXPECT_EQ(run("a\n#pragma vorne stop_analyse\nb\n", true), "a b");
    EXPECT_EQ(run("c\n", false), "");
    EXPECT_EQ(run("#pragma vorne start_analyse\nd\n", false), "d");
    EXPECT_TRUE(captured().empty());
}

TEST_F(Prepro, ConditionalsSpanTextsAndCloseDownReportsTheOpenOnes) {
    EXPECT_EQ(run("#ifdef NOT_DEFINED\n", true, "script.ptu"), "");
    EXPECT_EQ(run("hidden\n"), "");
    EXPECT_EQ(run("#else\nshown\n"), "shown");
    EXPECT_EQ(run("#endif\nafter\n"), "after");
    run("#if 1\n", true, "script.ptu");
    EXPECT_TRUE(captured().empty());
    analyser::CPP_prepro_end(false);
    ASSERT_EQ(captured().size(), 1u);
    EXPECT_EQ(captured()[0].code, "UNTERCOND");
    EXPECT_EQ(captured()[0].parameter, "if");
    EXPECT_EQ(captured()[0].file, "script.ptu");
    EXPECT_EQ(captured()[0].line, 1);
}

TEST_F(Prepro, CloseDownRemovesTheMacrosOfTextsButNotTheSpecialOnes) {
    run("#define M 1\n");
    analyser::addTypeModifier("__far", 0);
    analyser::CPP_prepro_end(false);
    EXPECT_EQ(run("M __STDC__ __LINE__ HRL_LINUX\n"), "M 1 1 HRL_LINUX");
    EXPECT_TRUE(analyser::typeModifiers().empty());
}

TEST_F(Prepro, ReturnsTheErrorsOfTheTextOnly) {
    run("#include \"missing.h\"\n#include <gone.h>\n");
    EXPECT_EQ(errors, 2);
    run("#warning only a warning\n");
    EXPECT_EQ(errors, 0);
    EXPECT_EQ(captured().back().severity, analyser::kWarning);
}

TEST_F(Prepro, PredefinedAndCommandLineMacros) {
    init({}, {"PLAIN", "VALUE=42", "JOINED=a\\\nb", "=nothing", "BAD-x", "EMPTY="});
    ASSERT_EQ(captured().size(), 2u);
    EXPECT_EQ(captured()[0].code, "MALFOROPT");
    EXPECT_EQ(captured()[0].parameter, "-D=nothing");
    EXPECT_EQ(captured()[1].parameter, "-DBAD-x");
    EXPECT_EQ(run("PLAIN VALUE JOINED [EMPTY] HRL_LINUX USE_HRU HRL_CPLUSPLUS_LANGUAGE\n"),
              "1 42 ab [] 1 1 1");
}

TEST_F(Prepro, CommandLineDefinitionsAreReadFromTheInitializationLevel) {
    init({}, {"DUP=1", "DUP=2"});
    ASSERT_EQ(captured().size(), 1u);
    EXPECT_EQ(captured()[0].code, "IDENREDEF");
    EXPECT_EQ(captured()[0].file, "*Initialization*");
    EXPECT_EQ(captured()[0].line, 1);
}

TEST_F(Prepro, IncludeLevelAndFileOfUnnamedAndNamedTexts) {
    EXPECT_EQ(run("__INCLUDE_LEVEL__ __FILE__ __LINE__\n", true, ""), "0 \"\" 0");
    EXPECT_EQ(run("__INCLUDE_LEVEL__ __FILE__ __BASE_FILE__\n", true, "named.c"),
              "0 \"named.c\" \"named.c\"");
}

TEST_F(Prepro, TypeModifiersAndBaseTypeSizes) {
    run("#pragma vorne type_modifier = _near\n#pragma vorne type_modifier = _near\n");
    ASSERT_EQ(analyser::typeModifiers().size(), 1u);
    analyser::addTypeModifier("_in", 0);
    analyser::addTypeModifier("_out", 2);
    ASSERT_NE(analyser::findTypeModifier("_out"), nullptr);
    EXPECT_EQ(analyser::findTypeModifier("_out")->number, 2);
    analyser::removeTypeModifier("_in");
    EXPECT_EQ(analyser::findTypeModifier("_in"), nullptr);
    EXPECT_EQ(analyser::baseTypeSizes().longBits, 32);
    EXPECT_EQ(run("#pragma vorne sizeof (long) = 64\n"), "#pragma vorne sizeof (long) = 64");
    EXPECT_EQ(analyser::baseTypeSizes().longBits, 64);
    EXPECT_FALSE(analyser::setBaseTypeSize("float", 32));
}

TEST_F(Prepro, LineMarkersFollowTheTextAndItsJumps) {
    const std::string output = raw("a\n\nb\n\n\n\n\n\n\n\n\n\n\nc\n", "n.c", 5);
    EXPECT_EQ(output, "#line 5 \"n.c\"\na\n\nb\n#line 18 \"n.c\"\nc\n");
    EXPECT_EQ(raw("x\n\n\ny\n", "", 1), "x\n\n\ny\n");
}

TEST_F(Prepro, AnExpansionStandsOnTheLineOfItsName) {
    const std::string output = raw("#define F(x) x\nint a;\n\n\nF(\nint b;\n)\nint c;\n", "m.c", 1);
    EXPECT_EQ(output, "#line 2 \"m.c\"\nint a;\n\n\nint b;\n\n\nint c;\n");
}

TEST_F(Prepro, NulBytesAreBlanksWithAWarning) {
    const std::string text("int a;\0int b;\n", 14);
    EXPECT_EQ(run(text), "int a; int b;");
    ASSERT_EQ(captured().size(), 1u);
    EXPECT_EQ(captured()[0].code, "ERRINLINE");
}

TEST_F(Prepro, EndOfTextInsideEverything) {
    for (const char* text : {"#if 1", "#define F(x) x\nF(1", "\"open", "/* open", "#ifdef",
                             "#define G(", "'", "?\?/", "#include <", "x\\"}) {
        captured().clear();
        run(text);
        analyser::CPP_prepro_end(false);
        init({}, {});
    }
    SUCCEED();
}

}  // namespace
