//************************************************************************
//* TOOL : Unit Test Compiler VERSION 8.0.1.2.343.015                    *
//*                                                                      *
//* COMMAND : vorneprepro a.ptu G.cc -LANGUAGE=C++ -TARGET=LINUX -FAST   *
//*   -TEST=FIRST TEST,SECOND -RESTRICTION=KR,NOPOS -STD_DEFINE=std.def  *
//*                                                                      *
//* FILE : @WORK@/G.cc                                *
//*                                                                      *
//* DATE : Thu Jan  1 00:00:00 1970                                      *
//************************************************************************
// HEADER m,1,1 
// BEGIN 
