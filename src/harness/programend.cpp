// The end of the program: what is still open is closed, then main, the
// harness class and the closing diagnostics.
#include "analyser/analyser.h"
#include "config/settings.h"
#include "diag/diag.h"
#include "harness/harness.h"
#include "harness/harness_internal.h"
#include "harness/templates.h"

namespace harness {

namespace detail {

namespace {

void writeClass(std::string_view text, std::initializer_list<std::string_view> args) {
    output::outputs().companion.writeLine(fillPlaceholders(text, args));
}

// A closing keyword the script left out: reported, then the block ends.
void closeAtEnd(bool open, Keyword endKeyword) {
    if (open) reportMissing(endKeyword);
}

void closeWhatIsOpen() {
    Blocks& b = state().blocks;
    if (b.inService) {
        reportMissing(Keyword::EndService);
        closeService(true);
    }
    closeAtEnd(b.openIfs > 0, Keyword::EndIf);
    b.openIfs = 0;
    generation().suppression[kIfFlag] = false;
    closeCodeBlocks();
    closeAtEnd(b.inSimul, Keyword::EndSimul);
    b.inSimul = b.elseSimulSeen = false;
    generation().suppression[kSimulFlag] = false;
}

void writeLoopCounterMembers() {
    const Generation& g = generation();
    for (int n = 1; n <= g.highestCounterJ; ++n)
        writeClass(templates::kLoopCounterMember, {std::to_string(n)});
    for (int n = 1; n <= g.highestCounterI; ++n)
        writeClass(templates::kIndexCounterMember, {std::to_string(n)});
}

void writeMemberBlock(std::string_view head, const std::vector<std::string>& lines) {
    writeClass(head, {state().className});
    for (const std::string& line : lines) writeClass("    %1", {line});
    writeClass(templates::kMemberBlockEnd, {});
}

// The members of the class, then one call in main and one member function
// per service procedure.
void writeClassBody() {
    const Generation& g = generation();
    writeLoopCounterMembers();
    for (const std::string& member : g.classMembers) writeClass("    %1", {member});
    if (!noExcep()) {
        writeMemberBlock(templates::kConstructorHead, g.constructorLines);
        writeMemberBlock(templates::kDestructorHead, g.destructorLines);
    }
    for (const std::string& service : state().lists.serviceProcedures) {
        emitTemplate(templates::kServiceCall, {service});
        writeClass(templates::kServiceMember, {service});
    }
}

void reportProgramDiagnostics() {
    if (state().lists.declaredTestsOfProgram.empty()) diag::error("PROGXVIDE");
    reportUnusedSelections();
}

}  // namespace

}  // namespace detail

using detail::state;

void generateProgramEnd() {
    namespace t = detail::templates;
    detail::closeWhatIsOpen();
    if (!state().blocks.beginSeen)
        detail::emitTemplate(t::kPrologue, {state().names.programName,
                                            config::environment().targetHeaderText});
    const std::string& program = state().names.programName;
    const std::string rio = detail::stringLiteralBody(state().names.rioPath);
    detail::emitTemplate(t::kMainOpening, {program, rio});
    for (std::string_view line : t::kClassHead) detail::writeClass(line, {state().className});
    output::flushInitializationCode();
    if (state().lists.allServices.empty()) diag::error("PROG_VIDE");
    else detail::writeClassBody();
    output::flushTerminationCode();
    for (std::string_view line : t::kClassTail) detail::writeClass(line, {state().className});
    detail::emitTemplate(t::kMainClosing, {program, rio});
    if (config::settings().analysis) analyser::endAnalyser();
    detail::emitTemplate(t::kTracesFile, {rio});
    detail::reportProgramDiagnostics();
}

}  // namespace harness
