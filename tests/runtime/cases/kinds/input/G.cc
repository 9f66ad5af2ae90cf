//************************************************************************
//* TOOL : Unit Test Compiler VERSION 8.0.1.2.343.015                    *
//*                                                                      *
//* COMMAND : vorneprepro a.ptu G.cc -LANGUAGE=C++ -TARGET=LINUX -FAST   *
//*   -STD_DEFINE=../target/ana/hrus_c.def                               *
//*                                                                      *
//* FILE : @WORK@/G.cc                                        *
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
void VORNE::TEST_KINDS (void) { 
try {
try {
// BEGIN  PROCEDURE TEST_KINDS
#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

vorne_run.DCL_OP_CPP(1, "KINDS");
try {
vorne_run.DCL_TST_CPP(2, "SCALARS");
try {
#define exception exception_1_1_1
try {
counter = 0;
total = 0;
mask = 0;
grade = 'A';
ratio = 0;
mean = 0;
precise = 0;
vorne_run.INI_STR_CPP((char *)(label), 0, 0+12 , vorne_run.CONCAT_STR_CPP("",(char *)0));
cursor = (int *)NIL;
spare = (int *)NIL;
ready = false;
} catch (...) {vorne_run.EXCEP_CPP(1);}

#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
vorne_run.START_CHRONO_CPP();
try {
compute();
} catch (...) { vorne_run.EXCEP_CPP(2);}
vorne_run.STOP_CHRONO_CPP();
try {
try {
vorne_run.EDV_INTEGER_CPP(0,0,(long)(counter),0+5,10, (long)((int)3), (long)((int)3));
 } catch (...) { }
try {
vorne_run.EDV_INTEGER_CPP(0,0,(long)(total),0+6,10, (long)(10), (long)(10));
 } catch (...) { }
try {
vorne_run.EDV_UNSIGNED_CPP(0,0,(unsigned long)(mask),0+7,16, (unsigned long)((unsigned int)0xF0), (unsigned long)((unsigned int)0xF0));
 } catch (...) { }
try {
vorne_run.EDV_CHAR_CPP(0,0,(char)(grade),0+8,(char)('A'),(char)('A'));
 } catch (...) { }
try {
vorne_run.EDV_FLOAT_CPP(0,0, (float)(ratio),0+9,(float)(0.5),(float)(0.5));
 } catch (...) { }
try {
vorne_run.EDV_DOUBLE_CPP(0,0, (double)(mean),0+10,(double)((2.2) - (0.1>=0?0.1:-(0.1))),(double)((2.2) + (0.1>=0?0.1:-(0.1))));
 } catch (...) { }
try {
vorne_run.EDV_LONG_DOUBLE_CPP(0,0, (long double)(precise),0+11,(long double)((0.3) - (1*(0.3)/100.0>=0?1*(0.3)/100.0:-(1*(0.3)/100.0))),(long double)((0.3) + (1*(0.3)/100.0>=0?1*(0.3)/100.0:-(1*(0.3)/100.0))));
 } catch (...) { }
try {
vorne_run.EDV_STR_CPP(0,0,(const char *)(label),0+12,vorne_run.CONCAT_STR_CPP("done",(char *)0),vorne_run.CONCAT_STR_CPP("done",(char *)0));
 } catch (...) { }
try {
vorne_run.EDV_STR_CPP(0,0,(const char *)(title),0+13,vorne_run.CONCAT_STR_CPP("vornes",(char *)0),vorne_run.CONCAT_STR_CPP("vornes",(char *)0));
 } catch (...) { }
try {
vorne_run.EDV_POINTER_CPP(0,0,(void*)(cursor),0+14,(void*)(NONIL));
 } catch (...) { }
try {
vorne_run.EDV_POINTER_CPP(0,0,(void*)(spare),0+15,(void*)(NIL));
 } catch (...) { }
try {
vorne_run.EDV_INTEGER_CPP(0,0,(long)(ready),0+16,10, (long)(true), (long)(true));
 } catch (...) { }
} catch (...) { vorne_run.EXCEP_CPP(3);}
#undef exception
} catch (...) { vorne_run.EXCEP_CPP(1);
}
} catch (...) { vorne_run.EXCEP_CPP(1);
} 
HRU_END_TEST_CPP();

try {
vorne_run.DCL_TST_CPP(17, "RANGES");
try {
#define exception exception_1_2_1
try {
counter = 0;
total = 0;
mean = 0;
} catch (...) {vorne_run.EXCEP_CPP(1);}

#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
vorne_run.START_CHRONO_CPP();
try {
compute();
} catch (...) { vorne_run.EXCEP_CPP(2);}
vorne_run.STOP_CHRONO_CPP();
try {
try {
vorne_run.EDV_INTEGER_CPP(0,0,(long)(counter),0+20,10, (long)((int)1), (long)((int)5));
 } catch (...) { }
try {
vorne_run.EDV_INTEGER_CPP(0,0,(long)(total),0+21,10, (long)(8), (long)(9));
 } catch (...) { }
try {
vorne_run.EDV_DOUBLE_CPP(0,0, (double)(mean),0+22,(double)(2.0),(double)(3.0));
 } catch (...) { }
try {
vorne_run.EDV_INTEGER_CPP(1,0,(long)(total),0+23,10, (long)(limit()), (long)(limit()));
 } catch (...) { }
} catch (...) { vorne_run.EXCEP_CPP(3);}
#undef exception
} catch (...) { vorne_run.EXCEP_CPP(1);
}
} catch (...) { vorne_run.EXCEP_CPP(1);
} 
HRU_END_TEST_CPP();

try {
vorne_run.DCL_TST_CPP(24, "EQUAL_INITIAL");
try {
#define exception exception_1_3_1
try {
seedvalue = seed();
vorne_run.PTU_INTEGER_CPP((long)(seedvalue),0+27,10);
drift = seed();
vorne_run.PTU_INTEGER_CPP((long)(drift),0+28,10);
keep = 4;
lost = 5;
vorne_run.INI_STR_CPP((char *)(name), 1, 0+31 , vorne_run.CONCAT_STR_CPP(prefix(),(char *)0));
pick = (int *)(&counter);
} catch (...) {vorne_run.EXCEP_CPP(1);}

#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_TEST = 3;
#endif /*NEEDS_NUM_TEST_OPE*/
vorne_run.START_CHRONO_CPP();
try {
touch();
} catch (...) { vorne_run.EXCEP_CPP(2);}
vorne_run.STOP_CHRONO_CPP();
try {
try {
vorne_run.EDV_INTEGER_CPP(0,1,(long)(seedvalue),0+27,10, (long)(0), (long)(0));
 } catch (...) { }
try {
vorne_run.EDV_INTEGER_CPP(0,1,(long)(drift),0+28,10, (long)(0), (long)(0));
 } catch (...) { }
try {
vorne_run.EDV_INTEGER_CPP(0,1,(long)(keep),0+29,10, (long)(0), (long)(0));
 } catch (...) { }
try {
vorne_run.EDV_INTEGER_CPP(0,1,(long)(lost),0+30,10, (long)(0), (long)(0));
 } catch (...) { }
try {
vorne_run.EDV_STR_CPP(0,1,(const char *)(name),0+31,vorne_run.CONCAT_STR_CPP("",(char *)0),vorne_run.CONCAT_STR_CPP("",(char *)0));
 } catch (...) { }
try {
vorne_run.EDV_POINTER_CPP(0,1,(void*)(pick),0+32,(void*)(NIL));
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
}// PROCEDURE TEST_KINDS
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

vorne.TEST_KINDS();
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

