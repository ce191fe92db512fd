/**
  A small library of integer arithmetic.
*/
#include "mathlib.h"

/** Gcd Greatest common divisor of two numbers
*/
int Gcd(int a, int b)
{
  while (b != 0)
  {
    int r = a % b ;
    a = b ;
    b = r ;
  }
  return a ;
}

/** Lcm Least common multiple of two numbers
*/
int Lcm(int a, int b)
{
  if (a == 0 || b == 0)
    return 0 ;
  return a / Gcd(a, b) * b ;
}
