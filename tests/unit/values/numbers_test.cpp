// The 168-bit integer and the decimal real at their edges, checked against
// __int128, long double and values computed outside the program.
#include "values/numbers.h"

#include "diag/diag.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

namespace {

using values::DisplayFormat;
using values::Integer;
using values::Real;

class Numbers : public testing::Test {
protected:
    void SetUp() override {
        diag::resetForTesting();
        testing::internal::CaptureStderr();
    }
    void TearDown() override {
        testing::internal::GetCapturedStderr();
        diag::resetForTesting();
    }
    // The messages raised since the last call.
    std::string messages() {
        std::string text = testing::internal::GetCapturedStderr();
        testing::internal::CaptureStderr();
        return text;
    }
};

const char* const kLargest = "187072209578355573530071658587684226515959365500927";     // 2^167 - 1
const char* const kSmallest = "-187072209578355573530071658587684226515959365500928";   // -2^167

Integer big(std::string_view decimal) {
    if (decimal == kSmallest) return *values::powerOfTwo(167);
    const bool negative = decimal.front() == '-';
    if (negative) decimal.remove_prefix(1);
    auto value = values::integerFromText(decimal, 10);
    EXPECT_TRUE(value.has_value()) << decimal;
    return negative ? *values::negate(*value) : *value;
}

std::string dec(const Integer& value) { return values::image(value, DisplayFormat::DECIMAL, 0); }

Integer fromI128(__int128 v) {
    const bool negative = v < 0;
    unsigned __int128 m = negative ? -static_cast<unsigned __int128>(v) : static_cast<unsigned __int128>(v);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(m % 10)));
        m /= 10;
    } while (m != 0);
    return big((negative ? "-" : "") + digits);
}

// ---- Representation ---------------------------------------------------------

TEST_F(Numbers, ByteLayoutIsTwosComplementWithSignedTopByte) {
    const auto minusOne = Integer::fromInt(-1).bytes();
    for (auto b : minusOne) EXPECT_EQ(b, 255);
    for (auto b : values::kIntegerZero.bytes()) EXPECT_EQ(b, 0);

    const auto bytes = Integer::fromInt(0x1234).bytes();
    EXPECT_EQ(bytes[1], 0x34);
    EXPECT_EQ(bytes[2], 0x12);
    EXPECT_EQ(bytes[0], 0);

    const auto largest = big(kLargest).bytes();
    EXPECT_EQ(largest[0], 0x7F);
    for (int i = 1; i < 21; ++i) EXPECT_EQ(largest[i], 0xFF);
    const auto smallest = big(kSmallest).bytes();
    EXPECT_EQ(smallest[0], 0x80);
    for (int i = 1; i < 21; ++i) EXPECT_EQ(smallest[i], 0);

    EXPECT_EQ(Integer::fromBytes(largest), big(kLargest));
    EXPECT_EQ(Integer::fromBytes(smallest), big(kSmallest));
    EXPECT_EQ(Integer::fromBytes(minusOne), Integer::fromInt(-1));
}

TEST_F(Numbers, ToIntAtTheThirtyOneBitLimit) {
    EXPECT_EQ(values::toInt(Integer::fromInt(-1)), -1);
    EXPECT_EQ(values::toInt(Integer::fromInt(2147483647)), 2147483647);
    EXPECT_EQ(values::toInt(Integer::fromInt(-2147483647)), -2147483647);
    EXPECT_EQ(messages(), "");
    EXPECT_FALSE(values::toInt(Integer::fromInt64(2147483648LL)).has_value());
    EXPECT_EQ(messages(), "Morvik-E-OVERFLOW,  Integer operation overflow 2147483648\n");
    EXPECT_FALSE(values::toInt(Integer::fromInt(-2147483647 - 1)).has_value());
    EXPECT_FALSE(values::toInt(big(kLargest)).has_value());
    EXPECT_EQ(diag::errorCount(), 3u);
}

