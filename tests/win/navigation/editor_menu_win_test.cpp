// The caption buttons on real editors of the stand-in IDE: painted at their pixels, a real
// click on each pops its menu at the popup point, a chosen symbol moves the caret (unsaved text
// included), a chosen include opens. Positions come from the test's own copy of the buttons'
// geometry, never from the add-on's code.
#include <windows.h>

#include "addon/shell/addon_window.h"
#include "addon/shell/hooks.h"
#include "addon_parts.h"
#include "core/globals.h"
#include "core/project_session.h"
#include "core/shell/hook_state.h"
#include "frame_window.h"
#include "memory_registry.h"
#include "navigation/editor_menu.h"
#include "navigation/quick_find.h"
#include "navigation/shell/title_paint.h"
#include "recorders.h"
#include "stand_in_ide.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace qelvo;
using namespace qelvo::testing_support;

namespace {

const std::string kSample = QELVO_SAMPLES_DIR "\\app";
const std::string kMain = kSample + "\\src\\main.cpp";

// The buttons' geometry, the test's own copy: right offset 58 (new shell) or 41 (old), top 4,
// 24 x 18 buttons.
const int kTop = 4, kWidth = 24, kHeight = 18;
const char* const kBitmaps[3] = {"bmpFUNC95", "bmpINC95", "bmpQKFIND95"};

void Pump(int milliseconds = 0) {
    DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (milliseconds) Sleep(5);
    } while (milliseconds && static_cast<int>(end - GetTickCount()) > 0);
}

void Click(int x, int y) {
    SetCursorPos(x, y);
    Pump(10);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof in[0]);
}

// What a tracked popup showed, read from inside its menu loop; then item `choose` is chosen
// (by keys, as a user would) or, with -1, the menu is closed.
struct PopupProbe {
    int choose = -1;
    bool seen = false;
    RECT place = {};
    std::vector<std::string> texts;
    std::vector<UINT> states;
    int downs = 0;
};
PopupProbe probe;

void CALLBACK ProbeTick(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND menuWindow = FindWindowA("#32768", nullptr);
    if (!menuWindow || !IsWindowVisible(menuWindow)) return;
    HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, 0x01E1, 0, 0));
    if (!menu) return;
    if (!probe.seen) {
        probe.seen = true;
        GetWindowRect(menuWindow, &probe.place);
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            char text[256] = "";
            GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            probe.texts.push_back(text);
            probe.states.push_back(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION));
        }
    }
    if (probe.choose < 0) {
        KillTimer(nullptr, timer);
        PostMessageA(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
        return;
    }
    UINT state = GetMenuState(menu, static_cast<UINT>(probe.choose), MF_BYPOSITION);
    if ((state & MF_HILITE) && !(state & MF_POPUP)) {
        KillTimer(nullptr, timer);
        PostMessageA(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
    } else if (probe.downs++ < 60) {
        PostMessageA(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
    }
}

// Clicks a caption point and lets the popup it opens be probed; true when one was seen.
bool ClickAndProbe(int x, int y, int choose) {
    probe = PopupProbe();
    probe.choose = choose;
    UINT_PTR timer = SetTimer(nullptr, 0, 30, ProbeTick);
    Click(x, y);
    Pump(600);
    KillTimer(nullptr, timer);
    return probe.seen;
}

// Colour of each of the bitmap's pixels as a DC of this screen gives it.
std::vector<COLORREF> BitmapPixels(const char* name) {
    std::vector<COLORREF> pixels;
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), name);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            pixels.push_back(GetPixel(memory, x, y));
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    return pixels;
}

