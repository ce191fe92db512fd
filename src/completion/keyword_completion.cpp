#include "completion/keyword_completion.h"

#include "foundation/settings_fields.h"

namespace qelvo {

KeywordCompletion* Completion = nullptr;

namespace {

const IntField<CompletionSettings> kCompletion[] = {
    {"Enabled", &CompletionSettings::enabled},
    {"KeyCode", &CompletionSettings::keyCode},
};

} // namespace

void CompletionSettings::Load() {
    LoadInts(*this, "Completion", kCompletion);
    LoadText("Completion", "TextCode", textCode);
}

void CompletionSettings::Save() const {
    SaveInts(*this, "Completion", kCompletion);
    WriteText("Completion", "TextCode", textCode.c_str());
}

} // namespace qelvo
