// The stand-in IDE's editors: every open file is one buffer shown in one or more views
// ("BCW5Editor" MDI children, each with an "EditWindClass" child). The EditorService works on
// these views, and the file reader reads their buffers, unsaved text included.
//
// A view's title is the file's full path, then ":n" when n views show the file (numbered in
// the order they were opened), then " *" while the buffer differs from the file. Views follow
// each other in the order they were opened ("next view" wraps round to the first).
#pragma once

#include "file_reader.h"
#include "host_object.h"
#include "win32/window.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace qelvo {
namespace host {

class EditorHost;

struct EditorBuffer {
    std::string path; // full path, as the title shows it
    bool modified = false;
};

// One view of a buffer: an editor window ("BCW5Editor") with its edit child. The host owns
// the views; a view tells it when its window is gone (EditorHost::OnDestroyed deletes it).
struct EditorView final : win32::Window {
    EditorView(EditorHost* owner, std::shared_ptr<EditorBuffer> shown, ide::IdeView number)
        : host(owner), buffer(std::move(shown)), id(number) {}
    // A new editor window in the MDI client (place: its rectangle there, or null); null when
    // it could not be made.
    HWND Create(HWND mdiClient, const std::string& title, const RECT* place);

    EditorHost* host;
    std::shared_ptr<EditorBuffer> buffer;
    ide::IdeView id;
    HWND window = nullptr; // "BCW5Editor"
    HWND edit = nullptr;   // its "EditWindClass" child

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyed() override;
    bool OnCreate();
    void OnCommand(int code, HWND control);
};

class EditorHost final : public ServiceObject<ide::EditorService>, public EditorTextSource {
public:
    EditorHost();
    ~EditorHost();
    EditorHost(const EditorHost&) = delete;
    EditorHost& operator=(const EditorHost&) = delete;

    // Where the views go; null before the frame exists (then nothing opens).
    void SetMdiClient(HWND mdiClient) { mdiClient_ = mdiClient; }

    // A new view of the file (its buffer when the file is shown already, else the file's text;
    // a file that does not exist opens empty). place: its rectangle in the MDI client, or null.
    // Null when it could not be made.
    HWND Open(const std::string& fileName, const RECT* place = nullptr);
    // The editor windows in next-view order.
    std::vector<HWND> Windows() const;
    // The view shown in that editor window, or null.
    EditorView* ViewOfWindow(HWND window) const;
    EditorView* View(ide::IdeView id) const;
    // Writes the buffer to its file (a buffer without changes is left alone); false when the
    // file cannot be written.
    bool Save(EditorBuffer& buffer);
    // Saves every changed buffer; answers how many could not be written.
    int SaveAll();
    // Whether the views may go: each changed buffer is offered for saving (Yes, No, Cancel);
    // Cancel or a failed save answers false.
    bool MayCloseAll();

    // Depth of BeginAccess without its EndAccess, and EndAccess calls that had no BeginAccess.
    int AccessDepth() const { return accessDepth_; }
    int UnbalancedEnds() const { return unbalancedEnds_; }

    // Called by the editor windows.
    void OnEdited(EditorView& view);
    bool MayClose(EditorView& view);
    void OnDestroyed(EditorView& view);

    // EditorTextSource
    bool IsOpen(const std::string& fileName) override;
    bool Text(const std::string& fileName, std::string& text) override;

    // EditorService
    void QELVO_IDECALL BeginAccess() override;
    void QELVO_IDECALL EndAccess() override;
    void QELVO_IDECALL Update() override;
    void QELVO_IDECALL ScrollToLine(int32_t line) override;
    ide::IdeView QELVO_IDECALL FindView(ide::HostString* fileName) override;
    int32_t QELVO_IDECALL ViewKind(ide::IdeView view) override;
    ide::HostString* QELVO_IDECALL ViewFileName(ide::IdeView view) override;
    void QELVO_IDECALL CaretPosition(int32_t* line, int32_t* column) override;
    void QELVO_IDECALL InsertText(ide::HostString* text) override;
    void QELVO_IDECALL SetCaret(int32_t line, int32_t column) override;
    ide::IdeView QELVO_IDECALL NextView(ide::IdeView view) override;
    ide::HostString* QELVO_IDECALL CaretLineText(int32_t maxChars) override;
    ide::IdeBool QELVO_IDECALL SaveView(ide::IdeView view) override;
    void QELVO_IDECALL SelectView(ide::IdeView view) override;
    void QELVO_IDECALL GotoLine(int32_t line, int32_t column) override;

private:
    std::shared_ptr<EditorBuffer> BufferOf(const std::string& fileName) const;
    std::vector<EditorView*> ViewsOf(const EditorBuffer& buffer) const;
    // The view operations without a view act on: the one selected during an access, else the
    // active editor window's.
    EditorView* Current() const;
    void Retitle(const EditorBuffer& buffer);
    void CopyToOtherViews(const EditorView& from);
    void SetModified(EditorBuffer& buffer, bool modified);
    // Yes saves (a failure is reported and keeps the views), No lets the changes go, Cancel
    // keeps the views.
    bool AskToSave(EditorBuffer& buffer, HWND owner);

    HWND mdiClient_ = nullptr;
    std::vector<std::unique_ptr<EditorView>> views_; // in next-view order
    ide::IdeView nextId_ = 1;
    ide::IdeView selected_ = 0;
    int accessDepth_ = 0;
    int unbalancedEnds_ = 0;
    bool copying_ = false; // a buffer's text goes to its other views: no edits of the user
};

// The editor window class ("BCW5Editor") and its edit child's class; false when they could not
// be registered.
bool RegisterEditorClasses();
// The title of view n (from 1) of count views of the buffer.
std::string EditorTitle(const EditorBuffer& buffer, size_t n, size_t count);

} // namespace host
} // namespace qelvo
