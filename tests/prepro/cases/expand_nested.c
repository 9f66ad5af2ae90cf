// Nested function-like macros and rescanning with disabled macros.
#define f(a) a*g
#define g(a) f(a)
f(2)(9)
#define AA BB
#define BB CC
#define CC DD
#define DD AA
AA BB
#define self self + 1
self
#define h(x) x h
h(1)(2)
#define LPAREN (
#define call(m) m LPAREN 3)
#define id(x) x
call(id)
#define twice(x) x x
twice(twice(1))
// expect-output: 2*9*g AA BB self + 1 1 h(2) id ( 3) 1 1 1 1
// expect-status: 0
