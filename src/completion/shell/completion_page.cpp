#include "completion/shell/completion_page.h"

#include "completion/keyword_completion.h"
#include "core/shell/key_capture.h"
#include "core/shell/page_controls.h"
#include "platform/platform.h"

#include <commdlg.h>

#include <cstring>
#include <vector>

namespace qelvo {

namespace {
const ControlHint kHints[] = {
    {1010, "Activate keyword completion"},
    {1099, "Choose a new key code"},
    {1015, "Add a new keyword file"},
    {1017, "Extract a keyword file from a text file and add it"},
    {1016, "Remove selected keyword file"},
};
constexpr int kList = 1011;
constexpr int kMaxCaption = 78, kMaxKeyTextSaved = 98;
} // namespace

CompletionPage::CompletionPage()
    : AddonPageBase(106, 1, "Keyword completion", 16, "Set keyword completion options", kHints,
                    sizeof kHints / sizeof kHints[0]) {}

void CompletionPage::LoadControls() {
    if (!Completion) return;
    SetPageCheck(*this, 1010, Completion->settings.enabled);
    SetPageNumber(*this, 1012, Completion->settings.keyCode);
    SetPageText(*this, 1099, Completion->settings.textCode.c_str());
    HWND list = PageItem(*this, kList);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < Completion->files.count; ++i)
        SendMessageA(list, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(static_cast<char*>(*Completion->files.At(i))));
    if (Completion->files.count > 0) SendMessageA(list, LB_SETCURSEL, 0, 0);
}

void CompletionPage::SaveControls() {
    if (!Completion) return;
    Completion->settings.enabled = PageChecked(*this, 1010);
    int code = 0;
    if (ReadPageNumber(*this, 1012, false, code)) Completion->settings.keyCode = code;
    Completion->settings.textCode = ReadPageText(*this, 1099, kMaxKeyTextSaved);
    HWND list = PageItem(*this, kList);
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    Completion->ClearKeywords();
    for (int i = 0; i < count; ++i) {
        std::vector<char> path(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)) + 1);
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(path.data()));
        Completion->AddKeywordFile(path.data());
    }
    if (count > 0) Completion->SortKeywords();
}

void CompletionPage::Notify(int32_t controlId, int32_t notification) {
    if (notification != kNotifyClicked) return;
    char path[260] = "";
    switch (controlId) {
    case 1099:
        ChooseCompletionKey();
        break;
    case 1015:
        if (AskFile("Open a keyword file...", path)) InsertFile(path);
        break;
    case 1017:
        if (AskFile("Open a source file...", path) && Completion) {
            String file(path);
            if (!Completion->ExtractKeywords(file)) {
                platform::ShowMessage("Impossible to extract keywords", "Warning",
                                      platform::kMbOk | platform::kMbIconStop, dialogWindow);
                break;
            }
            InsertFile(file);
        }
        break;
    case 1016:
        RemoveSelectedFile();
        break;
    }
}

void CompletionPage::ChooseCompletionKey() {
    int code = 0;
    ReadPageNumber(*this, 1012, false, code);
    char text[kMaxKeyText + 1] = "";
    GetWindowTextA(PageItem(*this, 1099), text, kMaxCaption + 1);
    if (!ChooseKey(PageDialog(*this), code, text)) return;
    SetPageNumber(*this, 1012, code);
    SetPageText(*this, 1099, text);
    modified = 1;
}

bool CompletionPage::AskFile(const char* title, char (&path)[260]) {
    OPENFILENAMEA ask = {};
    ask.lStructSize = sizeof ask;
    ask.hwndOwner = PageDialog(*this);
    ask.lpstrFilter = "Any file\0*.*\0";
    ask.lpstrFile = path;
    ask.nMaxFile = sizeof path;
    ask.lpstrTitle = title;
    ask.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    return GetOpenFileNameA(&ask) != 0;
}

void CompletionPage::InsertFile(const char* path) {
    HWND list = PageItem(*this, kList);
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    SendMessageA(list, LB_INSERTSTRING, selected == LB_ERR ? static_cast<WPARAM>(-1) : selected,
                 reinterpret_cast<LPARAM>(path));
    modified = 1;
}

void CompletionPage::RemoveSelectedFile() {
    HWND list = PageItem(*this, kList);
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return;
    if (platform::ShowMessage("Ok to remove this file ?", "Warning",
                              platform::kMbYesNo | platform::kMbIconQuestion) != platform::kIdYes)
        return;
    SendMessageA(list, LB_DELETESTRING, selected, 0);
    modified = 1;
}

} // namespace qelvo
