/* Declarations shared by the simplified C++ standard headers of the target
   package: the standard's size types, the allocator, the character traits,
   the comparison and hash function objects and pair, which every container
   and string header of the library makes known. */
#ifndef HRUS_CPP_BASE_H
#define HRUS_CPP_BASE_H

#include "hrus_c_base.h"

namespace std {

using ::size_t;
using ::ptrdiff_t;
typedef decltype(nullptr) nullptr_t;

template<class T> class allocator {
public:
    typedef T value_type;
    typedef T* pointer;
    typedef const T* const_pointer;
    typedef T& reference;
    typedef const T& const_reference;
    typedef size_t size_type;
    typedef ptrdiff_t difference_type;
    allocator() noexcept;
    allocator(const allocator& other) noexcept;
    template<class U> allocator(const allocator<U>& other) noexcept;
    ~allocator();
    T* allocate(size_t n);
    void deallocate(T* p, size_t n);
};

template<class CharT> struct char_traits {
    typedef CharT char_type;
    typedef int int_type;
    typedef long long off_type;
    typedef long long pos_type;
    static void assign(char_type& r, const char_type& a) noexcept;
    static bool eq(const char_type& a, const char_type& b) noexcept;
    static bool lt(const char_type& a, const char_type& b) noexcept;
    static int compare(const char_type* s1, const char_type* s2, size_t n);
    static size_t length(const char_type* s);
    static const char_type* find(const char_type* s, size_t n, const char_type& a);
    static char_type* move(char_type* s1, const char_type* s2, size_t n);
    static char_type* copy(char_type* s1, const char_type* s2, size_t n);
};

template<class T = void> struct less {
    bool operator()(const T& x, const T& y) const;
};
template<class T = void> struct greater {
    bool operator()(const T& x, const T& y) const;
};
template<class T = void> struct less_equal {
    bool operator()(const T& x, const T& y) const;
};
template<class T = void> struct greater_equal {
    bool operator()(const T& x, const T& y) const;
};
template<class T = void> struct equal_to {
    bool operator()(const T& x, const T& y) const;
};
template<class T = void> struct not_equal_to {
    bool operator()(const T& x, const T& y) const;
};
template<class T> struct hash {
    size_t operator()(const T& value) const noexcept;
};

template<class T1, class T2> struct pair {
    typedef T1 first_type;
    typedef T2 second_type;
    T1 first;
    T2 second;
    pair();
    pair(const T1& x, const T2& y);
    template<class U1, class U2> pair(const pair<U1, U2>& p);
    pair(const pair& p);
    pair& operator=(const pair& p);
    void swap(pair& p);
};

template<class T1, class T2> pair<T1, T2> make_pair(T1 x, T2 y);
template<class T> void swap(T& a, T& b);

}  // namespace std

#endif
