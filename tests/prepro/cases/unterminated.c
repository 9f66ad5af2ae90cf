// Unterminated literals end at the end of the line; a comment at the end of the text.
#define Q "open
Q x
char c = 'y
int after;
/* never closed
// expect-output: "open x char c = 'y int after;
// expect-diag: Morvik-W-UNTERSTRI,  [unterminated.c:2] A string or character constant unterminated 
// expect-diag: Morvik-W-UNTERSTRI,  [unterminated.c:4] A string or character constant unterminated 
// expect-diag: Morvik-W-UNTERCOMM,  [unterminated.c:6] unterminated comment 
// expect-status: 3
