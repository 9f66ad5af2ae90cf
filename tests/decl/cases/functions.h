/* Function definitions: bodies are skipped whatever they hold; old-style
   definitions type their parameters by name. */
static inline int twice(int x) { return x * 2; }
int with_braces(void) {
    struct Local { int hidden; } l = { '}' };
    const char *text = "}{";
    if (l.hidden) { return 1; } else { return 2; }
}
int after_body;
int old_style(count, text, ratio)
    char *text;
    int count;
    double ratio;
{
    return count;
}
int too_many(a) int a; int b; { return a; }
long defaulted(first, second) long second; { return second; }
// expect: function | twice | int (int) | POINTEUR | 0
// expect: function | with_braces | int (void) | POINTEUR | 0
// expect: variable | after_body | int | ENTIER | -32
// expect: function | old_style | int (int, char *, double) | POINTEUR | 0
// expect: function | too_many | int (int) | POINTEUR | 0
// expect: function | defaulted | long (int, long) | POINTEUR | 0
// expect-diag: Morvik-W-FUNCT_DEF,  [functions.h:17] Incorrect function definition: too_many
// expect-status: 3
