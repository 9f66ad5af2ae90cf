// The unit under test of the case: calls that throw, expected or not.
#include <stdexcept>

struct Refused {
    Refused(int given) : code(given) {}
    int code;
};
long ok_level, ko_level, ok_before, ko_after;
long ko_broken;

inline void refuse(int code) { throw Refused{code}; }
inline void accept() {}
inline void explode() { throw std::runtime_error("sensor lost"); }
inline long broken() { throw std::logic_error("no initial value"); }
inline long reading() { throw std::out_of_range("no reading"); }

// The expected values of some elements and iterations cannot be computed.
long k, cells[3];
inline long same_unless_two(long value) {
    if (value == 2) throw std::domain_error("two");
    return value;
}
inline long cell(int index) {
    if (index == 1) throw std::out_of_range("cell 1");
    return index * 10L;
}
inline void fill_cells() {
    for (int i = 0; i < 3; ++i) cells[i] = i * 10L;
}
