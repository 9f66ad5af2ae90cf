/* Definitions shared by the simplified standard headers of the target package. */
#ifndef HRUS_C_BASE_H
#define HRUS_C_BASE_H

#define NULL ((void *)0)

typedef unsigned long size_t;
typedef long ssize_t;
typedef long ptrdiff_t;
typedef int wchar_t;
typedef __builtin_va_list va_list;

#endif
