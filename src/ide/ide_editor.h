// The IDE's editors: the file reader that sees an editor's unsaved text, and the editor
// service that moves the caret, reads and inserts text and saves views.
#pragma once

#include "ide/ide_base.h"

namespace qelvo {
namespace ide {

// Reader modes.
enum : int32_t {
    kReadCurrentText = 0,  // the editor's text when the file is open in one, else the file on disk
    kReadEditorBuffer = 2, // the editor's text only; fails when no editor holds the file
};
enum : int32_t { kSeekStart = 0, kSeekEnd = 2 };

// A file's current text (a new one comes from IdeServices::NewHostFileReader).
struct HostFileReader : IUnknown {
    static constexpr IdeGuid kId = ChosenGuid(0x03);

    virtual void QELVO_IDECALL SetFileName(HostString* fileName) = 0; // 3; takes it over
    QELVO_IDE_RESERVED(4)
    // 5; kIdeOk (0) when an editor holds the file, kIdeFalse otherwise.
    virtual IdeResult QELVO_IDECALL QueryOpenInEditor() = 0;
    QELVO_IDE_RESERVED(6)
    virtual IdeBool QELVO_IDECALL Open(int32_t mode) = 0; // 7
    // 8; at most 32000 bytes; answers the count read, 0 at the end, -1 when not open.
    virtual int32_t QELVO_IDECALL Read(void* buffer, int32_t count) = 0;
    QELVO_IDE_RESERVED(9)
    // 10; answers the new position, -1 when not open or out of range.
    virtual int32_t QELVO_IDECALL Seek(int32_t offset, int32_t origin) = 0;
    virtual void QELVO_IDECALL Close() = 0; // 11

protected:
    ~HostFileReader() = default;
};

enum : int32_t { kViewIsEditor = 1 };

// The IDE's editor views (service 707240d0-...). Between BeginAccess and EndAccess the
// operations without a view act on the view last selected. Lines and columns count from 1.
struct EditorService : IUnknown {
    static constexpr IdeGuid kId = IdeServiceGuid(0xd0);

    virtual void QELVO_IDECALL BeginAccess() = 0; // 3
    virtual void QELVO_IDECALL EndAccess() = 0;   // 4
    virtual void QELVO_IDECALL Update() = 0;      // 5
    QELVO_IDE_RESERVED(6)
    QELVO_IDE_RESERVED(7)
    QELVO_IDE_RESERVED(8)
    QELVO_IDE_RESERVED(9)
    QELVO_IDE_RESERVED(10)
    QELVO_IDE_RESERVED(11)
    QELVO_IDE_RESERVED(12)
    QELVO_IDE_RESERVED(13)
    QELVO_IDE_RESERVED(14)
    QELVO_IDE_RESERVED(15)
    QELVO_IDE_RESERVED(16)
    QELVO_IDE_RESERVED(17)
    QELVO_IDE_RESERVED(18)
    // 19; the second half of going to a line: brings that line into view.
    virtual void QELVO_IDECALL ScrollToLine(int32_t line) = 0;
    QELVO_IDE_RESERVED(20)
    // 21; the view of that file, or the first view when the name is null; 0 when none.
    // Takes over the name.
    virtual IdeView QELVO_IDECALL FindView(HostString* fileName) = 0;
    QELVO_IDE_RESERVED(22)
    virtual int32_t QELVO_IDECALL ViewKind(IdeView view) = 0;         // 23; kViewIsEditor
    virtual HostString* QELVO_IDECALL ViewFileName(IdeView view) = 0; // 24; a new string
    virtual void QELVO_IDECALL CaretPosition(int32_t* line, int32_t* column) = 0; // 25
    QELVO_IDE_RESERVED(26)
    virtual void QELVO_IDECALL InsertText(HostString* text) = 0; // 27; at the caret; takes it over
    QELVO_IDE_RESERVED(28)
    virtual void QELVO_IDECALL SetCaret(int32_t line, int32_t column) = 0; // 29
    QELVO_IDE_RESERVED(30)
    // 31; the view after this one, back to the first after the last.
    virtual IdeView QELVO_IDECALL NextView(IdeView view) = 0;
    QELVO_IDE_RESERVED(32)
    QELVO_IDE_RESERVED(33)
    QELVO_IDE_RESERVED(34)
    QELVO_IDE_RESERVED(35)
    QELVO_IDE_RESERVED(36)
    // 37; the caret line's text, at most maxChars characters; a new string.
    virtual HostString* QELVO_IDECALL CaretLineText(int32_t maxChars) = 0;
    QELVO_IDE_RESERVED(38)
    QELVO_IDE_RESERVED(39)
    QELVO_IDE_RESERVED(40)
    virtual IdeBool QELVO_IDECALL SaveView(IdeView view) = 0; // 41
    QELVO_IDE_RESERVED(42)
    QELVO_IDE_RESERVED(43)
    virtual void QELVO_IDECALL SelectView(IdeView view) = 0; // 44
    // 45; the first half of going to a line: the caret to (line, column).
    virtual void QELVO_IDECALL GotoLine(int32_t line, int32_t column) = 0;

protected:
    ~EditorService() = default;
};

} // namespace ide
} // namespace qelvo
