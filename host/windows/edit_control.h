// The editors' text control: class "EditWindClass", the system's multi-line edit under the
// IDE's name (so WM_COPY copies the selection as add-ons expect), and what the editors do with
// it: whole text in and out, caret by line and column, line text, scrolling a line into view.
// Lines and columns count from 1; text is held with CR LF line ends.
#pragma once

#include <windows.h>

#include <string>

namespace qelvo {
namespace host {

bool RegisterEditControlClass();
// A new edit child (no word wrap, so its lines are the file's lines) with the fixed font.
HWND CreateEditControl(HWND parent);

std::string EditText(HWND edit);
void SetEditText(HWND edit, const std::string& text);
// A file's bytes as the editor holds them: every LF not after a CR becomes CR LF.
std::string ToEditorText(const std::string& bytes);

void EditCaret(HWND edit, int32_t& line, int32_t& column);
// Out-of-range values are brought to the nearest place that exists.
void SetEditCaret(HWND edit, int32_t line, int32_t column);
// The text of a line (without its line end); empty beyond the last line.
std::string EditLineText(HWND edit, int32_t line);
// Scrolls as little as needed for the line to be visible.
void ScrollEditLineIntoView(HWND edit, int32_t line);
// Inserts at the caret, which ends after the text (a selection is not replaced, only
// dropped); a lone LF in the text goes in as CR LF.
void InsertEditText(HWND edit, const std::string& text);

} // namespace host
} // namespace qelvo