TEST_F(Numbers, CompareIsSigned) {
    EXPECT_EQ(values::compare(Integer::fromInt(-1), Integer::fromInt(0)), -1);
    EXPECT_EQ(values::compare(Integer::fromInt(5), Integer::fromInt(5)), 0);
    EXPECT_EQ(values::compare(big(kLargest), big(kSmallest)), 1);
    EXPECT_EQ(values::compare(big(kSmallest), Integer::fromInt(-1)), -1);
    // Equal top bytes: the low bytes decide, unsigned.
    EXPECT_EQ(values::compare(Integer::fromInt(0x80), Integer::fromInt(0x7F)), 1);
    EXPECT_EQ(values::compare(Integer::fromInt(-0x80), Integer::fromInt(-0x7F)), -1);
}

// ---- Addition and subtraction -----------------------------------------------

TEST_F(Numbers, CarriesCrossEveryByte) {
    // 2^(8k) - 1 plus one is 2^(8k), for every byte boundary.
    for (int k = 1; k <= 20; ++k) {
        Integer allOnes = values::truncate(Integer::fromInt(-1), 8 * k);
        const auto sum = values::add(allOnes, Integer::fromInt(1));
        ASSERT_TRUE(sum.has_value());
        EXPECT_EQ(*sum, *values::powerOfTwo(8 * k)) << k;
        EXPECT_EQ(*values::subtract(*sum, Integer::fromInt(1)), allOnes) << k;
    }
    EXPECT_EQ(messages(), "");
}

TEST_F(Numbers, OverflowAtTheLargestAndSmallestValues) {
    EXPECT_EQ(dec(*values::add(big(kLargest), Integer::fromInt(0))), kLargest);
    EXPECT_FALSE(values::add(big(kLargest), Integer::fromInt(1)).has_value());
    EXPECT_EQ(messages(), std::string("Morvik-E-OVERFLOW,  Integer operation overflow ") + kLargest + " + 1\n");
    EXPECT_FALSE(values::addSmall(big(kLargest), 1).has_value());
    EXPECT_FALSE(values::subtract(big(kSmallest), Integer::fromInt(1)).has_value());
    EXPECT_FALSE(values::subtract(Integer::fromInt(0), big(kSmallest)).has_value());
    EXPECT_FALSE(values::negate(big(kSmallest)).has_value());
    EXPECT_EQ(dec(*values::subtract(Integer::fromInt(-1), big(kLargest))), kSmallest);
    EXPECT_EQ(dec(*values::add(big(kSmallest), big(kLargest))), "-1");
    messages();
    EXPECT_EQ(diag::errorCount(), 5u);
}

// ---- Multiplication and division --------------------------------------------

TEST_F(Numbers, MultiplyAtFullWidth) {
    // 2^100 * 3^40, computed outside the program.
    const auto p = values::multiply(*values::powerOfTwo(100), big("12157665459056928801"));
    EXPECT_EQ(dec(*p), "15411671916547527940062634888554533226518912434176");
    EXPECT_EQ(dec(*values::multiply(big(kLargest), Integer::fromInt(-1))), "-" + std::string(kLargest));
    EXPECT_EQ(dec(*values::multiply(*values::powerOfTwo(166), Integer::fromInt(-2))), kSmallest);
    EXPECT_EQ(messages(), "");
    EXPECT_FALSE(values::multiply(*values::powerOfTwo(166), Integer::fromInt(2)).has_value());
    EXPECT_FALSE(values::multiply(*values::powerOfTwo(84), *values::powerOfTwo(84)).has_value());
    EXPECT_FALSE(values::multiplySmall(big(kSmallest), -1).has_value());
    EXPECT_FALSE(values::multiply(big(kLargest), big(kLargest)).has_value());
    EXPECT_EQ(diag::errorCount(), 4u);
}

