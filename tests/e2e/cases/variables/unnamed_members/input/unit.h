// A structure with unnamed members.
struct S { struct { long a; }; union { long b; double d; }; };
S s, *ps = &s;
