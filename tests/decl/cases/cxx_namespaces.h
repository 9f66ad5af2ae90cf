/* Namespaces: nested and reopened, written at once (a::b), unnamed ones
   numbered in order, inline ones written as their enclosing namespace,
   aliases, using directives and declarations, scoped enumerations and
   enumerations with an underlying type, alias declarations. */
namespace outer {
namespace inner { typedef short half; enum class mode : unsigned char { off, on = 3, more }; }
namespace { int first_hidden; }
using number = inner::half;
}
namespace outer::inner { half again; enum level : long long { low = -1, high }; }
namespace { int second_hidden; }
inline namespace v1 { struct version { int major; }; }
namespace alias = outer::inner;
alias::half through_alias;
using namespace outer;
number via_directive;
using outer::inner::mode;
mode via_declaration = mode::on;
namespace broken { using namespace nowhere }
int after_broken;
// expect: typedef | outer::inner::half | short | ENTIER | -16
// expect: tag | outer::inner::mode | enum outer::inner::mode | ENTIER | 8
// expect: enumerator | outer::inner::mode::off | 0 | ENTIER | 8
// expect: enumerator | outer::inner::mode::on | 3 | ENTIER | 8
// expect: enumerator | outer::inner::mode::more | 4 | ENTIER | 8
// expect: variable | outer::vorne_unnamed_namespace_1::first_hidden | int | ENTIER | -32
// expect: typedef | outer::number | outer::inner::half | ENTIER | -16
// expect: variable | outer::inner::again | outer::inner::half | ENTIER | -16
// expect: tag | outer::inner::level | enum outer::inner::level | ENTIER | -64
// expect: enumerator | outer::inner::low | -1 | ENTIER | -64
// expect: enumerator | outer::inner::high | 0 | ENTIER | -64
// expect: variable | vorne_unnamed_namespace_2::second_hidden | int | ENTIER | -32
// expect: tag | version | struct version | INCONNU | 0
// expect: member | version::major | int | ENTIER | -32
// expect: variable | through_alias | outer::inner::half | ENTIER | -16
// expect: variable | via_directive | outer::number | ENTIER | -16
// expect: variable | via_declaration | enum outer::inner::mode | ENTIER | 8
// expect: variable | after_broken | int | ENTIER | -32
// expect-diag: Morvik-W-SYNTAXERR,  [cxx_namespaces.h:19] Syntax error: 'using' without ';'
// expect-status: 3
