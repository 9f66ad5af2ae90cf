static int s1;
static int s2;
