// The JUnit XML report as Ant writes it and Jenkins reads it: one testsuite
// per service, one testcase per test and iteration, a failure naming every
// failed check with its expected and obtained values, an error per
// unexpected exception or death, skipped for the tests that did not run.
#include "report/markup.h"
#include "report/report_internal.h"

#include <cstdio>

namespace report {

namespace {

std::string seconds(long long microseconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", microseconds < 0 ? 0.0 : static_cast<double>(microseconds) / 1e6);
    return text;
}

std::string attribute(const char* name, const std::string& value) {
    return std::string(" ") + name + "=\"" + markup::escaped(value) + "\"";
}

std::string location(const TestResult& test) {
    const Position& p = test.test->position;
    return p.line > 0 ? p.file + ":" + std::to_string(p.line) : std::string();
}

std::string prefixed(const std::string& where, const std::string& text) {
    return where.empty() ? text : where + ": " + text;
}

struct CaseCounts {
    int tests = 0, failures = 0, errors = 0, skipped = 0;
    long long time = 0;
};

std::string checkListing(const IterationResult& iteration) {
    std::string text;
    for (const CheckLine& check : iteration.checks)
        text += check.variable + ": initial " + check.initial + ", expected " + check.expected + ", obtained " +
                check.obtained + " (" + (check.verdict == Verdict::Passed ? "passed" : check.verdict == Verdict::Failed ? "failed" : "not judged") + ")\n";
    for (const std::string& note : iteration.notes) text += note + "\n";
    return text;
}

void failureElement(std::string& out, const TestResult& test, const IterationResult& iteration, CaseCounts& c) {
    std::string message, body;
    for (const CheckLine& check : iteration.checks) {
        if (check.verdict != Verdict::Failed) continue;
        message += (message.empty() ? "" : "; ") + failureText(check);
        body += prefixed(location(test), failureText(check)) + "\n";
    }
    if (message.empty()) return;
    ++c.failures;
    out += "      <failure" + attribute("message", message) + attribute("type", "check") + ">" +
           markup::escaped(body) + "</failure>\n";
}

void errorElements(std::string& out, const TestResult& test, const IterationResult& iteration, CaseCounts& c) {
    if (!iteration.errors.empty()) ++c.errors;
    for (const std::string& error : iteration.errors) {
        const char* type = test.status == TestStatus::Died && &error == &iteration.errors.back() ? "died" : "exception";
        out += "      <error" + attribute("message", error) + attribute("type", type) + ">" +
               markup::escaped(prefixed(location(test), error)) + "</error>\n";
    }
}

void testCase(std::string& out, const TestResult& test, const IterationResult* iteration, const std::string& classname,
              CaseCounts& c) {
    ++c.tests;
    const long long duration = iteration ? iteration->duration : -1;
    if (duration > 0) c.time += duration;
    out += "    <testcase" + attribute("name", iteration ? iterationTitle(test, *iteration) : test.test->name) +
           attribute("classname", classname) + attribute("time", seconds(duration)) + ">\n";
    if (iteration == nullptr) {
        ++c.skipped;
        out += "      <skipped" + attribute("message", "not run: the harness stopped before this test") + "/>\n";
    } else {
        failureElement(out, test, *iteration, c);
        errorElements(out, test, *iteration, c);
        out += "      <system-out>" + markup::escaped((location(test).empty() ? "" : location(test) + "\n") + checkListing(*iteration)) +
               "</system-out>\n";
    }
    out += "    </testcase>\n";
}

void testSuite(std::string& out, const Report& report, std::size_t first, std::size_t end, int id, CaseCounts& total) {
    const Program& program = *report.program;
    const std::string classname = program.base + "." + report.tests[first].serviceName;
    std::string cases;
    CaseCounts c;
    for (std::size_t t = first; t < end; ++t) {
        const TestResult& test = report.tests[t];
        if (test.iterations.empty()) testCase(cases, test, nullptr, classname, c);
        for (const IterationResult& iteration : test.iterations) testCase(cases, test, &iteration, classname, c);
    }
    out += "  <testsuite" + attribute("name", report.tests[first].serviceName) + attribute("tests", std::to_string(c.tests)) +
           attribute("failures", std::to_string(c.failures)) + attribute("errors", std::to_string(c.errors)) +
           attribute("skipped", std::to_string(c.skipped)) + attribute("time", seconds(c.time)) +
           attribute("timestamp", markup::isoDate(report.date)) + attribute("hostname", "localhost") +
           attribute("id", std::to_string(id)) + attribute("package", program.base) + attribute("file", program.script) +
           ">\n" + cases + "  </testsuite>\n";
    total.tests += c.tests;
    total.failures += c.failures;
    total.errors += c.errors;
    total.time += c.time;
}

// What went wrong outside any test, as the errors of one more testcase.
void programSuite(std::string& out, const Report& report, int id, CaseCounts& total) {
    const Program& program = *report.program;
    out += "  <testsuite" + attribute("name", program.base) + attribute("tests", "1") + attribute("failures", "0") +
           attribute("errors", "1") + attribute("skipped", "0") + attribute("time", seconds(0)) +
           attribute("timestamp", markup::isoDate(report.date)) + attribute("hostname", "localhost") +
           attribute("id", std::to_string(id)) + attribute("package", program.base) + attribute("file", program.script) +
           ">\n    <testcase" + attribute("name", "program") + attribute("classname", program.base) +
           attribute("time", seconds(0)) + ">\n";
    for (const std::string& error : report.programErrors)
        out += "      <error" + attribute("message", error) + attribute("type", "program") + ">" +
               markup::escaped(error) + "</error>\n";
    out += "    </testcase>\n  </testsuite>\n";
    ++total.tests;
    ++total.errors;
}

}  // namespace

std::string junitReport(const Report& report) {
    std::string suites;
    CaseCounts total;
    int id = 0;
    for (std::size_t first = 0; first < report.tests.size();) {
        std::size_t end = first + 1;
        while (end < report.tests.size() && report.tests[end].serviceName == report.tests[first].serviceName) ++end;
        testSuite(suites, report, first, end, id++, total);
        first = end;
    }
    if (!report.programErrors.empty()) programSuite(suites, report, id, total);
    const std::string name = report.program->base;
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites" + attribute("name", name) +
           attribute("tests", std::to_string(total.tests)) + attribute("failures", std::to_string(total.failures)) +
           attribute("errors", std::to_string(total.errors)) +
           attribute("time", seconds(total.time)) + ">\n" + suites + "</testsuites>\n";
}

}  // namespace report
