// Unsigned arithmetic on fixed arrays of 64-bit limbs, least significant limb
// first. Internal to the values module: the integer and real numbers are
// built on it.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace values::wide {

template <std::size_t N>
using Limbs = std::array<std::uint64_t, N>;

using u128 = unsigned __int128;
using s128 = __int128;

template <std::size_t N>
constexpr bool isZero(const Limbs<N>& a) {
    for (auto limb : a)
        if (limb != 0) return false;
    return true;
}

// Number of limbs up to the most significant non-zero one.
template <std::size_t N>
constexpr int significantLimbs(const Limbs<N>& a) {
    int n = static_cast<int>(N);
    while (n > 0 && a[n - 1] == 0) --n;
    return n;
}

template <std::size_t N>
constexpr int bitLength(const Limbs<N>& a) {
    const int n = significantLimbs(a);
    return n == 0 ? 0 : (n - 1) * 64 + std::bit_width(a[n - 1]);
}

template <std::size_t N>
constexpr int compare(const Limbs<N>& a, const Limbs<N>& b) {
    for (std::size_t i = N; i-- > 0;)
        if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    return 0;
}

// Zero-extends or cuts to M limbs.
template <std::size_t M, std::size_t N>
constexpr Limbs<M> resize(const Limbs<N>& a) {
    Limbs<M> r{};
    for (std::size_t i = 0; i < M && i < N; ++i) r[i] = a[i];
    return r;
}

// a += b; returns the carry out of the top limb.
template <std::size_t N>
constexpr std::uint64_t addInPlace(Limbs<N>& a, const Limbs<N>& b) {
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const u128 sum = static_cast<u128>(a[i]) + b[i] + carry;
        a[i] = static_cast<std::uint64_t>(sum);
        carry = static_cast<std::uint64_t>(sum >> 64);
    }
    return carry;
}

// a -= b; returns the borrow out of the top limb.
template <std::size_t N>
constexpr std::uint64_t subtractInPlace(Limbs<N>& a, const Limbs<N>& b) {
    std::uint64_t borrow = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const u128 diff = static_cast<u128>(a[i]) - b[i] - borrow;
        a[i] = static_cast<std::uint64_t>(diff);
        borrow = static_cast<std::uint64_t>(diff >> 64) & 1;
    }
    return borrow;
}

// a += small; returns the carry.
template <std::size_t N>
constexpr std::uint64_t addSmallInPlace(Limbs<N>& a, std::uint64_t small) {
    for (std::size_t i = 0; i < N && small != 0; ++i) {
        a[i] += small;
        small = a[i] < small ? 1 : 0;
    }
    return small;
}

// a *= m; returns the limb carried out of the top.
template <std::size_t N>
constexpr std::uint64_t multiplySmallInPlace(Limbs<N>& a, std::uint64_t m) {
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const u128 product = static_cast<u128>(a[i]) * m + carry;
        a[i] = static_cast<std::uint64_t>(product);
        carry = static_cast<std::uint64_t>(product >> 64);
    }
    return carry;
}

// a /= d (d non-zero); returns the remainder.
template <std::size_t N>
constexpr std::uint64_t divideSmallInPlace(Limbs<N>& a, std::uint64_t d) {
    u128 remainder = 0;
    for (std::size_t i = N; i-- > 0;) {
        const u128 current = (remainder << 64) | a[i];
        a[i] = static_cast<std::uint64_t>(current / d);
        remainder = current % d;
    }
    return static_cast<std::uint64_t>(remainder);
}

template <std::size_t N, std::size_t M>
constexpr Limbs<N + M> multiply(const Limbs<N>& a, const Limbs<M>& b) {
    Limbs<N + M> r{};
    for (std::size_t i = 0; i < N; ++i) {
        if (a[i] == 0) continue;
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < M; ++j) {
            const u128 t = static_cast<u128>(a[i]) * b[j] + r[i + j] + carry;
            r[i + j] = static_cast<std::uint64_t>(t);
            carry = static_cast<std::uint64_t>(t >> 64);
        }
        r[i + M] = carry;
    }
    return r;
}

template <std::size_t N>
constexpr Limbs<N> shiftLeft(const Limbs<N>& a, int bits) {
    Limbs<N> r{};
    const int limbShift = bits / 64;
    const int bitShift = bits % 64;
    for (int i = static_cast<int>(N) - 1; i >= limbShift; --i) {
        std::uint64_t v = a[i - limbShift] << bitShift;
        if (bitShift != 0 && i - limbShift - 1 >= 0) v |= a[i - limbShift - 1] >> (64 - bitShift);
        r[i] = v;
    }
    return r;
}

namespace detail {

// Knuth's algorithm D on normalised copies: un has m+1 limbs, vn has n >= 2
// limbs with the top bit of vn[n-1] set. Quotient limbs go to q[0..m-n].
template <std::size_t NU, std::size_t NV, std::size_t NQ>
constexpr void divideNormalised(Limbs<NU>& un, const Limbs<NV>& vn, int m, int n, Limbs<NQ>& q) {
    for (int j = m - n; j >= 0; --j) {
        const u128 top = (static_cast<u128>(un[j + n]) << 64) | un[j + n - 1];
        u128 qhat = top / vn[n - 1];
        u128 rhat = top % vn[n - 1];
        while (qhat >> 64 != 0 || qhat * vn[n - 2] > ((rhat << 64) | un[j + n - 2])) {
            --qhat;
            rhat += vn[n - 1];
            if (rhat >> 64 != 0) break;
        }
        s128 borrow = 0;
        for (int i = 0; i < n; ++i) {
            const u128 p = qhat * vn[i];
            const s128 t = static_cast<s128>(un[i + j]) - borrow - static_cast<s128>(static_cast<std::uint64_t>(p));
            un[i + j] = static_cast<std::uint64_t>(t);
            borrow = static_cast<s128>(p >> 64) - (t >> 64);
        }
        const s128 t = static_cast<s128>(un[j + n]) - borrow;
        un[j + n] = static_cast<std::uint64_t>(t);
        q[j] = static_cast<std::uint64_t>(qhat);
        if (t < 0) {
            --q[j];
            std::uint64_t carry = 0;
            for (int i = 0; i < n; ++i) {
                const u128 s = static_cast<u128>(un[i + j]) + vn[i] + carry;
                un[i + j] = static_cast<std::uint64_t>(s);
                carry = static_cast<std::uint64_t>(s >> 64);
            }
            un[j + n] += carry;
        }
    }
}

}  // namespace detail

// q = u / v, r = u % v for a non-zero v.
template <std::size_t N, std::size_t M>
constexpr void divide(const Limbs<N>& u, const Limbs<M>& v, Limbs<N>& q, Limbs<M>& r) {
    q = {};
    r = {};
    const int n = significantLimbs(v);
    const int m = significantLimbs(u);
    if (m < n) {
        r = resize<M>(u);
        return;
    }
    if (n == 1) {
        q = u;
        r[0] = divideSmallInPlace(q, v[0]);
        return;
    }
    const int s = std::countl_zero(v[n - 1]);
    Limbs<M> vn = shiftLeft(v, s);
    Limbs<N + 1> un = shiftLeft(resize<N + 1>(u), s);
    detail::divideNormalised(un, vn, m, n, q);
    for (int i = 0; i < n; ++i) {
        std::uint64_t limb = un[i] >> s;
        if (s != 0) limb |= un[i + 1] << (64 - s);
        r[i] = limb;
    }
}

}  // namespace values::wide
