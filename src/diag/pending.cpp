// Outputs in the making: temporary files beside their final paths, renamed
// over them when complete, and the signal handlers that remove them.
#include "diag/diag_internal.h"
#include "diag/files.h"
#include "diag/paths.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace diag {

namespace {

// What a signal handler needs to remove one pending output: fixed storage,
// filled before the slot is marked in use and read with unlink(2) and
// rename(2) only.
struct Slot {
    char temporary[PATH_MAX];
    char final[PATH_MAX];
    pid_t owner;  // a forked child never removes its parent's files
    volatile std::sig_atomic_t use;
};

enum SlotUse : int { kFree = 0, kPending = 1, kKeptOnCrash = 2 };

// The generated file, its companion, the record file, the constants and
// trace files, the listing, and room to spare.
constexpr int kSlotCount = 8;
Slot slots[kSlotCount];

constexpr int kInterruptSignals[] = {SIGINT, SIGTERM, SIGHUP};

// A file name kept whole in the temporary name, whose length stays within
// the system's limit for one name.
constexpr std::size_t kNameKept = 200;

sigset_t interruptSet() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kInterruptSignals) sigaddset(&set, signal);
    return set;
}

// Interrupts wait while a file and the slot that describes it change together.
class InterruptsHeld {
public:
    InterruptsHeld() {
        const sigset_t set = interruptSet();
        ::sigprocmask(SIG_BLOCK, &set, &previous_);
    }
    ~InterruptsHeld() { ::sigprocmask(SIG_SETMASK, &previous_, nullptr); }
    InterruptsHeld(const InterruptsHeld&) = delete;
    InterruptsHeld& operator=(const InterruptsHeld&) = delete;

private:
    sigset_t previous_;
};

// The permissions a file created by fopen would get.
mode_t newFileMode() {
    static const mode_t mode = [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    return mode;
}

int freeSlot() {
    for (int i = 0; i < kSlotCount; ++i)
        if (slots[i].use == kFree) return i;
    return -1;
}

// Nothing but a regular file or a link is ever replaced: a directory, a
// device or a FIFO named as an output is refused.
bool replaceable(const std::string& finalPath) {
    struct stat info {};
    if (::lstat(finalPath.c_str(), &info) != 0) return true;  // created, or refused by mkstemp
    if (S_ISREG(info.st_mode) || S_ISLNK(info.st_mode)) return true;
    errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    return false;
}

// Hidden, beside the final name, with six characters mkstemp chooses.
std::string temporaryTemplate(const std::string& finalPath) {
    const PathParts parts = splitPath(finalPath);
    return parts.directory + "." + parts.fileName.substr(0, kNameKept) + ".XXXXXX";
}

void fill(Slot& slot, const std::string& temporary, const std::string& final, bool keepOnCrash) {
    std::memcpy(slot.temporary, temporary.c_str(), temporary.size() + 1);
    std::memcpy(slot.final, final.c_str(), final.size() + 1);
    slot.owner = ::getpid();
    std::atomic_signal_fence(std::memory_order_seq_cst);
    slot.use = keepOnCrash ? kKeptOnCrash : kPending;
}

extern "C" void onInterrupt(int signal) {
    const int savedErrno = errno;
    detail::removePendingOutputs(false);
    ::signal(signal, SIG_DFL);
    ::raise(signal);  // delivered as the handler returns, with its default effect
    errno = savedErrno;
}

}  // namespace

PendingOutput::PendingOutput(PendingOutput&& other) noexcept { *this = std::move(other); }

PendingOutput& PendingOutput::operator=(PendingOutput&& other) noexcept {
    if (this == &other) return *this;
    discard(false);
    slot_ = std::exchange(other.slot_, -1);
    owner_ = other.owner_;
    descriptor_ = std::exchange(other.descriptor_, -1);
    temporaryPath_ = std::move(other.temporaryPath_);
    finalPath_ = std::move(other.finalPath_);
    return *this;
}

PendingOutput::~PendingOutput() { discard(false); }

bool PendingOutput::create(const std::string& finalPath, bool keepOnCrash) {
    discard(false);
    finalPath_ = finalPath;
    if (!replaceable(finalPath)) return false;
    std::string name = temporaryTemplate(finalPath);
    if (name.size() >= PATH_MAX || finalPath.size() >= PATH_MAX) {
        errno = ENAMETOOLONG;
        return false;
    }
    const InterruptsHeld held;
    const int slot = freeSlot();
    if (slot < 0) {
        errno = EMFILE;
        return false;
    }
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return false;
    ::fchmod(fd, newFileMode());
    fill(slots[slot], name, finalPath, keepOnCrash);
    slot_ = slot;
    owner_ = ::getpid();
    descriptor_ = fd;
    temporaryPath_ = std::move(name);
    return true;
}

bool PendingOutput::commit() {
    if (!held()) return false;
    if (inputNamedBy(finalPath_)) {
        discard(false);
        errno = EEXIST;
        return false;
    }
    const InterruptsHeld held;
    const bool renamed = ::rename(temporaryPath_.c_str(), finalPath_.c_str()) == 0;
    const int renameErrno = errno;
    if (!renamed) ::unlink(temporaryPath_.c_str());
    release();
    errno = renameErrno;
    return renamed;
}

void PendingOutput::discard(bool removeFinal) {
    const bool own = owner_ == ::getpid();
    if (held()) {
        const InterruptsHeld held;
        if (own) ::unlink(temporaryPath_.c_str());
        release();
    }
    if (own && removeFinal && !finalPath_.empty() && !inputNamedBy(finalPath_)) ::unlink(finalPath_.c_str());
}

void PendingOutput::release() {
    if (slot_ >= 0) slots[slot_].use = kFree;
    slot_ = -1;
    descriptor_ = -1;
}

void installInterruptHandlers() {
    for (const int signal : kInterruptSignals) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) continue;
        struct sigaction action {};
        action.sa_handler = onInterrupt;
        action.sa_mask = interruptSet();
        ::sigaction(signal, &action, nullptr);
    }
}

namespace detail {

void removePendingOutputs(bool crash) {
    const pid_t self = ::getpid();
    for (Slot& slot : slots) {
        const int use = slot.use;
        if (use == kFree || slot.owner != self) continue;
        if (crash && use == kKeptOnCrash) ::rename(slot.temporary, slot.final);
        else ::unlink(slot.temporary);
    }
}

}  // namespace detail

}  // namespace diag
