#include "navigation/shell/quick_find_commands.h"

#include "core/command_ids.h"
#include "core/globals.h"
#include "core/shell/find_window.h"
#include "core/shell/hook_state.h"
#include "navigation/quick_find.h"
#include "navigation/shell/quick_find_ids.h"
#include "platform/platform.h"
#include "win32/dialog.h"
#include "win32/handles.h"

#include <cstdio>
#include <cstring>

namespace qelvo {

namespace {

constexpr size_t kMaxName = 255;
// The add-on window's user message: open a file, then go to its line (line, path).
constexpr UINT kOpenFileMessage = 0x408;

bool ClipboardText(std::string& text) {
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* bytes = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (!bytes) return false;
    text.assign(bytes, strnlen(bytes, GlobalSize(data)));
    GlobalUnlock(data);
    return true;
}

void PutClipboardText(const std::string& text) {
    win32::UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    char* bytes = memory ? static_cast<char*>(GlobalLock(memory.get())) : nullptr;
    if (!bytes) return;
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory.get());
    if (SetClipboardData(CF_TEXT, memory.get())) memory.release(); // the clipboard owns it now
}

class NameDialog : public win32::Dialog {
public:
    explicit NameDialog(const char* title) : title_(title ? title : "") {}
    bool Run(HINSTANCE instance, HWND owner) {
        return RunModal(instance, "dlgGETDATA", owner) > 0;
    }
    std::string name;

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM) override {
        switch (message) {
        case WM_INITDIALOG: return OnInit();
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) return OnOk();
            if (LOWORD(wParam) == IDCANCEL) return End(0), TRUE;
            return FALSE;
        default: return FALSE;
        }
    }
    INT_PTR OnInit() {
        SetWindowTextA(Handle(), title_);
        HWND combo = GetDlgItem(Handle(), IDC_SEARCH_NAME);
        SendMessageA(combo, CB_LIMITTEXT, kMaxName, 0);
        for (int i = 0; i < SearchHistory.count; ++i)
            SendMessageA(combo, CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(SearchHistory.At(i)->c_str()));
        SetWindowTextA(combo, SearchHistory.count > 0 ? SearchHistory.At(0)->c_str() : "");
        SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        SetFocus(combo);
        return FALSE; // the focus is set
    }
    INT_PTR OnOk() {
        char text[kMaxName + 1] = "";
        GetDlgItemTextA(Handle(), IDC_SEARCH_NAME, text, sizeof text);
        name = text;
        End(1);
        return TRUE;
    }
    const char* title_;
};

HWND AddonWindowHandle() {
    return Hooks && Hooks->addonWindow ? Hooks->addonWindow : static_cast<HWND>(AddonWindow);
}

// The wait cursor while a search runs.
class WaitCursor {
public:
    WaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(previous_ ? previous_ : LoadCursor(nullptr, IDC_ARROW)); }

private:
    HCURSOR previous_;
};

void OpenFound(const String& file, int line) {
    // The path stays readable until the add-on window has gone to the line.
    static char path[MAX_PATH + 1];
    lstrcpynA(path, file.c_str(), sizeof path);
    for (char* p = path; *p; ++p)
        if (*p >= 'a' && *p <= 'z') *p = static_cast<char>(*p - 'a' + 'A');
    char status[MAX_PATH + 32];
    std::snprintf(status, sizeof status, "%s : %d", path, line);
    ShowStatusText(status);
    SendMessageA(AddonWindowHandle(), kOpenFileMessage, static_cast<WPARAM>(line),
                 reinterpret_cast<LPARAM>(path));
}

std::string FormattedNow(bool date) {
    char text[128] = "";
    if (date)
        GetDateFormatA(LOCALE_USER_DEFAULT, LOCALE_NOUSEROVERRIDE, nullptr, nullptr, text,
                       sizeof text);
    else
        GetTimeFormatA(LOCALE_USER_DEFAULT, LOCALE_NOUSEROVERRIDE, nullptr, nullptr, text,
                       sizeof text);
    return text;
}

