#include "canvas.h"
#include <stdio.h>
#include <string.h>

Canvas::Canvas()
{
  Clear() ;
}

/** Canvas::Clear Fills the grid with blanks
*/
void Canvas::Clear()
{
  for (int row = 0 ; row < CANVAS_HEIGHT ; row++)
  {
    memset(cells[row], ' ', CANVAS_WIDTH) ;
    cells[row][CANVAS_WIDTH] = 0 ;
  }
}

/** Canvas::Plot Puts one character on the grid
  Points outside the grid are ignored.
*/
void Canvas::Plot(int x, int y, char c)
{
  if (x >= 0 && x < CANVAS_WIDTH && y >= 0 && y < CANVAS_HEIGHT)
    cells[y][x] = c ;
}

void Canvas::Print()
{
  for (int row = 0 ; row < CANVAS_HEIGHT ; row++)
    puts(cells[row]) ;
}
