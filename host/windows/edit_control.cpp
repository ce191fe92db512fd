#include "edit_control.h"

#include "win32/gdi.h"
#include "win32/window.h"
#include "win_support.h"

#include <vector>

namespace qelvo {
namespace host {

namespace {
WNDPROC baseEditProc = nullptr;

// The system's edit does all the work; the class only carries the IDE's name.
LRESULT CALLBACK EditControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(baseEditProc, window, message, wParam, lParam);
}

LRESULT Send(HWND edit, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(edit, message, wParam, lParam);
}

int32_t LineCount(HWND edit) {
    return static_cast<int32_t>(Send(edit, EM_GETLINECOUNT));
}

// Character index where the line (from 1) starts; -1 beyond the last line.
int32_t LineStart(HWND edit, int32_t line) {
    return static_cast<int32_t>(Send(edit, EM_LINEINDEX, static_cast<WPARAM>(line - 1)));
}

int32_t LineLength(HWND edit, int32_t start) {
    return static_cast<int32_t>(Send(edit, EM_LINELENGTH, static_cast<WPARAM>(start)));
}

// The caret's character index: the end of the selection.
int32_t CaretIndex(HWND edit) {
    DWORD start = 0, end = 0;
    Send(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int32_t>(end);
}
} // namespace

bool RegisterEditControlClass() {
    return win32::RegisterSuperclass(ModuleInstance(), "EDIT", kEditControlClass, EditControlProc,
                                     baseEditProc);
}

HWND CreateEditControl(HWND parent) {
    HWND edit =
        CreateWindowExA(0, kEditControlClass, "",
                        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                            ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL | ES_WANTRETURN,
                        0, 0, 0, 0, parent, reinterpret_cast<HMENU>(1), ModuleInstance(), nullptr);
    if (!edit) return nullptr;
    Send(edit, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), 0);
    Send(edit, EM_SETLIMITTEXT, 0x7FFFFFFE);
    return edit;
}

std::string EditText(HWND edit) {
    return WindowText(edit);
}

void SetEditText(HWND edit, const std::string& text) {
    SetWindowTextA(edit, text.c_str());
    Send(edit, EM_SETMODIFY, FALSE);
}

std::string ToEditorText(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 16);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) text += '\r';
        text += bytes[i];
    }
    return text;
}

void EditCaret(HWND edit, int32_t& line, int32_t& column) {
    int32_t index = CaretIndex(edit);
    int32_t lineIndex = static_cast<int32_t>(Send(edit, EM_LINEFROMCHAR, index));
    line = lineIndex + 1;
    column = index - LineStart(edit, line) + 1;
}

void SetEditCaret(HWND edit, int32_t line, int32_t column) {
    int32_t count = LineCount(edit);
    if (line > count) line = count;
    if (line < 1) line = 1;
    int32_t start = LineStart(edit, line);
    if (start < 0) start = 0;
    int32_t length = LineLength(edit, start);
    if (column > length + 1) column = length + 1;
    if (column < 1) column = 1;
    int32_t index = start + column - 1;
    Send(edit, EM_SETSEL, static_cast<WPARAM>(index), static_cast<LPARAM>(index));
    Send(edit, EM_SCROLLCARET);
}

std::string EditLineText(HWND edit, int32_t line) {
    if (line < 1 || line > LineCount(edit)) return std::string();
    int32_t start = LineStart(edit, line);
    if (start < 0) return std::string();
    int32_t length = LineLength(edit, start);
    std::string text = EditText(edit);
    if (static_cast<size_t>(start) >= text.size() || length <= 0) return std::string();
    return text.substr(static_cast<size_t>(start), static_cast<size_t>(length));
}

void ScrollEditLineIntoView(HWND edit, int32_t line) {
    int32_t count = LineCount(edit);
    if (line > count) line = count;
    if (line < 1) line = 1;
    int32_t first = static_cast<int32_t>(Send(edit, EM_GETFIRSTVISIBLELINE)) + 1;
    RECT area = {};
    Send(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    int32_t visible = 1;
    win32::WindowDc dc(edit);
    if (dc.get()) {
        win32::SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(Send(edit, WM_GETFONT)));
        TEXTMETRICA metrics = {};
        if (GetTextMetricsA(dc.get(), &metrics) && metrics.tmHeight > 0)
            visible = (area.bottom - area.top) / metrics.tmHeight;
    }
    if (visible < 1) visible = 1;
    int32_t scroll = 0;
    if (line < first)
        scroll = line - first;
    else if (line > first + visible - 1)
        scroll = line - (first + visible - 1);
    if (scroll != 0) Send(edit, EM_LINESCROLL, 0, scroll);
}

void InsertEditText(HWND edit, const std::string& text) {
    int32_t index = CaretIndex(edit);
    Send(edit, EM_SETSEL, static_cast<WPARAM>(index), static_cast<LPARAM>(index));
    std::string insert = ToEditorText(text);
    Send(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(insert.c_str()));
}

} // namespace host
} // namespace qelvo
