/**
Helpers for the shapes: a < b, "quoted" & more.
*/
#define CLAMP(v, lo, hi) ((v) < (lo) ? (lo) : (v) > (hi) ? (hi) : (v))

/** Clamp Keeps a value between two bounds
Uses CLAMP.
*/
int Clamp(int v, int lo, int hi)
{
    return CLAMP(v, lo, hi);
}

int TCircle::Radius()
{
    return radius;
}
