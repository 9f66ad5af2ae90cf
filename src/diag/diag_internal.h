// Shared between the files of the diag module only.
#pragma once

#include <cstddef>

namespace diag::detail {

// The head of every message line: "Morvik-" level "-" code ",  " text.
inline constexpr char kMessagePrefix[] = "Morvik-";

// Best effort from the crash handler: flushes what the message file holds and
// appends the crash line to it.
void writeCrashLineToMessageFile(const char* line, std::size_t length);

}  // namespace diag::detail
