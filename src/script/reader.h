// The script reader: lines into statements, native lines to the output, each
// statement to the dispatcher.
#pragma once

namespace script {

// Reads and compiles the script opened on the file stack; returns when the
// main script is exhausted.
void readScript();

}  // namespace script
