// vorne-report: joins the record file of a compiled test program (G.tdc) with
// the results file its harness wrote (G.rio) and reports every check: a text
// report, and on request JUnit XML and a self-contained HTML page.
#pragma once

#include <string>
#include <vector>

namespace report {

// Exit statuses.
inline constexpr int kAllPassed = 0;
inline constexpr int kSomethingFailed = 1;  // a check failed, a test failed or died
inline constexpr int kUnusableFiles = 2;    // files unreadable or not matching, bad arguments

// Runs the report on the arguments that follow the program name. The message
// catalog must be registered.
int runReport(const std::vector<std::string>& arguments);

}  // namespace report
