// The bar across the top of the screen: its settings for now; its menus and commands come with
// the project menus.
#pragma once

#include "core/feature_settings.h"

namespace qelvo {

class TopBar {
public:
    TopBar(bool isNewShell, void* barWindow) : window(barWindow), newShell(isNewShell) {
        settings.Load(isNewShell);
    }
    ~TopBar() { settings.Save(); }
    TopBar(const TopBar&) = delete;
    TopBar& operator=(const TopBar&) = delete;

    TopBarSettings settings;
    void* window;
    bool newShell;
    bool expanded = false; // placed with all the rows of its menu bar
    int fullHeight = 0;    // the expanded height; 0 until measured after each build
};

} // namespace qelvo
