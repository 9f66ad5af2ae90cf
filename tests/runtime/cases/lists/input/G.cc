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
/* begin stub S */

/* simulation: sensor */

int _S_sensor_indice = -1;
int _S_sensor_ret[10];
int _S_sensor_channel_in[10];

int sensor(int channel)
{
  if (_S_sensor_indice >= 0)
    {
  vorne_run.EDV_CHRONO_MUET_CPP(1,0,_S_sensor_indice+1);
  if (_S_sensor_indice<10)
    {
      _S_sensor_channel_in[_S_sensor_indice] = channel;
    }
  else
    {
      _S_sensor_channel_in[10-1] = channel;
    }
  _S_sensor_indice++;
    }
  if (_S_sensor_indice >= 0)
    {
  if (_S_sensor_indice-1<10)
    {
      return _S_sensor_ret[_S_sensor_indice - 1];
    }
    }
  return _S_sensor_ret[10-1];
}
/* fin stub S */
#include "@WORK@/G.icc"
void VORNE::TEST_LISTS (void) { 
try {
try {
// BEGIN  PROCEDURE TEST_LISTS
#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

vorne_run.DCL_OP_CPP(2, "LISTS");
try {
vorne_run.DCL_TST_CPP(3, "QUEUE");
try {
#define exception exception_1_1_1
try {
   HRW_LST_CLEAR(queue);
   HRW_LST_INSERT_BEGIN(queue, 3);
   HRW_LST_INSERT_BEGIN(queue, 2);
   HRW_LST_INSERT_BEGIN(queue, 1);
} catch (...) {vorne_run.EXCEP_CPP(1);}

#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
vorne_run.START_CHRONO_CPP();
try {
process();
} catch (...) { vorne_run.EXCEP_CPP(2);}
vorne_run.STOP_CHRONO_CPP();
try {
try {
vorne_run.SET_MODE_TAB_CPP(6);
 if (HRW_LST_EMPTY(queue)) {
  vorne_run.EDV_LST_ITEM_NOT_FOUND_CPP("2" ,6);
 }
 else {
   vorne_run.EDV_LST_TEST_ITEM_CPP("2",
     HRW_LST_COMPARE(HRW_LST_FRONT(queue), (2)),6) ;
   HRW_LST_ERASE_BEGIN(queue);
 }
 if (HRW_LST_EMPTY(queue)) {
  vorne_run.EDV_LST_ITEM_NOT_FOUND_CPP("9" ,6);
 }
 else {
   vorne_run.EDV_LST_TEST_ITEM_CPP("9",
     HRW_LST_COMPARE(HRW_LST_FRONT(queue), (9)),6) ;
   HRW_LST_ERASE_BEGIN(queue);
 }
 if (HRW_LST_EMPTY(queue)) {
  vorne_run.EDV_LST_ITEM_NOT_FOUND_CPP("4" ,6);
 }
 else {
   vorne_run.EDV_LST_TEST_ITEM_CPP("4",
     HRW_LST_COMPARE(HRW_LST_FRONT(queue), (4)),6) ;
   HRW_LST_ERASE_BEGIN(queue);
 }
 if (HRW_LST_EMPTY(queue)) {
  vorne_run.EDV_LST_ITEM_NOT_FOUND_CPP("5" ,6);
 }
 else {
   vorne_run.EDV_LST_TEST_ITEM_CPP("5",
     HRW_LST_COMPARE(HRW_LST_FRONT(queue), (5)),6) ;
   HRW_LST_ERASE_BEGIN(queue);
 }
 if (!HRW_LST_EMPTY(queue)) {
  vorne_run.EDV_LST_ITEM_NOT_EXPECTED_CPP(6);
 }
   HRW_LST_CLEAR(queue);
vorne_run.UNSET_MODE_TAB_CPP(6);
} catch (...) {
vorne_run.ERV_CPP(6);
}
} catch (...) { vorne_run.EXCEP_CPP(3);}
#undef exception
} catch (...) { vorne_run.EXCEP_CPP(1);
}
} catch (...) { vorne_run.EXCEP_CPP(1);
} 
HRU_END_TEST_CPP();

try {
vorne_run.DCL_TST_CPP(10, "STUBBED");
try {
#define exception exception_1_2_1
try {
_S_sensor_ret[0] = 10;
_S_sensor_ret[1] = 20;
_S_sensor_indice = 0;
} catch (...) {vorne_run.EXCEP_CPP(1);}

#ifdef NEEDS_NUM_TEST_OPE
vorne_run.NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
vorne_run.START_CHRONO_CPP();
try {
sample();
} catch (...) { vorne_run.EXCEP_CPP(2);}
vorne_run.STOP_CHRONO_CPP();
try {
try {
vorne_run.EDV_INTEGER_CPP(0,0,(long)(_S_sensor_channel_in[0]),0+13,10, (long)((int)1), (long)((int)1));
 } catch (...) { }
try {
vorne_run.EDV_INTEGER_CPP(0,0,(long)(_S_sensor_channel_in[1]),0+14,10, (long)((int)2), (long)((int)2));
 } catch (...) { }
try {
vorne_run.EDV_INTEGER_CPP(0,0,(long)(_S_sensor_indice),0+15,10, (long)((int)2), (long)((int)2));
 } catch (...) { }
try {
vorne_run.EDV_INTEGER_CPP(0,0,(long)(sum),0+16,10, (long)((int)30), (long)((int)30));
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
}// PROCEDURE TEST_LISTS
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

vorne.TEST_LISTS();
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

