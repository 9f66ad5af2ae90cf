/* No guard: each inclusion follows the current NDEBUG. */
#undef assert
#ifdef NDEBUG
#define assert(expression) ((void)0)
#else
void __assert_fail(const char *assertion, const char *file, unsigned int line, const char *function);
#define assert(expression) ((void)((expression) ? 0 : (__assert_fail(#expression, __FILE__, __LINE__, 0), 0)))
#endif
