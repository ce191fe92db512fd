// What the stand-in IDE's windows share: the class names and command numbers add-ons rely on,
// and a few small Win32 helpers.
#pragma once

#include "ide/ide_commands.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace qelvo {
namespace host {

// The IDE's window classes, by which add-ons find its windows.
constexpr char kFrameClass[] = "CPPFRAME";
constexpr char kMdiClientClass[] = "MDIClient";
constexpr char kEditorClass[] = "BCW5Editor";
constexpr char kEditControlClass[] = "EditWindClass";
constexpr char kProjectClass[] = "BCW5Project";
constexpr char kMessageClass[] = "BCW5Message";
constexpr char kMessagePaneClass[] = "OWL_Window";
constexpr char kNoteTabClass[] = "OWL_NoteTab";
constexpr char kMessageViewerClass[] = "MsgViewer";
constexpr char kDialogClass[] = "#32770";

// The IDE's own commands (ide/ide_commands.h), by their names here too.
using ide::kCmdClearMessages;
using ide::kCmdOptions;
using ide::kCmdSaveAll;
using ide::kCmdShowMessages;
using ide::kCmdShowProject;

// The frame's caption: "Borland C++", then " - " and the project's name when one is open.
constexpr char kFrameCaption[] = "Borland C++";

// The module that owns the stand-in's window classes (the program; the library is static).
HINSTANCE ModuleInstance();

std::string WindowText(HWND window);
std::string WindowClassName(HWND window);
// A tree view item's text; the first item of that text from first on (its siblings and their
// sub-items, depth first), null when there is none.
std::string TreeItemText(HWND tree, HTREEITEM item);
HTREEITEM FindTreeItem(HWND tree, HTREEITEM first, const std::string& title);

// A full path for a file name the user or an add-on gives ('/' read as '\', relative to the
// current directory); the name itself when the system cannot make one.
std::string FullPath(const std::string& name);
// The file-name part of a path (after the last '\', '/' or ':').
std::string FileNamePart(const std::string& path);

// The common controls the windows use (tree, tabs, status line), registered once.
void InitCommonControlClasses();
// Registers a class of the stand-in's own once per process (procedure null: the windows belong
// to win32::Window objects); false when it failed.
bool RegisterOwnClass(const char* name, WNDPROC procedure, UINT style, int background);

// Brings an MDI child forward (restored when it was minimised).
void BringForward(HWND mdiClient, HWND child);

// Handles every message waiting for this thread (nested loops of the simulated Make use it);
// a WM_QUIT taken on the way is put back.
void PumpMessages();

} // namespace host
} // namespace qelvo
