// Raising messages: formatting, counting, echo to standard error and the
// message file, and the end-of-execution summary.
#include "diag/diag.h"
#include "diag/diag_internal.h"
#include "diag/files.h"
#include "diag/strings.h"

#include <QtGlobal>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace diag {

namespace {

// Everything this module keeps for the run.
struct DiagState {
    std::uint32_t errors = 0;
    std::uint32_t warnings = 0;
    std::string fileName;
    int line = 0;
    int previousLine = 0;
    std::string messageFilePath;
    std::FILE* messageFile = nullptr;
    PendingOutput listing;  // written beside its path, renamed over it at the end
    bool echo = true;
    void (*fatalCleanup)() = nullptr;
    bool cleanupRan = false;
    detail::TerminateHook terminateHook = nullptr;
    // Errors and warnings raised before the listing was opened, for it.
    std::string held;
    bool listingOpened = false;
};

DiagState& state() {
    static DiagState s;
    return s;
}

constexpr char kLevelLetters[] = {'S', 'F', 'E', 'W', 'I'};

struct Placeholder {
    std::size_t pos;
    std::size_t length;
    int number;
};

// Placeholders "%1" to "%99" in the manner of QString::arg.
std::vector<Placeholder> findPlaceholders(std::string_view text) {
    std::vector<Placeholder> found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '%' || text[i + 1] < '0' || text[i + 1] > '9') continue;
        int number = text[i + 1] - '0';
        std::size_t length = 2;
        if (i + 2 < text.size() && text[i + 2] >= '0' && text[i + 2] <= '9') {
            number = number * 10 + (text[i + 2] - '0');
            length = 3;
        }
        if (number == 0) continue;
        found.push_back({i, length, number});
        i += length - 1;
    }
    return found;
}

int lowestNumberAbove(const std::vector<Placeholder>& found, int above) {
    int lowest = 0;
    for (const auto& p : found)
        if (p.number > above && (lowest == 0 || p.number < lowest)) lowest = p.number;
    return lowest;
}

// Fills the placeholders in one pass, so that a "%" inside the prefix or the
// parameter is never taken for a placeholder.
std::string fillPlaceholders(std::string_view text, std::string_view prefix,
                             std::string_view parameter) {
    const auto found = findPlaceholders(text);
    int prefixNumber = 0;
    int parameterNumber = 0;
    if (text.find("%1") != std::string_view::npos) prefixNumber = lowestNumberAbove(found, 0);
    if (text.find("%2") != std::string_view::npos)
        parameterNumber = lowestNumberAbove(found, prefixNumber);
    std::string out;
    std::size_t from = 0;
    for (const auto& p : found) {
        if (p.number != prefixNumber && p.number != parameterNumber) continue;
        out.append(text.substr(from, p.pos - from));
        out.append(p.number == prefixNumber ? prefix : parameter);
        from = p.pos + p.length;
    }
    out.append(text.substr(from));
    return out;
}

void emitLine(const std::string& line) {
    auto& s = state();
    if (s.echo) std::fwrite(line.data(), 1, line.size(), stderr);
    if (s.messageFile) std::fwrite(line.data(), 1, line.size(), s.messageFile);
}

void runFatalCleanup() {
    auto& s = state();
    if (s.fatalCleanup && !s.cleanupRan) {
        s.cleanupRan = true;
        s.fatalCleanup();
    }
}

}  // namespace

std::string positionPrefix(std::string_view fileName, int line) {
    if (!fileName.empty())
        return "[" + std::string(fileName) + ":" + std::to_string(line) + "] ";
    if (line != 0) return "[" + std::to_string(line) + "] ";
    return {};
}

std::string formatBody(std::string_view code, std::string_view prefix,
                       std::string_view parameter) {
    if (auto text = catalogText(code)) return fillPlaceholders(*text, prefix, parameter);
    // The fallback text "%2 %3": the prefix, one blank and the parameter.
    return std::string(prefix) + " " + std::string(parameter);
}

namespace {

// Head, body and newline; counts E and W; levels S and F end the process.
void emitMessage(Level level, std::string_view code, std::string_view prefix,
                 std::string_view parameter) {
    const int index = static_cast<int>(level);
    if (index < 0 || index > 4) return;
    auto& s = state();
    if (level == Level::E) ++s.errors;
    if (level == Level::W) ++s.warnings;
    std::string message = detail::kMessagePrefix;
    message += kLevelLetters[index];
    message += "-";
    message += code;
    message += ",  ";
    message += formatBody(code, singleLine(prefix), singleLine(parameter));
    message += "\n";
    emitLine(message);
    if (!s.listingOpened && (level == Level::E || level == Level::W)) s.held += message;
    if (level == Level::S || level == Level::F) {
        closeMessageFile();
        terminate(level == Level::S ? kStatusInternal : kStatusFatal);
    }
}

}  // namespace

