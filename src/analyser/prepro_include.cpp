// The include search list, "#include" and "#include_next", and reading files.
#include "analyser/prepro_internal.h"

#include "diag/files.h"

#include <cstdlib>
#include <sys/stat.h>

namespace analyser::prepro {

namespace {

bool isRegularFile(const std::string& path) {
    State& s = state();
    if (const auto it = s.pathExists.find(path); it != s.pathExists.end()) return it->second;
    struct stat info{};
    const bool exists = ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
    s.pathExists.emplace(path, exists);
    return exists;
}

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return {};
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

struct Found {
    std::string path;
    int searchIndex = -1;
};

std::string joinPath(const std::string& directory, std::string_view name) {
    std::string path = directory;
    if (path.empty() || path.back() != '/') path += '/';
    path += name;
    return path;
}

// As written first (unless "#include_next"), then the search list from the
// entry after the one through which the current file was found.
bool search(std::string_view name, bool next, Found& found) {
    const State& s = state();
    const std::string written(name);
    if ((!next || written.front() == '/') && isRegularFile(written)) {
        found = {written, -1};
        return true;
    }
    if (written.front() == '/') return false;
    std::size_t start = 0;
    if (next && s.topText >= 0) {
        const int current = s.levels[static_cast<std::size_t>(s.topText)].searchIndex;
        if (current >= 0) start = static_cast<std::size_t>(current) + 1;
    }
    for (std::size_t i = start; i < s.searchList.size(); ++i) {
        std::string candidate = joinPath(s.searchList[i], name);
        if (isRegularFile(candidate)) {
            found = {std::move(candidate), static_cast<int>(i)};
            return true;
        }
    }
    return false;
}

void recordIncluded(const std::string& path) {
    State& s = state();
    if (s.includedSet.emplace(path, true).second) s.includedFiles.push_back(path);
}

std::string fileIdentity(const std::string& path) {
    struct stat info{};
    if (::stat(path.c_str(), &info) != 0) return path;
    return std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino);
}

// "file" or <file>; other text is macro-expanded once and tried again.
bool headerName(Level& level, std::string& name, bool& angled) {
    std::string_view rest = restOfLine(level);
    while (!rest.empty() && isHorizontalBlank(rest.front())) rest.remove_prefix(1);
    const char open = rest.empty() ? '\0' : rest.front();
    if (open == '"' || open == '<') {
        const auto close = rest.find(open == '"' ? '"' : '>', 1);
        if (close != std::string_view::npos && close > 1) {
            name.assign(rest.substr(1, close - 1));
            angled = open == '<';
            return true;
        }
    }
    std::vector<Token> tokens = expandTokens(relex(rest));
    if (!tokens.empty() && tokens[0].kind == TokenKind::String && tokens[0].text.size() > 2 &&
        tokens[0].text.front() == '"') {
        name.assign(tokens[0].text.substr(1, tokens[0].text.size() - 2));
        angled = false;
        return true;
    }
    if (tokens.size() >= 3 && tokens[0].is('<') && tokens.back().is('>')) {
        name.clear();
        for (std::size_t i = 1; i + 1 < tokens.size(); ++i) {
            if (i > 1 && (tokens[i].flags & kLeadingSpace)) name += ' ';
            name += tokens[i].text;
        }
        angled = true;
        return true;
    }
    report(kWarning, "ERINCLUDE", rest);
    return false;
}

bool skippedByGuard(const std::string& path) {
    State& s = state();
    if (const auto it = s.includeGuards.find(path);
        it != s.includeGuards.end() && s.macros.find(it->second))
        return true;
    return !s.onceFiles.empty() && s.onceFiles.count(fileIdentity(path));
}

void includeFile(const Found& found, bool once) {
    State& s = state();
    recordIncluded(found.path);
    const bool skipped = skippedByGuard(found.path);
    if (once) s.onceFiles[fileIdentity(found.path)] = true;
    if (skipped) return;
    std::string text;
    if (const auto status = diag::readInputFile(found.path, text); status != diag::InputStatus::Read) {
        report(kError, status == diag::InputStatus::TooLarge ? "FICTROGROS" : "IMPOUVFIC", found.path);
        return;
    }
    prepareText(text, found.path);
    if (!pushTextLevel(std::move(text), found.path, true, 1)) {
        report(kError, "NBRECURSI", found.path);
        s.stackExhausted = true;
        return;
    }
    top().searchIndex = found.searchIndex;
    top().path = found.path;
}

}  // namespace

void appendSearchDirectory(const std::string& directory) {
    State& s = state();
    if (directory.empty()) return;
    for (const auto& existing : s.searchList)
        if (existing == directory) return;
    s.searchList.push_back(directory);
}

void buildSearchList(const std::vector<std::string>& directories) {
    for (const auto& directory : directories) appendSearchDirectory(directory);
    const char* target = std::getenv("HRUTGT");
    if (!target) target = std::getenv("HRLTGT");
    if (target) appendSearchDirectory(std::string(target) + "/lib");
    if (std::getenv("HRW_ADD_USR_INCLUDE")) {
        appendSearchDirectory("/usr/include");
        appendSearchDirectory("/usr/local/include");
    }
}

void runInclude(Level& level, bool next, bool once) {
    State& s = state();
    std::string name;
    bool angled = false;
    if (!headerName(level, name, angled) || s.stackExhausted) return;
    if (level.named) appendSearchDirectory(directoryOf(level.name));
    Found found;
    if (!search(name, next && angled, found)) {
        report(kError, "IMPOUVFIC", name);
        return;
    }
    includeFile(found, once);
}

bool hasInclude(std::string_view name, bool angled, bool next) {
    if (name.empty()) return false;
    Found found;
    return search(name, next && angled, found);
}

void markIncludedOnce(const Level& level) {
    if (!level.path.empty()) state().onceFiles[fileIdentity(level.path)] = true;
}

void finishFileLevel(Level& level) {
    if (level.path.empty() || !level.guardOpen || !level.guardClosed || level.guardSpoiled) return;
    state().includeGuards[level.path] = level.guardName;
}

}  // namespace analyser::prepro
