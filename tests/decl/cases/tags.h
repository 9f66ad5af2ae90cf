/* Tags: nested definitions belong to their enclosing structure; a tag named
   only by reference belongs to the enclosing namespace; unnamed types. */
struct Outer {
    struct Inner { int i; } in;
    enum Colour { RED, GREEN = 4 } colour;
    struct Ref *ref;
    union { int whole; char bytes[4]; };
    struct { short lo, hi; } pair;
    unsigned flag : 1, : 3, mode : 4;
    int (*callback)(struct Param *);
};
struct Ref { struct Outer *back; };
typedef struct { int a; } Named;
typedef enum { OFF, ON } Switch;
typedef union U { long l; double d; } U_t;
Named named;
union U u;
enum Colour *not_visible;
struct Inner *other_inner;
// expect: tag | Outer | struct Outer | INCONNU | 0
// expect: tag | Outer::Inner | struct Outer::Inner | INCONNU | 0
// expect: member | Outer::Inner::i | int | ENTIER | -32
// expect: member | Outer::in | struct Outer::Inner | INCONNU | 0
// expect: tag | Outer::Colour | enum Outer::Colour | ENTIER | 32
// expect: enumerator | Outer::RED | 0 | ENTIER | 32
// expect: enumerator | Outer::GREEN | 4 | ENTIER | 32
// expect: member | Outer::colour | enum Outer::Colour | ENTIER | 32
// expect: tag | Ref | struct Ref | INCONNU | 0
// expect: member | Outer::ref | struct Ref * | POINTEUR | 0
// expect: member | Outer::<anonymous>::whole | int | ENTIER | -32
// expect: member | Outer::<anonymous>::bytes | char [4] | CHAINE | 0
// expect: member | Outer::<anonymous>::lo | short | ENTIER | -16
// expect: member | Outer::<anonymous>::hi | short | ENTIER | -16
// expect: member | Outer::pair | struct <anonymous> | INCONNU | 0
// expect: member | Outer::flag | unsigned int : 1 | BIT | 1
// expect: member | Outer::mode | unsigned int : 4 | BIT | 4
// expect: tag | Param | struct Param | INCONNU | 0
// expect: member | Outer::callback | int (*)(struct Param *) | POINTEUR | 0
// expect: member | Ref::back | struct Outer * | POINTEUR | 0
// expect: member | <anonymous>::a | int | ENTIER | -32
// expect: typedef | Named | Named | INCONNU | 0
// expect: enumerator | OFF | 0 | ENTIER | 32
// expect: enumerator | ON | 1 | ENTIER | 32
// expect: typedef | Switch | Switch | ENTIER | 32
// expect: tag | U | union U | INCONNU | 0
// expect: member | U::l | long | ENTIER | -32
// expect: member | U::d | double | REEL | 0
// expect: typedef | U_t | union U | INCONNU | 0
// expect: variable | named | Named | INCONNU | 0
// expect: variable | u | union U | INCONNU | 0
// expect: tag | Colour | enum Colour | ENTIER | -32
// expect: variable | not_visible | enum Colour * | POINTEUR | 0
// expect: tag | Inner | struct Inner | INCONNU | 0
// expect: variable | other_inner | struct Inner * | POINTEUR | 0
// expect-status: 0
