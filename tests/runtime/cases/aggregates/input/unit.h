// The unit under test of the case: arrays and structures with known values.
#define LIMIT 12

int table[3];
int grid[2][3];
int samples[4];
struct Point {
    int x;
    int y;
};
struct Segment {
    Point from;
    Point to;
    char tag;
};
Segment seg;
int limitvalue;

inline void fill() {
    for (int i = 0; i < 3; ++i) table[i] = (i + 1) * 10;
    grid[1][2] = 5;
    for (int i = 0; i < 4; ++i) samples[i] = i == 2 ? 8 : 7;
}

inline void draw() {
    seg = {{1, 2}, {3, 4}, 'S'};
    limitvalue = LIMIT;
}
