// The copies' progress bar, painted straight into a window of the IDE (the frame's): blue with
// the label in white over the done part, light grey with the label in black over the rest.
// Shared by the project delivery and the groupware transfers.
#pragma once

#include "core/delivered_copy.h"
#include "win32/handles.h"

#include <windows.h>

namespace qelvo {

// Paints the bar into dc with the variable-pitch system font and a transparent background;
// the DC's colour, background mode and font are put back.
void PaintDeliveryProgress(HDC dc, const ProgressBar& bar, HBRUSH blue, uint64_t done,
                           uint64_t total, const char* label);

// One run of copies: made with the window painted on (its client rectangle gives the bar),
// its end has the whole window repainted.
class DeliveryProgress {
public:
    explicit DeliveryProgress(HWND window);
    ~DeliveryProgress();
    DeliveryProgress(const DeliveryProgress&) = delete;
    DeliveryProgress& operator=(const DeliveryProgress&) = delete;

    void Paint(uint64_t done, uint64_t total, const char* label);
    const ProgressBar& Bar() const { return bar_; }

private:
    HWND window_;
    ProgressBar bar_;
    win32::UniqueGdiObject blue_;
};

} // namespace qelvo
