// The script reader and dispatcher with the statement compilers behind them:
// the input's first byte holds the run options (fuzzing::ScriptOptions), the
// rest is the script, compiled as a run compiles it.
#include "fuzz_support.h"

#include <string_view>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::startProcess();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    fuzzing::resetCompiler();
    fuzzing::compileScript(data[0], std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    return 0;
}
