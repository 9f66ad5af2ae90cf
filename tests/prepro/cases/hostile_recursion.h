#if __INCLUDE_LEVEL__ == 1
x
#endif
#include "hostile_recursion.h"
#include "hostile_recursion.h"
