// A macro name followed by a newline before its "(", empty arguments, brackets.
#define f(x, y) <x|y>
f
(1, 2)
f(,)
f( , 2)
#define M[a] a+1
M(5) M[5]
#define obj (1)
obj
// expect-output: <1|2> <|> <|2> 5+1 M[5] (1)
// expect-status: 0
