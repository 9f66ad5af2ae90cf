// Path services.
#include "diag/paths.h"

#include <sys/stat.h>
#include <unistd.h>

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

}  // namespace diag
