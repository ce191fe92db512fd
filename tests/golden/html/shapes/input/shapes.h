/**
Shapes of the drawing library.~
Every shape knows its area && its outline.
*/
#ifndef SHAPES_H
#define SHAPES_H

#define MAX_SHAPES 64
#define SQUARE(x) \
    ((x) * (x))

/** #MAX_SHAPES Largest number of shapes in a drawing
The limit keeps a drawing's arrays small.
*/

/** ::TShape Base of every shape
A shape has an origin; its area and outline come from TCircle and the others.
// a line of comment that stays out of the text
Use MAX_SHAPES at most: a < b holds when "a" is smaller.
*/
class TShape {
public:
    TShape(int x, int y);
    virtual int Area(int scale) const;
private:
    int x, y;
};

/** ::TCircle A round shape
*/
class _EXPORTCLASS TCircle : public TShape
{
    int radius;
public:
    int Radius();
};

#endif
