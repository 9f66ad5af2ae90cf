// The statement dispatcher: the keyword tables, the keyword language with its
// one-time switch, the parameter checks, the hand-over of native code to the
// analyser and the call of the handler of each statement kind.
#include "analyser/analyser.h"
#include "config/settings.h"
#include "diag/diag.h"
#include "diag/strings.h"
#include "harness/harness.h"
#include "script/filestack.h"
#include "script/script_internal.h"

#include <optional>
#include <span>

namespace script {

namespace {

using Kind = StatementKind;

enum class LanguageClass : unsigned char { French, English, Both };
enum class Parameter : unsigned char { Free, Expected, Required };

struct MainKeyword {
    std::string_view text;
    LanguageClass language;
    Kind kind;
    Parameter parameter;  // what an empty rest gives: nothing, a warning, an error
};

constexpr LanguageClass FR = LanguageClass::French;
constexpr LanguageClass EN = LanguageClass::English;
constexpr LanguageClass BOTH = LanguageClass::Both;
constexpr Parameter FREE = Parameter::Free;
constexpr Parameter EXPECTED = Parameter::Expected;
constexpr Parameter REQUIRED = Parameter::Required;

// Looked up in this order; the first match wins.
constexpr MainKeyword kMainKeywords[] = {
    {"ENTETE", FR, Kind::Header, EXPECTED},
    {"OPERATION", BOTH, Kind::Service, REQUIRED},
    {"SERVICE", BOTH, Kind::Service, REQUIRED},
    {"FOP", FR, Kind::EndService, FREE},
    {"FSERV", FR, Kind::EndService, FREE},
    {"TEST", BOTH, Kind::Test, REQUIRED},
    {"FTEST", FR, Kind::EndTest, FREE},
    {"FAMILLE", FR, Kind::Family, EXPECTED},
    {"FFAM", FR, Kind::EndFamily, FREE},
    {"ELEMENT", BOTH, Kind::Element, FREE},
    {"FEL", FR, Kind::EndElement, FREE},
    {"VAR", BOTH, Kind::Variable, REQUIRED},
    {"REGISTRE", FR, Kind::Register, REQUIRED},
    {"SIMUL", BOTH, Kind::Simul, FREE},
    {"FSIMUL", FR, Kind::EndSimul, FREE},
    {"ELSE_SIMUL", BOTH, Kind::ElseSimul, FREE},
    {"CONST", BOTH, Kind::Constants, REQUIRED},
    {"COMMENT", BOTH, Kind::Comment, FREE},
    {"ENVIRONNEMENT", FR, Kind::Environment, REQUIRED},
    {"FENVIR", FR, Kind::EndEnvironment, FREE},
    {"UTILISE", FR, Kind::Use, REQUIRED},
    {"SEGMENT", BOTH, Kind::Segment, REQUIRED},
    {"FSEGMENT", FR, Kind::EndSegment, FREE},
    {"SYSTEME", FR, Kind::System, REQUIRED},
    {"FAR", BOTH, Kind::Far, FREE},
    {"FFAR", FR, Kind::EndFar, FREE},
    {"NEAR", BOTH, Kind::Near, FREE},
    {"FNEAR", FR, Kind::EndNear, FREE},
    {"DEBUT", FR, Kind::Begin, FREE},
    {"TYPE_SERVICE", FR, Kind::ServiceType, EXPECTED},
    {"FIN", FR, Kind::End, EXPECTED},
    {"TAB", FR, Kind::ArrayVariable, REQUIRED},
    {"HEADER", EN, Kind::Header, EXPECTED},
    {"FAMILY", EN, Kind::Family, EXPECTED},
    {"REGISTER", EN, Kind::Register, REQUIRED},
    {"ENVIRONMENT", EN, Kind::Environment, REQUIRED},
    {"USE", EN, Kind::Use, REQUIRED},
    {"SYSTEM", EN, Kind::System, REQUIRED},
    {"BEGIN", EN, Kind::Begin, FREE},
    {"SERVICE_TYPE", EN, Kind::ServiceType, EXPECTED},
    {"END", EN, Kind::End, EXPECTED},
    {"ARRAY", EN, Kind::ArrayVariable, REQUIRED},
    {"EXCEPTION", BOTH, Kind::Exception, REQUIRED},
    {"INCLUDE", EN, Kind::Include, REQUIRED},
    {"INCLURE", FR, Kind::Include, REQUIRED},
    {"DEFINIR", FR, Kind::Define, REQUIRED},
    {"DEFINE", EN, Kind::Define, REQUIRED},
    {"CHAMP", FR, Kind::Field, REQUIRED},
    {"FIELD", EN, Kind::Field, REQUIRED},
    {"SI", FR, Kind::If, REQUIRED},
    {"IF", EN, Kind::If, REQUIRED},
    {"SINON", FR, Kind::Else, FREE},
    {"ELSE", EN, Kind::Else, FREE},
    {"FINSI", FR, Kind::EndIf, FREE},
    {"ENDIF", EN, Kind::EndIf, FREE},
    {"STRUCTURE", BOTH, Kind::StructureVariable, REQUIRED},
    {"DECLARE", BOTH, Kind::Declare, REQUIRED},
    {"INITIALISATION", BOTH, Kind::Initialization, FREE},
    {"TERMINAISON", FR, Kind::Termination, FREE},
    {"TERMINATION", EN, Kind::Termination, FREE},
    {"SINON_SIMUL", FR, Kind::ElseSimul, FREE},
    {"ACCES", FR, Kind::Access, REQUIRED},
    {"ACCESS", EN, Kind::Access, REQUIRED},
    {"ACCES_SERVICE", FR, Kind::ServiceAccess, REQUIRED},
    {"SERVICE_ACCESS", EN, Kind::ServiceAccess, REQUIRED},
    {"TABLE", BOTH, Kind::Table, REQUIRED},
    {"FORMAT", BOTH, Kind::Format, REQUIRED},
    {"HERITE", FR, Kind::Inherit, REQUIRED},
    {"INHERITE", EN, Kind::Inherit, REQUIRED},
    {"MUET", FR, Kind::Stub, REQUIRED},
    {"STUB", EN, Kind::Stub, REQUIRED},
    {"INIT_BASE", BOTH, Kind::InitBase, REQUIRED},
    {"STR", BOTH, Kind::StructureVariable, REQUIRED},
    {"TEST_SUITE", FR, Kind::NextTest, FREE},
    {"NEXT_TEST", EN, Kind::NextTest, FREE},
    {"SEQUENCE", BOTH, Kind::Sequence, FREE},
    {"COV", EN, Kind::Coverage, REQUIRED},
    {"COUV", FR, Kind::Coverage, REQUIRED},
    {"LIST", EN, Kind::List, REQUIRED},
    {"LISTE", FR, Kind::List, REQUIRED},
    {"INITIALIZATION", EN, Kind::Initialization, FREE},
    {"REQUIREMENT", BOTH, Kind::Requirement, FREE},
};
static_assert(std::size(kMainKeywords) == 82);

struct SecondWord {
    std::string_view text;
    LanguageClass language;
    Kind kind;
};

constexpr SecondWord kEndWords[] = {
    {"OPERATION", BOTH, Kind::EndService},
    {"SERVICE", BOTH, Kind::EndService},
    {"TEST", BOTH, Kind::EndTest},
    {"FAMILLE", FR, Kind::EndFamily},
    {"FAMILY", EN, Kind::EndFamily},
    {"ELEMENT", BOTH, Kind::EndElement},
    {"SIMUL", BOTH, Kind::EndSimul},
    {"ENVIRONNEMENT", FR, Kind::EndEnvironment},
    {"ENVIRONMENT", EN, Kind::EndEnvironment},
    {"SEGMENT", BOTH, Kind::EndSegment},
    {"FAR", BOTH, Kind::EndFar},
    {"NEAR", BOTH, Kind::EndNear},
    {"DEFINIR", FR, Kind::EndDefine},
    {"DEFINE", EN, Kind::EndDefine},
    {"SI", FR, Kind::EndIf},
    {"IF", EN, Kind::EndIf},
    {"INITIALISATION", BOTH, Kind::EndInitialization},
    {"INITIALIZATION", EN, Kind::EndInitialization},
    {"TERMINAISON", FR, Kind::EndTermination},
    {"TERMINATION", EN, Kind::EndTermination},
    {"SEQUENCE", BOTH, Kind::EndSequence},
};
static_assert(std::size(kEndWords) == 21);

constexpr SecondWord kDefineWords[] = {
    {"STRUCTURE", BOTH, Kind::DefineStructure},
    {"MUET", FR, Kind::DefineStub},
    {"STUB", EN, Kind::DefineStub},
};
static_assert(std::size(kDefineWords) == 3);

constexpr SecondWord kIncludeWords[] = {
    {"CODE", BOTH, Kind::IncludeCode},
    {"PTU", BOTH, Kind::IncludePtu},
    {"SEGMENT", BOTH, Kind::IncludeSegment},
};
static_assert(std::size(kIncludeWords) == 3);

// What the dispatcher remembers between statements.
struct DispatchState {
    std::optional<int> keywordLanguage;  // the run's until the switch
    bool switchAllowed = true;           // the keyword language may still change once
    bool sequence = false;
    std::optional<std::string> phaseBase;  // the test NEXT_TEST continues
    int phase = 0;
    std::optional<std::string> family;  // re-applied to each next phase
};

DispatchState& state() {
    static DispatchState s;
    return s;
}

// The run's keyword language until the script's first keyword switches it.
int& currentKeywordLanguage() {
    auto& language = state().keywordLanguage;
    if (!language) language = config::settings().keywordLanguage;
    return *language;
}

// Accepts a keyword of the class in the keyword language; the first accepted
// keyword of the script may switch the language, once, and the generation
// then writes its texts in the language switched to.
bool accepted(LanguageClass language) {
    int& keywordLanguage = currentKeywordLanguage();
    const bool french = values::frenchKeywords(keywordLanguage);
    if (!french && keywordLanguage != values::kEnglish) {
        diag::warning("LANGANDEF");
        return false;
    }
    auto& d = state();
    const bool otherLanguage = language == (french ? EN : FR);
    if (!otherLanguage) {
        d.switchAllowed = false;
        return true;
    }
    if (!d.switchAllowed) return false;
    d.switchAllowed = false;
    // The message speaks the language the script leaves.
    diag::info("LANSWITCH", values::inLanguage(keywordLanguage, "elle devrait etre 'GB'", "it should be 'FR'"));
    keywordLanguage = french ? values::kEnglish : values::kFrench;
    output::useKeywordLanguage(keywordLanguage);
    return true;
}

const MainKeyword* findMainKeyword(std::string_view word) {
    for (const auto& entry : kMainKeywords)
        if (entry.text == word) return &entry;
    return nullptr;
}

const SecondWord* findSecondWord(std::span<const SecondWord> table, std::string_view word) {
    for (const auto& entry : table)
        if (entry.text == word) return &entry;
    return nullptr;
}


std::string mainKeywordText(Kind kind) {
    switch (kind) {
    case Kind::End: return keywordText("FIN", "END");
    case Kind::Define: return keywordText("DEFINIR", "DEFINE");
    default: return keywordText("INCLURE", "INCLUDE");
    }
}

Statement madeStatement(std::string keyword, std::string rest, std::string text) {
    return Statement{std::move(keyword), std::move(rest), std::move(text)};
}

void checkParameter(const MainKeyword& keyword, const Statement& statement) {
    if (statement.rest.empty()) {
        if (keyword.parameter == REQUIRED) diag::error("STXVALEXP", statement.text);
        if (keyword.parameter == EXPECTED) diag::warning("STXVALEXP", statement.text);
    } else if (keyword.kind != Kind::Comment && statement.text.back() == ';') {
        diag::warning("LIGNERRON", statement.text);
    }
}

// Native code written since the previous statement: declarations outside
// tests and code blocks; a DEFINE STUB block keeps its lines for END DEFINE.
void handOverNativeCode() {
    if (!config::settings().analysis || harness::inDefineStubBlock()) return;
    auto pieces = nativeCollection().take();
    if (pieces.empty()) return;
    const std::string file = diag::currentFile();
    const int line = diag::currentLine();
    if (!harness::inTest() && !harness::inInitializationBlock() && !harness::inTerminationBlock())
        for (const auto& piece : pieces)
            analyser::analyseNativeCode(piece.text, piece.fileName, piece.firstLine);
    diag::setCurrentFile(file);
    diag::setCurrentLine(line);
}

void call(Kind kind, const Statement& statement, const HandlerTable& handlers) {
    if (const auto handler = handlerOf(handlers, kind)) handler(statement);
}

// The rules that go with the call of a handler.
void callHandler(Kind kind, const Statement& statement, const HandlerTable& handlers) {
    auto& d = state();
    if (!handlerOf(handlers, kind)) {
        diag::warning("STXMETAIN", statement.text);
        return;
    }
    switch (kind) {
    // TEST name: the next phases continue this test, with no family yet
    case Kind::Test: {
        std::string word, rest;
        diag::SPLIT_WORD(statement.rest, word, rest);
        d.phaseBase = word;
        d.phase = 1;
        d.family.reset();
        break;
    }
    // FAMILY names: re-applied to the next phases
    case Kind::Family: d.family = statement.rest; break;
    // SEQUENCE / END SEQUENCE
    case Kind::Sequence: d.sequence = true; break;
    case Kind::EndSequence: d.sequence = false; break;
    default: break;
    }
    call(kind, statement, handlers);
    // END TEST: no phase follows
    if (kind == Kind::EndTest) {
        d.phaseBase.reset();
        d.family.reset();
    }
}

// NEXT_TEST [text]: ends the remembered test and starts its next phase.
void nextTestPhase(const Statement& statement, const HandlerTable& handlers) {
    auto& d = state();
    if (!d.phaseBase) {
        diag::error("MOTCLEABS", "TEST");
        d.phaseBase = "TEST";
        d.phase = 1;
    } else {
        const std::string end = keywordText("FIN", "END");
        call(Kind::EndTest, madeStatement(end, {}, end + " TEST"), handlers);
        ++d.phase;
    }
    std::string name = *d.phaseBase + "_PHASE_" + std::to_string(d.phase);
    if (!statement.rest.empty()) name += " " + statement.rest;
    call(Kind::Test, madeStatement("TEST", name, "TEST " + name), handlers);
    if (d.family) {
        const std::string family = keywordText("FAMILLE", "FAMILY");
        call(Kind::Family, madeStatement(family, *d.family, family + " " + *d.family), handlers);
    }
}

// VAR, ARRAY, STRUCTURE under SEQUENCE: each in an element of its own.
void variableStatement(Kind kind, const Statement& statement, const HandlerTable& handlers) {
    if (!state().sequence) {
        callHandler(kind, statement, handlers);
        return;
    }
    const std::string end = keywordText("FIN", "END");
    call(Kind::Element, madeStatement("ELEMENT", {}, "ELEMENT"), handlers);
    callHandler(kind, statement, handlers);
    call(Kind::EndElement, madeStatement(end, {}, end + " ELEMENT"), handlers);
}

// END word, DEFINE word, INCLUDE word: the second word has a table of its own.
void dispatchSecondWord(Kind mainKind, const Statement& statement, const HandlerTable& handlers) {
    if (statement.rest.empty()) return;
    std::span<const SecondWord> table = kIncludeWords;
    if (mainKind == Kind::End) table = kEndWords;
    if (mainKind == Kind::Define) table = kDefineWords;
    std::string word, rest;
    diag::SPLIT_WORD(statement.rest, word, rest);
    const SecondWord* entry = findSecondWord(table, word);
    if (!entry || !accepted(entry->language)) {
        diag::warning("STXMETAIN", mainKeywordText(mainKind) + " " + statement.rest);
        return;
    }
    const Statement inner = madeStatement(statement.keyword, diag::trim(rest), statement.text);
    if (entry->kind == Kind::DefineStub && !config::settings().analysis) {
        diag::warning("MOTCLEANA", statement.keyword + " " + statement.rest);
        return;
    }
    if (mainKind == Kind::End && !handlerOf(handlers, entry->kind))
        diag::internalError("ERRINTFCT", "gene_fin ");
    callHandler(entry->kind, inner, handlers);
}

void run(Kind kind, const Statement& statement, const HandlerTable& handlers) {
    switch (kind) {
    // END word ..., DEFINE word ..., INCLUDE word ...
    case Kind::End:
    case Kind::Define:
    case Kind::Include: dispatchSecondWord(kind, statement, handlers); break;
    // NEXT_TEST [text]
    case Kind::NextTest: nextTestPhase(statement, handlers); break;
    // VAR ..., ARRAY ..., STRUCTURE ...
    case Kind::Variable:
    case Kind::ArrayVariable:
    case Kind::StructureVariable: variableStatement(kind, statement, handlers); break;
    // every other statement: its handler
    default: callHandler(kind, statement, handlers); break;
    }
}

}  // namespace

void dispatchStatement(std::string_view text, const HandlerTable& handlers) {
    Statement statement;
    statement.text = std::string(text);
    diag::SPLIT_WORD(text, statement.keyword, statement.rest);
    statement.rest = diag::trim(statement.rest);
    const MainKeyword* keyword = findMainKeyword(statement.keyword);
    if (!keyword || !accepted(keyword->language)) {
        diag::warning("STXMETAIN", statement.text);
        return;
    }
    checkParameter(*keyword, statement);
    handOverNativeCode();
    run(keyword->kind, statement, handlers);
}

bool sequenceActive() { return state().sequence; }

int keywordLanguage() { return currentKeywordLanguage(); }

std::string keywordText(std::string_view french, std::string_view english) {
    return std::string(values::inLanguage(keywordLanguage(), french, english));
}

namespace detail {

void resetDispatchForTesting() { state() = DispatchState{}; }

}  // namespace detail

}  // namespace script
