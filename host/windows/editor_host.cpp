#include "editor_host.h"

#include "edit_control.h"
#include "host_string.h"
#include "platform/platform.h"
#include "project_host.h"
#include "win_support.h"

#include <algorithm>

namespace qelvo {
namespace host {

namespace {
// The file's bytes; false when it exists but cannot be read. A missing file reads as empty.
bool ReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND;
    }
    char chunk[16384];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, chunk, sizeof chunk, &got, nullptr) != 0) && got > 0)
        bytes.append(chunk, got);
    CloseHandle(file);
    return ok;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = bytes.empty() ||
              (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
               written == bytes.size());
    return CloseHandle(file) && ok;
}
} // namespace

EditorHost::EditorHost() {
    RegisterEditorClasses();
}

EditorHost::~EditorHost() {
    for (HWND window : Windows())
        DestroyWindow(window);
    views_.clear();
}

HWND EditorHost::Open(const std::string& fileName, const RECT* place) {
    std::string path = FullPath(fileName);
    if (!mdiClient_ || path.empty()) return nullptr;
    std::shared_ptr<EditorBuffer> buffer = BufferOf(path);
    std::string text;
    if (buffer) {
        text = EditText(ViewsOf(*buffer).front()->edit);
    } else {
        std::string bytes;
        if (!ReadWholeFile(path, bytes)) return nullptr;
        text = ToEditorText(bytes);
        buffer = std::make_shared<EditorBuffer>();
        buffer->path = path;
    }
    views_.push_back(std::unique_ptr<EditorView>(new EditorView(this, buffer, nextId_++)));
    EditorView* view = views_.back().get();
    size_t count = ViewsOf(*buffer).size();
    HWND window = view->Create(mdiClient_, EditorTitle(*buffer, count, count), place);
    if (!window) {
        // A window that failed during its creation has already said it is gone.
        auto left =
            std::find_if(views_.begin(), views_.end(),
                         [view](const std::unique_ptr<EditorView>& v) { return v.get() == view; });
        if (left != views_.end()) views_.erase(left);
        return nullptr;
    }
    copying_ = true;
    SetEditText(view->edit, text);
    copying_ = false;
    Retitle(*buffer);
    return window;
}

std::vector<HWND> EditorHost::Windows() const {
    std::vector<HWND> windows;
    for (const auto& view : views_)
        windows.push_back(view->window);
    return windows;
}

EditorView* EditorHost::ViewOfWindow(HWND window) const {
    for (const auto& view : views_)
        if (window && view->window == window) return view.get();
    return nullptr;
}

EditorView* EditorHost::View(ide::IdeView id) const {
    for (const auto& view : views_)
        if (id != 0 && view->id == id) return view.get();
    return nullptr;
}

std::shared_ptr<EditorBuffer> EditorHost::BufferOf(const std::string& fileName) const {
    for (const auto& view : views_)
        if (SamePath(view->buffer->path, fileName)) return view->buffer;
    return nullptr;
}

std::vector<EditorView*> EditorHost::ViewsOf(const EditorBuffer& buffer) const {
    std::vector<EditorView*> views;
    for (const auto& view : views_)
        if (view->buffer.get() == &buffer) views.push_back(view.get());
    return views;
}

EditorView* EditorHost::Current() const {
    if (EditorView* selected = View(selected_)) return selected;
    if (!mdiClient_) return nullptr;
    return ViewOfWindow(reinterpret_cast<HWND>(SendMessageA(mdiClient_, WM_MDIGETACTIVE, 0, 0)));
}

void EditorHost::Retitle(const EditorBuffer& buffer) {
    std::vector<EditorView*> views = ViewsOf(buffer);
    for (size_t i = 0; i < views.size(); ++i) {
        if (!views[i]->window) continue;
        std::string title = EditorTitle(buffer, i + 1, views.size());
        if (WindowText(views[i]->window) != title) SetWindowTextA(views[i]->window, title.c_str());
    }
}

void EditorHost::SetModified(EditorBuffer& buffer, bool modified) {
    if (buffer.modified == modified) return;
    buffer.modified = modified;
    Retitle(buffer);
}

