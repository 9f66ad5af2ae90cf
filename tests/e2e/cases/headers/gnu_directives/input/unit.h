/* A header of long standing: version strings for the archive tools, and,
   for the C compilers of its time, assertions and an import. */
#ident "unit.h 1.4"
#sccs "@(#)unit.h 1.4"
#ifndef __cplusplus
#assert system(unix)
#assert cpu(x86_64)
#unassert cpu
#if !#system(unix) || #cpu
#error assertions lost
#endif
#import "legacy.h"
#import "legacy.h"
#include "legacy.h"
#endif

inline int unit_twice(int x) { return 2 * x; }
