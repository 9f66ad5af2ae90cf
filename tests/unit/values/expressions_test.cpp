// The script expression language: folding, irreducible texts, strings,
// syntax errors in both keyword languages, symbols and rendering.
#include "values/expressions.h"

#include "diag/diag.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>

namespace {

using values::DisplayFormat;
using values::Target;
using values::TypeKind;
using values::Value;
using values::ValueKind;

constexpr values::Dialect kEnglish{values::kCpp, values::kEnglish};
constexpr values::Dialect kFrench{values::kCpp, values::kFrench};

class Expressions : public testing::Test {
protected:
    void SetUp() override {
        diag::resetForTesting();
        values::resetEvaluatorForTesting();
        testing::internal::CaptureStderr();
    }
    void TearDown() override {
        testing::internal::GetCapturedStderr();
        values::resetEvaluatorForTesting();
        diag::resetForTesting();
    }
    std::string messages() {
        std::string text = testing::internal::GetCapturedStderr();
        testing::internal::CaptureStderr();
        return text;
    }
};

// "integer 14", "irreducible x+1", "error", ...
std::string describe(const Value& v) {
    switch (v.kind) {
    case ValueKind::Identifier:
        return "identifier " + v.text;
    case ValueKind::Integer:
        return "integer " + values::image(v.integer, DisplayFormat::DECIMAL, 0);
    case ValueKind::Real:
        return "real " + values::image(v.real, 19);
    case ValueKind::String:
        return "string " + v.text;
    case ValueKind::Irreducible:
        return "irreducible " + v.text;
    case ValueKind::Error:
        return "error";
    default:
        return "none";
    }
}

std::string eval(std::string_view text, const values::Dialect& dialect = kEnglish) {
    return describe(values::evaluate(text, dialect));
}

struct Case {
    const char* text;
    const char* expected;
};

// ---- Folding --------------------------------------------------------------------

TEST_F(Expressions, ConstantsFold) {
    const Case cases[] = {
        {"2+3*4", "integer 14"},
        {"(2+3)*4", "integer 20"},
        {"-5", "integer -5"},
        {"1-2-3", "integer -4"},
        {"100/10/5", "integer 2"},
        {"-7/2", "integer -3"},
        {"2*-3", "integer -6"},
        {"- (2+3)", "integer -5"},
        {"((((1))))", "integer 1"},
        {"0x10 + 010", "integer 24"},
        {"0FFH", "integer 255"},
        {"0ffh", "integer 255"},
        {"101B", "integer 5"},
        {"0b11", "integer 3"},
        {"10UL + 1lu", "integer 11"},
        {"0", "integer 0"},
        {"1.5+1", "real 0.25E1"},
        {"1/2.0", "real 0.5"},
        {"1e3", "real 0.1E4"},
        {"1.5e-3", "real 0.15E-2"},
        {"2.5E+2f", "real 0.25E3"},
        {".5 * 4", "real 0.2E1"},
        {"-1.5", "real -0.15E1"},
        {"0.1 + 0.2", "real 0.3"},
        {"187072209578355573530071658587684226515959365500926 + 1",
         "integer 187072209578355573530071658587684226515959365500927"},
        {"7 & 3", "irreducible 7&3"},
        {"1.5 & 2", "irreducible 0.15E1&2"},
    };
    for (const auto& c : cases) EXPECT_EQ(eval(c.text), c.expected) << c.text;
    EXPECT_EQ(messages(), "");
}

TEST_F(Expressions, ArithmeticFailuresGiveTheErrorKind) {
    EXPECT_EQ(eval("1/0"), "error");
    EXPECT_EQ(messages(), "Morvik-E-DIVBYZERO,  Division by zero\n");
    EXPECT_EQ(eval("1.0/(2-2)"), "error");
    EXPECT_EQ(messages(), "Morvik-E-DIVBYZERO,  Division by zero\n");
    EXPECT_EQ(eval("187072209578355573530071658587684226515959365500927 + 1"), "error");
    EXPECT_EQ(messages(), "Morvik-E-OVERFLOW,  Integer operation overflow "
                          "187072209578355573530071658587684226515959365500927 + 1\n");
    // An error stops the evaluation: one message per expression.
    EXPECT_EQ(eval("1/0 + 1/0 + x"), "error");
    EXPECT_EQ(diag::errorCount(), 4u);
    messages();
}

// ---- Texts ------------------------------------------------------------------------

TEST_F(Expressions, NonConstantsStayText) {
    const Case cases[] = {
        {"x", "identifier x"},
        {"x+1", "irreducible x+1"},
        {"1+x", "irreducible 1+x"},
        {"x*2+y", "irreducible x*2+y"},
        {"(x+1)*2", "irreducible (x+1)*2"},
        {"x*(1+2)", "irreducible x*3"},
        {"-x", "irreducible -x"},
        {"-(x)", "irreducible -(x)"},
        {"a - -1", "irreducible a-(-1)"},
        {"a - -b", "irreducible a-(-b)"},
        {"x + 1.5", "irreducible x+0.15E1"},
        {"s.f[2]->g", "irreducible s.f[2]->g"},
        {"f(1+1, x)", "irreducible f(2,x)"},
        {"f()", "irreducible f()"},
        {"A::b", "irreducible A::b"},
        {"::g", "identifier ::g"},
        {"v<int>::n", "irreducible v<int>::n"},
        {"m<unsigned int, 3>", "irreducible m<unsigned int,3>"},
        {"T{1,2}", "irreducible T{1,2}"},
        {"p.*m", "irreducible p.*m"},
        {"p->*m", "irreducible p->*m"},
        {"tab[0..9]", "irreducible tab[0..9]"},
        {"tab[2*3][i]", "irreducible tab[6][i]"},
        {"(unsigned long)x", "irreducible (unsigned long)x"},
        {"(struct s *)p", "irreducible (struct s *)p"},
        {"(long)-1", "irreducible (long)-1"},
        {"(char *)p", "irreducible (char *)p"},
        {"(T**)p", "irreducible (T * *)p"},
        {"(T)(y)", "irreducible (T)(y)"},
        {"(int)2", "irreducible (int)2"},
        {"(x)-1", "irreducible (x)-1"},
        {"@x", "irreducible &x"},
        {"@a[1]", "irreducible &a[1]"},
        {"@(a.b)", "irreducible &(a.b)"},
        {"[1, 2+1, x]", "irreducible [1,3,x]"},
        {"[1..3:0, :5]", "irreducible [1..3:0,:5]"},
        {"x & 1", "irreducible x&1"},
    };
    for (const auto& c : cases) EXPECT_EQ(eval(c.text), c.expected) << c.text;
    EXPECT_EQ(messages(), "");
}

// Without C syntax a "*" before ")" is a missing factor.
TEST_F(Expressions, PointerDeclaratorsOnlyInC) {
    EXPECT_EQ(eval("(T*)p", {values::kC, values::kEnglish}), "irreducible (T *)p");
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(eval("(T*)p", {values::kAda, values::kEnglish}), "error");
    EXPECT_EQ(messages(), "Morvik-E-SYNTAXERO,  <FACTEUR> expected\n");
}

// ---- Strings -----------------------------------------------------------------------

TEST_F(Expressions, StringRules) {
    const Case cases[] = {
        {"\"ab\"+s", "irreducible \"ab\",s"},
        {"s + \"ab\"", "irreducible s,\"ab\""},
        {"\"ab\" & s", "irreducible \"ab\",s"},
        {"\"ab\" - s", "irreducible \"ab\"-s"},
        {"\"ab\"+\"cd\"", "string abcd"},
        {"'a' & 'b'", "string ab"},
        {"\"a\" + \"b\" + \"c\"", "string abc"},
        {"\"a\"*\"b\"", "irreducible \"a\"*\"b\""},
        {"\"a\\\"b\"+x", "irreducible \"a\\\"b\",x"},
        {"\"a\\n\\x41\\101\\q\"", "string a\nAAq"},
        {"''", "string "},
    };
    for (const auto& c : cases) EXPECT_EQ(eval(c.text), c.expected) << c.text;
    EXPECT_EQ(messages(), "");
}

TEST_F(Expressions, StringsDoNotMixWithNumbers) {
    EXPECT_EQ(eval("\"a\"+1"), "error");
    EXPECT_EQ(messages(), "Morvik-E-TYPESMISM,  Types mismatch STRING_CST,INTEGER_CST (\"a\"+1)\n");
    EXPECT_EQ(eval("1.5*'b'", kFrench), "error");
    EXPECT_EQ(messages(), "Morvik-E-TYPESMISM,  Types mismatch CST_REELLE,CST_STRING (0.15E1*\"b\")\n");
    EXPECT_EQ(eval("-\"a\""), "error");
    EXPECT_EQ(messages(), "Morvik-E-TYPESMISM,  Types mismatch STRING_CST (-\"a\")\n");
}

// ---- Syntax errors -----------------------------------------------------------------

struct SyntaxCase {
    const char* text;
    const char* french;
    const char* english;
};

TEST_F(Expressions, EverySyntaxErrorText) {
    const SyntaxCase cases[] = {
        {"2*", "<FACTEUR>", "<FACTEUR>"},
        {"2/)", "<FACTEUR>", "<FACTEUR>"},
        {"2+", "<TERME>", "<TERME>"},
        {"x-*", "<TERME>", "<TERME>"},
        {"", "'(' ou '[' ou '@' ou <CONSTANTE> ou <IDENTIFICATEUR>",
         "'(' ou '[' ou '@' ou <CONSTANTE> ou <IDENTIFIER>"},
        {")", "'(' ou '[' ou '@' ou <CONSTANTE> ou <IDENTIFICATEUR>",
         "'(' ou '[' ou '@' ou <CONSTANTE> ou <IDENTIFIER>"},
        {"-[1]", "'(' ou <CONSTANTE> ou <IDENTIFICATEUR>", "'(' ou <CONSTANTE> ou <IDENTIFIER>"},
        {"--1", "'(' ou <CONSTANTE> ou <IDENTIFICATEUR>", "'(' ou <CONSTANTE> ou <IDENTIFIER>"},
        {"[]", "':' ou <CONSTANTE> ou <IDENTIFICATEUR>", "':' ou <CONSTANTE> ou <IDENTIFIER>"},
        {"[1,)", "':' ou <CONSTANTE> ou <IDENTIFICATEUR>", "':' ou <CONSTANTE> ou <IDENTIFIER>"},
        {"@1", "'(' ou <IDENTIFICATEUR>", "'(' ou <IDENTIFIER>"},
        {"a.", "<IDENTIFICATEUR>", "<IDENTIFIER>"},
        {"a->2", "<IDENTIFICATEUR>", "<IDENTIFIER>"},
        {":: 1", "<IDENTIFICATEUR>", "<IDENTIFIER>"},
        {"a[1", "']'", "']'"},
        {"[1,2", "']'", "']'"},
        {"(1", "')'", "')'"},
        {"f(1", "')'", "')'"},
        {"f(", "')'", "')'"},
        {"@(x", "')'", "')'"},
        {"(unsigned x", "')'", "')'"},
        {"T{1", "'}'", "'}'"},
        {"v<int", "'>'", "'>'"},
        {"1)", "<fin d'expression>", "<fin d'expression>"},
        {"x y", "<fin d'expression>", "<fin d'expression>"},
        {"x % 2", "<fin d'expression>", "<fin d'expression>"},
        {"(long)", "'(' ou '[' ou '@' ou <CONSTANTE> ou <IDENTIFICATEUR>",
         "'(' ou '[' ou '@' ou <CONSTANTE> ou <IDENTIFIER>"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(eval(c.text, kFrench), "error") << c.text;
        EXPECT_EQ(messages(), std::string("Morvik-E-SYNTAXERO,  ") + c.french + " expected\n") << c.text;
        EXPECT_EQ(eval(c.text, kEnglish), "error") << c.text;
        EXPECT_EQ(messages(), std::string("Morvik-E-SYNTAXERO,  ") + c.english + " expected\n") << c.text;
    }
}

TEST_F(Expressions, SyntaxErrorsCarryThePosition) {
    diag::setCurrentFile("t.ptu");
    diag::setCurrentLine(12);
    EXPECT_EQ(eval("(1+2))"), "error");
    EXPECT_EQ(messages(), "Morvik-E-SYNTAXERO,  [t.ptu:12] <fin d'expression> expected\n");
}

TEST_F(Expressions, LexicalErrorsAreReportedOnce) {
    const Case cases[] = {
        {"1.2.3", "Morvik-E-ERRLEXCAL,  Lexical error 1.2.3\n"},
        {"12abc + 1", "Morvik-E-ERRLEXCAL,  Lexical error 12abc\n"},
        {"09", "Morvik-E-ERRLEXCAL,  Lexical error 09\n"},
        {"1e", "Morvik-E-ERRLEXCAL,  Lexical error 1e\n"},
        {"x + \"abc", "Morvik-E-ERRLEXCAL,  Lexical error \"abc\n"},
        {"'\\x'", "Morvik-E-ERRLEXCAL,  Lexical error '\\x'\n"},
        {"\"\\400\"", "Morvik-E-ERRLEXCAL,  Lexical error \"\\400\"\n"},
        {"a ` b", "Morvik-E-CHARINVAL,  Invalid character `\n"},
        {"2 * \x01", "Morvik-E-CHARINVAL,  Invalid character \\001\n"},
        {"1 + \xE9t\xE9", "Morvik-E-CHARINVAL,  Invalid character \\351\n"},
        {"1000000000000000000000000000000000000000000000000000000000000",
         "Morvik-E-TRFSTRINT,  Cannot convert string 1000000000000000000000000000000000000000000000000000000000000 "
         "into an integer value\n"},
        {"0x8000000000000000000000000000000000000000000",
         "Morvik-E-TRFSTRINT,  Cannot convert string 8000000000000000000000000000000000000000000 into an integer "
         "value\n"},
        {"1e99999999999", "Morvik-E-OVERFLOW,  Integer operation overflow 1e99999999999\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(eval(c.text), "error") << c.text;
        EXPECT_EQ(messages(), c.expected) << c.text;
    }
}

TEST_F(Expressions, NestingIsBounded) {
    const std::string nested199 = std::string(199, '(') + "1" + std::string(199, ')');
    EXPECT_EQ(eval(nested199), "integer 1");
    const std::string lists = std::string(100, '[') + "x" + std::string(100, ']');
    EXPECT_EQ(eval(lists), "irreducible " + lists);
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(eval(std::string(5000, '(') + "1" + std::string(5000, ')')), "error");
    EXPECT_EQ(messages(), "Morvik-E-LINETOLON,  Too long instruction ((((((((((((((((((((((((((((((((((((((((...\n");
    std::string casts;
    for (int i = 0; i < 3000; ++i) casts += "(long)";
    EXPECT_EQ(eval(casts + "1"), "error");
    std::string calls;
    for (int i = 0; i < 3000; ++i) calls += "f(";
    EXPECT_EQ(eval(calls), "error");
    EXPECT_EQ(diag::errorCount(), 3u);
    messages();
}

// ---- Symbols ---------------------------------------------------------------------

TEST_F(Expressions, PseudoMacrosReplaceNames) {
    values::defineSymbol("INIT", Value::integerConstant(values::Integer::fromInt(5)));
    values::defineSymbol("VA", Value::irreducible("x+1"));
    values::defineSymbol("I", Value::identifier("k"));
    EXPECT_EQ(eval("INIT*2"), "integer 10");
    EXPECT_EQ(eval("VA*2"), "irreducible (x+1)*2");
    EXPECT_EQ(eval("t[I]"), "irreducible t[k]");
    EXPECT_EQ(eval("init"), "identifier init");
    EXPECT_EQ(eval("@INIT"), "irreducible &INIT");
    EXPECT_EQ(eval("INIT.f"), "irreducible INIT.f");
    values::defineSymbol("INIT", Value::string("ab"));
    EXPECT_EQ(eval("INIT+\"c\""), "string abc");
    values::undefineSymbol("INIT");
    values::undefineSymbol("NEVER");
    EXPECT_EQ(eval("INIT+1"), "irreducible INIT+1");
    EXPECT_EQ(messages(), "");
}

TEST_F(Expressions, ConstantTable) {
    EXPECT_TRUE(values::addConstant("N", values::evaluate("3", kEnglish)));
    EXPECT_TRUE(values::addConstant("NAME", values::evaluate("\"abc\"", kEnglish)));
    EXPECT_FALSE(values::addConstant("N", values::evaluate("4", kEnglish)));
    ASSERT_NE(values::findConstant("N"), nullptr);
    EXPECT_EQ(describe(values::findConstant("N")->value), "integer 3");
    EXPECT_EQ(values::findConstant("n"), nullptr);
    ASSERT_EQ(values::constants().size(), 2u);
    EXPECT_EQ(values::constants()[1].name, "NAME");
    EXPECT_EQ(values::constants()[1].value.kind, ValueKind::String);

    EXPECT_EQ(eval("N+1"), "integer 4");
    EXPECT_EQ(eval("tab[0..N-1]"), "irreducible tab[0..2]");
    values::defineSymbol("N", Value::integerConstant(values::Integer::fromInt(10)));
    EXPECT_EQ(eval("N+1"), "integer 11");
    values::undefineSymbol("N");
    EXPECT_EQ(eval("N+1"), "integer 4");
    EXPECT_EQ(messages(), "");
}

// ---- Combination table -------------------------------------------------------------

TEST_F(Expressions, CombinationTable) {
    const Value id = Value::identifier("x");
    const Value irr = Value::irreducible("f(y)");
    const Value i = Value::integerConstant(values::Integer::fromInt(-2));
    const Value r = values::evaluate("1.5", kEnglish);
    const Value s = Value::string("s");
    const auto c = [](const Value& a, std::string_view op, const Value& b) {
        return describe(values::combine(a, op, b, kEnglish));
    };
    EXPECT_EQ(c(id, "+", id), "irreducible x+x");
    EXPECT_EQ(c(id, "*", i), "irreducible x*(-2)");
    EXPECT_EQ(c(id, "/", r), "irreducible x/0.15E1");
    EXPECT_EQ(c(id, "+", s), "irreducible x,\"s\"");
    EXPECT_EQ(c(id, "-", irr), "irreducible x-f(y)");
    EXPECT_EQ(c(i, "-", id), "irreducible -2-x");
    EXPECT_EQ(c(i, "*", i), "integer 4");
    EXPECT_EQ(c(i, "+", r), "real -0.5");
    EXPECT_EQ(c(i, "%", i), "irreducible -2%(-2)");
    EXPECT_EQ(c(r, "-", i), "real 0.35E1");
    EXPECT_EQ(c(r, "<<", r), "irreducible 0.15E1<<0.15E1");
    EXPECT_EQ(c(r, "+", irr), "irreducible 0.15E1+f(y)");
    EXPECT_EQ(c(s, "&", id), "irreducible \"s\",x");
    EXPECT_EQ(c(s, "&", irr), "irreducible \"s\",f(y)");
    EXPECT_EQ(c(irr, "+", s), "irreducible f(y),\"s\"");
    EXPECT_EQ(c(irr, "*", irr), "irreducible f(y)*f(y)");
    EXPECT_EQ(describe(values::combine(s, "+", id, {values::kAda, values::kEnglish})), "irreducible \"s\"&x");
    EXPECT_EQ(describe(values::combine(s, "+", id, {values::kPascal, values::kEnglish})), "irreducible 's'+x");
    EXPECT_EQ(messages(), "");

    EXPECT_EQ(c(s, "+", i), "error");
    EXPECT_EQ(c(i, "+", s), "error");
    EXPECT_EQ(c(Value(), "+", i), "error");
    EXPECT_EQ(messages(),
              "Morvik-E-TYPESMISM,  Types mismatch STRING_CST,INTEGER_CST (\"s\"+-2)\n"
              "Morvik-E-TYPESMISM,  Types mismatch INTEGER_CST,STRING_CST (-2+\"s\")\n"
              "Morvik-E-TYPESMISM,  Types mismatch END_LEX,INTEGER_CST (+-2)\n");
    EXPECT_EQ(c(i, "", i), "error");
    EXPECT_EQ(messages(), "Morvik-E-SIGNEINCO,  Unknown symbol -2 -2\n");
    EXPECT_EQ(c(Value::error(), "+", i), "error");
    EXPECT_EQ(c(i, "/", Value::integerConstant(values::kIntegerZero)), "error");
    EXPECT_EQ(messages(), "Morvik-E-DIVBYZERO,  Division by zero\n");
}

TEST_F(Expressions, SourceTexts) {
    EXPECT_EQ(values::sourceText(values::evaluate("-12", kEnglish), kEnglish), "-12");
    EXPECT_EQ(values::sourceText(values::evaluate("0.5", kEnglish), kEnglish), "0.5");
    EXPECT_EQ(values::sourceText(Value::string("a\"\\\n\r\t\f\x01\x7f\xe9"), kEnglish),
              "\"a\\\"\\\\\\n\\r\\t\\f\\001\x7f\xe9\"");
    EXPECT_EQ(values::sourceText(Value::irreducible("x+1"), kEnglish), "x+1");
}

// ---- Rendering ---------------------------------------------------------------------

struct RenderCase {
    const char* value;
    Target target;
    const char* expected;  // nullptr: nothing rendered
    const char* messages;
};

TEST_F(Expressions, RenderingForTargets) {
    const char* const kBit8 = "Morvik-W-BITIGNORE,  Integer too long for th size 8: the most significant bit are "
                              "ignored\n";
    const RenderCase cases[] = {
        {"300", {TypeKind::ENTIER, DisplayFormat::DECIMAL_DEF, 8}, "44", kBit8},
        {"300", {TypeKind::ENTIER, DisplayFormat::UNSIGNED, -8}, "44", kBit8},
        {"200", {TypeKind::ENTIER, DisplayFormat::DECIMAL, -8}, "-56", kBit8},
        {"255", {TypeKind::ENTIER, DisplayFormat::DECIMAL_DEF, 8}, "255", ""},
        {"-128", {TypeKind::BOOLEEN, DisplayFormat::DECIMAL_DEF, -8}, "-128", ""},
        {"-1", {TypeKind::ENTIER, DisplayFormat::DECIMAL_DEF, -32}, "-1", ""},
        {"-1", {TypeKind::ENTIER, DisplayFormat::UNSIGNED, 32}, "4294967295",
         "Morvik-W-BITIGNORE,  Integer too long for th size 32: the most significant bit are ignored\n"},
        {"-1", {TypeKind::BIT, DisplayFormat::DECIMAL_DEF, 3}, "7",
         "Morvik-W-BITIGNORE,  Integer too long for th size 3: the most significant bit are ignored\n"},
        {"300", {TypeKind::ENTIER, DisplayFormat::DECIMAL_DEF, 0}, "300", ""},
        {"300", {TypeKind::CARACTERE, DisplayFormat::DECIMAL_DEF, 8}, "300", ""},
        {"300", {TypeKind::ENTIER, DisplayFormat::BINAIRE, 16}, "300", ""},
        {"255", {TypeKind::POINTEUR, DisplayFormat::HEXA, 32}, "0x000000FF", ""},
        {"-1", {TypeKind::ENTIER, DisplayFormat::HEXA, -16}, "0xFFFF", ""},
        {"-1", {TypeKind::ENTIER, DisplayFormat::HEXA, 0}, "-0x01", ""},
        {"0x1FF", {TypeKind::ENTIER, DisplayFormat::HEXA, 8}, "0xFF", kBit8},
        {"2", {TypeKind::REEL, DisplayFormat::DECIMAL_DEF, 0}, "0.2E1",
         "Morvik-W-CONVERTYP,  INTEGER_CST -> REAL_CST (2) type conversion\n"},
        {"1.5", {TypeKind::ENTIER, DisplayFormat::DECIMAL_DEF, -32}, "1",
         "Morvik-W-CONVERTYP,  REAL_CST -> INTEGER_CST (0.15E1) type conversion\n"},
        {"-300.7", {TypeKind::ENTIER, DisplayFormat::DECIMAL_DEF, -8}, "-44",
         "Morvik-W-CONVERTYP,  REAL_CST -> INTEGER_CST (-0.3007E3) type conversion\n"
         "Morvik-W-BITIGNORE,  Integer too long for th size 8: the most significant bit are ignored\n"},
        {"1.5", {TypeKind::REEL, DisplayFormat::DECIMAL_DEF, 0}, "0.15E1", ""},
        {"1.5", {TypeKind::REEL, DisplayFormat::FLOAT, 0}, "1.5", ""},
        {"1.5", {TypeKind::REEL, DisplayFormat::FLOAT, 3}, "1.500", ""},
        {"-0.0005", {TypeKind::REEL, DisplayFormat::FLOAT, 0}, "-0.0005", ""},
        {"2.675", {TypeKind::REEL, DisplayFormat::FLOAT, 2}, "2.68", ""},
        {"9.995", {TypeKind::REEL, DisplayFormat::FLOAT, 2}, "10.00", ""},
        {"1234.5", {TypeKind::REEL, DisplayFormat::FLOAT, 0}, "1234.5", ""},
        {"1e5", {TypeKind::REEL, DisplayFormat::FLOAT, 0}, "100000.0", ""},
        {"0.0", {TypeKind::REEL, DisplayFormat::FLOAT, 2}, "0.00", ""},
        {"1e500", {TypeKind::REEL, DisplayFormat::FLOAT, 0}, "0.1E501", ""},
        {"1.23456", {TypeKind::REEL, DisplayFormat::REAL, 3}, "0.123E1", ""},
        {"1.23456", {TypeKind::REEL, DisplayFormat::REAL, 64}, "0.123456E1", ""},
        {"'a'", {TypeKind::CARACTERE, DisplayFormat::DECIMAL_DEF, 0}, "'a'", ""},
        {"\"'\"", {TypeKind::CARACTERE, DisplayFormat::DECIMAL_DEF, 0}, "'\\''", ""},
        {"\"ab\"", {TypeKind::CARACTERE, DisplayFormat::DECIMAL_DEF, 0}, nullptr,
         "Morvik-E-TYPESMISM,  Types mismatch STRING_CST,CARACTERE (ab)\n"},
        {"''", {TypeKind::CARACTERE, DisplayFormat::DECIMAL_DEF, 0}, nullptr,
         "Morvik-E-TYPESMISM,  Types mismatch STRING_CST,CARACTERE ()\n"},
        {"'a\"b\\\\'", {TypeKind::CHAINE, DisplayFormat::DECIMAL_DEF, 0}, "\"a\\\"b\\\\\"", ""},
        {"\"a\"", {TypeKind::PTR_CHAINE, DisplayFormat::DECIMAL_DEF, 0}, "\"a\"", ""},
        {"\"a\"", {TypeKind::POINTEUR, DisplayFormat::HEXA, 32}, "\"a\"", ""},
        {"\"a\"", {TypeKind::INCONNU, DisplayFormat::DECIMAL_DEF, 0}, "\"a\"", ""},
        {"\"a\"", {TypeKind::ENTIER, DisplayFormat::DECIMAL_DEF, -32}, nullptr,
         "Morvik-E-TYPESMISM,  Types mismatch ENTIER,CHAINE\n"},
        {"\"a\"", {TypeKind::REEL, DisplayFormat::DECIMAL_DEF, 0}, nullptr,
         "Morvik-E-TYPESMISM,  Types mismatch REEL,CHAINE\n"},
        {"x+1", {TypeKind::ENTIER, DisplayFormat::DECIMAL_DEF, 8}, "x+1", ""},
        {"y", {TypeKind::REEL, DisplayFormat::FLOAT, 0}, "y", ""},
        {"1e60", {TypeKind::ENTIER, DisplayFormat::DECIMAL_DEF, -32}, nullptr,
         "Morvik-W-CONVERTYP,  REAL_CST -> INTEGER_CST (0.1E61) type conversion\n"
         "Morvik-E-OVERFLOW,  Integer operation overflow 0.1E61\n"},
    };
    for (const auto& c : cases) {
        const auto text = values::render(values::evaluate(c.value, kEnglish), c.target, kEnglish);
        if (c.expected) EXPECT_EQ(text.value_or("<nothing>"), c.expected) << c.value;
        else EXPECT_FALSE(text.has_value()) << c.value;
        EXPECT_EQ(messages(), c.messages) << c.value;
    }
}

TEST_F(Expressions, RenderingMessagesFollowTheKeywordLanguage) {
    const Target real{TypeKind::REEL, DisplayFormat::DECIMAL_DEF, 0};
    EXPECT_EQ(values::render(values::evaluate("2", kFrench), real, kFrench), "0.2E1");
    EXPECT_EQ(messages(), "Morvik-W-CONVERTYP,  CST_ENTIERE -> CST_REELLE (2) type conversion\n");
    EXPECT_EQ(values::render(Value(), real, kFrench), std::nullopt);
    EXPECT_EQ(messages(), "Morvik-E-ANAEXPERR,  Internal error: wrong expression END_LEX ()\n");
    // An error value was reported where it failed.
    EXPECT_EQ(values::render(Value::error(), real, kFrench), std::nullopt);
    EXPECT_EQ(messages(), "");
}

TEST_F(Expressions, OtherLanguagesKeepTheirOwnForms) {
    const values::Dialect ada{values::kAda, values::kEnglish};
    EXPECT_EQ(values::render(values::evaluate("255", ada), {TypeKind::ENTIER, DisplayFormat::HEXA, 8}, ada), "0FFH");
    EXPECT_EQ(values::render(Value::string("a"), {TypeKind::CHAINE, DisplayFormat::DECIMAL_DEF, 0},
                             {values::kPascal, values::kEnglish}),
              "'a'");
}

// ---- Absolute value ---------------------------------------------------------------

TEST_F(Expressions, AbsoluteValues) {
    const auto abs = [](std::string_view text, const values::Dialect& dialect = kEnglish) {
        return describe(values::absoluteValue(values::evaluate(text, dialect), dialect));
    };
    EXPECT_EQ(abs("-5"), "integer 5");
    EXPECT_EQ(abs("3"), "integer 3");
    EXPECT_EQ(abs("-1.5"), "real 0.15E1");
    EXPECT_EQ(abs("x"), "irreducible PRIV_ABS(x)");
    EXPECT_EQ(abs("x-1"), "irreducible PRIV_ABS(x-1)");
    EXPECT_EQ(abs("x", {values::kAda, values::kEnglish}), "irreducible ABS(x)");
    EXPECT_EQ(abs("x", {values::kAsm, values::kEnglish}), "irreducible x");
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(abs("\"ab\""), "error");
    EXPECT_EQ(messages(), "Morvik-E-VALABSIMP,  Cannot convert to an absolute value \"ab\"\n");
    const Value smallest = Value::integerConstant(*values::powerOfTwo(167));
    EXPECT_TRUE(values::absoluteValue(smallest, kEnglish).failed());
    EXPECT_NE(messages().find("OVERFLOW"), std::string::npos);
    EXPECT_TRUE(values::absoluteValue(Value::error(), kEnglish).failed());
    EXPECT_EQ(messages(), "");
}

// ---- Robustness -------------------------------------------------------------------

// Random texts over the characters the scanner cares about: a failure always
// comes with an error message, a success never does, and nothing crashes.
TEST_F(Expressions, RandomTextsFailWithAMessageOrSucceedSilently) {
    static constexpr char kAlphabet[] = "0123456789axeEhHbBuLfI+-*/&%:.,()[]{}<>@#\"' \\\x01\xE9";
    const Target targets[] = {
        {TypeKind::ENTIER, DisplayFormat::HEXA, 12},   {TypeKind::ENTIER, DisplayFormat::DECIMAL_DEF, -8},
        {TypeKind::REEL, DisplayFormat::FLOAT, 3},     {TypeKind::CARACTERE, DisplayFormat::DECIMAL_DEF, 0},
        {TypeKind::CHAINE, DisplayFormat::DECIMAL_DEF, 0}, {TypeKind::BIT, DisplayFormat::UNSIGNED, 3},
    };
    values::defineSymbol("I", Value::integerConstant(values::Integer::fromInt(3)));
    std::mt19937 rng(1234);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        const int length = static_cast<int>(rng() % 24);
        for (int k = 0; k < length; ++k) text += kAlphabet[rng() % (sizeof kAlphabet - 1)];
        const auto before = diag::errorCount();
        const Value v = values::evaluate(text, i % 2 ? kEnglish : kFrench);
        ASSERT_EQ(v.failed(), diag::errorCount() > before) << text;
        if (v.failed()) continue;
        const Target& target = targets[rng() % std::size(targets)];
        const auto rendered = values::render(v, target, kEnglish);
        ASSERT_EQ(!rendered.has_value(), diag::errorCount() > before) << text;
        const Value a = values::absoluteValue(v, kEnglish);
        ASSERT_EQ(a.failed(), diag::errorCount() > before) << text;
    }
    messages();
}

// ---- Names and the current dialect ------------------------------------------------------

TEST_F(Expressions, TokenKindNames) {
    EXPECT_EQ(values::tokenKindName(values::TokenKind::OPERATEUR, values::kFrench), "OPERATEUR");
    EXPECT_EQ(values::tokenKindName(values::TokenKind::OPERATEUR, values::kEnglish), "OPERATOR");
    EXPECT_EQ(values::tokenKindName(values::TokenKind::EXPRESSION_IRREDUCTIBLE, values::kFrenchAlternate),
              "EXPRESSION_IRREDUCTIBLE");
    EXPECT_EQ(values::tokenKindName(values::TokenKind::OPER_RESOLUTION_PORTEE, values::kEnglish),
              "SCOPE_RESOLUTION_OERATOR");
    EXPECT_EQ(values::tokenKindName(values::TokenKind::ACCOLADE_D, values::kEnglish), "R_BRACKET");
    EXPECT_EQ(values::tokenKindName(static_cast<values::TokenKind>(27), values::kEnglish), "?");
    EXPECT_EQ(values::valueKindName(ValueKind::Irreducible, values::kEnglish), "IRREDUCTIBLE_EXPRESSION");
    EXPECT_EQ(values::valueKindName(ValueKind::Error, values::kFrench), "ERREUR");
}

TEST_F(Expressions, TypeKindAndFormatNames) {
    EXPECT_EQ(values::typeKindName(TypeKind::ENTIER), "ENTIER");
    EXPECT_EQ(values::typeKindName(TypeKind::FUNCPOINTEUR), "FUNCPOINTEUR");
    EXPECT_EQ(values::typeKindName(static_cast<TypeKind>(12)), "?");
    EXPECT_EQ(values::displayFormatName(DisplayFormat::DECIMAL_DEF), "DECIMAL_DEF");
    EXPECT_EQ(values::radixArgument(DisplayFormat::HEXA), ",16");
    EXPECT_EQ(values::radixArgument(DisplayFormat::BINAIRE), ",2");
    EXPECT_EQ(values::radixArgument(DisplayFormat::REAL), ",10");
}

}  // namespace
