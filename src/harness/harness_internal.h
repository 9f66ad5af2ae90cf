// State and services shared by the files of the harness module. Nothing
// outside src/harness includes this header (the unit tests excepted).
#pragma once

#include "harness/harness.h"
#include "output/output.h"

#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace harness::detail {

// The output layer's writers, sections and generation state, as the files of
// the harness name them.
using output::Generation;
using output::generation;
using output::Record;
using output::Section;
using output::TemplateLine;
using output::emitTemplate;
using output::fillPlaceholders;
using output::noEdit;
using output::noExcep;
using output::stringLiteralBody;
using output::writeDeclarationRecord;
using output::writeNumberedRecord;
using output::writePositionRecord;
using output::writeRecord;
using output::writeSection;
using output::kExcep;
using output::kEdit;
using output::kNoEdit;
using output::kWithException;
using output::kNoException;
using output::kSimulFlag;
using output::kServiceFlag;
using output::kTestFlag;
using output::kFamilyFlag;
using output::kIfFlag;

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
    // In byte order.
    std::vector<std::string> names() const;
    std::vector<std::string> unusedNames() const;

private:
    std::map<std::string, bool, std::less<>> entries_;  // name, used
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
    Record record;  // Comment or Requirement
    std::string text;
};

// ---- The state of one compilation -------------------------------------------

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

// What the structure statements keep besides the position they publish in
// output::generation().
struct Current {
    std::string familyText = std::string(kImplicitService);
    bool serviceHadTest = false;
    bool procedureOpened = false;      // service function head written
    bool familyMissingReported = false;
    bool loopGiven = false;
    std::string loopText;
    LoopCount loop;
    std::string exceptionText;  // the element's EXCEPTION text
};

struct Lists {
    NameList allServices;
    // The last number a repeated service name was given: the next one is
    // looked for above it.
    std::unordered_map<std::string, int> lastServiceSuffix;
    NameList testsOfService;
    NameList allFamilies;
    NameList declaredTestsOfService;
    NameList declaredTestsOfProgram;
    NameList executedServices;
    std::vector<std::string> serviceProcedures;
    std::vector<PendingText> pending;
};

struct HarnessState {
    GenerationNames names;
    std::string className;
    Blocks blocks;
    PendingDeclarations pending;
    Current current;
    Lists lists;
    SelectionLists selection;
};

HarnessState& state();

// ---- Pending comments and requirements (records.cpp) --------------------------

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
