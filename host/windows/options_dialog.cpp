#include "options_dialog.h"

#include "win32/dialog.h"
#include "win32/dialog_template.h"
#include "win_support.h"

namespace qelvo {
namespace host {

namespace {
class OptionsDialog final : public win32::Dialog {
public:
    explicit OptionsDialog(OptionsDialogHost& chapters) : chapters_(chapters) {}
    int Run(HWND owner);

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnInit();
    void OnCommand(int id);

    OptionsDialogHost& chapters_;
};

int OptionsDialog::Run(HWND owner) {
    // Made in memory: the stand-in's windows live in a static library, which has no resources.
    win32::DialogTemplate layout(kOptionsDialogTitle,
                                 DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                 240, 170);
    layout.Add(win32::kListBoxControl, kOptionsListId, "",
               WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 7, 7, 226, 134);
    layout.Add(win32::kButtonControl, IDOK, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 129, 149, 50, 14);
    layout.Add(win32::kButtonControl, IDCANCEL, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 183, 149, 50,
               14);
    return static_cast<int>(RunModal(ModuleInstance(), layout.Get(), owner));
}

INT_PTR OptionsDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInit();
        return TRUE;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

void OptionsDialog::OnInit() {
    for (const std::string& line : OptionsDialogLines(chapters_))
        SendDlgItemMessageA(Handle(), kOptionsListId, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(line.c_str()));
}

void OptionsDialog::OnCommand(int id) {
    if (id == IDOK || id == IDCANCEL) End(id);
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
    OptionsDialog dialog(chapters);
    return dialog.Run(owner);
}

} // namespace host
} // namespace qelvo
