// Helpers of the generated assertion file (after the headers under test).
namespace vorne_oracle {

// A function type without its exception specification: C declarations have
// none, though glibc gives its functions noexcept when compiled as C++.
template <class T> struct plain { using type = T; };
template <class R, class... A> struct plain<R(A...) noexcept> { using type = R(A...); };
template <class R, class... A> struct plain<R(A..., ...) noexcept> { using type = R(A..., ...); };
template <class T> using plain_t = typename plain<T>::type;

template <class T>
constexpr bool is_int128 = std::is_same_v<T, __int128> || std::is_same_v<T, unsigned __int128>;

// A type without a top-level restrict: the analyser's standard definitions
// write restrict away, and C compares pointers without it.
template <class T> struct unrestricted { using type = T; };
template <class T> struct unrestricted<T* __restrict> { using type = T*; };
template <class T> struct unrestricted<T* const __restrict> { using type = T* const; };
template <class T> struct unrestricted<T* volatile __restrict> { using type = T* volatile; };
template <class T> struct unrestricted<T* const volatile __restrict> { using type = T* const volatile; };
template <class T> using unrestricted_t = typename unrestricted<T>::type;

template <class T> using bare_t = std::remove_cv_t<unrestricted_t<std::remove_reference_t<T>>>;

// The signed size in bits of a scalar type (negative when signed), 0 for the others.
template <class T> constexpr long long signed_bits() {
    using U = bare_t<T>;
    constexpr long long bits = static_cast<long long>(sizeof(std::conditional_t<std::is_scalar_v<U> || is_int128<U>, U, char>) * CHAR_BIT);
    if constexpr (std::is_enum_v<U>) return signed_bits<std::underlying_type_t<U>>();
    else if constexpr (std::is_pointer_v<U> || std::is_member_pointer_v<U> || std::is_null_pointer_v<U>) return bits;
    else if constexpr (std::is_floating_point_v<U>) return -bits;
    else if constexpr (std::is_integral_v<U> || is_int128<U>) return U(-1) < U(0) ? -bits : bits;
    else return 0;
}

// The script kinds an analysed type may map to, as a set of bits.
enum : unsigned {
    ENTIER = 1u << 0, BOOLEEN = 1u << 1, CARACTERE = 1u << 2, REEL = 1u << 3, CHAINE = 1u << 4, ENUM = 1u << 5,
    POINTEUR = 1u << 6, BIT = 1u << 7, INCONNU = 1u << 8, PTR_CHAINE = 1u << 9, PRIVATE = 1u << 10,
    FUNCPOINTEUR = 1u << 11
};

template <class T> constexpr bool is_character = std::is_same_v<T, char> || std::is_same_v<T, signed char>;
template <class T>
constexpr bool is_wide_character = std::is_same_v<T, wchar_t> || std::is_same_v<T, char16_t> || std::is_same_v<T, char32_t>;

template <class P> constexpr unsigned pointer_kinds() {
    if constexpr (is_character<P>) return CHAINE | PTR_CHAINE;
    else if constexpr (std::is_same_v<P, unsigned char>) return CHAINE | POINTEUR;
    else if constexpr (std::is_function_v<P>) return POINTEUR | FUNCPOINTEUR;
    else return POINTEUR;
}

template <class E> constexpr unsigned array_kinds() {
    if constexpr (is_character<E>) return CHAINE;
    else if constexpr (std::is_same_v<E, unsigned char> || std::is_array_v<E>) return CHAINE | POINTEUR;
    else return POINTEUR;
}

template <class T> constexpr unsigned kinds() {
    using U = bare_t<T>;
    if constexpr (std::is_void_v<U>) return ENTIER;
    else if constexpr (std::is_same_v<U, bool>) return BOOLEEN | ENTIER;
    else if constexpr (is_character<U>) return CARACTERE;
    else if constexpr (is_wide_character<U>) return ENTIER | CARACTERE;
    else if constexpr (std::is_integral_v<U> || is_int128<U>) return ENTIER;
    else if constexpr (std::is_floating_point_v<U>) return REEL;
    else if constexpr (std::is_enum_v<U>) return ENTIER | ENUM;
    else if constexpr (std::is_pointer_v<U>) return pointer_kinds<std::remove_cv_t<std::remove_pointer_t<U>>>();
    else if constexpr (std::is_array_v<U>) return array_kinds<std::remove_cv_t<std::remove_extent_t<U>>>();
    else if constexpr (std::is_function_v<U>) return POINTEUR | FUNCPOINTEUR;
    else if constexpr (std::is_member_pointer_v<U> || std::is_null_pointer_v<U>) return POINTEUR;
    else if constexpr (std::is_class_v<U> || std::is_union_v<U>) return INCONNU;
    else return ~0u;
}

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
