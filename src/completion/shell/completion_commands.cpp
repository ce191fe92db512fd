#include "completion/shell/completion_commands.h"

#include "completion/keyword_completion.h"
#include "core/editor_access.h"
#include "core/shell/find_window.h"

namespace qelvo {

void OnCompleteWord(UINT, LPARAM) {
    if (!Completion || !Editors) return;
    HWND editor = FindActiveEditor();
    if (!editor) return;
    char caption[300] = "";
    GetWindowTextA(editor, caption, sizeof caption);
    Completion->CompleteAtCaret(*Editors, caption);
}

} // namespace qelvo