TEST_F(Numbers, DivisionTruncatesTowardZero) {
    EXPECT_EQ(dec(*values::divide(Integer::fromInt(-7), Integer::fromInt(2))), "-3");
    EXPECT_EQ(dec(*values::divide(Integer::fromInt(7), Integer::fromInt(-2))), "-3");
    EXPECT_EQ(dec(*values::divide(big(kLargest), big("62357403192785191176690552862561408838653121833642"))), "3");
    EXPECT_EQ(dec(*values::divide(big(kLargest), Integer::fromInt(3))),
              "62357403192785191176690552862561408838653121833642");
    EXPECT_EQ(dec(*values::divide(big(kSmallest), Integer::fromInt(1))), kSmallest);
    EXPECT_EQ(messages(), "");

    EXPECT_FALSE(values::divide(Integer::fromInt(1), Integer::fromInt(0)).has_value());
    EXPECT_EQ(messages(), "Morvik-E-DIVBYZERO,  Division by zero\n");
    EXPECT_FALSE(values::divide(big(kSmallest), Integer::fromInt(-1)).has_value());
    EXPECT_NE(messages().find("OVERFLOW"), std::string::npos);
}

TEST_F(Numbers, DivideSmallReadsThePatternUnsigned) {
    const auto d = values::divideSmall(big("1000000000000000000000000000007"), 10);
    EXPECT_EQ(dec(d.quotient), "100000000000000000000000000000");
    EXPECT_EQ(d.remainder, 7);
    const auto all = values::divideSmall(Integer::fromInt(-1), 255);  // (2^168 - 1) / 255
    EXPECT_EQ(all.remainder, 0);
    EXPECT_EQ(all.quotient.bytes()[0], 1);
    for (int i = 1; i < 21; ++i) EXPECT_EQ(all.quotient.bytes()[i], 1);
    EXPECT_EQ(values::divideSmall(Integer::fromInt(-1), 1).quotient, Integer::fromInt(-1));
}

TEST(NumbersDeathTest, DivideSmallRefusesOtherDivisors) {
    EXPECT_EXIT(values::divideSmall(Integer::fromInt(5), 256), testing::ExitedWithCode(9),
                "ERRINTFCT,  Internal error in the function gfmath div_euclid_pint");
    EXPECT_EXIT(values::divideSmall(Integer::fromInt(5), 0), testing::ExitedWithCode(9), "div_euclid_pint");
}

// ---- Bits -----------------------------------------------------------------------

TEST_F(Numbers, PowersOfTwoAndFits) {
    EXPECT_EQ(dec(*values::powerOfTwo(0)), "1");
    EXPECT_EQ(dec(*values::powerOfTwo(160)), "1461501637330902918203684832716283019655932542976");
    EXPECT_EQ(dec(*values::powerOfTwo(167)), kSmallest);
    EXPECT_EQ(messages(), "");
    EXPECT_FALSE(values::powerOfTwo(168).has_value());
    EXPECT_FALSE(values::powerOfTwo(-1).has_value());
    EXPECT_EQ(messages(),
              "Morvik-E-OVERFLOW,  Integer operation overflow 2**168\n"
              "Morvik-E-OVERFLOW,  Integer operation overflow 2**-1\n");

    EXPECT_TRUE(values::fits(Integer::fromInt(127), 8));
    EXPECT_FALSE(values::fits(Integer::fromInt(128), 8));
    EXPECT_TRUE(values::fits(Integer::fromInt(-128), 8));
    EXPECT_FALSE(values::fits(Integer::fromInt(-129), 8));
    EXPECT_TRUE(values::fits(big(kSmallest), 168));
    EXPECT_TRUE(values::fits(Integer::fromInt(0), 0));
    EXPECT_FALSE(values::fits(Integer::fromInt(1), 0));
    EXPECT_TRUE(values::fitsUnsigned(Integer::fromInt(255), 8));
    EXPECT_FALSE(values::fitsUnsigned(Integer::fromInt(256), 8));
    EXPECT_FALSE(values::fitsUnsigned(Integer::fromInt(-1), 8));
    EXPECT_TRUE(values::fitsUnsigned(*values::powerOfTwo(100), 101));
    EXPECT_FALSE(values::fitsUnsigned(*values::powerOfTwo(100), 100));
}

