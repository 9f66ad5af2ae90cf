// The output files of a run and the ways of writing to them: the generated
// file (main stream), the companion file (class section), the record file
// and the constants file, and the sections in which the harness text of a
// test is assembled before it joins the main stream.
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

// Every writer below writes nothing while generation is not active.

// Ordinary emission (native lines, INCLUDE CODE lines): the call section while
// an element is open in an assembled test, the init section while a test is
// assembled, else the main stream. Never folded.
void emitCurrent(std::string_view line);

// Initialisation statements: the init section, or the main stream when no
// test is being assembled. Folded at 80 columns.
void emitToInit(std::string_view line);

// The main stream, only while a test is being assembled. Folded.
void emitToMainInTest(std::string_view line);

// Checks: the check section of the open element. Folded; nothing while the
// variable handling suppresses records and checks.
void emitToCheck(std::string_view line);

// The closing lines of the test being assembled.
void emitToClosing(std::string_view line);

// The companion file. Never folded.
void emitToClass(std::string_view line);

}  // namespace harness
