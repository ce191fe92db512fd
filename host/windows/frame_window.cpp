#include "frame_window.h"

#include "options_dialog.h"
#include "platform/platform.h"
#include "viewer_window.h"
#include "win32/handles.h"
#include "win_support.h"

#include <commctrl.h>
#include <commdlg.h>

#include <vector>

namespace qelvo {
namespace host {

namespace {
// Positions of the popups on the menu bar.
enum { kToolMenuAt = 2, kWindowMenuAt = 4 };

HMENU BuildMenuBar() {
    win32::UniqueMenu bar(CreateMenu());
    struct Item {
        int id; // 0: separator
        const char* text;
    };
    const struct {
        const char* title;
        std::vector<Item> items;
    } popups[] = {
        {"&File",
         {{kCmdOpenFile, "&Open..."},
          {kCmdSaveFile, "&Save"},
          {kCmdSaveAll, "Save &all"},
          {0, nullptr},
          {kCmdExit, "E&xit"}}},
        {"&Project",
         {{kCmdOpenProject, "&Open project..."},
          {kCmdCloseProject, "&Close project"},
          {0, nullptr},
          {kCmdMake, "&Make all"}}},
        {"&Tool", {}},
        {"&Options", {{kCmdOptions, "&Environment..."}}},
        {"&Window",
         {{kCmdCascade, "&Cascade"},
          {kCmdTile, "&Tile"},
          {kCmdArrangeIcons, "Arrange &icons"},
          {0, nullptr},
          {kCmdShowProject, "&Project"},
          {kCmdShowMessages, "&Message"}}},
    };
    for (const auto& popup : popups) {
        win32::UniqueMenu menu(CreatePopupMenu());
        for (const Item& item : popup.items)
            AppendMenuA(menu.get(), item.id ? MF_STRING : MF_SEPARATOR,
                        static_cast<UINT_PTR>(item.id), item.text);
        AppendMenuA(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(menu.get()), popup.title);
        menu.release(); // the bar owns it now
    }
    return bar.release();
}
} // namespace

std::string FrameCaption(const std::string& projectPath) {
    if (projectPath.empty()) return kFrameCaption;
    std::string name = FileNamePart(projectPath);
    size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    return std::string(kFrameCaption) + " - " + name;
}

FrameWindow::FrameWindow(StandInIde& ide)
    : ide_(ide), projectWindow_(ide.Projects()), messageWindow_(ide.Messages()), make_(ide) {
    InitCommonControlClasses();
    RegisterOwnClass(kFrameClass, nullptr, CS_HREDRAW | CS_VREDRAW, COLOR_APPWORKSPACE);
    ide_.SetEditorService(&editors_);
    ide_.SetEditorTextSource(&editors_);
    ide_.Tools().SetWindows(this);
    ide_.Projects().SetChangeListener([this] { OnProjectChanged(); });
    ide_.Messages().SetChangeListener([this] { messageWindow_.Refresh(); });
    ide_.Frame().SetStatusListener([this](const std::string& text) { ShowStatus(text); });
}

FrameWindow::~FrameWindow() {
    // Destroyed here, not by the base: WM_DESTROY still needs this frame.
    if (Handle()) DestroyWindow(Handle());
    ide_.Frame().SetStatusListener(nullptr);
    ide_.Messages().SetChangeListener(nullptr);
    ide_.Projects().SetChangeListener(nullptr);
    ide_.Tools().SetWindows(nullptr);
    ide_.SetEditorTextSource(nullptr);
    ide_.SetEditorService(nullptr);
}

bool FrameWindow::Create(int showCommand) {
    if (Handle()) return true;
    win32::UniqueMenu menu(BuildMenuBar());
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    if (width > 1024) width = 1024;
    if (height > 768) height = 768;
    const Project* project = ide_.Projects().Current();
    std::string caption = FrameCaption(project ? project->Path() : std::string());
    // No WS_CLIPCHILDREN: what add-ons paint in a device context of the frame (the copy
    // progress bar) shows over its client area, the windows in it included.
    HWND window = win32::Window::Create(0, kFrameClass, caption.c_str(),
                                        WS_OVERLAPPEDWINDOW, 0, 0, width, height,
                                        nullptr, menu.get(), ModuleInstance());
    if (!window) return false;
    menu.release(); // the frame owns it now
    ide_.Frame().SetFrameWindow(window);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return true;
}

bool FrameWindow::OnCreate() {
    HWND window = Handle();
    CLIENTCREATESTRUCT client = {GetSubMenu(GetMenu(window), kWindowMenuAt), kFirstMdiChildId};
    mdiClient_ = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                 WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL,
                                 0, 0, 0, 0, window, nullptr, ModuleInstance(), &client);
    statusLine_ = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                  window, nullptr, ModuleInstance(), nullptr);
    if (!mdiClient_ || !statusLine_) return false;
    editors_.SetMdiClient(mdiClient_);
    return true;
}

