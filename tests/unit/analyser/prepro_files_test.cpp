// Including files: the search list and its growth, "#include_next", the
// include guards and the list of included files.
#include "prepro_fixture.h"
#include "test_support.h"

#include "diag/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using preprotest::Prepro;
using preprotest::captured;
using testsupport::ScratchDirectory;

class Files : public Prepro {
protected:
    ScratchDirectory dir;
};

TEST_F(Files, TargetLibraryDirectoryAndSystemDirectories) {
    dir.write("target1/lib/tp.h", "from_hrutgt\n");
    dir.write("target2/lib/tp.h", "from_hrltgt\n");
    ::setenv("HRLTGT", (dir.path() / "target2").c_str(), 1);
    init({}, {});
    EXPECT_EQ(run("#include <tp.h>\n"), "from_hrltgt");
    ::setenv("HRUTGT", (dir.path() / "target1").c_str(), 1);
    init({}, {});
    EXPECT_EQ(run("#include <tp.h>\n"), "from_hrutgt");
    ::unsetenv("HRUTGT");
    ::unsetenv("HRLTGT");
}

TEST_F(Files, SystemDirectoriesOnlyOnRequest) {
    init({}, {});
    run("#if __has_include(<stdio.h>)\nfound\n#endif\n");
    EXPECT_TRUE(captured().empty());
    EXPECT_EQ(run("#if __has_include(<stddef.h>)\nfound\n#endif\n"), "");
    if (::access("/usr/include/stdio.h", R_OK) != 0) GTEST_SKIP() << "no /usr/include/stdio.h";
    ::setenv("HRW_ADD_USR_INCLUDE", "", 1);
    init({}, {});
    EXPECT_EQ(run("#if __has_include(<stdio.h>)\nfound\n#endif\n"), "found");
    ::unsetenv("HRW_ADD_USR_INCLUDE");
}

// Only regular files are included, never beyond the input limit; a FIFO
// without a writer is not waited for.
TEST_F(Files, SpecialAndOversizedHeadersAreRefused) {
    ASSERT_EQ(::mkfifo("fifo.h", 0600), 0);
    const int fd = ::open("huge.h", O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(diag::kInputLimit) + 1), 0);
    ::close(fd);
    EXPECT_EQ(run("#include \"fifo.h\"\n#include \"/dev/zero\"\n#include \"huge.h\"\nafter\n"), "after");
    ASSERT_EQ(captured().size(), 3u);
    EXPECT_EQ(captured()[0].code, "IMPOUVFIC");
    EXPECT_EQ(captured()[1].code, "IMPOUVFIC");
    EXPECT_EQ(captured()[2].code, "FICTROGROS");
    EXPECT_EQ(captured()[2].parameter, "huge.h");
}

TEST_F(Files, CommandLineDirectoriesInTheirOrder) {
    dir.write("one/h.h", "one\n");
    dir.write("two/h.h", "two\n");
    dir.write("two/only.h", "only_two\n");
    init({"one", "two"}, {});
    EXPECT_EQ(run("#include <h.h>\n#include \"only.h\"\n"), "one only_two");
}

TEST_F(Files, TheDirectoryOfAnIncludingFileStaysInTheList) {
    dir.write("a/user.h", "#include \"common.h\"\n");
    dir.write("a/common.h", "common\n");
    dir.write("b/later.h", "#include \"common.h\"\n");
    EXPECT_EQ(run("#include \"a/user.h\"\n#include \"b/later.h\"\n"), "common common");
    EXPECT_TRUE(captured().empty());
}

TEST_F(Files, IncludeNextStartsAfterTheDirectoryOfTheCurrentFile) {
    dir.write("x/n.h", "x\n#include_next <n.h>\n");
    dir.write("y/n.h", "y\n#if __has_include_next(<n.h>)\n#include_next <n.h>\n#endif\n");
    dir.write("z/n.h", "z\n#if !__has_include_next(<n.h>)\nlast\n#endif\n");
    init({"x", "y", "z"}, {});
    EXPECT_EQ(run("#include <n.h>\n"), "x y z last");
    EXPECT_EQ(run("#include \"x/n.h\"\n"), "x x y z last");
}

