// The editors' caption buttons and their popups: the "Menus" settings for now.
#pragma once

namespace qelvo {

struct MenusSettings {
    int enabled, sorted, size;
    void Load();
    void Save() const;
};

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

// The add-on's editor menu; null while it does not exist.
extern EditorMenu* EditorMenus;

} // namespace qelvo
