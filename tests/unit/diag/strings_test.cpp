// The string services the reader and the generators rely on.
#include "diag/strings.h"

#include <gtest/gtest.h>

namespace {

TEST(Strings, BoundedBuildersStopAtTheLimit) {
    std::string dest;
    const std::string piece(10000, 'x');
    diag::xstrcpy(dest, {piece, piece, piece});
    EXPECT_EQ(dest.size(), diag::kBuiltTextLimit);
    diag::xstrcat(dest, {"more"});
    EXPECT_EQ(dest.size(), diag::kBuiltTextLimit);
    diag::xstrcpy(dest, {"a", "b"});
    diag::xstrcat(dest, {"c"});
    EXPECT_EQ(dest, "abc");
}

TEST(StringsDeathTest, BuildingFromItselfIsAnInternalError) {
    std::string dest = "abc";
    EXPECT_EXIT(diag::xstrcpy(dest, {std::string_view(dest).substr(1)}), testing::ExitedWithCode(9),
                "ERRINTFCT.*xstrcpy");
    EXPECT_EXIT(diag::xstrcat(dest, {"x", std::string_view(dest)}), testing::ExitedWithCode(9),
                "xstrcat \\(2\\)");
}

TEST(Strings, SplitWord) {
    std::string word, rest;
    diag::SPLIT_WORD("  end\tif x", word, rest);
    EXPECT_EQ(word, "END");
    EXPECT_EQ(rest, "if x");
    diag::SPLIT_WORD("service  s_1$", word, rest);
    EXPECT_EQ(word, "SERVICE");
    EXPECT_EQ(rest, "s_1$");
    diag::SPLIT_WORD("VAR", word, rest);
    EXPECT_EQ(word, "VAR");
    EXPECT_EQ(rest, "");
    diag::SPLIT_WORD("&x = 1", word, rest);
    EXPECT_EQ(word, "");
    EXPECT_EQ(rest, "&x = 1");
    diag::SPLIT_WORD("", word, rest);
    EXPECT_EQ(word, "");
}

TEST(Strings, SplitCommentIgnoresMarkersInLiterals) {
    auto parts = diag::split_comment("VAR x, init = 1 -- note", "--", 6);
    EXPECT_EQ(parts.code, "VAR x, init = 1 ");
    EXPECT_EQ(parts.comment, "-- note");
    parts = diag::split_comment("VAR s, init = \"a--b\" -- c", "--", 6);
    EXPECT_EQ(parts.code, "VAR s, init = \"a--b\" ");
    parts = diag::split_comment("VAR c, init = '-' -- c", "--", 6);
    EXPECT_EQ(parts.code, "VAR c, init = '-' ");
    parts = diag::split_comment("VAR s, init = \"a\\\"--\" x", "--", 6);
    EXPECT_EQ(parts.comment, "");
    parts = diag::split_comment("x = a--b", "--", 6);
    EXPECT_EQ(parts.code, "x = a");
}

TEST(Strings, TrimPadAndCase) {
    EXPECT_EQ(diag::trim(" \t a b \t"), "a b");
    EXPECT_EQ(diag::trim(""), "");
    EXPECT_EQ(diag::pad("abc", '.', 5), "abc..");
    EXPECT_EQ(diag::pad("abcdef", '.', 3), "abc");
    EXPECT_EQ(diag::upperCased("aZé_1"), "AZé_1");
    EXPECT_EQ(diag::indexOfIgnoringCase("the Version x", "VERSION"), 4);
    EXPECT_EQ(diag::indexOfIgnoringCase("abc", "abcd"), -1);
    EXPECT_EQ(diag::indexOfIgnoringCase("abc", ""), 0);
}

TEST(Strings, CutAtSeparators) {
    EXPECT_EQ(diag::cutAtSeparators("short", 80, " ,;()"), 5u);
    const std::string text = "aaaa bbbb,cccc";
    EXPECT_EQ(diag::cutAtSeparators(text, 10, " ,"), 10u);  // ends with the ","
    EXPECT_EQ(diag::cutAtSeparators(text, 9, " ,"), 5u);
    EXPECT_EQ(diag::cutAtSeparators("abcdefghij", 4, " "), 4u);  // no separator: hard cut
}

TEST(Strings, NumberImages) {
    EXPECT_EQ(diag::numberToText(0, 1), "0");
    EXPECT_EQ(diag::numberToText(-42, 1), "-42");
    EXPECT_EQ(diag::numberToText(255, 0), "FFH");
    EXPECT_EQ(diag::numberToText(5, 2), "101B");
    EXPECT_EQ(diag::numberToText(INT64_MIN, 1), "-9223372036854775808");
}

}  // namespace
