//************************************************************************
//* TOOL : Unit Test Compiler VERSION 8.0.1.2.343.015                    *
//*                                                                      *
//* COMMAND : vorneprepro a.ptu G.cc -LANGUAGE=C++ -TARGET=LINUX -FAST   *
//*   -STD_DEFINE=../target/ana/hrus_c.def                               *
//*                                                                      *
//* FILE : @WORK@/G.cc                                   *
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
void VORNE::TEST_LOOPS (void) { 
try {
try {
// BEGIN  PROCEDURE TEST_LOOPS
#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

vorne_run.DCL_OP_CPP(1, "LOOPS");
#define tab_initin1(J1) (J1 == 1 ? 1 :(J1 == 2 ? 2 :3))
#define tab_vain2(J1) (J1 == 1 ? 2 :(J1 == 2 ? 4 :6))
try {
vorne_run.DCL_TST_CPP(2, "VALUES");
try {
for (J1 = 1 ; J1<=3;J1++ ){
#define exception exception_1_1_1
try {
x = tab_initin1(J1);
vorne_run.PTU_INTEGER_CPP((long)(x),0+5,10);
y = 0;
} catch (...) {vorne_run.EXCEP_CPP(1);}

#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
vorne_run.START_CHRONO_CPP();
try {
double_it();
} catch (...) { vorne_run.EXCEP_CPP(2);}
vorne_run.STOP_CHRONO_CPP();
try {
try {
vorne_run.EDV_INTEGER_CPP(0,1,(long)(x),0+5,10, (long)((int)0), (long)((int)0));
 } catch (...) { }
try {
vorne_run.EDV_INTEGER_CPP(1,0,(long)(y),0+6,10, (long)((int)tab_vain2(J1)), (long)((int)tab_vain2(J1)));
 } catch (...) { }
} catch (...) { vorne_run.EXCEP_CPP(3);}
#undef exception
}
} catch (...) { vorne_run.EXCEP_CPP(1);
}
} catch (...) { vorne_run.EXCEP_CPP(1);
} 
HRU_END_TEST_CPP();

try {
for (J1 = 1 ; J1<=rounds;J1++ ){
vorne_run.DCL_TST_CPP(7, "LOOPED");
try {
#define exception exception_1_2_1
try {
} catch (...) {vorne_run.EXCEP_CPP(1);}

#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
vorne_run.START_CHRONO_CPP();
try {
tick();
} catch (...) { vorne_run.EXCEP_CPP(2);}
vorne_run.DCL_FAC_REP_CPP(6,rounds);
vorne_run.STOP_CHRONO_CPP();
try {
try {
vorne_run.EDV_INTEGER_CPP(1,0,(long)(ticks),0+11,10, (long)((int)J1), (long)((int)J1));
 } catch (...) { }
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
}// PROCEDURE TEST_LOOPS
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

vorne.TEST_LOOPS();
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

