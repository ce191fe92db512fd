// Kept for reference; no longer built.
int OldArea(int side)
{
  return side * side ;
}
