// Diagnostics: the message catalog, raising messages with a code and a level,
// the current script position, the message file (the listing) and the
// end-of-execution summary that decides the exit status.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace diag {

// The compiler's title and version, as banners, file headers and records give
// them.
inline constexpr std::string_view kToolTitle = "Deprecated C++ Test Script Compiler";
inline constexpr std::string_view kToolVersion = "8.0.1.2.343.015";

enum class Level : int { S = 0, F = 1, E = 2, W = 3, I = 4 };

// Exit statuses of the program.
inline constexpr int kStatusClean = 0;
inline constexpr int kStatusWarnings = 3;
inline constexpr int kStatusErrors = 5;
inline constexpr int kStatusFatal = 7;
inline constexpr int kStatusInternal = 9;

// ---- Start-up -------------------------------------------------------------

// Reads MORVIKDIR and installs the translators of the six catalog modules from
// MORVIKDIR/lib/locale. Without MORVIKDIR the process ends with status 7.
void installTranslators();

// Registers the four catalog groups (each at most once), translating every text.
void registerCatalog();

// The text in force for a code, after translation; nothing for an unknown code.
std::optional<std::string> catalogText(std::string_view code);

// A parameter that is a word rather than a name is translated in one of the
// contexts "Error Parameter", "Warning Parameter", "Internal Error Parameter".
std::string translateParameter(const char* context, const char* text);

// ---- Raising --------------------------------------------------------------

// Formats and emits one message with an explicit position. Levels S and F end
// the process (statuses 9 and 7) after printing; E and W are counted.
void raiseMessage(Level level, std::string_view code, std::string_view parameter,
                  std::string_view fileName, int line);

// The common forms: the current position. The S and F forms run the fatal
// clean-up first (see setFatalCleanup) and never return.
void raise(Level level, std::string_view code, std::string_view parameter = {});
void error(std::string_view code, std::string_view parameter = {});
void warning(std::string_view code, std::string_view parameter = {});
void info(std::string_view code, std::string_view parameter = {});
[[noreturn]] void fatal(std::string_view code, std::string_view parameter = {});
[[noreturn]] void internalError(std::string_view code, std::string_view parameter = {});

// The positioned form: stores fileName and line as the current position, then
// raises at the level (S and F run the fatal clean-up first).
void raiseAt(Level level, std::string_view code, std::string_view parameter,
             std::string_view fileName, int line);

// The body of a message without its head: the catalog text with the position
// prefix and the parameter in place, or the fallback for an unknown code.
std::string formatBody(std::string_view code, std::string_view prefix,
                       std::string_view parameter);

// "[file:line] ", "[line] " or "".
std::string positionPrefix(std::string_view fileName, int line);

// Called once before any level S or F message is printed (set by the driver:
// it removes the outputs of the run). Also called by the signal handler path.
void setFatalCleanup(void (*cleanup)());

// ---- Current position -----------------------------------------------------

void setCurrentFile(std::string_view name);
const std::string& currentFile();
void setCurrentLine(int line);
int currentLine();
void savePreviousLine();
int previousLine();

// ---- Message file ---------------------------------------------------------

// Sets the echo flag, remembers the path and opens it (truncating); a failure
// is the fatal FICERROPN. An empty path only sets the echo flag.
void openMessageFile(const std::string& path, bool echo);
void closeMessageFile();
// The errors and warnings raised before the message file was opened (during
// command-line analysis and environment set-up), written to it once, after
// its header.
void writeHeldMessages();
bool messageFileOpen();
const std::string& messageFilePath();
// Writes raw text to the message file when it is open (listing copy, headers).
void writeToMessageFile(std::string_view text);

// ---- Counters and end -----------------------------------------------------

std::uint32_t errorCount();
std::uint32_t warningCount();

// Prints the summary, closes the message file, removes it when the run was
// clean and removeIfClean is set, and exits with the summary's status.
[[noreturn]] void endOfExecution(bool removeIfClean);

// Flushes the standard streams and ends the process with the status.
[[noreturn]] void terminate(int status);

// Installs the handler of the segmentation-violation signal: it reports
// INTERNERR "Module SFC" at level S and ends with status 9.
void installCrashHandler();

// Test support: clears counters, position and message file state.
void resetForTesting();

}  // namespace diag
