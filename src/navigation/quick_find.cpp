#include "navigation/quick_find.h"

#include "foundation/settings_fields.h"

namespace qelvo {

QuickFind* QuickFinder = nullptr;

namespace {

const IntField<QuickFindSettings> kQuickFind[] = {
    {"Recurse", &QuickFindSettings::recurse},
    {"LeftSide", &QuickFindSettings::leftSide},
};

const char* const kKeyNames[kFindKinds] = {"KeyFunction", "KeyMethod", "KeyClass", "KeyCross"};
const char* const kTextNames[kFindKinds] = {"TxtFunction", "TxtMethod", "TxtClass", "TxtCross"};

} // namespace

void QuickFindSettings::Load() {
    LoadText("QuickFind", "FunctionMask", functionMask);
    LoadText("QuickFind", "IncludeMask", includeMask);
    LoadInts(*this, "QuickFind", kQuickFind);
    for (int i = 0; i < kFindKinds; ++i) {
        keys[i] = ReadSettingInt("QuickFind", kKeyNames[i]);
        LoadText("QuickFind", kTextNames[i], keyTexts[i]);
    }
}

void QuickFindSettings::Save() const {
    WriteText("QuickFind", "FunctionMask", functionMask.c_str());
    WriteText("QuickFind", "IncludeMask", includeMask.c_str());
    SaveInts(*this, "QuickFind", kQuickFind);
    for (int i = 0; i < kFindKinds; ++i) {
        WriteInt("QuickFind", kKeyNames[i], keys[i]);
        WriteText("QuickFind", kTextNames[i], keyTexts[i].c_str());
    }
}

} // namespace qelvo
