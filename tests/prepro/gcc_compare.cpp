// The token stream of vorne-cpp's output equals that of "gcc -E -P" on the
// corpus and on real headers of Debian packages, given the same include
// directories and gcc's own predefined macros ("gcc -dM -E").
//
// gcc's built-in probes (__has_attribute, __has_builtin, ...) answer 0 in the
// analyser; gcc is made to answer 0 too by probes.h, included first on both
// sides. With that single difference removed the outputs agree token for
// token, so any difference left without it lies in those branches.
//
// Needs gcc and g++; the real headers come from libc6-dev, libstdc++-12-dev, zlib1g-dev,
// libsqlite3-dev and libgtk-3-dev (pkg-config for its flags). A case whose
// header is missing is skipped with the package it needs.
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <filesystem>
#include <sstream>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

std::string command(const std::string& line, int* status = nullptr) {
    FILE* pipe = ::popen(line.c_str(), "r");
    if (!pipe) return {};
    std::string out;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    const int rc = ::pclose(pipe);
    if (status) *status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    return out;
}

bool identChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$'; }

// Identifiers, numbers, string and character literals, and each other
// character on its own: blanks, line markers and pragma lines are left out.
std::vector<std::string> tokens(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        for (std::size_t i = first; i < line.size();) {
            const char c = line[i];
            std::size_t j = i + 1;
            if (c == ' ' || c == '\t' || c == '\r') {
                ++i;
                continue;
            }
            if (identChar(c) || (c == '.' && j < line.size() && std::isdigit(static_cast<unsigned char>(line[j])))) {
                while (j < line.size() && (identChar(line[j]) || line[j] == '.' ||
                                           ((line[j] == '+' || line[j] == '-') && std::isdigit(static_cast<unsigned char>(c)) &&
                                            std::strchr("eEpP", line[j - 1]))))
                    ++j;
                if (j < line.size() && (line[j] == '"' || line[j] == '\'')) {
                    i = j;  // a prefixed literal
                    continue;
                }
            } else if (c == '"' || c == '\'') {
                while (j < line.size() && line[j] != c) j += line[j] == '\\' ? 2 : 1;
                j = std::min(j + 1, line.size());
            }
            result.emplace_back(line.substr(i, j - i));
            i = j;
        }
    }
    return result;
}

struct Gcc {
    bool available = false;
    std::vector<std::string> systemDirectories;
    fs::path predefined;
};

// gcc for C, or g++ for C++ (its own search list and predefined macros).
Gcc probeCompiler(const std::string& driver, const std::string& language) {
        Gcc result;
        int status = -1;
        const std::string search =
            command(driver + " -E -Wp,-v -x " + language + " /dev/null 2>&1 >/dev/null", &status);
        if (status != 0) return result;
        std::istringstream in(search);
        std::string line;
        bool inList = false;
        while (std::getline(in, line)) {
            if (line.rfind("#include <...>", 0) == 0) inList = true;
            else if (line.rfind("End of search list", 0) == 0) inList = false;
            else if (inList && line.size() > 1) result.systemDirectories.push_back(line.substr(1));
        }
        result.predefined = fs::temp_directory_path() /
                            ("vorne-" + language + "-predefined-" + std::to_string(::getpid()) + ".h");
        command(driver + " -dM -E -x " + language + " /dev/null > '" + result.predefined.string() + "'",
                &status);
        result.available = status == 0;
        return result;
}

const Gcc& gcc() {
    static const Gcc g = probeCompiler("gcc", "c");
    return g;
}

const Gcc& gxx() {
    static const Gcc g = probeCompiler("g++", "c++");
    return g;
}

struct Comparison {
    std::vector<std::string> gccTokens, ourTokens;
    std::string ourMessages;
};

Comparison compare(const fs::path& source, const std::string& includeFlags, bool cxx = false) {
    const fs::path probes = fs::path(VORNE_CORPUS) / "probes.h";
    const Gcc& compiler = cxx ? gxx() : gcc();
    Comparison c;
    c.gccTokens = tokens(command(std::string(cxx ? "g++" : "gcc") + " -E -P " + includeFlags + " -include '" +
                                 probes.string() + "' '" + source.string() + "' 2>/dev/null"));
    std::string ours = "'" VORNE_CPP "' " + includeFlags;
    for (const auto& d : compiler.systemDirectories) ours += " -I '" + d + "'";
    const fs::path messages = fs::temp_directory_path() / ("vorne-gcc-messages-" + std::to_string(::getpid()));
    ours += " '" + compiler.predefined.string() + "' '" + probes.string() + "' '" + source.string() + "' 2>'" +
            messages.string() + "'";
    c.ourTokens = tokens(command(ours));
    c.ourMessages = testsupport::readFile(messages);
    fs::remove(messages);
    return c;
}

// The first difference, with the tokens around it.
std::string firstDifference(const Comparison& c) {
    std::size_t i = 0;
    while (i < c.gccTokens.size() && i < c.ourTokens.size() && c.gccTokens[i] == c.ourTokens[i]) ++i;
    const auto around = [&](const std::vector<std::string>& list) {
        std::string text;
        for (std::size_t k = i >= 8 ? i - 8 : 0; k < std::min(list.size(), i + 8); ++k) text += list[k] + " ";
        return text;
    };
    return "at token " + std::to_string(i) + "\n  gcc:  " + around(c.gccTokens) + "\n  ours: " + around(c.ourTokens);
}

