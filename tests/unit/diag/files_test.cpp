// Inputs read whole and bounded, file identity, and outputs that appear
// whole or not at all, signals and crashes included.
#include "diag/diag.h"
#include "diag/diag_internal.h"
#include "diag/files.h"
#include "diag/paths.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

class Files : public testing::Test {
protected:
    void SetUp() override {
        diag::detail::forgetInputsForTesting();
        previousMask_ = ::umask(022);
    }
    void TearDown() override {
        ::umask(previousMask_);
        diag::detail::forgetInputsForTesting();
    }

    // The names in the scratch directory, hidden ones included.
    std::vector<std::string> namesHere() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(scratch_.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    testsupport::ScratchDirectory scratch_;
    mode_t previousMask_ = 0;
};

diag::InputStatus read(const std::string& path, std::size_t limit = diag::kInputLimit) {
    std::string content;
    const diag::InputStatus status = diag::readInputFile(path, content, limit);
    if (status != diag::InputStatus::Read) {
        EXPECT_TRUE(content.empty()) << path;
    }
    return status;
}

TEST_F(Files, RegularFilesAreReadWholeAndRemembered) {
    scratch_.write("a.ptu", std::string("SERVICE s\n\0tail", 16));
    fs::create_symlink("a.ptu", "link.ptu");
    std::string content;
    ASSERT_EQ(diag::readInputFile("link.ptu", content), diag::InputStatus::Read);
    EXPECT_EQ(content, std::string("SERVICE s\n\0tail", 16));
    // Known under the name it was read by, whatever name asks.
    EXPECT_EQ(diag::inputNamedBy("a.ptu"), "link.ptu");
    EXPECT_EQ(diag::inputNamedBy("./link.ptu"), "link.ptu");
    EXPECT_FALSE(diag::inputNamedBy("absent.ptu"));
    scratch_.write("empty.ptu", "");
    EXPECT_EQ(read("empty.ptu"), diag::InputStatus::Read);
}

// Nothing but a regular file is opened, so a FIFO without a writer, a device
// and a directory are refused at once.
TEST_F(Files, OtherKindsOfFileAreRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo("fifo.ptu", 0600), 0);
    fs::create_directory("dir.ptu");
    fs::create_symlink("/dev/zero", "zero.ptu");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(read("fifo.ptu"), diag::InputStatus::NotRegular);
    EXPECT_EQ(read("dir.ptu"), diag::InputStatus::NotRegular);
    EXPECT_EQ(read("zero.ptu"), diag::InputStatus::NotRegular);
    EXPECT_EQ(read("/dev/null"), diag::InputStatus::NotRegular);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(read("missing.ptu"), diag::InputStatus::Unreadable);
    EXPECT_FALSE(diag::inputNamedBy("fifo.ptu"));
}

TEST_F(Files, InputsBeyondTheLimitAreRefused) {
    // A sparse file one byte beyond the limit is refused before it is read.
    const int fd = ::open("huge.ptu", O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(diag::kInputLimit) + 1), 0);
    ::close(fd);
    EXPECT_EQ(read("huge.ptu"), diag::InputStatus::TooLarge);
    scratch_.write("ten.ptu", "0123456789");
    EXPECT_EQ(read("ten.ptu", 10), diag::InputStatus::Read);
    EXPECT_EQ(read("ten.ptu", 9), diag::InputStatus::TooLarge);
    // A file whose size the system does not know is bounded while it is read.
    EXPECT_EQ(read("/proc/self/status", 16), diag::InputStatus::TooLarge);
    EXPECT_EQ(read("/proc/self/status"), diag::InputStatus::Read);
}

TEST_F(Files, SameFileByIdentityOrByNormalisedPath) {
    scratch_.write("a.ptu", "x");
    scratch_.write("b.ptu", "x");
    fs::create_directory("sub");
    fs::create_symlink("a.ptu", "link.ptu");
    fs::create_symlink("sub", "sublink");
    EXPECT_TRUE(diag::sameFile("a.ptu", "link.ptu"));
    EXPECT_TRUE(diag::sameFile("a.ptu", (scratch_.path() / "sub/../a.ptu").string()));
    EXPECT_FALSE(diag::sameFile("a.ptu", "b.ptu"));
    // Files not created yet.
    EXPECT_TRUE(diag::sameFile("G.cc", "./G.cc"));
    EXPECT_TRUE(diag::sameFile("sub/G.cc", "sublink/G.cc"));
    EXPECT_TRUE(diag::sameFile("G.cc", (scratch_.path() / "sub/.././/G.cc").string()));
    EXPECT_FALSE(diag::sameFile("G.cc", "sub/G.cc"));
    EXPECT_FALSE(diag::sameFile("G.cc", "a.ptu"));
    EXPECT_EQ(diag::normalisedPath("/no/such/./dir//x/../G.cc"), "/no/such/dir/G.cc");
    EXPECT_EQ(diag::normalisedPath("/../G.cc"), "/G.cc");
}

