// The output files of a run and the ways of writing to them: the generated
// file (main stream), the companion file, the record file and the constants
// file. The harness generation adds the sections of tests and elements.
#pragma once

#include "script/sidefiles.h"

#include <string_view>

namespace harness {

struct RunOutputs {
    script::OutputFile generated;  // G.cc, the main stream
    script::OutputFile companion;  // G.icc, the class section
    script::OutputFile records;    // G.tdc
    script::OutputFile constants;  // -CONST
};

RunOutputs& outputs();

// Writes a record line to the record file, cut at 132 characters with "&"
// continuation lines; nothing while records are suppressed.
void writeRecord(std::string_view text);

// Ordinary emission: the current stream (native lines, INCLUDE CODE lines).
void emitCurrent(std::string_view line);

}  // namespace harness
