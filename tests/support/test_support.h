// Helpers shared by the unit tests.
#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

// A fresh directory under the system's temporary directory, removed with the
// object; the working directory is moved into it while the object lives.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes a file relative to the directory and returns its path.
    std::filesystem::path write(const std::string& name, const std::string& content) const;

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

std::string readFile(const std::filesystem::path& path);

}  // namespace testsupport
