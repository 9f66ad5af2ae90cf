// The trace description file (-TSF): how the trace viewer reads the services,
// tests and stubs of the harness's trace output.
#include "config/settings.h"
#include "diag/diag.h"
#include "diag/paths.h"
#include "output/output.h"
#include "output/output_internal.h"

#include <utility>
#include <vector>

namespace output {

namespace {

// The records, "%1" ... standing for their fields; quoted fields come quoted.
namespace records {
constexpr std::string_view kTracer = "DB \"Fernwick-Tracer\"";
constexpr std::string_view kSource = "SO %1 000 %2";  // path, kind
constexpr std::string_view kFileItem = "IN \"File\" 9 %1";
constexpr std::string_view kParametersOk = "TX 4 \"Parameters OK\"";
constexpr std::string_view kParametersFailed = "TX 5 \"Test Parameters Failed\"";
constexpr std::string_view kSelect = "SI %1";
constexpr std::string_view kServiceItem = "IN \"HRUS\" %1 %2";  // 4n+11, name
constexpr std::string_view kTestItem = "IN \"HRUT\" %1 %2";     // 4n+11, "Test " name
constexpr std::string_view kStubItem = "IN \"HRUB\" %1 %2";     // number, name
constexpr std::string_view kLink = "LK %1";
constexpr std::string_view kMessage = "MS %1 %2";  // 4n+10, name
constexpr std::string_view kEndOfItems = "ID 1 0";
constexpr std::string_view kEndOfResults = "ID 2 0";
constexpr std::string_view kEnd = "ED";
constexpr std::string_view kErrorsDetected = "TX 6 \"Errors detected\"";
constexpr std::string_view kTestLink = "LK \"Test%1\"";
constexpr std::string_view kTestResult = "TX %1 \"Test result\"";  // 4n+12
}  // namespace records

// Item numbers: services and tests by their number, stubs from 11 on.
constexpr int itemOf(int number) { return 4 * number + 11; }
constexpr int messageOf(int number) { return 4 * number + 10; }
constexpr int resultOf(int number) { return 4 * number + 12; }
constexpr int kRootItem = 9;
constexpr int kStubsItem = 3;
constexpr int kFirstStubNumber = 10;

struct TraceState {
    OutputFile file;
    std::string xrdPath;  // tdir/T.xrd
    std::string xrdName;  // T.xrd
    int stubCounter = kFirstStubNumber;
    int currentService = 0;
    std::vector<std::pair<int, int>> tests;  // (test number, link)
};

TraceState& trace() {
    static TraceState t;
    return t;
}

// A text between the double quotes of a record: quotes and backslashes are
// escaped so that the viewer reads the text back as written.
std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

void record(std::string_view layout, std::initializer_list<std::string_view> fields = {}) {
    trace().file.writeLine(fillPlaceholders(layout, fields));
}

void record(std::string_view layout, int number) { record(layout, {std::to_string(number)}); }

void writeFileRecords(std::string_view path, std::string_view kind, std::string_view name) {
    record(records::kTracer);
    record(records::kSource, {quoted(path), quoted(kind)});
    record(records::kFileItem, {quoted(name)});
}

}  // namespace

void beginTraceDescription(const std::string& tracePath, const std::string& scriptPath) {
    auto& t = trace();
    const auto& settings = config::settings();
    const diag::PathParts parts = diag::splitPath(tracePath);
    t.xrdName = diag::splitExtension(parts.fileName).base + ".xrd";
    t.xrdPath = parts.directory + t.xrdName;
    openGeneratedFile(t.file, tracePath);
    writeFileHeader(t.file, "US ", "", settings.commandImage, settings.dateString);
    writeFileRecords(scriptPath, "txt", scriptPath);
    record(records::kParametersOk);
    record(records::kParametersFailed);
}

void describeService(std::string_view name, int serviceNumber, int link) {
    auto& t = trace();
    if (!t.file.isOpen()) return;
    t.currentService = serviceNumber;
    record(records::kSelect, kRootItem);
    record(records::kServiceItem, {std::to_string(itemOf(serviceNumber)), quoted(name)});
    record(records::kLink, link);
    record(records::kMessage, {std::to_string(messageOf(serviceNumber)), quoted(name)});
}

void describeTest(std::string_view name, int testNumber, int link) {
    auto& t = trace();
    if (!t.file.isOpen()) return;
    t.tests.emplace_back(testNumber, link);
    record(records::kSelect, itemOf(t.currentService));
    record(records::kTestItem, {std::to_string(itemOf(testNumber)), quoted("Test " + std::string(name))});
    record(records::kLink, link);
    record(records::kMessage, {std::to_string(messageOf(testNumber)), quoted(name)});
}

void describeStub(std::string_view name, int link) {
    auto& t = trace();
    if (!t.file.isOpen()) return;
    if (t.stubCounter == kFirstStubNumber) {
        record(records::kSelect, kRootItem);
        record(records::kStubItem, {std::to_string(kStubsItem), quoted("Stubs")});
    }
    const int number = ++t.stubCounter;
    record(records::kLink, link);
    record(records::kSelect, kStubsItem);
    record(records::kStubItem, {std::to_string(number), quoted(name)});
    record(records::kSelect, number);
}

void endTraceDescription(bool errorsPresent) {
    auto& t = trace();
    if (!t.file.isOpen()) return;
    if (!errorsPresent) {
        record(records::kEndOfItems);
        record(records::kEnd);
        writeFileRecords(t.xrdPath, "xrd", t.xrdName);
        record(records::kLink, 1);
        record(records::kErrorsDetected);
        for (const auto& [number, link] : t.tests) {
            record(records::kTestLink, link);
            record(records::kTestResult, resultOf(number));
        }
        record(records::kEndOfResults);
        record(records::kEnd);
    }
    t.file.close(errorsPresent);
}

void discardTraceDescription() { trace().file.discard(); }

namespace detail {

void resetTraceDescriptionForTesting() {
    auto& t = trace();
    if (t.file.isOpen()) t.file.discard();
    t.xrdPath.clear();
    t.xrdName.clear();
    t.stubCounter = kFirstStubNumber;
    t.currentService = 0;
    t.tests.clear();
}

}  // namespace detail

}  // namespace output
