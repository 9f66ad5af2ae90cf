// "#if" arithmetic: bases, the unsigned mark, characters, sizeof, precedence.
#define T(e) /* each true expression prints its number */
#if 09 == 9
t1
#endif
#if 0x10 == 16 && 010 == 8 && 10u == 10
t2
#endif
#if -1 < 0 && !(-1 < 0u) && 18446744073709551615 == -1
t3
#endif
#if 'a' == 97 && '\n' == 10 && '\377' < 0 && '\x41' == 65 && 'ab' == 24930
t4
#endif
#if sizeof(int) == 4 && sizeof(long) == 4 && sizeof(char) == 1 && sizeof(short) == 2
t5
#endif
#if 1 + 2 * 3 == 7 && (1 ? 2 : 3) == 2 && (0 ? 2 : 3) == 3 && (1, 0) == 0
t6
#endif
#if (-7 / 2 == -3) && (-7 % 2 == -1) && (1 << 62 >> 61) == 2 && (-1 >> 70) == -1
t7
#endif
#if undefined_word == 0 && !undefined_word && true && !false
t8
#endif
#if 0 && (1 / 0)
#else
t9
#endif
#if ~0 == -1 && (5 ^ 3) == 6 && (5 | 3) == 7 && (5 & 3) == 1 && 3 >= 3 && 2 <= 1 + 1 && 1 != 2
t10
#endif
#if (-9223372036854775807 - 1) / -1 < 0
t11
#endif
#if 1'000'000 == 1000000 && (1 and not 0) && (0 or 1) && (6 bitand 3) == 2 && compl 0 == -1
t12
#endif
#if (1 ? 2, 3 : 4) == 3 && (0 ? 1 : 0 ? 5 : 6) == 6 && (1 || 1 / 0) && -2 * -3 == 6 && !0 + 1 == 2 && 2 + 3 * 4 == 14 && (1 << 2 + 1) == 8 && (1 < 2 == 1) && (6 & 3 ^ 1 | 8) == 11
t13
#endif
int x = 1'000 + 0x1'F;
// expect-output: t1 t2 t3 t4 t5 t6 t7 t8 t9 t10 t11 t12 t13 int x = 1'000 + 0x1'F;
// expect-status: 0
