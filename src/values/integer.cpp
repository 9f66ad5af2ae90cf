// The 168-bit two's complement integer: three 64-bit limbs whose bits 168 and
// above repeat bit 167, so that limb arithmetic is exact and a result fits
// exactly when its top 25 bits agree.
#include "values/numbers.h"

#include "diag/diag.h"
#include "values/wide_internal.h"

#include <algorithm>
#include <charconv>

namespace values {

namespace {

using Magnitude = wide::Limbs<3>;

constexpr int kTopLimbBits = Integer::kBits - 128;  // bits of the value held by limb 2

std::uint64_t signExtendTop(std::uint64_t limb) {
    constexpr int shift = 64 - kTopLimbBits;
    return static_cast<std::uint64_t>(static_cast<std::int64_t>(limb << shift) >> shift);
}

bool fitsIn168(const Integer::Limbs& limbs) { return limbs[2] == signExtendTop(limbs[2]); }

Magnitude negated(Magnitude m) {
    for (auto& limb : m) limb = ~limb;
    wide::addSmallInPlace(m, 1);
    return m;
}

Magnitude magnitudeOf(const Integer& a) { return a.isNegative() ? negated(a.limbs()) : a.limbs(); }

// 2^167, the magnitude of the smallest value.
constexpr Magnitude kSmallestMagnitude = {0, 0, std::uint64_t{1} << (kTopLimbBits - 1)};

// The signed value of a magnitude below 2^192, when it fits in 168 bits.
std::optional<Integer> fromMagnitude(bool negative, const Magnitude& m) {
    const int order = wide::compare(m, kSmallestMagnitude);
    if (order > 0 || (order == 0 && !negative)) return std::nullopt;
    return Integer::fromLimbs(negative ? negated(m) : m);
}

Integer fromInt128(__int128 value) {
    const auto low = static_cast<std::uint64_t>(value);
    const auto mid = static_cast<std::uint64_t>(value >> 64);
    const std::uint64_t high = value < 0 ? ~std::uint64_t{0} : 0;
    return Integer::fromLimbs({low, mid, high});
}

std::string decimalImage(const Integer& value);

void reportOverflow(const Integer& a, std::string_view op, const Integer& b) {
    diag::error("OVERFLOW", decimalImage(a) + std::string(op) + decimalImage(b));
}

// ---- Images ---------------------------------------------------------------

std::string decimalImage(const Integer& value) {
    if (auto small = value.toInt64()) {
        char buffer[24];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, *small);
        return std::string(buffer, result.ptr);
    }
    constexpr std::uint64_t kChunk = 10'000'000'000'000'000'000u;  // 10^19
    Magnitude m = magnitudeOf(value);
    std::string digits;
    while (!wide::isZero(m)) {
        std::uint64_t chunk = wide::divideSmallInPlace(m, kChunk);
        for (int i = 0; i < 19; ++i, chunk /= 10) digits += static_cast<char>('0' + chunk % 10);
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    if (value.isNegative()) digits += '-';
    return {digits.rbegin(), digits.rend()};
}

// The bytes of the layout, most significant first.
using OrderedBytes = std::array<std::uint8_t, Integer::kByteCount>;

OrderedBytes mostSignificantFirst(const Integer& value) {
    const Integer::Bytes bytes = value.bytes();
    OrderedBytes ordered{};
    ordered[0] = bytes[0];
    for (int i = 1; i < Integer::kByteCount; ++i) ordered[i] = bytes[Integer::kByteCount - i];
    return ordered;
}

// Index of the first byte written for a size: the bytes of its magnitude, or
// the whole value without its leading sign bytes for sizes 0 and 160.
int firstImageByte(const OrderedBytes& ordered, int size) {
    const std::int64_t magnitude = size < 0 ? -static_cast<std::int64_t>(size) : size;
    if (magnitude != 0 && magnitude != 160) {
        const std::int64_t count = std::min<std::int64_t>((magnitude + 7) / 8, Integer::kByteCount);
        return Integer::kByteCount - static_cast<int>(count);
    }
    const std::uint8_t sign = (ordered[0] & 0x80) ? 0xFF : 0x00;
    int first = 0;
    while (first < Integer::kByteCount - 1 && ordered[first] == sign) ++first;
    return first;
}

std::string radixImage(const Integer& value, int size, int bitsPerDigit) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    const OrderedBytes ordered = mostSignificantFirst(value);
    std::string text;
    for (int i = firstImageByte(ordered, size); i < Integer::kByteCount; ++i)
        for (int shift = 8 - bitsPerDigit; shift >= 0; shift -= bitsPerDigit)
            text += kDigits[(ordered[i] >> shift) & ((1 << bitsPerDigit) - 1)];
    return text;
}

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

}  // namespace

