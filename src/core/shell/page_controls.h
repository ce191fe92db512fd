// What every options page does with its dialog's controls: check boxes, numbers, bounded texts,
// enabling, and the refusal's message box.
#pragma once

#include "core/options_chapter.h"

#include <windows.h>

namespace qelvo {

HWND PageItem(const AddonPageBase& page, int id);
HWND PageDialog(const AddonPageBase& page);

void SetPageCheck(const AddonPageBase& page, int id, int checked);
int PageChecked(const AddonPageBase& page, int id);

void SetPageNumber(const AddonPageBase& page, int id, int value);
// The edit's number: digits only, with a leading '-' when allowSign; false when empty, not a
// number or too long to be one.
bool ReadPageNumber(const AddonPageBase& page, int id, bool allowSign, int& value);

void SetPageText(const AddonPageBase& page, int id, const char* text);
// The control's text, at most maxChars characters.
String ReadPageText(const AddonPageBase& page, int id, int maxChars);

void EnablePageItems(const AddonPageBase& page, int firstId, int lastId, bool enabled);

// The stop box titled "Qelvo Addon error" over the page; the page is refused.
void RefusePage(const AddonPageBase& page, const char* text);

} // namespace qelvo
