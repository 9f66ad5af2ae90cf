// The unit under test of the case: a doubling with a fault on 3, a sum of
// two inputs, and a counter of calls.
long x, y;
long a, b, ok_sum, total;
double ok_level, ok_step;
long ticks;
unsigned long rounds = 2;  // a count the harness compares its int counter with

inline void double_it() { y = x == 3 ? 7 : 2 * x; }
inline void add() { ok_sum = a + b; total = a * b; }
inline void rise() { ok_step = ok_level * 2; }
inline void tick() { ++ticks; }
