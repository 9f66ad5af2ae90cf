// The special macros; __DATE__ and __TIME__ follow SOURCE_DATE_EPOCH.
__LINE__ __FILE__ __BASE_FILE__ __INCLUDE_LEVEL__ __STDC__
#define L __LINE__
L
__DATE__ __TIME__
#line 100 "renamed.c"
__LINE__ __FILE__
// expect-output: 2 "builtin_macros.c" "builtin_macros.c" 0 1 4 "Jan  1 1970" "00:00:00" 100 "renamed.c"
// expect-status: 0