int CaptionTextWidthOf(HWND window, const std::string& title) {
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SIZE size = {};
    GetTextExtentPoint32A(dc, title.c_str(), static_cast<int>(title.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return size.cx;
}

class EditorButtons : public ::testing::Test {
protected:
    void SetUp() override {
        startDirectory = platform::CurrentDirectory();
        ASSERT_TRUE(frame.Create(SW_SHOWNORMAL));
        SetForegroundWindow(frame.Window());
        HINSTANCE instance = GetModuleHandleA(nullptr);
        RegisterAddonClass(instance);
        bar = CreateAddonWindow(instance, true);
        parts.reset(new AddonParts(kPartQuickFind | kPartEditorMenu | kPartStatus | kPartTools |
                                       kPartProjects | kPartOptions | kPartEditorAccess,
                                   ide.Services(), bar, true));
        parts->environment.instance = instance;
        hooks.reset(new HookSet(bar, instance));
        QuickFinder->settings.leftSide = 0;
        ASSERT_TRUE(ide.Projects().Open(kSample + "\\APP.IDE"));
        RECT place = {10, 10, 650, 410};
        editor = frame.Editors().Open(kMain, &place);
        ASSERT_NE(editor, nullptr);
        Pump(100);
    }
    void TearDown() override {
        hooks.reset();
        ide.Projects().Close(false);
        parts.reset();
        DestroyAddonWindow(bar);
        UnregisterAddonClass(GetModuleHandleA(nullptr));
        SetCurrentDirectoryA(startDirectory.c_str());
        Pump();
    }

    // The first button's left edge in the editor's own coordinates.
    int FirstButton(bool leftSide, bool newShell) {
        RECT r;
        GetWindowRect(editor, &r);
        int x = (r.right - r.left) - (newShell ? 58 : 41) - 3 * kWidth;
        if (leftSide && !newShell) x = 23;
        if (leftSide && newShell) x = std::min(x, CaptionTextWidthOf(editor, Title()) + 23);
        return x;
    }
    std::string Title() {
        char text[300] = "";
        GetWindowTextA(editor, text, sizeof text);
        return text;
    }
    // Paints through the command and compares every pixel of the three buttons.
    void ExpectPaintedAt(int x0, const char* what) {
        SendMessageA(bar, WM_COMMAND, 111, reinterpret_cast<LPARAM>(editor));
        HDC dc = GetWindowDC(editor);
        for (int k = 0; k < 3; ++k) {
            std::vector<COLORREF> expected = BitmapPixels(kBitmaps[k]);
            int wrong = 0;
            for (int y = 0; y < kHeight; ++y)
                for (int x = 0; x < kWidth; ++x)
                    if (GetPixel(dc, x0 + k * kWidth + x, kTop + y) !=
                        expected[static_cast<size_t>(y * kWidth + x)])
                        ++wrong;
            EXPECT_EQ(wrong, 0) << what << ": button " << k;
        }
        ReleaseDC(editor, dc);
    }
    int CaretLine() {
        HWND edit = FindWindowExA(editor, nullptr, "EditWindClass", nullptr);
        DWORD start = 0;
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
        return static_cast<int>(SendMessageA(edit, EM_LINEFROMCHAR, start, 0)) + 1;
    }
    const std::vector<std::string>& Status() { return ide.Frame().StatusLog(); }

    MemoryRegistry registry;
    MessageRecorder messages;
    LaunchRecorder launches;
    host::StandInIde ide;
    host::FrameWindow frame{ide};
    std::unique_ptr<AddonParts> parts;
    std::unique_ptr<HookSet> hooks;
    HWND bar = nullptr;
    HWND editor = nullptr;
    std::string startDirectory;
};

} // namespace

TEST_F(EditorButtons, PaintedAtTheirPixelsOnBothSidesAndShells) {
    ExpectPaintedAt(FirstButton(false, true), "right, new shell");
    QuickFinder->settings.leftSide = 1;
    SetWindowPos(editor, nullptr, 0, 0, 300, 300, SWP_NOMOVE | SWP_NOZORDER);
    Pump(50);
    // The caption is wider than the right-side position: the buttons stay there.
    ExpectPaintedAt(FirstButton(true, true), "left, new shell, long caption");
    EXPECT_EQ(FirstButton(true, true), FirstButton(false, true));
    SetWindowPos(editor, nullptr, 0, 0, 900, 300, SWP_NOMOVE | SWP_NOZORDER);
    Pump(50);
    ASSERT_LT(FirstButton(true, true), FirstButton(false, true));
    ExpectPaintedAt(FirstButton(true, true), "left, new shell, after the caption");

    EditorMenus->newShell = false;
    EditorMenus->geometry = TitleButtonGeometry::ForShell(false);
    ExpectPaintedAt(23, "left, old shell");
    QuickFinder->settings.leftSide = 0;
    ExpectPaintedAt(FirstButton(false, false), "right, old shell");
}

TEST_F(EditorButtons, EachButtonPopsItsMenuAtThePopupPoint) {
    RECT r;
    GetWindowRect(editor, &r);
    int x0 = r.left + FirstButton(false, true);
    int caption = GetSystemMetrics(SM_CYCAPTION);
    const char* firstItems[3] = {"DrawAll", "shapes.h", "Find as function... "};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        ASSERT_TRUE(ClickAndProbe(x0 + k * kWidth + 5, r.top + kTop + 5, -1));
        ASSERT_FALSE(probe.texts.empty());
        EXPECT_EQ(std::find(probe.texts.begin(), probe.texts.end(), firstItems[k]) !=
                      probe.texts.end(),
                  true)
            << probe.texts[0];
        EXPECT_EQ(probe.place.left, x0 + k * kWidth + 1 - 2);
        EXPECT_EQ(probe.place.top, r.top + caption + 2 + 1);
        EXPECT_FALSE(Hooks->popupActive);
    }
    // Sorted: the free functions in byte order; the includes in file order.
    ASSERT_TRUE(ClickAndProbe(x0 + 5, r.top + kTop + 5, -1));
    std::vector<std::string> functions = {"DrawAll", "Usage", "main"};
    EXPECT_EQ(probe.texts, functions);
    ASSERT_TRUE(ClickAndProbe(x0 + kWidth + 5, r.top + kTop + 5, -1));
    std::vector<std::string> includes = {"shapes.h", "util.h", "stdio.h"};
    EXPECT_EQ(probe.texts, includes);
}

