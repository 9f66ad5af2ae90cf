// Keyword recognition and dispatch: which handler each statement reaches,
// with what text, and the messages on the way.
#include "script_fixture.h"

#include <utility>

namespace {

using script::StatementKind;
using Kind = StatementKind;

struct Call {
    Kind kind;
    std::string keyword;
    std::string rest;
    std::string text;
    bool operator==(const Call&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Call& c) {
    return out << "{" << static_cast<int>(c.kind) << ", " << c.keyword << ", \"" << c.rest << "\", \"" << c.text
               << "\"}";
}

std::vector<Call>& calls() {
    static std::vector<Call> c;
    return c;
}

template <Kind K>
void recordCall(const script::Statement& s) {
    calls().push_back({K, s.keyword, s.rest, s.text});
}

template <std::size_t... I>
script::HandlerTable recordingTable(std::index_sequence<I...>) {
    return {&recordCall<static_cast<Kind>(I)>...};
}

class Dispatch : public scripttest::ScriptTest {
protected:
    void SetUp() override {
        ScriptTest::SetUp();
        calls().clear();
        handlers_ = recordingTable(std::make_index_sequence<script::kKindCount>());
        handlers_[static_cast<std::size_t>(Kind::Coverage)] = nullptr;
    }

    // Dispatches the statements and returns what they printed.
    std::string dispatch(std::initializer_list<std::string_view> statements) {
        testing::internal::CaptureStderr();
        for (const auto text : statements) script::dispatchStatement(text, handlers_);
        return testing::internal::GetCapturedStderr();
    }

    void useLanguage(int language) { driver::settings().keywordLanguage = language; }

