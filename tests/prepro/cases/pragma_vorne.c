// The tool's pragmas: the vocabulary, sizes copied out, user pragmas.
// run-with: -u
#pragma vorne sizeof(long) = 64
#pragma vorne sizeof int=16
#if sizeof(long) == 8 && sizeof(int) == 2
sizes
#endif
#pragma vorne signof(char) = unsigned
#pragma vorne type_modifier = __far
#pragma vorne type_modifier __near
#pragma vorne incl_std
#pragma vorne incl_std "inc/c", inc/b
#include <stack.h>
#pragma vorne crc_justify_all
#pragma vorne unknown_word
#pragma vorne
#pragma GCC system_header
#pragma vorne pragma "ANALYSIS OFF" = "vorne stop_analyse"
#pragma vorne pragma "ANALYSIS ON" = "#pragma vorne start_analyze"
#pragma vorne pragma "broken"
#pragma ANALYSIS  OFF
hidden1
#define HIDDEN 1
#pragma ANALYSIS ON
#ifdef HIDDEN
no
#endif
#define START vorne start_analyse
#pragma vorne stop_analyse
hidden2
#pragma START
shown
#pragma vorne stop_analyze
#pragma vorne start_analyze
end
// expect-output: #pragma vorne sizeof(long) = 64 #pragma vorne sizeof int=16 sizes #pragma vorne signof(char) = unsigned c_stack 1 shown end
// expect-diag: Morvik-W-TYPMODINC,  [pragma_vorne.c:10] Incorrect type modifier 
// expect-diag: Morvik-W-SYNTAXERR,  [pragma_vorne.c:11] Syntax error: empty pragma vorne incl_std
// expect-diag: Morvik-W-PRAGMAINC,  [pragma_vorne.c:15] UnknownUnit Testing pragma: unknown_word 
// expect-diag: Morvik-W-PRAGMAINC,  [pragma_vorne.c:16] UnknownUnit Testing pragma:  
// expect-diag: Morvik-W-SYNTAXERR,  [pragma_vorne.c:20] Syntax error: pragma vorne pragma "broken"
// expect-status: 3
