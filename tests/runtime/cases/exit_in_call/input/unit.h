// The unit under test of the case: the second test's call ends the process
// through exit, and with the status of success, as a unit that gives up
// quietly may; the harness must not pass for it.
#include <stdlib.h>

long ok_value = 1;
long *source = &ok_value;
long ok_result;

inline void read() { ok_result = *source; }
inline void lose() { exit(0); }
