// Hostile inputs for the declaration analyser: texts that must end with
// diagnostics (or a clean analysis where they are valid C), never with a
// crash, a hang or memory without bound. Each generator is sized by its
// argument; hostileInputs() lists them all at the sizes the tests use.
#pragma once

#include <string>
#include <vector>

namespace hostile {

inline std::string repeat(const std::string& piece, std::size_t count) {
    std::string text;
    text.reserve(piece.size() * count);
    for (std::size_t i = 0; i < count; ++i) text += piece;
    return text;
}

// ---- C ----------------------------------------------------------------------

// int ((((x)))); : valid C.
inline std::string nestedParentheses(std::size_t depth) {
    return "int " + repeat("(", depth) + "x" + repeat(")", depth) + ";\n";
}

// int (*(*(*x)[1])[1])[1]; : pointers to arrays to any depth, valid C.
inline std::string nestedArrayDeclarators(std::size_t depth) {
    return "int " + repeat("(*", depth) + "x" + repeat(")[1]", depth) + ";\n";
}

// int (*(*(*f)(int))(int))(int); : pointers to functions returning them, valid C.
inline std::string nestedFunctionDeclarators(std::size_t depth) {
    return "int " + repeat("(*", depth) + "f" + repeat(")(int)", depth) + ";\n";
}

// int ***...*p; : valid C.
inline std::string nestedPointers(std::size_t depth) { return "int " + repeat("*", depth) + "p;\n"; }

// One identifier of the given length, declared and then used in a type.
inline std::string longIdentifier(std::size_t length) {
    const std::string name = repeat("a", length);
    return "typedef int " + name + ";\n" + name + " value;\nstruct " + name + " { " + name + " " + name + "; };\n";
}

// A structure that holds itself through a typedef (an incomplete type where a
// complete one is needed), beside the valid form through a pointer.
inline std::string structureContainingItself() {
    return "typedef struct node node_t;\n"
           "typedef node_t alias_t;\n"
           "struct node { alias_t inner; int key; };\n"
           "struct list { struct list_item { struct list lost; } item; };\n"
           "struct valid { alias_t *next; struct valid *self; };\n";
}

// typedef int T0; typedef T0 T1; ... typedef Tn T0; : the last line redeclares
// T0 through the chain that starts at it.
inline std::string recursiveTypedefChain(std::size_t length) {
    std::string text = "typedef int T0;\n";
    for (std::size_t i = 1; i <= length; ++i)
        text += "typedef T" + std::to_string(i - 1) + " T" + std::to_string(i) + ";\n";
    text += "typedef T" + std::to_string(length) + " T0;\n";
    text += "T0 value;\nstruct S { T" + std::to_string(length) + " member; };\n";
    return text;
}

// Structures left open, then closing braces with nothing open.
inline std::string unbalancedBraces(std::size_t count) {
    return repeat("struct s { int a; ", count) + "\nint after_open;\n" + repeat("};", count + 1) + repeat("}", count) +
           "\nint after_close;\n";
}

// NUL bytes between declarations, inside an identifier, a declaration and a
// character constant.
inline std::string nulBytes() {
    using namespace std::string_literals;
    return "int before;\n\0int between;\nin\0t split;\nint name\0d;\nchar c = '\0';\nstruct s { int a;\0 };\n"
           "int after;\n"s;
}

// ---- C++ --------------------------------------------------------------------

// Templates whose instances name a new instance, without end.
inline std::string templateInstantiatingItself() {
    return "template <int N> struct counter { counter<N + 1> next; };\n"
           "counter<0> by_value;\n"
           "template <class T> struct wrap { typedef wrap<wrap<T> > next; next *link; next value; };\n"
           "wrap<int> by_type;\n"
           "template <class T> struct deep { typename deep<T *>::type member; typedef T type; };\n"
           "deep<int> by_pointer;\n";
}

// namespace n0 { namespace n1 { ... int x; } ... }
inline std::string nestedNamespaces(std::size_t depth) {
    std::string text;
    for (std::size_t i = 0; i < depth; ++i) text += "namespace n" + std::to_string(i) + " { ";
    text += "int innermost; struct S { int a; };";
    text += repeat(" }", depth);
    return text + "\nint outside;\n";
}

// A class that is its own base, directly, through a typedef and in a cycle.
inline std::string classDerivingFromItself() {
    return "class A : public A { int a; };\n"
           "struct B;\ntypedef B C;\nstruct B : C { int b; };\n"
           "struct X;\nstruct Y : X { int y; };\nstruct X : Y { int x; };\n"
           "template <class T> struct D : D<T> { };\nD<int> d;\n"
           "int after;\n";
}

// Angle brackets left open or closed twice.
inline std::string unbalancedAngleBrackets(std::size_t count) {
    return "template <class T struct open { };\n"
           "template <class T> struct box { T value; };\n"
           "box<box<int> missing;\n"
           "box<int>> extra;\n"
           "box" + repeat("<box", count) + "<int" + "> deep;\n"
           "int after;\n";
}

// ---- All of them --------------------------------------------------------------

struct Input {
    const char* name;
    std::string text;
    bool cxx;  // needs the C++ constructs
};

inline std::vector<Input> hostileInputs() {
    return {
        {"nested_parentheses", nestedParentheses(100000), false},
        {"nested_array_declarators", nestedArrayDeclarators(100000), false},
        {"nested_function_declarators", nestedFunctionDeclarators(100000), false},
        {"nested_pointers", nestedPointers(100000), false},
        {"long_identifier", longIdentifier(10u << 20), false},
        {"structure_containing_itself", structureContainingItself(), false},
        {"recursive_typedef_chain", recursiveTypedefChain(1000), false},
        {"unbalanced_braces", unbalancedBraces(1000), false},
        {"nul_bytes", nulBytes(), false},
        {"template_instantiating_itself", templateInstantiatingItself(), true},
        {"nested_namespaces", nestedNamespaces(10000), true},
        {"class_deriving_from_itself", classDerivingFromItself(), true},
        {"unbalanced_angle_brackets", unbalancedAngleBrackets(1000), true},
    };
}

}  // namespace hostile
