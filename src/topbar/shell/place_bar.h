// Collapsing the bar to one row of its menu bar, or expanding it to all of them.
#pragma once

namespace qelvo {

// 0: collapse (only when expanded); 1: expand, measuring the full height once per build.
void PlaceBar(int expand);
// Moves the bar from its creation geometry to its margins, at one row.
void PlaceBarAtMargins();

} // namespace qelvo
