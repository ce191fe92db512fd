#include "message_window.h"

#include "win_support.h"

#include <commctrl.h>

#include <map>

namespace qelvo {
namespace host {

namespace {
WNDPROC baseTabProc = nullptr;
WNDPROC baseListProc = nullptr;

// The tab control does the work; the class carries the IDE's name.
LRESULT CALLBACK NoteTabProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(baseTabProc, window, message, wParam, lParam);
}

// A list box under the IDE's name; the command that empties the shown group goes to the pane,
// whose object knows the group.
LRESULT CALLBACK ViewerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == kCmdClearMessages)
        return SendMessageA(GetParent(window), message, wParam, lParam);
    return CallWindowProcA(baseListProc, window, message, wParam, lParam);
}

// Height of the tab strip at the bottom of the pane.
constexpr int kTabStripHeight = 24;
} // namespace

MessageWindow::MessageWindow(MessageHost& messages) : messages_(messages) {
    InitCommonControlClasses();
    RegisterOwnClass(kMessageClass, nullptr, CS_HREDRAW | CS_VREDRAW, COLOR_WINDOW);
    RegisterOwnClass(kMessagePaneClass, nullptr, 0, COLOR_BTNFACE);
    win32::RegisterSuperclass(ModuleInstance(), WC_TABCONTROLA, kNoteTabClass, NoteTabProc,
                              baseTabProc);
    win32::RegisterSuperclass(ModuleInstance(), "LISTBOX", kMessageViewerClass, ViewerProc,
                              baseListProc);
}

MessageWindow::~MessageWindow() {
    // Here, while DefMDIChildProc still answers for the window.
    if (Handle()) DestroyWindow(Handle());
}

HWND MessageWindow::Show(HWND mdiClient, const RECT* place) {
    if (Handle()) {
        BringForward(mdiClient, Handle());
        return Handle();
    }
    return CreateMdiChild(mdiClient, kMessageClass, "Message", place, ModuleInstance());
}

void MessageWindow::Refresh() {
    if (!Handle()) return;
    FillViewer(FillTabs());
}

std::string MessageWindow::LineOf(const HostMessage& message, size_t depth) {
    std::string line(depth * 4, ' ');
    if (message.sub && !message.file.empty())
        line += FileNamePart(message.file) + " " + std::to_string(message.line) + ": ";
    return line + message.text;
}

bool MessageWindow::OnCreate() {
    HWND pane = pane_.Create(Handle());
    if (!pane) return false;
    noteTab_ = CreateWindowExA(0, kNoteTabClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0,
                               0, 0, pane, reinterpret_cast<HMENU>(2), ModuleInstance(), nullptr);
    viewer_ = CreateWindowExA(
        WS_EX_CLIENTEDGE, kMessageViewerClass, "",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY, 0, 0,
        0, 0, pane, reinterpret_cast<HMENU>(3), ModuleInstance(), nullptr);
    if (!noteTab_ || !viewer_) return false;
    HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    SendMessageA(noteTab_, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    SendMessageA(viewer_, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    Refresh();
    return true;
}

void MessageWindow::Layout(int width, int height) {
    int viewerHeight = height > kTabStripHeight ? height - kTabStripHeight : 0;
    MoveWindow(viewer_, 0, 0, width, viewerHeight, TRUE);
    MoveWindow(noteTab_, 0, viewerHeight, width, height - viewerHeight, TRUE);
}

void MessageWindow::OnNotify(const NMHDR& header) {
    if (header.hwndFrom == noteTab_ && header.code == TCN_SELCHANGE) OnTabChosen();
}

void MessageWindow::OnTabChosen() {
    int chosen = static_cast<int>(SendMessageA(noteTab_, TCM_GETCURSEL, 0, 0));
    if (chosen == shown_) return;
    shown_ = chosen;
    FillViewer(true);
}

void MessageWindow::ClearShown() {
    if (shown_ < 0) return;
    messages_.ClearGroup(static_cast<size_t>(shown_));
    FillViewer(true);
}

bool MessageWindow::FillTabs() {
    const std::vector<HostMessageGroup>& groups = messages_.Groups();
    std::vector<std::string> titles;
    for (const HostMessageGroup& group : groups)
        titles.push_back(group.title);
    if (titles == tabs_) return false;
    bool grew = titles.size() > tabs_.size();
    SendMessageA(noteTab_, TCM_DELETEALLITEMS, 0, 0);
    for (size_t i = 0; i < titles.size(); ++i) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = &titles[i][0];
        SendMessageA(noteTab_, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    tabs_ = titles;
    if (grew || shown_ >= static_cast<int>(tabs_.size()))
        shown_ = static_cast<int>(tabs_.size()) - 1;
    SendMessageA(noteTab_, TCM_SETCURSEL, static_cast<WPARAM>(shown_), 0);
    return true;
}

void MessageWindow::FillViewer(bool fromScratch) {
    const std::vector<HostMessageGroup>& groups = messages_.Groups();
    const HostMessageGroup* group = shown_ >= 0 && static_cast<size_t>(shown_) < groups.size()
                                        ? &groups[static_cast<size_t>(shown_)]
                                        : nullptr;
    size_t count = group ? group->messages.size() : 0;
    if (fromScratch || count < lines_) {
        SendMessageA(viewer_, LB_RESETCONTENT, 0, 0);
        lines_ = 0;
    }
    // A parent always comes before its sub-messages, so one pass gives every depth.
    std::map<ide::IdeMessage, size_t> depths;
    for (size_t i = 0; i < count; ++i) {
        const HostMessage& message = group->messages[i];
        auto parent = depths.find(message.parent);
        size_t depth = parent == depths.end() ? 0 : parent->second + 1;
        depths[message.handle] = depth;
        if (i >= lines_)
            SendMessageA(viewer_, LB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(LineOf(message, depth).c_str()));
    }
    lines_ = count;
}

LRESULT MessageWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_SIZE:
        MoveWindow(pane_.Handle(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        break; // the MDI child's own handling follows
    }
    return DefaultProc(message, wParam, lParam);
}

LRESULT MessageWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefMDIChildProcA(Handle(), message, wParam, lParam);
}

void MessageWindow::OnDestroyed() {
    noteTab_ = viewer_ = nullptr;
    tabs_.clear();
    shown_ = -1;
    lines_ = 0;
}

HWND MessageWindow::PaneWindow::Create(HWND parent) {
    return win32::Window::Create(0, kMessagePaneClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                 0, 0, 0, 0, parent, reinterpret_cast<HMENU>(1), ModuleInstance());
}

LRESULT MessageWindow::PaneWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        owner_.Layout(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_NOTIFY:
        owner_.OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) != kCmdClearMessages) break;
        owner_.ClearShown();
        return 0;
    }
    return DefaultProc(message, wParam, lParam);
}

} // namespace host
} // namespace qelvo
