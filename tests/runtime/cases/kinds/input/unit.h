// The unit under test of the case: compute() and touch() leave every variable
// a known value. A variable named ok_... passes its check, ko_... fails it,
// nj_... cannot be judged.
#include <cstring>

enum Colour { RED, GREEN, BLUE };

long ok_count, ko_count;
int ok_small, ko_small;
unsigned ok_mask, ko_mask;
Colour ok_colour, ko_colour;
bool ok_ready, ko_ready;
char ok_grade, ko_grade;
float ok_ratio, ko_ratio;
double ok_mean, ko_mean;
long double ok_precise, ko_precise;
char ok_label[32], ko_label[32];
const char *ok_title, *ko_title, *ko_missing;
int *ok_cursor, *ko_cursor, *ok_spare, *ko_spare, *ok_pick, *ko_pick, *nj_spare;
int target, other;

inline long limit() { return 7; }
inline long seed() { return 41; }
inline char letter() { return 'q'; }
inline double half() { return 0.5; }
inline const char *prefix() { return "pre"; }

inline void compute() {
    ok_count = ko_count = 7;
    ok_small = ko_small = -3;
    ok_mask = ko_mask = 0xF0u;
    ok_colour = ko_colour = GREEN;
    ok_ready = ko_ready = true;
    ok_grade = ko_grade = 'B';
    ok_ratio = ko_ratio = 0.5f;
    ok_mean = ko_mean = 2.25;
    ok_precise = ko_precise = 0.1L;
    std::strcpy(ok_label, "done");
    std::strcpy(ko_label, "done");
    ok_title = ko_title = "vorne";
    ko_missing = nullptr;
    ok_cursor = ko_cursor = &target;
    ok_spare = ko_spare = nullptr;
    ok_pick = ko_pick = &target;
}

// Leaves the ok_ variables as they were initialised and moves the ko_ ones.
inline void touch() {
    ++ko_count;
    ko_small = -ko_small;
    ko_mask <<= 1;
    ko_colour = BLUE;
    ko_ready = !ko_ready;
    ++ko_grade;
    ko_ratio *= 2;
    ko_mean += 1e-9;
    ko_precise *= 3;
    std::strcat(ko_label, "!");
    ko_title = "moved";
    ko_cursor = &other;
    ko_spare = &target;
}
