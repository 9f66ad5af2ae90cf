// The type image, the script kind of analysed types and the field queries
// the script side asks.
#include "decl_fixture.h"

namespace {

using namespace analyser::decl;
using decltest::Decl;
using decltest::captured;

TEST_F(Decl, ImagesAreDeclarationsAroundAName) {
    analyse("typedef struct S { int a; } S_t; int (*fp)(int, ...); char *const *cpp; const struct S cs[2];"
            "void (*(*handlers[3])(int))(char); unsigned long f(void); int g(); int buf[];");
    const std::pair<const char*, const char*> rows[] = {
        {"fp", "int (*fp)(int, ...)"},
        {"cpp", "char *const *cpp"},
        {"cs", "const struct S cs[2]"},
        {"handlers", "void (*(*handlers[3])(int))(char)"},
        {"f", "unsigned long f(void)"},
        {"g", "int g()"},
        {"buf", "int buf[]"},
        {"S_t", "struct S S_t"},
    };
    for (const auto& [name, text] : rows) EXPECT_EQ(typeText(find(name)->type, name), text);
    const TypeImage image = typeImage(find("fp")->type);
    EXPECT_EQ(image.prefix, "int (*");
    EXPECT_EQ(image.suffix, ")(int, ...)");
    EXPECT_EQ(analyser::typeImage(nullptr, "x"), "int x") << "an absent type is int";
}

TEST_F(Decl, TypeIdsHaveNoName) {
    analyse("struct S { int a; }; struct S s4[4]; int f(double, char *); const char *p; unsigned long u;");
    EXPECT_EQ(typeOf("s4"), "struct S [4]");
    EXPECT_EQ(typeOf("f"), "int (double, char *)");
    EXPECT_EQ(typeOf("p"), "const char *");
    EXPECT_EQ(typeOf("u"), "unsigned long");
}

TEST_F(Decl, SignedCharPointersInModeSeven) {
    analyse("char *s; signed char *sc; unsigned char *uc; typedef char C; C **cc; char a[3];");
    const auto mode7 = [](const char* name) { return analyser::typeImage(find(name)->type, name, 7); };
    EXPECT_EQ(mode7("s"), "char s[200]");
    EXPECT_EQ(mode7("sc"), "char sc[200]");
    EXPECT_EQ(mode7("uc"), "unsigned char *uc");
    EXPECT_EQ(mode7("cc"), "char cc[200]");
    EXPECT_EQ(mode7("a"), "char a[3]") << "only pointers";
    EXPECT_TRUE(endsOnSignedChar(find("a")->type));
    EXPECT_FALSE(endsOnSignedChar(find("uc")->type));
}

TEST_F(Decl, BodiesAreWrittenWhenAskedOrWhenUnnamed) {
    analyse("enum E { A, B = 4 }; struct S { int a; enum E e; unsigned f : 3; }; enum { X } anon;");
    ImageOptions options;
    options.withBody = true;
    options.indentation = "\t";
    const Aggregate* e = lookupTag(globalTable(), diag::internString("E"), Kind::Enumeration, nullptr);
    EXPECT_EQ(typeText(e->type, "", options), "enum E {\n\t\tA,\n\t\tB = 4\n\t}");
    const Aggregate* s = lookupTag(globalTable(), diag::internString("S"), Kind::Class, nullptr);
    EXPECT_EQ(typeText(s->type, "s", options), "struct S {\n\t\tint a;\n\t\tenum E e;\n\t\tunsigned int f : 3;\n\t} s");
    EXPECT_EQ(typeOf("anon"), "enum {\n\tX\n}");
    options = {};
    options.anonymous = true;
    EXPECT_EQ(typeText(find("anon")->type, "", options), "enum <anonymous>");
}

struct Mapping {
    const char* declaration;
    values::TypeKind kind;
    const char* french;
    int size;
    const char* cType;
};

TEST_F(Decl, AnalysedTypesMapToScriptKinds) {
    using values::TypeKind;
    analyse("typedef long double LD; struct S { int a; }; enum E { X = -1 }; typedef int F(void);");
    const Mapping rows[] = {
        {"int v;", TypeKind::ENTIER, "entier", -32, "int"},
        {"unsigned short v;", TypeKind::ENTIER, "unsigned", 16, "unsigned short"},
        {"char v;", TypeKind::CARACTERE, "caractere", -8, "char"},
        {"signed char v;", TypeKind::CARACTERE, "caractere", -8, "signed char"},
        {"unsigned char v;", TypeKind::ENTIER, "unsigned", 8, "unsigned char"},
        {"double v;", TypeKind::REEL, "double", 0, "double"},
        {"float v;", TypeKind::REEL, "float", 0, "float"},
        {"LD v;", TypeKind::REEL, "longdouble", 0, "LD"},
        {"char *v;", TypeKind::CHAINE, "chaine", 0, "char *"},
        {"const char *v;", TypeKind::CHAINE, "chaine", 0, "char *"},
        {"char v[8];", TypeKind::CHAINE, "chaine", 0, "char [8]"},
        {"int *v;", TypeKind::POINTEUR, "pointeur", 0, "int *"},
        {"int v[2];", TypeKind::POINTEUR, "pointeur", 0, "int [2]"},
        {"enum E v;", TypeKind::ENTIER, "entier", -32, "enum E"},
        {"void *v;", TypeKind::POINTEUR, "pointeur", 0, "void *"},
        {"F v;", TypeKind::POINTEUR, "pointeur", 0, "F"},
        {"struct S v;", TypeKind::INCONNU, "INCONNUE", 0, "struct S"},
    };
    for (const auto& row : rows) {
        analyse(row.declaration);
        const analyser::KindMapping k = analyser::mapAnalysedType(find("v")->type);
        EXPECT_EQ(k.kind, row.kind) << row.declaration;
        EXPECT_EQ(k.frenchName, row.french) << row.declaration;
        EXPECT_EQ(k.size, row.size) << row.declaration;
        EXPECT_EQ(k.cType, row.cType) << row.declaration;
        removeDeclaration(globalTable(), const_cast<Declaration*>(find("v")));
    }
    const analyser::KindMapping v = analyser::mapAnalysedType(newType(Kind::Void));
    EXPECT_EQ(v.kind, TypeKind::ENTIER);
    EXPECT_EQ(v.cType, "void");
}

TEST_F(Decl, FieldsOfStructuresAndEnumerators) {
    analyse("struct In { int x; int y; }; struct Out { char c; struct In in; struct In *p; };"
            "enum E { A, B, C }; typedef struct Out O;");
    const Type* out = find("O")->type;
    EXPECT_EQ(analyser::fieldCount(out), 3);
    EXPECT_EQ(analyser::fieldCount(find("A")->type), 1);
    EXPECT_EQ(analyser::fieldIndex(out, "in"), 2);
    EXPECT_EQ(analyser::fieldIndex(out, "none"), 0);
    EXPECT_EQ(analyser::fieldIndex(find("A")->type, "C"), 3);
    EXPECT_EQ(analyser::fieldPath(out, 2, false), ".in");
    EXPECT_EQ(analyser::fieldPath(out, 3, true), ".in.y");
    EXPECT_EQ(analyser::fieldPath(out, 4, true), ".p");
    EXPECT_EQ(analyser::fieldPath(out, 5, true), "");
    EXPECT_EQ(analyser::fieldPath(out, 0, false), "");
    EXPECT_TRUE(analyser::isTestableField(out, 2));
    EXPECT_FALSE(analyser::isTestableField(out, 4));
    EXPECT_FALSE(analyser::isTestableField(find("A")->type, 1));
    analyse("struct Mixed { union { int i; }; int bits : 3; };");
    const Type* mixed = lookupTag(globalTable(), diag::internString("Mixed"), Kind::Class, nullptr)->type;
    EXPECT_FALSE(analyser::isTestableField(mixed, 1)) << "an anonymous member has no name of its own";
    EXPECT_TRUE(analyser::isTestableField(mixed, 2));
}

TEST_F(Decl, AStructureThatContainsItselfIsWalkedOnce) {
    analyse("typedef struct Loop L; struct Loop { int head; L tail; };");
    EXPECT_EQ(analyser::fieldPath(find("L")->type, 1, true), ".head");
    EXPECT_EQ(analyser::fieldPath(find("L")->type, 2, true), ".tail");
    EXPECT_EQ(analyser::fieldPath(find("L")->type, 3, true), "");
}

}  // namespace
