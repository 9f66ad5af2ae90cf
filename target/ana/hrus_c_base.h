/* Definitions shared by the simplified standard headers of the target package. */
#ifndef HRUS_C_BASE_H
#define HRUS_C_BASE_H

#ifndef __cplusplus
#define NULL ((void *)0)
#else
#define NULL 0L
#endif

typedef unsigned long size_t;
typedef long ssize_t;
typedef long ptrdiff_t;
/* wchar_t is a keyword of C++: the analyser of a C++ unit knows it. */
#if !defined(__cplusplus) && !defined(HRL_CPLUSPLUS_LANGUAGE)
typedef int wchar_t;
#endif
typedef __builtin_va_list __gnuc_va_list;
typedef __gnuc_va_list va_list;

/* The names the C library's headers take from <stddef.h> and <stdarg.h>
   are all defined above; their requests are done with. */
#undef __need_size_t
#undef __need_ptrdiff_t
#undef __need_wchar_t
#undef __need_NULL
#undef __need___va_list

#define __GNUC_VA_LIST
#define __ssize_t_defined

#endif
