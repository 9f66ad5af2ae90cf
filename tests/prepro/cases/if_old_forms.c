// Old spellings in "#if", and characters under __CHAR_UNSIGNED__.
#define vax 1
#if #machine(vax) && !#machine(sparc)
machine
#endif
#if #lint(on)
#else
lint
#endif
#if '\377' < 0
signed_char
#endif
#define __CHAR_UNSIGNED__ 1
#if '\377' == 255 && L'\377' == 255
unsigned_char
#endif
// expect-output: machine lint signed_char unsigned_char
// expect-status: 0
