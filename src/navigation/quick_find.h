// Quick find and cross reference: its settings (masks and hot keys) for now.
#pragma once

#include "core/feature_settings.h"

namespace qelvo {

class QuickFind {
public:
    explicit QuickFind(void* window) : window(window) { settings.Load(); }
    ~QuickFind() { settings.Save(); }
    QuickFind(const QuickFind&) = delete;
    QuickFind& operator=(const QuickFind&) = delete;

    QuickFindSettings settings;
    void* window;
};

} // namespace qelvo
