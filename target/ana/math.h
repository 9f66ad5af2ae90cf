#ifndef _MATH_H
#define _MATH_H
#define HUGE_VAL (1.0e308 * 10.0)
#define M_PI 3.14159265358979323846
#define M_E 2.7182818284590452354
double acos(double x);
double asin(double x);
double atan(double x);
double atan2(double y, double x);
double cos(double x);
double sin(double x);
double tan(double x);
double cosh(double x);
double sinh(double x);
double tanh(double x);
double exp(double x);
double frexp(double x, int *exp);
double ldexp(double x, int exp);
double log(double x);
double log10(double x);
double modf(double x, double *iptr);
double pow(double x, double y);
double sqrt(double x);
double ceil(double x);
double fabs(double x);
double floor(double x);
double fmod(double x, double y);
float sqrtf(float x);
float fabsf(float x);
#endif
