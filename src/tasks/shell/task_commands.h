// The task list's commands of the add-on's window, and its windows' part of the project's
// opening and closing.
#pragma once

#include <windows.h>

namespace qelvo {

// 171: the task list window.
void OnTaskList(UINT command, LPARAM lParam);
// 172: the Quick Flash when some task is current; 173: always. Either writes the day's marker
// when it opens.
void OnFlash(UINT command, LPARAM lParam);
// The frame minimised (hide) or shown again.
void OnFrameMinimized(bool minimized);
// Lets the task list close its windows and post the daily flash.
void InstallTaskShell();

} // namespace qelvo
