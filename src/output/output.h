// The output layer: the output files of a run and the ways of writing to them,
// the statements as the compilers receive them, and the state of the
// generation that every statement compiler shares (suppression flags, the
// structure number, where the structure statements stand, the sections in
// which a test is assembled).
#pragma once

#include "diag/files.h"
#include "values/expressions.h"

#include <array>
#include <cstdio>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace output {

// ---- Statements ---------------------------------------------------------------

// A complete statement as the dispatcher hands it to the handler of its kind.
struct Statement {
    std::string keyword;  // the keyword as looked up (upper-cased first word)
    std::string rest;     // the trimmed text after the keyword (after the second
                          // word for the END, DEFINE and INCLUDE forms)
    std::string text;     // the whole statement, as dispatched
};

// Every statement kind is handled by one function of this form; the options
// are read from config::settings(), the keyword language from keywordLanguage().
using StatementHandler = void (*)(const Statement&);

// ---- Files ----------------------------------------------------------------------

// A text output file, written to a temporary file beside its path and renamed
// over that path when it is closed complete (diag::PendingOutput). Every
// failure is fatal: IMPOUVFIC on open, IMPECRFIC on write, IMPFERFIC on close.
class OutputFile {
public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    // A file still open is abandoned: nothing appears at its path.
    ~OutputFile();

    // Starts the file; no generated-file list entry. Refused for a path that
    // names a directory, a device or a FIFO.
    void open(const std::string& path);
    void write(std::string_view text);
    void writeLine(std::string_view line);
    // Completes the file and renames it over its path; with remove, drops it
    // and removes what stood at its path instead (a run with errors).
    void close(bool remove);
    // Drops the file and removes what stands at its path, without any
    // diagnostic (fatal exits).
    void discard();

    bool isOpen() const { return file_ != nullptr; }
    const std::string& path() const { return path_; }

private:
    std::FILE* file_ = nullptr;
    std::string path_;
    bool opened_ = false;
    diag::PendingOutput pending_;
};

// Opens the file and appends its line to the GLENTO_LOG list when one is kept.
void openGeneratedFile(OutputFile& file, const std::string& path);

// The line of the generated-file list for a path, empty for other extensions.
std::string generatedFileListLine(const std::string& path);

// The comment header that opens every generated file, in the keyword language
// the run starts with.
void writeFileHeader(OutputFile& file, std::string_view opener, std::string_view closer,
                     std::string_view commandImage, std::string_view date);

// The listing header, written to the message file when it is open.
void writeListingHeader(std::string_view listingPath, std::string_view commandImage,
                        std::string_view date);

struct RunOutputs {
    OutputFile generated;  // G.cc, the main stream
    OutputFile companion;  // G.icc, the class section
    OutputFile records;    // G.tdc
    OutputFile constants;  // -CONST
};

RunOutputs& outputs();

// ---- Trace description (-TSF) ----------------------------------------------------

void beginTraceDescription(const std::string& tracePath, const std::string& scriptPath);
void describeService(std::string_view name, int serviceNumber, int link);
void describeTest(std::string_view name, int testNumber, int link);
void describeStub(std::string_view name, int link);
// Writes the trailer when there are no errors, then closes (and removes the
// file when errors were counted).
void endTraceDescription(bool errorsPresent);
// Removes a trace description being written (fatal exits).
void discardTraceDescription();

// ---- Records ----------------------------------------------------------------------

// The records of the record file; each kind has one layout (records.cpp).
enum class Record {
    Date,             // H0: the date of the run
    Target,           // E7: the target
    ToolVersion,      // E8: the compiler's version
    Languages,        // E9: the language name, twice
    ScriptBase,       // E6: the script's base name
    SourceBase,       // E4: the -SOURCE base name
    SourceVersion,    // E5: the version suffix of the -SOURCE base name
    ScriptFile,       // E11: file number, absolute path of a script file
    Command,          // C0: the command
    IncludedCode,     // I: number, the file of an INCLUDE CODE and where it was read
    ServicePosition,  // E17: file number, line of a SERVICE
    TestPosition,     // E16: file number, line of a TEST
    ElementPosition,  // E14: file number, line of an ELEMENT
    Module,           // E1: HEADER module
    Version,          // E2: HEADER version
    HeaderFourth,     // E10: HEADER fourth field
    HeaderText,       // E0: the whole HEADER text
    // Numbered by the structure number: number, text.
    Service,          // O
    Test,             // T
    Family,           // F
    Element,          // B
    Repetition,       // R
    Comment,          // C
    Requirement,      // Q
    DetachedComment,  // X
    Description,      // V: the description of a checked variable
    VariablePosition, // E12: file number, line of a variable statement with a value list
    Count
};

// The record of the kind with its fields; cut at 132 characters with "&"
// continuation lines; nothing while records are suppressed (flag 5).
void writeRecord(Record record, std::initializer_list<std::string_view> fields);

// The position record of the current statement: the number of the script
// file being read and the line.
void writePositionRecord(Record record);
// A numbered record with the structure number, which then advances.
void writeNumberedRecord(Record record, std::string_view text);
// A declaration ("O", "T"): the number does not advance under -NOEDIT.
// Returns the number.
int writeDeclarationRecord(Record record, std::string_view text);

// The number the records give the script file being read (0 for the main
// script); the file stack sets it.
void setScriptFileNumber(int number);

// ---- The generation state ------------------------------------------------------------

