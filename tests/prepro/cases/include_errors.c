// A missing include is a counted error; the rest goes on.
#include "no/such/file.h"
#include <none.h>
#include
#include nothing_here
#include "inc"
after
// expect-output: after
// expect-diag: Morvik-E-IMPOUVFIC,  [include_errors.c:2] Cannot open the file no/such/file.h
// expect-diag: Morvik-E-IMPOUVFIC,  [include_errors.c:3] Cannot open the file none.h
// expect-diag: Morvik-W-ERINCLUDE,  [include_errors.c:4] #include expects a filename: 
// expect-diag: Morvik-W-ERINCLUDE,  [include_errors.c:5] #include expects a filename: nothing_here
// expect-diag: Morvik-E-IMPOUVFIC,  [include_errors.c:6] Cannot open the file inc
// expect-status: 5
