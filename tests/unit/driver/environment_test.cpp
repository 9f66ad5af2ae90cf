// The target package look-up and the path services.
#include "diag/diag.h"
#include "driver/environment.h"
#include "driver/settings.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class Environment : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"HRUTGT", "HRLTGT", "VORNECPPINC"}) ::unsetenv(name);
        driver::settings() = driver::Settings{};
        diag::resetForTesting();
    }
    void TearDown() override { diag::resetForTesting(); }
};

TEST_F(Environment, TargetHeaderWithAndWithoutPath) {
    testsupport::ScratchDirectory scratch;
    scratch.write("pkg/lib/TP.h", "");
    const std::string pkg = (scratch.path() / "pkg").string();
    ::setenv("HRUTGT", pkg.c_str(), 1);
    driver::setUpEnvironment();
    EXPECT_EQ(driver::environment().targetHeaderText, "\"" + pkg + "/lib/TP.h\"");
    driver::settings().noPath = true;
    driver::setUpEnvironment();
    EXPECT_EQ(driver::environment().targetHeaderText, "\"TP.h\"");
    ::setenv("VORNECPPINC", "my/run.h", 1);
    driver::setUpEnvironment();
    EXPECT_EQ(driver::environment().targetHeaderText, "\"my/run.h\"");
    EXPECT_EQ(diag::warningCount(), 0u);
    ::unsetenv("HRUTGT");
    ::unsetenv("VORNECPPINC");
}

TEST_F(Environment, FallbackHeaderAndMissingPackage) {
    testsupport::ScratchDirectory scratch;
    scratch.write("old/lib/quarnel.h", "");
    ::setenv("HRLTGT", (scratch.path() / "old").c_str(), 1);
    driver::settings().noPath = true;
    driver::setUpEnvironment();
    EXPECT_EQ(driver::environment().targetHeaderText, "\"quarnel.h\"");
    EXPECT_TRUE(driver::environment().targetHeaderFound);
    ::unsetenv("HRLTGT");
    testing::internal::CaptureStderr();
    driver::setUpEnvironment();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Morvik-W-BADRUNTIM,  Target Package not found, check HRLTGT environment variable.\n");
    EXPECT_EQ(driver::environment().targetHeaderText, "\"TP.h\"");
    EXPECT_FALSE(driver::environment().targetHeaderFound);
    EXPECT_EQ(driver::environment().segmentConfigPath, "/usr/vorne/vorne.segment.cnf");
    // A header the user names is looked for by the analyser, package or not.
    ::setenv("VORNECPPINC", "my/run.h", 1);
    testing::internal::CaptureStderr();
    driver::setUpEnvironment();
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(driver::environment().targetHeaderFound);
    ::unsetenv("VORNECPPINC");
}

TEST_F(Environment, LogicalNames) {
    ::setenv("VORNE_TEST_NAME", "value", 1);
    EXPECT_EQ(driver::getLogicalName("VORNE_TEST_NAME", "d"), "value");
    ::unsetenv("VORNE_TEST_NAME");
    testing::internal::CaptureStderr();
    EXPECT_EQ(driver::getLogicalName("VORNE_TEST_NAME", "d"), "d");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Morvik-W-NOLOGIDEF,  VORNE_TEST_NAME logical name not defined\n");
}

TEST_F(Environment, PathServices) {
    testsupport::ScratchDirectory scratch;
    scratch.write("d/f.txt", "x");
    const std::string cwd = scratch.path().string();
    EXPECT_EQ(driver::splitPath("a/b/c.d").directory, "a/b/");
    EXPECT_EQ(driver::splitPath("c.d").directory, "");
    EXPECT_EQ(driver::splitExtension("c.d.e").extension, "e");
    EXPECT_EQ(driver::splitExtension("noext").extension, "");
    EXPECT_EQ(driver::absoluteDirectory(""), cwd + "/");
    EXPECT_EQ(driver::absoluteDirectory("./d"), cwd + "/d/");
    EXPECT_EQ(driver::absoluteDirectory("/x/y"), "/x/y/");
    EXPECT_EQ(driver::absolutePath("d/f.txt"), cwd + "/d/f.txt");
    EXPECT_EQ(driver::absolutePath("d/none.txt"), "");
    EXPECT_TRUE(driver::isDirectory("d"));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(driver::isDirectory("d/f.txt"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Morvik-W-INCLTYPER,  d/f.txt is not a directory \n");
    EXPECT_NE(driver::temporaryName("a.tmp"), driver::temporaryName("a.tmp"));
}

}  // namespace
