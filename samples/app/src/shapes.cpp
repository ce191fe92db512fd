/**
  The figures of the sample: their areas and how they are drawn.
*/
#include "shapes.h"
#include "util.h"
#include <math.h>

Shape::Shape(int x0, int y0)
{
  x = x0 ;
  y = y0 ;
}

Shape::~Shape()
{
}

/** Shape::Draw Paints the shape's position
  The base class only marks the centre with a '+'.
*/
void Shape::Draw(Canvas &canvas)
{
  canvas.Plot(x, y, '+') ;
}

Circle::Circle(int x0, int y0, int r) : Shape(x0, y0)
{
  radius = r ;
}

/** Circle::Area The circle's area, rounded down
*/
int Circle::Area()
{
  return (int)(3.14159 * SQUARE(radius)) ;
}

void Circle::Draw(Canvas &canvas)
{
  for (int a = 0 ; a < 360 ; a += 10)
  {
    double r = a * 3.14159 / 180 ;
    canvas.Plot(x + (int)(radius * cos(r)), y + (int)(radius * sin(r)), 'o') ;
  }
}

Square::Square(int x0, int y0, int s) : Shape(x0, y0)
{
  side = s ;
}

/** Square::Area The square's area
*/
int Square::Area()
{
  return SQUARE(side) ;
}

void Square::Draw(Canvas &canvas)
{
  for (int i = 0 ; i < side ; i++)
  {
    canvas.Plot(x + i, y, '#') ;
    canvas.Plot(x + i, y + side - 1, '#') ;
    canvas.Plot(x, y + i, '#') ;
    canvas.Plot(x + side - 1, y + i, '#') ;
  }
}
