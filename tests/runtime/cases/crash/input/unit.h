// The unit under test of the case: a reading through a pointer that the
// second test leaves null, which crashes the harness.
long ok_value = 1;
long *source = &ok_value;
long ok_result;

inline void read() { ok_result = *source; }
inline void lose() { source = 0; }
