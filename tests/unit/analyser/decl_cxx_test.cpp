// The C++ declarations through the analyser's own interfaces: flat names,
// types from text, template instances made once, hostile C++ inputs.
#include "decl_fixture.h"
#include "hostile_inputs.h"

namespace {

using decltest::Decl;
using namespace analyser::decl;

const Declaration* member(std::string_view scopeText, std::string_view name) {
    const Type* owner = resolveTypedefs(typeFromText(globalTable(), globalTable().global, scopeText));
    if (!owner || !owner->record || !owner->record->scope) return nullptr;
    const auto* chain = entriesInScope(globalTable(), diag::internString(name), owner->record->scope);
    return chain && !chain->empty() ? chain->back() : nullptr;
}

bool reported(std::string_view code) {
    for (const auto& d : decltest::captured())
        if (d.code == code) return true;
    return false;
}

TEST_F(Decl, FlatNamesWriteScopesAndOperatorWords) {
    analyse("namespace N { class C { public: C &operator+=(int); int operator[](int); int C::*operator->*(int);"
            " void *operator new(unsigned long); int operator()(); operator bool(); void plain(); }; }");
    EXPECT_EQ(analyser::qualifiedFlatName(member("N::C", "operator+="), "_"), "N_C_operator_add_assign");
    EXPECT_EQ(analyser::qualifiedFlatName(member("N::C", "operator[]"), "_"), "N_C_operator_subscript");
    EXPECT_EQ(analyser::qualifiedFlatName(member("N::C", "operator->*"), "::"), "N::C::operator_arrow_star");
    EXPECT_EQ(analyser::qualifiedFlatName(member("N::C", "operator new"), "_"), "N_C_operator_new");
    EXPECT_EQ(analyser::qualifiedFlatName(member("N::C", "operator()"), "_"), "N_C_operator_function_call");
    EXPECT_EQ(analyser::qualifiedFlatName(member("N::C", "operator bool"), "_"), "N_C_operator_bool");
    EXPECT_EQ(analyser::qualifiedFlatName(member("N::C", "plain"), "__"), "N__C__plain");
    EXPECT_EQ(analyser::flatName("operator<<="), "operator_left_shift_assign");
    EXPECT_EQ(analyser::flatName("operator(int"), "operator_(int") << "an unclosed bracket is copied";
}

TEST_F(Decl, TypesFromTextAreSilentAndLeaveNothing) {
    analyse("namespace std { template <class T> class vector { public: T *data; }; }");
    const Type* ulong = typeFromText(globalTable(), nullptr, "unsigned long");
    ASSERT_NE(ulong, nullptr);
    EXPECT_EQ(typeText(ulong, ""), "unsigned long");
    EXPECT_EQ(typeFromText(globalTable(), nullptr, "not_a_type"), nullptr);
    EXPECT_EQ(typeFromText(globalTable(), nullptr, "int ("), nullptr);
    EXPECT_TRUE(decltest::captured().empty());
    EXPECT_EQ(find("__vorne_var"), nullptr) << "the probe declaration is removed";
    const Type* vector = typeFromText(globalTable(), nullptr, "std::vector<int>");
    ASSERT_NE(vector, nullptr);
    EXPECT_EQ(typeText(vector, ""), "class std::vector<int>");
    EXPECT_EQ(typeFromText(globalTable(), nullptr, "std::vector<int>"), vector) << "one instance per name";
    EXPECT_EQ(typeText(member("std::vector<int>", "data")->type, ""), "int *");
}

TEST_F(Decl, InstancesBindParametersAndReportMismatches) {
    analyse("template <class T, int N = 2> struct arr { T items[N]; };\n"
            "arr<char> a;\narr<char, 2> b;\narr<> c;\narr<int, 3, 4> d;\n");
    EXPECT_EQ(typeOf("a"), "struct arr<char, 2>");
    EXPECT_EQ(find("a")->type, find("b")->type) << "defaults make the same instance";
    EXPECT_EQ(typeText(member("arr<char, 2>", "items")->type, ""), "char [2]");
    EXPECT_EQ(typeOf("c"), "arr<>") << "a failed instance leaves a type without detail";
    EXPECT_EQ(typeOf("d"), "arr<int, 3, 4>");
    EXPECT_EQ(std::count_if(decltest::captured().begin(), decltest::captured().end(),
                            [](const auto& d) { return d.code == "TEMINSINC"; }),
              2);
}

TEST_F(Decl, InstanceDiagnosticsPointIntoTheTemplate) {
    analyse("template <class T>\nstruct holder {\n  T value;\n  T ) oops;\n};\n\n\nholder<int> h;\n");
    ASSERT_TRUE(reported("SYNTAXERR"));
    EXPECT_EQ(decltest::captured().front().line, 4);
}

TEST_F(Decl, InheritedMembersAndAccessDeclarations) {
    analyse("namespace std { class runtime_error { public: const char *what() const; int code; }; }\n"
            "struct Wrong : std::runtime_error { using std::runtime_error::what; using runtime_error::nothing; };\n");
    const Type* wrong = resolveTypedefs(typeFromText(globalTable(), nullptr, "Wrong"));
    ASSERT_NE(wrong, nullptr);
    ASSERT_EQ(wrong->record->bases.size(), 1u);
    ASSERT_EQ(wrong->record->inherited.size(), 1u);
    EXPECT_EQ(diag::ribbonText(wrong->record->inherited[0]->name), "code");
    EXPECT_NE(lookupName(globalTable(), diag::internString("what"), wrong->record->scope), nullptr)
        << "a base's members are found from the derived class";
    ASSERT_EQ(decltest::captured().size(), 1u);
    EXPECT_EQ(decltest::captured()[0].code, "MODACCINC");
    EXPECT_EQ(decltest::captured()[0].parameter, "nothing");
}

TEST_F(Decl, ClassesDerivingFromThemselvesAreRefused) {
    analyse(hostile::classDerivingFromItself());
    EXPECT_TRUE(reported("SYNTAXERR"));
    EXPECT_NE(find("after"), nullptr);
    const Type* x = resolveTypedefs(typeFromText(globalTable(), nullptr, "X"));
    ASSERT_NE(x, nullptr);
    EXPECT_TRUE(x->record->bases.empty()) << "the cycle is cut";
}

TEST_F(Decl, HostileTemplatesAndNamespacesEnd) {
    analyse(hostile::templateInstantiatingItself());
    EXPECT_TRUE(reported("TEMINSINC"));
    decltest::captured().clear();
    analyse(hostile::unbalancedAngleBrackets(1000));
    EXPECT_TRUE(reported("SYNTAXERR"));
    EXPECT_NE(find("after"), nullptr);
    decltest::captured().clear();
    analyse(hostile::nestedNamespaces(10000));
    EXPECT_TRUE(decltest::captured().empty());
    EXPECT_NE(find("outside"), nullptr);
}

TEST_F(Decl, ExceptionSpecificationsAreKindFifteen) {
    analyse("struct E {};\nvoid f() throw(E, int);\nvoid g() throw();\nvoid h() noexcept(true);\n");
    const Prototype* f = find("f")->type->prototype;
    ASSERT_NE(f->exceptions, nullptr);
    EXPECT_EQ(f->exceptions->kind, Kind::ExceptionSpec);
    ASSERT_EQ(f->exceptions->prototype->parameters.size(), 2u);
    EXPECT_EQ(typeText(f->exceptions->prototype->parameters[0]->type, ""), "struct E");
    ASSERT_NE(find("g")->type->prototype->exceptions, nullptr);
    EXPECT_TRUE(find("g")->type->prototype->exceptions->prototype->parameters.empty());
    EXPECT_EQ(find("h")->type->prototype->exceptions, nullptr);
    EXPECT_TRUE(decltest::captured().empty());
}

TEST_F(Decl, ModernSyntaxCostsNoDiagnostic) {
    analyse("struct [[nodiscard]] alignas(8) S final {\n"
            "  S() noexcept = default; S(const S &) = delete; ~S() override;\n"
            "  static_assert(sizeof(int) == 4, \"int\");\n"
            "  constexpr static int k = 3; inline static int shared = 0; int x{4};\n"
            "  auto get() const -> int { auto f = [this]() { return x; }; return f(); }\n"
            "  template <class... Ts> void many(Ts &&...args);\n"
            "  decltype(k) copy; enum class E : short { a, b };\n"
            "};\n"
            "template <template <class> class TT, class T = void> struct uses;\n"
            "using alias = S;\n"
            "auto made = nullptr;\n");
    EXPECT_TRUE(decltest::captured().empty()) << decltest::captured().front().code << " "
                                              << decltest::captured().front().parameter;
    EXPECT_EQ(typeText(member("S", "get")->type, ""), "int () const");
    EXPECT_EQ(typeText(member("S", "k")->type, ""), "const int");
    EXPECT_EQ(typeOf("alias"), "struct S");
}

}  // namespace
