// The unit under test of the case: arrays and structures with known values.
// A variable named ok_... passes every check, ko_... fails every one; the
// others fail on the elements fill() and draw() get wrong.
struct Point {
    long x;
    long y;
};
struct Segment {
    Point from;
    Point to;
    char tag;
    long marks[3];
};

long ok_table[4], ko_table[4], ok_down[5], ok_listed[3], ko_listed[3];
long grid[2][3];
long letters[128];
long samples[4];
Segment ok_seg, ko_seg, seg;
Point ok_pts[3], pts[3];

inline void fill() {
    for (int i = 1; i <= 3; ++i) ok_table[i] = ko_table[i] = i * 10;
    for (int i = 2; i <= 4; ++i) ok_down[i] = i + 1;
    grid[1][2] = 5;
    letters['a'] = letters['b'] = letters['c'] = 1;
    letters['b'] = 2;
    for (int i = 0; i < 3; ++i) ok_listed[i] = ko_listed[i] = 2 * ok_listed[i];
    for (int i = 0; i < 4; ++i) samples[i] = i == 2 ? 8 : 7;
}

inline void draw() {
    ok_seg = ko_seg = seg = {{1, 2}, {3, 4}, 'S', {5, 6, 7}};
    seg.to.y = 40;
    seg.marks[1] = 0;
    for (int i = 0; i < 3; ++i) ok_pts[i] = pts[i] = {i, 2L * i};
    pts[2].y = 0;
}