// ---- Representation ---------------------------------------------------------

Integer Integer::fromInt64(std::int64_t value) {
    const auto low = static_cast<std::uint64_t>(value);
    const std::uint64_t high = value < 0 ? ~std::uint64_t{0} : 0;
    return fromLimbs({low, high, high});
}

Integer Integer::fromLimbs(const Limbs& limbs) {
    Integer result;
    result.limbs_ = {limbs[0], limbs[1], signExtendTop(limbs[2])};
    return result;
}

Integer Integer::fromBytes(const Bytes& bytes) {
    Limbs limbs{};
    for (int k = 1; k < kByteCount; ++k) {
        const int bit = (k - 1) * 8;
        limbs[bit / 64] |= static_cast<std::uint64_t>(bytes[k]) << (bit % 64);
    }
    limbs[2] |= static_cast<std::uint64_t>(bytes[0]) << 32;
    return fromLimbs(limbs);
}

Integer::Bytes Integer::bytes() const {
    Bytes bytes{};
    for (int k = 1; k < kByteCount; ++k) {
        const int bit = (k - 1) * 8;
        bytes[k] = static_cast<std::uint8_t>(limbs_[bit / 64] >> (bit % 64));
    }
    bytes[0] = static_cast<std::uint8_t>(limbs_[2] >> 32);
    return bytes;
}

std::optional<std::int64_t> Integer::toInt64() const {
    const std::uint64_t sign = static_cast<std::uint64_t>(static_cast<std::int64_t>(limbs_[0]) >> 63);
    if (limbs_[1] != sign || limbs_[2] != sign) return std::nullopt;
    return static_cast<std::int64_t>(limbs_[0]);
}

// ---- Operations -------------------------------------------------------------

std::optional<std::int32_t> toInt(const Integer& value) {
    const Magnitude m = magnitudeOf(value);
    if (m[1] != 0 || m[2] != 0 || m[0] >= (std::uint64_t{1} << 31)) {
        diag::error("OVERFLOW", decimalImage(value));
        return std::nullopt;
    }
    const auto magnitude = static_cast<std::int32_t>(m[0]);
    return value.isNegative() ? -magnitude : magnitude;
}

int compare(const Integer& a, const Integer& b) {
    const auto& x = a.limbs();
    const auto& y = b.limbs();
    if (x[2] != y[2]) return static_cast<std::int64_t>(x[2]) < static_cast<std::int64_t>(y[2]) ? -1 : 1;
    for (int i = 1; i >= 0; --i)
        if (x[i] != y[i]) return x[i] < y[i] ? -1 : 1;
    return 0;
}

std::optional<Integer> add(const Integer& a, const Integer& b) {
    Integer::Limbs sum = a.limbs();
    wide::addInPlace(sum, b.limbs());
    if (!fitsIn168(sum)) {
        reportOverflow(a, " + ", b);
        return std::nullopt;
    }
    return Integer::fromLimbs(sum);
}

std::optional<Integer> subtract(const Integer& a, const Integer& b) {
    Integer::Limbs difference = a.limbs();
    wide::subtractInPlace(difference, b.limbs());
    if (!fitsIn168(difference)) {
        reportOverflow(a, " - ", b);
        return std::nullopt;
    }
    return Integer::fromLimbs(difference);
}

std::optional<Integer> addSmall(const Integer& a, std::int32_t b) { return add(a, Integer::fromInt(b)); }

std::optional<Integer> multiply(const Integer& a, const Integer& b) {
    const auto x = a.toInt64();
    const auto y = b.toInt64();
    if (x && y) return fromInt128(static_cast<__int128>(*x) * *y);
    const auto product = wide::multiply(magnitudeOf(a), magnitudeOf(b));
    std::optional<Integer> result;
    if (product[3] == 0 && product[4] == 0 && product[5] == 0)
        result = fromMagnitude(a.isNegative() != b.isNegative(), wide::resize<3>(product));
    if (!result) reportOverflow(a, " * ", b);
    return result;
}

std::optional<Integer> multiplySmall(const Integer& a, std::int32_t factor) {
    return multiply(a, Integer::fromInt(factor));
}

std::optional<Integer> divide(const Integer& a, const Integer& b) {
    if (b.isZero()) {
        diag::error("DIVBYZERO");
        return std::nullopt;
    }
    const auto x = a.toInt64();
    const auto y = b.toInt64();
    if (x && y) return fromInt128(static_cast<__int128>(*x) / *y);
    Magnitude quotient, remainder;
    wide::divide(magnitudeOf(a), magnitudeOf(b), quotient, remainder);
    auto result = fromMagnitude(a.isNegative() != b.isNegative(), quotient);
    if (!result) reportOverflow(a, " / ", b);
    return result;
}

