// The handle owners and DC guards: what they close, and when, seen from the system's side.
#include "win32/gdi.h"
#include "win32/handles.h"

#include <gtest/gtest.h>

#include <utility>

namespace qelvo {
namespace {

int hookCalls = 0;

LRESULT CALLBACK CountingHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) ++hookCalls;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// How many times the thread's WH_CALLWNDPROC hooks saw one sent message.
int HookCallsForOneMessage(HWND window) {
    int before = hookCalls;
    SendMessageA(window, WM_NULL, 0, 0);
    return hookCalls - before;
}

TEST(HandleOwnersTest, HookIsUnhookedOnceByWhoeverOwnsItLast) {
    win32::UniqueWindow window(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                               nullptr, GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(window);
    win32::UniqueHook first(
        SetWindowsHookExA(WH_CALLWNDPROC, CountingHook, nullptr, GetCurrentThreadId()));
    ASSERT_TRUE(first);
    EXPECT_EQ(HookCallsForOneMessage(window.get()), 1);

    // Moved away, the first owner no longer unhooks.
    win32::UniqueHook second(std::move(first));
    EXPECT_FALSE(first);
    first.reset();
    EXPECT_EQ(HookCallsForOneMessage(window.get()), 1);
    win32::UniqueHook third;
    third = std::move(second);
    second.reset();
    EXPECT_EQ(HookCallsForOneMessage(window.get()), 1);

    // Released, nobody unhooks; owned again and reset, it is gone.
    win32::UniqueHook fourth(third.release());
    third.reset();
    EXPECT_EQ(HookCallsForOneMessage(window.get()), 1);
    fourth.reset();
    EXPECT_EQ(HookCallsForOneMessage(window.get()), 0);
}

TEST(HandleOwnersTest, AssignmentDestroysTheMenuHeldBefore) {
    win32::UniqueMenu kept(CreatePopupMenu());
    win32::UniqueMenu replaced(CreatePopupMenu());
    HMENU keptMenu = kept.get(), replacedMenu = replaced.get();
    ASSERT_TRUE(IsMenu(keptMenu));
    ASSERT_TRUE(IsMenu(replacedMenu));
    replaced = std::move(kept);
    EXPECT_FALSE(IsMenu(replacedMenu));
    EXPECT_TRUE(IsMenu(keptMenu));
    EXPECT_EQ(replaced.get(), keptMenu);
    replaced.reset();
    EXPECT_FALSE(IsMenu(keptMenu));
}

TEST(DcGuardsTest, SelectGuardPutsThePreviousBitmapBack) {
    win32::WindowDc screen(nullptr);
    ASSERT_TRUE(screen);
    win32::UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    win32::UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), 4, 4));
    ASSERT_TRUE(memory);
    ASSERT_TRUE(bitmap);
    HGDIOBJ original = GetCurrentObject(memory.get(), OBJ_BITMAP);
    {
        win32::SelectGuard selected(memory.get(), bitmap.get());
        EXPECT_EQ(GetCurrentObject(memory.get(), OBJ_BITMAP), bitmap.get());
    }
    EXPECT_EQ(GetCurrentObject(memory.get(), OBJ_BITMAP), original);
}

} // namespace
} // namespace qelvo
