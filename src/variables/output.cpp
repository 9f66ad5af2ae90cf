// Where the variable statements write: the sections, the structure number
// and the records of the output layer, and where the structure statements
// stand.
#include "diag/diag.h"
#include "output/output.h"
#include "variables/variables_internal.h"

#include <climits>

namespace variables::detail {

bool generating() { return output::generationActive(); }
bool inElement() { return output::generation().level == 3; }
int nestingLevel() { return output::generation().level; }

long long testKey() {
    const output::Generation& g = output::generation();
    return static_cast<long long>(g.serviceNumber) * 1000000LL + g.testNumber;
}

int takeNumber() { return output::takeStructureNumber(); }

std::optional<int> takeNumbers(long long count) {
    int& next = output::generation().structureNumber;
    if (count < 1 || next > INT_MAX - count) return std::nullopt;
    const int number = next;
    next += static_cast<int>(count);
    return number;
}

void toInit(std::string_view line) { output::emitToInit(line); }
void toMainInTest(std::string_view line) { output::emitToMainInTest(line); }
void toClosing(std::string_view line) { output::emitToClosing(line); }
void toCheck(std::string_view line) { output::emitToCheck(line); }
int testLoopCounter() { return output::generation().testLoopCounter; }
void markElementContent() { output::markElementHasContent(); }
void useIndex(int depth) { output::useLoopCounter('I', depth); }
void useListCounter(int n) { output::useLoopCounter('J', n); }

void writeDescription(int number, std::string_view text) {
    output::writeRecord(output::Record::Description, {std::to_string(number), text});
}

void writeRepetition(int number, std::string_view count) {
    output::writeRecord(output::Record::Repetition, {std::to_string(number), count});
}

void writeStatementPosition() { output::writePositionRecord(output::Record::VariablePosition); }

void reportMissingElement() { diag::error("MOTCLEABS", "ELEMENT"); }
void reportMissingDefine() { diag::error("MOTCLEABS", output::inKeywordLanguage("DEFINIR", "DEFINE")); }

}  // namespace variables::detail
