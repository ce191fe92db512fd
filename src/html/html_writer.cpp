#include "html/html_writer.h"

#include "html/page_set.h"
#include "html/page_texts.h"
#include "platform/platform.h"

#include <cstdio>

namespace qelvo {
namespace html {

std::string FramesetPageName(const char* projectName) {
    return std::string("Documentation ") + projectName + ".html";
}

namespace {

bool Save(const std::string& path, const std::string& text) {
    FILE* out = platform::OpenFile(path.c_str(), "wt");
    if (!out) return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    return std::fclose(out) == 0 && ok;
}

} // namespace

int WritePages(const htProjet& project, const char* outputDirectory, WriteSummary* summary) {
    WriteSummary local;
    WriteSummary& s = summary ? *summary : local;
    s = WriteSummary();
    PageSet pages(project);
    PageTexts texts(project, pages);
    // An existing directory is reused, its pages overwritten.
    platform::MakeDirectory(outputDirectory);
    std::string text;
    for (int id = 0; id < pages.Count(); ++id) {
        bool written = false;
        if (pages.Linkable(id)) {
            texts.Build(id, text);
            written = Save(std::string(outputDirectory) + "\\" + pages.Name(id), text);
        }
        ++(written ? s.pages : s.failed);
        if (id == PageSet::kFrameset) s.frameset = written;
    }
    return s.failed == 0 ? 1 : 0;
}

} // namespace html
} // namespace qelvo
