// The stack of script files being read, the search of include files, and the
// file manager through which the driver opens the -SOURCE file.
#pragma once

#include <string>
#include <string_view>

namespace script {

// Longest line or statement the reader handles.
inline constexpr std::size_t kLineLimit = 8191;

// Pushes a frame and opens a script for reading. A file already being read is
// LIGNTRAIT (false); an unreadable one is the fatal IMPOUVFIC. An included file
// gets its "E11" record and the next file number.
bool openScriptFile(const std::string& name);

// Closes the current included file, pops its frame, restores the including
// file as current and returns the resume line saved in it (empty when none).
std::string popScriptFile();

// True while the current file is an included one (more than one frame).
bool inIncludedFile();
// Name and file number (0 for the main script) of the current file.
const std::string& currentScriptName();
int currentFileNumber();

// Reads the next physical line of the current script: at most kLineLimit
// characters (a longer line comes in pieces), trailing "\r" and "\n" removed;
// increments the current line. False at the end of the file.
bool readScriptLine(std::string& line);

// Saves the line to resume with once an included file is exhausted.
void saveResumeLine(std::string line);
// Stores the current line number in the current frame.
void saveCurrentLineNumber();

// Closes the main script (end of the run).
void closeMainScript();

// The path of an existing file: the name as given, else the first -INCL
// directory that holds it; empty when none.
std::string findIncludeFile(const std::string& name);

// ---- File manager -----------------------------------------------------------

enum FileManagerKind : int { F_INC = 0, F_SOURCE = 1, F_PTU = 2 };
enum FileManagerAction : int {
    A_OUVRIR = 0, A_OUVRIR_ECR = 1, A_FERMER_SAUV = 2, A_FERMER_DEL = 3, A_RESETER = 4
};

bool fileManager(int action, int kind, const std::string& path);
// Kinds 0 and 1: the next line (trailing "\r" and "\n" removed, current line
// incremented); kind 2: the next native line of the script without its first
// character. False at the end of the file.
bool fileManagerReadLine(int kind, std::string& line);

// Include-version processing: for the -SOURCE file (kind 1) with a marker,
// the text between the quotes that follow the marker on its first line.
void processIncludesAndVersion(const std::string& path, int kind, std::string_view marker,
                               std::string& version, int language);

}  // namespace script
