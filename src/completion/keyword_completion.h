// Keyword completion: the keyword store with its "Completion" settings and keyword files, the
// completion of the word before an editor's caret, and the extraction of keyword files from
// C++ sources.
#pragma once

#include "foundation/qstring.h"
#include "foundation/tableau.h"

#include <cstddef>
#include <cstdio>

namespace qelvo {

class EditorAccess;

struct CompletionSettings {
    int enabled, keyCode;
    String textCode;
    void Load();
    void Save() const;
};

// One keyword of a keyword file, with the help text that followed its '|', if any. Its text is
// the keyword, which the store sorts on.
class MeT : public Basic {
public:
    MeT() = default;
    MeT(const char* keyword, size_t keywordLength, const char* help, size_t helpLength);
    ~MeT() override;
    MeT(const MeT&) = delete;
    MeT& operator=(const MeT&) = delete;

    operator char*() override { return keyword; }

    String keyword;
    String* help = nullptr; // owned; null when the line had no '|'
};

// Limits of the completion's texts, in characters (without the terminator).
constexpr size_t kMaxInsert = 199;     // the text one completion inserts
constexpr size_t kMaxMessage = 1023;   // "Completion complete" or the candidate list
constexpr size_t kMaxHelpShown = 299;  // a keyword's help on the status line
constexpr size_t kMaxWord = 99;        // longer words before the caret are not completed
constexpr size_t kMaxClassName = 199;  // class names written by an extraction
constexpr size_t kKeywordPiece = 398;  // bytes of a keyword file read at a time
constexpr int kMaxKeywordFiles = 1000; // "NbFiles" beyond this is taken as this
constexpr int kMaxKeywords = 1 << 20;  // keywords beyond this are not loaded

// Not 'a'-'z', 'A'-'Z', '0'-'9' or '_' (bytes of 128 or above are separators).
bool IsWordSeparator(unsigned char c);

// The help as the status line shows it: its first "%s" replaced by the keyword, every other
// byte (other '%' conversions included) as it is, cut at kMaxHelpShown characters.
void FormatHelp(const char* help, const char* keyword, char (&out)[kMaxHelpShown + 1]);

class KeywordStore {
public:
    // Reads the settings and the file list, loads every listed file and sorts.
    KeywordStore();
    // An empty store that neither reads nor writes settings (the command-line tool's).
    struct WithoutSettings {};
    explicit KeywordStore(WithoutSettings);
    // Writes the settings and the file list back.
    ~KeywordStore();
    KeywordStore(const KeywordStore&) = delete;
    KeywordStore& operator=(const KeywordStore&) = delete;

    // Appends the keywords of a keyword file to the table (unsorted); false when it cannot be
    // read. Lines beyond kMaxKeywords in all are left out.
    bool LoadKeywordFile(const char* path);
    // The same from an open stream (binary), left open.
    bool LoadKeywordStream(FILE* in);
    // Appends the path to the list and loads the file; the caller sorts afterwards.
    void AddKeywordFile(const char* path);
    // Empties the file list and the table.
    void ClearKeywords();
    // Ascending by unsigned bytes, case-sensitive; equal keywords keep their loading order.
    void SortKeywords();

    // 0 no candidate, 1 one, 2 several: out receives the text to insert (at most kMaxInsert
    // characters), message and matchIndex are prepared.
    int CompleteWord(const char* prefix, char (&out)[kMaxInsert + 1]);
    // The completion key in the editor whose caption is fileName.
    void CompleteAtCaret(EditorAccess& editors, const char* fileName);
    // Writes the keyword file of a C++ source next to it (the source's extension replaced by
    // ".kwd", or ".kwd" appended when it has none) and replaces path by the keyword file's
    // path; 0 when a file cannot be opened or the keyword file would be the source itself.
    int ExtractKeywords(String& path);

    CompletionSettings settings;
    Tableau<MeT> keywords;
    Tableau<String> files;
    int matchIndex = -1;
    char message[kMaxMessage + 1] = "";
    char lastClass[kMaxClassName + 1] = "";
    // The help of the keyword of the last completion that inserted or changed it; compared by
    // identity, so a second press on a complete keyword shows its help.
    const String* lastHelp = nullptr;

private:
    bool persistent_ = true;
};

// The add-on's keyword store; null while it does not exist.
extern KeywordStore* Completion;

} // namespace qelvo