TEST_F(Numbers, TruncationKeepsOrExtendsTheTopBit) {
    EXPECT_EQ(dec(values::truncate(Integer::fromInt(300), 8)), "44");
    EXPECT_EQ(dec(values::signTruncate(Integer::fromInt(200), 8)), "-56");
    EXPECT_EQ(dec(values::truncate(Integer::fromInt(-1), 32)), "4294967295");
    EXPECT_EQ(dec(values::signTruncate(Integer::fromInt64(0xFFFFFFFFLL), 32)), "-1");
    EXPECT_EQ(dec(values::truncate(Integer::fromInt(-1), 64)), "18446744073709551615");
    EXPECT_EQ(dec(values::signTruncate(*values::powerOfTwo(127), 128)), "-170141183460469231731687303715884105728");
    EXPECT_EQ(values::truncate(big(kSmallest), 168), big(kSmallest));
    EXPECT_EQ(values::truncate(Integer::fromInt(-1), 0), values::kIntegerZero);
}

// ---- Images -------------------------------------------------------------------

TEST_F(Numbers, IntegerImagesInEveryFormat) {
    EXPECT_EQ(values::image(Integer::fromInt(255), DisplayFormat::HEXA, 8), "0FFH");
    EXPECT_EQ(values::image(Integer::fromInt(16), DisplayFormat::HEXA, 8), "10H");
    EXPECT_EQ(values::image(Integer::fromInt(16), DisplayFormat::HEXA, -16), "0010H");
    EXPECT_EQ(values::image(Integer::fromInt(-1), DisplayFormat::HEXA, 12), "0FFFFH");
    EXPECT_EQ(values::image(Integer::fromInt(255), DisplayFormat::HEXA, 0), "0FFH");
    EXPECT_EQ(values::image(Integer::fromInt(0), DisplayFormat::HEXA, 0), "00H");
    EXPECT_EQ(values::image(Integer::fromInt(0x1234), DisplayFormat::HEXA, 160), "1234H");
    EXPECT_EQ(values::image(big(kLargest), DisplayFormat::HEXA, 0), "7F" + std::string(40, 'F') + "H");
    EXPECT_EQ(values::image(big(kLargest), DisplayFormat::HEXA, 1000).size(), 43u);
    EXPECT_EQ(values::image(Integer::fromInt(-5), DisplayFormat::DECIMAL, -32), "-5");
    EXPECT_EQ(values::image(Integer::fromInt(0), DisplayFormat::DECIMAL, 0), "0");
    EXPECT_EQ(values::image(Integer::fromInt(-5), DisplayFormat::UNSIGNED, 8), "-5");
    EXPECT_EQ(values::image(big(kSmallest), DisplayFormat::DECIMAL_DEF, 0), kSmallest);
    EXPECT_EQ(values::image(Integer::fromInt(5), values::kPrefixedBinary, 8), "0b00000101");
    EXPECT_EQ(values::image(Integer::fromInt(-2), values::kPrefixedHexa, -16), "0xFFFE");
    EXPECT_EQ(values::image(Integer::fromInt(255), values::kPrefixedHexa, 0), "0xFF");
    EXPECT_EQ(messages(), "");
}

TEST(NumbersDeathTest, UnknownImageFormatIsAnInternalError) {
    EXPECT_EXIT(values::image(Integer::fromInt(1), DisplayFormat::BINAIRE, 8), testing::ExitedWithCode(9),
                "ERRINTFCT,  Internal error in the function gfmath pint_image");
    EXPECT_EXIT(values::image(Integer::fromInt(1), static_cast<DisplayFormat>(42), 8), testing::ExitedWithCode(9),
                "gfmath pint_image");
}

