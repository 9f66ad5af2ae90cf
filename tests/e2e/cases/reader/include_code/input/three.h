int one;
  int two;
int three;