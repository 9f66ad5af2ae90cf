// The unit under test of the case: a doubling with a fault on 3, and a
// counter of calls.
int x, y;
int ticks;
int rounds = 2;

inline void double_it() { y = x == 3 ? 7 : 2 * x; }
inline void tick() { ++ticks; }
