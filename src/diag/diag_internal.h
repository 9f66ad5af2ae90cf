// Shared between the files of the diag module only.
#pragma once

#include <cstddef>

namespace diag::detail {

// The head of every message line: "Morvik-" level "-" code ",  " text.
inline constexpr char kMessagePrefix[] = "Morvik-";

// Best effort from the crash handler: flushes what the message file holds and
// appends the crash line to it.
void writeCrashLineToMessageFile(const char* line, std::size_t length);

// From a signal handler: removes every pending temporary file; on a crash the
// ones kept on crash (the listing) are renamed over their final paths instead.
void removePendingOutputs(bool crash);

// Test support: no file has been read as an input yet.
void forgetInputsForTesting();

// Test support: what ends the process in place of exit(3) (a fuzzing target
// unwinds instead of exiting); nullptr restores exit(3).
using TerminateHook = void (*)(int status);
void setTerminateHook(TerminateHook hook);

}  // namespace diag::detail
