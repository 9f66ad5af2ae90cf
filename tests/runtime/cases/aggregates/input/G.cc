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
void VORNE::TEST_AGGREGATES (void) { 
try {
try {
// BEGIN  PROCEDURE TEST_AGGREGATES
#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

vorne_run.DCL_OP_CPP(1, "AGGREGATES");
try {
vorne_run.DCL_TST_CPP(2, "ARRAYS");
try {
#define exception exception_1_1_1
try {
for( I1=0;I1 <= 2;++I1){
table[I1] = 0;
}
for( I1=0;I1 <= 1;++I1){
for( I2=0;I2 <= 2;++I2){
grid[I1][I2] = 0;
}
}
for( I1=0;I1 <= 3;++I1){
samples[I1] = 0;
}
} catch (...) {vorne_run.EXCEP_CPP(1);}

#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
vorne_run.START_CHRONO_CPP();
try {
fill();
} catch (...) { vorne_run.EXCEP_CPP(2);}
vorne_run.STOP_CHRONO_CPP();
try {
for( I1=0;I1 <= 2;++I1){
try {
vorne_run.EDV_INTEGER_CPP(1,0,(long)(table[I1]),((0)*3)+I1-(0)+5,10, (long)((int)((I1+1)*10)), (long)((int)((I1+1)*10)));
 } catch (...) { }
}
for( I1=0;I1 <= 1;++I1){
for( I2=0;I2 <= 2;++I2){
try {
vorne_run.EDV_INTEGER_CPP(0,0,(long)(grid[I1][I2]),((((0)*2)+I1-(0))*3)+I2-(0)+8,10, (long)((int)0), (long)((int)0));
 } catch (...) { }
}
}
try {
vorne_run.SET_MODE_TAB_CPP(14);
for( I1=0;I1 <= 3;++I1){
try {
vorne_run.EDV_INTEGER_CPP(0,0,(long)(samples[I1]),((0)*4)+I1-(0)+15,10, (long)((int)7), (long)((int)7));
 } catch (...) { }
}
vorne_run.UNSET_MODE_TAB_CPP(19);
} catch (...) {
vorne_run.ERV_CPP(19);
}
} catch (...) { vorne_run.EXCEP_CPP(3);}
#undef exception
} catch (...) { vorne_run.EXCEP_CPP(1);
}
} catch (...) { vorne_run.EXCEP_CPP(1);
} 
HRU_END_TEST_CPP();

try {
vorne_run.DCL_TST_CPP(20, "STRUCTURES");
try {
#define exception exception_1_2_1
try {
seg.from.x = 0;
seg.from.y = 0;
seg.to.x = 0;
seg.to.y = 0;
seg.tag = ' ';
limitvalue = 0;
} catch (...) {vorne_run.EXCEP_CPP(1);}

#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
vorne_run.START_CHRONO_CPP();
try {
draw();
} catch (...) { vorne_run.EXCEP_CPP(2);}
vorne_run.STOP_CHRONO_CPP();
try {
try {
vorne_run.OPEN_BRA_CPP(23);
try {
vorne_run.OPEN_BRA_CPP(24);
try {
vorne_run.EDV_INTEGER_CPP(0,0,(long)(seg.from.x),0+25,10, (long)((int)1), (long)((int)1));
 } catch (...) { }
try {
vorne_run.EDV_INTEGER_CPP(0,0,(long)(seg.from.y),0+26,10, (long)((int)2), (long)((int)2));
 } catch (...) { }
vorne_run.CLOSE_BRA_CPP(27);
} catch (...) {
vorne_run.ERV_CPP(27);
}
try {
vorne_run.OPEN_BRA_CPP(28);
try {
vorne_run.EDV_INTEGER_CPP(0,0,(long)(seg.to.x),0+29,10, (long)((int)3), (long)((int)3));
 } catch (...) { }
try {
vorne_run.EDV_INTEGER_CPP(0,0,(long)(seg.to.y),0+30,10, (long)((int)40), (long)((int)40));
 } catch (...) { }
vorne_run.CLOSE_BRA_CPP(31);
} catch (...) {
vorne_run.ERV_CPP(31);
}
try {
vorne_run.EDV_CHAR_CPP(0,0,(char)(seg.tag),0+32,(char)('T'),(char)('T'));
 } catch (...) { }
vorne_run.CLOSE_BRA_CPP(33);
} catch (...) {
vorne_run.ERV_CPP(33);
}
try {
vorne_run.SET_MODE_CST_CPP(34);
try {
vorne_run.EDV_INTEGER_CPP(0,0,(long)(limitvalue),0+35,10, (long)((int)LIMIT), (long)((int)LIMIT));
 } catch (...) { }
vorne_run.UNSET_MODE_CST_CPP(36);
} catch (...) {
vorne_run.ERV_CPP(36);
}
} catch (...) { vorne_run.EXCEP_CPP(3);}
#undef exception
} catch (...) { vorne_run.EXCEP_CPP(1);
}
} catch (...) { vorne_run.EXCEP_CPP(1);
} 
HRU_END_TEST_CPP();
}
catch (...) { vorne_run.EXCEP_CPP(0);}
}
catch (...) { }
}// PROCEDURE TEST_AGGREGATES
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

vorne.TEST_AGGREGATES();
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

