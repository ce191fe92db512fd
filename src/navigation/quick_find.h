// Quick find and cross reference: the settings (masks and hot keys), the search history, the
// result tables and the four searches over the project's source directories.
#pragma once

#include "foundation/qstring.h"
#include "foundation/tableau.h"
#include "ide/ide_messages.h"
#include "navigation/quick_search.h"

namespace qelvo {

// The four quick-find commands, in the order of their hot keys and texts.
enum QuickFindKind { kFindFunction = 0, kFindMethod, kFindClass, kFindCross, kFindKinds };

struct QuickFindSettings {
    String functionMask, includeMask;
    int recurse, leftSide;
    int keys[kFindKinds];
    String keyTexts[kFindKinds];
    void Load();
    void Save() const;
};

// The names searched lately, the most recent first (at most kHistorySize); emptied when the
// quick find ends.
extern Tableau<String> SearchHistory;

// The status texts and dialog titles of the searches.
extern const char* const kSearchTitles[kFindKinds];   // "Find as function..." ...
extern const char* const kNotFoundTexts[kFindKinds];  // "Sorry, cannot find function..." ...

// "Searching " + name + " ...".
String SearchingText(const char* name);

// The header of a cross reference: the frame caption's part after its first '-' (blanks before
// it removed; nothing without a '-'), " : cross reference \"name\"  (date , time) : " and
// "N found", with "s" when N is more than one.
String CrossHeaderText(const char* frameCaption, const char* name, const char* date,
                       const char* time, int count);

class QuickFind {
public:
    explicit QuickFind(void* window) : window(window) { settings.Load(); }
    ~QuickFind();
    QuickFind(const QuickFind&) = delete;
    QuickFind& operator=(const QuickFind&) = delete;

    // The directories a search of that kind walks, separated by ';': the project's directory
    // (the current one without a project), then the directory options of the node of
    // editorFile (or the top node): 3 for functions, methods and cross references, 1 and 3 for
    // classes, each when set.
    String SearchDirectories(QuickFindKind kind, const char* editorFile) const;

    // The searches, with their status texts and tones. Functions and classes give the first
    // defining line; methods and cross references fill their tables.
    bool FindFunction(const char* name, const char* editorFile, String& file, int& line);
    bool FindClass(const char* name, const char* editorFile, String& file, int& line);
    bool FindMethod(const char* name, const char* editorFile);
    bool CrossReference(const char* name, const char* editorFile);

    // The method result a command of 800 to 899 names, or null. The popup holds the first 100
    // results; further ones are not offered, so no command leaves that range.
    const QuickResu* ChosenMethod(unsigned command) const;

    // Lists the last cross reference in the message window's group "Cross reference" (made on
    // first use): the header, then a sub-message per line. False when the group is missing.
    bool ListCrossReferences(const char* header);

    QuickFindSettings settings;
    void* window;
    Tableau<QuickResu> methodResults;
    Tableau<QuickResu> crossResults;
    ide::MessageService* messageService = nullptr;
    ide::MessageGroup* crossGroup = nullptr;
    ide::IdeMessage crossHeader = 0;

private:
    void Search(QuickFindKind kind, const char* name, const char* editorFile,
                Tableau<QuickResu>& results);
    bool FindFirst(QuickFindKind kind, const char* name, const char* editorFile, String& file,
                   int& line);
};

// The add-on's quick find; null while it does not exist.
extern QuickFind* QuickFinder;

} // namespace qelvo
