#include "file_reader.h"

#include "host_object.h"
#include "host_string.h"
#include "platform/platform.h"

#include <cstdio>
#include <cstring>

namespace qelvo {
namespace host {

namespace {
bool ReadDisk(const std::string& path, std::string& text) {
    FILE* file = platform::OpenFile(path.c_str(), "rb");
    if (!file) return false;
    text.clear();
    char buffer[8192];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, n);
    bool ok = std::ferror(file) == 0;
    std::fclose(file);
    return ok;
}

class FileReaderImpl final : public CountedObject<ide::HostFileReader, ObjectKind::FileReader> {
public:
    explicit FileReaderImpl(EditorTextSource* editors) : editors_(editors) {}

    void QELVO_IDECALL SetFileName(ide::HostString* fileName) override {
        fileName_ = TakeText(fileName);
    }
    ide::IdeResult QELVO_IDECALL QueryOpenInEditor() override {
        return editors_ && !fileName_.empty() && editors_->IsOpen(fileName_) ? ide::kIdeOk
                                                                             : ide::kIdeFalse;
    }
    // The whole text is taken when the reader opens: later changes to the file or the editor
    // are not seen by this reader.
    ide::IdeBool QELVO_IDECALL Open(int32_t mode) override {
        Close();
        if (fileName_.empty() || (mode != ide::kReadCurrentText && mode != ide::kReadEditorBuffer))
            return 0;
        bool inEditor = QueryOpenInEditor() == ide::kIdeOk;
        if (inEditor)
            open_ = editors_->Text(fileName_, text_);
        else if (mode == ide::kReadCurrentText)
            open_ = ReadDisk(fileName_, text_);
        if (!open_) text_.clear();
        return open_ ? 1 : 0;
    }
    int32_t QELVO_IDECALL Read(void* buffer, int32_t count) override {
        if (!open_ || !buffer || count < 0) return -1;
        if (count > kMaxReadChunk) count = kMaxReadChunk;
        size_t left = text_.size() - position_;
        size_t n = left < static_cast<size_t>(count) ? left : static_cast<size_t>(count);
        std::memcpy(buffer, text_.data() + position_, n);
        position_ += n;
        return static_cast<int32_t>(n);
    }
    int32_t QELVO_IDECALL Seek(int32_t offset, int32_t origin) override {
        if (!open_ || (origin != ide::kSeekStart && origin != ide::kSeekEnd)) return -1;
        long long target =
            (origin == ide::kSeekEnd ? static_cast<long long>(text_.size()) : 0) + offset;
        if (target < 0 || target > static_cast<long long>(text_.size())) return -1;
        position_ = static_cast<size_t>(target);
        return static_cast<int32_t>(position_);
    }
    void QELVO_IDECALL Close() override {
        open_ = false;
        text_.clear();
        position_ = 0;
    }

private:
    EditorTextSource* editors_;
    std::string fileName_;
    std::string text_;
    size_t position_ = 0;
    bool open_ = false;
};
} // namespace

ide::HostFileReader* NewFileReader(EditorTextSource* editors) {
    return new FileReaderImpl(editors);
}

} // namespace host
} // namespace qelvo
