/**
  The sample application: draws a few shapes and prints their areas.
*/
#include "shapes.h"
#include "util.h"
#include <stdio.h>

/** Usage Tells how the program is called
*/
static void Usage()
{
  printf("app [size]\n") ;
}

/** DrawAll Paints every shape and prints the total area
*/
int DrawAll(Shape **shapes, int count)
{
  Canvas canvas ;
  int total = 0 ;
  for (int i = 0 ; i < count ; i++)
  {
    shapes[i]->Draw(canvas) ;
    total += shapes[i]->Area() ;
  }
  canvas.Print() ;
  return total ;
}

/** main Entry point
  The first argument, when given, is the size of the figures.
*/
int main(int argc, char **argv)
{
  int size = argc > 1 ? ParseNumber(argv[1], 5) : 5 ;
  if (size <= 0)
  {
    Usage() ;
    return 1 ;
  }
  Circle circle(10, 10, Clamp(size, 1, 9)) ;
  Square square(25, 5, Clamp(size, 1, 12)) ;
  Shape *shapes[] = { &circle, &square } ;
  printf("total area %d\n", DrawAll(shapes, 2)) ;
  return 0 ;
}
