#include "core/shell/delivery_progress.h"

#include "win32/gdi.h"

#include <cstring>

namespace qelvo {

namespace {

// The label at its place in the bar, drawn only inside part.
void LabelIn(HDC dc, const ProgressBar& bar, const RECT& part, const char* label, SIZE size,
             COLORREF colour) {
    int x = 0, y = 0;
    LabelOrigin(bar, size.cx, size.cy, x, y);
    SetTextColor(dc, colour);
    ExtTextOutA(dc, x, y, ETO_CLIPPED, &part, label, static_cast<UINT>(std::strlen(label)), nullptr);
}

} // namespace

void PaintDeliveryProgress(HDC dc, const ProgressBar& bar, HBRUSH blue, uint64_t done,
                           uint64_t total, const char* label) {
    if (!dc || bar.width <= 0)
        return;
    const int filled = FilledWidth(done, total, bar.width);
    win32::SelectGuard font(dc, GetStockObject(ANSI_VAR_FONT));
    const int mode = SetBkMode(dc, TRANSPARENT);
    const COLORREF colour = GetTextColor(dc);
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, label, static_cast<int>(std::strlen(label)), &size);
    if (filled > 0) {
        const RECT part = {bar.left, bar.top, bar.left + filled, bar.top + bar.height};
        FillRect(dc, &part, blue);
        LabelIn(dc, bar, part, label, size, RGB(255, 255, 255));
    }
    if (filled < bar.width) {
        const RECT rest = {bar.left + filled, bar.top, bar.left + bar.width, bar.top + bar.height};
        FillRect(dc, &rest, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
        LabelIn(dc, bar, rest, label, size, RGB(0, 0, 0));
    }
    SetTextColor(dc, colour);
    SetBkMode(dc, mode);
}

DeliveryProgress::DeliveryProgress(HWND window)
    : window_(window), blue_(CreateSolidBrush(RGB(0, 0, 255))) {
    RECT client = {0, 0, 0, 0};
    if (window_)
        GetClientRect(window_, &client);
    bar_ = ProgressBarFor(client.right - client.left, client.bottom - client.top);
}

DeliveryProgress::~DeliveryProgress() {
    if (window_)
        InvalidateRect(window_, nullptr, TRUE);
}

void DeliveryProgress::Paint(uint64_t done, uint64_t total, const char* label) {
    if (!window_)
        return;
    win32::WindowDc dc(window_);
    PaintDeliveryProgress(dc.get(), bar_, static_cast<HBRUSH>(blue_.get()), done, total, label);
}

} // namespace qelvo
