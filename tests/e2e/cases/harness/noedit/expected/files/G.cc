//************************************************************************
//* TOOL : Unit Test Compiler VERSION 8.0.1.2.343.015                    *
//*                                                                      *
//* COMMAND : vorneprepro a.ptu G.cc -LANGUAGE=C++ -TARGET=LINUX -FAST   *
//*   -NOEDIT -STD_DEFINE=../target/ana/hrus_c.def                       *
//*                                                                      *
//* FILE : @WORK@/G.cc                                *
//*                                                                      *
//* DATE : Thu Jan  1 00:00:00 1970                                      *
//************************************************************************
#ifndef USE_HRU
#define USE_HRU 1
#endif
#ifndef HRL_CPLUSPLUS_LANGUAGE
#define HRL_CPLUSPLUS_LANGUAGE 1
#endif
// PROGRAM G
#include "../target/lib/TP.h"
#include "unit.h"
#include "@WORK@/G.icc"
void VORNE::TEST_S (void) { 
try {
try {
// BEGIN  PROCEDURE TEST_S
#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

try {
try {
#define exception exception_1_1_1
try {
} catch (...) { }

#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
try {
r = f(x);
} catch (...) { }
#undef exception
} catch (...) { 
}
} catch (...) { 
} 
HRU_END_TEST_CPP();
}
catch (...) { }
}
catch (...) { }
}// PROCEDURE TEST_S
#ifdef DRAV_MAIN_HEADER
 DRAV_MAIN_HEADER
#else
int main(int argc, char ** argv)
{
#endif
try {
   HRU_INIT_DATA
try {
// BEGIN  PROCEDURE G
vorne.TEST_S();
} catch (...) {}
}
catch (...) { }

#ifdef DRAV_MAIN_RETURN
 DRAV_MAIN_RETURN
#else
 return(0);
#endif

}// end G

HRU_TRACES_FILE("@WORK@/G.rio")

