/* A declaration that cannot be read is dropped, whole, and the analysis goes
   on with the next one; the declarations around it are kept. */
int before;
int two names;
int after_first;
struct Broken { int good; int (bad; int other; };
int after_struct;
struct Broken *still_declared;
}
int after_stray_brace;
extern "C" {
int in_block;
int = 3;
int also_in_block;
}
int after_block;
Later before_its_typedef;
typedef long Later;
Later after_its_typedef;
typedef int T;
T T;
int cut(int a,
// expect: variable | before | int | ENTIER | -32
// expect: variable | after_first | int | ENTIER | -32
// expect: variable | after_struct | int | ENTIER | -32
// expect: tag | Broken | struct Broken | INCONNU | 0
// expect: variable | still_declared | struct Broken * | POINTEUR | 0
// expect: variable | after_stray_brace | int | ENTIER | -32
// expect: variable | in_block | int | ENTIER | -32
// expect: variable | also_in_block | int | ENTIER | -32
// expect: variable | after_block | int | ENTIER | -32
// expect: typedef | Later | long | ENTIER | -32
// expect: variable | after_its_typedef | Later | ENTIER | -32
// expect: typedef | T | int | ENTIER | -32
// expect-diag: Morvik-W-SYNTAXERR,  [syntax_errors.h:4] Syntax error: int before; int two names
// expect-diag: Morvik-W-SYNTAXERR,  [syntax_errors.h:6] Syntax error: names; int after_first; struct Broken { int good; int (bad;
// expect-diag: Morvik-W-SYNTAXERR,  [syntax_errors.h:9] Syntax error: ther; }; int after_struct; struct Broken *still_declared; }
// expect-diag: Morvik-W-SYNTAXERR,  [syntax_errors.h:13] Syntax error: } int after_stray_brace; extern "C" { int in_block; int = 3
// expect-diag: Morvik-W-SYNTAXERR,  [syntax_errors.h:17] Syntax error: block; int = 3; int also_in_block; } int after_block; Later
// expect-diag: Morvik-W-REDEFSYMB,  [syntax_errors.h:21] Symbol T redefined
// expect-diag: Morvik-E-UNEXP_EOF,  [syntax_errors.h:23] Unexpected end of file or incomplete line: Later after_its_typedef; typedef int T; T T; int cut(int a,
// expect-status: 5
