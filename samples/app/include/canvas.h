/**
  The canvas the shapes are painted on: a grid of characters.
*/
#ifndef CANVAS_H
#define CANVAS_H

#define CANVAS_WIDTH 40
#define CANVAS_HEIGHT 20

/** ::Canvas A grid of characters
  Points outside the grid are ignored.
*/
class Canvas
{
  public :
    Canvas() ;
    void Clear() ;
    void Plot(int x, int y, char c) ;
    void Print() ;
  private :
    char cells[CANVAS_HEIGHT][CANVAS_WIDTH + 1] ;
} ;

#endif
