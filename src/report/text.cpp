// The text report: a summary with the failures first, then per service and
// test every check with its initial, expected and obtained values and its
// verdict, and the counts on the last lines.
#include "report/report_internal.h"

#include <algorithm>

namespace report {

namespace {

// The fixed texts of the report.
constexpr const char* kTitle = "Test program %1 (%2), results of %3";
constexpr const char* kColumns[] = {"variable", "initial", "expected", "obtained", "verdict"};
constexpr std::size_t kWidestColumn = 40;

std::string filled(std::string text, std::initializer_list<std::string> values) {
    int n = 1;
    for (const std::string& value : values) {
        const std::string placeholder = "%" + std::to_string(n++);
        const std::size_t at = text.find(placeholder);
        if (at != std::string::npos) text.replace(at, placeholder.size(), value);
    }
    return text;
}

std::string baseName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

const char* verdictWord(Verdict verdict) {
    switch (verdict) {
    case Verdict::Passed: return "passed";
    case Verdict::Failed: return "FAILED";
    default: return "not judged";
    }
}

std::string padded(const std::string& text, std::size_t width) {
    return text.size() >= width ? text + " " : text + std::string(width - text.size() + 1, ' ');
}

void appendPadded(std::string& out, const std::string& text, std::size_t width) {
    out += text;
    out.append(text.size() >= width ? 1 : width - text.size() + 1, ' ');
}

void checkTable(std::string& out, const std::vector<CheckLine>& checks, const std::string& indent) {
    if (checks.empty()) return;
    std::size_t widths[4] = {0, 0, 0, 0};
    for (std::size_t c = 0; c < 4; ++c) widths[c] = std::string(kColumns[c]).size();
    for (const CheckLine& check : checks) {
        const std::size_t sizes[4] = {2 * check.depth + check.variable.size(), check.initial.size(),
                                      check.expected.size(), check.obtained.size()};
        for (std::size_t c = 0; c < 4; ++c) widths[c] = std::max(widths[c], std::min(sizes[c], kWidestColumn));
    }
    out += indent;
    for (std::size_t c = 0; c < 4; ++c) appendPadded(out, kColumns[c], widths[c]);
    out += std::string(kColumns[4]) + "\n";
    for (const CheckLine& check : checks) {
        out += indent;
        appendPadded(out, std::string(2 * check.depth, ' ') + check.variable, widths[0]);
        appendPadded(out, check.initial, widths[1]);
        appendPadded(out, check.expected, widths[2]);
        appendPadded(out, check.obtained, widths[3]);
        out += verdictWord(check.verdict);
        out += '\n';
    }
}

void iterationBody(std::string& out, const IterationResult& iteration, const std::string& indent) {
    checkTable(out, iteration.checks, indent);
    for (const std::string& error : iteration.errors) out += indent + error + "\n";
    for (const std::string& note : iteration.notes) out += indent + note + "\n";
}

void testDetail(std::string& out, const TestResult& test) {
    out += "  Test " + testTitle(test, false) + ": " + statusWord(test.status) + "\n";
    if (test.iterations.size() == 1) {
        iterationBody(out, test.iterations.front(), "    ");
        return;
    }
    for (const IterationResult& iteration : test.iterations) {
        out += "    Iteration " + std::to_string(iteration.index) + ": " +
               (iteration.failed() ? "FAILED" : "passed") + "\n";
        iterationBody(out, iteration, "      ");
    }
}

int checksOf(const TestResult& test, Verdict verdict, bool all) {
    int n = 0;
    for (const IterationResult& iteration : test.iterations)
        for (const CheckLine& check : iteration.checks) n += all || check.verdict == verdict;
    return n;
}

std::string plural(int n, const char* word) { return std::to_string(n) + " " + word + (n == 1 ? "" : "s"); }

std::string summaryDetail(const TestResult& test) {
    const int checks = checksOf(test, Verdict::Passed, true);
    switch (test.status) {
    case TestStatus::NotRun: return "not run";
    case TestStatus::Died: return "stopped after " + plural(checks, "check");
    case TestStatus::Passed: return plural(checks, "check");
    default: break;
    }
    const int failed = checksOf(test, Verdict::Failed, false);
    if (failed == 0) return "unexpected exception";
    return std::to_string(failed) + " of " + plural(checks, "check") + " failed";
}

void summaryLine(std::string& out, const TestResult& test) {
    out += "  " + padded(statusWord(test.status), 8) + testTitle(test, true) + ": " + summaryDetail(test) + "\n";
    if (test.status == TestStatus::Passed || test.status == TestStatus::NotRun) return;
    for (const IterationResult& iteration : test.iterations) {
        const std::string where = test.iterations.size() > 1 ? "iteration " + std::to_string(iteration.index) + ": " : "";
        for (const CheckLine& check : iteration.checks)
            if (check.verdict == Verdict::Failed) out += "           " + where + failureText(check) + "\n";
        for (const std::string& error : iteration.errors) out += "           " + where + error + "\n";
    }
}

// Failures first: tests that died, failed, were not run, then those passed.
void summary(std::string& out, const Report& report) {
    out += "Summary\n";
    for (const std::string& error : report.programErrors) out += "  ERROR    " + error + "\n";
    for (TestStatus status : {TestStatus::Died, TestStatus::Failed, TestStatus::NotRun, TestStatus::Passed})
        for (const TestResult& test : report.tests)
            if (test.status == status) summaryLine(out, test);
}

void details(std::string& out, const Report& report) {
    std::string service;
    for (const TestResult& test : report.tests) {
        if (test.serviceName != service || &test == &report.tests.front()) {
            service = test.serviceName;
            out += "\nService " + service + "\n";
        }
        testDetail(out, test);
    }
}

void counts(std::string& out, const Counts& c) {
    out += "\nTests: " + std::to_string(c.tests) + ", passed: " + std::to_string(c.testsPassed) +
           ", failed: " + std::to_string(c.testsFailed) + ", died: " + std::to_string(c.testsDied) +
           ", not run: " + std::to_string(c.testsNotRun) + "\n";
    out += "Checks: " + std::to_string(c.checks) + ", passed: " + std::to_string(c.passed) +
           ", failed: " + std::to_string(c.failed);
    if (c.unjudged > 0) out += ", not judged: " + std::to_string(c.unjudged);
    out += "\n";
}

}  // namespace

const char* statusWord(TestStatus status) {
    switch (status) {
    case TestStatus::Passed: return "passed";
    case TestStatus::Failed: return "FAILED";
    case TestStatus::Died: return "DIED";
    default: return "not run";
    }
}

std::string testTitle(const TestResult& test, bool withService) {
    std::string title = withService ? test.serviceName + " / " + test.test->name : test.test->name;
    const Position& p = test.test->position;
    if (p.line > 0) title += " (" + baseName(p.file) + ":" + std::to_string(p.line) + ")";
    return title;
}

std::string iterationTitle(const TestResult& test, const IterationResult& iteration) {
    if (test.iterations.size() <= 1) return test.test->name;
    return test.test->name + " (iteration " + std::to_string(iteration.index) + ")";
}

std::string failureText(const CheckLine& check) {
    return check.variable + ": expected " + check.expected + ", obtained " + check.obtained;
}

std::string textReport(const Report& report) {
    const Program& program = *report.program;
    std::string out = filled(kTitle, {program.base, baseName(program.script), report.date}) + "\n\n";
    summary(out, report);
    details(out, report);
    counts(out, report.counts);
    return out;
}

}  // namespace report
