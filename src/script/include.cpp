// INCLUDE PTU, INCLUDE CODE and INCLUDE SEGMENT, with their include records.
#include "analyser/analyser.h"
#include "config/settings.h"
#include "diag/diag.h"
#include "diag/paths.h"
#include "diag/strings.h"
#include "output/output.h"
#include "script/filestack.h"
#include "script/script_internal.h"

namespace script {

namespace {

constexpr std::size_t kIncludeNameWidth = 25;
constexpr std::size_t kIncludeLineWidth = 85;

struct IncludeState {
    int nextRecord = 1;
};

IncludeState& includes() {
    static IncludeState s;
    return s;
}

// Filled with blanks up to width; a longer text is kept whole.
std::string paddedTo(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

// "I" n: the include name, where it was found, and the including file.
void writeIncludeRecord(const std::string& name, const std::string& found) {
    std::string where = std::string(34, '-');
    if (diag::fileExists(name)) where = diag::absolutePath(name);
    else if (!found.empty()) where = found;
    const std::string line = paddedTo(paddedTo(name, kIncludeNameWidth) + " / " + where, kIncludeLineWidth) +
                             " / " + diag::splitPath(currentScriptName()).fileName;
    output::writeRecord(output::Record::IncludedCode, {std::to_string(includes().nextRecord++), line});
}

// Every line of the file, whatever its length, to the current stream.
void emitLines(std::string_view content) {
    while (!content.empty()) {
        const std::size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        output::emitCurrent(line);
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
    }
}

// The declarations of an included code file, for the analysis of the next
// statement.
void collectIncludedDeclarations(const std::string& path) {
    const std::string file = diag::currentFile();
    const int line = diag::currentLine();
    std::string text = analyser::preprocessText("#include \"" + path + "\"", file, line);
    nativeCollection().appendText(std::move(text), file, line);
    diag::setCurrentFile(file);
    diag::setCurrentLine(line);
}

}  // namespace

// INCLUDE CODE file
void includeCode(const Statement& statement) {
    if (!output::generationActive()) return;
    const std::string& name = statement.rest;
    const std::string found = findIncludeFile(name);
    writeIncludeRecord(name, found);
    std::string content;
    const auto status = found.empty() ? diag::InputStatus::Unreadable : readWholeFile(found, content);
    if (status != diag::InputStatus::Read) {
        diag::error(unreadableCode(status, "FICINCINC"), name);
        return;
    }
    emitLines(content);
    if (config::settings().analysis) collectIncludedDeclarations(found);
}

// INCLUDE PTU file
void includePtu(const Statement& statement) {
    if (!output::generationActive()) return;
    const std::string& name = statement.rest;
    const std::string found = findIncludeFile(name);
    writeIncludeRecord(name, found);
    if (found.empty()) {
        diag::error("FICINCINC", name);
        return;
    }
    openScriptFile(found);
}

// INCLUDE SEGMENT ...
void includeSegment(const Statement&) {
    if (!output::generationActive()) return;
    diag::warning("STXMETAIN", keywordText("INCLURE SEGMENT", "INCLUDE SEGMENT"));
}

namespace detail {

void resetIncludesForTesting() { includes() = IncludeState{}; }

}  // namespace detail

}  // namespace script
