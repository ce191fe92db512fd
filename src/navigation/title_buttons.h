// The three buttons painted into every editor's caption: where they stand and which one a
// click hits. All arithmetic is on 16-bit signed values, as the caption's coordinates are.
#pragma once

#include <cstdint>

namespace qelvo {

struct TitleButtonGeometry {
    int16_t rightOffset; // from the window's right edge to the right end of the three buttons
    int16_t top;         // from the window's top edge
    int16_t width, height;
    int16_t popupDown, popupRight; // extra pixels for the popup's position

    static TitleButtonGeometry ForShell(bool newShell);
};

enum TitleButton { kNoButton = -1, kFunctionsButton = 0, kIncludesButton = 1, kQuickFindButton = 2 };

struct ScreenRect {
    int16_t left, top, right, bottom;
};

// Where the first button starts, in the coordinates of the given rectangle: on the right side,
// or with leftSide after the caption's text (captionTextWidth, measured in the system font) on
// the new shell when that is further left, at 23 on the old shell.
int16_t FirstButtonX(const TitleButtonGeometry& g, const ScreenRect& window, bool leftSide,
                     bool newShell, int captionTextWidth);

// The button under the screen point (x, y) of a window whose rectangle is given in screen
// coordinates; on a hit (x, y) become the screen point where its popup opens.
int HitTestTitleButtons(const TitleButtonGeometry& g, const ScreenRect& window, bool leftSide,
                        bool newShell, int captionTextWidth, int captionHeight, int16_t& x,
                        int16_t& y);

} // namespace qelvo
