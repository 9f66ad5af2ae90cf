// Path services: splitting file names and completing them from the working
// directory.
#pragma once

#include <string>
#include <string_view>

namespace diag {

struct PathParts {
    std::string directory;  // with its trailing "/", empty when the path has none
    std::string fileName;
};
PathParts splitPath(std::string_view path);

struct NameParts {
    std::string base;
    std::string extension;  // after the last ".", empty when there is none
};
NameParts splitExtension(std::string_view fileName);

// A relative directory prefixed with the working directory; ends with "/".
std::string absoluteDirectory(std::string_view directory);
// Empty when the file cannot be examined, else its absolute directory and name.
std::string absolutePath(std::string_view path);
bool fileExists(const std::string& path);

// One name for a file that may not exist yet: the absolute path with its
// directory's links resolved when that directory exists, else without ".",
// ".." and repeated "/".
std::string normalisedPath(std::string_view path);

}  // namespace diag
