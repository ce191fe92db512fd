// The add-on's chapter in the IDE's environment options dialog: the page protocol every options
// page follows (AddonPageBase), the chapter that holds the pages in table order, and MpdTest,
// which hands the chapter to the IDE's OptionsDialogService. The pages themselves live in the
// shell/ of the feature whose settings they edit; the composition root names them all.
#pragma once

#include "foundation/qstring.h"
#include "foundation/tableau.h"
#include "ide/ide_options_dialog.h"
#include "ide/ide_services.h"

namespace qelvo {

// The refusals' title.
extern const char kPageErrorTitle[]; // "Qelvo Addon error"

// Notification codes the pages act on (those of buttons, edits and list boxes).
enum PageNotification : int32_t {
    kNotifyClicked = 0,      // a button clicked
    kNotifySelChange = 1,    // a list box's selection changed
    kNotifyButtonFocus = 6,  // a button got the focus
    kNotifyEditFocus = 256,  // an edit got the focus
    kNotifyEditChange = 768, // an edit's text changed
};

// A control's description, shown in the options dialog's description line.
struct ControlHint {
    int32_t controlId;
    const char* text;
};

// One page of the chapter. A page derives from it and gives LoadControls, SaveControls and, when
// it checks its values, CheckControls; the IDE's calls reach them without letting an exception
// out.
class AddonPageBase : public Basic, public ide::IUnknownImp<ide::IMpdPage> {
public:
    AddonPageBase(int32_t dialogId, int32_t flags, const char* title, unsigned long helpContext,
                  const char* description, const ControlHint* hints = nullptr, int hintCount = 0);
    AddonPageBase(const AddonPageBase&) = delete;
    AddonPageBase& operator=(const AddonPageBase&) = delete;

    void QELVO_IDECALL Attach(void* dialog, ide::IMpdPageSite* pageSite) override;
    ide::IdeBool QELVO_IDECALL Validate() override;
    void QELVO_IDECALL Load() override;
    void QELVO_IDECALL Save() override;
    ide::IdeBool QELVO_IDECALL IsModified() override { return modified; }
    void QELVO_IDECALL Reset() override;
    // Hints on focus, modified on a click or a text change, then the page's own Notify.
    void QELVO_IDECALL OnCommand(int32_t controlId, void* controlWindow,
                                 int32_t notification) override;
    void* QELVO_IDECALL GetInstance() override;
    int32_t QELVO_IDECALL GetDialogId() override { return dialogId; }
    ide::HostString* QELVO_IDECALL GetTitle() override;
    int32_t QELVO_IDECALL GetFlags() override { return flags; }
    void QELVO_IDECALL ShowHelp() override;
    void QELVO_IDECALL ShowDescription() override { ShowHint(description); }

    // Hands the text to the site's description line.
    void ShowHint(const char* text);
    // The control's hint, or null when it has none.
    const char* HintOf(int32_t controlId) const;

    operator char*() override { return title; }

    int modified = 0;
    void* dialogWindow = nullptr;
    ide::IMpdPageSite* site = nullptr; // borrowed: the options dialog outlives its pages' use
    int32_t dialogId;
    int32_t flags;
    String title;
    unsigned long helpContext;
    const char* description;

protected:
    ~AddonPageBase() override;
    virtual bool CheckControls() { return true; }
    virtual void LoadControls() {}
    virtual void SaveControls() {}
    virtual void Notify(int32_t /*controlId*/, int32_t /*notification*/) {}
    // Whether a click or text change of the control marks the page modified.
    virtual bool Marks(int32_t /*controlId*/) const { return true; }

private:
    void NoteCommand(int32_t controlId, int32_t notification);
    const ControlHint* hints_;
    int hintCount_;
};

// The chapter: the pages in table order; page n's dialog is 102 + n.
class IMpdChapterAddon final : public ide::IUnknownImp<ide::IMpdChapter> {
public:
    static constexpr int32_t kFirstDialogId = 102;

    IMpdChapterAddon();
    IMpdChapterAddon(const IMpdChapterAddon&) = delete;
    IMpdChapterAddon& operator=(const IMpdChapterAddon&) = delete;

    ide::IMpdPage* QELVO_IDECALL GetPageById(int32_t dialogId) override;
    int32_t QELVO_IDECALL GetPageCount() override { return pages.count; }
    ide::IMpdPage* QELVO_IDECALL GetPage(int32_t n) override;

    // Fills the pages with the builder the composition root gives (null: no page).
    void BuildPages(void (*build)(IMpdChapterAddon& chapter));
    // Appends a page, which the chapter then holds (a null page, whose creation failed, is
    // skipped).
    void AddPage(AddonPageBase* page);

    // The chapter holds one reference to each page; releasing the chapter releases them.
    Ensemble<AddonPageBase> pages;

private:
    ~IMpdChapterAddon() override;
};

// What the composition root gives to build the pages (set by the add-on's shell).
extern void (*BuildOptionPages)(IMpdChapterAddon& chapter);
// The bar's menus made again, for pages whose values change what the bar offers (set by the
// add-on's shell; null: nothing).
extern void (*RebuildAddonBar)();

// The registration of the chapter with the IDE's options dialog.
class MpdTest {
public:
    // Asks for the OptionsDialogService, builds the chapter and adds it; nothing without the
    // service.
    explicit MpdTest(ide::IdeServices* services);
    // Withdraws the chapter, so the IDE keeps no page of an add-on that is unloaded.
    ~MpdTest();
    MpdTest(const MpdTest&) = delete;
    MpdTest& operator=(const MpdTest&) = delete;

    // Removes the chapter from the service, releases it and forgets it.
    void Withdraw();

    IMpdChapterAddon* chapter = nullptr;

private:
    ide::OptionsDialogService* service_ = nullptr;
};

// The registration; null while it does not exist.
extern MpdTest* OptionsChapter;

} // namespace qelvo
