// The unit under test of the case: every check passes, but the results
// file cannot be written.
int value = 1;
int *source = &value;
int result;

inline void read() { result = *source; }
inline void lose() {}
