#include "options_dialog.h"

#include "win32/dialog.h"
#include "win32/dialog_template.h"
#include "win_support.h"

#include <commctrl.h>

#include <memory>

namespace qelvo {
namespace host {

namespace {

std::string PageTitle(ide::IMpdPage* page) {
    std::string title = "(untitled)";
    if (ide::HostString* text = page->GetTitle()) {
        title = text->GetText();
        text->Release();
    }
    return title;
}

// The dialog's side of an attached page: its description line.
class DescriptionSite final : public ide::IMpdPageSite {
public:
    HWND line = nullptr;
    ide::IdeResult QELVO_IDECALL QueryInterface(const ide::IdeGuid& id, void** out) override {
        if (!out) return ide::kIdeNoInterface;
        *out = AnswersQuery<ide::IMpdPageSite>(id) ? this : nullptr;
        return *out ? ide::kIdeOk : ide::kIdeNoInterface;
    }
    // Lives as long as the dialog, which outlives every page's use of it.
    uint32_t QELVO_IDECALL AddRef() override { return 2; }
    uint32_t QELVO_IDECALL Release() override { return 1; }
    void QELVO_IDECALL ShowDescription(ide::HostString* text) override {
        if (!text) return;
        SetWindowTextA(line, text->GetText());
        text->Release(); // taken over
    }
};

class OptionsDialog;

// One page in the tree: a reference to it, and its dialog once made.
struct PageEntry {
    OptionsDialog* owner = nullptr;
    ide::IMpdPage* page = nullptr;
    HTREEITEM item = nullptr;
    HWND window = nullptr;
    ~PageEntry() {
        if (page) page->Release();
    }
};

INT_PTR CALLBACK PageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

class OptionsDialog final : public win32::Dialog {
public:
    explicit OptionsDialog(OptionsDialogHost& chapters) : chapters_(chapters) {}
    int Run(HWND owner);
    void ShowHelp();

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnInit();
    void OnCommand(int id);
    void OnNotify(const NMHDR& header);
    void Select(PageEntry* entry);
    bool MakePage(PageEntry& entry);
    void OnOk();
    void OnCancel();

