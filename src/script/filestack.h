// The stack of script files being read, the search of include files, and the
// file manager through which the driver opens the -SOURCE file.
#pragma once

#include "diag/files.h"

#include <optional>
#include <string>
#include <string_view>

namespace script {

// Longest line or statement the reader handles.
inline constexpr std::size_t kLineLimit = 8191;

// Pushes a frame and opens a script for reading. A file already being read
// (under any name) is LIGNTRAIT (false). An unreadable main script is the
// fatal IMPOUVFIC, an unreadable include FICINCINC (false). An included file
// gets its "E11" record and the next file number.
bool openScriptFile(const std::string& name);

// Closes the current included file, pops its frame, restores the including
// file as current (name and line) and hands back the line saved in it to
// resume with, if one was saved.
std::optional<std::string> popScriptFile();

// True while the current file is an included one (more than one frame).
bool inIncludedFile();
// Number of open script files.
std::size_t scriptDepth();
// Name, file number (0 for the main script) and number of the last line read
// of the current file.
const std::string& currentScriptName();
int currentFileNumber();
int currentScriptLine();

// Reads the next line of the current script: at most kLineLimit characters (a
// longer physical line comes in pieces that share its line number), trailing
// "\r" removed; sets the current line. False at the end of the file.
bool readScriptLine(std::string& line);

// The line to resume with once an included file is exhausted, kept in the
// current frame.
void saveResumeLine(std::optional<std::string> line);
std::optional<std::string> takeResumeLine();

// Closes the main script (end of the run).
void closeMainScript();

// The path of an existing file: the name as given, else the first -INCL
// directory that holds it; empty when none.
std::string findIncludeFile(const std::string& name);

// The whole content of a regular file within the input limit; a directory, a
// device or a FIFO is never opened for reading.
diag::InputStatus readWholeFile(const std::string& path, std::string& content);


// ---- File manager -----------------------------------------------------------

enum FileManagerKind : int { F_INC = 0, F_SOURCE = 1, F_PTU = 2 };
enum FileManagerAction : int {
    A_OUVRIR = 0, A_OUVRIR_ECR = 1, A_FERMER_SAUV = 2, A_FERMER_DEL = 3, A_RESETER = 4
};

bool fileManager(int action, int kind, const std::string& path);
// Kinds 0 and 1: the next line (as readScriptLine); kind 2: the next native
// line of the script without its first character. False at the end.
bool fileManagerReadLine(int kind, std::string& line);

// Include-version processing: for the -SOURCE file (kind 1) with a marker,
// the text between the quotes that follow the marker on its first line.
void processIncludesAndVersion(const std::string& path, int kind, std::string_view marker,
                               std::string& version, int language);

}  // namespace script
