// Keyword completion: the "Completion" settings for now.
#pragma once

#include "core/feature_settings.h"

namespace qelvo {

class KeywordCompletion {
public:
    KeywordCompletion() { settings.Load(); }
    ~KeywordCompletion() { settings.Save(); }
    KeywordCompletion(const KeywordCompletion&) = delete;
    KeywordCompletion& operator=(const KeywordCompletion&) = delete;

    CompletionSettings settings;
};

} // namespace qelvo
