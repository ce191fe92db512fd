// Finding the IDE's windows by class and by a path-like part of their title.
#pragma once

#include <windows.h>

namespace qelvo {

// The first descendant of parent, in the system's enumeration order, that has exactly the class
// (when given) and whose title names the part (when given; see TitleMatchesPart).
HWND FindChildWindow(HWND parent, const char* className, const char* titlePart);
// The same, passing over one window.
HWND FindChildWindowExcept(HWND parent, const char* className, const char* titlePart,
                           HWND except);

// The IDE's frame (class CPPFRAME, found among the top-level windows), its MDI client, and the
// active MDI child when it is an editor.
HWND FindFrame();
HWND FindMdiClient();
HWND FindActiveEditor();
// Makes the frame the active window again, so that the keyboard returns to the IDE.
void ActivateFrame();

// The class of a window read in a buffer of size bytes.
bool WindowHasClass(HWND window, const char* className, int bufferSize);

} // namespace qelvo
