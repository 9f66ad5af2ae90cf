#ifndef _STDDEF_H
#define _STDDEF_H
#include "hrus_c_base.h"
typedef long max_align_t;
#define offsetof(type, member) ((size_t)&((type *)0)->member)
#endif
