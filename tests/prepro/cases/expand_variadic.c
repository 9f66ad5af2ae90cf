// Variadic macros: __VA_ARGS__ with commas, the named form, ", ## __VA_ARGS__".
#define v(fmt, ...) p(fmt, __VA_ARGS__)
v("a", 1, 2, (3, 4))
#define e(fmt, ...) p(fmt, ## __VA_ARGS__)
e("b")
e("c", 5)
e("d",)
#define n(fmt, args...) q(fmt, ## args)
n("x")
n("y", 1, 2)
#define only(...) [__VA_ARGS__]
only()
only(1, 2)
#define s(...) #__VA_ARGS__
s(a, b,  c)
// expect-output: p("a", 1, 2, (3, 4)) p("b") p("c", 5) p("d",) q("x") q("y", 1, 2) [] [1, 2] "a, b, c"
// expect-status: 0
