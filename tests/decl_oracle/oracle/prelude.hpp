// Helpers of the generated assertion file (after the headers under test).
namespace vorne_oracle {

// A function type without its exception specification: C declarations have
// none, though glibc gives its functions noexcept when compiled as C++.
template <class T> struct plain { using type = T; };
template <class R, class... A> struct plain<R(A...) noexcept> { using type = R(A...); };
template <class R, class... A> struct plain<R(A..., ...) noexcept> { using type = R(A..., ...); };
template <class T> using plain_t = typename plain<T>::type;

// A type without a top-level restrict: the analyser's standard definitions
// write restrict away, and C compares pointers without it.
template <class T> struct unrestricted { using type = T; };
template <class T> struct unrestricted<T* __restrict> { using type = T*; };
template <class T> struct unrestricted<T* const __restrict> { using type = T* const; };
template <class T> struct unrestricted<T* volatile __restrict> { using type = T* volatile; };
template <class T> struct unrestricted<T* const volatile __restrict> { using type = T* const volatile; };
template <class T> using unrestricted_t = typename unrestricted<T>::type;

// The script kinds an analysed type may map to, as a set of bits.
enum : unsigned {
    ENTIER = 1u << 0, BOOLEEN = 1u << 1, CARACTERE = 1u << 2, REEL = 1u << 3, CHAINE = 1u << 4, ENUM = 1u << 5,
    POINTEUR = 1u << 6, BIT = 1u << 7, INCONNU = 1u << 8, PTR_CHAINE = 1u << 9, PRIVATE = 1u << 10,
    FUNCPOINTEUR = 1u << 11
};

// What a type is for the script, by partial specialisation and the
// compiler's own traits: one cheap instantiation per type, as the file
// names thousands of types. kinds: the acceptable kinds; bits: the signed
// size of a scalar type (negative when signed), 0 for the others. The
// primary template takes the integers.
template <class T, class = void> struct basic {
    static constexpr long long size = static_cast<long long>(sizeof(T) * CHAR_BIT);
    static constexpr unsigned kinds = ENTIER;
    static constexpr long long bits = T(-1) < T(0) ? -size : size;
    static constexpr bool character = false;
};
template <class T> struct facts : basic<std::remove_cv_t<std::remove_reference_t<T>>> {};

template <unsigned K, long long B, bool C = false> struct fixed {
    static constexpr unsigned kinds = K;
    static constexpr long long bits = B;
    static constexpr bool character = C;
};
template <class T> struct basic<T, std::enable_if_t<__is_enum(T)>>
    : fixed<ENTIER | ENUM, basic<__underlying_type(T)>::bits> {};
template <class T> struct basic<T, std::enable_if_t<__is_class(T) || __is_union(T)>> : fixed<INCONNU, 0> {};
template <class T> struct basic<T, std::enable_if_t<std::is_function_v<T>>> : fixed<POINTEUR | FUNCPOINTEUR, 0> {};
template <> struct basic<void> : fixed<ENTIER, 0> {};
template <> struct basic<bool> : fixed<BOOLEEN | ENTIER, CHAR_BIT> {};
template <> struct basic<char> : fixed<CARACTERE, (char(-1) < 0 ? -1 : 1) * CHAR_BIT, true> {};
template <> struct basic<signed char> : fixed<CARACTERE, -CHAR_BIT, true> {};
template <> struct basic<unsigned char> : fixed<ENTIER, CHAR_BIT> {};
template <> struct basic<wchar_t> : fixed<ENTIER | CARACTERE, (wchar_t(-1) < 0 ? -1 : 1) * long(sizeof(wchar_t) * CHAR_BIT)> {};
template <> struct basic<char16_t> : fixed<ENTIER | CARACTERE, 16> {};
template <> struct basic<char32_t> : fixed<ENTIER | CARACTERE, 32> {};
template <> struct basic<float> : fixed<REEL, -long(sizeof(float) * CHAR_BIT)> {};
template <> struct basic<double> : fixed<REEL, -long(sizeof(double) * CHAR_BIT)> {};
template <> struct basic<long double> : fixed<REEL, -long(sizeof(long double) * CHAR_BIT)> {};
template <> struct basic<__float128> : fixed<REEL, -long(sizeof(__float128) * CHAR_BIT)> {};
template <> struct basic<decltype(nullptr)> : fixed<POINTEUR, sizeof(void*) * CHAR_BIT> {};

template <class P> constexpr unsigned pointer_kinds =
    facts<P>::character ? CHAINE | PTR_CHAINE
    : std::is_same_v<std::remove_cv_t<P>, unsigned char> ? CHAINE | POINTEUR
    : std::is_function_v<P> ? POINTEUR | FUNCPOINTEUR : POINTEUR;
template <class P> struct basic<P*> : fixed<pointer_kinds<P>, sizeof(P*) * CHAR_BIT> {};
template <class P> struct basic<P* __restrict> : basic<P*> {};
template <class T, class C> struct basic<T C::*> : fixed<POINTEUR, sizeof(T C::*) * CHAR_BIT> {};

template <class E> constexpr unsigned array_kinds =
    facts<E>::character ? CHAINE
    : std::is_same_v<std::remove_cv_t<E>, unsigned char> || std::is_array_v<E> ? CHAINE | POINTEUR : POINTEUR;
template <class E> struct basic<E[]> : fixed<array_kinds<E>, 0> {};
template <class E, unsigned long N> struct basic<E[N]> : fixed<array_kinds<E>, 0> {};

template <class T> constexpr unsigned kinds() { return facts<T>::kinds; }
template <class T> constexpr long long signed_bits() { return facts<T>::bits; }

template <class E> constexpr auto value_of(E e) {
    if constexpr (std::is_enum_v<E>) return static_cast<std::underlying_type_t<E>>(e);
    else return e;
}

// Equal as numbers, whatever the signedness of either side.
template <class A, class B> constexpr bool same_value(A a, B b) {
    return (a < 0) == (b < 0) && static_cast<unsigned long long>(a) == static_cast<unsigned long long>(b);
}

// Names a type in an error message, for the report of a failing entry.
template <class T> struct gxx_sees;

}  // namespace vorne_oracle
