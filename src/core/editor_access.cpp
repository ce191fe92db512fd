#include "core/editor_access.h"

namespace qelvo {

EditorAccess* Editors = nullptr;

EditorAccess::EditorAccess(ide::IdeServices* services)
    : services_(services), editor_(ide::QueryService<ide::EditorService>(services)) {}

EditorAccess::~EditorAccess() {
    if (editor_) editor_->Release();
}

void EditorAccess::GotoLine(const char* fileName, int line) {
    if (!editor_ || !fileName) return;
    ide::IdeView view = editor_->FindView(ide::MakeHostString(services_, fileName));
    if (!view) return;
    // The IDE's order: the caret first, then the line brought into view, then one update.
    editor_->BeginAccess();
    editor_->SelectView(view);
    editor_->GotoLine(line, 1);
    editor_->ScrollToLine(line + 1);
    editor_->Update();
    editor_->EndAccess();
}

} // namespace qelvo
