// The INCLUDE forms: include records, the search through -INCL, the lines of
// INCLUDE CODE and the refusals.
#include "script/filestack.h"
#include "script_fixture.h"

namespace {

class Include : public scripttest::ScriptTest {
protected:
    void SetUp() override {
        ScriptTest::SetUp();
        scratch_.write("main.ptu", "HEADER h\n");
        openOutputs();
        ASSERT_TRUE(script::openScriptFile("main.ptu"));
    }

    std::string dispatch(std::string_view statement) {
        testing::internal::CaptureStderr();
        script::dispatchStatement(statement, script::statementHandlers());
        return testing::internal::GetCapturedStderr();
    }

    std::string at(const std::string& name) { return (scratch_.path() / name).string(); }
    static std::string padded(std::string text, std::size_t width) {
        if (text.size() < width) text.append(width - text.size(), ' ');
        return text;
    }
};

// The name is padded to 25 characters and never cut; the line before the
// including file's name is padded to 85.
TEST_F(Include, IncludeRecords) {
    scratch_.write("abcde", "");
    const std::string thirty(30, 'n');
    scratch_.write(thirty, "");
    EXPECT_EQ(dispatch("INCLUDE CODE abcde"), "");
    EXPECT_EQ(dispatch("INCLUDE CODE " + thirty), "");
    EXPECT_EQ(dispatch("INCLUDE CODE nothere.h"),
              "Morvik-E-FICINCINC,  [main.ptu:-1] The file nothere.h cannot be found\n");
    const auto written = records();
    ASSERT_EQ(written.size(), 3u);
    const std::string first = "abcde" + std::string(20, ' ') + " / " + at("abcde");
    EXPECT_EQ(written[0], "I1 " + padded(first, 85) + " / main.ptu");
    const std::string second = thirty + " / " + at(thirty);
    EXPECT_EQ(written[1], "I2 " + padded(second, 85) + " / main.ptu");
    const std::string third = "nothere.h" + std::string(16, ' ') + " / " + std::string(34, '-');
    EXPECT_EQ(written[2], "I3 " + padded(third, 85) + " / main.ptu");
}

// A file found only in the second -INCL directory is opened from there and
// its record shows the path found.
TEST_F(Include, SearchThroughIncludeDirectories) {
    scratch_.write("two/inc.ptu", "#from two\n");
    scratch_.write("one/other.ptu", "");
    driver::settings().includeDirectories = {at("one"), at("two")};
    EXPECT_EQ(dispatch("INCLUDE PTU inc.ptu"), "");
    EXPECT_EQ(script::currentScriptName(), at("two") + "/inc.ptu");
    EXPECT_EQ(diag::currentFile(), at("two") + "/inc.ptu");
    const auto written = records();
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0].substr(0, 37), "I1 inc.ptu                   / " + at("two").substr(0, 6));
    EXPECT_NE(written[0].find(at("two") + "/inc.ptu"), std::string::npos);
    EXPECT_EQ(written[1], "E11 1 " + at("two") + "/inc.ptu");
}

TEST_F(Include, IncludeCodeWritesEveryLine) {
    scratch_.write("three.h", "int a;\r\n  int b;\n\n" + std::string(9000, 'c') + "\nint d;");
    EXPECT_EQ(dispatch("INCLUDE CODE three.h"), "");
    EXPECT_EQ(generated(), "int a;\n  int b;\n\n" + std::string(9000, 'c') + "\nint d;\n");
}

TEST_F(Include, Refusals) {
    std::filesystem::create_directory(scratch_.path() / "dir.h");
    EXPECT_EQ(dispatch("INCLUDE CODE dir.h"),
              "Morvik-E-FICINCINC,  [main.ptu:-1] The file dir.h cannot be found\n");
    EXPECT_EQ(dispatch("INCLUDE PTU missing.ptu"),
              "Morvik-E-FICINCINC,  [main.ptu:-1] The file missing.ptu cannot be found\n");
    EXPECT_EQ(dispatch("INCLUDE PTU main.ptu"),
              "Morvik-E-LIGNTRAIT,  [main.ptu:-1] Include line not processed: main.ptu\n");
    EXPECT_EQ(dispatch("INCLUDE SEGMENT s"), "Morvik-W-STXMETAIN,  [main.ptu:-1] Unknown keyword: INCLUDE SEGMENT\n");
    driver::settings().keywordLanguage = driver::kFrench;
    script::detail::resetDispatchForTesting();  // a French script from its first keyword
    EXPECT_EQ(dispatch("INCLURE SEGMENT s"), "Morvik-W-STXMETAIN,  [main.ptu:-1] Unknown keyword: INCLURE SEGMENT\n");
    EXPECT_EQ(script::scriptDepth(), 1u);
    EXPECT_EQ(diag::errorCount(), 3u);
    EXPECT_EQ(records().size(), 3u);  // no record for INCLUDE SEGMENT
}

}  // namespace
