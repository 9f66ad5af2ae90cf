// A call that the end of the file cuts: the tokens read stay in the output.
#define f(x) x
int a;
f(1, (2
// expect-output: int a; f(1, (2
// expect-diag: Morvik-W-ERRINLINE,  [call_unterminated.c:4] Error in line: unterminated macro call
// expect-status: 3
