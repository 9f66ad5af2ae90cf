// The unit under test of the case: the second test's call ends the process
// through exit, as a unit that gives up on an error may.
#include <stdlib.h>

int value = 1;
int *source = &value;
int result;

inline void read() { result = *source; }
inline void lose() { exit(3); }
