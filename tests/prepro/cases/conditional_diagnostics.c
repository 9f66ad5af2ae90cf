// Conditionals: every diagnostic, groups taken and skipped.
#ifdef
#endif
#ifdef +
#endif
#ifdef 9x
#endif
#ifndef A extra
ok1
#endif
#else
#elif 1
#endif
#if 1
ok2
#else
no
#else
no
#endif
#if 0
#else
ok3
#elif 1
#endif
#if 0
  #if 1
  #else
  #endif
  'unterminated " in a skipped group /* comment
#else
ok4
#endif
#if 0
#elif 0
#elif 1
ok5
#elif 1
no
#else
no
#endif
#ifdef __FILE__
ok6
#endif
#ifndef never_defined
#define never_defined
#endif
#if defined never_defined && defined(never_defined)
ok7
#endif
#if 1
// expect-output: ok1 ok2 ok3 ok4 ok5 ok6 ok7
// expect-diag: Morvik-W-NOARGUMEN,  [conditional_diagnostics.c:2] #ifdef with no argument
// expect-diag: Morvik-W-ARGPUNCTU,  [conditional_diagnostics.c:4] #ifdef argument starts with punctuation
// expect-diag: Morvik-W-STARTDIGI,  [conditional_diagnostics.c:6] #ifdef argument starts with a digit
// expect-diag: Morvik-W-INVALIEND,  [conditional_diagnostics.c:8] Bad end of line after #ifndef argument
// expect-diag: Morvik-W-NOCONDITI,  [conditional_diagnostics.c:11] #else directive not within conditional
// expect-diag: Morvik-W-NOCONDITI,  [conditional_diagnostics.c:12] #elif directive not within conditional
// expect-diag: Morvik-W-UNBAENDIF,  [conditional_diagnostics.c:13] unbalanced endif 
// expect-diag: Morvik-W-ELIFAELSE,  [conditional_diagnostics.c:18]  else or elif after else
// expect-diag: Morvik-I-MATCHLINE,  [conditional_diagnostics.c:18] Matches line  14
// expect-diag: Morvik-W-ELIFAELSE,  [conditional_diagnostics.c:24]  #elif after else
// expect-diag: Morvik-I-MATCHLINE,  [conditional_diagnostics.c:24] Matches line  21
// expect-diag: Morvik-W-UNTERCOND,  [conditional_diagnostics.c:52] unterminated #if conditional
// expect-status: 3
