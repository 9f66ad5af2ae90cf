// The reader: statements assembled from lines, native lines routed and
// collected, the listing copy, included scripts, and the fatal cases.
#include "script/filestack.h"
#include "script/reader.h"
#include "script_fixture.h"

namespace {

class Reader : public scripttest::ScriptTest {
protected:
    // Reads the script s.ptu (with the other files given) and returns the
    // messages printed.
    std::string read(const std::string& script,
                     std::initializer_list<std::pair<std::string, std::string>> others = {}) {
        scratch_.write("s.ptu", script);
        for (const auto& [name, content] : others) scratch_.write(name, content);
        openOutputs();
        diag::openMessageFile("s.lis", true);
        EXPECT_TRUE(script::openScriptFile("s.ptu"));
        testing::internal::CaptureStderr();
        script::readScript();
        diag::closeMessageFile();
        return testing::internal::GetCapturedStderr();
    }
    std::string listing() { return testsupport::readFile("s.lis"); }
};

// Lines of "#" and "!" are collected for analysis with their line numbers;
// each statement hands over what was collected before it.
TEST_F(Reader, NativeCodeIsCollectedInStepWithTheLines) {
    read("#int early;\nHEADER h\n#int a;\n\n!int b;\n@int c;\n\n#int d;\n");
    const auto pieces = script::takeCollectedNativeCode();
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].text, "int a;\n\nint b;\n\n\nint d;\n");
    EXPECT_EQ(pieces[0].fileName, "s.ptu");
    EXPECT_EQ(pieces[0].firstLine, 3);
}

TEST_F(Reader, NativeCollectionPieces) {
    script::NativeCollection collection;
    collection.appendLine("a", "x.ptu", 4);
    collection.appendLine("b", "x.ptu", 6);
    collection.appendLine("c", "y.ptu", 2);
    collection.appendLine("d", "y.ptu", 2);  // a second piece of one long line
    collection.appendText("int z;\n", "y.ptu", 3);
    collection.appendLine("e", "y.ptu", 4);
    collection.appendText("", "y.ptu", 5);
    const auto pieces = collection.take();
    ASSERT_EQ(pieces.size(), 5u);
    EXPECT_EQ(pieces[0].text, "a\n\nb\n");
    EXPECT_EQ(pieces[1].text, "c\n");
    EXPECT_EQ(pieces[2].text, "d\n");
    EXPECT_EQ(pieces[3].text, "int z;\n");
    EXPECT_EQ(pieces[4].text, "e\n");
    EXPECT_EQ(pieces[4].firstLine, 4);
    EXPECT_TRUE(collection.empty());
}

// A comment line opens an empty statement: nothing is dispatched for it.
TEST_F(Reader, CommentLinesOutsideStatements) {
    EXPECT_EQ(read("-- heading\nFOO -- trailing\n-- x\n& bar\n"),
              "Morvik-W-STXMETAIN,  [s.ptu:2] Unknown keyword: FOO bar\n");
}

// A statement of 8191 characters fits; one more is fatal.
TEST_F(Reader, StatementLimit) {
    const std::string text = "COMMENT " + std::string(8191 - 8 - 1, 'x');
    EXPECT_EQ(read("-- x\n" + text.substr(0, 4000) + "\n& " + text.substr(4000) + "\n"), "");
    scratch_.write("long.ptu", "-- x\n" + text.substr(0, 4000) + "\n& " + text.substr(4000) + "x\n");
    scripttest::resetScriptModule();
    ASSERT_TRUE(script::openScriptFile("long.ptu"));
    EXPECT_EXIT(script::readScript(), testing::ExitedWithCode(7),
                "Morvik-F-LINETOLON,  \\[long.ptu:3\\] Too long instruction \n");
}

TEST_F(Reader, NoStatementAtAll) {
    scratch_.write("s.ptu", "-- only comments\n#int x;\n\n");
    ASSERT_TRUE(script::openScriptFile("s.ptu"));
    EXPECT_EXIT(script::readScript(), testing::ExitedWithCode(7),
                "Morvik-F-AUCUNMETA,  \\[s.ptu:3\\] No keyword found \n");
}

// The included script is read completely before the line that follows the
// INCLUDE statement; positions follow the files.
TEST_F(Reader, IncludedScriptsAreReadInPlace) {
    EXPECT_EQ(read("#int a1;\nINCLUDE PTU b.ptu\n#int a3;\nFOO a4\n",
                   {{"b.ptu", "#int b1;\nINCLUDE PTU c.ptu\nFOO b3\n"}, {"c.ptu", "#int c1;\nFOO c2"}}),
              "Morvik-W-STXMETAIN,  [c.ptu:2] Unknown keyword: FOO c2\n"
              "Morvik-W-STXMETAIN,  [b.ptu:3] Unknown keyword: FOO b3\n"
              "Morvik-W-STXMETAIN,  [s.ptu:4] Unknown keyword: FOO a4\n");
    EXPECT_EQ(generated(), "int a1;\nint b1;\nint c1;\nint a3;\n");
    EXPECT_EQ(listing(), "#int a1;\nINCLUDE PTU b.ptu\n#int b1;\nINCLUDE PTU c.ptu\n#int c1;\nFOO c2\n"
                         "Morvik-W-STXMETAIN,  [c.ptu:2] Unknown keyword: FOO c2\n"
                         "FOO b3\n"
                         "Morvik-W-STXMETAIN,  [b.ptu:3] Unknown keyword: FOO b3\n"
                         "#int a3;\nFOO a4\n"
                         "Morvik-W-STXMETAIN,  [s.ptu:4] Unknown keyword: FOO a4\n");
    const auto written = records();
    ASSERT_EQ(written.size(), 4u);
    EXPECT_EQ(written[1].substr(0, 5), "E11 1");
    EXPECT_EQ(written[3].substr(0, 5), "E11 2");
}

// A statement at the end of an included file belongs to that file: it is not
// continued by the lines of the including one.
TEST_F(Reader, StatementEndsWithItsFile) {
    EXPECT_EQ(read("INCLUDE PTU b.ptu\n\n& more\n", {{"b.ptu", "FOO b1\n& b2"}}),
              "Morvik-W-STXMETAIN,  [b.ptu:1] Unknown keyword: FOO b1 b2\n"
              "Morvik-W-STXMETAIN,  [s.ptu:3] Unknown keyword: & more\n");
}

// INCLUDE PTU as the last statement of the main script and of an include.
TEST_F(Reader, IncludeAtTheEnd) {
    EXPECT_EQ(read("HEADER h, 1, 1\nINCLUDE PTU b.ptu", {{"b.ptu", "INCLUDE PTU c.ptu"}, {"c.ptu", "#c\n"}}), "");
    EXPECT_EQ(generated(), "c\n");
}

}  // namespace
