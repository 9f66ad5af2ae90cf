// Stringification of strings with quotes and backslashes, blanks reduced.
#define str(x) #x
#define xstr(x) str(x)
#define V 42
str("a\"b\\c")
str('"')
str(  a   +
      b  )
str()
xstr(V)
str(V)
str(a	"\t")
// expect-output: "\"a\\\"b\\\\c\"" "'\"'" "a + b" "" "42" "V" "a \"\\t\""
// expect-status: 0
