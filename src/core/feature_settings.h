// The machine-wide settings of each feature, one structure per registry group. Each service
// object reads its group when it is created and writes it back when it is deleted; the defaults
// come from the one table of settings_defaults.
#pragma once

#include "foundation/qstring.h"

namespace qelvo {

struct GeneralSettings {
    int clearOnMake, closeOnMake, closeProjectOnMake, iconizeStatusOnMake, viewOnOpen;
    int timerSave, timerCount, unic;
    void Load();
    void Save() const;
};

struct TopBarSettings {
    int enabled, leftMargin, rightMargin, menuSize, hideWithBCW, editOtherView;
    int hierarchical, hideWithView, alwaysOnTop;
    void Load(bool newShell);
    void Save() const;
};

struct MenusSettings {
    int enabled, sorted, size;
    void Load();
    void Save() const;
};

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

struct CompletionSettings {
    int enabled, keyCode;
    String textCode;
    void Load();
    void Save() const;
};

} // namespace qelvo
