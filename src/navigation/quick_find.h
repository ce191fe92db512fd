// Quick find and cross reference: its settings (masks and hot keys) for now.
#pragma once

#include "foundation/qstring.h"

namespace qelvo {

// The four quick-find commands, in the order of their hot keys and texts.
enum QuickFindKind { kFindFunction = 0, kFindMethod, kFindClass, kFindCross, kFindKinds };

struct QuickFindSettings {
    String functionMask, includeMask;
    int recurse, leftSide;
    int keys[kFindKinds];
    String keyTexts[kFindKinds];
    void Load();
    void Save() const;
};

class QuickFind {
public:
    explicit QuickFind(void* window) : window(window) { settings.Load(); }
    ~QuickFind() { settings.Save(); }
    QuickFind(const QuickFind&) = delete;
    QuickFind& operator=(const QuickFind&) = delete;

    QuickFindSettings settings;
    void* window;
};

// The add-on's quick find; null while it does not exist.
extern QuickFind* QuickFinder;

} // namespace qelvo
