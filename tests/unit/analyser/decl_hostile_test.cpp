// Hostile texts end with diagnostics, never with a crash, a hang or a stack
// overflow, and the declarations around them are still entered.
#include "decl_fixture.h"
#include "hostile_inputs.h"

#include <map>

namespace {

using namespace analyser::decl;
using decltest::Decl;

std::string repeat(std::string_view piece, int count) {
    std::string text;
    text.reserve(piece.size() * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) text += piece;
    return text;
}

bool reported(std::string_view code) {
    for (const auto& d : decltest::captured())
        if (d.code == code) return true;
    return false;
}

TEST_F(Decl, HundredThousandNestedParenthesesInADeclarator) {
    analyse("int before;\nint " + repeat("(", 100000) + "x" + repeat(")", 100000) + ";\nint after;\n");
    EXPECT_TRUE(reported("SYNTAXERR"));
    EXPECT_NE(find("before"), nullptr);
    EXPECT_NE(find("after"), nullptr);
    EXPECT_EQ(find("x"), nullptr);
}

TEST_F(Decl, HundredThousandNestedDeclarators) {
    analyse("int " + repeat("*", 100000) + "p;\nint " + repeat("(*", 100000) + "q" + repeat(")[1]", 100000) +
            ";\nint after;\n");
    EXPECT_TRUE(reported("SYNTAXERR"));
    EXPECT_NE(find("after"), nullptr);
}

TEST_F(Decl, HundredThousandNestedStructures) {
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "struct S" + std::to_string(i) + " { ";
    text += "int x; ";
    text += repeat("} m; ", 100000);
    analyse(text + "\nint after;\n");
    EXPECT_TRUE(reported("SYNTAXERR"));
    EXPECT_NE(find("after"), nullptr);
}

TEST_F(Decl, DeeplyNestedBodiesAndBoundsAreSkippedOrBounded) {
    analyse("void f(void) {" + repeat("{", 100000) + repeat("}", 100000) + "}\nint a[" + repeat("(", 100000) +
            "1" + repeat(")", 100000) + "];\nint after;\n");
    EXPECT_NE(find("f"), nullptr);
    ASSERT_NE(find("a"), nullptr);
    EXPECT_EQ(find("a")->type->count, -1) << "too deep to compute: the bound stays as written";
    EXPECT_NE(find("after"), nullptr);
    EXPECT_TRUE(decltest::captured().empty());
}

TEST_F(Decl, TenMegabyteIdentifier) {
    const std::string name(10 * 1000 * 1000, 'n');
    analyse("int " + name + ";\n" + name + "\n");
    EXPECT_NE(find(name), nullptr);
    EXPECT_TRUE(reported("UNEXP_EOF"));
    ASSERT_FALSE(decltest::captured().empty());
    EXPECT_LE(decltest::captured().back().parameter.size(), 60u);
}

TEST_F(Decl, StructuresContainingThemselvesThroughTypedefs) {
    analyse("typedef struct S S; struct S { S self; S *next; int value; };"
            "typedef struct A B; typedef B C; struct A { C inner[2]; };");
    EXPECT_EQ(typeOf("S"), "struct S");
    EXPECT_EQ(analyser::fieldCount(find("S")->type), 3);
    for (int n = 1; n <= 4; ++n) analyser::fieldPath(find("S")->type, n, true);
    EXPECT_EQ(analyser::fieldPath(find("C")->type, 1, true), ".inner");
    EXPECT_EQ(analyser::mapAnalysedType(find("C")->type).kind, values::TypeKind::INCONNU);
}

TEST_F(Decl, RecursiveAndEndlessTypedefChains) {
    std::string text = "typedef int T0;\n";
    for (int i = 1; i <= 100000; ++i)
        text += "typedef T" + std::to_string(i - 1) + " *T" + std::to_string(i) + ";\n";
    text += "T100000 deep;\ntypedef T100000 T100000;\ntypedef T7 T7;\ntypedef int A; typedef A B; typedef B *A;\n";
    analyse(text);
    EXPECT_EQ(typeOf("deep"), "T100000");
    EXPECT_EQ(analyser::mapAnalysedType(find("deep")->type).kind, values::TypeKind::POINTEUR);
    EXPECT_EQ(typeOf("T7"), "T6 *");
    EXPECT_EQ(typeOf("A"), "B *");
    EXPECT_EQ(analyser::mapAnalysedType(find("A")->type).kind, values::TypeKind::POINTEUR);
    EXPECT_EQ(analyser::typeImage(find("A")->type, "a", 7), "B *a");
}

TEST_F(Decl, UnbalancedBraces) {
    analyse("}}}} int a; {{{{ int b; struct S { int m; \n");
    EXPECT_NE(find("a"), nullptr);
    EXPECT_EQ(decltest::captured().size(), 5u) << "each stray brace, then the opening one";
    decltest::captured().clear();
    analyse("extern \"C\" { extern \"C\" { int in_blocks;\n");
    EXPECT_NE(find("in_blocks"), nullptr);
    EXPECT_TRUE(decltest::captured().empty()) << "blocks left open close with the text";
    analyse("int f(void) { { { return 0; \n");
    EXPECT_TRUE(reported("UNEXP_EOF"));
}

TEST_F(Decl, NulBytes) {
    analyse(std::string("int a;\0int b;\nint c;\n\0\0\0", 22) + std::string(1000, '\0'));
    EXPECT_NE(find("a"), nullptr);
    EXPECT_EQ(find("b"), nullptr) << "the declaration where the byte stands is dropped";
    EXPECT_NE(find("c"), nullptr);
    EXPECT_TRUE(reported("SYNTAXERR"));
}

TEST_F(Decl, EveryPrefixOfADeclarationEndsWithADiagnostic) {
    const std::string text = "typedef struct S { int a : 3; enum E { X = 1 << 2 } e; } *P, (*F)(int, ...);";
    for (std::size_t cut = 1; cut < text.size(); ++cut) {
        resetTable(globalTable());
        decltest::captured().clear();
        analyse(text.substr(0, cut));
        const bool splitsEllipsis = text.substr(0, cut).ends_with(", ..");  // "." then "." is no token
        EXPECT_EQ(decltest::captured().size(), 1u) << text.substr(0, cut);
        EXPECT_TRUE(reported(splitsEllipsis ? "SYNTAXERR" : "UNEXP_EOF")) << text.substr(0, cut);
    }
}

// The hostile inputs shared with the other tests: what the analyser says of
// each C one (too deep nesting exhausts the parser's bounded stack); the C++
// ones only have to end.
TEST_F(Decl, SharedHostileInputs) {
    const std::map<std::string, bool> saysSomething = {
        {"nested_parentheses", true},   {"nested_array_declarators", true},
        {"nested_function_declarators", true}, {"nested_pointers", true},
        {"long_identifier", false},     {"structure_containing_itself", false},
        {"recursive_typedef_chain", false},    {"unbalanced_braces", true},
        {"nul_bytes", true},
    };
    for (const auto& input : hostile::hostileInputs()) {
        resetTable(globalTable());
        decltest::captured().clear();
        analyse(input.text);
        if (input.cxx) continue;
        EXPECT_EQ(!decltest::captured().empty(), saysSomething.at(input.name)) << input.name;
    }
    resetTable(globalTable());
    analyse(hostile::recursiveTypedefChain(1000));
    EXPECT_EQ(typeOf("value"), "T0");
    analyse(hostile::longIdentifier(1 << 20));
    EXPECT_EQ(typeOf("value"), std::string(1 << 20, 'a'));
    analyse(hostile::unbalancedBraces(10));
    EXPECT_NE(find("after_close"), nullptr);
}

}  // namespace
