// The state of the generation: the hand-over from the driver, the suppression
// flags, the structure number and the questions other stages ask.
#include "harness/generation.h"

#include "driver/settings.h"
#include "harness/harness_internal.h"
#include "harness/structure.h"
#include "harness/templates.h"

#include <algorithm>

namespace harness {

namespace detail {

HarnessState& state() {
    static HarnessState s;
    return s;
}

}  // namespace detail

using detail::state;

void handOverGenerationNames(const GenerationNames& given) {
    state() = detail::HarnessState{};
    state().names = given;
    const std::string& className = driver::settings().className;
    state().className = className.empty() ? "VORNE" : className;
    detail::loadSelection();
}

bool generationActive() {
    const auto& flags = state().suppression;
    return !flags[0] && !flags[1] && !flags[2] && !flags[3] && !flags[4];
}

bool formatOutOfPlace() {
    const auto& b = state().blocks;
    return !b.beginSeen || b.inInitialization || b.inTermination || b.inEnvironment || b.inDefine;
}

bool inInitializationBlock() { return state().blocks.inInitialization; }
bool inTerminationBlock() { return state().blocks.inTermination; }
bool inSegmentBlock() { return state().blocks.inSegment; }
bool inDefineStubBlock() { return state().blocks.inDefineStub; }
bool inElement() { return state().blocks.inElement; }
bool inTest() { return state().blocks.inTest; }

void emitInitializationCode(std::string_view line) {
    if (generationActive()) detail::writeSection(detail::Section::InitializationCode, line);
}

void emitTerminationCode(std::string_view line) {
    if (generationActive()) detail::writeSection(detail::Section::TerminationCode, line);
}

void setSuppression(int flag, bool on) {
    if (flag >= 0 && flag < static_cast<int>(state().suppression.size())) state().suppression[flag] = on;
}

bool suppressed(int flag) {
    return flag >= 0 && flag < static_cast<int>(state().suppression.size()) && state().suppression[flag];
}

int testLoopCounter() { return state().current.testLoopCounter; }

int structureNumber() { return state().current.structureNumber; }
int takeStructureNumber() { return state().current.structureNumber++; }
int serviceNumber() { return state().current.serviceNumber; }
int testNumber() { return state().current.testNumber; }
int elementNumber() { return state().current.elementNumber; }
int nestingLevel() { return state().current.level; }
const std::string& serviceName() { return state().current.serviceName; }
const std::string& serviceFullName() { return state().current.serviceFullName; }
const std::string& testName() { return state().current.testName; }

void markElementHasContent() { state().current.elementHasContent = true; }

void emitRupture(int m) {
    if (generationActive()) detail::emitTemplate(detail::templates::kRupture, {std::to_string(m)});
}

void useLoopCounter(char family, int number) {
    auto& lists = state().lists;
    if (family == 'J') lists.highestCounterJ = std::max(lists.highestCounterJ, number);
    if (family == 'I') lists.highestCounterI = std::max(lists.highestCounterI, number);
}

}  // namespace harness
