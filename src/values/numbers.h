// Exact constant arithmetic: a 168-bit two's complement integer ("pint" in
// messages) and a decimal-exponent real, with their text images. Wider than
// any type of the tested code, so that the overflow and the truncation of a
// target type can be detected and reported.
//
// Operations that can fail report their diagnostic (OVERFLOW, DIVBYZERO,
// TRFSTRINT) at the current position and return no value.
#pragma once

#include "values/typekinds.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace values {

class Integer {
public:
    static constexpr int kBits = 168;
    static constexpr int kByteCount = 21;
    // Byte 0 is the signed top byte; bytes 1 to 20 hold the low 160 bits,
    // least significant first.
    using Bytes = std::array<std::uint8_t, kByteCount>;
    // Bits 168 and above of the three limbs repeat bit 167.
    using Limbs = std::array<std::uint64_t, 3>;

    constexpr Integer() = default;

    // Sign-extended.
    static Integer fromInt(std::int32_t value) { return fromInt64(value); }
    static Integer fromInt64(std::int64_t value);
    // Bits 168 and above are replaced by copies of bit 167.
    static Integer fromLimbs(const Limbs& limbs);
    static Integer fromBytes(const Bytes& bytes);

    Bytes bytes() const;
    const Limbs& limbs() const { return limbs_; }
    bool isNegative() const { return static_cast<std::int64_t>(limbs_[2]) < 0; }
    bool isZero() const { return limbs_[0] == 0 && limbs_[1] == 0 && limbs_[2] == 0; }
    // The value when it lies in the 64-bit signed range.
    std::optional<std::int64_t> toInt64() const;

    friend bool operator==(const Integer&, const Integer&) = default;

private:
    Limbs limbs_{};
};

inline const Integer kIntegerZero{};

// Internal image formats besides the display formats: "0b" and "0x" prefixes.
inline constexpr DisplayFormat kPrefixedBinary = static_cast<DisplayFormat>(7);
inline constexpr DisplayFormat kPrefixedHexa = static_cast<DisplayFormat>(8);

// OVERFLOW when the magnitude does not fit in 31 bits.
std::optional<std::int32_t> toInt(const Integer& value);
// -1, 0 or 1.
int compare(const Integer& a, const Integer& b);

std::optional<Integer> add(const Integer& a, const Integer& b);
std::optional<Integer> subtract(const Integer& a, const Integer& b);
std::optional<Integer> addSmall(const Integer& a, std::int32_t b);
std::optional<Integer> multiply(const Integer& a, const Integer& b);
std::optional<Integer> multiplySmall(const Integer& a, std::int32_t factor);
// Quotient truncated toward zero; DIVBYZERO, and OVERFLOW for the smallest
// value divided by -1.
std::optional<Integer> divide(const Integer& a, const Integer& b);
std::optional<Integer> negate(const Integer& a);

// Divides the 168-bit pattern, read as unsigned, by 1 to 255; any other
// divisor is the internal error "gfmath div_euclid_pint".
struct SmallDivision {
    Integer quotient;
    int remainder = 0;
};
SmallDivision divideSmall(const Integer& a, int divisor);

// Only bit n set, n from 0 to 167; OVERFLOW otherwise.
std::optional<Integer> powerOfTwo(int bit);

// Signed fit: bits n and above all equal bit n-1. No bits: only zero fits.
bool fits(const Integer& value, int bitCount);
// Unsigned fit: bits n and above all clear.
bool fitsUnsigned(const Integer& value, int bitCount);
// Bits n and above replaced by bit n-1.
Integer signTruncate(const Integer& value, int bitCount);
// Bits n and above cleared.
Integer truncate(const Integer& value, int bitCount);

// The value in a display format (or kPrefixedBinary, kPrefixedHexa) for a
// signed size in bits; an unknown format is the internal error
// "gfmath pint_image".
std::string image(const Integer& value, DisplayFormat format, int size);

// Digits of base 2, 8, 10 or 16 without prefix or suffix; TRFSTRINT with the
// text when a character is not a digit of the base or the value needs more
// than 167 bits.
std::optional<Integer> integerFromText(std::string_view digits, int base);

// A sign and a coefficient of kDigits decimal digits, the first one non-zero:
// the value is 0.d1d2...dk times ten to the power exponent(). Zero has no sign.
class Real {
public:
    static constexpr int kDigits = 54;
    using Limbs = std::array<std::uint64_t, 3>;

    constexpr Real() = default;

    bool isNegative() const { return negative_; }
    bool isZero() const { return coefficient_[0] == 0 && coefficient_[1] == 0 && coefficient_[2] == 0; }
    std::int32_t exponent() const { return exponent_; }
    const Limbs& coefficient() const { return coefficient_; }

    // Any coefficient below 2^192 and any exponent: rounded to kDigits digits
    // and normalised. OVERFLOW when the exponent leaves the 32-bit range;
    // values too small for it become zero.
    static std::optional<Real> fromParts(bool negative, const Limbs& coefficient, std::int64_t exponent);

    friend bool operator==(const Real&, const Real&) = default;

private:
    bool negative_ = false;
    Limbs coefficient_{};
    std::int32_t exponent_ = 0;
};

inline const Real kRealZero{};

Real realFromInteger(const Integer& value);
// Truncated toward zero; OVERFLOW beyond 168 bits.
std::optional<Integer> integerFromReal(const Real& value);
int compare(const Real& a, const Real& b);

std::optional<Real> add(const Real& a, const Real& b);
std::optional<Real> subtract(const Real& a, const Real& b);
std::optional<Real> multiply(const Real& a, const Real& b);
// DIVBYZERO.
std::optional<Real> divide(const Real& a, const Real& b);
Real negate(const Real& a);
Real absolute(const Real& a);

// "0." and at most digitCount digits (19 when outside 1 to 19), then "E" and
// the exponent when it is not 0: 1.5 is "0.15E1"; zero is "0.0".
std::string image(const Real& value, int digitCount);

// Decimal digits with an optional point and an optional exponent ("e" or
// "E", optional sign, digits), as the expression scanner delimits them.
// Nothing when the text has another form; OVERFLOW for an exponent beyond
// the 32-bit range.
std::optional<Real> realFromText(std::string_view text);

}  // namespace values
