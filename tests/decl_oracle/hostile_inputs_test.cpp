// The hostile inputs are what their names say: the valid ones compile with
// gcc at a depth gcc allows, the others are refused, so that the analyser's
// tests may expect a clean analysis of the first and diagnostics for the rest.
#include "hostile_inputs.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct Claim {
    const char* name;
    std::string text;
    bool cxx;
    bool valid;
};

void PrintTo(const Claim& c, std::ostream* os) { *os << c.name; }

std::vector<Claim> claims() {
    return {
        {"nested_parentheses", hostile::nestedParentheses(200), false, true},
        {"nested_array_declarators", hostile::nestedArrayDeclarators(200), false, true},
        {"nested_function_declarators", hostile::nestedFunctionDeclarators(200), false, true},
        {"nested_pointers", hostile::nestedPointers(200), false, true},
        {"long_identifier", hostile::longIdentifier(4096), false, true},
        {"recursive_typedef_chain", hostile::recursiveTypedefChain(20), false, true},
        {"nested_namespaces", hostile::nestedNamespaces(200), true, true},
        {"structure_containing_itself", hostile::structureContainingItself(), false, false},
        {"unbalanced_braces", hostile::unbalancedBraces(5), false, false},
        {"template_instantiating_itself", hostile::templateInstantiatingItself(), true, false},
        {"class_deriving_from_itself", hostile::classDerivingFromItself(), true, false},
        {"unbalanced_angle_brackets", hostile::unbalancedAngleBrackets(5), true, false},
    };
}

class HostileInput : public testing::TestWithParam<Claim> {};

TEST_P(HostileInput, CompilerAgreesWithItsName) {
    if (std::system("command -v g++ >/dev/null 2>&1") != 0) GTEST_SKIP() << "g++ is not installed";
    const Claim& c = GetParam();
    testsupport::ScratchDirectory scratch;
    const auto file = scratch.write(std::string(c.name) + (c.cxx ? ".cc" : ".c"), c.text);
    const std::string compiler = c.cxx ? "g++ -std=c++17" : "gcc -std=c11";
    const int status = std::system((compiler + " -fsyntax-only -w -ftemplate-depth=50 '" + file.string() +
                                    "' >/dev/null 2>&1").c_str());
    EXPECT_EQ(status == 0, c.valid);
}

INSTANTIATE_TEST_SUITE_P(Claims, HostileInput, testing::ValuesIn(claims()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
