// Expressions of test scripts over analysed declarations: what is refused,
// the type search and its diagnostics, the images of constants, and array
// lists turned into conditionals.
#include "decl_fixture.h"

#include "analyser/analyser.h"
#include "diag/diag.h"

#include <regex>

namespace {

using decltest::Decl;

// "CODE parameter" of each message an action raised.
std::vector<std::string> messagesOf(const std::function<void()>& action) {
    testing::internal::CaptureStderr();
    action();
    const std::string err = testing::internal::GetCapturedStderr();
    std::vector<std::string> codes;
    static const std::regex message(R"(-[SFEWI]-([A-Z_0-9]+),\s+(.*))");
    std::size_t at = 0;
    while (at < err.size()) {
        const std::size_t end = std::min(err.find('\n', at), err.size());
        std::smatch m;
        const std::string line = err.substr(at, end - at);
        if (std::regex_search(line, m, message)) codes.push_back(m[1].str());
        at = end + 1;
    }
    return codes;
}

class Expressions : public Decl {
protected:
    void SetUp() override {
        Decl::SetUp();
        diag::resetForTesting();
        analyse("struct S { int a; double r; }; struct S s; struct S *ps; int i; int f(void);"
                "int t[3]; enum color { RED, GREEN }; char *text; unsigned long ul;");
    }

    // The image, or "<refused>".
    static std::string image(std::string_view text, std::vector<std::string>* codes = nullptr) {
        std::optional<analyser::AnalysedExpression> e;
        const auto raised = messagesOf([&] { e = analyser::analyseExpression(text); });
        if (codes) *codes = raised;
        return e ? e->image : "<refused>";
    }

    static std::string kindOf(std::string_view text) {
        std::optional<analyser::AnalysedExpression> e;
        messagesOf([&] { e = analyser::analyseExpression(text); });
        if (!e || !e->type) return "<none>";
        return std::string(values::typeKindName(analyser::mapAnalysedType(e->type).kind));
    }

    static std::vector<std::string> codesOf(std::string_view text) {
        std::vector<std::string> codes;
        image(text, &codes);
        return codes;
    }

