// Variables typed by DECLARE.
struct Point { long x; long y; };
long x, flags, local;
unsigned count;
Point pt, target;
Point *pp = &target;