    script::HandlerTable handlers_{};
};

TEST_F(Dispatch, KeywordsInAnyLetterCase) {
    EXPECT_EQ(dispatch({"service  s1", "Test  t one", "element", "Var x, init = 1", "end Element",
                        "STRUCTURE s", "str s2", "array a", "initialisation", "Initialization",
                        "REQUIREMENT r", "comment c", "FAR", "ELSE_SIMUL"}),
              "");
    EXPECT_EQ(calls(), (std::vector<Call>{
                           {Kind::Service, "SERVICE", "s1", "service  s1"},
                           {Kind::Test, "TEST", "t one", "Test  t one"},
                           {Kind::Element, "ELEMENT", "", "element"},
                           {Kind::Variable, "VAR", "x, init = 1", "Var x, init = 1"},
                           {Kind::EndElement, "END", "", "end Element"},
                           {Kind::StructureVariable, "STRUCTURE", "s", "STRUCTURE s"},
                           {Kind::StructureVariable, "STR", "s2", "str s2"},
                           {Kind::ArrayVariable, "ARRAY", "a", "array a"},
                           {Kind::Initialization, "INITIALISATION", "", "initialisation"},
                           {Kind::Initialization, "INITIALIZATION", "", "Initialization"},
                           {Kind::Requirement, "REQUIREMENT", "r", "REQUIREMENT r"},
                           {Kind::Comment, "COMMENT", "c", "comment c"},
                           {Kind::Far, "FAR", "", "FAR"},
                           {Kind::ElseSimul, "ELSE_SIMUL", "", "ELSE_SIMUL"},
                       }));
}

TEST_F(Dispatch, FrenchKeywords) {
    useLanguage(driver::kFrench);
    EXPECT_EQ(dispatch({"entete m, 1, 1", "debut", "operation o", "fop", "fserv", "ftest", "famille f",
                        "ffam", "fel", "registre r", "fsimul", "environnement e", "fenvir", "utilise e",
                        "fsegment", "systeme s", "ffar", "fnear", "type_service t", "tab t", "champ c",
                        "si c", "sinon", "finsi", "terminaison", "sinon_simul", "acces a",
                        "acces_service a", "herite h", "muet m", "test_suite", "liste l", "inclure ptu",
                        "fin famille", "fin environnement", "fin definir", "fin si", "fin terminaison",
                        "definir structure s"}),
              "Morvik-E-MOTCLEABS,  Missing keyword TEST\n");
    std::vector<Kind> kinds;
    for (const auto& c : calls()) kinds.push_back(c.kind);
    EXPECT_EQ(kinds, (std::vector<Kind>{
                         Kind::Header, Kind::Begin, Kind::Service, Kind::EndService, Kind::EndService,
                         Kind::EndTest, Kind::Family, Kind::EndFamily, Kind::EndElement, Kind::Register,
                         Kind::EndSimul, Kind::Environment, Kind::EndEnvironment, Kind::Use,
                         Kind::EndSegment, Kind::System, Kind::EndFar, Kind::EndNear, Kind::ServiceType,
                         Kind::ArrayVariable, Kind::Field, Kind::If, Kind::Else, Kind::EndIf,
                         Kind::Termination, Kind::ElseSimul, Kind::Access, Kind::ServiceAccess,
                         Kind::Inherit, Kind::Stub, Kind::Test, Kind::Family, Kind::List, Kind::IncludePtu,
                         Kind::EndFamily, Kind::EndEnvironment, Kind::EndDefine, Kind::EndIf,
                         Kind::EndTermination, Kind::DefineStructure,
                     }));
    EXPECT_EQ(script::keywordLanguage(), driver::kFrench);
}

// The first keyword may switch the keyword language once; afterwards the
// keywords of the other language are unknown.
TEST_F(Dispatch, OneTimeLanguageSwitch) {
    EXPECT_EQ(dispatch({"FAMILLE nominal", "HEADER h", "FAMILY f", "FFAM"}),
              "Morvik-I-LANSWITCH,  Incorrect value for VORNELAN environment variable: it should be 'FR'\n"
              "Morvik-W-STXMETAIN,  Unknown keyword: HEADER h\n"
              "Morvik-W-STXMETAIN,  Unknown keyword: FAMILY f\n");
    EXPECT_EQ(script::keywordLanguage(), driver::kFrench);
    EXPECT_EQ(calls().size(), 2u);

    SetUp();
    useLanguage(driver::kFrenchAlternate);
    EXPECT_EQ(dispatch({"header h", "entete e"}),
              "Morvik-I-LANSWITCH,  Incorrect value for VORNELAN environment variable: elle devrait etre 'GB'\n"
              "Morvik-W-STXMETAIN,  Unknown keyword: entete e\n");
    EXPECT_EQ(script::keywordLanguage(), driver::kEnglish);
}

// A keyword of both languages first: the language never changes.
TEST_F(Dispatch, BothLanguagesKeywordFixesTheLanguage) {
    EXPECT_EQ(dispatch({"TEST t", "FAMILLE f", "FAMILY g"}), "Morvik-W-STXMETAIN,  Unknown keyword: FAMILLE f\n");
    EXPECT_EQ(script::keywordLanguage(), driver::kEnglish);
    ASSERT_EQ(calls().size(), 2u);
    EXPECT_EQ(calls()[1].kind, Kind::Family);
}

// Unknown keywords do not use up the switch.
TEST_F(Dispatch, UnknownKeywordsLeaveTheSwitch) {
    EXPECT_EQ(dispatch({"FOO bar", "& x", "(y)", "ENTETE m"}),
              "Morvik-W-STXMETAIN,  Unknown keyword: FOO bar\n"
              "Morvik-W-STXMETAIN,  Unknown keyword: & x\n"
              "Morvik-W-STXMETAIN,  Unknown keyword: (y)\n"
              "Morvik-I-LANSWITCH,  Incorrect value for VORNELAN environment variable: it should be 'FR'\n");
    EXPECT_EQ(calls().size(), 1u);
}

TEST_F(Dispatch, UndefinedKeywordLanguage) {
    useLanguage(5);
    EXPECT_EQ(dispatch({"TEST t"}), "Morvik-W-LANGANDEF,  Undefined language \n"
                                    "Morvik-W-STXMETAIN,  Unknown keyword: TEST t\n");
    EXPECT_TRUE(calls().empty());
    EXPECT_EQ(diag::warningCount(), 2u);
}

// Missing parameters and a trailing ";" are reported; the statement still runs.
TEST_F(Dispatch, ParameterChecks) {
    EXPECT_EQ(dispatch({"SERVICE", "HEADER", "BEGIN", "VAR x, init = 1;", "COMMENT a;", "REQUIREMENT r;",
                        "ELEMENT;", "END"}),
              "Morvik-E-STXVALEXP,  SERVICE keyword parameter not found\n"
              "Morvik-W-STXVALEXP,  HEADER keyword parameter not found\n"
              "Morvik-W-LIGNERRON,  Error in line: VAR x, init = 1;\n"
              "Morvik-W-LIGNERRON,  Error in line: REQUIREMENT r;\n"
              "Morvik-W-LIGNERRON,  Error in line: ELEMENT;\n"
              "Morvik-W-STXVALEXP,  END keyword parameter not found\n");
    EXPECT_EQ(diag::errorCount(), 1u);
    EXPECT_EQ(calls().size(), 7u);  // END alone does nothing further
}

TEST_F(Dispatch, SecondWords) {
    EXPECT_EQ(dispatch({"END  test  extra", "DEFINE STRUCTURE s", "define stub st 5", "INCLUDE code x.h",
                        "end foo bar", "DEFINE", "INCLUDE SEGMENTS x", "END FAMILLE", "END (x)"}),
              "Morvik-W-STXMETAIN,  Unknown keyword: END foo bar\n"
              "Morvik-E-STXVALEXP,  DEFINE keyword parameter not found\n"
              "Morvik-W-STXMETAIN,  Unknown keyword: INCLUDE SEGMENTS x\n"
              "Morvik-W-STXMETAIN,  Unknown keyword: END FAMILLE\n"
              "Morvik-W-STXMETAIN,  Unknown keyword: END (x)\n");
    EXPECT_EQ(calls(), (std::vector<Call>{
                           {Kind::EndTest, "END", "extra", "END  test  extra"},
                           {Kind::DefineStructure, "DEFINE", "s", "DEFINE STRUCTURE s"},
                           {Kind::DefineStub, "DEFINE", "st 5", "define stub st 5"},
                           {Kind::IncludeCode, "INCLUDE", "x.h", "INCLUDE code x.h"},
                       }));
}

// The unknown second word is reported with the keyword of the current language.
TEST_F(Dispatch, SecondWordsInFrench) {
    useLanguage(driver::kFrench);
    EXPECT_EQ(dispatch({"FIN truc", "DEFINIR stub s", "INCLURE rien", "FIN INITIALIZATION"}),
              "Morvik-W-STXMETAIN,  Unknown keyword: FIN truc\n"
              "Morvik-W-STXMETAIN,  Unknown keyword: DEFINIR stub s\n"
              "Morvik-W-STXMETAIN,  Unknown keyword: INCLURE rien\n"
              "Morvik-W-STXMETAIN,  Unknown keyword: FIN INITIALIZATION\n");
    EXPECT_TRUE(calls().empty());
}

TEST_F(Dispatch, DefineStubNeedsAnalysis) {
    driver::settings().analysis = false;
    EXPECT_EQ(dispatch({"DEFINE STUB s 3", "DEFINE STRUCTURE t"}),
              "Morvik-W-MOTCLEANA,  DEFINE STUB s 3 keyword only accepted with the ANALYSE option.\n");
    ASSERT_EQ(calls().size(), 1u);
    EXPECT_EQ(calls()[0].kind, Kind::DefineStructure);
}

TEST_F(Dispatch, KindsWithoutHandler) {
    EXPECT_EQ(dispatch({"COV x", "COV", "COUV"}), "Morvik-W-STXMETAIN,  Unknown keyword: COV x\n"
                                                  "Morvik-E-STXVALEXP,  COV keyword parameter not found\n"
                                                  "Morvik-W-STXMETAIN,  Unknown keyword: COV\n"
                                                  "Morvik-W-STXMETAIN,  Unknown keyword: COUV\n");
    handlers_[static_cast<std::size_t>(Kind::DefineStub)] = nullptr;
    EXPECT_EQ(dispatch({"DEFINE STUB s"}), "Morvik-W-STXMETAIN,  Unknown keyword: DEFINE STUB s\n");
    handlers_[static_cast<std::size_t>(Kind::EndSimul)] = nullptr;
    EXPECT_EXIT(script::dispatchStatement("END SIMUL", handlers_), testing::ExitedWithCode(9),
                "Morvik-S-ERRINTFCT,  Internal error in the function gene_fin ");
}

// NEXT_TEST ends the remembered test and starts its next phase, with its family.
TEST_F(Dispatch, NextTestPhases) {
    EXPECT_EQ(dispatch({"TEST t1 loop 2", "FAMILY nominal, robust", "NEXT_TEST second", "NEXT_TEST"}), "");
    EXPECT_EQ(calls(), (std::vector<Call>{
                           {Kind::Test, "TEST", "t1 loop 2", "TEST t1 loop 2"},
                           {Kind::Family, "FAMILY", "nominal, robust", "FAMILY nominal, robust"},
                           {Kind::EndTest, "END", "", "END TEST"},
                           {Kind::Test, "TEST", "T1_PHASE_2 second", "TEST T1_PHASE_2 second"},
                           {Kind::Family, "FAMILY", "nominal, robust", "FAMILY nominal, robust"},
                           {Kind::EndTest, "END", "", "END TEST"},
                           {Kind::Test, "TEST", "T1_PHASE_3", "TEST T1_PHASE_3"},
                           {Kind::Family, "FAMILY", "nominal, robust", "FAMILY nominal, robust"},
                       }));
}

// END TEST forgets the test; a new TEST forgets the family.
TEST_F(Dispatch, NextTestAfterTheEnd) {
    useLanguage(driver::kFrench);
    EXPECT_EQ(dispatch({"TEST a", "FAMILLE f", "FIN TEST", "TEST_SUITE x", "TEST b", "TEST_SUITE"}),
              "Morvik-E-MOTCLEABS,  Missing keyword TEST\n");
    std::vector<std::string> rests;
    for (const auto& c : calls()) rests.push_back(c.rest);
    EXPECT_EQ(rests, (std::vector<std::string>{"a", "f", "", "TEST_PHASE_1 x", "b", "", "B_PHASE_2"}));
    EXPECT_EQ(calls()[5].text, "FIN TEST");
}

// Under SEQUENCE each variable statement is an element of its own.
TEST_F(Dispatch, SequenceEnclosesVariables) {
    EXPECT_FALSE(script::sequenceActive());
    EXPECT_EQ(dispatch({"SEQUENCE", "VAR x, init = 1", "ARRAY a", "END SEQUENCE", "STR s"}), "");
    EXPECT_FALSE(script::sequenceActive());
    std::vector<Kind> kinds;
    for (const auto& c : calls()) kinds.push_back(c.kind);
    EXPECT_EQ(kinds, (std::vector<Kind>{Kind::Sequence, Kind::Element, Kind::Variable, Kind::EndElement,
                                        Kind::Element, Kind::ArrayVariable, Kind::EndElement,
                                        Kind::EndSequence, Kind::StructureVariable}));
    EXPECT_EQ(calls()[3].text, "END ELEMENT");
}

}  // namespace
