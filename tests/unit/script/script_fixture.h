// A clean script module for each test: settings, diagnostics and every state
// of the reader, dispatcher, file stack, includes and trace description.
#pragma once

#include "diag/diag.h"
#include "driver/settings.h"
#include "output/output.h"
#include "output/output_internal.h"
#include "script/script_internal.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace scripttest {

inline void resetScriptModule() {
    script::detail::resetFileStackForTesting();
    script::detail::resetReaderForTesting();
    script::detail::resetDispatchForTesting();
    script::detail::resetIncludesForTesting();
    output::detail::resetTraceDescriptionForTesting();
}

inline std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

class ScriptTest : public testing::Test {
protected:
    void SetUp() override {
        driver::settings() = driver::Settings{};
        diag::resetForTesting();
        resetScriptModule();
    }
    void TearDown() override {
        auto& o = output::outputs();
        o.records.close(false);
        o.generated.close(false);
        resetScriptModule();
        diag::resetForTesting();
    }

    // The records written from here on go to records.tdc; the current stream
    // to generated.cc.
    void openOutputs() {
        output::outputs().records.open("records.tdc");
        output::outputs().generated.open("generated.cc");
    }
    std::vector<std::string> records() {
        output::outputs().records.close(false);
        return lines(testsupport::readFile("records.tdc"));
    }
    std::string generated() {
        output::outputs().generated.close(false);
        return testsupport::readFile("generated.cc");
    }

    testsupport::ScratchDirectory scratch_;
};

}  // namespace scripttest
