// The trace description file (-TSF): how the trace viewer reads the services,
// tests and stubs of the harness's trace output.
#include "diag/diag.h"
#include "driver/environment.h"
#include "driver/settings.h"
#include "script/script_internal.h"
#include "script/sidefiles.h"

#include <utility>
#include <vector>

namespace script {

namespace {

constexpr std::string_view kTracer = "DB \"Fernwick-Tracer\"";

struct TraceState {
    OutputFile file;
    std::string xrdPath;  // tdir/T.xrd
    std::string xrdName;  // T.xrd
    int stubCounter = 10;
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

void record(const std::string& line) { trace().file.writeLine(line); }

void writeFileRecords(std::string_view path, std::string_view kind, std::string_view name) {
    record(std::string(kTracer));
    record("SO " + quoted(path) + " 000 " + quoted(kind));
    record("IN \"File\" 9 " + quoted(name));
}

}  // namespace

void beginTraceDescription(const std::string& tracePath, const std::string& scriptPath) {
    auto& t = trace();
    const auto& settings = driver::settings();
    const driver::PathParts parts = driver::splitPath(tracePath);
    t.xrdName = driver::splitExtension(parts.fileName).base + ".xrd";
    t.xrdPath = parts.directory + t.xrdName;
    openGeneratedFile(t.file, tracePath);
    writeFileHeader(t.file, "US ", "", settings.commandImage, settings.dateString);
    writeFileRecords(scriptPath, "txt", scriptPath);
    record("TX 4 \"Parameters OK\"");
    record("TX 5 \"Test Parameters Failed\"");
}

void describeService(std::string_view name, int serviceNumber, int link) {
    auto& t = trace();
    if (!t.file.isOpen()) return;
    t.currentService = serviceNumber;
    record("SI 9");
    record("IN \"HRUS\" " + std::to_string(4 * serviceNumber + 11) + " " + quoted(name));
    record("LK " + std::to_string(link));
    record("MS " + std::to_string(4 * serviceNumber + 10) + " " + quoted(name));
}

void describeTest(std::string_view name, int testNumber, int link) {
    auto& t = trace();
    if (!t.file.isOpen()) return;
    t.tests.emplace_back(testNumber, link);
    record("SI " + std::to_string(4 * t.currentService + 11));
    record("IN \"HRUT\" " + std::to_string(4 * testNumber + 11) + " " + quoted("Test " + std::string(name)));
    record("LK " + std::to_string(link));
    record("MS " + std::to_string(4 * testNumber + 10) + " " + quoted(name));
}

void describeStub(std::string_view name, int link) {
    auto& t = trace();
    if (!t.file.isOpen()) return;
    if (t.stubCounter == 10) {
        record("SI 9");
        record("IN \"HRUB\" 3 \"Stubs\"");
    }
    const std::string number = std::to_string(++t.stubCounter);
    record("LK " + std::to_string(link));
    record("SI 3");
    record("IN \"HRUB\" " + number + " " + quoted(name));
    record("SI " + number);
}

void endTraceDescription(bool errorsPresent) {
    auto& t = trace();
    if (!t.file.isOpen()) return;
    if (!errorsPresent) {
        record("ID 1 0");
        record("ED");
        writeFileRecords(t.xrdPath, "xrd", t.xrdName);
        record("LK 1");
        record("TX 6 \"Errors detected\"");
        for (const auto& [number, link] : t.tests) {
            record("LK \"Test" + std::to_string(link) + "\"");
            record("TX " + std::to_string(4 * number + 12) + " \"Test result\"");
        }
        record("ID 2 0");
        record("ED");
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
    t.stubCounter = 10;
    t.currentService = 0;
    t.tests.clear();
}

}  // namespace detail

}  // namespace script
