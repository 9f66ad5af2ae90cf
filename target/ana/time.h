#ifndef _TIME_H
#define _TIME_H
#include "hrus_c_base.h"
/* Each type under the guard the C library's own headers use for it, so
   that a system header declaring it too is consistent with this one. */
#ifndef __time_t_defined
#define __time_t_defined 1
typedef long time_t;
#endif
#ifndef __clock_t_defined
#define __clock_t_defined 1
typedef long clock_t;
#endif
#ifndef __clockid_t_defined
#define __clockid_t_defined 1
typedef int clockid_t;
#endif
#ifndef __timer_t_defined
#define __timer_t_defined 1
typedef void *timer_t;
#endif
#define CLOCKS_PER_SEC 1000000L
#define CLOCK_REALTIME 0
#define CLOCK_MONOTONIC 1
#define CLOCK_PROCESS_CPUTIME_ID 2
#define CLOCK_THREAD_CPUTIME_ID 3
#define TIMER_ABSTIME 1
#define TIME_UTC 1
#ifndef __struct_tm_defined
#define __struct_tm_defined 1
struct tm {
    int tm_sec;
    int tm_min;
    int tm_hour;
    int tm_mday;
    int tm_mon;
    int tm_year;
    int tm_wday;
    int tm_yday;
    int tm_isdst;
    long tm_gmtoff;
    const char *tm_zone;
};
#endif
#ifndef _STRUCT_TIMESPEC
#define _STRUCT_TIMESPEC 1
struct timespec {
    time_t tv_sec;
    long tv_nsec;
};
#endif
#ifndef __itimerspec_defined
#define __itimerspec_defined 1
struct itimerspec {
    struct timespec it_interval;
    struct timespec it_value;
};
#endif
clock_t clock(void);
time_t time(time_t *t);
double difftime(time_t time1, time_t time0);
time_t mktime(struct tm *tm);
char *asctime(const struct tm *tm);
char *ctime(const time_t *timep);
struct tm *gmtime(const time_t *timep);
struct tm *localtime(const time_t *timep);
struct tm *gmtime_r(const time_t *timep, struct tm *result);
struct tm *localtime_r(const time_t *timep, struct tm *result);
size_t strftime(char *s, size_t max, const char *format, const struct tm *tm);
int timespec_get(struct timespec *ts, int base);
int nanosleep(const struct timespec *request, struct timespec *remaining);
int clock_getres(clockid_t clock_id, struct timespec *res);
int clock_gettime(clockid_t clock_id, struct timespec *tp);
int clock_settime(clockid_t clock_id, const struct timespec *tp);
#endif
