// Windows of the IDE's classes for the shell's tests: a frame (CPPFRAME) with its MDI client and
// editors (BCW5Editor) or a project window (BCW5Project) as MDI children. Each records the
// WM_COMMAND and key messages it receives.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace qelvo {
namespace testing_support {

struct Received {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Everything the test windows received, in order.
std::vector<Received>& ReceivedMessages();

class IdeWindows {
public:
    IdeWindows();
    ~IdeWindows();
    IdeWindows(const IdeWindows&) = delete;
    IdeWindows& operator=(const IdeWindows&) = delete;

    HWND frame = nullptr;
    HWND client = nullptr;

    // An MDI child of the class with the title, at (x, y) of the client, w x h.
    HWND AddChild(const char* className, const char* title, int x = 0, int y = 0, int w = 500,
                  int h = 300);
    void Close(HWND child);
};

// Dispatches everything queued for the thread (hooks run here).
void Pump(int milliseconds = 0);

} // namespace testing_support
} // namespace qelvo
