// The symbol table: entry numbers, look-up through scopes, tags by kind,
// removal, and what the classifier finds.
#include "decl_fixture.h"

namespace {

using namespace analyser::decl;
using decltest::Decl;
using decltest::captured;

Name name(std::string_view text) { return diag::internString(text); }

std::vector<std::string> listed() {
    std::vector<std::string> lines;
    analyser::listEntries([&](const analyser::EntryListing& e) { lines.push_back(e.what + " " + e.name); });
    return lines;
}

TEST_F(Decl, EntriesAreNumberedInDeclarationOrder) {
    analyse("struct S { int a; } s; int f(void); enum E { X };");
    std::vector<int> numbers;
    for (const auto& entry : globalTable().order)
        numbers.push_back(entry.declaration ? entry.declaration->number : entry.tag->number);
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(listed(), (std::vector<std::string>{"tag S", "member S::a", "variable s", "function f", "tag E",
                                                  "enumerator X"}));
}

// Names of one old bucket (same character sum and length) are told apart.
TEST_F(Decl, NamesOfOneBucketAreBothFound) {
    analyse("int ab; char ba;");
    EXPECT_EQ(typeOf("ab"), "int");
    EXPECT_EQ(typeOf("ba"), "char");
}

TEST_F(Decl, MembersAreVisibleFromTheirOwnerOnly) {
    analyse("struct S { int inner; }; int outer;");
    const Aggregate* s = lookupTag(globalTable(), name("S"), Kind::Class, nullptr);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(lookupName(globalTable(), name("inner"), nullptr), nullptr);
    EXPECT_NE(lookupName(globalTable(), name("inner"), s->scope), nullptr);
    EXPECT_NE(lookupName(globalTable(), name("outer"), s->scope), nullptr) << "global names are visible everywhere";
}

TEST_F(Decl, TheInnermostScopeHoldingTheNameDecides) {
    analyse("struct S { int n; }; char n;");
    const Aggregate* s = lookupTag(globalTable(), name("S"), Kind::Class, nullptr);
    EXPECT_EQ(typeText(lookupName(globalTable(), name("n"), s->scope)->type, ""), "int");
    EXPECT_EQ(typeText(lookupName(globalTable(), name("n"), nullptr)->type, ""), "char");
}

TEST_F(Decl, UsingDirectivesMakeAScopeVisible) {
    Scope* ns = newScope(ScopeKind::Namespace, name("N"), globalTable().global);
    analyseText(globalTable(), ns, "int inside;", "t.h", 1, decltest::capture);
    EXPECT_EQ(lookupName(globalTable(), name("inside"), nullptr), nullptr);
    globalTable().global->usings.push_back(ns);
    EXPECT_NE(lookupName(globalTable(), name("inside"), nullptr), nullptr);
    globalTable().global->usings.clear();
}

TEST_F(Decl, OverloadsKeepEntryOrderAndTheModeChoosesOne) {
    analyse("int f(int); int f(double); int f(char *);");
    const auto* chain = entriesInScope(globalTable(), name("f"), globalTable().global);
    ASSERT_NE(chain, nullptr);
    ASSERT_EQ(chain->size(), 3u);
    EXPECT_EQ(typeText(lookupName(globalTable(), name("f"), nullptr)->type, ""), "int (char *)");
    EXPECT_EQ(typeText(lookupName(globalTable(), name("f"), nullptr, LookupMode::FirstVisible)->type, ""),
              "int (int)");
}

TEST_F(Decl, RedeclaredFunctionsKeepTheLastParameterNames) {
    analyse("int f(int a, char *); int f(int count, char *text);");
    const auto* chain = entriesInScope(globalTable(), name("f"), globalTable().global);
    ASSERT_EQ(chain->size(), 1u);
    const Prototype* p = chain->front()->type->prototype;
    EXPECT_EQ(diag::ribbonText(p->parameters[0]->name), "count");
    EXPECT_EQ(diag::ribbonText(p->parameters[1]->name), "text");
}

TEST_F(Decl, ParameterNamesOfListsOfDifferentLengthsAreAnInternalError) {
    analyse("int e(); int f(int a); int g(void); int h(int b, int c);");
    CPP_modify_param_name(const_cast<Declaration*>(find("e")), find("g"), "t.h", 1);
    EXPECT_TRUE(captured().empty()) << "an empty list matches (void)";
    CPP_modify_param_name(const_cast<Declaration*>(find("f")), find("h"), "t.h", 9);
    EXPECT_EQ(codes(), (std::vector<std::string>{"ERRINTERN CPP_modify_param_name"}));
    EXPECT_EQ(captured()[0].severity, analyser::kInternalError);
}

TEST_F(Decl, TagsAreLookedUpByKind) {
    analyse("struct N { int a; }; union N2 { int b; }; enum N3 { Z };");
    EXPECT_NE(lookupTag(globalTable(), name("N"), Kind::Class, nullptr), nullptr);
    EXPECT_EQ(lookupTag(globalTable(), name("N"), Kind::Union, nullptr), nullptr);
    EXPECT_NE(lookupTag(globalTable(), name("N2"), Kind::Union, nullptr), nullptr);
    EXPECT_NE(lookupTag(globalTable(), name("N3"), Kind::Enumeration, nullptr), nullptr);
}

TEST_F(Decl, UnnamedTagsAreKeptApart) {
    analyse("struct { int a; } x; enum { A } y;");
    EXPECT_EQ(globalTable().unnamedTags.size(), 2u);
    EXPECT_EQ(listed(), (std::vector<std::string>{"member <anonymous>::a", "variable x", "enumerator A",
                                                  "variable y"}));
}

TEST_F(Decl, RemovedEntriesAreNeitherFoundNorListed) {
    analyse("int kept; int gone; struct T { int m; };");
    removeDeclaration(globalTable(), const_cast<Declaration*>(find("gone")));
    removeTag(globalTable(), lookupTag(globalTable(), name("T"), Kind::Class, nullptr));
    EXPECT_EQ(find("gone"), nullptr);
    EXPECT_EQ(lookupTag(globalTable(), name("T"), Kind::Class, nullptr), nullptr);
    EXPECT_EQ(listed(), (std::vector<std::string>{"variable kept", "member T::m"}));
}

// What the classifier finds: a variable hides a tag of its scope; a typedef
// is a type.
TEST_F(Decl, ANameDenotesItsInnermostDeclaration) {
    analyse("struct stat { int size; }; int stat(const char *, struct stat *); typedef int T;");
    Denoted stat = lookupAny(globalTable(), name("stat"), nullptr);
    EXPECT_NE(stat.declaration, nullptr);
    EXPECT_EQ(stat.tag, nullptr);
    EXPECT_TRUE(stat.inCurrentScope);
    EXPECT_NE(lookupAny(globalTable(), name("T"), nullptr).declaration, nullptr);
    EXPECT_EQ(typeOf("stat"), "int (const char *, struct stat *)");
}

TEST_F(Decl, QualifiedNamesFollowTheScopes) {
    analyse("struct A { struct B { int x; } b; union { int u; }; struct { int v; } w; };");
    EXPECT_EQ(listed(), (std::vector<std::string>{"tag A", "tag A::B", "member A::B::x", "member A::b",
                                                  "member A::<anonymous>::u", "member A::<anonymous>::v",
                                                  "member A::w"}));
    const Aggregate* a = lookupTag(globalTable(), name("A"), Kind::Class, nullptr);
    EXPECT_NE(lookupName(globalTable(), name("u"), a->scope), nullptr) << "an anonymous member's members are the owner's";
}

}  // namespace

// A fresh analysis in the same process shares base types, their qualified
// forms, built-in typedefs and named scopes anew: nothing kept from before
// points at a record that is gone.
TEST_F(Decl, AFreshAnalysisForgetsEveryRecord) {
    const std::string text =
        "typedef const unsigned short U; U a; volatile U b; const int c, d; __builtin_va_list v;\n";
    const auto analyseAll = [&] {
        analyse(text);
        analyser::CPP_analyse_decl("long inner;", "space", "t.h", 1, decltest::capture);
        return typeOf("a") + "|" + typeOf("b") + "|" + typeOf("c") + "|" + typeOf("v");
    };
    const std::string first = analyseAll();
    resetAnalysis();
    EXPECT_EQ(find("a"), nullptr);
    EXPECT_EQ(analyseAll(), first);
    EXPECT_EQ(find("c")->type, find("d")->type) << "the qualified base type is shared again";
    EXPECT_TRUE(captured().empty());
}
