// stale G.cc
