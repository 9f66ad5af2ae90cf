/* __VA_OPT__ as C2x and C++20 define it (gcc accepts it in every mode). */
#define F(a, ...) f(a __VA_OPT__(,) __VA_ARGS__)
#define G(X, ...) X __VA_OPT__(- (X) -) end
#define EMPTY
F(1) F(1, 2) F(1, 2, 3) F(1,) F(1, EMPTY)
G(a) G(a, b) G(a, (c, d))
#define H(...) [__VA_OPT__(x (y) z)]
H() H(1)
