// The file stack: lines of a script as the reader sees them, nesting of
// included scripts, the include search, the file manager and the version scan.
#include "script/filestack.h"
#include "script_fixture.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using scripttest::ScriptTest;

class FileStack : public ScriptTest {
protected:
    // Every line of the script with the line number it carries.
    std::vector<std::pair<std::string, int>> readAll(const std::string& content) {
        scratch_.write("s.ptu", content);
        EXPECT_TRUE(script::openScriptFile("s.ptu"));
        std::vector<std::pair<std::string, int>> out;
        for (std::string line; script::readScriptLine(line);) out.emplace_back(line, diag::currentLine());
        return out;
    }
};

using Lines = std::vector<std::pair<std::string, int>>;

TEST_F(FileStack, LineEndsAndLastLineWithoutNewline) {
    EXPECT_EQ(readAll("a\r\nb\n\r\n\nc"), (Lines{{"a", 1}, {"b", 2}, {"", 3}, {"", 4}, {"c", 5}}));
    script::detail::resetFileStackForTesting();
    EXPECT_EQ(readAll(""), Lines{});
    script::detail::resetFileStackForTesting();
    EXPECT_EQ(readAll(std::string("x\0y\n", 4)), (Lines{{std::string("x\0y", 3), 1}}));
}

// A physical line longer than the limit comes in pieces that keep its number;
// a line of exactly the limit is one line, even with its carriage return.
TEST_F(FileStack, LongLinesComeInPiecesOfOneLine) {
    const std::string limit(script::kLineLimit, 'a');
    const auto pieces = readAll(std::string(20000, 'x') + "\nnext\n" + limit + "\r\n" + limit + "\nend");
    ASSERT_EQ(pieces.size(), 7u);
    EXPECT_EQ(pieces[0], std::make_pair(std::string(8191, 'x'), 1));
    EXPECT_EQ(pieces[1], std::make_pair(std::string(8191, 'x'), 1));
    EXPECT_EQ(pieces[2], std::make_pair(std::string(20000 - 2 * 8191, 'x'), 1));
    EXPECT_EQ(pieces[3], std::make_pair(std::string("next"), 2));
    EXPECT_EQ(pieces[4], std::make_pair(limit, 3));
    EXPECT_EQ(pieces[5], std::make_pair(limit, 4));
    EXPECT_EQ(pieces[6], std::make_pair(std::string("end"), 5));
}

// Included scripts get the next file numbers and their E11 records; popping
// returns to the including file with its line and the line saved to resume.
TEST_F(FileStack, NestingNumbersAndResumes) {
    openOutputs();
    scratch_.write("main.ptu", "1\n2\n3\n");
    scratch_.write("b.ptu", "b1\n");
    scratch_.write("c.ptu", "c1\n");
    std::string line;
    ASSERT_TRUE(script::openScriptFile("main.ptu"));
    script::readScriptLine(line);
    script::readScriptLine(line);
    script::saveResumeLine("3 kept");
    ASSERT_TRUE(script::openScriptFile("b.ptu"));
    EXPECT_EQ(script::currentFileNumber(), 1);
    EXPECT_EQ(diag::currentFile(), "b.ptu");
    ASSERT_TRUE(script::openScriptFile("c.ptu"));
    EXPECT_EQ(script::scriptDepth(), 3u);
    EXPECT_EQ(script::popScriptFile(), std::nullopt);
    EXPECT_EQ(script::currentScriptName(), "b.ptu");
    EXPECT_EQ(script::popScriptFile(), "3 kept");
    EXPECT_EQ(diag::currentFile(), "main.ptu");
    EXPECT_EQ(diag::currentLine(), 2);
    EXPECT_FALSE(script::inIncludedFile());
    EXPECT_EQ(script::popScriptFile(), std::nullopt);
    const auto written = records();
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0], "E11 1 " + (scratch_.path() / "b.ptu").string());
    EXPECT_EQ(written[1], "E11 2 " + (scratch_.path() / "c.ptu").string());
}

// A script being read is refused under its own name and under any other.
TEST_F(FileStack, FileAlreadyOpenIsRefused) {
    scratch_.write("a.ptu", "x\n");
    std::filesystem::create_directory(scratch_.path() / "sub");
    std::filesystem::create_symlink("../a.ptu", scratch_.path() / "sub" / "link.ptu");
    ASSERT_TRUE(script::openScriptFile("a.ptu"));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(script::openScriptFile("a.ptu"));
    EXPECT_FALSE(script::openScriptFile("./a.ptu"));
    EXPECT_FALSE(script::openScriptFile("sub/link.ptu"));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, "Morvik-E-LIGNTRAIT,  [a.ptu:-1] Include line not processed: a.ptu\n"
                   "Morvik-E-LIGNTRAIT,  [a.ptu:-1] Include line not processed: ./a.ptu\n"
                   "Morvik-E-LIGNTRAIT,  [a.ptu:-1] Include line not processed: sub/link.ptu\n");
    EXPECT_EQ(diag::errorCount(), 3u);
    EXPECT_EQ(script::scriptDepth(), 1u);
}

