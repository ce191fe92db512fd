// "Mail" (dialog 108): the prompt switch and the open project's mail list, with a copied list
// that carries recipients from one project to another.
#pragma once

#include "core/options_chapter.h"

namespace qelvo {

class MailPage final : public AddonPageBase {
public:
    MailPage();

protected:
    void LoadControls() override;
    void SaveControls() override;
    void Notify(int32_t controlId, int32_t notification) override;
    bool Marks(int32_t controlId) const override { return controlId != 1015; }

private:
    int SelectedLine() const;
    // Selects the line and shows it in the edit (the edit emptied without one).
    void ShowLine(int line);
    void ReplaceSelectedLine();
    void NewEntry();
    void DeleteEntry();
    void CopyList();
    void PasteList();
};

} // namespace qelvo
