/* The unit under test, defined in its header: the harness is its only
   translation unit. */
typedef int base_t;
typedef base_t level_t;
typedef level_t depth_t;
enum mode { IDLE, BUSY = 4 };
struct inner { short a; unsigned short b; };
struct outer { struct inner in; long long big; struct inner pair[2]; };
struct flags { unsigned ready : 1; unsigned mode : 3; };
union number { int i; double d; };
struct packet { int kind; union { int code; float level; }; };
struct node { int value; struct node *next; };
extern signed char sc;
extern unsigned char uc;
extern char pc;
extern short sh;
extern unsigned short ush;
extern int in;
extern unsigned un;
extern long lo;
extern unsigned long ulo;
extern long long ll;
extern unsigned long long ull;
extern bool flag;
extern float fl;
extern double db;
extern long double ld;
extern enum mode md;
extern char *str;
extern char name[8];
extern struct node *head;
extern int (*handler)(int);
extern struct flags fs;
extern int vec[3];
extern int grid[2][2];
extern struct inner parts[2];
extern struct outer ou;
extern union number num;
extern struct packet pk;
extern const int limit;
extern depth_t depth;
int twice(int v);
void update(void);

signed char sc; unsigned char uc; char pc; short sh; unsigned short ush; int in; unsigned un; long lo;
unsigned long ulo; long long ll; unsigned long long ull; bool flag; float fl; double db; long double ld;
enum mode md; static char text[16]; char *str = text; char name[8]; struct node *head; int (*handler)(int);
struct flags fs; int vec[3]; int grid[2][2]; struct inner parts[2]; struct outer ou; union number num;
struct packet pk; const int limit = 12; depth_t depth;
int twice(int v) { return 2 * v; }
// The call: what the checks expect afterwards.
void update(void) {
    in += 1;
    lo = 4;
    db = 10.5;
    md = BUSY;
}
