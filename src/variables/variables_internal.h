// State and services shared by the files of the variables module. Nothing
// outside src/variables includes this header (the unit tests excepted).
#pragma once

#include "values/expressions.h"
#include "variables/typemodel.h"
#include "variables/variables.h"

#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace variables::detail {

// ---- Options of the run (options.cpp) ---------------------------------------

bool analysing();       // declaration analysis on (no -NOANALYZE)
bool noExcep();         // -RESTRICTION=NOEXCEP
bool noEdit();          // -NOEDIT
bool learnMode();       // -LEARN
bool frenchKeywords();  // the keyword language is one of the French ones
// The script's expressions in the dialect of the run.
values::Dialect dialect();
values::Value evaluateScript(std::string_view text);
// A value of the script expressions written for the variable; nothing after
// TYPESMISM and the like.
std::optional<std::string> renderScript(const values::Value& value, const TypeFields& type);

// ---- Where the generated text goes (output.cpp) --------------------------------

bool generating();  // no suppression flag of the structure is set
bool inElement();
int nestingLevel();
// The service and test the statements stand in, as one key.
long long testKey();
// Returns the structure number and advances it.
int takeNumber();
// Returns the structure number and advances it by count, the numbers of the
// elements of a run-time loop; nothing when they would pass the highest one.
std::optional<int> takeNumbers(long long count);
void toMainInTest(std::string_view line);  // before the body of the test
void toClosing(std::string_view line);     // after the checks of the test
// The loop counter of the test's LOOP, 0 when it has none.
int testLoopCounter();
// "E12 file line": the position of the current statement.
void writeStatementPosition();
void toInit(std::string_view line);
void toCheck(std::string_view line);
// "V<number> <text>" and "R<number> <count>".
void writeDescription(int number, std::string_view text);
void writeRepetition(int number, std::string_view count);
void markElementContent();
// The array loop counter I<depth> is declared by the harness class.
void useIndex(int depth);
// The value loop counter J<n> likewise.
void useListCounter(int n);
void reportMissingElement();  // MOTCLEABS "ELEMENT"
void reportMissingDefine();   // MOTCLEABS "DEFINE"

// ---- Texts (texts.cpp) -------------------------------------------------------

// The pieces of text between the separators that stand outside quotes and
// outside (), [] and {} nesting; each trimmed.
std::vector<std::string> splitOutside(std::string_view text, char separator);
// Offset of the first separator outside quotes and nesting, or npos.
std::size_t findOutside(std::string_view text, char separator);
// Offset of the bracket that closes the one at `open`, or npos.
std::size_t matchingClose(std::string_view text, std::size_t open);
// A text written between one pair of (), [] or {} as a whole.
bool enclosedIn(std::string_view text, std::string_view pairs);
// The text without its first and last character.
std::string_view inner(std::string_view text);
bool startsWithWord(std::string_view text, std::string_view upperWord);
bool equalsIgnoringCase(std::string_view a, std::string_view b);
// The text without the "*" of dereferences (at its start or after "("), so
// that the script expressions, which have no such operator, can read it.
std::string withoutDereferences(std::string_view text);
// The pattern with %1 ... %9 replaced by the arguments in one pass.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args);

// ---- Structures of DEFINE STRUCTURE (structures.cpp) --------------------------

struct StructureDef;

struct FieldDef {
    std::string name;        // without its dimensions
    std::string dimensions;  // the dimensions as written after the name, "[0..2]"
    int dimensionCount = 0;
    std::string typeText;
    bool native = false;
    const StructureDef* structure = nullptr;
};

struct StructureDef {
    std::string name;
    int scope = 0;
    std::vector<FieldDef> fields;
    int elementCount = 0;
};

const StructureDef* findStructure(std::string_view name);

// ---- Formats and declared variables (registry.cpp) -----------------------------

