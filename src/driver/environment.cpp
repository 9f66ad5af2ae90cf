// Environment variables, logical extensions and the target package.
#include "driver/environment.h"

#include "diag/diag.h"
#include "driver/settings.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

namespace driver {

namespace {

struct LogicalExtension {
    const char* variable;
    const char* defaultExtension;
};

constexpr LogicalExtension kLogicalExtensions[] = {
    {"VORNETDC", "tdc"}, {"VORNERO", "ro"},   {"VORNERIO", "rio"}, {"VORNERIO2", "ri2"},
    {"VORNEPTU", "ptu"}, {"VORNESEG", "seg"}, {"VORNELIS", "lis"}, {"VORNESMB", "smb"},
    {"VORNEDEF", "def"}, {"VORNEEXC", "c"},   {"VORNEEXH", "h"},   {"VORNECPP", "cc"},
    {"VORNEROD", "rod"}, {"VORNEDDT", "ddt"}, {"VORNEMDT", "mdt"}, {"VORNEEXI", "i"},
};
static_assert(std::size(kLogicalExtensions) == 16);

Environment& environmentState() {
    static Environment e;
    static const bool installed = (config::install(e), true);
    (void)installed;
    return e;
}

// A regular file the process may read, examined without opening it: a FIFO
// in its place never blocks the run.
bool readable(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), R_OK) == 0;
}

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

std::string logicalExtension(int kind) {
    if (kind < 0 || kind >= static_cast<int>(std::size(kLogicalExtensions)))
        return std::to_string(kind);
    const auto& entry = kLogicalExtensions[kind];
    if (const char* value = std::getenv(entry.variable)) return value;
    return entry.defaultExtension;
}

void setUpEnvironment() {
    auto& e = environmentState();
    const char* target = std::getenv("HRUTGT");
    if (!target) target = std::getenv("HRLTGT");
    e.targetDirectory = target ? target : "";
    e.targetHeaderText.clear();
    e.targetHeaderFound = false;
    for (const char* header : {"TP.h", "quarnel.h"}) {
        if (e.targetDirectory.empty()) break;
        const std::string path = e.targetDirectory + "/lib/" + header;
        if (!readable(path)) continue;
        e.targetHeaderText = quoted(settings().noPath ? std::string(header) : path);
        e.targetHeaderFound = true;
        break;
    }
    if (e.targetHeaderText.empty()) {
        diag::warning("BADRUNTIM");
        e.targetHeaderText = quoted("TP.h");
    }
    e.segmentConfigPath =
        (e.targetDirectory.empty() ? std::string("/usr/vorne") : e.targetDirectory) +
        "/vorne.segment.cnf";
    if (const char* header = std::getenv("VORNECPPINC"); header && *header) {
        e.targetHeaderText = quoted(header);
        e.targetHeaderFound = true;
    }
}

const Environment& environment() { return environmentState(); }

std::string getLogicalName(const char* variable, std::string_view defaultValue) {
    if (const char* value = std::getenv(variable)) return value;
    diag::warning("NOLOGIDEF", variable);
    return std::string(defaultValue);
}

bool isDirectory(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return true;
    diag::warning("INCLTYPER", path);
    return false;
}

std::string temporaryName(std::string_view suffix) {
    char stem[] = "/tmp/voXXXXXX";
    const int fd = ::mkstemp(stem);
    if (fd >= 0) {
        ::close(fd);
        ::unlink(stem);
    }
    return std::string(stem) + std::string(suffix);
}

int randomNumber() {
    static const bool seeded = (std::srand(static_cast<unsigned>(std::time(nullptr))), true);
    (void)seeded;
    return std::rand();
}

}  // namespace driver
