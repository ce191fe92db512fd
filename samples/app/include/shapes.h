/**
  Shapes of the sample application: a base class and two figures
  that paint themselves on a canvas.
*/
#ifndef SHAPES_H
#define SHAPES_H

#include "canvas.h"

/** #MAX_SHAPES Largest number of shapes a canvas holds
  Adding one more shape is refused.
*/
#define MAX_SHAPES 64

/** ::Shape Base of every figure
  A shape knows its position and paints itself on a canvas.~
  Figures override Area and Draw.
*/
class Shape
{
  public :
    Shape(int x, int y) ;
    virtual ~Shape() ;
    virtual int Area() = 0 ;
    virtual void Draw(Canvas &canvas) ;
  protected :
    int x, y ;
} ;

/** ::Circle A round figure
*/
class Circle : public Shape
{
  public :
    Circle(int x, int y, int radius) ;
    int Area() ;
    void Draw(Canvas &canvas) ;
  private :
    int radius ;
} ;

/** ::Square A figure with four equal sides
*/
class Square : public Shape
{
  public :
    Square(int x, int y, int side) ;
    int Area() ;
    void Draw(Canvas &canvas) ;
  private :
    int side ;
} ;

#endif