TEST_F(Files, PendingOutputAppearsWholeWhenCommitted) {
    diag::PendingOutput output;
    ASSERT_TRUE(output.create((scratch_.path() / "G.cc").string()));
    ASSERT_TRUE(output.held());
    const fs::path temporary = output.temporaryPath();
    EXPECT_EQ(temporary.parent_path(), scratch_.path());
    EXPECT_EQ(temporary.filename().string().rfind(".G.cc.", 0), 0u);
    EXPECT_EQ(fs::status(temporary).permissions(), fs::perms(0644));
    ASSERT_EQ(::write(output.descriptor(), "text\n", 5), 5);
    ::close(output.descriptor());
    EXPECT_FALSE(fs::exists("G.cc"));
    ASSERT_TRUE(output.commit());
    EXPECT_FALSE(output.held());
    EXPECT_EQ(testsupport::readFile("G.cc"), "text\n");
    EXPECT_EQ(namesHere(), std::vector<std::string>{"G.cc"});
}

// A link named as an output is replaced; the file it pointed at is never
// written or removed.
TEST_F(Files, LinksAreReplacedNotWrittenThrough) {
    scratch_.write("victim.txt", "precious");
    fs::create_symlink("victim.txt", "G.cc");
    fs::create_symlink("victim.txt", "G.icc");
    {
        diag::PendingOutput output;
        ASSERT_TRUE(output.create("G.cc"));
        ::close(output.descriptor());
        ASSERT_TRUE(output.commit());
    }
    EXPECT_FALSE(fs::is_symlink("G.cc"));
    {
        diag::PendingOutput output;
        ASSERT_TRUE(output.create("G.icc"));
        ::close(output.descriptor());
        output.discard(true);
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status("G.icc")));
    EXPECT_EQ(testsupport::readFile("victim.txt"), "precious");
    EXPECT_EQ(namesHere(), (std::vector<std::string>{"G.cc", "victim.txt"}));
}

TEST_F(Files, DiscardedOrAbandonedOutputsLeaveNothing) {
    scratch_.write("G.cc", "stale");
    {
        diag::PendingOutput output;
        ASSERT_TRUE(output.create("G.cc"));
        ::close(output.descriptor());
        output.discard(true);
    }
    {
        diag::PendingOutput abandoned;
        ASSERT_TRUE(abandoned.create("G.icc"));
        ::close(abandoned.descriptor());
        diag::PendingOutput moved = std::move(abandoned);
        EXPECT_FALSE(abandoned.held());
        EXPECT_TRUE(moved.held());
    }
    EXPECT_TRUE(namesHere().empty());
}

// An input of the run is neither replaced nor removed by an output.
TEST_F(Files, InputsAreNeverReplacedOrRemoved) {
    scratch_.write("a.ptu", "script");
    std::string content;
    ASSERT_EQ(diag::readInputFile("a.ptu", content), diag::InputStatus::Read);
    diag::PendingOutput replacing;
    ASSERT_TRUE(replacing.create("a.ptu"));
    ::close(replacing.descriptor());
    EXPECT_FALSE(replacing.commit());
    diag::PendingOutput removing;
    ASSERT_TRUE(removing.create("a.ptu"));
    ::close(removing.descriptor());
    removing.discard(true);
    EXPECT_EQ(testsupport::readFile("a.ptu"), "script");
    EXPECT_EQ(namesHere(), std::vector<std::string>{"a.ptu"});
}

TEST_F(Files, OnlyFilesAndLinksCanBeOutputs) {
    fs::create_directory("dir.cc");
    ASSERT_EQ(::mkfifo("fifo.cc", 0600), 0);
    diag::PendingOutput output;
    EXPECT_FALSE(output.create("dir.cc"));
    EXPECT_FALSE(output.create("fifo.cc"));
    EXPECT_FALSE(output.create("/dev/null"));
    EXPECT_FALSE(output.create("no/such/dir/G.cc"));
    EXPECT_FALSE(output.held());
    EXPECT_EQ(namesHere(), (std::vector<std::string>{"dir.cc", "fifo.cc"}));
}

void interruptWhileWriting(int signal) {
    diag::installInterruptHandlers();
    diag::PendingOutput generated;
    diag::PendingOutput records;
    if (!generated.create("G.cc") || !records.create("G.tdc")) std::_Exit(1);
    std::raise(signal);
    std::_Exit(2);
}

void crashWhileWriting() {
    diag::installCrashHandler();
    diag::openMessageFile("a.lis", false);
    diag::writeToMessageFile("header\n");
    diag::PendingOutput generated;
    if (!generated.create("G.cc")) std::_Exit(1);
    std::raise(SIGSEGV);
}

// The temporary files of a run interrupted by a signal are removed, and the
// signal still ends the process.
TEST_F(Files, InterruptsRemoveTemporaryFiles) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        EXPECT_EXIT(interruptWhileWriting(signal), testing::KilledBySignal(signal), "");
        EXPECT_TRUE(namesHere().empty()) << signal;
    }
}

// A crash keeps the listing, which ends with the crash message, and removes
// the other temporary files.
TEST_F(Files, ACrashKeepsTheListingOnly) {
    EXPECT_EXIT(crashWhileWriting(), testing::ExitedWithCode(diag::kStatusInternal), "INTERNERR");
    EXPECT_EQ(namesHere(), std::vector<std::string>{"a.lis"});
    const std::string listing = testsupport::readFile("a.lis");
    EXPECT_EQ(listing.rfind("header\nMorvik-S-INTERNERR,  ", 0), 0u) << listing;
}

}  // namespace
