// The variable statements: the input's first byte holds the run options
// (fuzzing::ScriptOptions; always without declaration analysis), the rest
// is the body of one element (VAR, ARRAY, STRUCTURE, DEFINE STRUCTURE,
// FIELD, FORMAT, DECLARE with their clauses, values, lists and ranges).
#include "fuzz_support.h"

#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::startProcess();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string body(reinterpret_cast<const char*>(data) + 1, size - 1);
    fuzzing::resetCompiler();
    fuzzing::compileScript(data[0] | fuzzing::kNoAnalysis,
                           "HEADER m, 1, 1\nBEGIN\nSERVICE s\nTEST t\nFAMILY f\nELEMENT\n" + body +
                               "\nEND ELEMENT\nEND TEST\nEND SERVICE\n");
    return 0;
}
