/* Classes: access sections, bases whose members the derived class sees,
   constructors, destructors, operators and conversions entered as
   functions, inline bodies skipped, members defined outside their class,
   nested classes, friends, pointers to members, modern member syntax. */
class Base {
public:
    Base() = default;
    explicit Base(int start) : count_(start), items_{1, 2} {}
    virtual ~Base() noexcept {}
    int count() const { return count_ + [] { return 0; }(); }
    Base &operator+=(const Base &other);
    explicit operator bool() const noexcept;
    using size_type = unsigned long;
    static constexpr int limit = 8;
protected:
    int count_ = 0;
    int items_[2];
private:
    friend class Peer;
    friend bool operator==(const Base &, const Base &) { return true; }
    mutable long cache;
};
struct Derived final : public Base {
    using Base::Base;
    using Base::count_;
    using Base::missing;
    size_type size;
    struct Node { Node *next; int Base::*field; } head;
    void reset(int &&value, const Node &node = Node{}) override;
};
void Derived::reset(int &&fresh, const Node &) {}
// expect: tag | Base | class Base | INCONNU | 0
// expect: function | Base::Base | void () | POINTEUR | 0 | public
// expect: function | Base::Base | void (int) | POINTEUR | 0 | public
// expect: function | Base::~Base | void () | POINTEUR | 0 | public
// expect: function | Base::count | int () const | POINTEUR | 0 | public
// expect: function | Base::operator+= | class Base &(const class Base &) | POINTEUR | 0 | public
// expect: function | Base::operator bool | bool () const | POINTEUR | 0 | public
// expect: typedef | Base::size_type | unsigned long | ENTIER | 32 | public
// expect: member | Base::limit | const int | ENTIER | -32 | public
// expect: member | Base::count_ | int | ENTIER | -32 | protected
// expect: member | Base::items_ | int [2] | POINTEUR | 0 | protected
// expect: member | Base::cache | long | ENTIER | -32 | private
// expect: tag | Derived | struct Derived | INCONNU | 0
// expect: member | Derived::size | Base::size_type | ENTIER | 32 | public
// expect: tag | Derived::Node | struct Derived::Node | INCONNU | 0
// expect: member | Derived::Node::next | struct Derived::Node * | POINTEUR | 0
// expect: member | Derived::Node::field | int Base::* | POINTEUR | 0
// expect: member | Derived::head | struct Derived::Node | INCONNU | 0 | public
// expect: function | Derived::reset | void (int &&, const struct Derived::Node &) | POINTEUR | 0 | public
// expect-diag: Morvik-W-MODACCINC,  [cxx_classes.h:26] Incorrect access modifier: unknown inherited member missing 
// expect-status: 3
