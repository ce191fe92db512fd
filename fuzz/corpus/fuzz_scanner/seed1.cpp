int main(void)
{
}
void ccc::mmm(int x) {
#include <stdio.h>
#include "a.h"