TEST_F(Files, GuardedFilesAreReadOnceButRecordedAndUnguardedOnesAgain) {
    dir.write("g.h", "#ifndef G\n#define G\nguarded\n#endif\n");
    dir.write("h.h", "#if !defined(H)\n#define H\nbang\n#endif\n");
    dir.write("e.h", "#ifndef E\n#define E\nfirst\n#else\nagain\n#endif\n");
    dir.write("u.h", "unguarded\n");
    EXPECT_EQ(run("#include \"g.h\"\n#include \"g.h\"\n#include \"h.h\"\n#include \"h.h\"\n"
                  "#include \"e.h\"\n#include \"e.h\"\n#include \"u.h\"\n#include \"u.h\"\n"
                  "#undef G\n#include \"g.h\"\n"),
              "guarded bang first again unguarded unguarded guarded");
    EXPECT_EQ(analyser::includedFiles(), (std::vector<std::string>{"g.h", "h.h", "e.h", "u.h"}));
}

TEST_F(Files, MarkersEnterAndLeaveIncludedFiles) {
    dir.write("inc.h", "\ninside\n");
    const std::string output = raw("before\n#include \"inc.h\"\nafter\n", "main.c", 1);
    EXPECT_EQ(output,
              "#line 1 \"main.c\"\nbefore\n#line 2 \"inc.h\"\ninside\n#line 3 \"main.c\"\nafter\n");
}

TEST_F(Files, InclStdPragmaAppendsDirectories) {
    dir.write("std1/s1.h", "s1\n");
    dir.write("std2/s2.h", "s2\n");
    EXPECT_EQ(run("#pragma vorne incl_std \"std1\", std2\n#include <s1.h>\n#include <s2.h>\n"), "s1 s2");
}

TEST_F(Files, StandardDefinitionsOfTheTargetPackage) {
    const std::string def = std::string(VORNE_SOURCE_DIR) + "/target/ana/hrus_c.def";
    std::string output;
    analyser::CPP_prepro_text("#include \"" + def + "\"\n", false, "", 1, output);
    EXPECT_TRUE(captured().empty());
    const std::string unit = run(
        "#include <stdio.h>\n#include <stdlib.h>\n#include <string.h>\n#include <stdint.h>\n"
        "#include <stddef.h>\n#include <stdbool.h>\n#include <limits.h>\n"
        "#if sizeof(long) != 8 || LONG_MAX != INT64_MAX\nwrong\n#endif\n");
    for (const auto& d : captured()) ADD_FAILURE() << d.code << " " << d.parameter;
    for (const char* declaration :
         {"typedef unsigned long size_t;", "typedef struct _IO_FILE FILE;", "typedef unsigned char uint8_t;",
          "typedef unsigned short uint16_t;", "typedef unsigned int uint32_t;", "typedef unsigned long uint64_t;",
          "typedef signed char int8_t;", "typedef short int16_t;", "typedef int int32_t;",
          "typedef long int64_t;", "#pragma vorne sizeof(long) = 64"})
        EXPECT_NE((flat(output) + " " + unit).find(declaration), std::string::npos) << declaration;
    EXPECT_EQ(unit.find("wrong"), std::string::npos);
}

// With the target package: the command-line directories first, then the
// stand-ins, then the system's directories.
TEST_F(Files, CommandLineThenStandInsThenSystemDirectories) {
    if (::access("/usr/include/pthread.h", R_OK) != 0) GTEST_SKIP() << "no /usr/include/pthread.h";
    dir.write("mine/vector", "my_vector\n");
    dir.write("mine/signal.h", "my_signal\n");
    init({"mine"}, {});
    const std::string def = std::string(VORNE_SOURCE_DIR) + "/target/ana/hrus_c.def";
    std::string ignored;
    analyser::CPP_prepro_text("#include \"" + def + "\"\n", false, "", 1, ignored);
    EXPECT_EQ(run("#include <vector>\n#include <signal.h>\n"), "my_vector my_signal");
    const auto before = analyser::includedFiles().size();
    run("#include <string>\n#include <stdio.h>\n#include <pthread.h>\n");
    const std::vector<std::string> files(analyser::includedFiles().begin() + static_cast<long>(before),
                                         analyser::includedFiles().end());
    ASSERT_GE(files.size(), 3u);
    const std::string standIns = std::string(VORNE_SOURCE_DIR) + "/target/ana/";
    EXPECT_EQ(files[0], standIns + "string");
    EXPECT_NE(std::find(files.begin(), files.end(), standIns + "stdio.h"), files.end());
    EXPECT_NE(std::find(files.begin(), files.end(), "/usr/include/pthread.h"), files.end());
    EXPECT_EQ(std::find(files.begin(), files.end(), "/usr/include/stdio.h"), files.end());
    for (const auto& d : captured()) ADD_FAILURE() << d.code << " " << d.parameter;
}

}  // namespace
