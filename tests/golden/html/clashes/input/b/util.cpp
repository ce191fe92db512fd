/**
Helpers of part b: same file name, other folder.
*/

/** ::Tfoo The foo of part b, not TFoo
*/
class Tfoo {
};

/** Thrice Triples
*/
int Thrice(int a)
{
    return 3 * a;
}
