// The unit under test of the cases.
inline int f(int v) { return v + 1; }
int x = 1, r = 0;