// The format FORMAT gave the variable, or the one of its name without
// indices.
std::optional<values::DisplayFormat> formatOf(std::string_view variable);
// The type text DECLARE gave the variable (indices ignored), or nothing.
const std::string* declaredTypeOf(std::string_view variable);
// The variable without its index parts: "s.t[1..3]" is "s.t".
std::string withoutIndices(std::string_view variable);

// ---- The VAR statement -----------------------------------------------------------

enum class DeltaKind { None = 0, Percentage = 1, Absolute = 2 };
enum class FromMode { Step = 0, NbTimes = 1, NbRandom = 2, NbRandomBounds = 3 };

// A value list of an IN form: the text between its delimiters, its items.
struct ValueList {
    std::string text;  // as written, delimiters included
    std::vector<std::string> items;
};

struct FromRange {
    FromMode mode = FromMode::Step;
    std::string from, to, step;  // step: the step or the count
    int count = 0;               // NB_TIMES, NB_RANDOM; 0 for STEP
    bool parsed = false;
};

// One parsed VAR statement.
struct VarRecord {
    std::string variable;
    std::string typeText;
    std::string init, ev, max, min, delta;
    bool initGiven = false;
    bool evGiven = false;
    bool maxGiven = false;
    bool minGiven = false;
    bool noInit = false;  // INIT ==, or no initialisation to generate
    bool initIn = false;
    bool initFrom = false;
    bool evEqual = false;
    bool evIn = false;
    bool initWith = false;  // INIT (variable) WITH list
    DeltaKind deltaKind = DeltaKind::None;
    FromRange range;
    ValueList initList, evList;
    std::string linkVariable;     // INIT (variable) IN / WITH
    std::string evLinkVariable;   // EV (variable) IN
    std::string evArrow;          // EV => value
    int valueCount = 0;           // values of the INIT form
    bool initVerbatim = false;    // the INIT and EV texts are C text made by the
    bool evVerbatim = false;      // value lists, written as they are

    TypeFields type;
    const StructureDef* structure = nullptr;  // a structure of DEFINE STRUCTURE
    bool analysedAggregate = false;           // an analysed structure, union or class
    bool typeResolved = false;
    bool constant = false;
    bool initialisable = true;
};

// What one statement is being checked against.
struct StatementContext {
    VariableForm form = VariableForm::Plain;
    std::string text;  // the statement, quoted by LIGNERRON
    bool refused = false;
};

// The words inside the clauses in the keyword language: IN / DANS, ...
struct ClauseWords {
    std::string_view in, with, from, to, step, nbTimes, nbRandom, bounds;
};
const ClauseWords& clauseWords();

// Whether the first word of an item is one of the six clause keywords.
bool isClauseKeyword(std::string_view item);

// The clauses after the variable and the type (clauses.cpp). Reports the
// syntax errors and sets context.refused.
void parseClauses(const std::vector<std::string>& items, std::size_t first, VarRecord& record,
                  StatementContext& context);

// The value lists and ranges of the INIT and EV forms (lists.cpp).
bool parseValueList(std::string_view text, bool expected, ValueList& list);
bool parseFromRange(std::string_view text, VarRecord& record);
// -1, 0 or 1 for two integer or real constants.
int compareNumbers(const values::Value& a, const values::Value& b);
// The checks of lists and ranges that need the variable's kind.
void checkListsAgainstType(VarRecord& record, StatementContext& context);

// Aggregate and consistency checks (statementchecks.cpp).
void checkAggregates(VarRecord& record, StatementContext& context);
void checkConsistency(VarRecord& record, StatementContext& context);
// The links of INIT lists with other VAR statements of the scope.
void checkLinks(const VarRecord& record, StatementContext& context);
// Remembers the statement of a variable in the current test (NOMVARDBL).
void rememberVariable(const VarRecord& record);

// The list forms (valuelists.cpp): the macros, loops, random tables and
// records of INIT IN, EV IN, INIT WITH and INIT FROM; the INIT and EV texts
// become the values of the loop counter. False when a limit refuses them.
bool prepareValueLists(VarRecord& record);

