// Arrays of the unit under test.
struct Point { long x; double y; };
long t[4], r[4], m[2][3], n[2][3], u[3], v[2], letters[128];
Point pts[2];
