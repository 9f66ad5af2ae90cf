// The variables of the value lists; the calls make their expected values.
long a, b, one, k, s;
double t, r, rb;
void *p;
inline void f() { a += 1; }
inline void g() { s += 1; }