void FrameWindow::OnSize(int width, int height) {
    SendMessageA(statusLine_, WM_SIZE, 0, 0);
    RECT status = {};
    GetWindowRect(statusLine_, &status);
    int statusHeight = status.bottom - status.top;
    MoveWindow(mdiClient_, 0, 0, width, height > statusHeight ? height - statusHeight : 0, TRUE);
}

HWND FrameWindow::OpenEditor(const std::string& fileName) {
    RECT place = Place(kEditorClass);
    return editors_.Open(fileName, &place);
}

HWND FrameWindow::OpenViewer(const std::string& windowClass, const std::string& fileName) {
    RECT place = Place(kEditorClass);
    return OpenViewerWindow(mdiClient_, windowClass, FullPath(fileName), &place);
}

bool FrameWindow::OpenProject(const std::string& path) {
    if (!ide_.Projects().Open(FullPath(path))) return false;
    ShowProjectWindow();
    return true;
}

HWND FrameWindow::ShowProjectWindow() {
    if (!mdiClient_) return nullptr;
    RECT place = Place(kProjectClass);
    return projectWindow_.Show(mdiClient_, &place);
}

HWND FrameWindow::ShowMessageWindow() {
    if (!mdiClient_) return nullptr;
    RECT place = Place(kMessageClass);
    return messageWindow_.Show(mdiClient_, &place);
}

int FrameWindow::RunMake() {
    int result = make_.Run(Handle());
    // A close asked for during the Make comes now.
    if (closeAfterMake_ && !make_.Running() && Handle()) {
        closeAfterMake_ = false;
        PostMessageA(Handle(), WM_CLOSE, 0, 0);
    }
    return result;
}

void FrameWindow::SaveAll() {
    if (Handle()) PostMessageA(Handle(), WM_COMMAND, kCmdSaveAll, 0);
}

bool FrameWindow::OpenToolWindow(const std::string& tool, const std::string& fileName) {
    if (tool == "EditText") return OpenEditor(fileName) != nullptr;
    const char* viewer = ViewerClassOfTool(tool);
    return viewer && OpenViewer(viewer, fileName) != nullptr;
}

bool FrameWindow::OnCommand(int id) {
    switch (id) {
    case kCmdSaveAll:
        if (int failed = editors_.SaveAll()) {
            std::string text = "Cannot save " + std::to_string(failed) + " file(s)";
            platform::ShowMessage(text.c_str(), kHostTitle, platform::kMbOk | platform::kMbIconStop,
                                  Handle());
        }
        return true;
    case kCmdShowProject:
        ShowProjectWindow();
        return true;
    case kCmdShowMessages:
        ShowMessageWindow();
        return true;
    case kCmdOptions:
        ShowOptionsDialog(Handle(), ide_.OptionsDialog());
        return true;
    case kCmdOpenFile: {
        std::string file = AskFileName("Files (*.*)\0*.*\0");
        if (!file.empty()) OpenEditor(file);
        return true;
    }
    case kCmdSaveFile:
        SaveActiveEditor();
        return true;
    case kCmdExit:
        PostMessageA(Handle(), WM_CLOSE, 0, 0);
        return true;
    case kCmdOpenProject: {
        std::string file = AskFileName("Projects (*.ide)\0*.ide\0");
        if (!file.empty()) OpenProject(file);
        return true;
    }
    case kCmdCloseProject:
        ide_.Projects().Close(true);
        return true;
    case kCmdMake:
        RunMake();
        return true;
    case kCmdCascade:
        SendMessageA(mdiClient_, WM_MDICASCADE, 0, 0);
        return true;
    case kCmdTile:
        SendMessageA(mdiClient_, WM_MDITILE, MDITILE_VERTICAL, 0);
        return true;
    case kCmdArrangeIcons:
        SendMessageA(mdiClient_, WM_MDIICONARRANGE, 0, 0);
        return true;
    }
    if (id >= kCmdToolFirst && id <= kCmdToolLast) {
        ide_.Tools().RunMenuItem(static_cast<size_t>(id - kCmdToolFirst));
        return true;
    }
    return false;
}

