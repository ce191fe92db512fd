/**
  Small helpers shared by the sample's programs.
*/
#ifndef UTIL_H
#define UTIL_H

/** #SQUARE The square of a number
*/
#define SQUARE(a) ((a) * (a))

/** #CLAMP A number kept between two bounds
  Both bounds are included.
*/
#define CLAMP(v, low, high) \
    ((v) < (low) ? (low) : \
     (v) > (high) ? (high) : (v))

int Clamp(int value, int low, int high) ;
int ParseNumber(const char *text, int fallback) ;

#endif
