// Path services.
#include "diag/paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <vector>

namespace diag {

namespace {

std::string currentDirectory() {
    std::string buffer(4096, '\0');
    while (!::getcwd(buffer.data(), buffer.size())) {
        if (buffer.size() > (1u << 20)) return {};
        buffer.resize(buffer.size() * 2);
    }
    buffer.resize(std::char_traits<char>::length(buffer.c_str()));
    return buffer;
}

// "/a/./b//c/../d" as "/a/b/d"; ".." above the root stays at the root.
std::string withoutDotsAndRepeats(std::string_view absolute) {
    std::vector<std::string_view> kept;
    while (!absolute.empty()) {
        const std::size_t slash = absolute.find('/');
        const std::string_view part = absolute.substr(0, slash);
        absolute.remove_prefix(slash == std::string_view::npos ? absolute.size() : slash + 1);
        if (part == "..") {
            if (!kept.empty()) kept.pop_back();
        } else if (!part.empty() && part != ".") {
            kept.push_back(part);
        }
    }
    std::string out;
    for (const auto part : kept) {
        out += '/';
        out += part;
    }
    return out.empty() ? "/" : out;
}

// The directory as the system resolves it, links included; empty when it
// does not exist.
std::string resolvedDirectory(const std::string& directory) {
    char resolved[PATH_MAX];
    if (!::realpath(directory.empty() ? "." : directory.c_str(), resolved)) return {};
    return resolved;
}

}  // namespace

PathParts splitPath(std::string_view path) {
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos) return {{}, std::string(path)};
    return {std::string(path.substr(0, slash + 1)), std::string(path.substr(slash + 1))};
}

NameParts splitExtension(std::string_view fileName) {
    const auto dot = fileName.rfind('.');
    if (dot == std::string_view::npos) return {std::string(fileName), {}};
    return {std::string(fileName.substr(0, dot)), std::string(fileName.substr(dot + 1))};
}

std::string absoluteDirectory(std::string_view directory) {
    std::string result;
    if (!directory.empty() && directory.front() == '/') {
        result = directory;
    } else {
        while (directory.substr(0, 2) == "./") directory.remove_prefix(2);
        result = currentDirectory() + "/" + std::string(directory);
    }
    if (result.empty() || result.back() != '/') result += '/';
    return result;
}

std::string absolutePath(std::string_view path) {
    struct stat info {};
    if (::stat(std::string(path).c_str(), &info) != 0) return {};
    const auto parts = splitPath(path);
    return absoluteDirectory(parts.directory) + parts.fileName;
}

bool fileExists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

std::string normalisedPath(std::string_view path) {
    const PathParts parts = splitPath(path);
    if (!parts.fileName.empty() && parts.fileName != "." && parts.fileName != "..") {
        const std::string directory = resolvedDirectory(parts.directory);
        if (!directory.empty())
            return (directory == "/" ? std::string() : directory) + "/" + parts.fileName;
    }
    const std::string absolute =
        !path.empty() && path.front() == '/' ? std::string(path) : currentDirectory() + "/" + std::string(path);
    return withoutDotsAndRepeats(absolute);
}

}  // namespace diag
