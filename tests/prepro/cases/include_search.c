// Search order, "#include_next", guards, "#pragma once", the growing list.
// run-with: -I inc/a -I inc/b -I inc/c
#include <stack.h>
#include "inc/guarded.h"
#include "inc/guarded.h"
#include "inc/once.h"
#include "inc/once.h"
#include "inc/nested.h"
#include "inc/sub/outer.h"
#undef NEAR_H
#include "near.h"
#define HEADER <stack.h>
#include HEADER
#define QUOTED "inc/once.h"
#include QUOTED
#if __has_include(<stack.h>) && __has_include("inc/once.h") && !__has_include(<none.h>)
has
#endif
#if defined __has_include && !__has_attribute(x) && !__has_builtin(y)
probes
#endif
#include_next "inc/guarded.h"
// expect-output: a_stack b_stack c_stack 3 guarded once nested 1 "inc/nested.h" near near a_stack b_stack c_stack 3 has probes
// expect-status: 0
