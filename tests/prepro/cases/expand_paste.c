// "##" producing a macro name, placemarkers and pasting numbers.
#define cat(a, b) a ## b
#define xcat(a, b) cat(a, b)
#define FOOBAR 7
cat(FOO, BAR)
cat(, x)
cat(y, )
cat(1, 2)
cat(-, =)
xcat(xcat(1, 2), 3)
#define P(x) x ## _suffix
P(name)
#define L_(s) L ## s
L_("wide")
// expect-output: 7 x y 12 -= 123 name_suffix L"wide"
// expect-status: 0