// Suppression flags 0 (SIMUL) to 5 (variable handling); generation is active
// while flags 0 to 4 are clear.
enum Suppression : int {
    kSimulFlag = 0, kServiceFlag = 1, kTestFlag = 2, kFamilyFlag = 3, kIfFlag = 4, kVariableFlag = 5
};

// Where the structure statements stand, and what the harness class gets
// besides the service functions. The structure statements move the position;
// every statement compiler reads it.
struct Generation {
    std::array<bool, 6> suppression{};
    int structureNumber = 1;  // run-time declarations, checks and numbered records
    std::string serviceName;      // upper-cased, cut and made unique
    std::string serviceFullName;  // upper-cased, before the cut
    std::string testName;
    int serviceNumber = 0;
    int testNumber = 0;
    int elementNumber = 0;
    int level = 0;                   // 0 outside services, 1 service, 2 test, 3 element
    int testLoopCounter = 0;         // J<k> of the test's LOOP, 0 without one
    bool elementHasContent = false;  // variables, exception or list check
    int scriptFileNumber = 0;
    std::vector<std::string> classMembers;
    std::vector<std::string> constructorLines;
    std::vector<std::string> destructorLines;
    int highestCounterJ = 0;
    int highestCounterI = 0;
};

Generation& generation();
// A new compilation: everything cleared, the sections empty, the keyword
// language the one the run starts with.
void resetGeneration();

bool generationActive();
void setSuppression(int flag, bool on);
bool suppressed(int flag);

// Returns the structure number and advances it.
int takeStructureNumber();

// The open element generated a variable, a list check or an exception, so it
// is not reported empty.
void markElementHasContent();

// A loop counter used by the generated text ('J' for value and test loops,
// 'I' for array loops); the harness class declares every counter up to the
// highest number used.
void useLoopCounter(char family, int number);

// The keyword language texts and messages are written in: the run's, until
// the reader switches it.
void useKeywordLanguage(int language);
int keywordLanguage();
// The French or the English text, by the keyword language.
std::string_view inKeywordLanguage(std::string_view french, std::string_view english);
// The dialect the script's expressions are read and written in.
values::Dialect dialect();

// Options read by the generation.
bool noExcep();
bool noEdit();

// ---- Writers ---------------------------------------------------------------------------
// Every writer below writes nothing while generation is not active.

// Ordinary emission (native lines, INCLUDE CODE lines): the call section while
// an element is open in an assembled test, the init section while a test is
// assembled, else the main stream. Never folded.
void emitCurrent(std::string_view line);

// Initialisation statements: the init section, or the main stream when no
// test is being assembled. Folded at 80 columns.
void emitToInit(std::string_view line);

// The main stream, only while a test is being assembled. Folded.
void emitToMainInTest(std::string_view line);

// Checks: the check section of the open element. Folded; nothing while the
// variable handling suppresses records and checks.
void emitToCheck(std::string_view line);

// The closing lines of the test being assembled.
void emitToClosing(std::string_view line);

// The companion file. Never folded.
void emitToClass(std::string_view line);

// Native lines of INITIALIZATION and TERMINATION blocks.
void emitInitializationCode(std::string_view line);
void emitTerminationCode(std::string_view line);

// ---- Sections ------------------------------------------------------------------------

enum class Section {
    Main,        // the generated file
    Current,     // call section, init section or main stream, as emitCurrent
    Init,        // init section; the main stream while no test is assembled
    MainInTest,  // main stream, only while a test is assembled
    Closing,     // test closing section
    Call,        // call section
    Check,       // check section; the init section while no element is open
    InitializationCode,
    TerminationCode,
};

// Writes one line to a section, whatever the suppression flags; lines to the
// init section, to the main stream from a test and to the check section are
// folded at 80 columns.
void writeSection(Section section, std::string_view line);

// A test is assembled in the init and closing sections, from its declaration
// to its end, which appends both to the main stream.
void openTestSections();
void closeTestSections();
bool testAssembled();

// An element of an assembled test writes to the call and check sections,
// which its end appends to the init section.
void openElementSections();
void closeElementSections();
bool elementSectionsOpen();

// The initialization and termination code, appended to the main stream at the
// program end.
void flushInitializationCode();
void flushTerminationCode();

// The pieces of a line folded at 80 columns after one of " ,;()", never
// inside a literal, a "//" comment or a preprocessor line.
std::vector<std::string> foldLine(std::string_view line);

// ---- Templates -----------------------------------------------------------------------

// Conditions a template line may require.
enum LineCondition : unsigned {
    kExcep = 1u << 0,          // (E): not under NOEXCEP
    kEdit = 1u << 1,           // (N): not under -NOEDIT
    kNoEdit = 1u << 2,         // only under -NOEDIT
    kWithException = 1u << 3,  // only for an element with an EXCEPTION text
    kNoException = 1u << 4,    // only for an element without one
};

struct TemplateLine {
    Section section;
    unsigned conditions;
    std::string_view text;  // "%1" ... "%9" stand for the arguments
};

// Writes the lines whose conditions hold; extra adds kWithException or
// kNoException to the option conditions.
void emitTemplate(std::span<const TemplateLine> lines, std::initializer_list<std::string_view> args,
                  unsigned extra = 0);

// The text with "%1" ... "%9" replaced in one pass.
std::string fillPlaceholders(std::string_view text, std::initializer_list<std::string_view> args);

// The body of a C++ string literal holding text.
std::string stringLiteralBody(std::string_view text);

}  // namespace output