TEST_F(EditorButtons, AChosenSymbolMovesTheCaretInTheUnsavedText) {
    HWND edit = FindWindowExA(editor, nullptr, "EditWindClass", nullptr);
    SendMessageA(edit, EM_SETSEL, 0, 0);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("// one\r\n// two\r\n"));
    Pump(50);
    RECT r;
    GetWindowRect(editor, &r);
    int x0 = r.left + FirstButton(false, true);
    // Sorted items: DrawAll, Usage, main; main stood on line 33 of the saved file.
    ASSERT_TRUE(ClickAndProbe(x0 + 5, r.top + kTop + 5, 2));
    Pump(100);
    EXPECT_EQ(CaretLine(), 35);
    ASSERT_TRUE(ClickAndProbe(x0 + 5, r.top + kTop + 5, 0));
    Pump(100);
    EXPECT_EQ(CaretLine(), 19) << "DrawAll";
}

TEST_F(EditorButtons, AChosenIncludeOpensOrCannotBeLocated) {
    RECT r;
    GetWindowRect(editor, &r);
    int x1 = r.left + FirstButton(false, true) + kWidth;
    ASSERT_TRUE(ClickAndProbe(x1 + 5, r.top + kTop + 5, 0)); // shapes.h
    Pump(200);
    std::vector<HWND> views = frame.Editors().Windows();
    ASSERT_EQ(views.size(), 2u);
    char title[300] = "";
    GetWindowTextA(views[1], title, sizeof title);
    std::string opened = title;
    std::transform(opened.begin(), opened.end(), opened.begin(), ::toupper);
    std::string wanted = kSample + "\\INCLUDE\\SHAPES.H";
    std::transform(wanted.begin(), wanted.end(), wanted.begin(), ::toupper);
    EXPECT_EQ(opened, wanted);

    size_t before = Status().size();
    ASSERT_TRUE(ClickAndProbe(x1 + 5, r.top + kTop + 5, 2)); // stdio.h, nowhere in the project
    Pump(200);
    ASSERT_GE(Status().size(), before + 2);
    EXPECT_EQ(Status()[Status().size() - 2], "Pas trouve");
    EXPECT_EQ(Status().back(), "Cannot locate stdio.h");
}

TEST_F(EditorButtons, AFileWithoutSymbolsSoundsTheTone) {
    HWND edit = FindWindowExA(editor, nullptr, "EditWindClass", nullptr);
    SetWindowTextA(edit, "  indented(void)\r\n");
    SendMessageA(edit, EM_SETSEL, 0, 0);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(" "));
    Pump(50);
    RECT r;
    GetWindowRect(editor, &r);
    EXPECT_FALSE(ClickAndProbe(r.left + FirstButton(false, true) + 5, r.top + kTop + 5, -1));
    ASSERT_EQ(messages.tones.size(), 1u);
    EXPECT_EQ(messages.tones[0], std::make_pair(220u, 500u));
    ASSERT_FALSE(Status().empty());
    EXPECT_EQ(Status().back(), "No functions or methods detected !");
}

TEST_F(EditorButtons, RefreshedEditorsPaintTheirButtonsAgain) {
    int x0 = FirstButton(false, true);
    ExpectPaintedAt(x0, "before");
    // The caption's buttons wiped out, as a change of settings would leave them.
    HDC dc = GetWindowDC(editor);
    RECT wipe = {x0, kTop, x0 + 3 * kWidth, kTop + kHeight};
    FillRect(dc, &wipe, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    COLORREF wiped = GetPixel(dc, x0 + 1, kTop + 1);
    ReleaseDC(editor, dc);
    ASSERT_EQ(wiped, RGB(0, 0, 0));
    HWND foreground = GetForegroundWindow();
    RefreshEditorFrames();
    Pump(200);
    EXPECT_TRUE(IsWindowVisible(editor));
    EXPECT_EQ(GetForegroundWindow(), foreground) << "shown without activation";
    dc = GetWindowDC(editor);
    std::vector<COLORREF> first = BitmapPixels(kBitmaps[0]);
    EXPECT_EQ(GetPixel(dc, x0 + 1, kTop + 1), first[1 * kWidth + 1])
        << "the hook asked for the buttons again";
    ReleaseDC(editor, dc);
}
