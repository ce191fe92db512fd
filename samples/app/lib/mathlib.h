#ifndef MATHLIB_H
#define MATHLIB_H

int Gcd(int a, int b) ;
int Lcm(int a, int b) ;

#endif
