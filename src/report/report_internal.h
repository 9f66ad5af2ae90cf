// Shared between the files of the report module: what the record file
// describes, what the results file tells, and the joined report that the
// writers print.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace report {

enum class Verdict { Passed, Failed, Unjudged };

// ---- The record file (G.tdc) ------------------------------------------------

struct Position {
    std::string file;  // as the script named it, made relative when possible
    int line = 0;
};

// A "V" record: the checked variable and its clause texts.
struct CheckDescription {
    int number = 0;
    std::string variable;
    std::string init;      // text of INIT=, empty when none
    bool hasInit = false;
    std::string expected;  // the clauses after INIT, as written
};

struct TestDescription {
    int number = 0;
    std::string name;
    int service = 0;  // number of its service
    std::string family;
    Position position;
};

struct ServiceDescription {
    int number = 0;
    std::string name;
};

struct Program {
    std::string script;  // the main script's path
    std::string base;    // its base name
    std::map<int, ServiceDescription> services;
    std::map<int, TestDescription> tests;
    std::map<int, CheckDescription> checks;
    std::map<int, std::string> lists;                    // "N" records: the list name
    std::map<int, std::string> stubs;                    // "M" records: stub and function
    std::vector<int> testOrder;                          // test numbers in record order
};

// ---- The results file (G.rio) ---------------------------------------------

enum class EventType {
    Check, Initial, Exception, GroupException, ListItem, ListMissing, ListExtra, StubCall,
    Call, Return, Repeat, Open, Close, Table, TableEnd, Constant, ConstantEnd, Rupture
};

struct Event {
    EventType type = EventType::Check;
    int line = 0;      // in the results file
    int number = 0;    // structure number, or exception code
    char kind = 'I';
    bool dynamic = false;
    bool equalInitial = false;
    int radix = 10;
    Verdict verdict = Verdict::Unjudged;
    std::string obtained, low, high;  // values as the file writes them; the type
                                      // of an exception, the item of a list
    std::string message;              // of an exception
    long long time = 0, duration = 0, count = 0;
};

struct Iteration {
    int index = 1;
    long long start = 0;
    long long duration = -1;  // -1 while not ended
    std::vector<Event> events;
};

struct TestRun {
    int number = 0;
    std::string name;
    int line = 0;
    long long start = 0;
    long long duration = -1;  // -1 when the test did not end
    std::vector<Iteration> iterations;
};

struct Run {
    std::string date;
    std::vector<TestRun> services;    // number, name and line of each declaration
    std::vector<TestRun> tests;
    std::vector<Event> outsideTests;  // exceptions that escaped a service or main
    bool closed = false;
    std::string died;                  // signal number or "exit" when the harness died
    long long end = 0;
};

// ---- The joined report -----------------------------------------------------

enum class TestStatus { Passed, Failed, Died, NotRun };

struct CheckLine {
    std::string variable;
    std::string initial;
    std::string expected;
    std::string obtained;
    Verdict verdict = Verdict::Unjudged;
    int depth = 0;  // brackets around it
};

struct IterationResult {
    int index = 1;
    long long duration = -1;
    std::vector<CheckLine> checks;
    std::vector<std::string> errors;  // unexpected exceptions, the harness's death
    std::vector<std::string> notes;   // stub calls, repetitions
    bool failed() const;
};

struct TestResult {
    const TestDescription* test = nullptr;
    std::string serviceName;
    TestStatus status = TestStatus::NotRun;
    long long duration = -1;
    std::vector<IterationResult> iterations;
};

struct Counts {
    int checks = 0, passed = 0, failed = 0, unjudged = 0;
    int tests = 0, testsPassed = 0, testsFailed = 0, testsDied = 0, testsNotRun = 0;
};

struct Report {
    const Program* program = nullptr;
    std::string date;
    std::vector<TestResult> tests;     // in the order of the record file
    std::vector<std::string> programErrors;
    Counts counts;
};

// ---- Between the files ---------------------------------------------------

// Each reader reports through the message catalog and returns false when the
// file is unusable.
bool readTdc(const std::string& path, Program& program);
bool readRio(const std::string& path, Run& run);
bool joinResults(const Program& program, const Run& run, const std::string& rioPath, Report& report);

// Judges an EV == check against the literal initial value of its record.
Verdict judgeAgainstLiteral(char kind, std::string_view literal, std::string_view obtained);

// Display of a value of the results file, by kind and radix.
std::string displayValue(char kind, int radix, std::string_view value);

// Splits a results-file line into fields; quoted fields are unescaped.
// Returns false when a quote is not closed.
struct Field {
    std::string text;
    bool quoted = false;
};
bool splitFields(std::string_view line, std::vector<Field>& fields);

const char* statusWord(TestStatus status);
std::string testTitle(const TestResult& test, bool withService);
std::string iterationTitle(const TestResult& test, const IterationResult& iteration);
std::string failureText(const CheckLine& check);

std::string textReport(const Report& report);
std::string junitReport(const Report& report);
std::string htmlReport(const Report& report);

}  // namespace report
