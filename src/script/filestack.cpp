// The file stack of script files and the file manager.
#include "script/filestack.h"

#include "diag/diag.h"
#include "diag/strings.h"
#include "driver/environment.h"
#include "driver/settings.h"
#include "harness/output.h"

#include <cstdio>
#include <sys/stat.h>
#include <memory>
#include <utility>
#include <vector>

namespace script {

namespace {

struct FileFrame {
    std::string name;
    std::FILE* stream = nullptr;
    int resumeLineNumber = -1;
    int fileNumber = 0;
    std::string resumeLine;
};

struct ManagedFile {
    std::FILE* stream = nullptr;
    std::string path;
};

struct FileStackState {
    std::vector<FileFrame> frames;
    std::vector<std::string> openFiles;  // every script being read, to refuse loops
    int nextFileNumber = 1;
    ManagedFile managed[2];  // F_INC, F_SOURCE
};

FileStackState& stack() {
    static FileStackState s;
    return s;
}

constexpr const char* kKindNames[] = {"F_INC", "F_SOURCE", "F_PTU"};
constexpr const char* kActionNames[] = {"A_OUVRIR", "A_OUVRIR_ECR", "A_FERMER_SAUV",
                                        "A_FERMER_DEL", "A_RESETER"};

// Reads one line of at most kLineLimit characters; a longer line is left for
// the next call. Trailing carriage returns and newlines are removed.
bool readLimitedLine(std::FILE* stream, std::string& line) {
    line.clear();
    int c = 0;
    bool any = false;
    while (line.size() < kLineLimit && (c = std::getc(stream)) != EOF) {
        any = true;
        if (c == '\n') break;
        line += static_cast<char>(c);
    }
    if (!any) return false;
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    return true;
}

// A directory opens for reading on this system but reads nothing: refuse it.
std::FILE* openForReading(const std::string& path) {
    std::FILE* stream = std::fopen(path.c_str(), "r");
    struct stat info {};
    if (stream && (::fstat(::fileno(stream), &info) != 0 || S_ISDIR(info.st_mode))) {
        std::fclose(stream);
        return nullptr;
    }
    return stream;
}

[[noreturn]] void refuse(int action, int kind) {
    const std::string kindName = kind >= 0 && kind <= 2 ? kKindNames[kind] : std::to_string(kind);
    if (action < 0 || action > 4)
        diag::internalError("ERRINTFCT", "MAJ_FIC / " + std::to_string(action) +
                                             " : action demandee inconnue");
    diag::internalError("ERRINTFCT", "MAJ_FIC / " + kindName +
                                         " : type enum fic inconnu, ou operation interdite ");
}

bool rewind(std::FILE* stream, const std::string& path) {
    if (!stream || std::fseek(stream, 0, SEEK_SET) != 0) diag::fatal("IMPRESFIC", path);
    diag::setCurrentFile(path);
    diag::setCurrentLine(-1);
    return true;
}

bool manageIncludedOrSource(int action, int kind, const std::string& path) {
    ManagedFile& slot = stack().managed[kind];
    const char* kindText = kind == F_INC ? "inc" : "source";
    switch (action) {
    case A_OUVRIR:
        if (slot.stream) std::fclose(slot.stream);
        slot.path = path;
        slot.stream = openForReading(path);
        if (!slot.stream) {
            if (kind == F_SOURCE) diag::fatal("IMPOUVFIC", path);
            return false;
        }
        diag::setCurrentFile(path);
        diag::setCurrentLine(-1);
        return true;
    case A_OUVRIR_ECR:
        diag::internalError("ERRINTFCT",
                            std::string("MAJ_FIC / ouvert. en ecr. interdite sur ") + kindText);
    case A_FERMER_SAUV:
        if (slot.stream) std::fclose(slot.stream);
        slot.stream = nullptr;
        return true;
    case A_FERMER_DEL:
        diag::internalError("ERRINTFCT",
                            std::string("MAJ_FIC / fermeture + delete interdite sur ") + kindText);
    case A_RESETER:
        return rewind(slot.stream, slot.path);
    default:
        refuse(action, kind);
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

bool openScriptFile(const std::string& name) {
    auto& s = stack();
    for (const auto& open : s.openFiles)
        if (open == name) {
            diag::error("LIGNTRAIT", name);
            return false;
        }
    diag::setCurrentFile(name);
    std::FILE* stream = openForReading(name);
    if (!stream) diag::fatal("IMPOUVFIC", name);
    s.openFiles.push_back(name);
    FileFrame frame;
    frame.name = name;
    frame.stream = stream;
    if (!s.frames.empty()) {
        frame.fileNumber = s.nextFileNumber++;
        harness::writeRecord("E11 " + std::to_string(frame.fileNumber) + " " +
                             driver::absolutePath(name));
        s.frames.back().resumeLineNumber = diag::currentLine();
    }
    s.frames.push_back(std::move(frame));
    diag::setCurrentFile(name);
    diag::setCurrentLine(-1);
    return true;
}

std::string popScriptFile() {
    auto& s = stack();
    if (s.frames.size() < 2) return {};
    FileFrame& top = s.frames.back();
    std::fclose(top.stream);
    for (auto it = s.openFiles.begin(); it != s.openFiles.end(); ++it)
        if (*it == top.name) {
            s.openFiles.erase(it);
            break;
        }
    s.frames.pop_back();
    FileFrame& current = s.frames.back();
    diag::setCurrentFile(current.name);
    diag::setCurrentLine(current.resumeLineNumber);
    return std::exchange(current.resumeLine, {});
}

bool inIncludedFile() { return stack().frames.size() > 1; }

const std::string& currentScriptName() {
    static const std::string none;
    return stack().frames.empty() ? none : stack().frames.back().name;
}

int currentFileNumber() { return stack().frames.empty() ? 0 : stack().frames.back().fileNumber; }

bool readScriptLine(std::string& line) {
    auto& s = stack();
    if (s.frames.empty() || !s.frames.back().stream) return false;
    if (!readLimitedLine(s.frames.back().stream, line)) return false;
    diag::setCurrentLine(diag::currentLine() + 1);
    return true;
}

void saveResumeLine(std::string line) {
    if (!stack().frames.empty()) stack().frames.back().resumeLine = std::move(line);
}

void saveCurrentLineNumber() {
    if (!stack().frames.empty()) stack().frames.back().resumeLineNumber = diag::currentLine();
}

void closeMainScript() {
    auto& s = stack();
    for (auto& frame : s.frames)
        if (frame.stream) std::fclose(frame.stream);
    s.frames.clear();
    s.openFiles.clear();
}

std::string findIncludeFile(const std::string& name) {
    if (driver::fileExists(name)) return name;
    for (const auto& directory : driver::settings().includeDirectories) {
        const std::string candidate = directory + "/" + name;
        if (driver::fileExists(candidate)) return candidate;
    }
    return {};
}

bool fileManager(int action, int kind, const std::string& path) {
    if (kind == F_INC || kind == F_SOURCE) return manageIncludedOrSource(action, kind, path);
    if (kind == F_PTU && action == A_RESETER) {
        auto& s = stack();
        if (s.frames.empty()) diag::fatal("IMPRESFIC", path);
        return rewind(s.frames.back().stream, s.frames.back().name);
    }
    refuse(action, kind);
}

bool fileManagerReadLine(int kind, std::string& line) {
    if (kind == F_INC || kind == F_SOURCE) {
        std::FILE* stream = stack().managed[kind].stream;
        if (!stream || !readLimitedLine(stream, line)) return false;
        diag::setCurrentLine(diag::currentLine() + 1);
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
    refuse(0, kind);
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

}  // namespace script
