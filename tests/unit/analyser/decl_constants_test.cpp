// Constants of analysed code: the records of integer, character and string
// constants and the diagnostics of their scanning.
#include "decl_fixture.h"

#include "analyser/constants_internal.h"

namespace {

using namespace analyser::decl;
using decltest::Decl;
using decltest::captured;

const ConstantSite kSite{"t.h", 3};

std::string decimal(const Constant& c) { return values::image(c.value, values::DisplayFormat::DECIMAL, -128); }

TEST_F(Decl, IntegerConstantsRecordSizeSignAndLength) {
    const struct {
        const char* text;
        const char* value;
        int bits;
        int lengthMark;
    } rows[] = {
        {"42", "42", -32, 0},   {"42u", "42", 32, 0},   {"42L", "42", -32, 1},  {"42ul", "42", 32, 1},
        {"42LLU", "42", 32, 2}, {"052", "42", -32, 0},  {"0x2A", "42", -32, 0}, {"2Ah", "42", -32, 0},
        {"101010b", "42", -32, 0}, {"0b101010", "42", -32, 0}, {"09", "9", -32, 0},
    };
    for (const auto& row : rows) {
        const auto c = scanNumber(row.text, kSite);
        ASSERT_TRUE(c) << row.text;
        EXPECT_EQ(c->kind, Constant::Kind::Integer);
        EXPECT_EQ(decimal(*c), row.value) << row.text;
        EXPECT_EQ(c->bits, row.bits) << row.text;
        EXPECT_EQ(c->lengthMark, row.lengthMark) << row.text;
        EXPECT_FALSE(c->isChar);
    }
    EXPECT_TRUE(captured().empty());
    EXPECT_FALSE(scanNumber("12xyz", kSite));
    EXPECT_EQ(scanNumber("1.5e3", kSite)->kind, Constant::Kind::Floating);
}

// The size pragma decides what fits; unsigned, octal and hexadecimal values
// are reduced to the size, signed decimal values are kept.
TEST_F(Decl, ConstantsOutOfRange) {
    analyser::baseTypeSizes().intBits = 16;
    EXPECT_EQ(decimal(*scanNumber("70000", kSite)), "70000");
    EXPECT_TRUE(scanNumber("70000L", kSite));
    EXPECT_EQ(decimal(*scanNumber("0x1FFFF", kSite)), "65535");
    EXPECT_EQ(decimal(*scanNumber("70000u", kSite)), "4464");
    EXPECT_EQ(decimal(*scanNumber("32768", kSite)), "32768");
    EXPECT_TRUE(scanNumber("65535u", kSite));
    EXPECT_EQ(codes(), (std::vector<std::string>{"ENTOUTRAN 70000", "ENTOUTRAN 0x1FFFF", "ENTOUTRAN 70000u",
                                                 "ENTOUTRAN 32768"}));
    EXPECT_EQ(captured()[0].line, 3);
    captured().clear();
    EXPECT_TRUE(scanNumber("123456789012345678901234567890123456789012345", kSite));
    EXPECT_EQ(codes().size(), 1u) << "beyond every size: out of range, no failure";
}

TEST_F(Decl, LiteralsHaveTheTypeACompilerGivesThem) {
    analyser::baseTypeSizes().longBits = 64;
    const std::pair<const char*, int> rows[] = {
        {"1", -32},           {"2147483648", -64}, {"0x80000000", 32}, {"0xFFFFFFFF", 32},
        {"0x100000000", -64}, {"1u", 32},          {"1L", -64},         {"0xFFFFFFFFFFFFFFFF", 64},
        {"1ull", 64},
    };
    for (const auto& [text, bits] : rows) EXPECT_EQ(integerLiteral(text).bits, bits) << text;
    EXPECT_FALSE(integerLiteral("1.0").valid);
}

TEST_F(Decl, CharacterConstants) {
    const Constant a = scanCharacter("'a'", kSite);
    EXPECT_EQ(a.kind, Constant::Kind::Integer);
    EXPECT_TRUE(a.isChar);
    EXPECT_EQ(a.bits, 8);
    EXPECT_EQ(decimal(a), "97");
    const Constant high = scanCharacter("'\\xff'", kSite);
    EXPECT_EQ(high.bits, -8) << "plain char is signed: the top bit makes it negative";
    EXPECT_EQ(decimal(high), "-1");
    EXPECT_EQ(decimal(scanCharacter("'\\E'", kSite)), "27");
    EXPECT_EQ(decimal(scanCharacter("'\\101'", kSite)), "65");
    EXPECT_EQ(decimal(scanCharacter("'\\?'", kSite)), "63");
    const Constant two = scanCharacter("'ab'", kSite);
    EXPECT_EQ(two.kind, Constant::Kind::String);
    EXPECT_EQ(two.text, "ab");
    EXPECT_EQ(scanCharacter("''", kSite).kind, Constant::Kind::String);
    EXPECT_TRUE(captured().empty());
}

// A wide constant holds as many elements as a long long holds (two of the
// int size), each shifted in from the right.
TEST_F(Decl, WideCharacterConstants) {
    const Constant ab = scanCharacter("L'ab'", kSite);
    EXPECT_EQ(decimal(ab), std::to_string((97LL << 32) + 98));
    EXPECT_EQ(ab.bits, -32);
    EXPECT_EQ(decimal(scanCharacter("L'abc'", kSite)), std::to_string((97LL << 32) + 98));
    EXPECT_EQ(decimal(scanCharacter("L''", kSite)), "0");
    EXPECT_EQ(decimal(scanCharacter("L'x'", kSite)), "120");
    EXPECT_EQ(codes(), (std::vector<std::string>{"MULCARCST L'ab'", "TOLOCSTCA L'abc'", "CSTCARVID L''"}));
}

TEST_F(Decl, EscapeDiagnostics) {
    scanCharacter("'\\x'", kSite);
    scanCharacter("'\\q'", kSite);
    scanCharacter("'a", kSite);
    scanString("\"open", kSite);
    EXPECT_EQ(codes(), (std::vector<std::string>{"NOHEXDIGI '\\x'", "SEQUEINCO '\\q'", "INVCSTCAR 'a",
                                                 "INVCSTCAR \"open"}));
}

TEST_F(Decl, StringConstants) {
    const Constant s = scanString("\"a\\tb\\x41\"", kSite);
    EXPECT_EQ(s.kind, Constant::Kind::String);
    EXPECT_EQ(s.text, "a\tbA");
    EXPECT_FALSE(s.wide);
    EXPECT_TRUE(scanString("L\"w\"", kSite).wide);
}

}  // namespace