    OptionsDialogHost& chapters_;
    std::vector<std::unique_ptr<PageEntry>> entries_;
    PageEntry* shown_ = nullptr;
    DescriptionSite site_;
    HWND tree_ = nullptr;
};

// Page dialogs are 210 dialog units wide and up to 182 high; the tree takes 120 on their left.
constexpr short kTreeWidth = 120, kPageX = 133, kPageWidth = 210, kPageHeight = 182;
constexpr short kWidth = kPageX + kPageWidth + 7, kDescY = 7 + kPageHeight + 4,
                kButtonsY = kDescY + 16, kHeight = kButtonsY + 21;

int OptionsDialog::Run(HWND owner) {
    // Made in memory: the stand-in's windows live in a static library, which has no resources.
    win32::DialogTemplate layout(kOptionsDialogTitle,
                                 DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                 kWidth, kHeight);
    layout.Add(win32::kStaticControl, kOptionsDescriptionId, "", SS_LEFT | SS_SUNKEN, 7, kDescY,
               kWidth - 14, 12);
    layout.Add(win32::kButtonControl, IDOK, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, kWidth - 169,
               kButtonsY, 50, 14);
    layout.Add(win32::kButtonControl, IDCANCEL, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, kWidth - 113,
               kButtonsY, 50, 14);
    layout.Add(win32::kButtonControl, IDHELP, "Help", BS_PUSHBUTTON | WS_TABSTOP, kWidth - 57,
               kButtonsY, 50, 14);
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
    case WM_NOTIFY:
        OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        return TRUE;
    case WM_HELP:
        ShowHelp();
        return TRUE;
    }
    return FALSE;
}

void OptionsDialog::OnInit() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    RECT box = {7, 7, kTreeWidth, kPageHeight};
    MapDialogRect(Handle(), &box);
    tree_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS |
                                TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                            box.left, box.top, box.right, box.bottom, Handle(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kOptionsTreeId)),
                            ModuleInstance(), nullptr);
    site_.line = GetDlgItem(Handle(), kOptionsDescriptionId);
    // A page flagged 4096 heads its chapter; the chapter's other pages go under it.
    for (size_t c = 0; c < chapters_.ChapterCount(); ++c) {
        ide::IMpdChapter* chapter = chapters_.Chapter(c);
        HTREEITEM head = TVI_ROOT;
        for (int32_t n = 1; n <= chapter->GetPageCount(); ++n) {
            ide::IMpdPage* page = chapter->GetPage(n);
            if (!page) continue;
            std::unique_ptr<PageEntry> entry(new PageEntry);
            entry->owner = this;
            entry->page = page;
            std::string title = PageTitle(page);
            const bool heads = (page->GetFlags() & 4096) != 0;
            TVINSERTSTRUCTA insert = {};
            insert.hParent = heads ? TVI_ROOT : head;
            insert.hInsertAfter = TVI_LAST;
            insert.item.mask = TVIF_TEXT | TVIF_PARAM;
            insert.item.pszText = &title[0];
            insert.item.lParam = reinterpret_cast<LPARAM>(entry.get());
            entry->item = reinterpret_cast<HTREEITEM>(
                SendMessageA(tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
            if (heads) head = entry->item;
            entries_.push_back(std::move(entry));
        }
        if (head != TVI_ROOT)
            SendMessageA(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(head));
    }
    if (!entries_.empty())
        SendMessageA(tree_, TVM_SELECTITEM, TVGN_CARET,
                     reinterpret_cast<LPARAM>(entries_.front()->item));
}

void OptionsDialog::OnCommand(int id) {
    switch (id) {
    case IDOK:
        OnOk();
        break;
    case IDCANCEL:
        OnCancel();
        break;
    case IDHELP:
        ShowHelp();
        break;
    }
}

void OptionsDialog::OnNotify(const NMHDR& header) {
    if (header.idFrom != kOptionsTreeId || header.code != TVN_SELCHANGEDA) return;
    const NMTREEVIEWA& change = reinterpret_cast<const NMTREEVIEWA&>(header);
    Select(reinterpret_cast<PageEntry*>(change.itemNew.lParam));
}

void OptionsDialog::Select(PageEntry* entry) {
    if (shown_ && shown_->window) {
        ShowWindow(shown_->window, SW_HIDE);
        SetWindowLongPtrA(shown_->window, GWLP_ID, 0);
    }
    shown_ = entry;
    if (!entry) return;
    if (!entry->window && !MakePage(*entry)) {
        SetWindowTextA(site_.line, "");
        return;
    }
    SetWindowLongPtrA(entry->window, GWLP_ID, kOptionsPageId);
    ShowWindow(entry->window, SW_SHOW);
    entry->page->ShowDescription();
}

bool OptionsDialog::MakePage(PageEntry& entry) {
    HINSTANCE module = static_cast<HINSTANCE>(entry.page->GetInstance());
    HWND window = CreateDialogParamA(module, MAKEINTRESOURCEA(entry.page->GetDialogId()), Handle(),
                                     PageProcedure, reinterpret_cast<LPARAM>(&entry));
    if (!window) return false;
    RECT at = {kPageX, 7, 0, 0};
    MapDialogRect(Handle(), &at);
    SetWindowPos(window, nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    entry.window = window;
    // Attached when its dialog is made, then loaded, as the IDE does.
    entry.page->Attach(window, &site_);
    entry.page->Load();
    return true;
}

void OptionsDialog::ShowHelp() {
    if (shown_ && shown_->window) shown_->page->ShowHelp();
}

void OptionsDialog::OnOk() {
    // Every page made is validated first; a refusal shows that page and keeps the dialog.
    for (const std::unique_ptr<PageEntry>& entry : entries_) {
        if (!entry->window || entry->page->Validate()) continue;
        SendMessageA(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(entry->item));
        return;
    }
    for (const std::unique_ptr<PageEntry>& entry : entries_)
        if (entry->window) entry->page->Save();
    End(IDOK);
}

void OptionsDialog::OnCancel() {
    for (const std::unique_ptr<PageEntry>& entry : entries_)
        if (entry->window) entry->page->Reset();
    End(IDCANCEL);
}

// A page's dialog hands its commands to its page; F1 asks for the shown page's help.
INT_PTR CALLBACK PageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        return FALSE;
    case WM_COMMAND:
        if (PageEntry* entry = reinterpret_cast<PageEntry*>(GetWindowLongPtrA(window, DWLP_USER)))
            entry->page->OnCommand(LOWORD(wParam), reinterpret_cast<void*>(lParam), HIWORD(wParam));
        return TRUE;
    case WM_HELP:
        if (PageEntry* entry = reinterpret_cast<PageEntry*>(GetWindowLongPtrA(window, DWLP_USER)))
            entry->owner->ShowHelp();
        return TRUE;
    }
    return FALSE;
}

} // namespace

std::vector<std::string> OptionsDialogLines(OptionsDialogHost& chapters) {
    std::vector<std::string> lines;
    for (size_t c = 0; c < chapters.ChapterCount(); ++c) {
        ide::IMpdChapter* chapter = chapters.Chapter(c);
        for (int32_t n = 1; n <= chapter->GetPageCount(); ++n) {
            ide::IMpdPage* page = chapter->GetPage(n);
            if (!page) continue;
            lines.push_back(PageTitle(page));
            page->Release();
        }
    }
    return lines;
}

int ShowOptionsDialog(HWND owner, OptionsDialogHost& chapters) {
    OptionsDialog dialog(chapters);
    return dialog.Run(owner);
}

} // namespace host
} // namespace qelvo
