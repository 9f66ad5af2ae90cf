// The settings of a run: what command-line analysis fills and the file-name
// derivation completes, and what the environment gives. The driver fills them
// once at start-up; every other module reads them and none writes them.
#pragma once

#include "values/languages.h"

#include <array>
#include <string>
#include <vector>

namespace config {

using values::kAda, values::kPascal, values::kPlm, values::kC, values::kAsm, values::kAutan,
    values::kCpp, values::kModula2, values::kFrench, values::kFrenchAlternate, values::kEnglish;

// Flag positions of the RESTRICTION option.
enum Restriction : int {
    kNoExcep = 0, kNoImage = 1, kKr = 2, kAnsi = 3, kNoSqlSav = 4, kSepar = 5, kNoAlloc = 6,
    kNoPos = 7, kAda83 = 8, kRestrictionCount = 9
};

// One of the six selection lists of the command line, values upper-cased.
struct SelectionList {
    bool given = false;
    std::vector<std::string> names;
};

struct Settings {
    // Positional arguments.
    std::string scriptPath;
    std::string generatedPath;
    std::string rioDirectory;

    // Language row.
    std::string languageName;
    int languageIndex = kCpp;
    int secondaryLanguage = 5;
    int subLanguage = 0;
    int analysisLanguage = kCpp;
    bool analysis = true;  // declaration analysis on (no -NOANALYZE)
    bool databaseAccess = false;

    std::string version;
    std::string target;
    std::string className = "VORNE";
    std::string commandText;  // -COMMAND
    std::string sourcePath;   // -SOURCE
    bool sourceGiven = false;
    std::string strver;       // -STRVER
    bool constGiven = false;
    std::string constPath;
    bool tsfGiven = false;
    std::string tsfPath;
    std::string glentoLogPath;
    std::string rioName;
    std::string dataFile;

    bool noSimulation = false;
    bool noEdit = false;
    bool noPath = false;
    bool withSeparate = false;
    bool subSystem = false;
    bool fast = true;
    bool compress = false;
    bool expand = false;
    bool learn = false;

    std::string stdDefineFile;
    std::string renameFile;
    std::string symbtabFile;
    std::string adalinkFile;
    std::string standardFile;

    SelectionList services;  // -SERVICE and -OPERATION
    SelectionList tests;
    SelectionList families;
    SelectionList exServices;  // -EXSERVICE and -EXOPERATION
    SelectionList exTests;
    SelectionList exFamilies;
    std::vector<std::string> includeDirectories;  // -INCL, existing directories only
    std::vector<std::string> definitions;         // -DEFINE
    std::array<bool, kRestrictionCount> restrictions{};
    int syscomp = 0;
    bool syscompGiven = false;
    std::array<bool, 10> traceLevels{};

    std::vector<std::string> optionFiles;  // read while the command line was expanded
    std::string commandImage;  // the normalised command line
    std::string dateString;    // ctime layout without the newline
    int keywordLanguage = kEnglish;  // the script's, until its first keyword switches it

    // Derived file names (see deriveFileNames).
    std::string scriptDirectory, scriptBase, scriptExtension;
    std::string generatedDirectory, generatedBase, generatedExtension;
    std::string rioPath;
    std::string recordPath;     // G.tdc
    std::string companionPath;  // G.icc
    std::string segmentPath;
    std::string listingPath;    // S.lis
    std::string traceDirectory, traceBase, traceExtension;

    bool restricted(Restriction r) const { return restrictions[r]; }
    bool traceLevel(int level) const { return level >= 0 && level < 10 && traceLevels[level]; }
};

struct Environment {
    std::string targetDirectory;     // HRUTGT, else HRLTGT, else empty
    std::string targetHeaderText;    // include operand with its double quotes
    bool targetHeaderFound = false;  // found in the package, or named by VORNECPPINC
    std::string segmentConfigPath;   // only used in sub-system mode
};

// The settings and the environment of this run, as the driver installed them
// (default values until then).
const Settings& settings();
const Environment& environment();

// The driver hands over the values it fills, before it fills them; they are
// read from there on.
void install(const Settings& settings);
void install(const Environment& environment);

}  // namespace config
