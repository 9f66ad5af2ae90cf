// The decimal-exponent real: a coefficient of Real::kDigits decimal digits,
// which holds every 168-bit integer exactly and is finer than a 160-bit
// binary fraction, so that conversions and images need no binary clean-up.
#include "values/numbers.h"

#include "diag/diag.h"
#include "values/wide_internal.h"

#include <climits>
#include <limits>

namespace values {

namespace {

constexpr int P = Real::kDigits;
using Wide = wide::Limbs<6>;  // room for a product of two coefficients
constexpr int kMaxPower = 2 * P + 4;

constexpr auto kPowersOfTen = [] {
    std::array<Wide, kMaxPower + 1> powers{};
    powers[0][0] = 1;
    for (int i = 1; i <= kMaxPower; ++i) {
        powers[i] = powers[i - 1];
        wide::multiplySmallInPlace(powers[i], 10);
    }
    return powers;
}();
static_assert(wide::bitLength(kPowersOfTen[kMaxPower]) < 64 * 6);
static_assert(wide::bitLength(kPowersOfTen[P]) <= 64 * 3);

// Number of decimal digits of w (0 for zero).
int digitCount(const Wide& w) {
    if (wide::isZero(w)) return 0;
    // 1233/4096 is just above log10(2).
    int estimate = (wide::bitLength(w) * 1233) >> 12;
    if (estimate > kMaxPower) estimate = kMaxPower;
    while (estimate < kMaxPower && wide::compare(w, kPowersOfTen[estimate]) >= 0) ++estimate;
    while (estimate > 0 && wide::compare(w, kPowersOfTen[estimate - 1]) < 0) --estimate;
    return estimate;
}

// w / 10^k rounded half up.
Wide dropDigits(const Wide& w, int k) {
    Wide q, r;
    if (k <= 19) {
        q = w;
        const std::uint64_t divisor = kPowersOfTen[k][0];
        const std::uint64_t remainder = wide::divideSmallInPlace(q, divisor);
        if (remainder >= divisor - remainder) wide::addSmallInPlace(q, 1);
        return q;
    }
    wide::divide(w, kPowersOfTen[k], q, r);
    Wide twice = r;
    wide::addInPlace(twice, r);
    if (wide::compare(twice, kPowersOfTen[k]) >= 0) wide::addSmallInPlace(q, 1);
    return q;
}

Wide scaleUp(Wide w, int k) {
    if (k <= 19) {
        wide::multiplySmallInPlace(w, kPowersOfTen[k][0]);
        return w;
    }
    return wide::resize<6>(wide::multiply(w, wide::resize<3>(kPowersOfTen[k])));
}

// The real w * 10^power10, w having at most kMaxPower digits.
std::optional<Real> normalise(bool negative, Wide w, std::int64_t power10) {
    int digits = digitCount(w);
    if (digits == 0) return kRealZero;
    if (digits > P) {
        w = dropDigits(w, digits - P);
        power10 += digits - P;
        if (wide::compare(w, kPowersOfTen[P]) == 0) {
            w = kPowersOfTen[P - 1];
            ++power10;
        }
    } else if (digits < P) {
        w = scaleUp(w, P - digits);
        power10 -= P - digits;
    }
    return Real::fromParts(negative, wide::resize<3>(w), power10);
}

void reportExponentOverflow(std::int64_t exponent) {
    diag::error("OVERFLOW", "E" + std::to_string(exponent));
}

// a + b for |a| at least |b| in exponent order.
std::optional<Real> addOrdered(const Real& a, const Real& b) {
    const std::int64_t shift = static_cast<std::int64_t>(a.exponent()) - b.exponent();
    if (shift > P + 2) return a;
    Wide big = scaleUp(wide::resize<6>(a.coefficient()), static_cast<int>(shift));
    const Wide small = wide::resize<6>(b.coefficient());
    bool negative = a.isNegative();
    if (a.isNegative() == b.isNegative()) {
        wide::addInPlace(big, small);
    } else if (wide::compare(big, small) >= 0) {
        wide::subtractInPlace(big, small);
    } else {
        Wide difference = small;
        wide::subtractInPlace(difference, big);
        big = difference;
        negative = b.isNegative();
    }
    return normalise(negative, big, static_cast<std::int64_t>(b.exponent()) - P);
}

std::string coefficientDigits(const Real& value) {
    constexpr std::uint64_t kChunk = 10'000'000'000'000'000'000u;  // 10^19
    wide::Limbs<3> c = value.coefficient();
    std::string reversed;
    while (!wide::isZero(c)) {
        std::uint64_t chunk = wide::divideSmallInPlace(c, kChunk);
        for (int i = 0; i < 19; ++i, chunk /= 10) reversed += static_cast<char>('0' + chunk % 10);
    }
    std::string digits(reversed.rbegin(), reversed.rend());
    digits.erase(0, digits.find_first_not_of('0'));
    return digits;
}

// The limit rules: a last 7, 8 or 9 after a 9 rounds the trailing 9s up; a
// last 0 to 3 after a 0 drops the trailing zeros. Returns the exponent change.
int applyDigitLimit(std::string& digits) {
    const std::size_t n = digits.size();
    if (n < 2) return 0;
    const char last = digits[n - 1];
    const char previous = digits[n - 2];
    if (last >= '7' && previous == '9') {
        digits.pop_back();
        while (!digits.empty() && digits.back() == '9') digits.pop_back();
        if (digits.empty()) {
            digits = "1";
            return 1;
        }
        ++digits.back();
    } else if (last <= '3' && previous == '0') {
        digits.pop_back();
        while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    }
    return 0;
}

// The mantissa digits of a real literal: digits before and after the point.
struct LiteralParts {
    std::string_view integral, fraction;
    std::int64_t exponent = 0;
    bool exponentTooLarge = false;
    bool valid = false;
};

bool allDigits(std::string_view text) {
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

LiteralParts splitLiteral(std::string_view text) {
    LiteralParts parts;
    const std::size_t e = text.find_first_of("eE");
    std::string_view mantissa = text.substr(0, e);
    const std::size_t point = mantissa.find('.');
    parts.integral = mantissa.substr(0, point);
    if (point != std::string_view::npos) parts.fraction = mantissa.substr(point + 1);
    parts.valid = allDigits(parts.integral) && allDigits(parts.fraction) &&
                  !(parts.integral.empty() && parts.fraction.empty());
    if (e == std::string_view::npos || !parts.valid) return parts;
    std::string_view exponent = text.substr(e + 1);
    const bool negative = !exponent.empty() && exponent[0] == '-';
    if (!exponent.empty() && (exponent[0] == '-' || exponent[0] == '+')) exponent.remove_prefix(1);
    parts.valid = !exponent.empty() && allDigits(exponent);
    for (char c : exponent) {
        parts.exponent = parts.exponent * 10 + (c - '0');
        if (parts.exponent > std::numeric_limits<std::int32_t>::max()) parts.exponentTooLarge = true;
        if (parts.exponentTooLarge) parts.exponent = std::numeric_limits<std::int32_t>::max();
    }
    if (negative) parts.exponent = -parts.exponent;
    return parts;
}

}  // namespace

std::optional<Real> Real::fromParts(bool negative, const Limbs& coefficient, std::int64_t exponent) {
    Wide w = wide::resize<6>(coefficient);
    const int digits = digitCount(w);
    if (digits == 0) return kRealZero;
    if (digits != P) return normalise(negative, w, exponent);
    const std::int64_t normalisedExponent = exponent + P;
    if (normalisedExponent > std::numeric_limits<std::int32_t>::max()) {
        reportExponentOverflow(normalisedExponent);
        return std::nullopt;
    }
    if (normalisedExponent < std::numeric_limits<std::int32_t>::min()) return kRealZero;
    Real r;
    r.negative_ = negative;
    r.coefficient_ = coefficient;
    r.exponent_ = static_cast<std::int32_t>(normalisedExponent);
    return r;
}

Real realFromInteger(const Integer& value) {
    wide::Limbs<3> m = value.limbs();
    if (value.isNegative()) {
        for (auto& limb : m) limb = ~limb;
        wide::addSmallInPlace(m, 1);
    }
    // At most 51 digits: always exact and within the exponent range.
    return *normalise(value.isNegative(), wide::resize<6>(m), 0);
}

std::optional<Integer> integerFromReal(const Real& value) {
    const std::int64_t e = value.exponent();
    if (value.isZero() || e <= 0) return kIntegerZero;
    Wide magnitude = wide::resize<6>(value.coefficient());
    if (e - P > 52) {
        magnitude = kPowersOfTen[kMaxPower];  // beyond any 168-bit value
    } else if (e >= P) {
        magnitude = scaleUp(magnitude, static_cast<int>(e - P));
    } else {
        const Wide scaled = magnitude;
        Wide remainder;
        wide::divide(scaled, kPowersOfTen[P - e], magnitude, remainder);
    }
    const Wide limit = wide::shiftLeft(kPowersOfTen[0], Integer::kBits - 1);
    const int order = wide::compare(magnitude, limit);
    if (order > 0 || (order == 0 && !value.isNegative())) {
        diag::error("OVERFLOW", image(value, 19));
        return std::nullopt;
    }
    wide::Limbs<3> m = wide::resize<3>(magnitude);
    if (value.isNegative()) {
        for (auto& limb : m) limb = ~limb;
        wide::addSmallInPlace(m, 1);
    }
    return Integer::fromLimbs(m);
}

int compare(const Real& a, const Real& b) {
    const int signA = a.isZero() ? 0 : (a.isNegative() ? -1 : 1);
    const int signB = b.isZero() ? 0 : (b.isNegative() ? -1 : 1);
    if (signA != signB) return signA < signB ? -1 : 1;
    if (signA == 0) return 0;
    int order = 0;
    if (a.exponent() != b.exponent()) order = a.exponent() < b.exponent() ? -1 : 1;
    else order = wide::compare(a.coefficient(), b.coefficient());
    return signA * order;
}

std::optional<Real> add(const Real& a, const Real& b) {
    if (a.isZero()) return b;
    if (b.isZero()) return a;
    return a.exponent() >= b.exponent() ? addOrdered(a, b) : addOrdered(b, a);
}

std::optional<Real> subtract(const Real& a, const Real& b) { return add(a, negate(b)); }

std::optional<Real> multiply(const Real& a, const Real& b) {
    if (a.isZero() || b.isZero()) return kRealZero;
    const Wide product = wide::multiply(a.coefficient(), b.coefficient());
    const std::int64_t power = static_cast<std::int64_t>(a.exponent()) - P + b.exponent() - P;
    return normalise(a.isNegative() != b.isNegative(), product, power);
}

std::optional<Real> divide(const Real& a, const Real& b) {
    if (b.isZero()) {
        diag::error("DIVBYZERO");
        return std::nullopt;
    }
    if (a.isZero()) return kRealZero;
    const Wide numerator = scaleUp(wide::resize<6>(a.coefficient()), P + 2);
    Wide quotient;
    wide::Limbs<3> remainder;
    wide::divide(numerator, b.coefficient(), quotient, remainder);
    const std::int64_t power = static_cast<std::int64_t>(a.exponent()) - b.exponent() - P - 2;
    return normalise(a.isNegative() != b.isNegative(), quotient, power);
}

Real negate(const Real& a) {
    if (a.isZero()) return a;
    return *Real::fromParts(!a.isNegative(), a.coefficient(), static_cast<std::int64_t>(a.exponent()) - P);
}

Real absolute(const Real& a) { return a.isNegative() ? negate(a) : a; }

std::string image(const Real& value, int limit) {
    if (value.isZero()) return "0.0";
    if (limit < 1 || limit > 19) limit = 19;
    std::string digits = coefficientDigits(value);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::int64_t exponent = value.exponent();
    if (digits.size() >= static_cast<std::size_t>(limit)) {
        digits.resize(static_cast<std::size_t>(limit));
        exponent += applyDigitLimit(digits);
    }
    std::string text = value.isNegative() ? "-0." : "0.";
    text += digits;
    if (exponent != 0) text += "E" + std::to_string(exponent);
    return text;
}

std::optional<Real> realFromText(std::string_view text) {
    const LiteralParts parts = splitLiteral(text);
    if (!parts.valid) return std::nullopt;
    // The first P + 1 significant digits; the last one only rounds.
    Wide w{};
    int kept = 0;
    std::int64_t power = parts.exponent - static_cast<std::int64_t>(parts.fraction.size());
    auto take = [&](char c) {
        if (kept == 0 && c == '0') return;
        if (kept <= P) {
            wide::multiplySmallInPlace(w, 10);
            wide::addSmallInPlace(w, static_cast<std::uint64_t>(c - '0'));
            ++kept;
        } else {
            ++power;
        }
    };
    for (char c : parts.integral) take(c);
    for (char c : parts.fraction) take(c);
    if (wide::isZero(w)) return kRealZero;
    const bool tooSmall = (parts.exponentTooLarge && parts.exponent < 0) || power + kept < INT32_MIN;
    if (tooSmall) return kRealZero;
    if (parts.exponentTooLarge || power + kept > INT32_MAX) {
        diag::error("OVERFLOW", text);
        return std::nullopt;
    }
    return normalise(false, w, power);
}

}  // namespace values
