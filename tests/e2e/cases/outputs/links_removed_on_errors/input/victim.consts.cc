precious consts.cc