    static std::string list(std::string_view text, std::vector<analyser::ArrayBounds> dims,
                            std::vector<std::string>* codes = nullptr, bool french = false) {
        std::optional<std::string> converted;
        const auto raised = messagesOf([&] { converted = analyser::arrayListText(text, dims, 1, french); });
        if (codes) *codes = raised;
        return converted ? *converted : "<refused>";
    }
};

using Codes = std::vector<std::string>;

TEST_F(Expressions, ConstantsAreWrittenInOneSpelling) {
    EXPECT_EQ(image("5UL"), "5UL");
    EXPECT_EQ(image("5ll"), "5LL");
    EXPECT_EQ(image("0x10"), "16");
    EXPECT_EQ(image("'A'"), "'A'");
    EXPECT_EQ(image("'\\310'"), "'\\310'");
    EXPECT_EQ(image("'\\1'"), "'\\01'");
    EXPECT_EQ(image("'\\n'"), "'\\n'");
    EXPECT_EQ(image("'\\''"), "'\\''");
    EXPECT_EQ(image("'\"'"), "'\\\"'");
    EXPECT_EQ(image("'\\\\'"), "'\\\\'");
    EXPECT_EQ(image("1.5"), "1.5");
    EXPECT_EQ(image("0.1"), "0.1");
    EXPECT_EQ(image("1/2.0"), "1/2.0") << "a whole floating constant stays floating";
    EXPECT_EQ(image("\"a\\tb\" \"c\""), "\"a\\tbc\"");
    EXPECT_EQ(image("\"\\1\" \"5\""), "\"\\0015\"") << "an escape never swallows the digit after it";
    EXPECT_EQ(codesOf("0x1FFFFFFFFFFFFFFFFFFFFFFFFF"), Codes{"ENTOUTRAN"}) << "constants report at the statement";
}

TEST_F(Expressions, OperatorsKeepTheirGroupingAndSeparation) {
    EXPECT_EQ(image("(I1 == (0)?1:(I1 == (1)?2:3))"), "(I1 == (0)?1:(I1 == (1)?2:3))");
    EXPECT_EQ(image("(((I1>=3) && (I1<=(5)))?5:0)"), "(((I1>=3) && (I1<=(5)))?5:0)");
    EXPECT_EQ(image("i - -1"), "i- -1");
    EXPECT_EQ(image("- -i"), "- -i");
    EXPECT_EQ(image("ps->a + s.r * t[i]"), "ps->a+s.r*t[i]");
    EXPECT_EQ(image("(unsigned long) i"), "(unsigned long)i");
    EXPECT_EQ(image("sizeof(struct S)"), "sizeof(struct S)");
    EXPECT_EQ(image("f()"), "f()");
}

TEST_F(Expressions, ConstructsATestMayNotUseAreRefused) {
    EXPECT_EQ(codesOf("i = 1"), Codes{"AFFECTATI"});
    EXPECT_EQ(codesOf("i <<= 1"), Codes{"AFFECTATI"});
    EXPECT_EQ(codesOf("(1, 2)"), Codes{"SOUSEXPRE"});
    EXPECT_EQ(codesOf("i++"), Codes{"POSTINCRE"});
    EXPECT_EQ(codesOf("i--"), Codes{"POSTDECRE"});
    EXPECT_EQ(codesOf("i + )"), Codes{"SYNTAXERR"});
    EXPECT_EQ(codesOf("i +"), Codes{"UNEXP_EOF"});
    EXPECT_EQ(codesOf("\"open"), Codes{"UNEXP_EOF"});
    EXPECT_EQ(codesOf("t[1..]"), Codes{"SYNTAXERR"});
    EXPECT_EQ(image("t[1..]"), "<refused>");
    EXPECT_EQ(image("t[0..2]"), "t[0..2]");
}

TEST_F(Expressions, TheTypeSearchNamesWhatHasNoType) {
    EXPECT_EQ(codesOf("nope"), Codes{"IDENTIINC"});
    EXPECT_EQ(codesOf("s.z"), Codes{"CHAMPINCO"});
    EXPECT_EQ(codesOf("i.a"), Codes{"INVCHASTR"});
    EXPECT_EQ(codesOf("i->a"), Codes{"NONPOINTE"});
    EXPECT_EQ(codesOf("ps.a"), Codes{"POINSTRUC"});
    EXPECT_EQ(codesOf("(&i)->a"), Codes{"NOPOSTRUC"});
    EXPECT_EQ(codesOf("i[0]"), Codes{"NONTABLEA"});
    EXPECT_EQ(codesOf("i(1)"), Codes{"NONFONCTI"});
    EXPECT_EQ(codesOf("~1.5"), Codes{"OPERENTIE"});
    EXPECT_EQ(codesOf("!s"), Codes{"OPERSCALA"});
    EXPECT_EQ(codesOf("-s"), Codes{"OPERARITH"});
    EXPECT_EQ(codesOf("s * 2"), Codes{"OPERARITH"});
    EXPECT_EQ(codesOf("{1, \"a\"}"), Codes{"TYPESDIFF"});
}

TEST_F(Expressions, TypesFollowTheDeclarations) {
    EXPECT_EQ(kindOf("ps->a"), "ENTIER");
    EXPECT_EQ(kindOf("s.r * 2"), "REEL");
    EXPECT_EQ(kindOf("t[1]"), "ENTIER");
    EXPECT_EQ(kindOf("t[0..2]"), "ENTIER");
    EXPECT_EQ(kindOf("text"), "CHAINE");
    EXPECT_EQ(kindOf("\"abc\""), "CHAINE");
    EXPECT_EQ(kindOf("'a'"), "CARACTERE");
    EXPECT_EQ(kindOf("&i"), "POINTEUR");
    EXPECT_EQ(kindOf("RED"), "ENTIER");
    EXPECT_EQ(kindOf("I2 + J1"), "ENTIER") << "the loop counters of the harness";
    EXPECT_EQ(kindOf("s"), "INCONNU");
}

TEST_F(Expressions, ArrayListsBecomeOneConditional) {
    const analyser::ArrayBounds three{0, 2, false}, ten{0, 9, false};
    EXPECT_EQ(list("{1, 2, 3}", {three}), "(I1 == (0)?1:(I1 == (1)?2:3))");
    EXPECT_EQ(list("{2 => 5, others => 0}", {ten}), "(I1 == 2?5:0)");
    EXPECT_EQ(list("{3..5 => 1, others => 0}", {ten}), "(((I1>=3) && (I1<=(5)))?1:0)");
    EXPECT_EQ(list("{3..5 => 1, autres => 0}", {ten}, nullptr, true), "(((I1>=3) && (I1<=(5)))?1:0)");
    EXPECT_EQ(list("{RED => 1, others => 0}", {ten}), "(I1 == (RED)?1:0)");
    EXPECT_EQ(list("{1, 2, 3}", {{1, 3, true}}), "(I1 == (0+1)?1:(I1 == (1+1)?2:3))");
    EXPECT_EQ(list("{{1, 2}, {3, 4}}", {{0, 1, false}, {0, 1, false}}),
              "(I1 == (0)?(I2 == (0)?1:2):(I2 == (0)?3:4))");
    EXPECT_EQ(list("7", {three}), "7");
}

TEST_F(Expressions, ArrayListsThatDoNotFitAreRefused) {
    Codes codes;
    std::string hundredAndOne = "{";
    for (int k = 0; k < 101; ++k) hundredAndOne += k ? ",1" : "1";
    hundredAndOne += "}";
    EXPECT_EQ(list(hundredAndOne, {{0, 200, false}}, &codes), "<refused>");
    EXPECT_EQ(codes, Codes{"NBVALINCO"});
    EXPECT_EQ(list("{1, 2, 3, 4}", {{0, 2, false}}, &codes), "<refused>");
    EXPECT_EQ(codes, Codes{"NBVALINCO"});
    EXPECT_EQ(list("{1, 2}", {{0, 2, false}}, &codes), "<refused>");
    EXPECT_EQ(codes, Codes{"OMIVALTAB"});
    EXPECT_EQ(list("{5..3 => 1}", {{0, 9, false}}, &codes), "<refused>");
    EXPECT_EQ(codes, Codes{"TABEXPINC"});
    EXPECT_EQ(list("{7 => 1, others => 0}", {{0, 2, false}}, &codes), "0");
    EXPECT_EQ(codes, Codes{"INDICEINC"});
    EXPECT_EQ(list("{nope => 1, others => 0}", {{0, 2, false}}, &codes), "0");
    EXPECT_EQ(codes, Codes{"TABEXPINC"});
    EXPECT_EQ(list("{1, , 3}", {{0, 2, false}}, &codes), "(I1 == (0)?1:3)");
    EXPECT_EQ(codes, Codes{"OMIVALTAB"});
}

// Hostile texts end with a diagnostic, whatever their size.
TEST_F(Expressions, HostileTextsEndWithADiagnostic) {
    const std::string nested = std::string(10000, '(') + "1" + std::string(10000, ')');
    EXPECT_EQ(codesOf(nested), Codes{"SYNTAXERR"});
    std::string chain = "1";
    for (int k = 0; k < 10000; ++k) chain += "+1";
    EXPECT_EQ(codesOf(chain), Codes{"SYNTAXERR"});
    std::string unary(10000, '-');
    EXPECT_EQ(codesOf(unary + "1"), Codes{"SYNTAXERR"});
    EXPECT_EQ(codesOf(std::string(8191, 'v')), Codes{"IDENTIINC"});
    std::string many = "{";
    for (int k = 0; k < 10000; ++k) many += k ? ",1" : "1";
    many += "}";
    Codes codes;
    EXPECT_EQ(list(many, {{0, 9999, false}}, &codes), "<refused>");
    EXPECT_EQ(codes, Codes{"NBVALINCO"});
    std::string deepList = std::string(10000, '{') + "1" + std::string(10000, '}');
    EXPECT_EQ(codesOf(deepList), Codes{"SYNTAXERR"});
}

}  // namespace