void expectSameTokens(const fs::path& source, const std::string& includeFlags = {}, bool cxx = false) {
    if (!(cxx ? gxx() : gcc()).available) GTEST_SKIP() << (cxx ? "g++" : "gcc") << " is not installed";
    const Comparison c = compare(source, includeFlags, cxx);
    ASSERT_FALSE(c.gccTokens.empty()) << "gcc gave no output for " << source;
    EXPECT_EQ(c.ourMessages.find("Morvik-E"), std::string::npos) << c.ourMessages;
    EXPECT_TRUE(c.gccTokens == c.ourTokens) << firstDifference(c);
}

// A file that includes one header and uses some of it.
fs::path includer(const std::string& header, const char* use, bool cxx = false) {
    const fs::path file = fs::temp_directory_path() / ("vorne-gcc-" + std::to_string(::getpid()) + "-" +
                                                       fs::path(header).filename().string() + (cxx ? ".cc" : ".c"));
    std::ofstream(file) << "#include <" << header << ">\n" << use << "\n";
    return file;
}

bool headerInstalled(const std::string& header, bool cxx = false) {
    for (const auto& d : (cxx ? gxx() : gcc()).systemDirectories)
        if (fs::exists(fs::path(d) / header)) return true;
    return false;
}

class Corpus : public testing::TestWithParam<std::string> {};

TEST_P(Corpus, SameTokensAsGcc) { expectSameTokens(fs::path(VORNE_CORPUS) / GetParam()); }

std::vector<std::string> corpusFiles() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(VORNE_CORPUS))
        if (entry.path().extension() == ".c") names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Files, Corpus, testing::ValuesIn(corpusFiles()),
                         [](const auto& info) { return fs::path(info.param).stem().string(); });

struct RealHeader {
    const char* header;
    const char* package;
    const char* pkgConfig;  // for the include flags, or null
    const char* use;        // a line using its macros
};

void PrintTo(const RealHeader& h, std::ostream* os) { *os << h.header; }

constexpr RealHeader kRealHeaders[] = {
    {"stdio.h", "libc6-dev", nullptr, "int e = EOF, b = BUFSIZ; FILE *f = stdin;"},
    {"stdlib.h", "libc6-dev", nullptr, "int r = RAND_MAX + EXIT_FAILURE;"},
    {"string.h", "libc6-dev", nullptr, ""},
    {"stdint.h", "libc6-dev", nullptr, "uint64_t m = UINT64_MAX + INT64_C(1) + SIZE_MAX;"},
    {"limits.h", "libc6-dev", nullptr, "long v[] = { INT_MAX, LONG_MIN, ULLONG_MAX, CHAR_BIT, PATH_MAX };"},
    {"pthread.h", "libc6-dev", nullptr, "pthread_mutex_t m = PTHREAD_MUTEX_INITIALIZER;"},
    {"signal.h", "libc6-dev", nullptr, "void (*h)(int) = SIG_IGN;"},
    {"math.h", "libc6-dev", nullptr, "double d = HUGE_VAL + NAN + M_PI; int c = isnan(d);"},
    {"zlib.h", "zlib1g-dev", nullptr, "int v = ZLIB_VERNUM; int i = deflateInit(0, 1);"},
    {"sqlite3.h", "libsqlite3-dev", nullptr, "int v = SQLITE_VERSION_NUMBER;"},
    {"gtk/gtk.h", "libgtk-3-dev", "gtk+-3.0", "GType t = GTK_TYPE_WIDGET;"},
};
static_assert(std::size(kRealHeaders) == 11);

class Headers : public testing::TestWithParam<RealHeader> {};

TEST_P(Headers, SameTokensAsGcc) {
    const RealHeader& h = GetParam();
    if (!gcc().available) GTEST_SKIP() << "gcc is not installed";
    std::string flags;
    if (h.pkgConfig) {
        int status = -1;
        flags = command(std::string("pkg-config --cflags-only-I ") + h.pkgConfig + " 2>/dev/null", &status);
        if (status != 0) GTEST_SKIP() << h.header << " needs the package " << h.package << " and pkg-config";
        while (!flags.empty() && std::isspace(static_cast<unsigned char>(flags.back()))) flags.pop_back();
    } else if (!headerInstalled(h.header)) {
        GTEST_SKIP() << h.header << " needs the package " << h.package;
    }
    const fs::path file = includer(h.header, h.use);
    expectSameTokens(file, flags);
    fs::remove(file);
}

INSTANTIATE_TEST_SUITE_P(Debian, Headers, testing::ValuesIn(kRealHeaders), [](const auto& info) {
    std::string name = info.param.header;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
});

// C++ standard library headers, preprocessed as g++ does.
class CxxHeaders : public testing::TestWithParam<const char*> {};

TEST_P(CxxHeaders, SameTokensAsGxx) {
    if (!gxx().available) GTEST_SKIP() << "g++ is not installed";
    if (!headerInstalled(GetParam(), true)) GTEST_SKIP() << GetParam() << " needs the package libstdc++-12-dev";
    const fs::path file = includer(GetParam(), "", true);
    expectSameTokens(file, {}, true);
    fs::remove(file);
}

INSTANTIATE_TEST_SUITE_P(Debian, CxxHeaders, testing::Values("vector", "string", "map", "memory", "functional"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
