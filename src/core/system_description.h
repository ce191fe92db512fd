// The system the add-on runs on, as it describes itself: the OS text and whether it has the new
// shell (which decides the bar's and the caption buttons' look).
#pragma once

#include <string>

namespace qelvo {

// The system's description: platform 0 Win32s, 1 the Windows 95 family, 2 Windows NT.
enum class OsPlatform { Win32s = 0, Windows95 = 1, WindowsNT = 2 };
// "Win32s on Windows %d.%d", "Windows 95 (%d.%d)" or "Windows NT %d.%d", at most 39 characters.
std::string OsText(OsPlatform platform, int major, int minor);
// The new shell: the Windows 95 family, and Windows NT 4 or later.
bool IsNewShell(OsPlatform platform, int major);

} // namespace qelvo
