// The IDE's environment options dialog ("Environment Options"): a tree of the chapters add-ons
// handed to the OptionsDialogService with their pages, the selected page's dialog (made from the
// page's module by its id) beside it, the description line under it, and OK, Cancel and Help.
// The pages are driven as the IDE drives them: attached and loaded when their dialog is made,
// described when selected, validated then saved on OK, reset on Cancel, their help on F1 or Help.
#pragma once

#include "options_dialog_host.h"

#include <windows.h>

#include <string>
#include <vector>

namespace qelvo {
namespace host {

constexpr char kOptionsDialogTitle[] = "Environment Options";
// The tree of chapters and pages, the description line, and the shown page's dialog (which
// carries this id while it is shown).
constexpr int kOptionsTreeId = 100;
constexpr int kOptionsDescriptionId = 101;
constexpr int kOptionsPageId = 103;

// The titles of the pages of every chapter, in order ("(untitled)" for a page without one).
std::vector<std::string> OptionsDialogLines(OptionsDialogHost& chapters);
// Modal over the owner; answers IDOK or IDCANCEL.
int ShowOptionsDialog(HWND owner, OptionsDialogHost& chapters);

} // namespace host
} // namespace qelvo
