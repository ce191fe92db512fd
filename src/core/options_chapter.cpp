#include "core/options_chapter.h"

#include "core/globals.h"
#include "core/help.h"

#include <cstring>
#include <new>

namespace qelvo {

const char kPageErrorTitle[] = "Qelvo Addon error";

void (*BuildOptionPages)(IMpdChapterAddon& chapter) = nullptr;
void (*RebuildAddonBar)() = nullptr;
MpdTest* OptionsChapter = nullptr;

AddonPageBase::AddonPageBase(int32_t dialogId, int32_t flags, const char* title,
                             unsigned long helpContext, const char* description,
                             const ControlHint* hints, int hintCount)
    : dialogId(dialogId), flags(flags), title(title), helpContext(helpContext),
      description(description), hints_(hints), hintCount_(hintCount) {}

AddonPageBase::~AddonPageBase() = default;

void QELVO_IDECALL AddonPageBase::Attach(void* dialog, ide::IMpdPageSite* pageSite) {
    dialogWindow = dialog;
    site = pageSite;
    modified = 0;
}

ide::IdeBool QELVO_IDECALL AddonPageBase::Validate() {
    try {
        return CheckControls() ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

void QELVO_IDECALL AddonPageBase::Load() {
    // Filling an edit reports a text change; loading is not a change of the user's.
    const int before = modified;
    try {
        LoadControls();
    } catch (...) {
    }
    modified = before;
}

void QELVO_IDECALL AddonPageBase::Save() {
    try {
        SaveControls();
    } catch (...) {
    }
}

void QELVO_IDECALL AddonPageBase::Reset() {
    Load();
    modified = 0;
}

void QELVO_IDECALL AddonPageBase::OnCommand(int32_t controlId, void*, int32_t notification) {
    try {
        NoteCommand(controlId, notification);
        Notify(controlId, notification);
    } catch (...) {
    }
}

void AddonPageBase::NoteCommand(int32_t controlId, int32_t notification) {
    switch (notification) {
    case kNotifyButtonFocus:
    case kNotifyEditFocus:
        if (const char* hint = HintOf(controlId)) ShowHint(hint);
        break;
    case kNotifyClicked:
    case kNotifyEditChange:
        if (Marks(controlId)) modified = 1;
        break;
    }
}

void* QELVO_IDECALL AddonPageBase::GetInstance() {
    return Environment ? Environment->instance : nullptr;
}

ide::HostString* QELVO_IDECALL AddonPageBase::GetTitle() {
    return ide::MakeHostString(Services, title);
}

void QELVO_IDECALL AddonPageBase::ShowHelp() {
    if (Help) Help->ShowHelp(helpContext);
}

void AddonPageBase::ShowHint(const char* text) {
    if (!site || !text) return;
    if (ide::HostString* s = ide::MakeHostString(Services, text)) site->ShowDescription(s);
}

const char* AddonPageBase::HintOf(int32_t controlId) const {
    for (int i = 0; i < hintCount_; ++i)
        if (hints_[i].controlId == controlId) return hints_[i].text;
    return nullptr;
}

IMpdChapterAddon::IMpdChapterAddon() {
    // The pages are counted objects: the chapter releases them rather than deleting them.
    pages.owns = 0;
}

IMpdChapterAddon::~IMpdChapterAddon() {
    for (int i = 0; i < pages.count; ++i)
        pages.At(i)->Release();
    pages.RemoveRange(0, 0);
}

// Page n shows dialog 102 + n; while a page of the table is not built, the pages after it are
// still found by their own dialogs.
ide::IMpdPage* QELVO_IDECALL IMpdChapterAddon::GetPageById(int32_t dialogId) {
    const int32_t at = dialogId - kFirstDialogId;
    if (at >= 0 && at < pages.count && pages.At(at)->dialogId == dialogId) return GetPage(at + 1);
    for (int i = 0; i < pages.count; ++i)
        if (pages.At(i)->dialogId == dialogId) return GetPage(i + 1);
    return nullptr;
}

ide::IMpdPage* QELVO_IDECALL IMpdChapterAddon::GetPage(int32_t n) {
    if (n < 1 || n > pages.count) return nullptr;
    AddonPageBase* page = pages.At(n - 1);
    page->AddRef();
    return page;
}

void IMpdChapterAddon::BuildPages(void (*build)(IMpdChapterAddon& chapter)) {
    if (build) build(*this);
}

void IMpdChapterAddon::AddPage(AddonPageBase* page) {
    if (page) pages.Append(page);
}

MpdTest::MpdTest(ide::IdeServices* services) {
    service_ = ide::QueryService<ide::OptionsDialogService>(services);
    if (!service_) return;
    chapter = new (std::nothrow) IMpdChapterAddon();
    if (!chapter) return;
    chapter->BuildPages(BuildOptionPages);
    // This object keeps the chapter's first reference; the IDE adds its own while it holds it.
    service_->AddChapter(chapter, 0);
}

MpdTest::~MpdTest() {
    Withdraw();
    if (service_) service_->Release();
}

void MpdTest::Withdraw() {
    if (!chapter) return;
    if (service_) service_->RemoveChapter(chapter);
    chapter->Release();
    chapter = nullptr;
}

} // namespace qelvo
