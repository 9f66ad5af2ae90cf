// Inputs: read whole when they are regular files of a sane size, and
// remembered by identity for the run.
#include "diag/files.h"
#include "diag/paths.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <unordered_map>

namespace diag {

namespace {

struct IdentityHash {
    std::size_t operator()(const FileIdentity& id) const {
        return std::hash<std::uint64_t>()(static_cast<std::uint64_t>(id.device) * 0x9E3779B97F4A7C15ull ^
                                          static_cast<std::uint64_t>(id.inode));
    }
};

// Every file read as an input of this run, with the name it was read under.
struct InputsState {
    std::unordered_map<FileIdentity, std::string, IdentityHash> read;
};

InputsState& inputs() {
    static InputsState s;
    return s;
}

bool tooLarge(const struct stat& info, std::size_t limit) {
    return info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > limit;
}

// Reads until the end of the file, or until one byte beyond the limit.
InputStatus readDescriptor(int fd, std::size_t limit, std::string& content, FileIdentity& identity) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return InputStatus::Unreadable;
    if (!S_ISREG(info.st_mode)) return InputStatus::NotRegular;
    if (tooLarge(info, limit)) return InputStatus::TooLarge;
    identity = {info.st_dev, info.st_ino};
    content.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t size = 0;
    for (;;) {
        if (size == content.size()) content.resize(std::min(content.size() * 2 + 8192, limit + 1));
        const ssize_t n = ::read(fd, content.data() + size, content.size() - size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return InputStatus::Unreadable;
        if (n == 0) break;
        size += static_cast<std::size_t>(n);
        if (size > limit) return InputStatus::TooLarge;
    }
    content.resize(size);
    return InputStatus::Read;
}

}  // namespace

// The file is examined before it is opened: opening a FIFO would wait for a
// writer, and opening a device may act on it. It is opened without waiting
// all the same, in case it was replaced in between.
InputStatus readInputFile(const std::string& path, std::string& content, std::size_t limit) {
    content.clear();
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return InputStatus::Unreadable;
    if (!S_ISREG(info.st_mode)) return InputStatus::NotRegular;
    if (tooLarge(info, limit)) return InputStatus::TooLarge;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return InputStatus::Unreadable;
    FileIdentity identity;
    const InputStatus status = readDescriptor(fd, limit, content, identity);
    ::close(fd);
    if (status != InputStatus::Read) {
        content.clear();
        content.shrink_to_fit();
        return status;
    }
    inputs().read.try_emplace(identity, path);
    return status;
}

std::optional<FileIdentity> identityOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino};
}

bool sameFile(const std::string& first, const std::string& second) {
    const auto firstIdentity = identityOf(first);
    const auto secondIdentity = identityOf(second);
    if (firstIdentity && secondIdentity) return *firstIdentity == *secondIdentity;
    if (firstIdentity || secondIdentity) return false;
    return normalisedPath(first) == normalisedPath(second);
}

std::optional<std::string> inputNamedBy(const std::string& path) {
    const auto identity = identityOf(path);
    if (!identity) return std::nullopt;
    const auto& read = inputs().read;
    const auto it = read.find(*identity);
    if (it == read.end()) return std::nullopt;
    return it->second;
}

namespace detail {

void forgetInputsForTesting() { inputs() = InputsState{}; }

}  // namespace detail

}  // namespace diag