// The type of the variable (resolve.cpp); false when TYPEINCON refused it.
bool resolveType(VarRecord& record, StatementContext& context);

// ---- Generation (generate.cpp, aggregates.cpp, scalar.cpp, records.cpp) ------------

// The clause texts of one part of a variable: the whole, an element, a field.
struct ClauseTexts {
    std::string init, ev, min, max, delta;
};

// The texts the aggregates of a structure give to each of its fields, the
// fields of nested structures checked too: LISTEINVA for a malformed list,
// INITAGREG for a field without initial value, STRRECURS for a structure
// met again inside itself (`expanding` holds the structures around it).
bool splitStructureTexts(const ClauseTexts& texts, const StructureDef& structure, const std::string& path,
                         const std::vector<const StructureDef*>& expanding, std::vector<ClauseTexts>& fields);

// Writes the init and check text of an accepted statement; false when a
// value failed (what was written before stays).
bool generate(const VarRecord& record, VariableForm form);

// The texts of one scalar: the variable, its clause texts and its type.
struct Scalar {
    std::string variable;
    std::string init, ev, min, max, delta;
    bool initGiven = false;  // an initialisation is generated
    bool evEqual = false;
    bool minGiven = false, maxGiven = false;
    DeltaKind deltaKind = DeltaKind::None;
    TypeFields type;
    std::string base = "0";  // the check base B
    int number = 0;          // the structure number N
    long long span = 1;      // checks under N, N+1, ...: the elements of its run-time loops
    bool tableMode = false;  // no recording of initial values
    bool initVerbatim = false, evVerbatim = false;
};

// Evaluates and writes one scalar; false when one of its values failed.
bool generateScalar(Scalar& scalar);

// The text of the "V" record of a checked scalar (after its number), under
// the variable text recorded.
std::string descriptionRecord(const Scalar& scalar, const std::string& recorded, const VarRecord& record);

// Bracket calls around structures, arrays in table mode and data constants;
// each takes a structure number. Nothing under -NOEDIT.
enum class Bracket { Open, Close, SetTable, UnsetTable, SetConstant, UnsetConstant };
void writeBracket(Bracket bracket);

// ---- State ------------------------------------------------------------------------

// The variables checked in the current test, for NOMVARDBL and the links of
// INIT lists.
struct TestVariables {
    long long key = -1;
    std::unordered_map<std::string, int> valueCounts;  // variable -> values of its INIT form
    std::unordered_map<std::string, int> counters;     // variable -> loop counter of its INIT list
    int dynamicForms = 0;  // INIT IN and INIT FROM forms, at most 8
    int tables = 0;        // list macros and random tables, at most 64
};

// The test of the current statement: its variables, counters and limits,
// emptied when a new test begins.
TestVariables& currentTest();

struct ScopedFormat {
    std::string variable;
    values::DisplayFormat format;
    int level;
};

struct ScopedDeclaration {
    std::string variable;  // without indices
    std::string typeText;
    int level;
};

struct StructureBlock {
    bool open = false;
    bool active = false;   // fields are registered (generation was active)
    StructureDef* structure = nullptr;
    bool duplicate = false;  // fields are checked, not added
    int fieldsSeen = 0;
    std::string name;
};

struct VariablesState {
    std::map<std::string, std::unique_ptr<StructureDef>, std::less<>> structures;
    StructureBlock block;
    std::vector<ScopedFormat> formats;
    std::vector<ScopedDeclaration> declarations;
    TestVariables testVariables;
    int lastCounter = 0;  // J<n>: one per list or range of the program
    int lastTable = 0;    // tab_initin<k>, rand<k>, ...
};

VariablesState& state();

}  // namespace variables::detail

namespace variables {

// Back to the state before the first statement (test support).
void resetForTesting();

}  // namespace variables
