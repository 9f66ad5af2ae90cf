// Joining the results with the records: every test run of the results file
// is matched with its "T" record, every check with the "V" record whose
// number is the nearest at or below its own (the elements of an array share
// their record and follow it), and the checks the run-time could not judge
// are judged here when the record gives a literal initial value.
#include "diag/diag.h"
#include "report/report_internal.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <optional>
#include <set>

namespace report {

namespace {

struct Joiner {
    const Program& program;
    const Run& run;
    std::string rioPath;
    Report& report;
    bool consistent = true;
};

void mismatch(Joiner& j, int line, const std::string& what) {
    diag::raiseMessage(diag::Level::E, "INCTDCRIO", what, j.rioPath, line);
    j.consistent = false;
}

// ---- Names of array elements ------------------------------------------------

// Bounds beyond this are not an array the harness could loop over.
constexpr long long kWidestBound = 1000000000;
// Records of more elements are reported not checked as a whole.
constexpr long long kMostElementsListed = 100000;

struct Range {
    std::size_t begin, end;  // of "[low..high]" in the variable text
    long long low, high;
    bool character;  // bounds written as characters: 'a'..'z'
};

// A bound as the script writes it: a decimal integer or one character.
std::optional<long long> boundOf(std::string text, bool& character) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    text.erase(0, text.find_first_not_of(' ') == std::string::npos ? text.size() : text.find_first_not_of(' '));
    character = text.size() == 3 && text.front() == '\'' && text.back() == '\'';
    if (character) return static_cast<unsigned char>(text[1]);
    try {
        std::size_t used = 0;
        const long long value = std::stoll(text, &used);
        if (used != text.size() || std::llabs(value) > kWidestBound) return std::nullopt;
        return value;
    } catch (...) {
        return std::nullopt;
    }
}

std::vector<Range> ranges(const std::string& variable) {
    std::vector<Range> found;
    for (std::size_t open = variable.find('['); open != std::string::npos; open = variable.find('[', open + 1)) {
        const std::size_t close = variable.find(']', open);
        const std::size_t dots = variable.find("..", open);
        if (close == std::string::npos || dots == std::string::npos || dots > close) continue;
        bool lowCharacter = false, highCharacter = false;
        const auto low = boundOf(variable.substr(open + 1, dots - open - 1), lowCharacter);
        const auto high = boundOf(variable.substr(dots + 2, close - dots - 2), highCharacter);
        if (low && high) found.push_back({open, close + 1, *low, *high, lowCharacter && highCharacter});
    }
    return found;
}

std::string indexText(long long index, bool character) {
    if (character && index > ' ' && index < 127 && index != '\'' && index != '\\')
        return std::string("'") + static_cast<char>(index) + "'";
    return std::to_string(index);
}

// The element at offset from the first one, the last range the fastest.
std::string elementName(const std::string& variable, int offset) {
    std::vector<Range> all = ranges(variable);
    if (all.empty()) return offset == 0 ? variable : variable + " #" + std::to_string(offset);
    std::string name = variable;
    long long rest = offset;
    for (auto range = all.rbegin(); range != all.rend(); ++range) {
        const long long count = std::llabs(range->high - range->low) + 1;
        const long long step = rest % count;
        rest /= count;
        const long long index = range->low <= range->high ? range->low + step : range->low - step;
        name.replace(range->begin, range->end - range->begin, "[" + indexText(index, range->character) + "]");
    }
    return name;
}

// ---- One iteration ---------------------------------------------------------

// The "V" records of a test: between its "T" record and the next test or
// service declaration.
std::vector<const CheckDescription*> checksOfTest(const Program& program, int testNumber) {
    int end = INT_MAX;
    const auto nextTest = program.tests.upper_bound(testNumber);
    if (nextTest != program.tests.end()) end = nextTest->first;
    const auto nextService = program.services.upper_bound(testNumber);
    if (nextService != program.services.end()) end = std::min(end, nextService->first);
    std::vector<const CheckDescription*> checks;
    for (auto it = program.checks.upper_bound(testNumber); it != program.checks.end() && it->first < end; ++it)
        checks.push_back(&it->second);
    return checks;
}

struct IterationJoiner {
    Joiner& j;
    const TestRun& run;
    IterationResult& result;
    std::map<int, Event>& initials;  // kept across iterations of the test
    int depth = 0;
    std::map<int, long long> stubCalls;
    std::set<int> checked = {};  // the numbers of the checks that reached the run-time
    std::map<int, int> listItems = {};
};

const CheckDescription* descriptionOf(IterationJoiner& it, const Event& e) {
    auto found = it.j.program.checks.upper_bound(e.number);
    if (found == it.j.program.checks.begin()) return nullptr;
    --found;
    if (found->first <= it.run.number) return nullptr;
    return &found->second;
}

std::string expectedText(const Event& e) {
    if (e.low == e.high) return displayValue(e.kind, e.radix, e.low);
    return displayValue(e.kind, e.radix, e.low) + ".." + displayValue(e.kind, e.radix, e.high);
}

void judgeFromRecord(CheckLine& line, const Event& e, const CheckDescription& d, bool recorded) {
    if (!e.equalInitial || recorded || !d.hasInit) return;
    line.expected = "= initial " + d.init;
    if (line.verdict == Verdict::Unjudged) line.verdict = judgeAgainstLiteral(e.kind, d.init, e.obtained);
}

void addCheck(IterationJoiner& it, const Event& e) {
    const CheckDescription* d = descriptionOf(it, e);
    if (d == nullptr) {
        mismatch(it.j, e.line, "CHECK " + std::to_string(e.number));
        return;
    }
    it.checked.insert(e.number);
    CheckLine line;
    line.variable = elementName(d->variable, e.number - d->number);
    const auto initial = it.initials.find(e.number);
    const bool recorded = initial != it.initials.end();
    if (recorded) line.initial = displayValue(initial->second.kind, e.radix, initial->second.obtained);
    else if (d->hasInit) line.initial = d->init;
    line.expected = !e.equalInitial ? expectedText(e) : recorded ? "= initial " + line.initial : "= initial";
    line.obtained = displayValue(e.kind, e.radix, e.obtained);
    line.verdict = e.verdict;
    line.depth = it.depth;
    judgeFromRecord(line, e, *d, recorded);
    it.result.checks.push_back(std::move(line));
}

std::string exceptionText(const Event& e) {
    std::string text = e.obtained.empty() ? "unknown exception" : e.obtained;
    if (!e.message.empty()) text += ": " + e.message;
    return text;
}

// Codes of EXCEP_CPP: where the exception happened.
const char* exceptionPlace(int code) {
    switch (code) {
    case 0: return "an exception escaped the service";
    case 1: return "unexpected exception in the initialisations";
    case 2: return "unexpected exception in the call";
    case 3: return "unexpected exception in the checks";
    default: return "unexpected exception";
    }
}

void addException(IterationJoiner& it, const Event& e) {
    if (e.number != 5 && e.number != 6) {
        it.result.errors.push_back(std::string(exceptionPlace(e.number)) + ": " + exceptionText(e));
        return;
    }
    CheckLine line;
    line.variable = "exception " + e.obtained;
    line.expected = "raised";
    line.obtained = e.number == 6 ? "raised" : "not raised";
    line.verdict = e.number == 6 ? Verdict::Passed : Verdict::Failed;
    line.depth = it.depth;
    it.result.checks.push_back(std::move(line));
}

void addGroupException(IterationJoiner& it, const Event& e) {
    const auto leaf = it.j.program.checks.upper_bound(e.number);
    std::string group = "group " + std::to_string(e.number);
    if (leaf != it.j.program.checks.end()) group = leaf->second.variable;
    it.result.errors.push_back("unexpected exception in the checks of " + group + ": " + exceptionText(e));
}

std::string listName(IterationJoiner& it, int number) {
    const auto found = it.j.program.lists.find(number);
    return found != it.j.program.lists.end() ? found->second : "list " + std::to_string(number);
}

void addListCheck(IterationJoiner& it, const Event& e) {
    CheckLine line;
    line.variable = listName(it, e.number);
    if (e.type != EventType::ListExtra) line.variable += "[" + std::to_string(++it.listItems[e.number]) + "]";
    line.depth = it.depth;
    line.verdict = Verdict::Failed;
    if (e.type == EventType::ListItem) {
        line.expected = e.obtained;
        line.obtained = e.verdict == Verdict::Passed ? e.obtained : "a different item";
        line.verdict = e.verdict;
    } else if (e.type == EventType::ListMissing) {
        line.expected = e.obtained;
        line.obtained = "no more items";
    } else {
        line.expected = "no more items";
        line.obtained = "more items";
    }
    it.result.checks.push_back(std::move(line));
}

void addNotes(IterationJoiner& it) {
    for (const auto& [number, calls] : it.stubCalls) {
        const auto found = it.j.program.stubs.find(number);
        const std::string stub = found != it.j.program.stubs.end() ? found->second : std::to_string(number);
        it.result.notes.push_back("stub " + stub + ": " + std::to_string(calls) + " call" + (calls == 1 ? "" : "s"));
    }
}

void joinEvent(IterationJoiner& it, const Event& e) {
    switch (e.type) {
    case EventType::Check: addCheck(it, e); break;
    case EventType::Initial: it.initials[e.number] = e; break;
    case EventType::Exception: addException(it, e); break;
    case EventType::GroupException: addGroupException(it, e); break;
    case EventType::ListItem: case EventType::ListMissing: case EventType::ListExtra: addListCheck(it, e); break;
    case EventType::StubCall: it.stubCalls[e.number] = std::max(it.stubCalls[e.number], e.count); break;
    case EventType::Repeat:
        it.result.notes.push_back("repetitions declared: " + std::to_string(e.count));
        break;
    case EventType::Open: case EventType::Table: case EventType::Constant: ++it.depth; break;
    case EventType::Close: case EventType::TableEnd: case EventType::ConstantEnd:
        it.depth = std::max(0, it.depth - 1);
        break;
    default: break;
    }
}

// ---- Tests -------------------------------------------------------------

std::string deathCause(const Run& run) {
    if (run.died == "exit") return " (the unit under test called exit)";
    if (!run.died.empty()) return " (signal " + run.died + ")";
    return "";
}

// The elements a record describes: the product of the counts of its ranges.
long long elementCount(const std::string& variable) {
    long long count = 1;
    for (const Range& range : ranges(variable)) {
        count *= std::llabs(range.high - range.low) + 1;
        if (count > kMostElementsListed) return kMostElementsListed + 1;
    }
    return count;
}

CheckLine notChecked(const IterationJoiner& it, const CheckDescription& d, int number, std::string variable) {
    CheckLine line;
    line.variable = std::move(variable);
    const auto recorded = it.initials.find(number);
    line.initial = recorded != it.initials.end() ? displayValue(recorded->second.kind, 10, recorded->second.obtained)
                                                 : d.init;
    line.expected = d.expected == "VA==" ? "= initial"
                    : d.expected.rfind("VA=", 0) == 0 ? d.expected.substr(3) : d.expected;
    line.obtained = "not checked (its expression threw)";
    line.verdict = Verdict::Failed;
    return line;
}

// A check whose expression threw never reached the run-time (its guard
// swallows the exception): every element of every record of the test that
// an iteration did not check is reported as not run rather than forgotten.
void addUnchecked(const IterationJoiner& it) {
    const std::set<int>& checked = it.checked;
    for (const CheckDescription* d : checksOfTest(it.j.program, it.run.number)) {
        const long long count = elementCount(d->variable);
        if (count > kMostElementsListed) {
            const auto reached = checked.lower_bound(d->number);
            if (reached == checked.end() || *reached - d->number >= count)
                it.result.checks.push_back(notChecked(it, *d, d->number, d->variable));
            continue;
        }
        for (long long offset = 0; offset < count; ++offset)
            if (const int number = d->number + static_cast<int>(offset); !checked.count(number))
                it.result.checks.push_back(notChecked(it, *d, number, elementName(d->variable, static_cast<int>(offset))));
    }
}

void joinTest(Joiner& j, const TestRun& run, TestResult& result, bool last) {
    std::map<int, Event> initials;
    const bool died = run.duration < 0 && last && !j.run.closed;
    for (const Iteration& iteration : run.iterations) {
        IterationResult out;
        out.index = iteration.index;
        out.duration = iteration.duration;
        IterationJoiner it{j, run, out, initials, 0, {}};
        for (const Event& e : iteration.events) joinEvent(it, e);
        if (!died || &iteration != &run.iterations.back()) addUnchecked(it);
        addNotes(it);
        result.iterations.push_back(std::move(out));
    }
    result.duration = run.duration;
    if (died) {
        const std::vector<Event>& events = run.iterations.back().events;
        const bool inCall = !events.empty() && events.back().type == EventType::Call;
        result.iterations.back().errors.push_back(std::string("the harness stopped during ") +
                                                  (inCall ? "the call of the unit under test" : "this test") +
                                                  deathCause(j.run));
    }
    bool failed = false;
    for (const IterationResult& iteration : result.iterations) failed = failed || iteration.failed();
    result.status = died ? TestStatus::Died : failed ? TestStatus::Failed : TestStatus::Passed;
}

void checkServices(Joiner& j) {
    for (const TestRun& service : j.run.services)
        if (!j.program.services.count(service.number))
            mismatch(j, service.line, "SERVICE " + std::to_string(service.number) + " " + service.name);
}

const TestRun* runOf(Joiner& j, const TestDescription& test) {
    for (const TestRun& run : j.run.tests)
        if (run.number == test.number) return &run;
    return nullptr;
}

void checkTests(Joiner& j) {
    for (const TestRun& run : j.run.tests) {
        const auto found = j.program.tests.find(run.number);
        if (found == j.program.tests.end() || found->second.name != run.name)
            mismatch(j, run.line, "TEST " + std::to_string(run.number) + " " + run.name);
    }
}

std::string serviceName(const Program& program, int number) {
    const auto found = program.services.find(number);
    return found != program.services.end() ? found->second.name : std::string("INCONNUE");
}

void programErrors(Joiner& j) {
    for (const Event& e : j.run.outsideTests)
        if (e.type == EventType::Exception) j.report.programErrors.push_back(std::string(exceptionPlace(0)) + ": " + exceptionText(e));
    const bool inTest = !j.run.tests.empty() && j.run.tests.back().duration < 0;
    if (!j.run.closed && !inTest) j.report.programErrors.push_back("the harness stopped outside any test" + deathCause(j.run));
}

void count(Report& report) {
    Counts& c = report.counts;
    for (const TestResult& test : report.tests) {
        ++c.tests;
        if (test.status == TestStatus::Passed) ++c.testsPassed;
        if (test.status == TestStatus::Failed) ++c.testsFailed;
        if (test.status == TestStatus::Died) ++c.testsDied;
        if (test.status == TestStatus::NotRun) ++c.testsNotRun;
        for (const IterationResult& iteration : test.iterations)
            for (const CheckLine& check : iteration.checks) {
                ++c.checks;
                if (check.verdict == Verdict::Passed) ++c.passed;
                else if (check.verdict == Verdict::Failed) ++c.failed;
                else ++c.unjudged;
            }
    }
}

}  // namespace

bool IterationResult::failed() const {
    if (!errors.empty()) return true;
    return std::any_of(checks.begin(), checks.end(), [](const CheckLine& c) { return c.verdict == Verdict::Failed; });
}

bool joinResults(const Program& program, const Run& run, const std::string& rioPath, Report& report) {
    Joiner j{program, run, rioPath, report, true};
    report.program = &program;
    report.date = run.date;
    checkServices(j);
    checkTests(j);
    if (!j.consistent) return false;
    const TestRun* lastRun = run.tests.empty() ? nullptr : &run.tests.back();
    for (int number : program.testOrder) {
        const TestDescription& test = program.tests.at(number);
        TestResult result;
        result.test = &test;
        result.serviceName = serviceName(program, test.service);
        if (const TestRun* testRun = runOf(j, test)) joinTest(j, *testRun, result, testRun == lastRun);
        report.tests.push_back(std::move(result));
    }
    programErrors(j);
    count(report);
    return j.consistent;
}

}  // namespace report
