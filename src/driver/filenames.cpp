// Derivation of every file name of the run and the date string.
#include "diag/diag.h"
#include "driver/driver.h"
#include "driver/environment.h"

#include <cstdlib>
#include <ctime>

namespace driver {

namespace {

constexpr const char* kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::size_t kExtensionLimit = 255;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// SOURCE_DATE_EPOCH as seconds, when it is a plain non-negative number.
bool sourceDateEpoch(std::time_t& seconds) {
    const char* value = std::getenv("SOURCE_DATE_EPOCH");
    if (!value || !*value) return false;
    std::time_t parsed = 0;
    for (const char* p = value; *p; ++p) {
        if (!isDigit(*p) || parsed > (static_cast<std::time_t>(1) << 40)) return false;
        parsed = parsed * 10 + (*p - '0');
    }
    seconds = parsed;
    return true;
}

// The directory to write the rio file in, with its separator.
std::string withTrailingSlash(std::string directory) {
    if (!directory.empty() && directory.back() != '/') directory += '/';
    return directory;
}

}  // namespace

std::string ctimeLayout(const std::tm& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%s %s %2d %02d:%02d:%02d %d", kWeekdays[(t.tm_wday % 7 + 7) % 7],
                  kMonths[(t.tm_mon % 12 + 12) % 12], t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec,
                  t.tm_year + 1900);
    return text;
}

std::string makeDateString() {
    std::tm parts{};
    std::time_t seconds = 0;
    if (sourceDateEpoch(seconds)) {
        ::gmtime_r(&seconds, &parts);
    } else {
        seconds = std::time(nullptr);
        ::localtime_r(&seconds, &parts);
    }
    return ctimeLayout(parts);
}

std::string baseNameUpToFirstDot(std::string_view path) {
    const std::string name = splitPath(path).fileName;
    return name.substr(0, name.find('.'));
}

std::string versionSuffix(std::string_view base) {
    const std::size_t n = base.size();
    if (n > 3 && isDigit(base[n - 3]) && isDigit(base[n - 2])) return std::string(base.substr(n - 3));
    return {};
}

void deriveFileNames(Settings& s) {
    const PathParts script = splitPath(s.scriptPath);
    const NameParts scriptName = splitExtension(script.fileName);
    s.scriptDirectory = script.directory;
    s.scriptBase = scriptName.base;
    s.scriptExtension = scriptName.extension.empty() ? logicalExtension(kPtuFile) : scriptName.extension;

    const PathParts generated = splitPath(s.generatedPath);
    const NameParts generatedName = splitExtension(generated.fileName);
    s.generatedDirectory = absoluteDirectory(generated.directory);
    s.generatedBase = generatedName.base;
    s.generatedExtension = generatedName.extension.empty() ? std::string("cc") : generatedName.extension;

    const std::string rioName =
        s.rioName.empty() ? s.generatedBase + "." + logicalExtension(kRioFile) : s.rioName;
    s.rioPath = s.rioDirectory.empty() ? s.generatedDirectory + rioName
                                       : withTrailingSlash(s.rioDirectory) + rioName;
    s.recordPath = s.generatedDirectory + s.generatedBase + "." + logicalExtension(kTdcFile);
    const std::string companionExtension = (".i" + s.generatedExtension).substr(0, kExtensionLimit);
    s.companionPath = (s.syscompGiven ? std::string() : s.generatedDirectory) + s.generatedBase +
                      companionExtension;
    s.segmentPath = s.generatedDirectory + s.generatedBase + "." + logicalExtension(kSegFile);
    s.listingPath = s.scriptDirectory + s.scriptBase + "." + logicalExtension(kLisFile);
    s.scriptPath = s.scriptDirectory + s.scriptBase + "." + s.scriptExtension;
    s.generatedPath = s.generatedDirectory + s.generatedBase + "." + s.generatedExtension;
    if (s.tsfGiven) {
        const PathParts trace = splitPath(s.tsfPath);
        const NameParts traceName = splitExtension(trace.fileName);
        s.traceDirectory = trace.directory;
        s.traceBase = traceName.base;
        s.traceExtension = traceName.extension.empty() ? std::string("tsf") : traceName.extension;
        s.tsfPath = s.traceDirectory + s.traceBase + "." + s.traceExtension;
    }
}

}  // namespace driver
