// The analyser facade: set up from the settings, diagnostics raised as the
// compiler's messages.
#include "analyser/analyser.h"
#include "analyser/preprocessor.h"
#include "analyser/symbols_internal.h"
#include "config/settings.h"
#include "diag/diag.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

// The settings the driver would have filled, installed once for the program.
config::Settings& settings() {
    static config::Settings s;
    static const bool installed = (config::install(s), true);
    (void)installed;
    return s;
}

class Facade : public testing::Test {
protected:
    void SetUp() override {
        diag::resetForTesting();
        settings() = config::Settings{};
        ::unsetenv("HRUTGT");
        ::unsetenv("HRLTGT");
        analyser::decl::resetTable(analyser::decl::globalTable());
    }
    void TearDown() override {
        diag::resetForTesting();
        settings() = config::Settings{};
    }
    testsupport::ScratchDirectory dir;
};

TEST_F(Facade, StartsWithTheSettingsAndTheStandardDefinitions) {
    dir.write("inc/unit.h", "#define FROM_UNIT 3\n");
    dir.write("std.def", "#define FROM_STD 2\n#pragma vorne stop_analyse\n");
    auto& s = settings();
    s.includeDirectories = {"inc"};
    s.definitions = {"FROM_CMD=1"};
    s.stdDefineFile = "std.def";
    testing::internal::CaptureStderr();
    analyser::startAnalyser();
    analyser::analyseNativeCode("#include <unit.h>\n", "s.ptu", 10);
    const std::string out = analyser::preprocessText("FROM_CMD FROM_STD FROM_UNIT\n", "s.ptu", 12);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(out, "#line 12 \"s.ptu\"\n1 2 3\n");
    EXPECT_FALSE(analyser::analysisOn());
    analyser::endAnalyser();
}

TEST_F(Facade, DiagnosticsBecomeMessagesWithTheirLevels) {
    analyser::startAnalyser();
    testing::internal::CaptureStderr();
    analyser::analyseNativeCode("#include \"absent.h\"\n#define A 1\n#define A 2\n#if 1\n", "s.ptu", 20);
    analyser::endAnalyser();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Morvik-E-IMPOUVFIC,  [s.ptu:20] Cannot open the file absent.h\n"
              "Morvik-W-IDENREDEF,  [s.ptu:22] Warning: A redefined\n"
              "Morvik-W-UNTERCOND,  [s.ptu:23] unterminated #if conditional\n");
    EXPECT_EQ(diag::errorCount(), 1u);
    EXPECT_EQ(diag::warningCount(), 2u);
}

TEST_F(Facade, MatchLineIsAnInformation) {
    analyser::startAnalyser();
    testing::internal::CaptureStderr();
    analyser::analyseNativeCode("#if 1\n#else\n#else\n#endif\n", "", 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Morvik-W-ELIFAELSE,   else or elif after else\n"
              "Morvik-I-MATCHLINE,  Matches line  1\n");
    analyser::endAnalyser();
}

// The declarations of native code, and of the standard definitions, enter
// the run's table; later texts see the types of earlier ones.
TEST_F(Facade, NativeCodeIsAnalysedIntoTheRunsTable) {
    dir.write("std.def", "#pragma vorne sizeof(long) = 64\ntypedef unsigned long ulong_t;\n");
    settings().stdDefineFile = "std.def";
    analyser::startAnalyser();
    testing::internal::CaptureStderr();
    analyser::analyseNativeCode("#define COUNT 4\nulong_t counters[COUNT];\n", "s.ptu", 3);
    analyser::analyseNativeCode("int two names;\n", "s.ptu", 9);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Morvik-W-SYNTAXERR,  [s.ptu:9] Syntax error: int two names\n");
    const auto* counters = analyser::lookUpDeclaration("counters");
    ASSERT_NE(counters, nullptr);
    EXPECT_EQ(analyser::typeImage(analyser::declaredType(counters), "c"), "ulong_t c[4]");
    const analyser::KindMapping k = analyser::mapAnalysedType(analyser::declaredType(counters));
    EXPECT_EQ(k.kind, values::TypeKind::POINTEUR);
    EXPECT_EQ(analyser::lookUpDeclaration("two"), nullptr);
    analyser::endAnalyser();
}

TEST_F(Facade, TypesFromText) {
    analyser::startAnalyser();
    analyser::analyseNativeCode("struct S { int a; };\n", "s.ptu", 1);
    testing::internal::CaptureStderr();
    const auto* ulong = analyser::typeFromText("unsigned long");
    ASSERT_NE(ulong, nullptr);
    EXPECT_EQ(analyser::typeImage(ulong, ""), "unsigned long");
    EXPECT_EQ(analyser::mapAnalysedType(ulong).frenchName, "unsigned");
    EXPECT_EQ(analyser::typeImage(analyser::typeFromText("const struct S *[3]"), ""), "const struct S *[3]");
    EXPECT_EQ(analyser::typeFromText("not a type"), nullptr);
    EXPECT_EQ(analyser::typeFromText("x"), nullptr);
    EXPECT_EQ(analyser::typeFromText("int x"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "the analysis of a type text says nothing";
    EXPECT_EQ(analyser::lookUpDeclaration("__vorne_var"), nullptr);
    analyser::endAnalyser();
}

}  // namespace
