// Scripts with variable statements compiled without declaration analysis.
#pragma once

#include "harness_fixture.h"

#include "driver/settings.h"
#include "values/expressions.h"
#include "variables/variables_internal.h"

#include <algorithm>
#include <string>

namespace variablestest {

using harnesstest::Outputs;

class VariablesFixture : public harnesstest::HarnessFixture {
protected:
    void SetUp() override {
        HarnessFixture::SetUp();
        variables::resetForTesting();
        values::resetEvaluatorForTesting();
        option("NOANALYZE");
    }

    // The script with its structure around the given lines of one element.
    static std::string inElement(const std::string& body, const std::string& before = {}) {
        return "HEADER m, 1, 1\nBEGIN\n" + before + "SERVICE s\nTEST t\nFAMILY f\nELEMENT\n" + body +
               "END ELEMENT\nEND TEST\nEND SERVICE\n";
    }
};

inline bool contains(const std::string& text, const std::string& piece) {
    return text.find(piece) != std::string::npos;
}

inline long count(const std::string& text, const std::string& piece) {
    long n = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
}

// Braces outside literals balance.
inline bool balanced(const std::string& text) {
    int depth = 0;
    char quote = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == '\\') ++i;
            else if (c == quote || c == '\n') quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '{' || c == '}') {
            depth += c == '{' ? 1 : -1;
            if (depth < 0) return false;
        }
    }
    return depth == 0;
}

}  // namespace variablestest
