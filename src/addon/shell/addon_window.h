// The add-on's own top-level window, of class QADO: the bar across the top of the screen, the
// target of every command the hooks post, and the owner of the one-second clock.
#pragma once

#include <windows.h>

namespace qelvo {

constexpr char kAddonClass[] = "QADO";
constexpr char kStartupText[] = "Qelvo Addon for Borland C++ 5.0 initializing...";
constexpr UINT_PTR kClockTimer = 1;
// User messages of the add-on window: go to a line (line, file name) and open a file, then go
// to the line (line, file name).
constexpr UINT kGoToLineMessage = 0x407;
constexpr UINT kOpenFileMessage = 0x408;


bool RegisterAddonClass(HINSTANCE instance);
void UnregisterAddonClass(HINSTANCE instance);
// Creates the bar, hidden, with its start-up menu and its one-second clock.
HWND CreateAddonWindow(HINSTANCE instance, bool newShell);
void DestroyAddonWindow(HWND window);

// Ticks of the one-second clock since the window was made.
unsigned ClockTicks();
// At the next tick, stacks the topmost bar over the windows shown since it joined the band.
void RaiseBarSoon();

} // namespace qelvo
