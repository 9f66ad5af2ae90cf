// The trace description file: its records, numbers and escapes.
#include "output/output.h"
#include "script_fixture.h"

#include <cstdlib>

namespace {

class TraceDescription : public scripttest::ScriptTest {
protected:
    void SetUp() override {
        ScriptTest::SetUp();
        ::unsetenv("VORNE_SUPPRESS_LINE_IN_HEADER");
        driver::settings().commandImage = "vorneprepro s.ptu G.cc -TSF=out/T.tsf";
        driver::settings().dateString = "Thu Jan  1 00:00:00 1970";
        std::filesystem::create_directory(scratch_.path() / "out");
    }

    // The records after the header.
    std::vector<std::string> body() {
        auto all = scripttest::lines(testsupport::readFile("out/T.tsf"));
        EXPECT_GE(all.size(), 9u);
        EXPECT_EQ(all[0], "US " + std::string(72, '*'));
        EXPECT_EQ(all[8], all[0]);
        all.erase(all.begin(), all.begin() + std::min<std::size_t>(9, all.size()));
        return all;
    }
};

TEST_F(TraceDescription, OneServiceTwoTestsAndStubs) {
    output::beginTraceDescription("out/T.tsf", "dir/s.ptu");
    output::describeStub("S1", 5);
    output::describeService("SRV", 1, 7);
    output::describeTest("T1", 1, 8);
    output::describeTest("T2", 2, 12);
    output::describeStub("S2", 20);
    output::endTraceDescription(false);
    EXPECT_EQ(body(), (std::vector<std::string>{
                          "DB \"Fernwick-Tracer\"",
                          "SO \"dir/s.ptu\" 000 \"txt\"",
                          "IN \"File\" 9 \"dir/s.ptu\"",
                          "TX 4 \"Parameters OK\"",
                          "TX 5 \"Test Parameters Failed\"",
                          "SI 9",
                          "IN \"HRUB\" 3 \"Stubs\"",
                          "LK 5",
                          "SI 3",
                          "IN \"HRUB\" 11 \"S1\"",
                          "SI 11",
                          "SI 9",
                          "IN \"HRUS\" 15 \"SRV\"",
                          "LK 7",
                          "MS 14 \"SRV\"",
                          "SI 15",
                          "IN \"HRUT\" 15 \"Test T1\"",
                          "LK 8",
                          "MS 14 \"T1\"",
                          "SI 15",
                          "IN \"HRUT\" 19 \"Test T2\"",
                          "LK 12",
                          "MS 18 \"T2\"",
                          "LK 20",
                          "SI 3",
                          "IN \"HRUB\" 12 \"S2\"",
                          "SI 12",
                          "ID 1 0",
                          "ED",
                          "DB \"Fernwick-Tracer\"",
                          "SO \"out/T.xrd\" 000 \"xrd\"",
                          "IN \"File\" 9 \"T.xrd\"",
                          "LK 1",
                          "TX 6 \"Errors detected\"",
                          "LK \"Test8\"",
                          "TX 16 \"Test result\"",
                          "LK \"Test12\"",
                          "TX 20 \"Test result\"",
                          "ID 2 0",
                          "ED",
                      }));
}

TEST_F(TraceDescription, QuotesAndBackslashesAreEscaped) {
    output::beginTraceDescription("out/T.tsf", "d\\\"q\".ptu");
    output::describeService("A\"B", 2, 3);
    output::endTraceDescription(false);
    const auto records = body();
    EXPECT_EQ(records[1], "SO \"d\\\\\\\"q\\\".ptu\" 000 \"txt\"");
    EXPECT_EQ(records[2], "IN \"File\" 9 \"d\\\\\\\"q\\\".ptu\"");
    EXPECT_EQ(records[6], "IN \"HRUS\" 19 \"A\\\"B\"");
}

TEST_F(TraceDescription, ErrorsRemoveTheFile) {
    output::beginTraceDescription("out/T.tsf", "s.ptu");
    output::describeService("S", 1, 1);
    output::endTraceDescription(true);
    EXPECT_FALSE(std::filesystem::exists("out/T.tsf"));
}

// Without -TSF nothing is written and nothing fails.
TEST_F(TraceDescription, NotRequested) {
    output::describeService("S", 1, 1);
    output::describeTest("T", 1, 2);
    output::describeStub("B", 3);
    output::endTraceDescription(false);
    EXPECT_TRUE(std::filesystem::is_empty(scratch_.path() / "out"));
}

TEST_F(TraceDescription, UnwritableFileIsFatal) {
    EXPECT_EXIT(output::beginTraceDescription("missing/T.tsf", "s.ptu"), testing::ExitedWithCode(7),
                "Morvik-F-IMPOUVFIC,  Cannot open the file missing/T.tsf");
}

}  // namespace
