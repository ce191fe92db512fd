// The IDE's environment options dialog: an add-on hands it a chapter of pages; the IDE shows
// each page's dialog and drives it through IMpdPage.
#pragma once

#include "ide/ide_base.h"

namespace qelvo {
namespace ide {

// The options dialog's side of an attached page.
struct IMpdPageSite : IUnknown {
    static constexpr IdeGuid kId = ChosenGuid(0x0a);

    // 3; shows the text in the dialog's description line; takes it over.
    virtual void QELVO_IDECALL ShowDescription(HostString* text) = 0;

protected:
    ~IMpdPageSite() = default;
};

// One page of a chapter.
struct IMpdPage : IUnknown {
    static constexpr IdeGuid kId = ChosenGuid(0x09);

    // 3; the page's dialog window (an HWND) and the site; the page keeps both.
    virtual void QELVO_IDECALL Attach(void* dialogWindow, IMpdPageSite* site) = 0;
    virtual IdeBool QELVO_IDECALL Validate() = 0;   // 4; 1 lets the IDE apply the page
    virtual void QELVO_IDECALL Load() = 0;          // 5
    virtual void QELVO_IDECALL Save() = 0;          // 6
    virtual IdeBool QELVO_IDECALL IsModified() = 0; // 7
    virtual void QELVO_IDECALL Reset() = 0;         // 8
    // 9; a WM_COMMAND of the page's dialog: control id, control window, notification code.
    virtual void QELVO_IDECALL OnCommand(int32_t controlId, void* controlWindow,
                                         int32_t notification) = 0;
    virtual void* QELVO_IDECALL GetInstance() = 0;    // 10; the module holding the dialog
    virtual int32_t QELVO_IDECALL GetDialogId() = 0;  // 11
    virtual HostString* QELVO_IDECALL GetTitle() = 0; // 12; a new string for the IDE
    virtual int32_t QELVO_IDECALL GetFlags() = 0;     // 13
    virtual void QELVO_IDECALL ShowHelp() = 0;        // 14
    virtual void QELVO_IDECALL ShowDescription() = 0; // 15

protected:
    ~IMpdPage() = default;
};

// A chapter of pages.
struct IMpdChapter : IUnknown {
    static constexpr IdeGuid kId = ChosenGuid(0x08);

    QELVO_IDE_RESERVED(3)
    // 4; the page whose dialog has that id, with a reference; null when none.
    virtual IMpdPage* QELVO_IDECALL GetPageById(int32_t dialogId) = 0;
    virtual int32_t QELVO_IDECALL GetPageCount() = 0; // 5
    // 6; page n counted from 1, with a reference; null for 0 or beyond the count.
    virtual IMpdPage* QELVO_IDECALL GetPage(int32_t n) = 0;
    QELVO_IDE_RESERVED(7)

protected:
    ~IMpdChapter() = default;
};

// The options dialog (service 707240c8-...).
struct OptionsDialogService : IUnknown {
    static constexpr IdeGuid kId = IdeServiceGuid(0xc8);

    // 3; the IDE keeps a reference to the chapter until it is removed; reserved is 0.
    virtual IdeBool QELVO_IDECALL AddChapter(IMpdChapter* chapter, int32_t reserved) = 0;
    virtual IdeBool QELVO_IDECALL RemoveChapter(IMpdChapter* chapter) = 0; // 4

protected:
    ~OptionsDialogService() = default;
};

} // namespace ide
} // namespace qelvo
