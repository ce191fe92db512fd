/**
  A converter between inches and centimetres.
*/
#include <stdio.h>
#include <stdlib.h>

/** ToCentimetres Inches to centimetres
*/
double ToCentimetres(double inches)
{
  return inches * 2.54 ;
}

int main(int argc, char **argv)
{
  for (int i = 1 ; i < argc ; i++)
    printf("%s in = %.2f cm\n", argv[i], ToCentimetres(atof(argv[i]))) ;
  return 0 ;
}
