// The analyser's C preprocessor: texts handed over by the script side become
// preprocessed text (directives run, macros expanded, comments removed,
// included files inserted, "#line" markers written). Its state (macros,
// include search list, base type sizes, the analysis switch) lives for the run.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace analyser {

// Severities of the reporting callback.
enum Severity : int {
    kInternalError = 0,
    kFatalError = 1,
    kError = 2,
    kWarning = 3,
    kInformation = 4
};

// Every diagnostic of the preprocessor goes through this callback, with the
// file and line of the innermost named input level ("" and 0 when none).
using ReportCallback = void (*)(int severity, std::string_view code, std::string_view parameter,
                                std::string_view fileName, int line);

// Start-up, once: character classes, include search list (the directories
// given, then the target "lib" directory, then the system directories when
// HRW_ADD_USR_INCLUDE is set), predefined and special macros, and the
// command-line definitions ("NAME" or "NAME=value").
void CPP_prepro_init(bool ansi, bool kAndR, const std::vector<std::string>& includeDirectories,
                     const std::vector<std::string>& definitions, ReportCallback report);

// Preprocesses one text reported under fileName (may be empty) from firstLine
// on; the output replaces result. Returns the number of errors (severity 2).
int CPP_prepro_text(const std::string& text, bool forced, const std::string& fileName,
                    int firstLine, std::string& result);

// Close-down: open conditionals are reported, macros defined by texts
// removed, the type modifier list emptied; the search list is dropped when
// freeSearchList is set.
void CPP_prepro_end(bool freeSearchList);

// Sizes in bits of the base types, shared with the declaration parser.
struct BaseTypeSizes {
    int longLongBits = 64;
    int longBits = 32;
    int intBits = 32;
    int shortBits = 16;
    int charBits = 8;
    bool charUnsigned = false;  // plain char
};
BaseTypeSizes& baseTypeSizes();

// Sets the size of a base type named as in "#pragma vorne sizeof" ("int",
// "short", "long", "longlong", "char"); false for any other name.
bool setBaseTypeSize(std::string_view name, int bits);

// The type modifier list: words the declaration lexers return as tokens of
// their own, each with its number.
struct TypeModifier {
    std::string word;
    int number = 0;
};
void addTypeModifier(std::string_view word, int number);
void removeTypeModifier(std::string_view word);
const std::vector<TypeModifier>& typeModifiers();
const TypeModifier* findTypeModifier(std::string_view word);

// Every file read through "#include" so far, each path once, in order.
const std::vector<std::string>& includedFiles();

// Whether a macro of that name is defined now.
bool isMacroDefined(std::string_view name);

// The analysis switch driven by the stop/start pragmas.
bool analysisOn();

}  // namespace analyser
