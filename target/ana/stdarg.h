#ifndef _STDARG_H
#define _STDARG_H
#include "hrus_c_base.h"
#define va_start(ap, last) ((void)(ap))
#define va_arg(ap, type) (*(type *)(ap))
#define va_end(ap) ((void)(ap))
#define va_copy(dest, src) ((void)((dest) = (src)))
#endif
