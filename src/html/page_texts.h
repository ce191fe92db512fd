// The text of every page of a generation, built in memory from the model and the page set: the
// frameset, title bar, file list, contents and presentation pages, and the class, function and
// macro pages. Nothing here touches a file, so the texts can be built, timed and compared alone.
#pragma once

#include "html/html_format.h"
#include "html/ht_model.h"
#include "html/page_set.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace qelvo {
namespace html {

class PageTexts {
public:
    PageTexts(const htProjet& project, const PageSet& pages);
    PageTexts(const PageTexts&) = delete;
    PageTexts& operator=(const PageTexts&) = delete;

    // The whole text of page id (lines end in "\n"), replacing out. Links go only to pages the
    // set still holds linkable, so a page built after a refusal no longer names the refused one.
    void Build(int id, std::string& out) const;

private:
    void Frameset(std::string& t) const;
    void TitleBar(std::string& t) const;
    void FileList(std::string& t) const;
    void Contents(std::string& t, int presentation, const Ensemble<htClass>& classes,
                  const Ensemble<htSymbol>& functions, const Ensemble<htSymbol>& macros) const;
    void ContentsList(std::string& t, const Ensemble<htSymbol>& list, bool macros) const;
    void ProjectPresentation(std::string& t) const;
    void FilePresentation(std::string& t, int file) const;
    void FileEntries(std::string& t, const Ensemble<htSymbol>& list, bool macros,
                     const char* heading) const;
    void Brief(std::string& t, const htSymbol* s) const;
    void ClassPage(std::string& t, int position) const;
    void SymbolPage(std::string& t, int position, bool macro) const;

    void Header(std::string& t, int id) const;
    // <a href="page"attributes>text</a>, or the text alone when the page was refused.
    void Anchor(std::string& t, int id, const char* attributes, const char* text) const;
    int SymbolPageId(const htSymbol* s, bool macro) const;

    const htProjet& project_;
    const PageSet& pages_;
    Formatter format_;
    // Which files (by position) hold each class, and the first file of each function and
    // macro, in the files' sorted order.
    std::unordered_map<const htClass*, std::vector<int>> classFiles_;
    std::unordered_map<const htSymbol*, int> firstFile_;
};

} // namespace html
} // namespace qelvo
