/* Enumerator values: constant expressions typed as a C++ compiler types
   them, the previous value plus one, and the underlying type they settle. */
#pragma vorne sizeof(long) = 64
typedef unsigned int guint;
enum Flags {
    F_NONE = 0,
    F_ONE = 1 << 0,
    F_TWO = 1 << 1,
    F_BOTH = F_ONE | F_TWO,
    F_NEXT,
    F_HIGH = (guint) 1 << 31,
    F_CHAR = 'A',
    F_MULTI = 'ab',
    F_SIZE = sizeof(long) + sizeof(char[3]),
    F_COND = F_BOTH > 2 ? 10 : 20,
    F_NOT = !F_NONE,
    F_HEX = 0xFFFFFFFF
};
enum Signed { NEG = -1, POS = 1 };
enum Wide { BIG = 0x100000000 };
enum { ANON_A = -2147483647 - 1, ANON_B = ~0u, ANON_C = (unsigned char) 300, ANON_D = 7 / 2 % 3 };
enum Unknown { U_DIV = 1 / 0, U_NEXT, U_NAME = undeclared_name, U_AFTER = 5 };
static const int LIMIT = 16;
char array_by_constant[LIMIT * 2];
char array_by_enumerator[F_BOTH];
char array_by_expression[undeclared + 1];
// expect: typedef | guint | unsigned int | ENTIER | 32
// expect: tag | Flags | enum Flags | ENTIER | 32
// expect: enumerator | F_NONE | 0 | ENTIER | 32
// expect: enumerator | F_ONE | 1 | ENTIER | 32
// expect: enumerator | F_TWO | 2 | ENTIER | 32
// expect: enumerator | F_BOTH | 3 | ENTIER | 32
// expect: enumerator | F_NEXT | 4 | ENTIER | 32
// expect: enumerator | F_HIGH | 2147483648 | ENTIER | 32
// expect: enumerator | F_CHAR | 65 | ENTIER | 32
// expect: enumerator | F_MULTI | 24930 | ENTIER | 32
// expect: enumerator | F_SIZE | 11 | ENTIER | 32
// expect: enumerator | F_COND | 10 | ENTIER | 32
// expect: enumerator | F_NOT | 1 | ENTIER | 32
// expect: enumerator | F_HEX | 4294967295 | ENTIER | 32
// expect: tag | Signed | enum Signed | ENTIER | -32
// expect: enumerator | NEG | -1 | ENTIER | -32
// expect: enumerator | POS | 1 | ENTIER | -32
// expect: tag | Wide | enum Wide | ENTIER | 64
// expect: enumerator | BIG | 4294967296 | ENTIER | 64
// expect: enumerator | ANON_A | -2147483648 | ENTIER | -64
// expect: enumerator | ANON_B | 4294967295 | ENTIER | -64
// expect: enumerator | ANON_C | 44 | ENTIER | -64
// expect: enumerator | ANON_D | 0 | ENTIER | -64
// expect: tag | Unknown | enum Unknown | ENTIER | 32
// expect: enumerator | U_DIV | (1 / 0) | ENTIER | 32
// expect: enumerator | U_NEXT | (U_DIV + 1) | ENTIER | 32
// expect: enumerator | U_NAME | (undeclared_name) | ENTIER | 32
// expect: enumerator | U_AFTER | 5 | ENTIER | 32
// expect: variable | LIMIT | const int | ENTIER | -32
// expect: variable | array_by_constant | char [32] | CHAINE | 0
// expect: variable | array_by_enumerator | char [3] | CHAINE | 0
// expect: variable | array_by_expression | char [undeclared + 1] | CHAINE | 0
// expect-diag: Morvik-W-ENTOUTRAN,  [enumerations.h:20] Integer constant 0x100000000 out of range
// expect-status: 3
