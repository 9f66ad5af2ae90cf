// The script reader: line classes, statements assembled from their lines,
// native lines routed to the output and collected for analysis, and the copy
// of the script into the listing.
#include "script/reader.h"

#include "config/settings.h"
#include "diag/diag.h"
#include "diag/strings.h"
#include "harness/harness.h"
#include "output/output.h"
#include "script/filestack.h"
#include "script/script_internal.h"

#include <optional>

namespace script {

namespace {

// C++, the only language of a run.
constexpr std::string_view kCommentOpener = "//";
constexpr std::string_view kCommentCloser = "";
// A statement may not reach this length.
constexpr std::size_t kStatementLimit = kLineLimit + 1;

struct ReaderState {
    bool inStatement = false;
    std::string statement;
    int statementLine = 0;             // where the statement's text begins
    std::optional<std::string> kept;   // the line to examine again
    bool statementDispatched = false;  // AUCUNMETA when none was
};

ReaderState& reader() {
    static ReaderState r;
    return r;
}

void copyToListing(std::string_view line) {
    diag::writeToMessageFile(line);
    diag::writeToMessageFile("\n");
}

// Under trace level 2 every statement line is echoed into the output.
void echoStatementLine(std::string_view line) {
    if (!config::settings().traceLevel(2)) return;
    output::emitCurrent(std::string(kCommentOpener) + " " + std::string(line) + " " +
                         std::string(kCommentCloser));
}

std::string statementText(std::string_view text) {
    return diag::trim(diag::split_comment(text, "--", config::settings().languageIndex).code);
}

// #code (copied and analysed), @code (copied only), !code (analysed only).
void nativeLine(const std::string& line, std::string_view trimmed) {
    const char marker = trimmed.front();
    const std::string_view code =
        std::string_view(line).substr(static_cast<std::size_t>(trimmed.data() - line.data()) + 1);
    const auto& settings = config::settings();
    if (settings.analysis && output::generationActive() && marker != '@')
        nativeCollection().appendLine(code, currentScriptName(), currentScriptLine());
    if (harness::inInitializationBlock()) {
        if (marker != '!') output::emitInitializationCode(code);
    } else if (harness::inTerminationBlock()) {
        if (marker != '!') output::emitTerminationCode(code);
    } else if (marker != '!' && !harness::inSegmentBlock() && !harness::inDefineStubBlock()) {
        output::emitCurrent(code);  // the output layer decides which section is current
    }
    if (settings.traceLevel(3) && harness::inElement())
        if (const auto comment = handlerOf(statementHandlers(), StatementKind::Comment))
            comment(Statement{"COMMENT", line, line});
}

void startStatement(const std::string& line, std::string_view trimmed) {
    auto& r = reader();
    echoStatementLine(line);
    r.statement = statementText(trimmed);
    r.statementLine = currentScriptLine();
    r.inStatement = true;
}

// & text: the text continues the statement after one blank.
void continueStatement(const std::string& line, std::string_view trimmed) {
    auto& r = reader();
    copyToListing(line);
    echoStatementLine(line);
    const std::string piece = statementText(trimmed.substr(1));
    if (piece.empty()) return;
    if (r.statement.size() + 1 + piece.size() >= kStatementLimit) diag::fatal("LINETOLON");
    if (r.statement.empty()) r.statementLine = currentScriptLine();
    else r.statement += ' ';
    r.statement += piece;
}

// The statement is complete: kept is the line that ended it (none at the end
// of a file), examined again once the statement has been compiled, or once
// the script it includes has been read.
void endStatement(std::optional<std::string> kept) {
    auto& r = reader();
    r.inStatement = false;
    const std::string text = std::move(r.statement);
    r.statement.clear();
    if (text.empty()) {
        r.kept = std::move(kept);
        return;
    }
    const std::size_t depth = scriptDepth();
    saveResumeLine(std::move(kept));
    diag::setCurrentLine(r.statementLine);
    r.statementDispatched = true;
    dispatchStatement(text, statementHandlers());
    if (scriptDepth() != depth) return;
    r.kept = takeResumeLine();
    diag::setCurrentFile(currentScriptName());
    diag::setCurrentLine(currentScriptLine());
}

void examine(std::string& line) {
    auto& r = reader();
    const std::string_view trimmed = diag::trimView(line);
    if (r.inStatement) {
        if (!trimmed.empty() && trimmed.front() == '&') continueStatement(line, trimmed);
        else if (trimmed.starts_with("--")) copyToListing(line);
        else endStatement(std::move(line));
        return;
    }
    copyToListing(line);
    if (trimmed.empty()) output::emitCurrent(line);
    else if (trimmed.front() == '#' || trimmed.front() == '@' || trimmed.front() == '!') nativeLine(line, trimmed);
    else startStatement(line, trimmed);
}

}  // namespace

void readScript() {
    auto& r = reader();
    std::string line;
    for (;;) {
        if (r.kept) {
            line = std::move(*r.kept);
            r.kept.reset();
            examine(line);
        } else if (readScriptLine(line)) {
            examine(line);
        } else if (r.inStatement) {
            endStatement(std::nullopt);
        } else if (inIncludedFile()) {
            r.kept = popScriptFile();
        } else {
            break;
        }
    }
    if (!r.statementDispatched) diag::fatal("AUCUNMETA");
}

namespace detail {

void resetReaderForTesting() {
    reader() = ReaderState{};
    nativeCollection().take();
}

}  // namespace detail

}  // namespace script
