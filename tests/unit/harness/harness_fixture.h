// Runs a script's structure statements through the harness handlers, the way
// the dispatcher calls them, and reads back what the run wrote.
#pragma once

#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace harnesstest {

struct Outputs {
    std::string generated;  // G.cc without its header comment
    std::string companion;  // G.icc without its header comment
    std::string records;    // G.tdc
    std::string messages;   // standard error
};

class HarnessFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the script: statements go through the dispatcher, lines starting
    // with "#" are native lines (their first character removed), blank lines
    // go to the current stream, and lines starting with "!" stand for what
    // later statements do through the harness interface ("!INIT line",
    // "!CHECK line", "!FLAG n" or "!FLAG -n", ...). Then the program end, and
    // the outputs.
    Outputs compile(const std::string& script);

    // The options of the run; set before compile().
    void option(const std::string& name, const std::string& value = {});

    // Compiles (and, when run is set, links and runs) the harness with g++
    // against target/lib/TP.h, the prelude included first; returns the
    // compiler's messages, empty on success.
    std::string build(bool run, const std::string& prelude = {}) const;

    // The directory of the outputs: in memory when the system offers it,
    // since the tests rewrite the outputs thousands of times.
    std::filesystem::path work_;
    std::string rioPath_ = "G.rio";
};

// The lines of a text.
std::vector<std::string> lines(const std::string& text);


}  // namespace harnesstest
