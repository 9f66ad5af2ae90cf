// The generic option analyser: a descriptor table of positional arguments and
// options, the expansion of option files and "$" references, recognition of
// options by unambiguous prefix, argument checks and forbidden combinations.
// The compiler's own table is in cmdline_table.cpp, the reading into Settings in
// cmdline.cpp.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace driver::options {

// The analyser's errors, by index into its text table.
enum ErrorIndex : int {
    kValueTooSmall = 0,
    kValueTooLarge = 1,
    kLengthTooSmall = 2,
    kLengthTooLarge = 3,
    kTooManyArguments = 4,
    kListForbiddenArgument = 5,
    kUnknownOption = 6,
    kInvalidCharacter = 7,
    kUsedTwice = 8,
    kMandatoryArgument = 9,
    kNoArgument = 10,
    kListForbiddenOption = 11,
    kArgumentMissing = 12,
    kAmbiguousOption = 13,
    kUnknownValue = 14,
    kAmbiguousValue = 15,
    kIllegalCombination = 16,
    kFileNotFound = 17,
    kNoMemory = 18,
    kCommandAnalysis = 19,
    kBadOptionName = 20,
    kErrorCount = 21
};

enum class ValueKind { kText, kNumber, kEnumeration };

// What an option accepts after "=".
struct ArgumentDescriptor {
    const char* name;  // as the usage shows it
    bool list;         // several values separated by ","
    std::size_t minimumLength;
    std::size_t maximumLength;
    ValueKind kind = ValueKind::kText;
    std::span<const std::string_view> enumeration = {};  // kEnumeration: the allowed values
    int defaultIndex = -1;  // kEnumeration: the value an absent option receives
    long minimum = 0;       // kNumber: the allowed range
    long maximum = 0;
};

struct OptionDescriptor {
    const char* frenchName;
    const char* englishName;             // the name matched and shown
    const ArgumentDescriptor* argument;  // nullptr: the option takes no value
    bool negatable;                      // "NO" + name is accepted
    bool defaultOn;                      // given unless the command says otherwise
};

struct PositionalDescriptor {
    const char* frenchName;
    const char* englishName;  // the name reported when it is missing
    bool list;
    bool optional;
    std::size_t minimumLength;
    std::size_t maximumLength;
};

// Two options that may not both be given in the positive form.
struct ForbiddenPair {
    const char* first;
    const char* second;
};

struct CommandTable {
    std::span<const PositionalDescriptor> positionals;
    std::span<const OptionDescriptor> options;
    std::span<const ForbiddenPair> forbiddenPairs;  // checked in this order
    const char* usage;  // English; translated in context "Command-line"
};

// The first violation found: the error's index and the offending element (the
// option text after "-", the positional value or the file name).
struct Error {
    int index;
    std::string element;

    bool operator==(const Error&) const = default;
};

enum OptionState : int { kNotGiven = 0, kGiven = 1, kNegated = -1 };

// What the analysis found: per option of the table its state and values, per
// positional slot its values. The queries take the options' English names; a
// name that the table does not hold is the analyser error 20 and ends the run.
struct Analysis {
    explicit Analysis(const CommandTable& table);

    // Given in the positive form (or on by default and not negated).
    bool given(std::string_view name) const;
    OptionState state(std::string_view name) const;
    const std::vector<std::string>& valuesOf(std::string_view name) const;
    // The n-th value, empty when there is none.
    std::string value(std::string_view name, std::size_t n = 0) const;
    std::string positional(std::size_t slot, std::size_t n = 0) const;

    // The option's index in the table, or -1.
    int optionIndex(std::string_view name) const;

    const CommandTable* table;
    std::vector<OptionState> states;
    std::vector<std::vector<std::string>> values;
    std::vector<std::vector<std::string>> positionals;
    std::vector<std::string> optionFiles;  // the option files read, in order
};

// ---- Argument expansion ---------------------------------------------------

// Every argument that names an option file ("@file", "-OPTION=file") is
// replaced by the file's words; every other argument and every word has its
// "$" references replaced. Words of an option file never name option files
// themselves: such a word is refused as an unknown option. The paths of the
// option files go to optionFiles when it is given.
std::optional<Error> expandArguments(std::span<const std::string> arguments,
                                     std::vector<std::string>& expanded,
                                     std::vector<std::string>* optionFiles = nullptr);

// The words of an option file's text: "#" comment lines, separators, double
// quotes toggling the quoted mode, backslash continuations.
std::vector<std::string> optionFileWords(std::string_view text);

// "$NAME" replaced by the value of NAME when it is set; an unset variable is
// left as written and reported (information NOLOGIDEF).
std::string expandReferences(std::string_view text);

// ---- Analysis -------------------------------------------------------------

// Analyses the expanded arguments into result; returns the first violation.
std::optional<Error> analyse(std::span<const std::string> arguments, Analysis& result);

// ---- Reporting ------------------------------------------------------------

// The analyser's text for an error index, translated in context "CAB".
std::string errorText(int index);

// The usage text translated in context "Command-line", without its hidden
// last line (the one beginning with a tab and "[-XT").
std::string visibleUsage(const CommandTable& table);

// Product name, "Command analysis : ", error text, offending element, usage
// and a newline.
std::string errorLine(const CommandTable& table, const Error& error);

// Writes the error line to standard error and ends the run with CMDFATALE.
[[noreturn]] void fail(const CommandTable& table, const Error& error);

// Expansion and analysis together; memory exhaustion meanwhile is the error
// 18. Any violation ends the run through fail().
Analysis analyseCommand(const CommandTable& table, std::span<const std::string> arguments);

}  // namespace driver::options
