// Keyword completion: the "Completion" settings for now.
#pragma once

#include "foundation/qstring.h"

namespace qelvo {

struct CompletionSettings {
    int enabled, keyCode;
    String textCode;
    void Load();
    void Save() const;
};

class KeywordCompletion {
public:
    KeywordCompletion() { settings.Load(); }
    ~KeywordCompletion() { settings.Save(); }
    KeywordCompletion(const KeywordCompletion&) = delete;
    KeywordCompletion& operator=(const KeywordCompletion&) = delete;

    CompletionSettings settings;
};

// The add-on's keyword completion; null while it does not exist.
extern KeywordCompletion* Completion;

} // namespace qelvo
