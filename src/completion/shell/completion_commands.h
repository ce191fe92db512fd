// The completion key's command: the word before the caret of the active editor is completed.
#pragma once

#include <windows.h>

namespace qelvo {

// Command 102: the frame's MDI client's first child, when it is an editor, has its caption
// (the file's path) completed at the caret; nothing otherwise.
void OnCompleteWord(UINT command, LPARAM lParam);

} // namespace qelvo
