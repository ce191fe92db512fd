#include "core/shell/page_controls.h"

#include "platform/platform.h"

#include <vector>

namespace qelvo {

HWND PageDialog(const AddonPageBase& page) {
    return static_cast<HWND>(page.dialogWindow);
}

HWND PageItem(const AddonPageBase& page, int id) {
    return GetDlgItem(PageDialog(page), id);
}

void SetPageCheck(const AddonPageBase& page, int id, int checked) {
    CheckDlgButton(PageDialog(page), id, checked ? BST_CHECKED : BST_UNCHECKED);
}

int PageChecked(const AddonPageBase& page, int id) {
    return IsDlgButtonChecked(PageDialog(page), id) == BST_CHECKED ? 1 : 0;
}

void SetPageNumber(const AddonPageBase& page, int id, int value) {
    SetDlgItemInt(PageDialog(page), id, static_cast<UINT>(value), TRUE);
}

bool ReadPageNumber(const AddonPageBase& page, int id, bool allowSign, int& value) {
    char text[16] = "";
    int length = GetDlgItemTextA(PageDialog(page), id, text, sizeof text);
    if (length <= 0 || length >= static_cast<int>(sizeof text) - 1) return false;
    int at = 0;
    bool negative = false;
    if (allowSign && text[0] == '-') {
        negative = true;
        at = 1;
    }
    if (!text[at]) return false;
    long long number = 0;
    for (; text[at]; ++at) {
        if (text[at] < '0' || text[at] > '9') return false;
        number = number * 10 + (text[at] - '0');
        if (number > 2147483647LL) return false;
    }
    value = static_cast<int>(negative ? -number : number);
    return true;
}

void SetPageText(const AddonPageBase& page, int id, const char* text) {
    SetDlgItemTextA(PageDialog(page), id, text ? text : "");
}

String ReadPageText(const AddonPageBase& page, int id, int maxChars) {
    std::vector<char> text(static_cast<size_t>(maxChars) + 1, '\0');
    GetDlgItemTextA(PageDialog(page), id, text.data(), maxChars + 1);
    return String(text.data());
}

void EnablePageItems(const AddonPageBase& page, int firstId, int lastId, bool enabled) {
    for (int id = firstId; id <= lastId; ++id)
        if (HWND item = PageItem(page, id)) EnableWindow(item, enabled ? TRUE : FALSE);
}

void RefusePage(const AddonPageBase& page, const char* text) {
    platform::ShowMessage(text, kPageErrorTitle, platform::kMbOk | platform::kMbIconStop,
                          page.dialogWindow);
}

} // namespace qelvo
