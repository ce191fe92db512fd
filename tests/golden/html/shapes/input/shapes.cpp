// Shapes: the definitions.
#include "shapes.h"

/** TShape::Area
Area of the shape, §scale the zoom factor.§§int
*/
int TShape::Area(int scale)
{
    return 0;
}

TShape::TShape(int x, int y)
{
}

/** Draw Draws a shape on the screen
Draws §shape with TShape's outline.§§bool true when drawn
// see Draw for two shapes
*/
bool Draw(TShape* shape)
{
    return true;
}

/** Draw Draws two shapes
Draws §first then §second, using SQUARE.~
Nothing else.
*/
bool Draw(TShape* first, TShape* second)
{
    return Draw(first) && Draw(second);
}

CALCUL_TOTAL(int a, int b)
{
}

/* A plain comment:
void NotAFunction(int a)
*/
int Undocumented(int a)
{
    return a; // no comment
}