TEST_F(Numbers, IntegersFromText) {
    EXPECT_EQ(dec(*values::integerFromText("FF", 16)), "255");
    EXPECT_EQ(dec(*values::integerFromText("777", 8)), "511");
    EXPECT_EQ(dec(*values::integerFromText("1011", 2)), "11");
    EXPECT_EQ(dec(*values::integerFromText("7FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", 16)), kLargest);
    EXPECT_EQ(messages(), "");
    EXPECT_FALSE(values::integerFromText("800000000000000000000000000000000000000000", 16).has_value());
    EXPECT_EQ(messages(), "Morvik-E-TRFSTRINT,  Cannot convert string 800000000000000000000000000000000000000000 "
                          "into an integer value\n");
    EXPECT_FALSE(values::integerFromText("129", 8).has_value());
    EXPECT_FALSE(values::integerFromText("", 10).has_value());
    EXPECT_FALSE(values::integerFromText("12a", 10).has_value());
    EXPECT_EQ(diag::errorCount(), 4u);
}

// ---- Randomised cross-check against __int128 ------------------------------------

__int128 randomWide(std::mt19937_64& rng, int bits) {
    const unsigned __int128 raw = (static_cast<unsigned __int128>(rng()) << 64) | rng();
    const auto value = static_cast<__int128>(raw >> (128 - bits));
    return (rng() & 1) ? -value : value;
}

TEST_F(Numbers, AgreesWithInt128) {
    std::mt19937_64 rng(20240611);
    for (int i = 0; i < 20000; ++i) {
        const int bits = 1 + static_cast<int>(rng() % 62);
        const __int128 x = randomWide(rng, bits);
        const __int128 y = randomWide(rng, 1 + static_cast<int>(rng() % 62));
        const Integer a = fromI128(x);
        const Integer b = fromI128(y);
        ASSERT_EQ(*values::add(a, b), fromI128(x + y));
        ASSERT_EQ(*values::subtract(a, b), fromI128(x - y));
        ASSERT_EQ(*values::multiply(a, b), fromI128(x * y));
        if (y != 0) {
            ASSERT_EQ(*values::divide(a, b), fromI128(x / y));
        }
        ASSERT_EQ(values::compare(a, b), x < y ? -1 : (x > y ? 1 : 0));
        const int n = 1 + static_cast<int>(rng() % 126);
        ASSERT_EQ(values::fits(a, n), x >= -(static_cast<__int128>(1) << (n - 1)) &&
                                          x < (static_cast<__int128>(1) << (n - 1)));
    }
    EXPECT_EQ(messages(), "");
}

// Wider than __int128: the identities that define the operations.
TEST_F(Numbers, FullWidthIdentities) {
    std::mt19937_64 rng(77);
    for (int i = 0; i < 5000; ++i) {
        const Integer a = values::signTruncate(Integer::fromLimbs({rng(), rng(), rng()}), 1 + rng() % 166);
        const Integer b = values::signTruncate(Integer::fromLimbs({rng(), rng(), rng()}), 1 + rng() % 166);
        const auto sum = values::add(a, b);
        if (sum) {
            ASSERT_EQ(*values::subtract(*sum, b), a);
        }
        if (b.isZero()) continue;
        const auto q = values::divide(a, b);
        ASSERT_TRUE(q.has_value());
        const Integer r = *values::subtract(a, *values::multiply(*q, b));
        // |r| < |b| and r has the sign of a.
        const Integer absR = r.isNegative() ? *values::negate(r) : r;
        const Integer absB = b.isNegative() ? *values::negate(b) : b;
        ASSERT_LT(values::compare(absR, absB), 0);
        ASSERT_TRUE(r.isZero() || r.isNegative() == a.isNegative());
        ASSERT_EQ(big(dec(a)), a);
    }
    messages();
}

// ---- Reals ------------------------------------------------------------------------

Real real(std::string_view text) {
    const bool negative = text.front() == '-';
    if (negative) text.remove_prefix(1);
    auto value = values::realFromText(text);
    EXPECT_TRUE(value.has_value()) << text;
    return negative ? values::negate(*value) : *value;
}

