// The stand-in IDE's HostFileReader: a file's current text. The editor windows come later;
// until then every text comes from the disk, and EditorTextSource is where the editors plug in
// their unsaved buffers.
#pragma once

#include "ide/ide_editor.h"

#include <string>

namespace qelvo {
namespace host {

// The text of files open in an editor. Names are as the add-on gives them (paths).
class EditorTextSource {
public:
    virtual bool IsOpen(const std::string& fileName) = 0;
    virtual bool Text(const std::string& fileName, std::string& text) = 0;

protected:
    ~EditorTextSource() = default;
};

// A new reader (count 1) that asks editors first when there are any (null: none).
ide::HostFileReader* NewFileReader(EditorTextSource* editors);

// The most a reader delivers in one Read.
constexpr int32_t kMaxReadChunk = 32000;

} // namespace host
} // namespace qelvo
