/* Base types composed from their words, whatever their order; the sizes
   follow the size pragmas; impossible combinations are refused. */
#pragma vorne sizeof(long) = 64
unsigned long a;
long unsigned int b;
signed char c;
char d;
unsigned char e;
long long f;
unsigned g;
signed h;
short int i;
int short j;
long double k;
double long l;
const volatile unsigned short m;
_Bool n;
__int128 o;
unsigned __int128 p;
typedef int T;
const T q;
short long r1;
long short r2;
unsigned signed r3;
T int r4;
struct S { int x; } int r5;
long long long r6;
char double r7;
int before_int_pragma;
#pragma vorne sizeof(int) = 16
int after_int_pragma;
unsigned short u16;
#pragma vorne sizeof(unsigned_alias) = 32
typedef unsigned short unsigned_alias;
#pragma vorne sizeof(unsigned_alias) = 32
unsigned short u32;
#pragma vorne sizeof(short) = 16
// expect: variable | a | unsigned long | ENTIER | 64
// expect: variable | b | unsigned long | ENTIER | 64
// expect: variable | c | signed char | CARACTERE | -8
// expect: variable | d | char | CARACTERE | -8
// expect: variable | e | unsigned char | ENTIER | 8
// expect: variable | f | long long | ENTIER | -64
// expect: variable | g | unsigned int | ENTIER | 32
// expect: variable | h | int | ENTIER | -32
// expect: variable | i | short | ENTIER | -16
// expect: variable | j | short | ENTIER | -16
// expect: variable | k | long double | REEL | 0
// expect: variable | l | long double | REEL | 0
// expect: variable | m | const volatile unsigned short | ENTIER | 16
// expect: variable | n | bool | ENTIER | 8
// expect: variable | o | __int128 | ENTIER | -128
// expect: variable | p | unsigned __int128 | ENTIER | 128
// expect: typedef | T | int | ENTIER | -32
// expect: variable | q | const T | ENTIER | -32
// expect: variable | r1 | int | ENTIER | -16
// expect: variable | r2 | int | ENTIER | -16
// expect: variable | r3 | int | ENTIER | -16
// expect: variable | r4 | int | ENTIER | -16
// expect: tag | S | struct S | INCONNU | 0
// expect: member | S::x | int | ENTIER | -32
// expect: variable | r5 | int | ENTIER | -16
// expect: variable | r6 | int | ENTIER | -16
// expect: variable | r7 | int | ENTIER | -16
// expect: variable | before_int_pragma | int | ENTIER | -32
// expect: variable | after_int_pragma | int | ENTIER | -16
// expect: variable | u16 | unsigned short | ENTIER | 16
// expect: typedef | unsigned_alias | unsigned short | ENTIER | 16
// expect: variable | u32 | unsigned short | ENTIER | 32
// expect-diag: Morvik-W-CONSTRUCT,  [specifiers.h:22] Bad construction short long
// expect-diag: Morvik-W-CONSTRUCT,  [specifiers.h:23] Bad construction long short
// expect-diag: Morvik-W-CONSTRUCT,  [specifiers.h:24] Bad construction unsigned signed
// expect-diag: Morvik-W-CONSTRUCT,  [specifiers.h:25] Bad construction 
// expect-diag: Morvik-W-CONSTRUCT,  [specifiers.h:26] Bad construction 
// expect-diag: Morvik-W-CONSTRUCT,  [specifiers.h:27] Bad construction long long long
// expect-diag: Morvik-W-CONSTRUCT,  [specifiers.h:28] Bad construction char double
// expect-status: 3