void raiseMessage(Level level, std::string_view code, std::string_view parameter,
                  std::string_view fileName, int line) {
    emitMessage(level, code, positionPrefix(fileName, line), parameter);
}

void raise(Level level, std::string_view code, std::string_view parameter) {
    if (level == Level::S || level == Level::F) runFatalCleanup();
    raiseMessage(level, code, parameter, state().fileName, state().line);
}

void error(std::string_view code, std::string_view parameter) { raise(Level::E, code, parameter); }
void warning(std::string_view code, std::string_view parameter) { raise(Level::W, code, parameter); }
void info(std::string_view code, std::string_view parameter) { raise(Level::I, code, parameter); }

void fatal(std::string_view code, std::string_view parameter) {
    raise(Level::F, code, parameter);
    std::abort();  // not reached
}

void internalError(std::string_view code, std::string_view parameter) {
    raise(Level::S, code, parameter);
    std::abort();  // not reached
}

void raiseAt(Level level, std::string_view code, std::string_view parameter,
             std::string_view fileName, int line) {
    state().fileName = std::string(fileName);
    state().line = line;
    raise(level, code, parameter);
}

void setFatalCleanup(void (*cleanup)()) { state().fatalCleanup = cleanup; }

void setCurrentFile(std::string_view name) { state().fileName = std::string(name); }
const std::string& currentFile() { return state().fileName; }
void setCurrentLine(int line) { state().line = line; }
int currentLine() { return state().line; }
void savePreviousLine() { state().previousLine = state().line; }
int previousLine() { return state().previousLine; }

void openMessageFile(const std::string& path, bool echo) {
    auto& s = state();
    s.echo = echo;
    s.messageFilePath = path;
    if (path.empty()) return;
    s.listingOpened = true;
    if (s.listing.create(path, true)) s.messageFile = ::fdopen(s.listing.descriptor(), "w");
    // FICERROPN names the file through its first placeholder: there is no
    // position yet, so the path takes the place of the prefix.
    if (!s.messageFile) {
        s.listing.discard(false);
        runFatalCleanup();
        emitMessage(Level::F, "FICERROPN", path, {});
    }
}

namespace {

// The listing is written whole or not at all: a failure to complete it leaves
// whatever stood at its path before.
void closeMessageStream() {
    auto& s = state();
    if (!s.messageFile) return;
    std::FILE* file = s.messageFile;
    s.messageFile = nullptr;
    if (std::fclose(file) != 0) {
        s.listing.discard(false);
        std::string text = translateParameter(
            "Fatal Error (cstsyst)",
            QT_TRANSLATE_NOOP("Fatal Error (cstsyst)",
                              "FATAL ERROR on '%1',\n Please contact your administrative."));
        text = fillPlaceholders(text, "fclose", {});
        std::fputs(text.c_str(), stderr);
        terminate(kStatusFatal);
    }
}

}  // namespace

void closeMessageFile() {
    closeMessageStream();
    state().listing.commit();
}

void writeHeldMessages() {
    auto& s = state();
    writeToMessageFile(s.held);
    s.held.clear();
}

bool messageFileOpen() { return state().messageFile != nullptr; }
const std::string& messageFilePath() { return state().messageFilePath; }

void writeToMessageFile(std::string_view text) {
    if (auto* file = state().messageFile) std::fwrite(text.data(), 1, text.size(), file);
}

std::uint32_t errorCount() { return state().errors; }
std::uint32_t warningCount() { return state().warnings; }

void endOfExecution(bool removeIfClean) {
    const auto e = state().errors;
    const auto w = state().warnings;
    std::string errorsText, warningsText;
    const char* code = "ENDNOENWR";
    int status = kStatusClean;
    if (e > 0) {
        code = w > 0 ? "ENDERRWAR" : "ENDERRNWR";
        status = kStatusErrors;
        errorsText = std::to_string(e);
        if (w > 0) warningsText = std::to_string(w);
    } else if (w > 0) {
        code = "ENDNOEWAR";
        status = kStatusWarnings;
        warningsText = std::to_string(w);
    }
    emitMessage(Level::I, code, errorsText, warningsText);
    if (removeIfClean && status == kStatusClean && !state().messageFilePath.empty()) {
        closeMessageStream();
        state().listing.discard(true);
    }
    closeMessageFile();
    terminate(status);
}

void terminate(int status) {
    std::fflush(stderr);
    std::fflush(stdout);
    if (const auto hook = state().terminateHook) hook(status);
    std::exit(status);
}

void resetForTesting() {
    auto& s = state();
    if (s.messageFile) std::fclose(s.messageFile);
    s = DiagState{};
}

}  // namespace diag

namespace diag::detail {

void setTerminateHook(TerminateHook hook) { state().terminateHook = hook; }

void writeCrashLineToMessageFile(const char* line, std::size_t length) {
    std::FILE* file = state().messageFile;
    if (!file) return;
    std::fflush(file);
    ssize_t ignored = ::write(::fileno(file), line, length);
    (void)ignored;
}

}  // namespace diag::detail
