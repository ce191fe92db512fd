// Where the pages go: one output directory that a generation fills and the next one mostly
// finds as it was left.
//
// - A page is written whole under a temporary name and then renamed into place, so that a
//   generation stopped halfway or a full disk leaves each page either complete or absent, never
//   cut short. A page that cannot be written is removed (when it is one of ours) rather than
//   left behind with its old text.
// - A page whose text is already on disk, byte for byte, is not written again: regenerating an
//   unchanged project touches nothing.
// - The pages in place are listed in the directory (kPageListName). The next generation removes
//   the pages of that list it no longer makes, and nothing else: a file the list does not name,
//   a name that is not a page's, or a file that no longer begins as our pages do (someone put
//   their own in its place) is left alone. Without a list, nothing is removed.
#pragma once

#include "platform/platform.h"

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

namespace qelvo {
namespace html {

// The list of the pages in place, and the one temporary name pages are written under.
extern const char kPageListName[];
extern const char kTemporaryPageName[];
// The first line of every page: how a page of ours is told from a user's file.
extern const char kGeneratedMark[];

// The file operations the store needs. The system's are the default; tests hand in their own
// to make one of them fail.
class PageFiles {
public:
    // Up to limit bytes of the file at path; false when it cannot be opened.
    virtual bool Read(const std::string& path, size_t limit, std::string& bytes);
    // The file at path made to hold exactly bytes; false with the system's reason when it
    // cannot be (what was written so far stays: the caller removes it).
    virtual bool Write(const std::string& path, const std::string& bytes, std::string& reason);
    // Renames from to to, which must not exist; false with the system's reason.
    virtual bool Rename(const std::string& from, const std::string& to, std::string& reason);
    virtual bool Remove(const std::string& path);

protected:
    ~PageFiles() = default;
};

class PageStore {
public:
    enum Result { kWritten, kUnchanged, kFailed };

    // files: null for the system's.
    PageStore(const std::string& directory, PageFiles* files);
    PageStore(const PageStore&) = delete;
    PageStore& operator=(const PageStore&) = delete;

    // Makes the directory when it is missing (an existing one is reused) and reads the list of
    // the last generation. False with the reason when there is no directory to write into.
    bool Open(std::string& reason);
    // Puts the page (text with "\n" line ends; on Windows the file gets CR LF, as a text file).
    Result Put(const std::string& name, const std::string& text, std::string& reason);
    // Removes the pages of the last generation that this one did not put, and lists the pages
    // now in place. The number removed; false in listed when the list could not be written
    // (with the reason), so that the next generation will not remove them.
    int Finish(bool& listed, std::string& reason);

    const std::string& directory() const { return directory_; }

private:
    std::string PathOf(const std::string& name) const { return directory_ + "\\" + name; }
    // Writes the file unless it already holds the text.
    Result Replace(const std::string& name, const std::string& text, std::string& reason);
    bool SameContent(const std::string& path, const platform::FileStatus& status,
                     const std::string& bytes);
    bool Ours(const std::string& path);
    void Placed(const std::string& name, bool inPlace);
    // This generation has put a page of that name (without regard to case).
    bool Handled(const std::string& name) const;
    void RemoveOtherCase(const std::string& name);
    // The old page of a name that failed: removed when it is ours.
    void Drop(const std::string& name);
    void ReadList();

    std::string directory_;
    std::string temporary_; // every page is written here first
    PageFiles& files_;
    bool made_ = false;                 // the directory was made by this generation
    std::vector<std::string> previous_; // the last generation's list
    std::unordered_map<std::string, std::string> previousByCase_; // its names by folded name
    std::vector<std::string> order_;                              // names put, in order
    std::unordered_map<std::string, bool> inPlace_; // by folded name: whether it is in place
    std::string bytes_;                             // working buffers, kept between pages
    std::string onDisk_;
};

} // namespace html
} // namespace qelvo
