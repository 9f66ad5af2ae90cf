// The HTML report: one self-contained page (its style inline, nothing
// fetched) with the summary, failures first, and a table of checks per test
// and iteration in which every failed check stands out.
#include "report/markup.h"
#include "report/report_internal.h"

namespace report {

namespace {

constexpr const char* kStyle =
    "body{font-family:sans-serif;margin:2em;color:#222}"
    "h1{font-size:1.5em}h2{margin-top:2em;border-bottom:1px solid #aaa}"
    "table{border-collapse:collapse;margin:.5em 0 1em}"
    "th,td{border:1px solid #bbb;padding:.2em .6em;text-align:left;font-family:monospace}"
    "th{background:#eee}"
    "tr.failed td{background:#fdd;color:#900;font-weight:bold}"
    "tr.passed td.verdict{color:#070}"
    "tr.unjudged td.verdict{color:#a60}"
    ".status-FAILED,.status-DIED{color:#900;font-weight:bold}"
    ".status-passed{color:#070}"
    "p.error{color:#900;font-weight:bold}";

std::string esc(const std::string& text) { return markup::escaped(text); }

const char* rowClass(Verdict verdict) {
    switch (verdict) {
    case Verdict::Passed: return "passed";
    case Verdict::Failed: return "failed";
    default: return "unjudged";
    }
}

const char* verdictWord(Verdict verdict) {
    switch (verdict) {
    case Verdict::Passed: return "passed";
    case Verdict::Failed: return "FAILED";
    default: return "not judged";
    }
}

std::string anchor(const TestResult& test) { return "test-" + std::to_string(test.test->number); }

void checkTable(std::string& out, const IterationResult& iteration) {
    if (!iteration.checks.empty()) {
        out += "<table><tr><th>variable</th><th>initial</th><th>expected</th><th>obtained</th><th>verdict</th></tr>\n";
        for (const CheckLine& c : iteration.checks) {
            out += "<tr class=\"" + std::string(rowClass(c.verdict)) + "\"><td style=\"padding-left:" +
                   std::to_string(6 + 16 * c.depth) + "px\">" + esc(c.variable) + "</td><td>" +
                   esc(c.initial) + "</td><td>" + esc(c.expected) + "</td><td>" + esc(c.obtained) +
                   "</td><td class=\"verdict\">" + verdictWord(c.verdict) + "</td></tr>\n";
        }
        out += "</table>\n";
    }
    for (const std::string& error : iteration.errors) out += "<p class=\"error\">" + esc(error) + "</p>\n";
    for (const std::string& note : iteration.notes) out += "<p>" + esc(note) + "</p>\n";
}

void testSection(std::string& out, const TestResult& test) {
    out += "<h3 id=\"" + anchor(test) + "\">Test " + esc(testTitle(test, false)) + ": <span class=\"status-" +
           statusWord(test.status) + "\">" + statusWord(test.status) + "</span></h3>\n";
    for (const IterationResult& iteration : test.iterations) {
        if (test.iterations.size() > 1)
            out += "<h4>Iteration " + std::to_string(iteration.index) + (iteration.failed() ? ": FAILED" : ": passed") + "</h4>\n";
        checkTable(out, iteration);
    }
}

void summary(std::string& out, const Report& report) {
    out += "<h2>Summary</h2>\n";
    for (const std::string& error : report.programErrors) out += "<p class=\"error\">" + esc(error) + "</p>\n";
    out += "<table><tr><th>status</th><th>test</th></tr>\n";
    for (TestStatus status : {TestStatus::Died, TestStatus::Failed, TestStatus::NotRun, TestStatus::Passed})
        for (const TestResult& test : report.tests)
            if (test.status == status)
                out += "<tr class=\"" + std::string(status == TestStatus::Passed ? "passed" : "failed") +
                       "\"><td>" + statusWord(status) + "</td><td><a href=\"#" + anchor(test) + "\">" +
                       esc(testTitle(test, true)) + "</a></td></tr>\n";
    out += "</table>\n";
}

void counts(std::string& out, const Counts& c) {
    out += "<p id=\"counts\">Tests: " + std::to_string(c.tests) + ", passed: " + std::to_string(c.testsPassed) +
           ", failed: " + std::to_string(c.testsFailed) + ", died: " + std::to_string(c.testsDied) +
           ", not run: " + std::to_string(c.testsNotRun) + "<br>Checks: " + std::to_string(c.checks) +
           ", passed: " + std::to_string(c.passed) + ", failed: " + std::to_string(c.failed) +
           (c.unjudged > 0 ? ", not judged: " + std::to_string(c.unjudged) : std::string()) + "</p>\n";
}

}  // namespace

std::string htmlReport(const Report& report) {
    const Program& program = *report.program;
    const std::string title = "Test program " + program.base;
    std::string out = "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"><title>" + esc(title) +
                      "</title><style>" + kStyle + "</style></head><body>\n<h1>" + esc(title) + "</h1>\n<p>" +
                      esc(program.script) + ", results of " + esc(report.date) + "</p>\n";
    summary(out, report);
    std::string service;
    for (const TestResult& test : report.tests) {
        if (test.serviceName != service || &test == &report.tests.front()) {
            service = test.serviceName;
            out += "<h2>Service " + esc(service) + "</h2>\n";
        }
        testSection(out, test);
    }
    counts(out, report.counts);
    return out + "</body></html>\n";
}

}  // namespace report
