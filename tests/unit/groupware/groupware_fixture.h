// A server directory and two developers' copies of one project, with files dated at will.
#pragma once

#include "core/delivered_copy.h"
#include "groupware/groupware_rows.h"
#include "platform/platform.h"
#include "temp_dir.h"

#include <string>
#include <vector>

namespace qelvo {

struct GwObserver final : CopyObserver {
    void Progress(uint64_t, uint64_t, const char*) override {}
    void FileMessage(const char* text, int) override { messages.push_back(text); }
    void CopyError(const char* text) override { errors.push_back(text); }
    std::vector<std::string> messages, errors;
};

struct GwWorld {
    testing_support::TempDir dir;
    GwPlace server{dir.File("srv"), dir.File("srv")};
    GwPlace a{dir.File("a"), dir.File("srv")}, b{dir.File("b"), dir.File("srv")};
    GwWorld() {
        platform::MakeDirectory(server.server.c_str());
        platform::MakeDirectory(a.base.c_str());
        platform::MakeDirectory(b.base.c_str());
    }
    // Writes where\name with the bytes, dated 2024-03-05 at hh:00:00, read-only when asked.
    std::string Put(const std::string& where, const std::string& name, const std::string& bytes,
                    int hour, bool readOnly) {
        const std::string relative = where + "\\" + name;
        for (size_t at = relative.find('\\'); at != std::string::npos;
             at = relative.find('\\', at + 1))
            platform::MakeDirectory(dir.File(relative.substr(0, at)).c_str());
        const std::string path = dir.Write(relative, bytes);
        platform::SetFileDosTime(path.c_str(), platform::PackDosDate(2024, 3, 5),
                                 platform::PackDosTime(hour, 0, 0));
        platform::SetReadOnly(path.c_str(), readOnly);
        return path;
    }
    bool ReadOnly(const std::string& where, const std::string& name) {
        return platform::GetFileStatus(dir.File(where + "\\" + name).c_str()).readOnly;
    }
};

template <class Row, class F> std::vector<std::string> Lines(const Tableau<Row>& rows, F line) {
    std::vector<std::string> out;
    for (int i = 0; i < rows.count; ++i)
        out.push_back(line(*rows.At(i)));
    return out;
}

} // namespace qelvo
