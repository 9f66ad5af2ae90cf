// The script reader: lines into statements, native lines to the output, each
// statement to the dispatcher.
#pragma once

#include <string>
#include <vector>

namespace script {

// Reads and compiles the script opened on the file stack; returns when the
// main script is exhausted.
void readScript();

// Native code collected from the script for declaration analysis.
struct NativeCode {
    std::string text;      // one line per script line, each ending with "\n"
    std::string fileName;  // where the text was written
    int firstLine = 0;     // the line number of its first line
};

// The native code collected since the previous statement. Outside tests and
// code blocks it is analysed before the next statement; a DEFINE STUB block
// keeps its lines here for END DEFINE.
std::vector<NativeCode> takeCollectedNativeCode();

// True between SEQUENCE and END SEQUENCE.
bool sequenceActive();

}  // namespace script