// Every view of a buffer shows the same text; each keeps its own caret and scroll position.
void EditorHost::CopyToOtherViews(const EditorView& from) {
    std::string text = EditText(from.edit);
    copying_ = true;
    for (EditorView* view : ViewsOf(*from.buffer)) {
        if (view == &from || !view->edit) continue;
        DWORD start = 0, end = 0;
        SendMessageA(view->edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        LRESULT first = SendMessageA(view->edit, EM_GETFIRSTVISIBLELINE, 0, 0);
        SetWindowTextA(view->edit, text.c_str());
        SendMessageA(view->edit, EM_SETSEL, start, static_cast<LPARAM>(end));
        SendMessageA(view->edit, EM_LINESCROLL, 0, first);
    }
    copying_ = false;
}

bool EditorHost::Save(EditorBuffer& buffer) {
    if (!buffer.modified) return true;
    std::vector<EditorView*> views = ViewsOf(buffer);
    if (views.empty() || !WriteWholeFile(buffer.path, EditText(views.front()->edit))) return false;
    SetModified(buffer, false);
    return true;
}

int EditorHost::SaveAll() {
    int failed = 0;
    for (const auto& view : views_)
        if (!Save(*view->buffer)) ++failed;
    return failed;
}

void EditorHost::OnEdited(EditorView& view) {
    if (copying_) return;
    SetModified(*view.buffer, true);
    CopyToOtherViews(view);
}

bool EditorHost::MayClose(EditorView& view) {
    if (!view.buffer->modified || ViewsOf(*view.buffer).size() > 1) return true;
    return AskToSave(*view.buffer, view.window);
}

bool EditorHost::MayCloseAll() {
    std::vector<EditorBuffer*> asked;
    for (const auto& view : views_) {
        EditorBuffer* buffer = view->buffer.get();
        if (!buffer->modified || std::count(asked.begin(), asked.end(), buffer)) continue;
        asked.push_back(buffer);
        if (!AskToSave(*buffer, view->window)) return false;
    }
    return true;
}

bool EditorHost::AskToSave(EditorBuffer& buffer, HWND owner) {
    std::string question = "Save changes to " + buffer.path + " ?";
    int answer = platform::ShowMessage(question.c_str(), kHostTitle,
                                       platform::kMbYesNoCancel | platform::kMbIconQuestion, owner);
    if (answer == platform::kIdNo) return true;
    if (answer != platform::kIdYes) return false;
    if (Save(buffer)) return true;
    std::string failure = "Cannot write " + buffer.path;
    platform::ShowMessage(failure.c_str(), kHostTitle, platform::kMbOk | platform::kMbIconStop,
                          owner);
    return false;
}

void EditorHost::OnDestroyed(EditorView& view) {
    auto found =
        std::find_if(views_.begin(), views_.end(),
                     [&view](const std::unique_ptr<EditorView>& v) { return v.get() == &view; });
    if (found == views_.end()) return;
    std::shared_ptr<EditorBuffer> buffer = view.buffer;
    if (selected_ == view.id) selected_ = 0;
    views_.erase(found);
    Retitle(*buffer);
}

bool EditorHost::IsOpen(const std::string& fileName) {
    return BufferOf(FullPath(fileName)) != nullptr;
}

bool EditorHost::Text(const std::string& fileName, std::string& text) {
    std::shared_ptr<EditorBuffer> buffer = BufferOf(FullPath(fileName));
    if (!buffer) return false;
    text = EditText(ViewsOf(*buffer).front()->edit);
    return true;
}

void QELVO_IDECALL EditorHost::BeginAccess() {
    ++accessDepth_;
}

void QELVO_IDECALL EditorHost::EndAccess() {
    if (accessDepth_ == 0)
        ++unbalancedEnds_;
    else
        --accessDepth_;
    if (accessDepth_ == 0) selected_ = 0;
}

void QELVO_IDECALL EditorHost::Update() {
    if (EditorView* view = Current()) UpdateWindow(view->edit);
}

void QELVO_IDECALL EditorHost::ScrollToLine(int32_t line) {
    if (EditorView* view = Current()) ScrollEditLineIntoView(view->edit, line);
}

ide::IdeView QELVO_IDECALL EditorHost::FindView(ide::HostString* fileName) {
    std::string name;
    if (!TakeText(fileName, name) || name.empty()) return views_.empty() ? 0 : views_.front()->id;
    std::shared_ptr<EditorBuffer> buffer = BufferOf(FullPath(name));
    if (!buffer) return 0;
    // The active view when it shows the file, else the file's first view.
    EditorView* active =
        mdiClient_
            ? ViewOfWindow(reinterpret_cast<HWND>(SendMessageA(mdiClient_, WM_MDIGETACTIVE, 0, 0)))
            : nullptr;
    if (active && active->buffer == buffer) return active->id;
    return ViewsOf(*buffer).front()->id;
}

int32_t QELVO_IDECALL EditorHost::ViewKind(ide::IdeView view) {
    return View(view) ? ide::kViewIsEditor : 0;
}

ide::HostString* QELVO_IDECALL EditorHost::ViewFileName(ide::IdeView view) {
    EditorView* found = View(view);
    return NewHostString(found ? found->buffer->path : std::string());
}

void QELVO_IDECALL EditorHost::CaretPosition(int32_t* line, int32_t* column) {
    int32_t l = 0, c = 0;
    if (EditorView* view = Current()) EditCaret(view->edit, l, c);
    if (line) *line = l;
    if (column) *column = c;
}

void QELVO_IDECALL EditorHost::InsertText(ide::HostString* text) {
    std::string insert = TakeText(text);
    EditorView* view = Current();
    if (view && !insert.empty()) InsertEditText(view->edit, insert);
}

void QELVO_IDECALL EditorHost::SetCaret(int32_t line, int32_t column) {
    if (EditorView* view = Current()) SetEditCaret(view->edit, line, column);
}

ide::IdeView QELVO_IDECALL EditorHost::NextView(ide::IdeView view) {
    for (size_t i = 0; i < views_.size(); ++i)
        if (views_[i]->id == view) return views_[(i + 1) % views_.size()]->id;
    return 0;
}

ide::HostString* QELVO_IDECALL EditorHost::CaretLineText(int32_t maxChars) {
    EditorView* view = Current();
    if (!view || maxChars <= 0) return NewHostString("");
    int32_t line = 0, column = 0;
    EditCaret(view->edit, line, column);
    std::string text = EditLineText(view->edit, line);
    if (text.size() > static_cast<size_t>(maxChars)) text.resize(static_cast<size_t>(maxChars));
    return NewHostString(text);
}

ide::IdeBool QELVO_IDECALL EditorHost::SaveView(ide::IdeView view) {
    EditorView* found = View(view);
    return found && Save(*found->buffer) ? 1 : 0;
}

void QELVO_IDECALL EditorHost::SelectView(ide::IdeView view) {
    EditorView* found = View(view);
    if (!found) return;
    selected_ = view;
    if (mdiClient_)
        SendMessageA(mdiClient_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(found->window), 0);
}

void QELVO_IDECALL EditorHost::GotoLine(int32_t line, int32_t column) {
    if (EditorView* view = Current()) SetEditCaret(view->edit, line, column);
}

} // namespace host
} // namespace qelvo
