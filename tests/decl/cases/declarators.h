/* Declarators: pointers, arrays, functions and their nesting, written back
   as C++ type-ids; typedef names as declarator names. */
int *p, **pp, *const cp, *volatile *vp;
const char *const names[3];
char (*pa)[4];
int (*table[2])(void);
void (*signal(int sig, void (*handler)(int)))(int);
int (*(*fpp)(char))[5];
int f(double, char *);
int g();
int h(void);
int v(const char *, ...);
int (w)(int);
typedef unsigned long size_t;
void uses_typedef_name(int size_t);
void abstract_typedef(int (size_t));
int size_t_shadow(size_t *size_t);
int x[2][3];
unsigned char buffer[];
typedef int Vec[3];
Vec vecs[2];
// expect: variable | p | int * | POINTEUR | 0
// expect: variable | pp | int ** | POINTEUR | 0
// expect: variable | cp | int *const | POINTEUR | 0
// expect: variable | vp | int *volatile * | POINTEUR | 0
// expect: variable | names | const char *const [3] | POINTEUR | 0
// expect: variable | pa | char (*)[4] | POINTEUR | 0
// expect: variable | table | int (*[2])(void) | POINTEUR | 0
// expect: function | signal | void (*(int, void (*)(int)))(int) | POINTEUR | 0
// expect: variable | fpp | int (*(*)(char))[5] | POINTEUR | 0
// expect: function | f | int (double, char *) | POINTEUR | 0
// expect: function | g | int () | POINTEUR | 0
// expect: function | h | int (void) | POINTEUR | 0
// expect: function | v | int (const char *, ...) | POINTEUR | 0
// expect: function | w | int (int) | POINTEUR | 0
// expect: typedef | size_t | unsigned long | ENTIER | 32
// expect: function | uses_typedef_name | void (int) | POINTEUR | 0
// expect: function | abstract_typedef | void (int (size_t)) | POINTEUR | 0
// expect: function | size_t_shadow | int (size_t *) | POINTEUR | 0
// expect: variable | x | int [2][3] | POINTEUR | 0
// expect: variable | buffer | unsigned char [] | CHAINE | 0
// expect: typedef | Vec | int [3] | POINTEUR | 0
// expect: variable | vecs | Vec [2] | POINTEUR | 0
// expect-status: 0