std::optional<Integer> negate(const Integer& a) {
    auto result = fromMagnitude(!a.isNegative(), magnitudeOf(a));
    if (!result) diag::error("OVERFLOW", "-" + decimalImage(a));
    return result;
}

SmallDivision divideSmall(const Integer& a, int divisor) {
    if (divisor < 1 || divisor > 255) diag::internalError("ERRINTFCT", "gfmath div_euclid_pint");
    Integer::Limbs pattern = a.limbs();
    pattern[2] &= (std::uint64_t{1} << kTopLimbBits) - 1;
    const auto remainder = wide::divideSmallInPlace(pattern, static_cast<std::uint64_t>(divisor));
    return {Integer::fromLimbs(pattern), static_cast<int>(remainder)};
}

std::optional<Integer> powerOfTwo(int bit) {
    if (bit < 0 || bit >= Integer::kBits) {
        diag::error("OVERFLOW", "2**" + std::to_string(bit));
        return std::nullopt;
    }
    Integer::Limbs limbs{};
    limbs[bit / 64] = std::uint64_t{1} << (bit % 64);
    return Integer::fromLimbs(limbs);
}

Integer signTruncate(const Integer& value, int bitCount) {
    if (bitCount <= 0) return kIntegerZero;
    if (bitCount >= Integer::kBits) return value;
    Integer::Limbs limbs = value.limbs();
    const int top = (bitCount - 1) / 64;
    const int shift = 63 - (bitCount - 1) % 64;
    limbs[top] = static_cast<std::uint64_t>(static_cast<std::int64_t>(limbs[top] << shift) >> shift);
    const std::uint64_t sign = static_cast<std::uint64_t>(static_cast<std::int64_t>(limbs[top]) >> 63);
    for (int i = top + 1; i < 3; ++i) limbs[i] = sign;
    return Integer::fromLimbs(limbs);
}

Integer truncate(const Integer& value, int bitCount) {
    if (bitCount <= 0) return kIntegerZero;
    if (bitCount >= Integer::kBits) return value;
    Integer::Limbs limbs = value.limbs();
    const int top = bitCount / 64;
    if (bitCount % 64 != 0) limbs[top] &= (std::uint64_t{1} << (bitCount % 64)) - 1;
    for (int i = bitCount % 64 != 0 ? top + 1 : top; i < 3; ++i) limbs[i] = 0;
    return Integer::fromLimbs(limbs);
}

bool fits(const Integer& value, int bitCount) {
    if (bitCount <= 0) return value.isZero();
    return signTruncate(value, bitCount) == value;
}

bool fitsUnsigned(const Integer& value, int bitCount) {
    if (bitCount <= 0) return value.isZero();
    if (value.isNegative()) return false;
    return truncate(value, bitCount) == value;
}

std::string image(const Integer& value, DisplayFormat format, int size) {
    switch (static_cast<int>(format)) {
    case static_cast<int>(DisplayFormat::DECIMAL):
    case static_cast<int>(DisplayFormat::UNSIGNED):
    case static_cast<int>(DisplayFormat::DECIMAL_DEF):
        return decimalImage(value);
    case static_cast<int>(DisplayFormat::HEXA): {
        std::string digits = radixImage(value, size, 4);
        if (digits[0] >= 'A') digits.insert(0, 1, '0');
        return digits + "H";
    }
    case static_cast<int>(kPrefixedBinary):
        return "0b" + radixImage(value, size, 1);
    case static_cast<int>(kPrefixedHexa):
        return "0x" + radixImage(value, size, 4);
    default:
        diag::internalError("ERRINTFCT", "gfmath pint_image");
    }
}

std::optional<Integer> integerFromText(std::string_view digits, int base) {
    if (base == 10 && !digits.empty() && digits.size() <= 18) {
        std::int64_t value = 0;
        for (char c : digits) {
            if (c < '0' || c > '9') {
                value = -1;
                break;
            }
            value = value * 10 + (c - '0');
        }
        if (value >= 0) return Integer::fromInt64(value);
    }
    Magnitude m{};
    bool valid = !digits.empty() && base >= 2 && base <= 16;
    for (std::size_t i = 0; valid && i < digits.size(); ++i) {
        const int digit = digitValue(digits[i]);
        valid = digit < base && wide::multiplySmallInPlace(m, static_cast<std::uint64_t>(base)) == 0;
        if (valid) valid = wide::addSmallInPlace(m, static_cast<std::uint64_t>(digit)) == 0;
        if (valid) valid = wide::bitLength(m) < Integer::kBits;
    }
    if (!valid) {
        diag::error("TRFSTRINT", digits);
        return std::nullopt;
    }
    return Integer::fromLimbs(m);
}

}  // namespace values
