#ifndef NEAR_H
#define NEAR_H
near
#endif
