// Shared between the files of the output module (and its unit tests) only.
#pragma once

#include "output/output.h"

#include <optional>
#include <string>

namespace output::detail {

// The sections assembled in memory; the main stream and the class section are
// the generated and companion files themselves.
struct Sections {
    std::string init;
    std::string closing;
    std::string call;
    std::string check;
    std::string initializationCode;
    std::string terminationCode;
    bool testAssembled = false;        // init and closing sections open
    bool elementSectionsOpen = false;  // call and check sections open
};

struct OutputState {
    Generation generation;
    Sections sections;
    std::optional<int> switchedKeywordLanguage;  // set by the reader's switch
};

OutputState& state();

// Test support: no trace description is being written.
void resetTraceDescriptionForTesting();

}  // namespace output::detail
