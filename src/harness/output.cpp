// Output files of a run and the record writer.
#include "harness/output.h"

#include <algorithm>

namespace harness {

namespace {

constexpr std::size_t kRecordWidth = 132;

}  // namespace

RunOutputs& outputs() {
    static RunOutputs o;
    return o;
}

void writeRecord(std::string_view text) {
    auto& file = outputs().records;
    // No line exceeds the width: continuation lines hold "&" and 131 characters.
    file.writeLine(text.substr(0, kRecordWidth));
    text.remove_prefix(std::min(text.size(), kRecordWidth));
    while (!text.empty()) {
        const std::size_t piece = std::min(text.size(), kRecordWidth - 1);
        file.writeLine("&" + std::string(text.substr(0, piece)));
        text.remove_prefix(piece);
    }
}

void emitCurrent(std::string_view line) { outputs().generated.writeLine(line); }

}  // namespace harness
