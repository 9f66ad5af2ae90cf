//************************************************************************
//* TOOL : Unit Test Compiler VERSION 8.0.1.2.343.015                    *
//*                                                                      *
//* COMMAND : vorneprepro a.ptu G.cc -LANGUAGE=C++ -TARGET=LINUX -FAST   *
//*   -STD_DEFINE=../target/ana/hrus_c.def                               *
//*                                                                      *
//* FILE : @WORK@/G.cc                                *
//*                                                                      *
//* DATE : Thu Jan  1 00:00:00 1970                                      *
//************************************************************************
// a, line 2
// c, line 1
// the long one, line 1
// c, line 3
// a, line 4, after the included files
