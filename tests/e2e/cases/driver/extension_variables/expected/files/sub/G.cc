//************************************************************************
//* TOOL : Unit Test Compiler VERSION 8.0.1.2.343.015                    *
//*                                                                      *
//* COMMAND : vorneprepro test01a sub/G -LANGUAGE=C++ -TARGET=LINUX      *
//*                                                                      *
//* FILE : @WORK@/sub/G.cc                           *
//*                                                                      *
//* DATE : Thu Jan  1 00:00:00 1970                                      *
//************************************************************************
