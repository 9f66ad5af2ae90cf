/* Expansion cases known to be hard, as real headers write them. */
#define EMPTY
#define LPAREN (
#define RPAREN )
#define F(x, y) x + y
#define ELLIP_FUNC(...) __VA_ARGS__
ELLIP_FUNC(F, LPAREN, 'a', 'b', RPAREN);
#define CAT(a, b) a ## b
#define XCAT(a, b) CAT(a, b)
#define PREFIX(name) XCAT(lib_, name)
int PREFIX(open)(void), PREFIX(CAT(cl, ose))(int);
#define APPLY(m, ...) m(__VA_ARGS__)
#define SUM(a, b, c) ((a) + (b) + (c))
APPLY(SUM, 1, 2, 3);
#define LOG(fmt, ...) log_message(__FILE__, fmt, ##__VA_ARGS__)
LOG("plain"); LOG("args %d %s", 1, "two");
#define TRACE(fmt, args...) trace(fmt , ## args)
TRACE("x"); TRACE("y", a, b);
#define STR(x) #x
#define XSTR(x) STR(x)
XSTR(__LINE__) STR("quoted \"inner\" \\ back") STR('\'') STR(a  /* c */  b)
#define NIL(x) x
#define G0(x) NIL(x) NIL
G0(1)(2)(3)
#define recur recur + 1
#define indirect recur
indirect recur
#define f2(x) g2(x
#define g2(x) x)
f2(1) 2)
#define AND &&
#if 1 AND defined(AND)
and_ok
#endif
#define IS_ONE(x) ((x) == 1)
#if IS_ONE(1) && !IS_ONE(2) && (0x7fffffffffffffff + 0 > 0) && (-1 > 0u)
arith_ok
#endif
#define ZERO 0
#if ZERO
#error never
#elif defined ZERO && ZERO == 0
elif_ok
#endif
#define COMMA ,
#define ARGS(a, b) [a|b]
#define CALL(m, x) m(x)
ARGS(1 COMMA, 2) CALL(ARGS, (1, 2) COMMA 3)
#define PAREN_CALL(x) (x)
PAREN_CALL((a, b)) + PAREN_CALL(
 multi
 line
)
#define BRACE(x) { x }
BRACE(a; b; c)
#define NEG(x) -x
-NEG(1) NEG(-1) + +NEG(+1)
#define DOT .
1 DOT 2 x DOT y
#define PLUS +
i PLUS+ j PLUS PLUS k
#define ID(x) x
ID(a)ID(b) ID(c)ID(d)(e)
#define L_STR(s) L ## s
L_STR("wide") u8"utf" L'x'
#define EXPAND_DEFINED defined(EMPTY)
#if EXPAND_DEFINED
expanded_defined
#endif
#define VA_COUNT(...) VA_COUNT_(__VA_ARGS__, 5, 4, 3, 2, 1, 0)
#define VA_COUNT_(_1, _2, _3, _4, _5, n, ...) n
VA_COUNT(a) VA_COUNT(a, b, c) VA_COUNT(a, b, c, d, e)
#define DEFER(id) id EMPTY
#define OBSTRUCT(...) __VA_ARGS__ DEFER(EMPTY)()
#define A_() 123
DEFER(A_)() OBSTRUCT(A_)()
