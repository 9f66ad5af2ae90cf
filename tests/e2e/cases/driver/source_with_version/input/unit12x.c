int a; /* "x" VERSION 'B12' */
int b;
#define Version "B13"
