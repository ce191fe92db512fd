// The Quick Flash (dialog FLASH): one at a time, a read-only text filling the window, owned by
// the add-on's window.
#pragma once

#include "platform/platform.h"
#include "win32/dialog.h"

#include <string>

namespace qelvo {

class FlashWindow final : public win32::Dialog {
public:
    // Opens the window with the text, or replaces the text of the one that is open.
    static void Show(const std::string& text, const platform::DateTime& today, HWND owner);
    static void Close();
    static HWND Current();

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyed() override;

private:
    FlashWindow(const std::string& text, const platform::DateTime& today)
        : text_(text), today_(today) {}
    void OnInit();
    void FitText();

    std::string text_;
    platform::DateTime today_;
};

} // namespace qelvo