void FrameWindow::OnClose() {
    if (make_.Running()) {
        closeAfterMake_ = true;
        return;
    }
    if (!editors_.MayCloseAll()) return;
    if (closing_ && !closing_()) return;
    DestroyWindow(Handle());
}

void FrameWindow::FillToolMenu(HMENU menu) {
    while (GetMenuItemCount(menu) > 0)
        DeleteMenu(menu, 0, MF_BYPOSITION);
    std::vector<std::string> items = ide_.Tools().ToolMenu();
    for (size_t i = 0; i < items.size() && kCmdToolFirst + static_cast<int>(i) <= kCmdToolLast; ++i)
        AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(kCmdToolFirst + static_cast<int>(i)),
                    items[i].c_str());
    if (items.empty()) AppendMenuA(menu, MF_STRING | MF_GRAYED, 0, "(no tools)");
}

void FrameWindow::OnProjectChanged() {
    const Project* project = ide_.Projects().Current();
    if (Handle())
        SetWindowTextA(Handle(), FrameCaption(project ? project->Path() : std::string()).c_str());
    projectWindow_.Refresh();
}

void FrameWindow::ShowStatus(const std::string& text) {
    if (statusLine_)
        SendMessageA(statusLine_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void FrameWindow::SaveActiveEditor() {
    HWND active = reinterpret_cast<HWND>(SendMessageA(mdiClient_, WM_MDIGETACTIVE, 0, 0));
    EditorView* view = editors_.ViewOfWindow(active);
    if (!view || editors_.Save(*view->buffer)) return;
    std::string text = "Cannot write " + view->buffer->path;
    platform::ShowMessage(text.c_str(), kHostTitle, platform::kMbOk | platform::kMbIconStop,
                          Handle());
}

std::string FrameWindow::AskFileName(const char* filter) {
    char file[MAX_PATH] = {0};
    OPENFILENAMEA open = {};
    open.lStructSize = sizeof open;
    open.hwndOwner = Handle();
    open.lpstrFilter = filter;
    open.lpstrFile = file;
    open.nMaxFile = sizeof file;
    open.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    return GetOpenFileNameA(&open) ? std::string(file) : std::string();
}

RECT FrameWindow::Place(const char* windowClass) const {
    RECT client = {0, 0, 800, 600};
    if (mdiClient_) GetClientRect(mdiClient_, &client);
    int width = client.right, height = client.bottom;
    int messageHeight = height / 4 > 120 ? height / 4 : 120;
    int projectWidth = width / 4 > 200 ? width / 4 : 200;
    if (std::string(windowClass) == kProjectClass)
        return RECT{0, 0, projectWidth, height - messageHeight};
    if (std::string(windowClass) == kMessageClass)
        return RECT{0, height - messageHeight, width, height};
    int step = 24 * static_cast<int>(editors_.Windows().size() % 5);
    int editorWidth = width - projectWidth - 5 * 24, editorHeight = height - messageHeight - 5 * 24;
    if (editorWidth < 240) editorWidth = 240;
    if (editorHeight < 160) editorHeight = 160;
    return RECT{projectWidth + step, step, projectWidth + step + editorWidth, step + editorHeight};
}

void FrameWindow::OnInitMenuPopup(HMENU menu) {
    if (menu == GetSubMenu(GetMenu(Handle()), kToolMenuAt)) FillToolMenu(menu);
}

void FrameWindow::OnDestroy() {
    ide_.Frame().SetFrameWindow(nullptr);
    if (quitOnDestroy_) PostQuitMessage(0);
}

void FrameWindow::OnDestroyed() {
    editors_.SetMdiClient(nullptr);
    mdiClient_ = statusLine_ = nullptr;
}

LRESULT FrameWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_SIZE:
        OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam))) return 0;
        break;
    case WM_INITMENUPOPUP:
        OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
        break;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

LRESULT FrameWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefFrameProcA(Handle(), mdiClient_, message, wParam, lParam);
}

} // namespace host
} // namespace qelvo
