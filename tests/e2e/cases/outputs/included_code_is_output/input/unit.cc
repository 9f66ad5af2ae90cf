#define UNIT 1
