// The bar across the top of the screen: its settings for now; its menus and commands come with
// the project menus.
#pragma once

#include "core/feature_settings.h"

namespace qelvo {

class TopBar {
public:
    TopBar(bool newShell, void* window) : window(window) { settings.Load(newShell); }
    ~TopBar() { settings.Save(); }
    TopBar(const TopBar&) = delete;
    TopBar& operator=(const TopBar&) = delete;

    TopBarSettings settings;
    void* window;
};

} // namespace qelvo
