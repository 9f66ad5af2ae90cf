// File names derived from the command line, the date string and base names.
#include "driver/driver.h"
#include "driver/environment.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The names derived from the two paths; adjust sets options first.
driver::Settings derived(const std::string& script, const std::string& generated,
                         const std::string& rioDirectory = {},
                         void (*adjust)(driver::Settings&) = nullptr) {
    driver::Settings s;
    s.scriptPath = script;
    s.generatedPath = generated;
    s.rioDirectory = rioDirectory;
    if (adjust) adjust(s);
    driver::deriveFileNames(s);
    return s;
}

TEST(FileNames, DerivedFromScriptAndGeneratedPaths) {
    testsupport::ScratchDirectory scratch;
    const std::string cwd = scratch.path().string();
    const auto s = derived("scripts/t1.ptu", "out/g1.cc");
    EXPECT_EQ(s.scriptPath, "scripts/t1.ptu");
    EXPECT_EQ(s.listingPath, "scripts/t1.lis");
    EXPECT_EQ(s.generatedPath, cwd + "/out/g1.cc");
    EXPECT_EQ(s.companionPath, cwd + "/out/g1.icc");
    EXPECT_EQ(s.recordPath, cwd + "/out/g1.tdc");
    EXPECT_EQ(s.rioPath, cwd + "/out/g1.rio");
    EXPECT_EQ(s.segmentPath, cwd + "/out/g1.seg");
    EXPECT_EQ(s.generatedBase, "g1");
}

TEST(FileNames, DefaultExtensionsAndOtherExtensions) {
    testsupport::ScratchDirectory scratch;
    const std::string cwd = scratch.path().string();
    auto s = derived("t1", "./g1");
    EXPECT_EQ(s.scriptPath, "t1.ptu");
    EXPECT_EQ(s.generatedPath, cwd + "/g1.cc");
    s = derived("a.b.ptu", "/abs/g.C");
    EXPECT_EQ(s.listingPath, "a.b.lis");
    EXPECT_EQ(s.companionPath, "/abs/g.iC");
}

TEST(FileNames, RioDirectoryAndName) {
    testsupport::ScratchDirectory scratch;
    auto s = derived("t.ptu", "/o/g.cc", "results");
    EXPECT_EQ(s.rioPath, "results/g.rio");
    s = derived("t.ptu", "/o/g.cc", "results/");
    EXPECT_EQ(s.rioPath, "results/g.rio");
    s = derived("t.ptu", "/o/g.cc", {}, [](driver::Settings& o) { o.rioName = "r.txt"; });
    EXPECT_EQ(s.rioPath, "/o/r.txt");
}

TEST(FileNames, CompanionWithoutDirectoryUnderSyscomp) {
    const auto s = derived("t.ptu", "/o/g.cc", {}, [](driver::Settings& o) { o.syscompGiven = true; });
    EXPECT_EQ(s.companionPath, "g.icc");
}

TEST(FileNames, TraceFile) {
    const auto s = derived("t.ptu", "/o/g.cc", {}, [](driver::Settings& o) {
        o.tsfGiven = true;
        o.tsfPath = "tr/trace";
    });
    EXPECT_EQ(s.tsfPath, "tr/trace.tsf");
    EXPECT_EQ(s.traceBase, "trace");
    EXPECT_EQ(s.traceDirectory, "tr/");
}

TEST(FileNames, LogicalExtensionsFollowTheEnvironment) {
    ::setenv("VORNELIS", "log", 1);
    const auto s = derived("t.ptu", "/o/g.cc");
    ::unsetenv("VORNELIS");
    EXPECT_EQ(s.listingPath, "t.log");
    EXPECT_EQ(driver::logicalExtension(driver::kLisFile), "lis");
    EXPECT_EQ(driver::logicalExtension(driver::kExiFile), "i");
    EXPECT_EQ(driver::logicalExtension(16), "16");
}

TEST(BaseNames, UpToFirstDotAndVersionSuffix) {
    EXPECT_EQ(driver::baseNameUpToFirstDot("dir.x/test01a.ptu"), "test01a");
    EXPECT_EQ(driver::baseNameUpToFirstDot("unit12x.c"), "unit12x");
    EXPECT_EQ(driver::versionSuffix("unit12x"), "12x");
    EXPECT_EQ(driver::versionSuffix("abc"), "");
    EXPECT_EQ(driver::versionSuffix("ab1x"), "");
    EXPECT_EQ(driver::versionSuffix("a123"), "123");
    EXPECT_EQ(driver::versionSuffix(""), "");
}

TEST(DateString, CtimeLayoutAndSourceDateEpoch) {
    ::setenv("SOURCE_DATE_EPOCH", "0", 1);
    EXPECT_EQ(driver::makeDateString(), "Thu Jan  1 00:00:00 1970");
    ::setenv("SOURCE_DATE_EPOCH", "1000000000", 1);
    EXPECT_EQ(driver::makeDateString(), "Sun Sep  9 01:46:40 2001");
    ::setenv("SOURCE_DATE_EPOCH", "12x", 1);  // not a number: the clock is used
    EXPECT_EQ(driver::makeDateString().size(), 24u);
    ::setenv("SOURCE_DATE_EPOCH", "0", 1);
}

}  // namespace
