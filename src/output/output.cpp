// The run's output files, the generation state and the public writers.
#include "output/output.h"

#include "config/settings.h"
#include "output/output_internal.h"

#include <algorithm>

namespace output {

namespace detail {

OutputState& state() {
    static OutputState s;
    return s;
}

}  // namespace detail

namespace {

void emitIfActive(Section section, std::string_view line) {
    if (generationActive()) writeSection(section, line);
}

}  // namespace

RunOutputs& outputs() {
    static RunOutputs o;
    return o;
}

Generation& generation() { return detail::state().generation; }

void resetGeneration() { detail::state() = detail::OutputState{}; }

bool generationActive() {
    const auto& flags = generation().suppression;
    return !flags[0] && !flags[1] && !flags[2] && !flags[3] && !flags[4];
}

void setSuppression(int flag, bool on) {
    auto& flags = generation().suppression;
    if (flag >= 0 && flag < static_cast<int>(flags.size())) flags[flag] = on;
}

bool suppressed(int flag) {
    const auto& flags = generation().suppression;
    return flag >= 0 && flag < static_cast<int>(flags.size()) && flags[flag];
}

int takeStructureNumber() { return generation().structureNumber++; }

void markElementHasContent() { generation().elementHasContent = true; }

void useLoopCounter(char family, int number) {
    Generation& g = generation();
    if (family == 'J') g.highestCounterJ = std::max(g.highestCounterJ, number);
    if (family == 'I') g.highestCounterI = std::max(g.highestCounterI, number);
}

void useKeywordLanguage(int language) { detail::state().switchedKeywordLanguage = language; }

int keywordLanguage() {
    return detail::state().switchedKeywordLanguage.value_or(config::settings().keywordLanguage);
}

std::string_view inKeywordLanguage(std::string_view french, std::string_view english) {
    return values::inLanguage(keywordLanguage(), french, english);
}

values::Dialect dialect() { return {config::settings().languageIndex, keywordLanguage()}; }

bool noExcep() { return config::settings().restricted(config::kNoExcep); }
bool noEdit() { return config::settings().noEdit; }

void emitCurrent(std::string_view line) { emitIfActive(Section::Current, line); }
void emitToInit(std::string_view line) { emitIfActive(Section::Init, line); }
void emitToMainInTest(std::string_view line) { emitIfActive(Section::MainInTest, line); }
void emitToCheck(std::string_view line) { emitIfActive(Section::Check, line); }
void emitToClosing(std::string_view line) { emitIfActive(Section::Closing, line); }
void emitInitializationCode(std::string_view line) { emitIfActive(Section::InitializationCode, line); }
void emitTerminationCode(std::string_view line) { emitIfActive(Section::TerminationCode, line); }

void emitToClass(std::string_view line) {
    if (generationActive()) outputs().companion.writeLine(line);
}

}  // namespace output