void ListCross(const char* name) {
    char caption[255] = "";
    HWND frame = FindFrame();
    if (frame) GetWindowTextA(frame, caption, sizeof caption);
    String header = CrossHeaderText(caption, name, FormattedNow(true).c_str(),
                                    FormattedNow(false).c_str(), QuickFinder->crossResults.count);
    QuickFinder->ListCrossReferences(header.c_str());
    platform::Tone(220, 500);
    ShowStatusText("References found, see Message Window");
}

} // namespace

std::string GetSearchText(HWND editor, const char* title) {
    std::string result, saved;
    bool haveSaved = false;
    if (OpenClipboard(editor)) {
        haveSaved = ClipboardText(saved);
        EmptyClipboard();
        CloseClipboard();
    }
    HWND edit = editor ? FindChildWindow(editor, "EditWindClass", nullptr) : nullptr;
    if (edit) {
        SendMessageA(edit, WM_COPY, 0, 0);
        if (OpenClipboard(editor)) {
            ClipboardText(result);
            CloseClipboard();
        }
        if (result.size() > kMaxName) result.resize(kMaxName);
    }
    if (haveSaved && OpenClipboard(editor)) {
        EmptyClipboard();
        PutClipboardText(saved);
        CloseClipboard();
    }
    if (!edit) return std::string();
    if (result.empty()) {
        NameDialog dialog(title);
        HINSTANCE module = Environment ? static_cast<HINSTANCE>(Environment->instance) : nullptr;
        if (dialog.Run(module ? module : GetModuleHandleA(nullptr), editor)) result = dialog.name;
    }
    if (!result.empty()) EnterHistory(SearchHistory, result.c_str());
    return result;
}

void OnQuickFindCommand(UINT command, LPARAM) {
    if (!QuickFinder || !Hooks) return;
    int kind = static_cast<int>(command) - kCmdFindFunction;
    if (kind < 0 || kind >= kFindKinds) return;
    std::string name = GetSearchText(Hooks->lastEditor, kSearchTitles[kind]);
    if (name.empty()) return;
    const char* editorFile = Hooks->lastEditorTitle;
    String file;
    int line = 0;
    bool found;
    {
        WaitCursor wait;
        switch (kind) {
        case kFindFunction: found = QuickFinder->FindFunction(name.c_str(), editorFile, file, line); break;
        case kFindClass: found = QuickFinder->FindClass(name.c_str(), editorFile, file, line); break;
        case kFindMethod: found = QuickFinder->FindMethod(name.c_str(), editorFile); break;
        default: found = QuickFinder->CrossReference(name.c_str(), editorFile); break;
        }
    }
    if (!found) return;
    switch (kind) {
    case kFindFunction:
    case kFindClass: OpenFound(file, line); break;
    case kFindMethod:
        PostMessageA(AddonWindowHandle(), WM_COMMAND,
                     QuickFinder->methodResults.count == 1 ? kCmdFindResultFirst
                                                           : kCmdFindResultsPopup,
                     0);
        break;
    default: ListCross(name.c_str()); break;
    }
}

void OnMethodResultsPopup(UINT, LPARAM) {
    if (!QuickFinder || !Hooks) return;
    win32::UniqueMenu popup(CreatePopupMenu());
    if (!popup) return;
    int shown = QuickFinder->methodResults.count;
    int room = kCmdFindResultLast - kCmdFindResultFirst + 1;
    if (shown > room) shown = room;
    for (int i = 0; i < shown; ++i)
        AppendMenuA(popup.get(), MF_STRING, kCmdFindResultFirst + i,
                    QuickFinder->methodResults.At(i)->text.c_str());
    POINT at;
    GetCursorPos(&at);
    Hooks->popupActive = true;
    TrackPopupMenu(popup.get(), TPM_LEFTALIGN, at.x, at.y, 0, Hooks->addonWindow, nullptr);
    Hooks->popupActive = false;
}

void OnMethodResultChosen(UINT command, LPARAM) {
    const QuickResu* result = QuickFinder ? QuickFinder->ChosenMethod(command) : nullptr;
    if (!result) return;
    SendMessageA(AddonWindowHandle(), kOpenFileMessage, static_cast<WPARAM>(result->line),
                 reinterpret_cast<LPARAM>(result->file.c_str()));
}

} // namespace qelvo
