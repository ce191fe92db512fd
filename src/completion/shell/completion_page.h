// "Keyword completion" (dialog 106): the completion's switch and key, and its keyword files.
#pragma once

#include "core/options_chapter.h"

namespace qelvo {

class CompletionPage final : public AddonPageBase {
public:
    CompletionPage();

protected:
    void LoadControls() override;
    void SaveControls() override;
    void Notify(int32_t controlId, int32_t notification) override;

private:
    void ChooseCompletionKey();
    // The open-file dialog with that title; false when nothing was chosen.
    bool AskFile(const char* title, char (&path)[260]);
    // Puts the path at the selected line's place (at the end without a selection).
    void InsertFile(const char* path);
    void RemoveSelectedFile();
};

} // namespace qelvo
