#include "options_dialog.h"

#include "win_support.h"

#include <cstring>

namespace qelvo {
namespace host {

namespace {
// A dialog template made in memory (the stand-in's windows live in a static library, which
// carries no resources).
class DialogTemplate {
public:
    DialogTemplate(const char* title, DWORD style, short width, short height) {
        Align();
        Put(static_cast<DWORD>(style | DS_SETFONT));
        Put(static_cast<DWORD>(0));
        countAt_ = bytes_.size();
        Put(static_cast<WORD>(0));
        Put(static_cast<short>(0));
        Put(static_cast<short>(0));
        Put(width);
        Put(height);
        Put(static_cast<WORD>(0)); // no menu
        Put(static_cast<WORD>(0)); // the dialog class
        PutText(title);
        Put(static_cast<WORD>(8));
        PutText("MS Shell Dlg");
    }
    // atom: 0x80 button, 0x83 list box.
    void Add(WORD atom, int id, const char* text, DWORD style, short x, short y, short cx,
             short cy) {
        Align();
        Put(static_cast<DWORD>(style | WS_CHILD | WS_VISIBLE));
        Put(static_cast<DWORD>(0));
        Put(x);
        Put(y);
        Put(cx);
        Put(cy);
        Put(static_cast<WORD>(id));
        Put(static_cast<WORD>(0xFFFF));
        Put(atom);
        PutText(text);
        Put(static_cast<WORD>(0)); // no creation data
        WORD count = 0;
        std::memcpy(&count, &bytes_[countAt_], sizeof count);
        ++count;
        std::memcpy(&bytes_[countAt_], &count, sizeof count);
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

private:
    template <class T> void Put(T value) {
        const unsigned char* p = reinterpret_cast<const unsigned char*>(&value);
        bytes_.insert(bytes_.end(), p, p + sizeof value);
    }
    void PutText(const char* text) {
        for (const char* c = text; *c; ++c)
            Put(static_cast<WORD>(static_cast<unsigned char>(*c)));
        Put(static_cast<WORD>(0));
    }
    void Align() {
        while (bytes_.size() % 4)
            bytes_.push_back(0);
    }

    std::vector<unsigned char> bytes_;
    size_t countAt_ = 0;
};

INT_PTR CALLBACK OptionsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        for (const std::string& line :
             OptionsDialogLines(*reinterpret_cast<OptionsDialogHost*>(lParam)))
            SendDlgItemMessageA(dialog, kOptionsListId, LB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(line.c_str()));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        break;
    }
    return FALSE;
}
} // namespace

std::vector<std::string> OptionsDialogLines(OptionsDialogHost& chapters) {
    std::vector<std::string> lines;
    for (size_t c = 0; c < chapters.ChapterCount(); ++c) {
        ide::IMpdChapter* chapter = chapters.Chapter(c);
        int32_t count = chapter->GetPageCount();
        lines.push_back("Chapter " + std::to_string(c + 1) + " (" + std::to_string(count) +
                        (count == 1 ? " page)" : " pages)"));
        for (int32_t n = 1; n <= count; ++n) {
            ide::IMpdPage* page = chapter->GetPage(n);
            if (!page) continue;
            std::string title = "(untitled)";
            if (ide::HostString* text = page->GetTitle()) {
                title = text->GetText();
                text->Release();
            }
            page->Release();
            lines.push_back("    " + title);
        }
    }
    if (lines.empty()) lines.push_back("No chapters");
    return lines;
}

int ShowOptionsDialog(HWND owner, OptionsDialogHost& chapters) {
    DialogTemplate dialog(kOptionsDialogTitle,
                          DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 240, 170);
    dialog.Add(0x83, kOptionsListId, "", WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 7, 7, 226,
               134);
    dialog.Add(0x80, IDOK, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 129, 149, 50, 14);
    dialog.Add(0x80, IDCANCEL, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 183, 149, 50, 14);
    return static_cast<int>(DialogBoxIndirectParamA(
        ModuleInstance(), dialog.Get(), owner, OptionsProc, reinterpret_cast<LPARAM>(&chapters)));
}

} // namespace host
} // namespace qelvo
