#ifndef _STDDEF_H
#define _STDDEF_H
#include "hrus_c_base.h"
/* The most strictly aligned of the scalar types. */
typedef struct {
    long long max_align_ll;
    long double max_align_ld;
} max_align_t;
#define offsetof(type, member) ((size_t)&((type *)0)->member)
#endif
