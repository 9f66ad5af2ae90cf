// The unit under test of the case: calls that throw, expected or not.
#ifdef __cplusplus
#include <stdexcept>
#endif

struct Refused {
    Refused(int given) : code(given) {}
    int code;
};
int level;

inline void refuse(int code) { throw Refused{code}; }
inline void accept() {}
#ifdef __cplusplus
inline void explode() { throw std::runtime_error("sensor lost"); }
inline int broken() { throw std::logic_error("no initial value"); }
inline int reading() { throw std::out_of_range("no reading"); }
#endif
