// Every diagnostic of "#define" and "#undef"; the faulty definitions are dropped.
#define 1abc x
#define defined 1
#define F(a, 2b) a
#define G(a b) a
#define H(a, ... b) a
#define I(a, ..) a
#define J(a, b
#define K(x) # y
K(1)
#define M 1
#define M 1
#define M  1
#define M 2
#define N(a,b) a+b
#define N(a, b) a + b
#define N(x, y) x+y
#define Q ## a
#undef __LINE__
#undef defined
#undef __STDC__
#define __STDC__ 2
#undef
#undef 3
#undef N extra
F G H I J M N(1,2) Q
// expect-output: # y F G H I J 2 N(1,2) a
// expect-diag: Morvik-W-INVAMACRO,  [define_diagnostics.c:2] invalid macro name 1abc
// expect-diag: Morvik-W-INVDEFINE,  [define_diagnostics.c:3] Impossible defining `defined' as a macro defined
// expect-diag: Morvik-W-PARASTART,  [define_diagnostics.c:4] Parameter name n `#define' starts with a digit: 2b
// expect-diag: Morvik-W-BADPARDEF,  [define_diagnostics.c:5] Bad parameter list in `#define' directive: b
// expect-diag: Morvik-W-BADPARDEF,  [define_diagnostics.c:6] Bad parameter list in `#define' directive: another parameter follow "..."
// expect-diag: Morvik-W-BADPARDEF,  [define_diagnostics.c:7] Bad parameter list in `#define' directive: "..." expected
// expect-diag: Morvik-W-UNTPARDEF,  [define_diagnostics.c:8] Unterminated parameter list in `#define' directive: J
// expect-diag: Morvik-W-OPERMACRO,  [define_diagnostics.c:9] `#' operator should be followed by a macro argument name: K
// expect-diag: Morvik-W-IDENREDEF,  [define_diagnostics.c:14] Warning: M redefined
// expect-diag: Morvik-W-IDENREDEF,  [define_diagnostics.c:16] Warning: N redefined
// expect-diag: Morvik-W-IDENREDEF,  [define_diagnostics.c:17] Warning: N redefined
// expect-diag: Morvik-W-ERRINLINE,  [define_diagnostics.c:18] Error in line: '##' cannot appear at either end of a macro expansion
// expect-diag: Morvik-W-UNDEFININ,  [define_diagnostics.c:19] Undefining __LINE__
// expect-diag: Morvik-W-UNDEFININ,  [define_diagnostics.c:20] Undefining defined
// expect-diag: Morvik-W-INVAMACRO,  [define_diagnostics.c:23] invalid macro name 
// expect-diag: Morvik-W-INVAMACRO,  [define_diagnostics.c:24] invalid macro name 3
// expect-diag: Morvik-W-INVALIEND,  [define_diagnostics.c:25] Bad end of line after #undef argument
// expect-status: 3
