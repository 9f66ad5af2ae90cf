/* Templates are kept as text and made once per instance name when used,
   with the parameters bound (defaults, packs, empty argument lists);
   specialisations leave the use without a type; function templates, static
   assertions and deduction guides are read without a diagnostic. */
template <class T, int N = 4, class... Rest>
struct buffer : T {
    T items[N];
    typedef buffer<T, N> self;
    int (*handler)(Rest...);
};
struct cell { char tag; };
buffer<cell> by_default;
buffer<cell, 2, int, long> explicit_count;
buffer<cell> same_instance;
template <class T = int> class box { public: T value; };
box<> empty_list;
template <class T> using pointer_to = T *;
pointer_to<box<> > alias_use;
template <class T> struct traits { typedef T type; };
template <> struct traits<void> { typedef int type; };
traits<char>::type unknown;
template <class T> T maximum(T a, T b) { static_assert(sizeof(T) > 0, "no"); return a < b ? b : a; }
template <class T> box(T) -> box<T>;
template <class T> struct pair_of { T first, second; } too_many;
template <class A, class B> struct two { A a; B b; };
two<int> too_few;
int after;
// expect: tag | cell | struct cell | INCONNU | 0
// expect: member | cell::tag | char | CARACTERE | -8
// expect: tag | buffer<cell, 4> | struct buffer<cell, 4> | INCONNU | 0
// expect: variable | by_default | struct buffer<cell, 4> | INCONNU | 0
// expect: tag | buffer<cell, 2, int, long> | struct buffer<cell, 2, int, long> | INCONNU | 0
// expect: tag | buffer<cell, 2> | struct buffer<cell, 2> | INCONNU | 0
// expect: variable | explicit_count | struct buffer<cell, 2, int, long> | INCONNU | 0
// expect: variable | same_instance | struct buffer<cell, 4> | INCONNU | 0
// expect: tag | box<int> | class box<int> | INCONNU | 0
// expect: variable | empty_list | class box<int> | INCONNU | 0
// expect: variable | alias_use | pointer_to<box<int>> | POINTEUR | 0
// expect: variable | after | int | ENTIER | -32
// expect-diag: Morvik-W-TEMPLADEC,  [cxx_templates.h:24] Incorrect template declaration: too_many
// expect-diag: Morvik-W-TEMINSINC,  Incorrect template instantiation: [cxx_templates.h:26] 
// expect-status: 3
