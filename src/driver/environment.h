// Environment set-up, the logical extensions of file kinds and the path
// services the other stages use to split and complete file names.
#pragma once

#include "config/settings.h"
#include "diag/paths.h"

#include <string>
#include <string_view>

namespace driver {

// File kinds of the logical extension table.
enum FileKind : int {
    kTdcFile = 0, kRoFile = 1, kRioFile = 2, kRio2File = 3, kPtuFile = 4, kSegFile = 5,
    kLisFile = 6, kSmbFile = 7, kDefFile = 8, kExcFile = 9, kExhFile = 10, kCppFile = 11,
    kRodFile = 12, kDdtFile = 13, kMdtFile = 14, kExiFile = 15
};

// The value of the kind's variable (VORNETDC ... VORNEEXI) when set, else the
// default extension; an unknown kind gives its number as text.
std::string logicalExtension(int kind);

using config::Environment;

// Target and header look-up; BADRUNTIM when the target package is missing.
void setUpEnvironment();
const Environment& environment();

// The variable's value, or NOLOGIDEF and the default when it is unset.
std::string getLogicalName(const char* variable, std::string_view defaultValue);

// The path services of the lower modules.
using diag::absoluteDirectory;
using diag::absolutePath;
using diag::fileExists;
using diag::NameParts;
using diag::PathParts;
using diag::splitExtension;
using diag::splitPath;

// True for an existing directory; otherwise INCLTYPER and false.
bool isDirectory(const std::string& path);
// A unique name from the system's temporary-name service with suffix appended.
std::string temporaryName(std::string_view suffix);
// The standard random generator, seeded once with the current time.
int randomNumber();

}  // namespace driver
