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
void VORNE::TEST_EXCEPTIONS (void) { 
try {
try {
// BEGIN  PROCEDURE TEST_EXCEPTIONS
#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

vorne_run.DCL_OP_CPP(1, "EXCEPTIONS");
try {
vorne_run.DCL_TST_CPP(2, "EXPECTED_RAISED");
try {
#define exception exception_1_1_1
try {
} catch (...) {vorne_run.EXCEP_CPP(1);}

#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
vorne_run.START_CHRONO_CPP();
try {
refuse(3);
vorne_run.EXCEP_CPP(5,"Refused");
} catch ( Refused  e ) { HRW_EXCEP_REFCPY(exception, e);  vorne_run.EXCEP_CPP(6,"Refused"); }
  catch ( Refused *e ) { HRW_EXCEP_PTRCPY(exception, e);  vorne_run.EXCEP_CPP(6,"Refused"); }
catch (...) { vorne_run.EXCEP_CPP(2);}
vorne_run.STOP_CHRONO_CPP();
try {
try {
vorne_run.EDV_INTEGER_CPP(0,0,(long)(exception->code),0+5,10, (long)((int)3), (long)((int)3));
 } catch (...) { }
} catch (...) { vorne_run.EXCEP_CPP(3);}
#undef exception
} catch (...) { vorne_run.EXCEP_CPP(1);
}
} catch (...) { vorne_run.EXCEP_CPP(1);
} 
HRU_END_TEST_CPP();

try {
vorne_run.DCL_TST_CPP(6, "EXPECTED_MISSING");
try {
#define exception exception_1_2_1
try {
} catch (...) {vorne_run.EXCEP_CPP(1);}

#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
vorne_run.START_CHRONO_CPP();
try {
accept();
vorne_run.EXCEP_CPP(5,"Refused");
} catch ( Refused  e ) { HRW_EXCEP_REFCPY(exception, e);  vorne_run.EXCEP_CPP(6,"Refused"); }
  catch ( Refused *e ) { HRW_EXCEP_PTRCPY(exception, e);  vorne_run.EXCEP_CPP(6,"Refused"); }
catch (...) { vorne_run.EXCEP_CPP(2);}
vorne_run.STOP_CHRONO_CPP();
try {
} catch (...) { vorne_run.EXCEP_CPP(3);}
#undef exception
} catch (...) { vorne_run.EXCEP_CPP(1);
}
} catch (...) { vorne_run.EXCEP_CPP(1);
} 
HRU_END_TEST_CPP();

try {
vorne_run.DCL_TST_CPP(9, "UNEXPECTED");
try {
#define exception exception_1_3_1
try {
level = 1;
} catch (...) {vorne_run.EXCEP_CPP(1);}

#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_TEST = 3;
#endif /*NEEDS_NUM_TEST_OPE*/
vorne_run.START_CHRONO_CPP();
try {
explode();
} catch (...) { vorne_run.EXCEP_CPP(2);}
vorne_run.STOP_CHRONO_CPP();
try {
try {
vorne_run.EDV_INTEGER_CPP(0,0,(long)(level),0+12,10, (long)((int)1), (long)((int)1));
 } catch (...) { }
} catch (...) { vorne_run.EXCEP_CPP(3);}
#undef exception
} catch (...) { vorne_run.EXCEP_CPP(1);
}
} catch (...) { vorne_run.EXCEP_CPP(1);
} 
HRU_END_TEST_CPP();

try {
vorne_run.DCL_TST_CPP(13, "FAILING_INIT");
try {
#define exception exception_1_4_1
try {
level = broken();
vorne_run.PTU_INTEGER_CPP((long)(level),0+16,10);
} catch (...) {vorne_run.EXCEP_CPP(1);}

#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_TEST = 4;
#endif /*NEEDS_NUM_TEST_OPE*/
vorne_run.START_CHRONO_CPP();
try {
accept();
} catch (...) { vorne_run.EXCEP_CPP(2);}
vorne_run.STOP_CHRONO_CPP();
try {
try {
vorne_run.EDV_INTEGER_CPP(0,0,(long)(level),0+16,10, (long)((int)1), (long)((int)1));
 } catch (...) { }
} catch (...) { vorne_run.EXCEP_CPP(3);}
#undef exception
} catch (...) { vorne_run.EXCEP_CPP(1);
}
} catch (...) { vorne_run.EXCEP_CPP(1);
} 
HRU_END_TEST_CPP();

try {
vorne_run.DCL_TST_CPP(17, "FAILING_CHECK");
try {
#define exception exception_1_5_1
try {
level = 0;
level = 0;
} catch (...) {vorne_run.EXCEP_CPP(1);}

#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_TEST = 5;
#endif /*NEEDS_NUM_TEST_OPE*/
vorne_run.START_CHRONO_CPP();
try {
accept();
} catch (...) { vorne_run.EXCEP_CPP(2);}
vorne_run.STOP_CHRONO_CPP();
try {
try {
vorne_run.EDV_INTEGER_CPP(1,0,(long)(level),0+20,10, (long)((int)reading()), (long)((int)reading()));
 } catch (...) { }
try {
vorne_run.EDV_INTEGER_CPP(0,0,(long)(level),0+21,10, (long)((int)0), (long)((int)0));
 } catch (...) { }
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
}// PROCEDURE TEST_EXCEPTIONS
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

vorne.TEST_EXCEPTIONS();
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

