#include "navigation/shell/editor_page.h"

#include "core/shell/key_capture.h"
#include "core/shell/page_controls.h"
#include "navigation/editor_menu.h"
#include "navigation/quick_find.h"
#include "navigation/shell/title_paint.h"

#include <cstring>

namespace qelvo {

namespace {
const ControlHint kHints[] = {
    {1010, "Activate function/class menu on right click in the editor title bar"},
    {1011, "Sort function/class reference"},
    {1013, "Set size of one column in the editor menu"},
    {1014, "Set filter for source research"},
    {1015, "Set filter for include research"},
    {1016, "Set option for recurse research"},
    {1019, "Put buttons at the left side of the title bar"},
    {1020, "Put buttons at the right side of the title bar"},
    {1022, "Set shortkey for \"Find as function\""},
    {1023, "Set shortkey for \"Find as method\""},
    {1024, "Set shortkey for \"Find as class\""},
    {1025, "Set shortkey for \"Cross reference\""},
};
constexpr int kKeyButtons[kFindKinds] = {1022, 1023, 1024, 1025};
constexpr int kMaxFilter = 198, kMaxCaption = 79;
} // namespace

EditorPage::EditorPage()
    : AddonPageBase(104, 1, "Editor menu", 10, "Set Top Editor Menu options", kHints,
                    sizeof kHints / sizeof kHints[0]) {}

bool EditorPage::CheckControls() {
    int size = 0;
    if (ReadPageNumber(*this, 1013, false, size) && size >= 10 && size <= 99) return true;
    RefusePage(*this, "Menu size must be between 10 and 99.");
    return false;
}

void EditorPage::LoadControls() {
    if (EditorMenus) {
        SetPageCheck(*this, 1010, EditorMenus->settings.enabled);
        SetPageCheck(*this, 1011, EditorMenus->settings.sorted);
        SetPageNumber(*this, 1013, EditorMenus->settings.size);
    }
    if (!QuickFinder) return;
    const QuickFindSettings& s = QuickFinder->settings;
    SetPageText(*this, 1014, s.functionMask.c_str());
    SetPageText(*this, 1015, s.includeMask.c_str());
    SetPageCheck(*this, 1016, s.recurse);
    SetPageCheck(*this, 1019, s.leftSide ? 1 : 0);
    SetPageCheck(*this, 1020, s.leftSide ? 0 : 1);
    for (int k = 0; k < kFindKinds; ++k) {
        keys_[k] = static_cast<uint16_t>(s.keys[k]);
        SetPageText(*this, kKeyButtons[k], s.keyTexts[k].c_str());
    }
}

void EditorPage::SaveControls() {
    bool repaint = false;
    if (EditorMenus) {
        MenusSettings& m = EditorMenus->settings;
        const int enabled = PageChecked(*this, 1010);
        repaint = enabled != m.enabled;
        m.enabled = enabled;
        m.sorted = PageChecked(*this, 1011);
        int size = 0;
        if (ReadPageNumber(*this, 1013, false, size)) m.size = size;
    }
    if (QuickFinder) {
        QuickFindSettings& s = QuickFinder->settings;
        s.functionMask = ReadPageText(*this, 1014, kMaxFilter);
        s.includeMask = ReadPageText(*this, 1015, kMaxFilter);
        s.recurse = PageChecked(*this, 1016);
        const int left = PageChecked(*this, 1019);
        if (left != s.leftSide && EditorMenus && EditorMenus->settings.enabled) repaint = true;
        s.leftSide = left;
        for (int k = 0; k < kFindKinds; ++k) {
            s.keyTexts[k] = ReadPageText(*this, kKeyButtons[k], kMaxCaption);
            s.keys[k] = keys_[k];
        }
    }
    if (repaint) RefreshEditorFrames();
}

void EditorPage::Notify(int32_t controlId, int32_t notification) {
    if (notification != kNotifyClicked) return;
    for (int k = 0; k < kFindKinds; ++k) {
        if (controlId != kKeyButtons[k]) continue;
        int code = keys_[k];
        char text[kMaxKeyText + 1] = "";
        GetWindowTextA(PageItem(*this, controlId), text, kMaxCaption + 1);
        if (!ChooseKey(PageDialog(*this), code, text)) return;
        keys_[k] = static_cast<uint16_t>(code);
        text[kMaxCaption] = '\0';
        SetPageText(*this, controlId, text);
        modified = 1;
    }
}

} // namespace qelvo
