// The editors' caption buttons and their popups: the "Menus" settings for now.
#pragma once

#include "core/feature_settings.h"

namespace qelvo {

class EditorMenu {
public:
    EditorMenu(void* window, bool newShell) : window(window), newShell(newShell) {
        settings.Load();
    }
    ~EditorMenu() { settings.Save(); }
    EditorMenu(const EditorMenu&) = delete;
    EditorMenu& operator=(const EditorMenu&) = delete;

    MenusSettings settings;
    void* window;
    bool newShell;
};

} // namespace qelvo
