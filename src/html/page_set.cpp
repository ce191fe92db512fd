#include "html/page_set.h"

#include <unordered_set>

namespace qelvo {
namespace html {

namespace {

// How Windows compares names: without regard to case, for the letters of the code page the
// pages are written in (Latin-1) as well as for ASCII.
char Folded(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
        return static_cast<char>(u + 0x20);
    if (u == 0x8A || u == 0x8C || u == 0x8E) return static_cast<char>(u + 0x10);
    if (u == 0x9F) return '\xFF';
    return c;
}

std::string Suffix(int n) {
    return n == 1 ? std::string() : " (" + std::to_string(n) + ")";
}

// The names taken so far in this generation.
class Claims {
public:
    explicit Claims(size_t pages) { taken_.reserve(pages); }

    // stem + ending, or stem + " (n)" + ending with the first n that is free. A name that
    // cannot be a file claims nothing.
    std::string One(const std::string& stem, const char* ending) {
        if (!UsableFileName(stem)) return stem + ending;
        for (int n = 1;; ++n) {
            std::string name = stem + Suffix(n) + ending;
            if (Take(name)) return name;
        }
    }

    // A file's pair: both pages take the same suffix.
    void Pair(const std::string& stem, std::string& contents, std::string& presentation) {
        contents = stem + " Contents.html";
        presentation = stem + " Presentation.html";
        if (!UsableFileName(stem)) return;
        for (int n = 2; !TakeBoth(contents, presentation); ++n) {
            contents = stem + Suffix(n) + " Contents.html";
            presentation = stem + Suffix(n) + " Presentation.html";
        }
    }

private:
    bool Take(const std::string& name) { return taken_.insert(FoldedFileName(name)).second; }
    bool TakeBoth(const std::string& a, const std::string& b) {
        std::string folded = FoldedFileName(a);
        if (!taken_.insert(folded).second) return false;
        if (Take(b)) return true;
        taken_.erase(folded);
        return false;
    }

    std::unordered_set<std::string> taken_;
};

} // namespace

std::string FoldedFileName(const std::string& name) {
    std::string folded(name);
    for (char& c : folded)
        c = Folded(c);
    return folded;
}

bool UsableFileName(const std::string& name) {
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string("\\/:*?\"<>|").find(c) != std::string::npos)
            return false;
    return true;
}

PageSet::PageSet(const htProjet& project) {
    const int files = project.files.count;
    firstClass_ = kFixed + 2 * files;
    firstFunction_ = firstClass_ + project.classes.count;
    firstMacro_ = firstFunction_ + project.functions.count;
    names_.resize(static_cast<size_t>(firstMacro_ + project.macros.count));
    refused_.assign(names_.size(), 0);

    Claims claims(names_.size());
    const std::string p = project.Name();
    names_[kFrameset] = claims.One("Documentation " + p, ".html");
    names_[kTitle] = claims.One(p + " Title", ".html");
    names_[kProjectContents] = claims.One(p + " Contents", ".html");
    names_[kFileList] = claims.One(p + " FileList", ".html");
    names_[kProjectPresentation] = claims.One(p + " Presentation", ".html");
    for (int i = 0; i < files; ++i)
        claims.Pair(project.files[i]->Name(), names_[FileContents(i)], names_[FilePresentation(i)]);
    for (int i = 0; i < project.classes.count; ++i)
        names_[Class(i)] = claims.One(std::string("Class ") + project.classes[i]->Name(), ".html");
    for (int i = 0; i < project.functions.count; ++i)
        names_[Function(i)] = claims.One(
            std::string("Fnc ") + project.functions[i]->Name() + " " + std::to_string(i), ".html");
    for (int i = 0; i < project.macros.count; ++i)
        names_[Macro(i)] = claims.One(
            std::string("Define ") + project.macros[i]->Name() + " " + std::to_string(i), ".html");
    unusable_.resize(names_.size());
    for (size_t i = 0; i < names_.size(); ++i)
        refused_[i] = unusable_[i] = UsableFileName(names_[i]) ? 0 : 1;
}

std::string_view PageSet::Title(int id) const {
    std::string_view name = names_[id];
    return name.size() >= 5 ? name.substr(0, name.size() - 5) : name;
}

} // namespace html
} // namespace qelvo
