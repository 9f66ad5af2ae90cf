// Directives of other compilers that real headers still carry.
#ident "ident kept"
#sccs "sccs kept"
#assert machine(vax)
#assert cpu(pdp 11)
#assert cpu(other)
#unassert cpu(other)
#if #cpu(pdp 11) && !#cpu(other) && #cpu && !#system
asserted
#endif
#if #machine(vax)
machine_is_a_macro_test
#endif
#unassert cpu
#if #cpu
cpu_left
#endif
#assert
#assert nothing
#assert open(unclosed
#unassert x(y) z
#import "inc/imported.h"
#import "inc/imported.h"
#include "inc/imported.h"
#include "inc/once.h"
#import "inc/once.h"
// expect-output: #ident "ident kept" #sccs "sccs kept" asserted imported once
// expect-diag: Morvik-W-SYNTAXERR,  [gnu_directives.c:18] Syntax error: #assert 
// expect-diag: Morvik-W-SYNTAXERR,  [gnu_directives.c:19] Syntax error: #assert nothing
// expect-diag: Morvik-W-SYNTAXERR,  [gnu_directives.c:20] Syntax error: #assert open(unclosed
// expect-diag: Morvik-W-SYNTAXERR,  [gnu_directives.c:21] Syntax error: #unassert x(y) z
// expect-status: 3
