/**
Helpers of part a.
*/

/** ::TFoo The foo of part a
*/
class TFoo {
};

/** Twice Doubles, see Tfoo
*/
int Twice(int a)
{
    return 2 * a;
}
