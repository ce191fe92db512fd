// The window and dialog thunks: which messages reach the object, from when to when.
#include "win32/dialog.h"
#include "win32/dialog_template.h"
#include "win32/window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace qelvo {
namespace {

constexpr char kProbeClass[] = "QelvoThunkProbe";
constexpr char kHostClass[] = "QelvoThunkHost";

HINSTANCE Instance() {
    return GetModuleHandleA(nullptr);
}

// WM_QUERYOPEN tells the object from the default: DefWindowProc answers TRUE, the probe FALSE.
class Probe final : public win32::Window {
public:
    explicit Probe(bool mdiChild = false, bool refuseCreate = false)
        : mdiChild_(mdiChild), refuseCreate_(refuseCreate) {}
    using win32::Window::Create;
    using win32::Window::CreateMdiChild;

    std::vector<UINT> seen;           // every message that reached the object
    HWND handleInCreate = nullptr;    // Handle() as WM_CREATE's handler saw it
    int destroyed = 0;                // OnDestroyed calls
    LRESULT queryOpenAfterwards = -1; // WM_QUERYOPEN sent from OnDestroyed

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        seen.push_back(message);
        switch (message) {
        case WM_CREATE:
            return OnCreate();
        case WM_QUERYOPEN:
            return FALSE;
        }
        return DefaultProc(message, wParam, lParam);
    }
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        return mdiChild_ ? DefMDIChildProcA(Handle(), message, wParam, lParam)
                         : win32::Window::DefaultProc(message, wParam, lParam);
    }
    LRESULT OnCreate() {
        handleInCreate = Handle();
        created_ = Handle();
        return refuseCreate_ ? -1 : 0;
    }
    // The window still exists here: a message now must pass the object by.
    void OnDestroyed() override {
        ++destroyed;
        queryOpenAfterwards = SendMessageA(created_, WM_QUERYOPEN, 0, 0);
    }

    bool mdiChild_;
    bool refuseCreate_;
    HWND created_ = nullptr;
};

class ThunkTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSEXA probe = {};
        probe.hInstance = Instance();
        probe.lpszClassName = kProbeClass;
        ASSERT_TRUE(win32::RegisterWindowClass(probe));
        WNDCLASSEXA host = probe;
        host.lpszClassName = kHostClass;
        host.lpfnWndProc = DefWindowProcA;
        ASSERT_TRUE(win32::RegisterWindowClass(host));
    }
};

size_t Count(const std::vector<UINT>& messages, UINT message) {
    return static_cast<size_t>(std::count(messages.begin(), messages.end(), message));
}

TEST_F(ThunkTest, WindowObjectServesFromNcCreateToNcDestroy) {
    Probe probe;
    HWND window = probe.Create(0, kProbeClass, "probe", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100,
                               nullptr, nullptr, Instance());
    ASSERT_TRUE(window);
    EXPECT_EQ(probe.Handle(), window);
    // WM_GETMINMAXINFO comes before WM_NCCREATE to an overlapped window: it must not reach
    // the object, and nothing from WM_NCCREATE on may miss it.
    ASSERT_FALSE(probe.seen.empty());
    EXPECT_EQ(probe.seen.front(), static_cast<UINT>(WM_NCCREATE));
    EXPECT_EQ(probe.handleInCreate, window);
    EXPECT_EQ(SendMessageA(window, WM_QUERYOPEN, 0, 0), FALSE);

    // Asked again: one object, one window.
    EXPECT_EQ(probe.Create(0, kProbeClass, "again", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, nullptr,
                           nullptr, Instance()),
              nullptr);

    ASSERT_TRUE(DestroyWindow(window));
    EXPECT_EQ(probe.destroyed, 1);
    EXPECT_EQ(probe.Handle(), nullptr);
    EXPECT_EQ(Count(probe.seen, WM_DESTROY), 1u);
    EXPECT_EQ(probe.queryOpenAfterwards, TRUE);
    EXPECT_EQ(Count(probe.seen, WM_QUERYOPEN), 1u);
}

