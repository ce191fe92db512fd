#include "html_files.h"

#include "platform/platform.h"

namespace qelvo {
namespace html_testing {

void WriteSources(const testing_support::TempDir& dir,
                  const std::vector<std::pair<std::string, std::string>>& sources) {
    for (const auto& source : sources) {
        for (size_t cut = source.first.find('\\'); cut != std::string::npos;
             cut = source.first.find('\\', cut + 1))
            platform::MakeDirectory(dir.File(source.first.substr(0, cut)).c_str());
        dir.Write(source.first, source.second);
    }
}

std::string Page(const testing_support::TempDir& dir, const std::string& name) {
    std::string text = testing_support::ReadWholeFile(dir.File("qHTML\\" + name));
    std::string lf;
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lf += text[i];
    return lf;
}

bool PageExists(const testing_support::TempDir& dir, const std::string& name) {
    return platform::GetFileStatus(dir.File("qHTML\\" + name).c_str()).isFile;
}

std::set<std::string> FilesIn(const std::string& folder) {
    std::vector<platform::DirEntry> entries;
    platform::ListDirectory((folder + "\\*").c_str(), false, entries);
    std::set<std::string> names;
    for (const platform::DirEntry& e : entries)
        names.insert(e.name);
    return names;
}

std::vector<std::string> LinkTargets(const std::string& page) {
    std::vector<std::string> targets;
    for (const char* attribute : {"href", "src"}) {
        for (size_t at = page.find(attribute); at != std::string::npos;
             at = page.find(attribute, at + 1)) {
            size_t quote = page.find_first_not_of(" =", at + std::string(attribute).size());
            if (quote == std::string::npos || page[quote] != '"') continue;
            size_t end = page.find('"', quote + 1);
            if (end != std::string::npos)
                targets.push_back(page.substr(quote + 1, end - quote - 1));
        }
    }
    return targets;
}

} // namespace html_testing
} // namespace qelvo