std::string img(const Real& r, int digits = 19) { return values::image(r, digits); }

TEST_F(Numbers, RealImages) {
    EXPECT_EQ(img(real("1.5")), "0.15E1");
    EXPECT_EQ(img(real("0.5")), "0.5");
    EXPECT_EQ(img(values::kRealZero), "0.0");
    EXPECT_EQ(img(real("0.0")), "0.0");
    EXPECT_EQ(img(real("-0.0")), "0.0");
    EXPECT_EQ(img(real("-2.25E-3")), "-0.225E-2");
    EXPECT_EQ(img(real("1e10")), "0.1E11");
    EXPECT_EQ(img(real(".125")), "0.125");
    EXPECT_EQ(img(real("7.")), "0.7E1");
    EXPECT_EQ(img(real("000123.4500")), "0.12345E3");
    EXPECT_EQ(img(values::realFromInteger(Integer::fromInt(2))), "0.2E1");
    EXPECT_EQ(img(values::realFromInteger(Integer::fromInt(-100))), "-0.1E3");
    EXPECT_EQ(img(real("0.15"), 1), "0.1");
    EXPECT_EQ(img(real("0.15"), 0), "0.15");
    EXPECT_EQ(img(real("0.15"), 25), "0.15");
}

TEST_F(Numbers, RealImageDigitLimitRules) {
    // Trailing nines after a 9 round up, through the point when they fill it.
    EXPECT_EQ(img(real("0.29999999999999999999")), "0.3");
    EXPECT_EQ(img(real("0.12999999999999999997")), "0.13");
    EXPECT_EQ(img(real("0.9999999999999999999")), "0.1E1");
    EXPECT_EQ(img(real("9.999999999999999999999")), "0.1E2");
    EXPECT_EQ(img(real("0.999"), 3), "0.1E1");
    // A last 0 to 3 after a 0 drops the zeros.
    EXPECT_EQ(img(real("1.000000000000000001")), "0.1E1");
    EXPECT_EQ(img(real("0.10000000000000000003")), "0.1");
    EXPECT_EQ(img(real("0.10000000000000000004")), "0.1");
    EXPECT_EQ(img(real("0.1200000000000000000399")), "0.12");
    // Other endings keep the digits as they are.
    EXPECT_EQ(img(real("0.1234567890123456789")), "0.1234567890123456789");
    EXPECT_EQ(img(real("0.12345678901234567896")), "0.1234567890123456789");
    EXPECT_EQ(img(real("0.1000000000000000004")), "0.1000000000000000004");
    EXPECT_EQ(img(real("0.12345"), 3), "0.123");
}

TEST_F(Numbers, RealArithmetic) {
    const auto oneThird = values::divide(real("1"), real("3"));
    EXPECT_EQ(img(*oneThird), "0.3333333333333333333");
    EXPECT_EQ(img(*values::multiply(*oneThird, real("3"))), "0.1E1");
    EXPECT_EQ(img(*values::add(real("0.1"), real("0.2"))), "0.3");
    EXPECT_EQ(img(*values::subtract(real("0.1"), real("0.3"))), "-0.2");
    EXPECT_EQ(img(*values::subtract(real("1.5"), real("1.5"))), "0.0");
    EXPECT_EQ(img(*values::add(real("1E30"), real("1E-30"))), "0.1E31");
    EXPECT_EQ(img(*values::multiply(real("-2.5"), real("4"))), "-0.1E2");
    EXPECT_EQ(img(*values::divide(real("1"), real("-8"))), "-0.125");
    EXPECT_EQ(img(*values::divide(real("2"), real("3"))), "0.6666666666666666666");
    EXPECT_EQ(img(values::absolute(real("-3.5"))), "0.35E1");
    EXPECT_EQ(messages(), "");
    EXPECT_FALSE(values::divide(real("1"), values::kRealZero).has_value());
    EXPECT_EQ(messages(), "Morvik-E-DIVBYZERO,  Division by zero\n");
}

