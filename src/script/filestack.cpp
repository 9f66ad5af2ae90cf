// The file stack of script files and the file manager.
#include "script/filestack.h"

#include "config/settings.h"
#include "diag/diag.h"
#include "diag/paths.h"
#include "diag/strings.h"
#include "output/output.h"
#include "script/script_internal.h"

#include <cstdio>
#include <utility>
#include <vector>

namespace script {

namespace {

// Files are read whole; a source hands out lines as the reader asks for them.
struct LineSource {
    std::string text;
    std::size_t position = 0;
    int lineNumber = 0;    // of the last line handed out
    bool midLine = false;  // the last piece stopped at the limit inside a line

    void rewind() {
        position = 0;
        lineNumber = 0;
        midLine = false;
    }

    // The next piece of at most kLineLimit characters; the pieces of one
    // physical line share its number.
    bool next(std::string& line) {
        if (position >= text.size()) return false;
        const std::string_view rest = std::string_view(text).substr(position);
        std::size_t end = rest.find('\n');
        if (end == std::string_view::npos) end = rest.size();
        std::size_t length = std::min(end, kLineLimit);
        // Only carriage returns beyond the limit: the line ends here.
        if (length < end && rest.substr(length, end - length).find_first_not_of('\r') == std::string_view::npos)
            length = end;
        if (!midLine) ++lineNumber;
        midLine = length < end;
        line.assign(rest.substr(0, length));
        position += length + (midLine || end == rest.size() ? 0 : 1);
        while (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
    }
};

struct FileFrame {
    std::string name;
    std::optional<diag::FileIdentity> identity;  // the same file under another name is the same file
    LineSource source;
    int fileNumber = 0;
    std::optional<std::string> resumeLine;
};

struct ManagedFile {
    LineSource source;
    std::string path;
    bool open = false;
};

struct FileStackState {
    std::vector<FileFrame> frames;
    int nextFileNumber = 1;
    ManagedFile managed[2];  // F_INC, F_SOURCE
};

FileStackState& stack() {
    static FileStackState s;
    return s;
}

constexpr const char* kKindNames[] = {"F_INC", "F_SOURCE", "F_PTU"};

[[noreturn]] void refuseKind(int kind) {
    const std::string kindName = kind >= 0 && kind <= 2 ? kKindNames[kind] : std::to_string(kind);
    diag::internalError("ERRINTFCT", "MAJ_FIC / " + kindName +
                                         " : type enum fic inconnu, ou operation interdite ");
}

[[noreturn]] void refuseAction(int action) {
    diag::internalError("ERRINTFCT",
                        "MAJ_FIC / " + std::to_string(action) + " : action demandee inconnue");
}

void startReading(LineSource& source, const std::string& path) {
    source.rewind();
    diag::setCurrentFile(path);
    diag::setCurrentLine(-1);
}

bool openManaged(ManagedFile& slot, int kind, const std::string& path) {
    slot.path = path;
    const diag::InputStatus status = readWholeFile(path, slot.source.text);
    slot.open = status == diag::InputStatus::Read;
    if (!slot.open) {
        if (kind == F_SOURCE) {
            diag::setCurrentFile(path);
            diag::fatal(unreadableCode(status, "IMPOUVFIC"), path);
        }
        return false;
    }
    startReading(slot.source, path);
    return true;
}

bool manageIncludedOrSource(int action, int kind, const std::string& path) {
    ManagedFile& slot = stack().managed[kind];
    const std::string kindText = kind == F_INC ? "inc" : "source";
    switch (action) {
    case A_OUVRIR:
        return openManaged(slot, kind, path);
    case A_OUVRIR_ECR:
        diag::internalError("ERRINTFCT", "MAJ_FIC / ouvert. en ecr. interdite sur " + kindText);
    case A_FERMER_SAUV:
        slot.open = false;
        slot.source = LineSource{};
        return true;
    case A_FERMER_DEL:
        diag::internalError("ERRINTFCT", "MAJ_FIC / fermeture + delete interdite sur " + kindText);
    case A_RESETER:
        if (!slot.open) diag::fatal("IMPRESFIC", slot.path.empty() ? path : slot.path);
        startReading(slot.source, slot.path);
        return true;
    default:
        refuseAction(action);
    }
}

void recordVersionLine(std::string_view line, std::string_view marker, std::string& version,
                       bool& found) {
    if (found) {
        diag::warning("NUVER_DBL", version);
        return;
    }
    found = true;
    const std::string upper = diag::upperCased(line);
    const long at = diag::indexOfIgnoringCase(upper, marker);
    const std::string_view after = std::string_view(upper).substr(static_cast<std::size_t>(at) + marker.size());
    const auto open = after.find_first_of("\"'");
    if (open == std::string_view::npos) return;
    const auto close = after.find(after[open], open + 1);
    version = std::string(after.substr(open + 1, close == std::string_view::npos
                                                     ? std::string_view::npos
                                                     : close - open - 1));
}

}  // namespace

diag::InputStatus readWholeFile(const std::string& path, std::string& content) {
    return diag::readInputFile(path, content);
}

std::string_view unreadableCode(diag::InputStatus status, std::string_view code) {
    return status == diag::InputStatus::TooLarge ? "FICTROGROS" : code;
}

bool openScriptFile(const std::string& name) {
    auto& s = stack();
    const auto identity = diag::identityOf(name);
    for (const auto& frame : s.frames)
        if (frame.name == name || (identity && frame.identity == identity)) {
            diag::error("LIGNTRAIT", name);
            return false;
        }
    FileFrame frame;
    if (const auto status = readWholeFile(name, frame.source.text); status != diag::InputStatus::Read) {
        // An unreadable include is reported like a missing one; the run goes on.
        if (!s.frames.empty()) {
            diag::error(unreadableCode(status, "FICINCINC"), name);
            return false;
        }
        diag::setCurrentFile(name);
        diag::fatal(unreadableCode(status, "IMPOUVFIC"), name);
    }
    frame.name = name;
    frame.identity = identity;
    if (!s.frames.empty()) {
        frame.fileNumber = s.nextFileNumber++;
        output::writeRecord(output::Record::ScriptFile,
                            {std::to_string(frame.fileNumber), diag::absolutePath(name)});
    }
    s.frames.push_back(std::move(frame));
    output::setScriptFileNumber(currentFileNumber());
    startReading(s.frames.back().source, name);
    return true;
}

std::optional<std::string> popScriptFile() {
    auto& s = stack();
    if (s.frames.size() < 2) return std::nullopt;
    s.frames.pop_back();
    FileFrame& current = s.frames.back();
    output::setScriptFileNumber(current.fileNumber);
    diag::setCurrentFile(current.name);
    diag::setCurrentLine(current.source.lineNumber);
    return std::exchange(current.resumeLine, std::nullopt);
}

bool inIncludedFile() { return stack().frames.size() > 1; }
std::size_t scriptDepth() { return stack().frames.size(); }

const std::string& currentScriptName() {
    static const std::string none;
    return stack().frames.empty() ? none : stack().frames.back().name;
}

int currentFileNumber() { return stack().frames.empty() ? 0 : stack().frames.back().fileNumber; }

int currentScriptLine() {
    return stack().frames.empty() ? 0 : stack().frames.back().source.lineNumber;
}

bool readScriptLine(std::string& line) {
    auto& s = stack();
    if (s.frames.empty() || !s.frames.back().source.next(line)) return false;
    diag::setCurrentLine(s.frames.back().source.lineNumber);
    return true;
}

void saveResumeLine(std::optional<std::string> line) {
    if (!stack().frames.empty()) stack().frames.back().resumeLine = std::move(line);
}

std::optional<std::string> takeResumeLine() {
    if (stack().frames.empty()) return std::nullopt;
    return std::exchange(stack().frames.back().resumeLine, std::nullopt);
}

void closeMainScript() { stack().frames.clear(); }

std::string findIncludeFile(const std::string& name) {
    if (name.empty()) return {};
    if (diag::fileExists(name)) return name;
    for (const auto& directory : config::settings().includeDirectories) {
        const std::string candidate = directory + "/" + name;
        if (diag::fileExists(candidate)) return candidate;
    }
    return {};
}

bool fileManager(int action, int kind, const std::string& path) {
    if (kind == F_INC || kind == F_SOURCE) return manageIncludedOrSource(action, kind, path);
    if (kind == F_PTU && action == A_RESETER) {
        auto& s = stack();
        if (s.frames.empty()) diag::fatal("IMPRESFIC", path);
        startReading(s.frames.back().source, s.frames.back().name);
        return true;
    }
    refuseKind(kind);
}

bool fileManagerReadLine(int kind, std::string& line) {
    if (kind == F_INC || kind == F_SOURCE) {
        ManagedFile& slot = stack().managed[kind];
        if (!slot.open || !slot.source.next(line)) return false;
        diag::setCurrentLine(slot.source.lineNumber);
        return true;
    }
    if (kind == F_PTU) {
        while (readScriptLine(line)) {
            const std::string_view trimmed = diag::trimView(line);
            if (!trimmed.empty() && trimmed.front() == '#') {
                line = std::string(trimmed.substr(1));
                return true;
            }
        }
        return false;
    }
    refuseKind(kind);
}

void processIncludesAndVersion(const std::string& path, int kind, std::string_view marker,
                               std::string& version, int /*language*/) {
    if (kind != F_SOURCE || marker.empty()) return;
    fileManager(A_RESETER, F_SOURCE, path);
    bool found = false;
    std::string line;
    while (fileManagerReadLine(F_SOURCE, line))
        if (diag::indexOfIgnoringCase(line, marker) >= 0) recordVersionLine(line, marker, version, found);
}

namespace detail {

void resetFileStackForTesting() { stack() = FileStackState{}; }

}  // namespace detail

}  // namespace script
