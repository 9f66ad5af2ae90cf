// The program level: HEADER, BEGIN, the INITIALIZATION and TERMINATION
// blocks, SEQUENCE, and the blocks every structure statement closes.
#include "analyser/analyser.h"
#include "config/settings.h"
#include "diag/diag.h"
#include "diag/strings.h"
#include "harness/harness.h"
#include "harness/harness_internal.h"
#include "variables/variables.h"
#include "harness/templates.h"

#include <cstdlib>

namespace harness {

namespace detail {

namespace {

constexpr std::string_view kCallOrderDeclarations =
    "unsigned int _at_call_order[STUB_CALL_IDX_MAX];\nunsigned int _at_call_order_Idx;";

struct HeaderFields {
    std::string module, version, third, fourth;
};

// "module, version, third, fourth"; without a comma after the version all of
// the rest is the fourth field.
HeaderFields splitHeader(std::string_view text, bool& complete) {
    HeaderFields f;
    const auto take = [&text](std::string& field) {
        const std::size_t comma = text.find(',');
        field = std::string(text.substr(0, comma));
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        return comma != std::string_view::npos;
    };
    complete = take(f.module) && take(f.version);
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) {
        f.fourth = std::string(text);
    } else {
        f.third = std::string(text.substr(0, comma));
        f.fourth = std::string(text.substr(comma + 1));
    }
    return f;
}

// A field is trimmed and loses its enclosing quotes; "$NAME" is replaced by
// the value of the environment variable NAME.
std::string normaliseHeaderField(std::string_view field) {
    std::string text = diag::trim(field);
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front())
        text = text.substr(1, text.size() - 2);
    if (text.empty() || text.front() != '$') return text;
    const std::string name = diag::trim(std::string_view(text).substr(1));
    const char* value = std::getenv(name.c_str());
    if (value == nullptr) {
        diag::warning("NOLOGIDEF", name);
        return {};
    }
    return value;
}

void writeHeaderRecords(const HeaderFields& f) {
    const std::string& handedOver = state().names.versionText;
    const std::string joined = f.third.empty()
                                   ? f.module + " , " + f.version + " , " + f.fourth
                                   : f.module + " , " + f.version + " , " + f.third + " , " + f.fourth;
    const std::string version = handedOver.empty() ? f.version : handedOver;
    writeRecord(Record::Module, {f.module});
    writeRecord(Record::Version, {version});
    writeRecord(Record::HeaderFourth, {f.fourth});
    writeRecord(Record::HeaderText, {joined});
}

void checkVersion(const std::string& field) {
    const std::string handedOver = diag::trim(state().names.versionText);
    const std::string written = diag::trim(field);
    if (handedOver.empty() || written.empty() || handedOver == written) return;
    diag::warning("MISMNUVER",
                  std::string(output::inKeywordLanguage("Source : ", "Origin : ")) + handedOver + " / PTU : " + written);
}

// The run-time header and the call-order table are known to the analyser
// before the first declaration of the script. Without a target package
// (BADRUNTIM said so) there is no run-time header to read, and the table is
// sized by a macro of that header: neither is handed over.
void declareRunTimeToAnalyser() {
    if (!config::settings().analysis || !config::environment().targetHeaderFound) return;
    const std::string& file = diag::currentFile();
    analyser::analyseNativeCode("#include " + config::environment().targetHeaderText, file,
                                diag::currentLine());
    analyser::analyseNativeCode(std::string(kCallOrderDeclarations), file, diag::currentLine());
}

void closeBlock(bool& open, Keyword endKeyword) {
    if (!open) return;
    reportMissing(endKeyword);
    open = false;
}

// INITIALIZATION and TERMINATION: BEGIN when missing, the open service and the
// other code block closed.
void openCodeBlock(bool Blocks::*block) {
    ensureBegin();
    if (state().blocks.inService) {
        reportMissing(Keyword::EndService);
        closeService(true);
    }
    closeCodeBlocks();
    state().blocks.*block = true;
}

void closeCodeBlock(bool Blocks::*block, Keyword endKeyword) {
    if (state().blocks.*block) state().blocks.*block = false;
    else reportWrongPlace(endKeyword);
}

}  // namespace

// BEGIN, run by the statement or implied by a later one.
void runBegin() {
    Blocks& b = state().blocks;
    b.beginSeen = true;
    if (!b.headerSeen) diag::error("ENTETEERR");
    closeDefinitionBlocks();
    emitTemplate(templates::kPrologue,
                 {state().names.programName, config::environment().targetHeaderText});
    declareRunTimeToAnalyser();
}

void ensureBegin() {
    if (state().blocks.beginSeen) return;
    reportMissing(Keyword::Begin);
    runBegin();
}

void closeDefinitionBlocks() {
    closeBlock(state().blocks.inEnvironment, Keyword::EndEnvironment);
    if (state().blocks.inDefine) state().blocks.inDefineStub = false;
    closeBlock(state().blocks.inDefine, Keyword::EndDefine);
    if (!variables::structureDefinitionOpen()) return;
    reportMissing(Keyword::EndDefine);
    variables::closeStructureDefinition();
}

void closeCodeBlocks() {
    closeBlock(state().blocks.inInitialization, Keyword::EndInitialization);
    closeBlock(state().blocks.inTermination, Keyword::EndTermination);
}

}  // namespace detail

using detail::state;

// HEADER module, version [, third] [, fourth]
void handleHeader(const Statement& statement) {
    if (state().blocks.headerSeen) {
        diag::warning("MOTDOUBLE", detail::keywordText(detail::Keyword::Header));
        return;
    }
    state().blocks.headerSeen = true;
    bool complete = false;
    detail::HeaderFields f = detail::splitHeader(statement.rest, complete);
    if (!complete) diag::warning("FORMENTET", statement.rest);
    for (std::string* field : {&f.module, &f.version, &f.third, &f.fourth})
        *field = detail::normaliseHeaderField(*field);
    detail::writeHeaderRecords(f);
    detail::checkVersion(f.version);
}

// BEGIN
void handleBegin(const Statement&) {
    if (state().blocks.beginSeen) {
        diag::warning("MOTDOUBLE", detail::keywordText(detail::Keyword::Begin));
        return;
    }
    detail::runBegin();
}

// INITIALIZATION
void handleInitialization(const Statement&) {
    detail::openCodeBlock(&detail::Blocks::inInitialization);
}

// END INITIALIZATION
void handleEndInitialization(const Statement&) {
    detail::closeCodeBlock(&detail::Blocks::inInitialization, detail::Keyword::EndInitialization);
}

// TERMINATION
void handleTermination(const Statement&) {
    detail::openCodeBlock(&detail::Blocks::inTermination);
}

// END TERMINATION
void handleEndTermination(const Statement&) {
    detail::closeCodeBlock(&detail::Blocks::inTermination, detail::Keyword::EndTermination);
}

// SEQUENCE
void handleSequence(const Statement&) { state().blocks.sequenceOn = true; }

// END SEQUENCE
void handleEndSequence(const Statement&) { state().blocks.sequenceOn = false; }

}  // namespace harness
