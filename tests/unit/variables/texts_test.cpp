// Splitting of statement texts outside quotes and brackets.
#include "variables/variables_internal.h"

#include <gtest/gtest.h>

namespace variables::detail {

namespace {

TEST(Texts, SplitOnlyAtSeparatorsOutsideQuotesAndBrackets) {
    const auto items = splitOutside(" a , f(b, c) , [1, 2] , \"x,y\" , ',' , {p, q} ", ',');
    EXPECT_EQ(items, (std::vector<std::string>{"a", "f(b, c)", "[1, 2]", "\"x,y\"", "','", "{p, q}"}));
    EXPECT_EQ(splitOutside("", ','), std::vector<std::string>{""});
    EXPECT_EQ(findOutside("(a, b), c", ','), 6u);
    EXPECT_EQ(findOutside("'\\'', x", ','), 4u) << "an escaped quote does not end the literal";
    EXPECT_EQ(findOutside("\"unclosed, x", ','), std::string_view::npos);
}

TEST(Texts, BracketsMatchAcrossNestingAndLiterals) {
    EXPECT_EQ(matchingClose("(a [b] ')' {c})x", 0), 14u);
    EXPECT_EQ(matchingClose("((a)", 0), std::string_view::npos);
    EXPECT_EQ(matchingClose("a(b)", 0), std::string_view::npos);
    EXPECT_TRUE(enclosedIn("{1, {2}}", "{}[]"));
    EXPECT_FALSE(enclosedIn("{1}, {2}", "{}[]")) << "two lists are not one";
    EXPECT_FALSE(enclosedIn("(1)", "{}[]"));
}

TEST(Texts, IndicesAndDereferencesAreLeftOutForLookUps) {
    EXPECT_EQ(withoutIndices("s.t[1..3].x[i[2]]"), "s.t.x");
    EXPECT_EQ(withoutDereferences("(*p).x"), "(p).x");
    EXPECT_EQ(withoutDereferences("* *pp"), " pp");
    EXPECT_EQ(withoutDereferences("a*b"), "a*b") << "a product keeps its operator";
}

TEST(Texts, PlaceholdersAreFilledInOnePass) {
    EXPECT_EQ(fill("%1(%2)%3", {"f", "%1", "x"}), "f(%1)x");
    EXPECT_EQ(fill("100%", {"a"}), "100%");
    EXPECT_EQ(fill("%9%2", {"a", "b"}), "%9b");
}

}  // namespace

}  // namespace variables::detail
