#include "util.h"
#include <stdlib.h>

int Clamp(int value, int low, int high)
{
  return CLAMP(value, low, high) ;
}

/** ParseNumber A number read from a text
  The fallback is answered when the text holds no number.
*/
int ParseNumber(const char *text, int fallback)
{
  char *end ;
  long value ;
  if (text == 0)
    return fallback ;
  value = strtol(text, &end, 10) ;
  if (end == text)
    return fallback ;
  return (int)value ;
}
