// Output files of a run, the record writer and the public writers.
#include "harness/output.h"

#include "diag/strings.h"
#include "harness/harness_internal.h"

#include <algorithm>

namespace harness {

namespace {

constexpr std::size_t kRecordWidth = 132;

using detail::Section;

void emitIfActive(Section section, std::string_view line) {
    if (generationActive()) detail::writeSection(section, line);
}

}  // namespace

RunOutputs& outputs() {
    static RunOutputs o;
    return o;
}

void writeRecord(std::string_view record) {
    if (detail::state().suppression[detail::kVariableFlag]) return;
    auto& file = outputs().records;
    // A record is one line, whatever the values in it hold.
    const std::string line = diag::singleLine(record);
    std::string_view text = line;
    // No line exceeds the width: continuation lines hold "&" and 131 characters.
    file.writeLine(text.substr(0, kRecordWidth));
    text.remove_prefix(std::min(text.size(), kRecordWidth));
    while (!text.empty()) {
        const std::size_t piece = std::min(text.size(), kRecordWidth - 1);
        file.writeLine("&" + std::string(text.substr(0, piece)));
        text.remove_prefix(piece);
    }
}

void emitCurrent(std::string_view line) { emitIfActive(Section::Current, line); }
void emitToInit(std::string_view line) { emitIfActive(Section::Init, line); }
void emitToMainInTest(std::string_view line) { emitIfActive(Section::MainInTest, line); }
void emitToCheck(std::string_view line) { emitIfActive(Section::Check, line); }
void emitToClosing(std::string_view line) { emitIfActive(Section::Closing, line); }

void emitToClass(std::string_view line) {
    if (generationActive()) outputs().companion.writeLine(line);
}

}  // namespace harness
