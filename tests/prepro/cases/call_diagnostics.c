// Argument count checks: the call is left as written.
#define two(a, b) a+b
#define none() 0
#define one(a) [a]
#define va(a, b, ...) a b __VA_ARGS__
two(1, 2, 3)
two(1)
two()
none(1)
one()
va(1)
va(1, 2)
// expect-output: two(1, 2, 3) two(1) two() none(1) [] va(1) 1 2
// expect-diag: Morvik-W-TOMANYARG,  [call_diagnostics.c:6] Too many args to macro two
// expect-diag: Morvik-W-NBARGMACR,  [call_diagnostics.c:7] Bad number of arg(s) to macro two
// expect-diag: Morvik-W-NOARTOMAC,  [call_diagnostics.c:8] No argument passed to macro two
// expect-diag: Morvik-W-ARGTOMACR,  [call_diagnostics.c:9] Unexpected argument for macro none
// expect-diag: Morvik-W-NBARGMACR,  [call_diagnostics.c:11] Bad number of arg(s) to macro va
// expect-status: 3
