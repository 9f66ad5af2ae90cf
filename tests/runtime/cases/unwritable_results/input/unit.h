// The unit under test of the case: every check passes, but the results file
// cannot be written where the compiler was told to put it.
long ok_value = 1;
long ok_result;

inline void read() { ok_result = ok_value; }
