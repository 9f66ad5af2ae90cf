// Structures of the unit under test, as the script defines them.
struct Point { long x; double y; };
struct Shape { char name[8]; Point corner; Point marks[2]; unsigned count; };
struct Empty { };
Point p;
Shape sh;
Empty e;
