/* The compiler extensions system headers use: skipped where they do not
   change the type, followed where they do. */
__extension__ typedef long long wide_t;
extern int printf(const char *__restrict format, ...) __attribute__((__format__(__printf__, 1, 2))) __attribute__((__nonnull__(1)));
extern int renamed(int) __asm__("renamed_v2");
typedef int QItype __attribute__((__mode__(__QI__)));
typedef unsigned int UDItype __attribute__((mode(DI)));
typedef int word_t __attribute__((__mode__(__word__)));
_Static_assert(sizeof(int) == 4, "int");
struct Packed { char c; _Static_assert(1, "member"); int i __attribute__((aligned(8))); } __attribute__((packed));
[[deprecated]] int old_api(void);
_Noreturn void stop(void);
__thread int per_thread;
_Thread_local int also_per_thread;
_Alignas(16) char aligned_buffer[16];
__typeof__(wide_t) same_as_wide;
__typeof__(per_thread) same_as_int;
__typeof__(unsigned char *) bytes;
__typeof__(per_thread + 1) computed;
_Float128 quad;
typedef __builtin_va_list va_list;
int vprint(const char *, va_list);
__int128_t signed_wide;
__uint128_t unsigned_wide;
extern "C" int linked(void);
extern "C++" int linked_too(void);
#pragma vorne type_modifier = __far
char __far *far_pointer;
const __far int far_int;
#line 100 "elsewhere.h"
int from_elsewhere;
short long reported_elsewhere;
# 7 "gnu_marker.h"
int from_gnu_marker;
short long reported_in_gnu_marker;
// expect: typedef | wide_t | long long | ENTIER | -64
// expect: function | printf | int (const char *, ...) | POINTEUR | 0
// expect: function | renamed | int (int) | POINTEUR | 0
// expect: typedef | QItype | signed char | CARACTERE | -8
// expect: typedef | UDItype | unsigned long long | ENTIER | 64
// expect: typedef | word_t | int | ENTIER | -32
// expect: tag | Packed | struct Packed | INCONNU | 0
// expect: member | Packed::c | char | CARACTERE | -8
// expect: member | Packed::i | int | ENTIER | -32
// expect: function | old_api | int (void) | POINTEUR | 0
// expect: function | stop | void (void) | POINTEUR | 0
// expect: variable | per_thread | int | ENTIER | -32
// expect: variable | also_per_thread | int | ENTIER | -32
// expect: variable | aligned_buffer | char [16] | CHAINE | 0
// expect: variable | same_as_wide | wide_t | ENTIER | -64
// expect: variable | same_as_int | int | ENTIER | -32
// expect: variable | bytes | unsigned char * | CHAINE | 0
// expect: variable | computed | __typeof__(per_thread + 1) | INCONNU | 0
// expect: variable | quad | _Float128 | REEL | 0
// expect: typedef | va_list | __builtin_va_list | POINTEUR | 0
// expect: function | vprint | int (const char *, va_list) | POINTEUR | 0
// expect: variable | signed_wide | __int128_t | ENTIER | -128
// expect: variable | unsigned_wide | __uint128_t | ENTIER | 128
// expect: function | linked | int (void) | POINTEUR | 0
// expect: function | linked_too | int (void) | POINTEUR | 0
// expect: variable | far_pointer | char * | CHAINE | 0
// expect: variable | far_int | const int | ENTIER | -32
// expect: variable | from_elsewhere | int | ENTIER | -32
// expect: variable | reported_elsewhere | int | ENTIER | -32
// expect: variable | from_gnu_marker | int | ENTIER | -32
// expect: variable | reported_in_gnu_marker | int | ENTIER | -32
// expect-diag: Morvik-W-CONSTRUCT,  [elsewhere.h:101] Bad construction short long
// expect-diag: Morvik-W-CONSTRUCT,  [gnu_marker.h:8] Bad construction short long
// expect-status: 3
