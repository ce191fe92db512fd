// Follows the obsolete pool in the project, so it is hidden with it.
int LegacyPerimeter(int side)
{
  return 4 * side ;
}
