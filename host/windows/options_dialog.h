// The IDE's environment options dialog ("Environment Options"), for now a plain list of the
// chapters add-ons handed to the OptionsDialogService with the titles of their pages.
#pragma once

#include "options_dialog_host.h"

#include <windows.h>

#include <string>
#include <vector>

namespace qelvo {
namespace host {

constexpr char kOptionsDialogTitle[] = "Environment Options";
// The dialog's list of chapters and pages.
constexpr int kOptionsListId = 100;

// The list's lines: "Chapter n (k pages)" for each chapter, then its pages' titles indented.
std::vector<std::string> OptionsDialogLines(OptionsDialogHost& chapters);
// Modal over the owner; answers IDOK or IDCANCEL.
int ShowOptionsDialog(HWND owner, OptionsDialogHost& chapters);

} // namespace host
} // namespace qelvo
