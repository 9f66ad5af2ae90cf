// vorneprepro: compiles one test script into a C++ test harness.
#include "driver/driver.h"

int main(int argc, char** argv) { driver::runCompiler(argc, argv); }
