// A macro expanding to itself through three others, self-referencing
// function-like macros and a header that includes itself without a guard.
#define A B
#define B C
#define C D
#define D A
A B C D
#define f(x) g(x)
#define g(x) h(x)
#define h(x) f(x) x
f(f(1))
#include "hostile_recursion.h"
after
// expect-output: A B C D f(f(1) 1) f(1) 1 x after
// expect-diag: Morvik-E-NBRECURSI,  [hostile_recursion.h:4] There are too many macro or include recursions hostile_recursion.h
// expect-status: 5
