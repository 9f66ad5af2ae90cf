// Which handler compiles which statement: the one table from statement kind to
// handler. Statements whose compilers are not built yet go to a seam of their
// own, named after the stage that will compile them; a seam reads the
// statement and does nothing with it.
#include "script/script_internal.h"

#include "diag/diag.h"
#include "harness/harness.h"
#include "variables/variables.h"

namespace script {

namespace {

using Kind = StatementKind;

// Environments and USE.
namespace environmentSeam {
void environment(const Statement&) {}
void endEnvironment(const Statement&) {}
void use(const Statement&) {}
}  // namespace environmentSeam

// Stubs.
namespace stubSeam {
void defineStub(const Statement&) {}
void stub(const Statement&) {}
}  // namespace stubSeam

// END DEFINE closes a structure definition or a stub block.
void endDefine(const Statement&) {
    if (variables::structureDefinitionOpen()) {
        variables::closeStructureDefinition();
        return;
    }
    if (harness::inDefineStubBlock()) return;
    diag::error("MOTCLEABS", output::inKeywordLanguage("DEFINIR", "DEFINE"));
}

// The other statements.
namespace otherSeam {
void registerStatement(const Statement&) {}
void simul(const Statement&) {}
void endSimul(const Statement&) {}
void elseSimul(const Statement&) {}
void segment(const Statement&) {}
void endSegment(const Statement&) {}
void system(const Statement&) {}
void far(const Statement&) {}
void endFar(const Statement&) {}
void nearBlock(const Statement&) {}
void endNear(const Statement&) {}
void serviceType(const Statement&) {}
void ifStatement(const Statement&) {}
void elseStatement(const Statement&) {}
void endIf(const Statement&) {}
void access(const Statement&) {}
void serviceAccess(const Statement&) {}
void table(const Statement&) {}
void inherit(const Statement&) {}
void initBase(const Statement&) {}
}  // namespace otherSeam

// List checks.
namespace listSeam {
void list(const Statement&) {}
}  // namespace listSeam

// VAR, ARRAY and STRUCTURE: one handler with the form the keyword asks for.
void variable(const Statement& s) { variables::handleVariable(s, variables::VariableForm::Plain); }
void arrayVariable(const Statement& s) { variables::handleVariable(s, variables::VariableForm::Array); }
void structureVariable(const Statement& s) { variables::handleVariable(s, variables::VariableForm::Structure); }

struct HandlerEntry {
    Kind kind;
    StatementHandler handler;
};

// END, DEFINE and INCLUDE are dispatched on their second word; NEXT_TEST is
// composed by the dispatcher from END TEST, TEST and FAMILY; COV has no
// handler and is reported as an unknown keyword.
constexpr HandlerEntry kHandlerEntries[] = {
    {Kind::Header, harness::handleHeader},
    {Kind::Begin, harness::handleBegin},
    {Kind::Service, harness::handleService},
    {Kind::EndService, harness::handleEndService},
    {Kind::Test, harness::handleTest},
    {Kind::EndTest, harness::handleEndTest},
    {Kind::Family, harness::handleFamily},
    {Kind::EndFamily, harness::handleEndFamily},
    {Kind::Element, harness::handleElement},
    {Kind::EndElement, harness::handleEndElement},
    {Kind::Comment, harness::handleComment},
    {Kind::Requirement, harness::handleRequirement},
    {Kind::Sequence, harness::handleSequence},
    {Kind::EndSequence, harness::handleEndSequence},
    {Kind::Initialization, harness::handleInitialization},
    {Kind::EndInitialization, harness::handleEndInitialization},
    {Kind::Termination, harness::handleTermination},
    {Kind::EndTermination, harness::handleEndTermination},

    {Kind::Environment, environmentSeam::environment},
    {Kind::EndEnvironment, environmentSeam::endEnvironment},
    {Kind::Use, environmentSeam::use},

    {Kind::DefineStub, stubSeam::defineStub},
    {Kind::EndDefine, endDefine},
    {Kind::Stub, stubSeam::stub},

    {Kind::Constants, harness::handleConst},
    {Kind::Register, otherSeam::registerStatement},
    {Kind::Simul, otherSeam::simul},
    {Kind::EndSimul, otherSeam::endSimul},
    {Kind::ElseSimul, otherSeam::elseSimul},
    {Kind::Segment, otherSeam::segment},
    {Kind::EndSegment, otherSeam::endSegment},
    {Kind::System, otherSeam::system},
    {Kind::Far, otherSeam::far},
    {Kind::EndFar, otherSeam::endFar},
    {Kind::Near, otherSeam::nearBlock},
    {Kind::EndNear, otherSeam::endNear},
    {Kind::ServiceType, otherSeam::serviceType},
    {Kind::Exception, harness::handleException},
    {Kind::Field, variables::handleField},
    {Kind::If, otherSeam::ifStatement},
    {Kind::Else, otherSeam::elseStatement},
    {Kind::EndIf, otherSeam::endIf},
    {Kind::Declare, variables::handleDeclare},
    {Kind::Access, otherSeam::access},
    {Kind::ServiceAccess, otherSeam::serviceAccess},
    {Kind::Table, otherSeam::table},
    {Kind::Format, harness::handleFormat},
    {Kind::Inherit, otherSeam::inherit},
    {Kind::InitBase, otherSeam::initBase},

    {Kind::List, listSeam::list},

    {Kind::Variable, variable},
    {Kind::ArrayVariable, arrayVariable},
    {Kind::StructureVariable, structureVariable},
    {Kind::DefineStructure, variables::handleDefineStructure},

    {Kind::IncludeCode, includeCode},
    {Kind::IncludePtu, includePtu},
    {Kind::IncludeSegment, includeSegment},
};
static_assert(std::size(kHandlerEntries) == 57);

constexpr HandlerTable makeHandlerTable() {
    HandlerTable table{};
    for (const auto& entry : kHandlerEntries) table[static_cast<std::size_t>(entry.kind)] = entry.handler;
    return table;
}

constexpr HandlerTable kHandlers = makeHandlerTable();

// Every kind has at most one entry.
constexpr bool eachKindOnce() {
    for (std::size_t i = 0; i < std::size(kHandlerEntries); ++i)
        for (std::size_t j = i + 1; j < std::size(kHandlerEntries); ++j)
            if (kHandlerEntries[i].kind == kHandlerEntries[j].kind) return false;
    return true;
}
static_assert(eachKindOnce());

}  // namespace

const HandlerTable& statementHandlers() { return kHandlers; }

}  // namespace script
