// The three caption buttons painted over an editor's caption, after the IDE has drawn it.
#pragma once

#include "navigation/title_buttons.h"

#include <windows.h>

namespace qelvo {

// What the painting needs to know besides the device context.
struct TitlePaint {
    HINSTANCE module;         // where the bitmaps are
    const char* const* names; // the three bitmaps' resource names, in button order
    TitleButtonGeometry geometry;
    bool leftSide, newShell;
    int captionTextWidth; // used with leftSide on the new shell
};

// Paints into dc, whose origin is the window's top-left corner (caption included); window is
// the window's whole rectangle in those coordinates. Each bitmap is copied as it is, 24 x 18.
void PaintTitleButtons(HDC dc, const RECT& window, const TitlePaint& paint);

// Paints the buttons of an editor window with the editor menu's settings (command 111).
void PaintTitleButtons(HWND editor);

// Has every editor below the frame's MDI client draw its caption again (hidden and shown
// without activation), so a change of "Enabled" or of the buttons' side shows at once.
void RefreshEditorFrames();

} // namespace qelvo
