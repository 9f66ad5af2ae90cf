// The preprocessor: the input is a text handed over as native code of a
// script, its own includes resolved against the bundled target package.
#include "fuzz_support.h"

#include "analyser/analyser.h"
#include "analyser/preprocessor.h"

#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::startProcess();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    fuzzing::resetCompiler();
    try {
        analyser::CPP_prepro_init(true, false, {VORNE_TARGET_ANA, VORNE_TARGET_LIB}, {"FUZZ=1"},
                                  analyser::diagnosticsCallback());
        std::string output;
        analyser::CPP_prepro_text(text, true, "fuzz.c", 1, output);
        analyser::CPP_prepro_end(true);
    } catch (const fuzzing::RunEnded&) {
    }
    return 0;
}
