/* Redeclarations of one name: the rules by storage class, typedefs that
   must agree, functions declared again, tags declared then defined. */
int x;
char x;
static int s1;
static char s1;
static int s2;
#include "other/second.h"
int p1;
static int p1;
int p2;
extern char p2;
extern int e1[];
int e1[10];
extern int e2;
char e2;
typedef int T;
typedef int T;
typedef signed T;
typedef char T;
typedef unsigned long U;
typedef long unsigned int U;
int f(int a, char *b);
int f(int count, char *text);
int f(double);
int g();
int g(int first);
struct S;
struct S *sp;
struct S { int m; };
struct S;
struct S { int m; };
enum E { E1 };
enum E;
enum E { E2, E3 };
int ab, ba;
// expect: variable | x | char | CARACTERE | -8
// expect: variable | s1 | int | ENTIER | -32
// expect: variable | s2 | int | ENTIER | -32
// expect: variable | s1 | int | ENTIER | -32
// expect: variable | s2 | int | ENTIER | -32
// expect: variable | p1 | int | ENTIER | -32
// expect: variable | p2 | int | ENTIER | -32
// expect: variable | e1 | int [10] | POINTEUR | 0
// expect: variable | e2 | int | ENTIER | -32
// expect: typedef | T | char | CARACTERE | -8
// expect: typedef | U | unsigned long | ENTIER | 32
// expect: function | f | int (int, char *) | POINTEUR | 0
// expect: function | f | int (double) | POINTEUR | 0
// expect: function | g | int (int) | POINTEUR | 0
// expect: tag | S | struct S | INCONNU | 0
// expect: variable | sp | struct S * | POINTEUR | 0
// expect: member | S::m | int | ENTIER | -32
// expect: tag | E | enum E | ENTIER | 32
// expect: enumerator | E2 | 0 | ENTIER | 32
// expect: enumerator | E3 | 1 | ENTIER | 32
// expect: variable | ab | int | ENTIER | -32
// expect: variable | ba | int | ENTIER | -32
// expect-diag: Morvik-W-REDEFSYMB,  [redeclarations.h:10] Symbol p1 redefined
// expect-diag: Morvik-W-REDEFSYMB,  [redeclarations.h:20] Symbol T redefined
// expect-diag: Morvik-W-REDEFSTRU,  [redeclarations.h:35] Structure or union data type E redefined
// expect-status: 3
