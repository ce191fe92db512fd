// The stand-in IDE's options dialog service: it keeps the chapters add-ons give it, for the
// options dialog that shows them later (and for tests now).
#pragma once

#include "client_list.h"
#include "ide/ide_options_dialog.h"
#include "host_object.h"

namespace qelvo {
namespace host {

class OptionsDialogHost final : public ServiceObject<ide::OptionsDialogService> {
public:
    OptionsDialogHost() = default;

    size_t ChapterCount() const { return chapters_.Count(); }
    // Chapter n (from 0) in the order added, borrowed; null beyond the count.
    ide::IMpdChapter* Chapter(size_t n) const { return chapters_.At(n); }
    void DropChapters() { chapters_.Drop(); }

    ide::IdeBool QELVO_IDECALL AddChapter(ide::IMpdChapter* chapter, int32_t reserved) override {
        return chapters_.Add(chapter);
    }
    ide::IdeBool QELVO_IDECALL RemoveChapter(ide::IMpdChapter* chapter) override {
        return chapters_.Remove(chapter);
    }

private:
    ClientList<ide::IMpdChapter> chapters_;
};

} // namespace host
} // namespace qelvo