TEST_F(Numbers, RealCompare) {
    EXPECT_EQ(values::compare(real("1.5"), real("1.25")), 1);
    EXPECT_EQ(values::compare(real("-1.5"), real("-1.25")), -1);
    EXPECT_EQ(values::compare(real("-1"), values::kRealZero), -1);
    EXPECT_EQ(values::compare(real("100"), real("99.9")), 1);
    EXPECT_EQ(values::compare(real("0.001"), real("1E-3")), 0);
}

TEST_F(Numbers, RealExponentRange) {
    EXPECT_EQ(img(real("1E2147483646")), "0.1E2147483647");
    EXPECT_EQ(messages(), "");
    EXPECT_FALSE(values::realFromText("1E2147483647").has_value());
    EXPECT_FALSE(values::realFromText("1E99999999999999").has_value());
    EXPECT_FALSE(values::multiply(real("1E2000000000"), real("1E2000000000")).has_value());
    EXPECT_EQ(diag::errorCount(), 3u);
    messages();
    EXPECT_EQ(img(real("1E-99999999999999")), "0.0");
    EXPECT_EQ(img(*values::multiply(real("1E-2000000000"), real("1E-2000000000"))), "0.0");
    EXPECT_FALSE(values::realFromText("1.2.3").has_value());
    EXPECT_FALSE(values::realFromText("1E").has_value());
    EXPECT_FALSE(values::realFromText(".").has_value());
    EXPECT_EQ(messages(), "");
}

TEST_F(Numbers, RealsAndIntegersConvertExactly) {
    for (const char* text : {kLargest, kSmallest, "-1", "0", "123456789012345678901234567890"}) {
        const Integer i = big(text);
        EXPECT_EQ(*values::integerFromReal(values::realFromInteger(i)), i) << text;
    }
    EXPECT_EQ(dec(*values::integerFromReal(real("-2.9"))), "-2");
    EXPECT_EQ(dec(*values::integerFromReal(real("0.99"))), "0");
    EXPECT_EQ(dec(*values::integerFromReal(real("1E30"))), "1000000000000000000000000000000");
    EXPECT_EQ(messages(), "");
    EXPECT_FALSE(values::integerFromReal(real("1.9E50")).has_value());
    EXPECT_FALSE(values::integerFromReal(real("1E400")).has_value());
    EXPECT_EQ(diag::errorCount(), 2u);
}

// Sums, products and quotients agree with long double to its precision.
TEST_F(Numbers, RealsAgreeWithLongDouble) {
    std::mt19937_64 rng(4242);
    std::uniform_real_distribution<long double> mantissa(-10.0L, 10.0L);
    for (int i = 0; i < 3000; ++i) {
        const long double x = std::ldexp(mantissa(rng), static_cast<int>(rng() % 80) - 40);
        const long double y = std::ldexp(mantissa(rng), static_cast<int>(rng() % 80) - 40);
        char bx[64], by[64];
        std::snprintf(bx, sizeof bx, "%.25Le", std::fabs(x));
        std::snprintf(by, sizeof by, "%.25Le", std::fabs(y));
        const Real a = x < 0 ? values::negate(real(bx)) : real(bx);
        const Real b = y < 0 ? values::negate(real(by)) : real(by);
        const auto check = [](const Real& r, long double expected, long double scale) {
            const long double got = std::strtold(values::image(r, 19).c_str(), nullptr);
            EXPECT_LE(std::fabs(got - expected), scale * 1e-17L) << values::image(r, 19);
        };
        check(*values::add(a, b), x + y, std::fabs(x) + std::fabs(y));
        check(*values::multiply(a, b), x * y, std::fabs(x * y));
        if (y != 0) check(*values::divide(a, b), x / y, std::fabs(x / y));
        EXPECT_EQ(values::compare(a, b), x < y ? -1 : (x > y ? 1 : 0));
    }
    EXPECT_EQ(messages(), "");
}

}  // namespace
