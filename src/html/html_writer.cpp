#include "html/html_writer.h"

#include "html/page_set.h"
#include "html/page_texts.h"

namespace qelvo {
namespace html {

std::string FramesetPageName(const char* projectName) {
    return std::string("Documentation ") + projectName + ".html";
}

namespace {

enum State : char { kNotPut, kWritten, kUnchanged, kRefused };

// One pass over every page that is not refused; true when it refused another one.
bool PutAll(PageSet& pages, const PageTexts& texts, PageStore& store, std::vector<State>& states,
            WriteSummary& s) {
    bool refusedMore = false;
    std::string text, reason;
    for (int id = 0; id < pages.Count(); ++id) {
        if (states[id] == kRefused) continue;
        texts.Build(id, text);
        switch (store.Put(pages.Name(id), text, reason)) {
        case PageStore::kWritten:
            states[id] = kWritten;
            break;
        case PageStore::kUnchanged:
            if (states[id] == kNotPut) states[id] = kUnchanged;
            break;
        case PageStore::kFailed:
            states[id] = kRefused;
            pages.Refuse(id);
            s.failures.push_back({pages.Name(id), reason});
            refusedMore = true;
            break;
        }
    }
    return refusedMore;
}

} // namespace

int WritePages(const htProjet& project, const char* outputDirectory, WriteSummary* summary,
               PageFiles* files) {
    WriteSummary local;
    WriteSummary& s = summary ? *summary : local;
    s = WriteSummary();
    PageSet pages(project);
    PageTexts texts(project, pages);
    PageStore store(outputDirectory, files);

    std::vector<State> states(static_cast<size_t>(pages.Count()), kNotPut);
    for (int id = 0; id < pages.Count(); ++id)
        if (pages.Unusable(id)) {
            states[id] = kRefused;
            s.failures.push_back({pages.Name(id), "not a possible file name"});
        }
    if (!store.Open(s.directoryError)) {
        s.failed = pages.Count();
        return 0;
    }
    // A page refused while writing may be named by pages already written: they are built
    // again and written when their text changed, until a pass refuses nothing more.
    while (PutAll(pages, texts, store, states, s)) {
    }
    bool listed = true;
    std::string reason;
    s.removed = store.Finish(listed, reason);
    if (!listed) s.failures.push_back({kPageListName, reason});

    for (State state : states) {
        s.written += state == kWritten;
        s.unchanged += state == kUnchanged;
        s.failed += state == kRefused;
    }
    s.pages = s.written + s.unchanged;
    s.frameset = states[PageSet::kFrameset] != kRefused;
    return s.failures.empty() ? 1 : 0;
}

} // namespace html
} // namespace qelvo
