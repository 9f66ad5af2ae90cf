precious G.cc
