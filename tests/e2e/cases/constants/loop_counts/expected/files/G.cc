//************************************************************************
//* TOOL : Unit Test Compiler VERSION 8.0.1.2.343.015                    *
//*                                                                      *
//* COMMAND : vorneprepro a.ptu G.cc -LANGUAGE=C++ -TARGET=LINUX -FAST   *
//*   -NOANALYZE                                                         *
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
int runs = 2;
// declaration des constantes 
#define N 2
// fin de la declaration des constantes
#include "@WORK@/G.icc"
void VORNE::TEST_S (void) { 
try {
try {
// BEGIN  PROCEDURE TEST_S
#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

vorne_run.DCL_OP_CPP(1, "S");
try {
for (J1 = 1 ; J1<=N+1;J1++ ){
vorne_run.DCL_TST_CPP(2, "T");
try {
#define exception exception_1_1_1
try {
} catch (...) {vorne_run.EXCEP_CPP(1);}

#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
vorne_run.START_CHRONO_CPP();
try {
throw 0;
vorne_run.EXCEP_CPP(5,"int");
} catch ( int  e ) { HRW_EXCEP_REFCPY(exception, e);  vorne_run.EXCEP_CPP(6,"int"); }
  catch ( int *e ) { HRW_EXCEP_PTRCPY(exception, e);  vorne_run.EXCEP_CPP(6,"int"); }
catch (...) { vorne_run.EXCEP_CPP(2);}
vorne_run.STOP_CHRONO_CPP();
try {
} catch (...) { vorne_run.EXCEP_CPP(3);}
#undef exception
} catch (...) { vorne_run.EXCEP_CPP(1);
}
}
} catch (...) { vorne_run.EXCEP_CPP(1);
} 
HRU_END_TEST_CPP();

try {
for (J1 = 1 ; J1<=runs*2;J1++ ){
vorne_run.DCL_TST_CPP(6, "U");
try {
#define exception exception_1_2_1
try {
} catch (...) {vorne_run.EXCEP_CPP(1);}

#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
vorne_run.START_CHRONO_CPP();
try {
throw 0;
vorne_run.EXCEP_CPP(5,"int");
} catch ( int  e ) { HRW_EXCEP_REFCPY(exception, e);  vorne_run.EXCEP_CPP(6,"int"); }
  catch ( int *e ) { HRW_EXCEP_PTRCPY(exception, e);  vorne_run.EXCEP_CPP(6,"int"); }
catch (...) { vorne_run.EXCEP_CPP(2);}
vorne_run.DCL_FAC_REP_CPP(7,runs*2);
vorne_run.STOP_CHRONO_CPP();
try {
} catch (...) { vorne_run.EXCEP_CPP(3);}
#undef exception
} catch (...) { vorne_run.EXCEP_CPP(1);
}
}
} catch (...) { vorne_run.EXCEP_CPP(1);
} 
HRU_END_TEST_CPP();
}
catch (...) { vorne_run.EXCEP_CPP(0);}
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
vorne_run.OPF_CPP("@WORK@/G.rio");

vorne.TEST_S();
vorne_run.CLF_CPP("@WORK@/G.rio");

} catch (...) { vorne_run.EXCEP_CPP(0);
vorne_run.CLF_CPP("@WORK@/G.rio");

}
}
catch (...) { }

#ifdef DRAV_MAIN_RETURN
 DRAV_MAIN_RETURN
#else
 return(0);
#endif

}// end G

HRU_TRACES_FILE("@WORK@/G.rio")

