// Type composition: base types from their words, declarators composed into
// their holes, copies, and the comparison with its grades.
#include "decl_fixture.h"

namespace {

using namespace analyser::decl;
using decltest::Decl;
using decltest::captured;

Type* baseOf(std::initializer_list<std::string_view> words) {
    BaseWords w;
    for (const auto word : words) EXPECT_TRUE(addBaseWord(w, word)) << word;
    return baseTypeOf(w);
}

std::string nameOf(const Type* t) { return std::string(diag::ribbonText(t->base.name)); }

struct Combination {
    std::vector<std::string_view> words;
    std::string_view name;
    int bits;
};

// Every accepted combination of base words, in any order, with its size.
TEST_F(Decl, BaseWordsMakeCanonicalTypes) {
    analyser::baseTypeSizes().longBits = 64;
    const Combination rows[] = {
        {{"int"}, "int", -32},
        {{"unsigned"}, "unsigned int", 32},
        {{"signed"}, "int", -32},
        {{"unsigned", "long"}, "unsigned long", 64},
        {{"long", "unsigned", "int"}, "unsigned long", 64},
        {{"long", "long"}, "long long", -64},
        {{"unsigned", "long", "long", "int"}, "unsigned long long", 64},
        {{"short"}, "short", -16},
        {{"int", "short", "unsigned"}, "unsigned short", 16},
        {{"char"}, "char", -8},
        {{"signed", "char"}, "signed char", -8},
        {{"char", "unsigned"}, "unsigned char", 8},
        {{"__int128"}, "__int128", -128},
        {{"unsigned", "__int128"}, "unsigned __int128", 128},
        {{"bool"}, "bool", 8},
        {{"wchar_t"}, "wchar_t", -32},
        {{"char16_t"}, "char16_t", 16},
        {{"char32_t"}, "char32_t", 32},
        {{"float"}, "float", 0},
        {{"double"}, "double", 0},
        {{"long", "double"}, "long double", 0},
        {{"double", "long"}, "long double", 0},
        {{"_Float128"}, "_Float128", 0},
    };
    for (const auto& row : rows) {
        BaseWords w;
        for (const auto word : row.words) ASSERT_TRUE(addBaseWord(w, word)) << row.name << ": " << word;
        const Type* t = baseTypeOf(w);
        EXPECT_EQ(nameOf(t), row.name);
        EXPECT_EQ(t->base.bits, row.bits) << row.name;
        EXPECT_EQ(t->kind, row.bits ? Kind::Integral : Kind::Floating) << row.name;
    }
    EXPECT_TRUE(baseOf({"char"})->base.isChar);
    EXPECT_FALSE(baseOf({"int"})->base.isChar);
    EXPECT_EQ(baseOf({"unsigned", "long"}), baseOf({"long", "unsigned", "int"})) << "one node per base type";
}

// The words that cannot join: the spelling so far and the refused word.
TEST_F(Decl, ImpossibleWordsAreRefused) {
    const std::pair<std::vector<std::string_view>, std::string_view> rows[] = {
        {{"short", "long"}, "short long"},
        {{"long", "short"}, "long short"},
        {{"unsigned", "signed"}, "unsigned signed"},
        {{"signed", "unsigned"}, "signed unsigned"},
        {{"long", "long", "long"}, "long long long"},
        {{"int", "int"}, "int int"},
        {{"char", "double"}, "char double"},
        {{"unsigned", "float"}, "unsigned float"},
        {{"long", "long", "double"}, "long long double"},
        {{"void", "int"}, "void int"},
        {{"short", "char"}, "short char"},
    };
    for (const auto& [words, spelling] : rows) {
        BaseWords w;
        bool accepted = true;
        std::string refused;
        for (const auto word : words)
            if (accepted && !addBaseWord(w, word)) {
                accepted = false;
                refused = w.spelling + " " + std::string(word);
            }
        EXPECT_FALSE(accepted) << spelling;
        EXPECT_EQ(refused, spelling);
    }
}

TEST_F(Decl, SizesFollowTheSizeTableWhenTheTypeIsMade) {
    analyser::baseTypeSizes().intBits = 16;
    analyser::baseTypeSizes().charUnsigned = true;
    EXPECT_EQ(baseOf({"int"})->base.bits, -16);
    EXPECT_EQ(baseOf({"char"})->base.bits, 8);
    EXPECT_EQ(integralBits("unsigned int"), 16);
    EXPECT_EQ(integralBits("char"), 8);
    EXPECT_EQ(integralBits("long long"), -64);
    EXPECT_EQ(integralBits("struct"), 0);
}

// The outer part goes into the deepest hole of the inner one.
TEST_F(Decl, ComposeFillsTheDeepestHole) {
    Type* pointerToArray = newPointer(newArray(nullptr, 4, "4"));
    Type* composed = CPP_compose_type(baseOf({"char"}), pointerToArray, "t.h", 1);
    EXPECT_EQ(typeText(composed, ""), "char (*)[4]");

    Prototype* p = newPrototype();
    Type* function = newFunction(newPointer(nullptr), p);
    EXPECT_EQ(typeText(CPP_compose_type(baseOf({"int"}), function, "t.h", 1), "f"), "int *f()");

    Type* reference = newType(Kind::Reference);
    EXPECT_EQ(typeText(CPP_compose_type(baseOf({"int"}), reference, "t.h", 1), "r"), "int &r");
    EXPECT_EQ(CPP_compose_type(baseOf({"int"}), nullptr, "t.h", 1), baseOf({"int"}));
    EXPECT_TRUE(captured().empty());
}

TEST_F(Decl, ComposingTwoBaseTypesJoinsTheirWords) {
    const Type* t = CPP_compose_type(baseOf({"unsigned"}), baseOf({"long"}), "t.h", 1);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(nameOf(t), "unsigned long");
    EXPECT_EQ(CPP_compose_type(baseOf({"short"}), baseOf({"long"}), "t.h", 3), nullptr);
    EXPECT_EQ(codes(), (std::vector<std::string>{"CONSTRUCT short long"}));
}

TEST_F(Decl, ComposingOtherCompleteTypesIsRefused) {
    Aggregate* s = newAggregate(Kind::Class, ClassKey::Struct, diag::internString("S"), nullptr);
    EXPECT_EQ(CPP_compose_type(baseOf({"int"}), s->type, "t.h", 2), nullptr);
    ASSERT_EQ(captured().size(), 1u);
    EXPECT_EQ(captured()[0].code, "CONSTRUCT");
    EXPECT_EQ(captured()[0].parameter, "");
    EXPECT_EQ(captured()[0].line, 2);
}

TEST_F(Decl, AnEllipsisCannotBeComposed) {
    EXPECT_EQ(CPP_compose_type(baseOf({"int"}), newType(Kind::Ellipsis), "t.h", 1), nullptr);
    ASSERT_EQ(captured().size(), 1u);
    EXPECT_EQ(captured()[0].severity, analyser::kInternalError);
    EXPECT_EQ(captured()[0].code + " " + captured()[0].parameter, "ERRINTERN CPP_compose_type");
}

TEST_F(Decl, ParameterModeWordsComposeIntoTheirTypeAndStayAttached) {
    Type* mode = newNamed(diag::internString("_inout"));
    Type* composed = CPP_compose_type(baseOf({"int"}), newPointer(mode), "t.h", 1);
    EXPECT_EQ(typeText(composed, "p"), "int *p");
    EXPECT_EQ(resolveTypedefs(composed->inner), baseOf({"int"}));
    EXPECT_FALSE(isParameterModeWord("_nocheck"));
    EXPECT_TRUE(isParameterModeWord("_NO"));
}

TEST_F(Decl, CopiesShareTagsAndTypedefsUnlessDeep) {
    Aggregate* s = newAggregate(Kind::Class, ClassKey::Struct, diag::internString("S"), nullptr);
    Type* pointer = newPointer(s->type, kConst);
    Type* copy = copyType(pointer);
    EXPECT_NE(copy, pointer);
    EXPECT_EQ(copy->inner, s->type);
    EXPECT_EQ(copy->qualifiers, kConst);
    Type* deep = copyType(pointer, true);
    EXPECT_NE(deep->inner, s->type);
    EXPECT_EQ(deep->inner->record, s);
}

struct Comparison {
    const char* a;
    const char* b;
    int result;
    int grade;
};

// Types given as declarations of "a" and "b"; the comparison and its grade.
TEST_F(Decl, ComparisonGivesSameConvertibleOrIncompatible) {
    analyse("typedef int I; typedef I J; enum E { X }; struct S; struct T;");
    const Comparison rows[] = {
        {"int a;", "int b;", 0, kGradeNone},
        {"J a;", "int b;", 0, kGradeNone},
        {"unsigned long a;", "long unsigned int b;", 0, kGradeNone},
        {"int a;", "long b;", 1, kGradeIntegral},
        {"char a;", "signed char b;", 1, kGradeIntegral},
        {"int a;", "enum E b;", 1, kGradeIntegral},
        {"int a;", "double b;", 1, kGradeIntegralFloating},
        {"int *a;", "int b[3];", 1, kGradePointer},
        {"int *a;", "I *b;", 0, kGradeNone},
        {"int *a;", "char *b;", 1, kGradeIntegral},
        {"struct S *a;", "struct T *b;", 2, kGradeNone},
        {"struct S a;", "int b;", 2, kGradeNone},
        {"const int a;", "int b;", 1, kGradeReference},
        {"int a(int, char *);", "int b(I, char *);", 0, kGradeNone},
        {"int a(int);", "int b(int, int);", 2, kGradeNone},
        {"int a(int x[]);", "int b(int *x);", 0, kGradeNone},
        {"int a();", "int b(double);", 0, kGradeNone},
        {"int a(int, ...);", "int b(int);", 2, kGradeNone},
    };
    for (const auto& row : rows) {
        analyse(row.a);
        analyse(row.b);
        int grade = kGradeNone;
        EXPECT_EQ(compareTypes(find("a")->type, find("b")->type, grade), row.result) << row.a << " / " << row.b;
        EXPECT_EQ(grade, row.grade) << row.a << " / " << row.b;
        resetTable(globalTable());
        analyse("typedef int I; typedef I J; enum E { X }; struct S; struct T;");
    }
}

TEST_F(Decl, ComparisonThroughReferencesAndModeWords) {
    const Type* i = baseOf({"int"});
    Type* reference = newType(Kind::Reference);
    reference->inner = const_cast<Type*>(i);
    int grade = kGradeNone;
    EXPECT_EQ(compareTypes(reference, i, grade), 1);
    EXPECT_EQ(grade, kGradeReference);
    Type* mode = newNamed(diag::internString("_in"), const_cast<Type*>(i));
    grade = kGradeNone;
    EXPECT_EQ(compareTypes(mode, i, grade), 1);
    EXPECT_EQ(grade, kGradeParameterMode);
    grade = kGradeIntegralFloating;
    EXPECT_EQ(compareTypes(mode, i, grade), 1);
    EXPECT_EQ(grade, kGradeIntegralFloating) << "the highest grade met stays";
}

// Underlying and promoted types of enumerations, as a C++ compiler settles them.
TEST_F(Decl, EnumerationsSettleTheirTypes) {
    analyser::baseTypeSizes().longBits = 64;
    analyse("enum A { A1 = 1 }; enum B { B1 = -1 }; enum C { C1 = 0xFFFFFFFF };"
            "enum D { D1 = -1, D2 = 0xFFFFFFFF }; enum E { E1 = 0x100000000 }; enum F {};");
    const auto bits = [](const char* tag) {
        const Aggregate* a = lookupTag(globalTable(), diag::internString(tag), Kind::Enumeration, nullptr);
        return std::make_pair(a->underlyingBits, a->promotedBits);
    };
    EXPECT_EQ(bits("A"), std::make_pair(32, -32));
    EXPECT_EQ(bits("B"), std::make_pair(-32, -32));
    EXPECT_EQ(bits("C"), std::make_pair(32, 32));
    EXPECT_EQ(bits("D"), std::make_pair(-64, -64));
    EXPECT_EQ(bits("E"), std::make_pair(64, -64));
    EXPECT_EQ(bits("F"), std::make_pair(32, -32));
}

}  // namespace
