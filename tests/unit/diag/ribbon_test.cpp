// The interning store.
#include "diag/ribbon.h"

#include <gtest/gtest.h>

namespace {

TEST(Ribbon, SameTextSameEntry) {
    const auto a = diag::internString("alpha");
    EXPECT_EQ(diag::internString("alpha"), a);
    EXPECT_NE(diag::internString("alphb"), a);
    EXPECT_EQ(diag::ribbonText(a), "alpha");
    EXPECT_TRUE(diag::ribbonEquals(a, "alpha"));
    EXPECT_FALSE(diag::ribbonEquals(a, "alph"));
}

TEST(Ribbon, LongIdentifiersStayDistinct) {
    const std::string sixty(60, 'x');
    const std::string seventy(70, 'x');
    const auto a = diag::internString(sixty);
    const auto b = diag::internString(seventy);
    EXPECT_NE(a, b);
    EXPECT_EQ(diag::ribbonText(a), sixty);
    EXPECT_EQ(diag::ribbonText(b), seventy);
}

// Texts survive the growth of the store across pages.
TEST(Ribbon, TextsStayValidAcrossPages) {
    const auto first = diag::internString("first");
    std::vector<diag::RibbonEntry> entries;
    for (int i = 0; i < 200000; ++i) entries.push_back(diag::internString("identifier_" + std::to_string(i)));
    const auto huge = diag::internString(std::string(1500000, 'h'));
    EXPECT_EQ(diag::ribbonText(first), "first");
    EXPECT_EQ(diag::ribbonText(entries[123456]), "identifier_123456");
    EXPECT_EQ(diag::ribbonText(huge).size(), 1500000u);
    EXPECT_EQ(diag::internString("identifier_199999"), entries.back());
}

TEST(RibbonDeathTest, AbsentEntryIsAnInternalError) {
    EXPECT_EXIT(diag::ribbonText(0), testing::ExitedWithCode(9), "DEBORUBAN");
    EXPECT_EXIT(
        {
            diag::clearRibbonIndex();
            diag::ribbonText(1);
        },
        testing::ExitedWithCode(9), "RIBBON overflow");
}

}  // namespace
