b_stack
#include_next <stack.h>
