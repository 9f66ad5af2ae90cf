// State and services shared by the files of the harness module. Nothing
// outside src/harness includes this header (the unit tests excepted).
#pragma once

#include "harness/generation.h"

#include <array>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace harness::detail {

inline constexpr std::string_view kImplicitService = "INCONNUE";
inline constexpr std::string_view kImplicitTest = "INCONNU";

// ---- Name lists ------------------------------------------------------------

// A list searched by equality, kept sorted by byte comparison, with a used
// mark per entry.
class NameList {
public:
    bool contains(std::string_view name) const;
    // True when found; the entry is then marked used.
    bool lookUp(std::string_view name);
    // Adds the name when absent.
    void add(std::string_view name);
    void clear() { entries_.clear(); }
    bool empty() const { return entries_.empty(); }
    std::vector<std::string> names() const;
    std::vector<std::string> unusedNames() const;

private:
    struct Entry {
        std::string name;
        bool used = false;
    };
    static bool before(const Entry& entry, std::string_view name);
    std::vector<Entry>::iterator find(std::string_view name);
    std::vector<Entry> entries_;
};

// One selection list of the command line.
struct Selection {
    bool given = false;
    NameList list;
};

struct SelectionLists {
    Selection services, tests, families;        // -SERVICE, -TEST, -FAMILY
    Selection exServices, exTests, exFamilies;  // -EXSERVICE, -EXTEST, -EXFAMILY
};

// ---- Pending comments and requirements --------------------------------------

enum class Owner { Service, Test, Family };

struct PendingText {
    Owner owner;
    char tag;  // 'C' comment, 'Q' requirement
    std::string text;
};

// ---- The state of one compilation -------------------------------------------

enum Suppression : int {
    kSimulFlag = 0, kServiceFlag = 1, kTestFlag = 2, kFamilyFlag = 3, kIfFlag = 4, kVariableFlag = 5
};

struct Blocks {
    bool beginSeen = false;
    bool headerSeen = false;
    bool inService = false;
    bool inTest = false;
    bool inElement = false;
    bool familyBlockOpen = false;
    bool familyGiven = false;
    bool elementSeen = false;
    bool testHasVariables = false;
    bool inInitialization = false;
    bool inTermination = false;
    bool inSimul = false;
    bool elseSimulSeen = false;
    bool sequenceOn = false;
    bool classFileIncluded = false;
    bool constantsEmitted = false;
    // Blocks of the later statements, closed by the structure statements.
    bool inEnvironment = false;
    bool inDefine = false;
    bool inDefineStub = false;
    bool inSegment = false;
    int openIfs = 0;
};

struct PendingDeclarations {
    bool service = false;
    bool test = false;
    bool family = false;
    bool firstTestOfService = false;
};

// Result of evaluating a LOOP count.
struct LoopCount {
    bool failed = false;    // the evaluation failed and said why
    bool integer = true;    // false: TYPBOUCLE
    bool constant = false;  // the value is known while compiling
    long long value = 0;
};

struct Current {
    std::string serviceName;      // upper-cased, cut and made unique
    std::string serviceFullName;  // upper-cased, before the cut
    std::string testName;
    std::string familyText = std::string(kImplicitService);
    int serviceNumber = 0;
    int testNumber = 0;
    int elementNumber = 0;
    int structureNumber = 1;
    int level = 0;
    int testLoopCounter = 0;
    bool serviceHadTest = false;
    bool procedureOpened = false;      // service function head written
    bool testAssembled = false;        // init and closing sections open
    bool elementSectionsOpen = false;  // call and check sections open
    bool familyMissingReported = false;
    bool elementHasContent = false;    // variables, exception or list check
    bool loopGiven = false;
    std::string loopText;
    LoopCount loop;
    std::string exceptionText;  // the element's EXCEPTION text
};

struct Lists {
    NameList allServices;
    NameList testsOfService;
    NameList allFamilies;
    NameList declaredTestsOfService;
    NameList declaredTestsOfProgram;
    NameList executedServices;
    std::vector<std::string> serviceProcedures;
    std::vector<std::string> classMembers;
    std::vector<std::string> constructorLines;
    std::vector<std::string> destructorLines;
    std::vector<PendingText> pending;
    int highestCounterJ = 0;
    int highestCounterI = 0;
};

// The sections assembled in memory; the main stream and the class section are
// the generated and companion files themselves.
struct Sections {
    std::string init;
    std::string closing;
    std::string call;
    std::string check;
    std::string initializationCode;
    std::string terminationCode;
};

struct HarnessState {
    GenerationNames names;
    std::string className;
    std::array<bool, 6> suppression{};
    Blocks blocks;
    PendingDeclarations pending;
    Current current;
    Lists lists;
    Sections sections;
    SelectionLists selection;
};

HarnessState& state();

// Options read by the generation.
bool noExcep();
bool noEdit();
bool frenchKeywords();

// ---- Sections and templates (sections.cpp) ----------------------------------

enum class Section {
    Main,        // the generated file
    Current,     // call section, init section or main stream, see currentSection
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

// Appends a whole section to the end of another (Main, Init).
void copySection(std::string& from, Section to);

// The pieces of a line folded at 80 columns after one of " ,;()", never
// inside a literal, a "//" comment or a preprocessor line.
std::vector<std::string> foldLine(std::string_view line);

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

// ---- Records (records.cpp) ----------------------------------------------------

// "E17 file line" and the like: the position of the current statement.
void writePositionRecord(std::string_view tag);
// A lettered record with the structure number, which then advances.
void writeNumberedRecord(char tag, std::string_view text);
// "O" and "T": the number is not advanced under -NOEDIT. Returns the number.
int writeDeclarationRecord(char tag, std::string_view text);
// Writes the pending texts of the owner (dropped under -NOEDIT when asked).
void flushPending(Owner owner, bool dropUnderNoEdit);
void dropPending(Owner owner);

// ---- Keywords in diagnostics ---------------------------------------------------

enum class Keyword {
    Begin, Header, Service, Test, Element, Family, Segment, EndService, EndTest, EndElement,
    EndFamily, EndEnvironment, EndDefine, EndIf, EndSimul, EndInitialization, EndTermination,
    EndSegment, Initialization, Termination, Count
};

// The keyword as the script's keyword language writes it.
std::string_view keywordText(Keyword keyword);
void reportMissing(Keyword keyword);     // MOTCLEABS
void reportWrongPlace(Keyword keyword);  // MAL_PLACE

// ---- Structure (program.cpp, services.cpp, tests.cpp, elements.cpp) ------------

void runBegin();
void ensureBegin();
void closeDefinitionBlocks();
void closeCodeBlocks();

void startService(std::string_view text, std::string_view statementText);
void closeService(bool inPlace);
void openServiceSkeleton(bool atTest);
void declareService();

void startTest(std::string_view text);
void closeTest();
void startFamily(std::string_view text);
void declarePending();

void startElement();
void closeElement();

// ---- Selection (selection.cpp) -------------------------------------------------

void loadSelection();
bool serviceSelected(std::string_view fullName);
bool testSelected(std::string_view testName);
bool familySelected(const std::vector<std::string>& families);
bool excludedService(std::string_view fullName);
void reportUnusedSelections();

// ---- Loop count (loopcount.cpp) -------------------------------------------------

// Evaluates the count of a test loop. Replaced by the script expression
// evaluator (without declaration analysis) and the C++ expression analyser.
LoopCount evaluateLoopCount(std::string_view text);

}  // namespace harness::detail