TEST_F(ThunkTest, RefusedCreationAndEarlyDeletionLeaveNothingBehind) {
    Probe refused(false, true);
    EXPECT_EQ(refused.Create(0, kProbeClass, "refused", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, nullptr,
                             nullptr, Instance()),
              nullptr);
    EXPECT_EQ(refused.Handle(), nullptr);
    EXPECT_EQ(refused.destroyed, 1);

    // An object deleted before its window takes the window along.
    auto early = std::make_unique<Probe>();
    HWND window = early->Create(0, kProbeClass, "early", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, nullptr,
                                nullptr, Instance());
    ASSERT_TRUE(window);
    early.reset();
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(ThunkTest, MdiChildFindsItsObjectInsideMdiCreateStruct) {
    HWND frame = CreateWindowExA(0, kHostClass, "frame", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                                 nullptr, nullptr, Instance(), nullptr);
    ASSERT_TRUE(frame);
    CLIENTCREATESTRUCT clientInfo = {nullptr, 0x7F00};
    HWND client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 400, 300,
                                  frame, nullptr, Instance(), &clientInfo);
    ASSERT_TRUE(client);
    Probe child(true);
    RECT place = {10, 10, 210, 110};
    HWND window = child.CreateMdiChild(client, kProbeClass, "child", &place, Instance());
    ASSERT_TRUE(window);
    EXPECT_EQ(child.handleInCreate, window);
    EXPECT_EQ(GetParent(window), client);
    EXPECT_EQ(SendMessageA(window, WM_QUERYOPEN, 0, 0), FALSE);
    SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
    EXPECT_EQ(child.destroyed, 1);
    EXPECT_EQ(child.Handle(), nullptr);
    DestroyWindow(frame);
}

// A dialog with one push button; a click on it ends the dialog with the button's id.
class ButtonDialog final : public win32::Dialog {
public:
    static constexpr int kButton = 1001;
    using win32::Dialog::CreateModeless;
    using win32::Dialog::RunModal;

    HWND handleInInit = nullptr;
    HWND button = nullptr;
    int commandId = 0;
    int commandCode = -1;
    HWND commandFrom = nullptr;
    int destroyed = 0;

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_INITDIALOG:
            return OnInit();
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return TRUE;
        }
        return FALSE;
    }
    BOOL OnInit() {
        handleInInit = Handle();
        button = GetDlgItem(Handle(), kButton);
        // Pressed once the dialog's loop runs (the modal one, or the test's).
        PostMessageA(button, BM_CLICK, 0, 0);
        return TRUE;
    }
    void OnCommand(int id, int code, HWND control) {
        commandId = id;
        commandCode = code;
        commandFrom = control;
        End(id);
    }
    void OnDestroyed() override { ++destroyed; }
};

win32::DialogTemplate ButtonLayout() {
    win32::DialogTemplate layout("Thunk", WS_POPUP | WS_CAPTION | WS_SYSMENU, 120, 60);
    layout.Add(win32::kButtonControl, ButtonDialog::kButton, "Press", BS_PUSHBUTTON | WS_TABSTOP,
               10, 10, 50, 14);
    return layout;
}

// Ends a modal dialog the object failed to end, so that the test fails instead of hanging.
void CALLBACK EndStuckDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    EndDialog(FindWindowA("#32770", "Thunk"), -2);
}

TEST_F(ThunkTest, ModalDialogObjectGetsInitAndTheButtonsCommand) {
    win32::DialogTemplate layout = ButtonLayout();
    ButtonDialog dialog;
    UINT_PTR timer = SetTimer(nullptr, 0, 5000, EndStuckDialog);
    EXPECT_EQ(dialog.RunModal(Instance(), layout.Get(), nullptr), ButtonDialog::kButton);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(dialog.handleInInit);
    EXPECT_EQ(dialog.commandId, ButtonDialog::kButton);
    EXPECT_EQ(dialog.commandCode, BN_CLICKED);
    EXPECT_TRUE(dialog.button);
    EXPECT_EQ(dialog.commandFrom, dialog.button);
    EXPECT_EQ(dialog.destroyed, 1);
    EXPECT_EQ(dialog.Handle(), nullptr);
}

TEST_F(ThunkTest, ModelessDialogGoesWithItsObject) {
    win32::DialogTemplate layout = ButtonLayout();
    auto dialog = std::make_unique<ButtonDialog>();
    HWND window = dialog->CreateModeless(Instance(), layout.Get(), nullptr);
    ASSERT_TRUE(window);
    EXPECT_EQ(dialog->handleInInit, window);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    EXPECT_EQ(dialog->commandId, ButtonDialog::kButton);
    EXPECT_EQ(dialog->commandFrom, GetDlgItem(window, ButtonDialog::kButton));
    dialog.reset();
    EXPECT_FALSE(IsWindow(window));
}

} // namespace
} // namespace qelvo
