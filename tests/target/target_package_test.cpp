// The bundled target package: its stand-in headers are valid C++17 on their
// own, name the same types as the real library, and read without a word
// through the analyser's preprocessor together with the system headers they
// meet, with which they agree;
// its standard-definitions file searches where the system's compiler does,
// with its predefined values.
//
// Needs g++, nm and the headers of libc6-dev, libstdc++-12-dev, zlib1g-dev
// and libsqlite3-dev.
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

const fs::path kStandIns = fs::path(VORNE_SOURCE_DIR) / "target" / "ana";
const fs::path kDefinitions = kStandIns / "hrus_c.def";
const std::string kStandInFlags = "-std=c++17 -nostdinc -nostdinc++ -I '" + kStandIns.string() + "'";

struct Result {
    int status = -1;
    std::string out;  // standard output and standard error
};

Result run(const std::string& line) {
    Result result;
    FILE* pipe = ::popen(("{ " + line + "; } 2>&1").c_str(), "r");
    if (!pipe) return result;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.out.append(buffer, n);
    const int rc = ::pclose(pipe);
    result.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    return result;
}

// The headers a unit includes: every file of the directory but the
// standard-definitions file and the shared pieces the headers include.
std::vector<std::string> standInHeaders() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kStandIns)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("hrus_", 0) != 0) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// What the preprocessor gives for a text including each header, the
// standard definitions read first.
Result preprocess(const fs::path& directory, const std::vector<std::string>& headers) {
    std::string text;
    for (const auto& header : headers) text += "#include <" + header + ">\n";
    std::ofstream(directory / "definitions.c") << "#include \"" << kDefinitions.string() << "\"\n";
    std::ofstream(directory / "unit.c") << text;
    return run("cd '" + directory.string() + "' && '" VORNE_CPP "' definitions.c unit.c 2>&1 >unit.i");
}

TEST(StandIns, EachIsValidCxx17OnItsOwnAndAllTogether) {
    testsupport::ScratchDirectory scratch;
    std::string sources, all;
    for (const auto& header : standInHeaders()) {
        const std::string name = "one_" + std::to_string(sources.size()) + ".cpp";
        std::ofstream(scratch.path() / name) << "#include <" << header << ">\n";
        sources += " " + name;
        all += "#include <" + header + ">\n";
    }
    std::ofstream(scratch.path() / "all.cpp") << all;
    const Result result = run("g++ -fsyntax-only -Wall -Wextra -Werror " + kStandInFlags + sources + " all.cpp");
    EXPECT_EQ(result.status, 0) << result.out;
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

const std::pair<std::string, std::string> kSameTypes[] = {
    {"std::__cxx11::", "std::"},
    {"std::chrono::_V2::", "std::chrono::"},
    {"std::__exception_ptr::", "std::"},
    {"std::basic_string<char, std::char_traits<char>, std::allocator<char> >", "std::string"},
    {"std::string >", "std::string>"},
};

// The harness is compiled against the real library while the analyser reads
// the stand-ins: where a unit can name a type, both must be the same type.
// Inline namespaces and the library's own abbreviation of std::string are
// spellings of the same types.
TEST(StandIns, NameTheTypesOfTheRealLibrary) {
    testsupport::ScratchDirectory scratch;
    const std::string probes = (fs::path(VORNE_TARGET_TESTS) / "type_probes.cpp").string();
    const auto typesOf = [&](const std::string& flags, const std::string& object) {
        const Result built = run("g++ -c " + flags + " '" + probes + "' -o " + object);
        EXPECT_EQ(built.status, 0) << built.out;
        std::string listing = run("nm -C " + object + " | sed -n 's/^[0-9a-f]* T //p' | sort").out;
        for (const auto& [from, to] : kSameTypes) replaceAll(listing, from, to);
        return listing;
    };
    const std::string real = typesOf("-std=c++17", "real.o");
    const std::string ours = typesOf(kStandInFlags, "ours.o");
    EXPECT_GT(std::count(real.begin(), real.end(), '\n'), 140);
    EXPECT_EQ(ours, real);
}

// The stand-ins come first in the search, the system's directories after
// them. The preprocessor reads every stand-in and the system headers they
// meet without a word, and the declarations it then hands on together
// (stand-ins, C library, POSIX and third-party headers, which include
// stand-ins in turn) agree with one another, which g++ checks on its output.
TEST(StandIns, ReadWithoutAWordAndAgreeWithTheSystemHeadersTheyMeet) {
    testsupport::ScratchDirectory scratch;
    std::vector<std::string> headers = standInHeaders();
    for (const char* system : {"pthread.h", "unistd.h", "sys/types.h", "sys/stat.h", "signal.h", "fcntl.h",
                               "setjmp.h", "wchar.h", "float.h", "sched.h", "dirent.h", "zlib.h", "sqlite3.h"})
        headers.push_back(system);
    const Result result = preprocess(scratch.path(), headers);
    ASSERT_EQ(result.status, 0) << result.out;
    const Result syntax = run("cd '" + scratch.path().string() +
                              "' && grep -v '^#line' unit.i | g++ -std=c++17 -fsyntax-only -x c++ -");
    EXPECT_EQ(syntax.status, 0) << syntax.out;
}

// "gcc -xc -E -v": the directories of its "#include <...>" search.
std::vector<std::string> compilerDirectories() {
    std::istringstream in(run("gcc -xc -E -v /dev/null -o /dev/null").out);
    std::vector<std::string> directories;
    bool inList = false;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("#include <...>", 0) == 0) inList = true;
        else if (line.rfind("End of search list", 0) == 0) inList = false;
        else if (inList && line.size() > 1) directories.push_back(line.substr(1));
    }
    return directories;
}

TEST(StandardDefinitions, SearchWhereTheSystemCompilerDoesInItsOrder) {
    std::vector<std::string> listed;
    const std::regex quoted("\"([^\"]*)\"");
    std::istringstream in(testsupport::readFile(kDefinitions));
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("#pragma vorne incl_std", 0) != 0) continue;
        for (std::sregex_iterator it(line.begin(), line.end(), quoted), end; it != end; ++it)
            listed.push_back((*it)[1]);
    }
    EXPECT_EQ(listed, compilerDirectories()) << "the incl_std lines of " << kDefinitions;
}

// Each predefined macro of the file that gcc also predefines has gcc's value.
TEST(StandardDefinitions, PredefineTheValuesOfTheSystemCompiler) {
    std::map<std::string, std::string> gcc;
    std::istringstream predefined(run("gcc -dM -E -xc /dev/null").out);
    const std::regex define(R"(#define (\w+) (.*))");
    std::smatch m;
    for (std::string line; std::getline(predefined, line);)
        if (std::regex_match(line, m, define)) gcc[m[1]] = m[2];
    std::istringstream ours(testsupport::readFile(kDefinitions));
    int compared = 0;
    for (std::string line; std::getline(ours, line);) {
        if (!std::regex_match(line, m, define) || !gcc.count(m[1])) continue;
        EXPECT_EQ(m[2].str(), gcc[m[1]]) << m[1];
        ++compared;
    }
    EXPECT_GT(compared, 80);
}

}  // namespace
