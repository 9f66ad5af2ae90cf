// The unit under test of the case: every value it leaves is known, so every
// verdict of the harness is known.
#include <string.h>

int counter;
long total;
unsigned mask;
char grade;
float ratio;
double mean;
long double precise;
char label[16];
const char *title;
int *cursor;
int *spare;
bool ready;
long seedvalue, drift, keep, lost;
char name[16];
int *pick;

inline long seed() { return 41; }
inline long limit() { return 7; }
inline const char *prefix() { return "pre"; }

inline void compute() {
    counter = 3;
    total = 7;
    mask = 0xF0u;
    grade = 'B';
    ratio = 0.5f;
    mean = 2.25;
    precise = 1.0L / 3;
    std::strcpy(label, "done");
    title = "vorne";
    cursor = &counter;
    spare = &counter;
    ready = true;
}

inline void touch() {
    drift += 1;
    lost = 6;
}