TEST_F(FileStack, UnreadableFiles) {
    std::filesystem::create_directory(scratch_.path() / "dir.ptu");
    EXPECT_EXIT(script::openScriptFile("missing.ptu"), testing::ExitedWithCode(7),
                "Morvik-F-IMPOUVFIC,  \\[missing.ptu:0\\] Cannot open the file missing.ptu");
    scratch_.write("a.ptu", "x\n");
    ASSERT_TRUE(script::openScriptFile("a.ptu"));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(script::openScriptFile("dir.ptu"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Morvik-E-FICINCINC,  [a.ptu:-1] The file dir.ptu cannot be found\n");
    EXPECT_EQ(script::scriptDepth(), 1u);
}

// A script or a -SOURCE file beyond the input limit is refused unread: fatal
// for the main script and the source, an error for an include.
TEST_F(FileStack, OversizedAndSpecialFiles) {
    for (const char* name : {"huge.ptu", "huge.c"}) {
        const int fd = ::open(name, O_WRONLY | O_CREAT, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(diag::kInputLimit) + 1), 0);
        ::close(fd);
    }
    ASSERT_EQ(::mkfifo("fifo.ptu", 0600), 0);
    EXPECT_EXIT(script::openScriptFile("huge.ptu"), testing::ExitedWithCode(7),
                "Morvik-F-FICTROGROS,  \\[huge.ptu:0\\] The file huge.ptu is larger than 1 GB");
    EXPECT_EXIT(script::openScriptFile("fifo.ptu"), testing::ExitedWithCode(7),
                "Morvik-F-IMPOUVFIC,  \\[fifo.ptu:0\\] Cannot open the file fifo.ptu");
    EXPECT_EXIT(script::fileManager(script::A_OUVRIR, script::F_SOURCE, "huge.c"), testing::ExitedWithCode(7),
                "FICTROGROS,  \\[huge.c:0\\] The file huge.c is larger than 1 GB");
    scratch_.write("a.ptu", "x\n");
    ASSERT_TRUE(script::openScriptFile("a.ptu"));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(script::openScriptFile("huge.ptu"));
    EXPECT_FALSE(script::openScriptFile("fifo.ptu"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Morvik-E-FICTROGROS,  [a.ptu:-1] The file huge.ptu is larger than 1 GB\n"
              "Morvik-E-FICINCINC,  [a.ptu:-1] The file fifo.ptu cannot be found\n");
    EXPECT_EQ(script::scriptDepth(), 1u);
}

TEST_F(FileStack, IncludeSearchOrder) {
    scratch_.write("one/x.ptu", "");
    scratch_.write("two/x.ptu", "");
    scratch_.write("two/y.ptu", "");
    scratch_.write("y.ptu", "");
    driver::settings().includeDirectories = {(scratch_.path() / "none").string(),
                                             (scratch_.path() / "one").string(),
                                             (scratch_.path() / "two").string()};
    EXPECT_EQ(script::findIncludeFile("y.ptu"), "y.ptu");
    EXPECT_EQ(script::findIncludeFile("x.ptu"), (scratch_.path() / "one" / "x.ptu").string());
    EXPECT_EQ(script::findIncludeFile("z.ptu"), "");
    EXPECT_EQ(script::findIncludeFile(""), "");
}

TEST_F(FileStack, FileManagerRefusals) {
    using namespace script;
    EXPECT_EXIT(fileManager(A_OUVRIR_ECR, F_INC, "x"), testing::ExitedWithCode(9),
                "ERRINTFCT,  Internal error in the function MAJ_FIC / ouvert. en ecr. interdite sur inc");
    EXPECT_EXIT(fileManager(A_OUVRIR_ECR, F_SOURCE, "x"), testing::ExitedWithCode(9),
                "MAJ_FIC / ouvert. en ecr. interdite sur source");
    EXPECT_EXIT(fileManager(A_FERMER_DEL, F_INC, "x"), testing::ExitedWithCode(9),
                "MAJ_FIC / fermeture \\+ delete interdite sur inc");
    EXPECT_EXIT(fileManager(A_FERMER_DEL, F_SOURCE, "x"), testing::ExitedWithCode(9),
                "MAJ_FIC / fermeture \\+ delete interdite sur source");
    EXPECT_EXIT(fileManager(A_OUVRIR, F_PTU, "x"), testing::ExitedWithCode(9),
                "MAJ_FIC / F_PTU : type enum fic inconnu, ou operation interdite ");
    EXPECT_EXIT(fileManager(A_RESETER, 7, "x"), testing::ExitedWithCode(9),
                "MAJ_FIC / 7 : type enum fic inconnu, ou operation interdite ");
    EXPECT_EXIT(fileManager(9, F_INC, "x"), testing::ExitedWithCode(9),
                "MAJ_FIC / 9 : action demandee inconnue");
    EXPECT_EXIT(fileManager(A_OUVRIR, F_SOURCE, "missing.c"), testing::ExitedWithCode(7),
                "IMPOUVFIC,  \\[missing.c:0\\] Cannot open the file missing.c");
    EXPECT_EXIT(fileManager(A_RESETER, F_SOURCE, "never.c"), testing::ExitedWithCode(7),
                "IMPRESFIC");
    EXPECT_EXIT(fileManager(A_RESETER, F_PTU, "a.ptu"), testing::ExitedWithCode(7), "IMPRESFIC");
    EXPECT_FALSE(fileManager(A_OUVRIR, F_INC, "missing.h"));
}

TEST_F(FileStack, FileManagerReadsAndRewinds) {
    using namespace script;
    scratch_.write("u.c", "one\r\ntwo\n");
    scratch_.write("s.ptu", "HEADER x\n  #int a;\n@b\n#c\n");
    ASSERT_TRUE(fileManager(A_OUVRIR, F_INC, "u.c"));
    std::string line;
    ASSERT_TRUE(fileManagerReadLine(F_INC, line));
    EXPECT_EQ(line, "one");
    ASSERT_TRUE(fileManager(A_RESETER, F_INC, "u.c"));
    EXPECT_EQ(diag::currentLine(), -1);
    ASSERT_TRUE(fileManagerReadLine(F_INC, line));
    EXPECT_EQ(line, "one");
    EXPECT_EQ(diag::currentLine(), 1);
    EXPECT_TRUE(fileManager(A_FERMER_SAUV, F_INC, {}));
    EXPECT_FALSE(fileManagerReadLine(F_INC, line));

    ASSERT_TRUE(openScriptFile("s.ptu"));
    ASSERT_TRUE(fileManagerReadLine(F_PTU, line));
    EXPECT_EQ(line, "int a;");
    ASSERT_TRUE(fileManagerReadLine(F_PTU, line));
    EXPECT_EQ(line, "c");
    EXPECT_FALSE(fileManagerReadLine(F_PTU, line));
    ASSERT_TRUE(fileManager(A_RESETER, F_PTU, "s.ptu"));
    ASSERT_TRUE(readScriptLine(line));
    EXPECT_EQ(line, "HEADER x");
}

// The marker is found in any letter case; the version is the quoted text
// after it, whatever quoted text stands before; later version lines warn.
TEST_F(FileStack, VersionOfTheSource) {
    using namespace script;
    scratch_.write("unit12x.c", "/* \"not this\" VERSION 'B12' */\nint x;\nconst char* v = \"version: \\\"x\\\"\";\n");
    ASSERT_TRUE(fileManager(A_OUVRIR, F_SOURCE, "unit12x.c"));
    std::string version;
    testing::internal::CaptureStderr();
    processIncludesAndVersion("unit12x.c", F_SOURCE, "version", version, 6);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Morvik-W-NUVER_DBL,  [unit12x.c:3] Version number already found: B12\n");
    EXPECT_EQ(version, "B12");

    std::string none;
    processIncludesAndVersion("unit12x.c", F_PTU, "version", none, 6);
    processIncludesAndVersion("unit12x.c", F_SOURCE, "", none, 6);
    EXPECT_EQ(none, "");
}

TEST_F(FileStack, VersionWithoutClosingQuoteRunsToTheEnd) {
    using namespace script;
    scratch_.write("v.c", "// Rev \"a1 b2\n// rev\n");
    ASSERT_TRUE(fileManager(A_OUVRIR, F_SOURCE, "v.c"));
    std::string version;
    testing::internal::CaptureStderr();
    processIncludesAndVersion("v.c", F_SOURCE, "REV", version, 6);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(version, "A1 B2");
}

}  // namespace
