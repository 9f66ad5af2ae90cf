// Reading the results file (G.rio) that the run-time writes as the harness
// runs: the tests with their iterations and, in each, the events in the
// order they happened. A line that cannot be read is reported and skipped;
// a file that ends early is a harness that stopped.
#include "diag/diag.h"
#include "diag/files.h"
#include "report/report_internal.h"

#include <cctype>
#include <charconv>
#include <sstream>
#include <unordered_map>

namespace report {

namespace {

constexpr std::string_view kHeader = "VORNE-RIO 1 ";

struct RioReader {
    Run& run;
    std::string path;
    int line = 0;
    TestRun* test = nullptr;
    std::vector<Field> fields = {};  // of the line being read, kept for its capacity
};

bool isNumber(const Field& field) {
    if (field.quoted || field.text.empty() || field.text.size() > 18) return false;
    std::size_t i = field.text[0] == '-' ? 1 : 0;
    if (i == field.text.size()) return false;
    for (; i < field.text.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(field.text[i]))) return false;
    return true;
}

long long number(const Field& field) {
    long long value = 0;
    std::from_chars(field.text.data(), field.text.data() + field.text.size(), value);
    return value;
}

bool numbers(const std::vector<Field>& fields, std::size_t from, std::size_t to) {
    if (fields.size() <= to) return false;
    for (std::size_t i = from; i <= to; ++i)
        if (!isNumber(fields[i])) return false;
    return true;
}

bool verdictOf(const Field& field, Verdict& verdict) {
    if (field.text == "passed") verdict = Verdict::Passed;
    else if (field.text == "failed") verdict = Verdict::Failed;
    else if (field.text == "unjudged") verdict = Verdict::Unjudged;
    else return false;
    return !field.quoted;
}

// A value as the writers print it: strings keep their quotes, NULL stays.
std::string valueText(const Field& field) {
    if (!field.quoted) return field.text;
    std::string out = "\"";
    for (unsigned char c : field.text) {
        if (c == '\\' || c == '"') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7f) {
            static const char digits[] = "0123456789abcdef";
            out += "\\x";
            out += digits[c >> 4];
            out += digits[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

void addEvent(RioReader& r, Event event) {
    event.line = r.line;
    if (r.test != nullptr) r.test->iterations.back().events.push_back(std::move(event));
    else r.run.outsideTests.push_back(std::move(event));
}

bool testLine(RioReader& r, const std::vector<Field>& f) {
    if (f.size() != 4 || !isNumber(f[1]) || !f[2].quoted || !isNumber(f[3])) return false;
    TestRun test;
    test.number = static_cast<int>(number(f[1]));
    test.name = f[2].text;
    test.line = r.line;
    test.start = number(f[3]);
    test.iterations.push_back({1, test.start, -1, {}});
    r.run.tests.push_back(std::move(test));
    r.test = &r.run.tests.back();
    return true;
}

bool serviceLine(RioReader& r, const std::vector<Field>& f) {
    if (f.size() != 3 || !isNumber(f[1]) || !f[2].quoted) return false;
    r.test = nullptr;
    TestRun service;
    service.number = static_cast<int>(number(f[1]));
    service.name = f[2].text;
    service.line = r.line;
    r.run.services.push_back(std::move(service));
    return true;
}

bool iterationLine(RioReader& r, const std::vector<Field>& f) {
    if (r.test == nullptr || !numbers(f, 1, 2) || f.size() != 3) return false;
    r.test->iterations.push_back({static_cast<int>(number(f[1])), number(f[2]), -1, {}});
    return true;
}

bool iterationEndLine(RioReader& r, const std::vector<Field>& f) {
    if (r.test == nullptr || !numbers(f, 1, 3) || f.size() != 4) return false;
    r.test->iterations.back().duration = number(f[3]);
    return true;
}

bool testEndLine(RioReader& r, const std::vector<Field>& f) {
    if (r.test == nullptr || !numbers(f, 1, 3) || f.size() != 4 || number(f[1]) != r.test->number) return false;
    r.test->duration = number(f[3]);
    if (r.test->iterations.size() == 1) r.test->iterations.back().duration = r.test->duration;
    r.test = nullptr;
    return true;
}

bool checkLine(RioReader& r, const std::vector<Field>& f) {
    if (f.size() != 10 || !isNumber(f[1]) || f[2].text.size() != 1 || !numbers(f, 3, 5)) return false;
    Event e;
    e.type = EventType::Check;
    e.number = static_cast<int>(number(f[1]));
    e.kind = f[2].text[0];
    e.dynamic = number(f[3]) != 0;
    e.equalInitial = number(f[4]) != 0;
    e.radix = static_cast<int>(number(f[5]));
    if (!verdictOf(f[6], e.verdict)) return false;
    e.obtained = valueText(f[7]);
    e.low = valueText(f[8]);
    e.high = valueText(f[9]);
    addEvent(r, std::move(e));
    return true;
}

bool initialLine(RioReader& r, const std::vector<Field>& f) {
    if (f.size() != 4 || !isNumber(f[1]) || f[2].text.size() != 1) return false;
    Event e;
    e.type = EventType::Initial;
    e.number = static_cast<int>(number(f[1]));
    e.kind = f[2].text[0];
    e.obtained = valueText(f[3]);
    addEvent(r, std::move(e));
    return true;
}

bool exceptionLine(RioReader& r, const std::vector<Field>& f, EventType type) {
    if (f.size() != 4 || !isNumber(f[1]) || !f[2].quoted || !f[3].quoted) return false;
    Event e;
    e.type = type;
    e.number = static_cast<int>(number(f[1]));
    e.message = f[3].text;
    e.obtained = f[2].text;  // the exception's type
    addEvent(r, std::move(e));
    return true;
}

// Lines of one number: brackets, modes, ruptures, the list's extra items.
bool numberedLine(RioReader& r, const std::vector<Field>& f, EventType type) {
    if (f.size() != 2 || !isNumber(f[1])) return false;
    Event e;
    e.type = type;
    e.number = static_cast<int>(number(f[1]));
    addEvent(r, std::move(e));
    return true;
}

bool timedLine(RioReader& r, const std::vector<Field>& f, EventType type, std::size_t size) {
    if (f.size() != size || !numbers(f, 1, size - 1)) return false;
    Event e;
    e.type = type;
    e.time = number(f[1]);
    if (size > 2) e.duration = number(f[2]);
    addEvent(r, std::move(e));
    return true;
}

bool countedLine(RioReader& r, const std::vector<Field>& f, EventType type, std::size_t size) {
    if (f.size() != size || !numbers(f, 1, size - 1)) return false;
    Event e;
    e.type = type;
    e.number = static_cast<int>(number(f[1]));
    e.count = number(f[2]);
    addEvent(r, std::move(e));
    return true;
}

bool listItemLine(RioReader& r, const std::vector<Field>& f) {
    Event e;
    if (f.size() != 4 || !isNumber(f[1]) || !verdictOf(f[2], e.verdict) || !f[3].quoted) return false;
    e.type = EventType::ListItem;
    e.number = static_cast<int>(number(f[1]));
    e.obtained = f[3].text;
    addEvent(r, std::move(e));
    return true;
}

bool listMissingLine(RioReader& r, const std::vector<Field>& f) {
    if (f.size() != 3 || !isNumber(f[1]) || !f[2].quoted) return false;
    Event e;
    e.type = EventType::ListMissing;
    e.number = static_cast<int>(number(f[1]));
    e.obtained = f[2].text;
    addEvent(r, std::move(e));
    return true;
}

bool diedLine(RioReader& r, const std::vector<Field>& f) {
    if (f.size() != 2 || f[1].quoted) return false;
    r.run.died = f[1].text;
    return true;
}

bool endLine(RioReader& r, const std::vector<Field>& f) {
    if (f.size() != 2 || !isNumber(f[1])) return false;
    r.run.closed = true;
    r.run.end = number(f[1]);
    r.test = nullptr;
    return true;
}

using LineReader = bool (*)(RioReader&, const std::vector<Field>&);

// One reader per tag of the results file.
const std::unordered_map<std::string, LineReader>& lineReaders() {
    using T = EventType;
    static const std::unordered_map<std::string, LineReader> readers = {
        {"SERVICE", serviceLine},
        {"TEST", testLine},
        {"ITERATION", iterationLine},
        {"ITERATION-END", iterationEndLine},
        {"END-TEST", testEndLine},
        {"CHECK", checkLine},
        {"INIT", initialLine},
        {"CALL", [](RioReader& r, const auto& f) { return timedLine(r, f, T::Call, 2); }},
        {"RETURN", [](RioReader& r, const auto& f) { return timedLine(r, f, T::Return, 3); }},
        {"EXCEPTION", [](RioReader& r, const auto& f) { return exceptionLine(r, f, T::Exception); }},
        {"GROUP-EXCEPTION", [](RioReader& r, const auto& f) { return exceptionLine(r, f, T::GroupException); }},
        {"OPEN", [](RioReader& r, const auto& f) { return numberedLine(r, f, T::Open); }},
        {"CLOSE", [](RioReader& r, const auto& f) { return numberedLine(r, f, T::Close); }},
        {"TABLE", [](RioReader& r, const auto& f) { return numberedLine(r, f, T::Table); }},
        {"END-TABLE", [](RioReader& r, const auto& f) { return numberedLine(r, f, T::TableEnd); }},
        {"CONSTANT", [](RioReader& r, const auto& f) { return numberedLine(r, f, T::Constant); }},
        {"END-CONSTANT", [](RioReader& r, const auto& f) { return numberedLine(r, f, T::ConstantEnd); }},
        {"RUPTURE", [](RioReader& r, const auto& f) { return numberedLine(r, f, T::Rupture); }},
        {"LIST-EXTRA", [](RioReader& r, const auto& f) { return numberedLine(r, f, T::ListExtra); }},
        {"REPEAT", [](RioReader& r, const auto& f) { return countedLine(r, f, T::Repeat, 3); }},
        {"STUB", [](RioReader& r, const auto& f) { return countedLine(r, f, T::StubCall, 4); }},
        {"LIST-ITEM", listItemLine},
        {"LIST-MISSING", listMissingLine},
        {"DIED", diedLine},
        {"END", endLine},
    };
    return readers;
}

void readLine(RioReader& r, const std::string& text) {
    std::vector<Field>& fields = r.fields;
    fields.clear();
    bool read = splitFields(text, fields) && !fields.empty() && !fields[0].quoted && !r.run.closed;
    if (read) {
        const auto found = lineReaders().find(fields[0].text);
        read = found != lineReaders().end() && found->second(r, fields);
    }
    if (!read) diag::raiseMessage(diag::Level::W, "INCLIGRIO", text.substr(0, 80), r.path, r.line);
}

}  // namespace

// Fields separated by blanks; a quoted field ends at its closing quote and
// has its escapes (\\, \", \xHH) undone.
bool splitFields(std::string_view line, std::vector<Field>& fields) {
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ') {
            ++i;
            continue;
        }
        Field& field = fields.emplace_back();
        if (line[i] != '"') {
            const std::size_t end = std::min(line.find(' ', i), line.size());
            field.text.assign(line.substr(i, end - i));
            i = end;
            continue;
        }
        field.quoted = true;
        for (++i;; ++i) {
            if (i >= line.size()) return false;
            if (line[i] == '"') break;
            if (line[i] != '\\') {
                field.text += line[i];
                continue;
            }
            if (++i >= line.size()) return false;
            if (line[i] != 'x') {
                field.text += line[i];
                continue;
            }
            unsigned value = 0;
            if (i + 2 >= line.size() ||
                std::from_chars(line.data() + i + 1, line.data() + i + 3, value, 16).ptr != line.data() + i + 3)
                return false;
            field.text += static_cast<char>(value);
            i += 2;
        }
        ++i;
        if (i < line.size() && line[i] != ' ') return false;
    }
    return true;
}

bool readRio(const std::string& path, Run& run) {
    std::string whole;
    if (diag::readInputFile(path, whole) != diag::InputStatus::Read) {
        diag::raiseMessage(diag::Level::E, "STXERRRIO", path + " (cannot be read)", {}, 0);
        return false;
    }
    std::istringstream in(whole);
    RioReader reader{run, path, 0, nullptr};
    std::string text;
    if (!std::getline(in, text) || text.rfind(kHeader, 0) != 0) {
        diag::raiseMessage(diag::Level::E, "STXERRRIO", text.substr(0, 80), path, 1);
        return false;
    }
    run.date = text.substr(kHeader.size());
    reader.line = 1;
    while (std::getline(in, text)) {
        ++reader.line;
        if (!text.empty()) readLine(reader, text);
    }
    return true;
}

}  // namespace report
