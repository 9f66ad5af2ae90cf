// Variables of every native kind, with the values the checks expect after
// the call.
#include <cstring>
long x = 0, r = 0, k = 0, z = 0, m = 3, dl = 0, dp = 0, before = 4;
unsigned u = 0;
int e = 2, b = 0;
char c = 0;
double d = 0, dr = 0;
float f = 0;
long double ld = 0;
char s[16];
char *sp = nullptr;
void *p = nullptr, *q = nullptr;
inline long f1(long v) { return v + 1; }
