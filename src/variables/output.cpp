// Where the variable statements write: the sections, the structure number
// and the records of the harness, and the questions they ask the structure.
#include "diag/diag.h"
#include "harness/generation.h"
#include "harness/output.h"
#include "harness/structure.h"
#include "script/filestack.h"
#include "variables/variables_internal.h"

namespace variables::detail {

bool generating() { return harness::generationActive(); }
bool inElement() { return harness::inElement(); }
int nestingLevel() { return harness::nestingLevel(); }

long long testKey() {
    return static_cast<long long>(harness::serviceNumber()) * 1000000LL + harness::testNumber();
}

int takeNumber() { return harness::takeStructureNumber(); }
void toInit(std::string_view line) { harness::emitToInit(line); }
void toMainInTest(std::string_view line) { harness::emitToMainInTest(line); }
void toClosing(std::string_view line) { harness::emitToClosing(line); }
int testLoopCounter() { return harness::testLoopCounter(); }

void writeStatementPosition() {
    record("E12 " + std::to_string(script::currentFileNumber()) + " " + std::to_string(diag::currentLine()));
}
void toCheck(std::string_view line) { harness::emitToCheck(line); }
void record(std::string_view text) { harness::writeRecord(text); }
void markElementContent() { harness::markElementHasContent(); }
void useIndex(int depth) { harness::useLoopCounter('I', depth); }
void useListCounter(int n) { harness::useLoopCounter('J', n); }

void reportMissingElement() { diag::error("MOTCLEABS", "ELEMENT"); }
void reportMissingDefine() { diag::error("MOTCLEABS", frenchKeywords() ? "DEFINIR" : "DEFINE"); }
void reportWrongPlace(std::string_view keyword) { diag::warning("MAL_PLACE", keyword); }

bool formatOutOfPlace() { return harness::formatOutOfPlace(); }

}  // namespace variables::detail
