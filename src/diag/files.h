// Files as the compiler reads and writes them. Every input is read whole,
// only when it is a regular file and never beyond a size no real input
// reaches, and is remembered so that no output replaces it. Every output is
// written to a temporary file beside its final path and renamed over that
// path when it is complete; a signal removes the temporary files.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <optional>
#include <string>

namespace diag {

// ---- Inputs -----------------------------------------------------------------

// No script, option file or header comes near this size.
inline constexpr std::size_t kInputLimit = std::size_t{1} << 30;

enum class InputStatus {
    Read,
    Unreadable,  // missing, or refused by the system
    NotRegular,  // a directory, device, FIFO or socket: never opened for reading
    TooLarge,    // more than the limit
};

// Reads a regular file whole, at most limit bytes, without ever waiting on it,
// and remembers it as an input of the run. content is empty unless Read.
InputStatus readInputFile(const std::string& path, std::string& content,
                          std::size_t limit = kInputLimit);

// The same file under any name: device and inode, following links.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};
std::optional<FileIdentity> identityOf(const std::string& path);

// Both paths name one file: by identity when both exist, else by their
// normalised paths.
bool sameFile(const std::string& first, const std::string& second);

// The name under which the file at path was read as an input of this run.
std::optional<std::string> inputNamedBy(const std::string& path);

// ---- Outputs being written ------------------------------------------------

// An output in the making: a temporary file in the directory of its final
// path, created with an unpredictable name and the permissions a new file
// gets, removed by SIGINT, SIGTERM, SIGHUP and a crash.
class PendingOutput {
public:
    PendingOutput() = default;
    PendingOutput(const PendingOutput&) = delete;
    PendingOutput& operator=(const PendingOutput&) = delete;
    PendingOutput(PendingOutput&& other) noexcept;
    PendingOutput& operator=(PendingOutput&& other) noexcept;
    // A pending output still held is abandoned: its temporary file is removed.
    ~PendingOutput();

    // Creates the temporary file for finalPath; false (errno set) when it
    // cannot be created, when finalPath names something other than a regular
    // file or a symbolic link, or when too many outputs are pending.
    // keepOnCrash: a crash renames it over its final path (the listing, which
    // then ends with the crash message).
    bool create(const std::string& finalPath, bool keepOnCrash = false);

    // Renames the temporary file over the final path, replacing a symbolic
    // link rather than writing through it. Refused (and the temporary file
    // removed) when the final path names an input of the run.
    bool commit();
    // Removes the temporary file; with removeFinal, also what stands at the
    // final path, unless it is an input of the run. A process forked after
    // the creation removes nothing.
    void discard(bool removeFinal);

    bool held() const { return slot_ >= 0; }
    int descriptor() const { return descriptor_; }
    const std::string& temporaryPath() const { return temporaryPath_; }
    const std::string& finalPath() const { return finalPath_; }

private:
    void release();

    int slot_ = -1;
    pid_t owner_ = 0;      // the process that created it, the only one to remove it
    int descriptor_ = -1;  // handed to the writer, which closes it
    std::string temporaryPath_;
    std::string finalPath_;
};

// Installs the handlers of SIGINT, SIGTERM and SIGHUP (unless the signal is
// ignored): they remove the pending temporary files, then let the signal end
// the process as it would have.
void installInterruptHandlers();

}  // namespace diag
