// Argument expansion: the words of option files and "$" references.
#include "diag/diag.h"
#include "driver/cmdline_options.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

namespace driver::options {

inline void PrintTo(const Error& error, std::ostream* out) { *out << "{" << error.index << ", \"" << error.element << "\"}"; }

}  // namespace driver::options

namespace {

using namespace driver::options;
using Words = std::vector<std::string>;

TEST(OptionFileWords, SeparatorsAndComments) {
    EXPECT_EQ(optionFileWords("a b\tc\r\nd\n\n  e"), (Words{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(optionFileWords("# all of this\n  \t# and this -X\nx # not a comment\n"),
              (Words{"x", "#", "not", "a", "comment"}));
    EXPECT_EQ(optionFileWords("a#b\n#c"), (Words{"a#b"}));
    EXPECT_EQ(optionFileWords(""), Words{});
    EXPECT_EQ(optionFileWords("# only\n"), Words{});
}

TEST(OptionFileWords, QuotesToggleTheQuotedMode) {
    EXPECT_EQ(optionFileWords("# options\n-TEST=\"first test\"\n"), (Words{"-TEST=first test"}));
    EXPECT_EQ(optionFileWords("a\" b \"c d"), (Words{"a b c", "d"}));
    EXPECT_EQ(optionFileWords("\"line\none\" x"), (Words{"line\none", "x"}));
    EXPECT_EQ(optionFileWords("\"\" x"), (Words{"", "x"}));
    EXPECT_EQ(optionFileWords("\"#not a comment\""), (Words{"#not a comment"}));
    EXPECT_EQ(optionFileWords("\"never closed\nx"), (Words{"never closed\nx"}));
}

TEST(OptionFileWords, Backslashes) {
    EXPECT_EQ(optionFileWords("-TEST=a,\\\nb"), (Words{"-TEST=a,b"}));
    EXPECT_EQ(optionFileWords("-TEST=a,\\\r\nb c"), (Words{"-TEST=a,b", "c"}));
    EXPECT_EQ(optionFileWords("-TEST=a,\\\rb"), (Words{"-TEST=a,b"}));
    EXPECT_EQ(optionFileWords("a\\\n#b"), (Words{"a#b"}));
    EXPECT_EQ(optionFileWords("a\\tb \\\"c"), (Words{"a\\tb", "\\\"c"}));
    EXPECT_EQ(optionFileWords("end\\"), (Words{"end\\"}));
}

TEST(OptionFileWords, NulBytesNeverEnterAWord) {
    using namespace std::string_literals;
    EXPECT_EQ(optionFileWords("a\0b \xff\x01"s), (Words{"a", "b", "\xff\x01"}));
    EXPECT_EQ(optionFileWords("\"a\0b\""s), (Words{"ab"}));
}

class References : public testing::Test {
protected:
    void SetUp() override {
        diag::resetForTesting();
        ::setenv("VORNE_TEST_DIR", "/opt/x", 1);
        ::setenv("VORNE_TEST_EMPTY", "", 1);
        ::setenv("VORNE_TEST_DOLLAR", "$VORNE_TEST_DIR", 1);
        ::unsetenv("VORNE_TEST_UNSET");
    }
    void TearDown() override {
        for (const char* name : {"VORNE_TEST_DIR", "VORNE_TEST_EMPTY", "VORNE_TEST_DOLLAR"}) ::unsetenv(name);
    }
};

TEST_F(References, SetVariablesAreReplaced) {
    EXPECT_EQ(expandReferences("-INCL=$VORNE_TEST_DIR/inc"), "-INCL=/opt/x/inc");
    EXPECT_EQ(expandReferences("$VORNE_TEST_DIR$VORNE_TEST_DIR"), "/opt/x/opt/x");
    EXPECT_EQ(expandReferences("a$VORNE_TEST_EMPTY.b"), "a.b");
    // A value is not expanded again.
    EXPECT_EQ(expandReferences("$VORNE_TEST_DOLLAR"), "$VORNE_TEST_DIR");
    EXPECT_EQ(expandReferences("$ $$ $-x 5$"), "$ $$ $-x 5$");
    EXPECT_EQ(expandReferences(""), "");
}

TEST_F(References, AnUnsetVariableIsKeptSilently) {
    testing::internal::CaptureStderr();
    const std::string expanded = expandReferences("-TEST=$VORNE_TEST_UNSET/x");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(expanded, "-TEST=$VORNE_TEST_UNSET/x");
    EXPECT_EQ(err, "");
}

class OptionFiles : public References {
protected:
    std::optional<Error> expand(Words arguments) {
        expanded.clear();
        return expandArguments(arguments, expanded);
    }
    testsupport::ScratchDirectory scratch;
    Words expanded;
};

TEST_F(OptionFiles, FilesNamedByAtOrOptionAreReplacedInPlace) {
    scratch.write("opts", "-TEST=$VORNE_TEST_DIR\n# comment\n-NOEDIT\n");
    scratch.write("more", "b.cc");
    ASSERT_FALSE(expand({"a.ptu", "@opts", "-option=more", "-OPTION=more", "$VORNE_TEST_DIR"}));
    EXPECT_EQ(expanded, (Words{"a.ptu", "-TEST=/opt/x", "-NOEDIT", "b.cc", "b.cc", "/opt/x"}));
}

// The name of an option file is taken as written.
TEST_F(OptionFiles, TheFileNameIsNotExpanded) {
    scratch.write("$VORNE_TEST_DIR", "x");
    ASSERT_FALSE(expand({"@$VORNE_TEST_DIR"}));
    EXPECT_EQ(expanded, Words{"x"});
}

TEST_F(OptionFiles, FilesThatCannotBeReadAreError17) {
    std::filesystem::create_directory(scratch.path() / "dir");
    EXPECT_EQ(expand({"a", "@missing"}), (Error{kFileNotFound, "missing"}));
    EXPECT_EQ(expand({"-OPTION=dir"}), (Error{kFileNotFound, "dir"}));
    EXPECT_EQ(expand({"@"}), (Error{kFileNotFound, ""}));
    EXPECT_EQ(expand({"-OPTION="}), (Error{kFileNotFound, ""}));
}


// The option files read are kept, so that no output of the run replaces one.
TEST_F(OptionFiles, TheFilesReadAreListed) {
    scratch.write("one", "-NOEDIT");
    scratch.write("two", "b.cc");
    Words files;
    ASSERT_FALSE(expandArguments(Words{"a.ptu", "@one", "-OPTION=two", "@one"}, expanded, &files));
    EXPECT_EQ(files, (Words{"one", "two", "one"}));
}

// Only the command line names option files, so no file can lead back to itself.
TEST_F(OptionFiles, WordsOfAFileNeverNameOptionFiles) {
    scratch.write("self", "a @self");
    scratch.write("other", "-option=self");
    EXPECT_EQ(expand({"@self"}), (Error{kUnknownOption, "@self"}));
    EXPECT_EQ(expand({"@other"}), (Error{kUnknownOption, "option=self"}));
}

TEST_F(OptionFiles, BinaryAndLongFiles) {
    using namespace std::string_literals;
    scratch.write("binary", "\x7f" "ELF\0\0\x02\x01\0-X\n"s);
    ASSERT_FALSE(expand({"@binary"}));
    EXPECT_EQ(expanded, (Words{"\x7f" "ELF", "\x02\x01", "-X"}));

    std::string text;
    for (int i = 0; i < 50000; ++i) text += "-TEST=T" + std::to_string(i) + "\n";
    text += std::string(100000, 'w');
    scratch.write("long", text);
    ASSERT_FALSE(expand({"@long"}));
    ASSERT_EQ(expanded.size(), 50001u);
    EXPECT_EQ(expanded[49999], "-TEST=T49999");
    EXPECT_EQ(expanded.back(), std::string(100000, 'w'));
}

// Only regular files are read: a device that never ends and a named pipe
// without a writer are not found, at once; a file far larger than any list
// of options is refused with error 3, unread.
TEST_F(OptionFiles, SpecialAndHugeFilesAreRefused) {
    EXPECT_EQ(expand({"a", "@/dev/zero"}), (Error{kFileNotFound, "/dev/zero"}));
    const auto fifo = scratch.path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(expand({"a", "@" + fifo.string()}), (Error{kFileNotFound, fifo.string()}));
    const auto huge = scratch.path() / "huge";
    scratch.write("huge", "-NOEDIT\n");
    std::filesystem::resize_file(huge, std::uintmax_t{1} << 30);  // sparse
    EXPECT_EQ(expand({"@" + huge.string()}), (Error{kLengthTooLarge, huge.string()}));
}

}  // namespace
