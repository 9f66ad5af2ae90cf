// "#if" errors: each bad expression is false.
#if
#endif
#if 1.0
bad1
#endif
#if 1 2
bad2
#endif
#if (1
bad3
#endif
#if 1 / 0
bad4
#else
div
#endif
#if 1 % 0 == 0
div0
#endif
#if "string"
bad5
#endif
#if '\400'
char
#endif
#if defined +
bad6
#endif
#if 1 +
bad7
#endif
#if 123456789012345678901234567890
big
#endif
#define EMPTY
#elif 1
#if EMPTY
#elif
#endif
#if 11111111111111111111111111111111111111111111111111 + 22222 +
#endif
// expect-output: div div0 big
// expect-diag: Morvik-W-EMPTYEXPR,  [if_diagnostics.c:2] Empty #if expression
// expect-diag: Morvik-W-EXPERRONE,  [if_diagnostics.c:4] Bad expression: 1.0
// expect-diag: Morvik-W-ERRAFTEND,  [if_diagnostics.c:7] Error after end of expression: 2
// expect-diag: Morvik-W-EXPERRONE,  [if_diagnostics.c:10] Bad expression: (1
// expect-diag: Morvik-W-DIVISZERO,  [if_diagnostics.c:13] Division by zero in #if
// expect-diag: Morvik-W-DIVISZERO,  [if_diagnostics.c:18] Division by zero in #if
// expect-diag: Morvik-W-EXPERRONE,  [if_diagnostics.c:21] Bad expression: "string"
// expect-diag: Morvik-W-NOFITBYTE,  [if_diagnostics.c:24] Octal or hex character constant does not fit in a byte '\400'
// expect-diag: Morvik-W-ERDEFINED,  [if_diagnostics.c:27] The `defined' directive  must be followed by ident or (ident)  +
// expect-diag: Morvik-W-EXPERRONE,  [if_diagnostics.c:27] Bad expression: 0 +
// expect-diag: Morvik-W-EXPERRONE,  [if_diagnostics.c:30] Bad expression: 1 +
// expect-diag: Morvik-W-ENTOUTRAN,  [if_diagnostics.c:33] Integer constant 123456789012345678901234567890 out of range
// expect-diag: Morvik-W-NOCONDITI,  [if_diagnostics.c:37] #elif directive not within conditional
// expect-diag: Morvik-W-EMPTYEXPR,  [if_diagnostics.c:38] Empty #if expression
// expect-diag: Morvik-W-EMPTYEXPR,  [if_diagnostics.c:39] Empty #elif expression
// expect-diag: Morvik-W-ENTOUTRAN,  [if_diagnostics.c:41] Integer constant 11111111111111111111111111111111111111111111111111 out of range
// expect-diag: Morvik-W-EXPERRONE,  [if_diagnostics.c:41] Bad expression: 11111111111111111111111111111 + 22222 +
// expect-status: 3
