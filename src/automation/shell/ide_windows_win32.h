// The general automation's work on the IDE's real windows.
#pragma once

namespace qelvo {

// Installs the Win32 port of the general automation (before the automation is created, since
// its single-instance check needs it); RemoveIdeWindows takes it away.
void InstallIdeWindows();
void RemoveIdeWindows();

} // namespace qelvo
