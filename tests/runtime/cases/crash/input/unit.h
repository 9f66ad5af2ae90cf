// The unit under test of the case: a reading through a pointer that the
// second test leaves null, which crashes the harness.
int value = 1;
int *source = &value;
int result;

inline void read() { result = *source; }
inline void lose() { source = 0; }
