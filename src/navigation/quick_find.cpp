#include "navigation/quick_find.h"

#include "core/command_ids.h"
#include "core/globals.h"
#include "core/project_session.h"
#include "core/services.h"
#include "foundation/settings_fields.h"
#include "ide/ide_services.h"
#include "navigation/source_text.h"
#include "platform/platform.h"

#include <string>

namespace qelvo {

QuickFind* QuickFinder = nullptr;
Tableau<String> SearchHistory;

const char* const kSearchTitles[kFindKinds] = {"Find as function...", "Find as method...",
                                               "Find as class ...", "Cross reference ..."};
const char* const kNotFoundTexts[kFindKinds] = {
    "Sorry, cannot find function...", "Sorry, cannot find method ...",
    "Sorry, cannot find class ...", "Sorry, cannot cross reference ..."};

namespace {

const IntField<QuickFindSettings> kQuickFind[] = {
    {"Recurse", &QuickFindSettings::recurse},
    {"LeftSide", &QuickFindSettings::leftSide},
};

const char* const kKeyNames[kFindKinds] = {"KeyFunction", "KeyMethod", "KeyClass", "KeyCross"};
const char* const kTextNames[kFindKinds] = {"TxtFunction", "TxtMethod", "TxtClass", "TxtCross"};

void TakeHostText(ide::HostString* text, String& out) {
    if (!text) return;
    out = text->GetText();
    text->Release();
}

void Sorry() {
    platform::Tone(220, 500);
}

} // namespace

void QuickFindSettings::Load() {
    LoadText("QuickFind", "FunctionMask", functionMask);
    LoadText("QuickFind", "IncludeMask", includeMask);
    LoadInts(*this, "QuickFind", kQuickFind);
    for (int i = 0; i < kFindKinds; ++i)
        keys[i] = ReadSettingInt("QuickFind", kKeyNames[i]);
    for (int i = 0; i < kFindKinds; ++i)
        LoadText("QuickFind", kTextNames[i], keyTexts[i]);
}

void QuickFindSettings::Save() const {
    WriteText("QuickFind", "FunctionMask", functionMask.c_str());
    WriteText("QuickFind", "IncludeMask", includeMask.c_str());
    for (int i = 0; i < kFindKinds; ++i)
        WriteText("QuickFind", kTextNames[i], keyTexts[i].c_str());
    SaveInts(*this, "QuickFind", kQuickFind);
    for (int i = 0; i < kFindKinds; ++i)
        WriteInt("QuickFind", kKeyNames[i], keys[i]);
}

String SearchingText(const char* name) {
    String text = "Searching ";
    text += name ? name : "";
    text += " ...";
    return text;
}

QuickFind::~QuickFind() {
    if (crossGroup) crossGroup->Release();
    if (messageService) messageService->Release();
    SearchHistory.RemoveRange(0, 0);
    settings.Save();
}

String CrossHeaderText(const char* frameCaption, const char* name, const char* date,
                       const char* time, int count) {
    std::string caption(frameCaption ? frameCaption : "");
    if (caption.size() > 254) caption.resize(254);
    size_t dash = caption.find('-');
    std::string part;
    if (dash != std::string::npos) {
        part = caption.substr(dash + 1);
        part.erase(0, part.find_first_not_of(' ') == std::string::npos
                          ? part.size()
                          : part.find_first_not_of(' '));
    }
    String text = part.c_str();
    text += " : cross reference \"";
    text += name ? name : "";
    text += "\" ";
    text += " (";
    text += date ? date : "";
    text += " , ";
    text += time ? time : "";
    text += ") : ";
    text += count;
    text += " found";
    if (count > 1) text += "s";
    return text;
}

bool QuickFind::ListCrossReferences(const char* header) {
    if (!crossGroup) {
        if (!messageService) messageService = ide::QueryService<ide::MessageService>(Services);
        if (!messageService) return false;
        crossGroup = messageService->NewGroup(ide::MakeHostString(Services, "Cross reference"),
                                              ide::MakeHostString(Services, "&Cross reference"));
        if (!crossGroup) return false;
    }
    crossHeader = crossGroup->AddMessage(0, ide::MakeHostString(Services, header));
    for (int i = 0; i < crossResults.count; ++i) {
        const QuickResu* r = crossResults.At(i);
        crossGroup->AddSubMessage(crossHeader, ide::MakeHostString(Services, r->text.c_str()),
                                  ide::MakeHostString(Services, r->file.c_str()), r->line, 1,
                                  ide::kMessageInfo);
    }
    return true;
}

String QuickFind::SearchDirectories(QuickFindKind kind, const char* editorFile) const {
    String list = ProjectDirectory();
    if (!ProjectOpen() || !Projects || !Options || !Options->Service()) return list;
    ide::IdeNode node = editorFile && *editorFile ? Projects->FindNode(editorFile) : 0;
    if (!node) node = Projects->TopNode();
    for (int option : {1, 3}) {
        if (option == 1 && kind != kFindClass) continue;
        String directories;
        TakeHostText(Options->Service()->DirectoryOption(node, option), directories);
        if (directories.Length() > 0) {
            list += ";";
            list += directories;
        }
    }
    return list;
}

void QuickFind::Search(QuickFindKind kind, const char* name, const char* editorFile,
                       Tableau<QuickResu>& results) {
    String directories = SearchDirectories(kind, editorFile);
    static const QuickSearchKind kKinds[kFindKinds] = {kSearchFunction, kSearchMethod,
                                                       kSearchClass, kSearchCross};
    String patterns = SearchPatterns(kKinds[kind], settings.functionMask.c_str(),
                                     settings.includeMask.c_str());
    QuickSearch search;
    search.kind = kKinds[kind];
    search.name = name;
    search.directories = directories.c_str();
    search.patterns = patterns.c_str();
    search.recurse = settings.recurse != 0;
    search.read = [](const char* path) { return ReadSourceText(Services, path); };
    RunQuickSearch(search, results);
}

bool QuickFind::FindFirst(QuickFindKind kind, const char* name, const char* editorFile,
                          String& file, int& line) {
    String searching = SearchingText(name);
    ShowStatusText(searching.c_str());
    Tableau<QuickResu> found;
    Search(kind, name, editorFile, found);
    if (found.count == 0) {
        searching += " sorry !";
        ShowStatusText(searching.c_str());
        ShowStatusText(kNotFoundTexts[kind]);
        Sorry();
        return false;
    }
    searching += " Found !";
    ShowStatusText(searching.c_str());
    file = found.At(0)->file;
    line = found.At(0)->line;
    return true;
}

bool QuickFind::FindFunction(const char* name, const char* editorFile, String& file,
                             int& line) {
    return FindFirst(kFindFunction, name, editorFile, file, line);
}

bool QuickFind::FindClass(const char* name, const char* editorFile, String& file, int& line) {
    return FindFirst(kFindClass, name, editorFile, file, line);
}

bool QuickFind::FindMethod(const char* name, const char* editorFile) {
    ShowStatusText(SearchingText(name).c_str());
    methodResults.RemoveRange(0, 0);
    Search(kFindMethod, name, editorFile, methodResults);
    if (methodResults.count > 0) return true;
    Sorry();
    ShowStatusText(kNotFoundTexts[kFindMethod]);
    Sorry();
    return false;
}

bool QuickFind::CrossReference(const char* name, const char* editorFile) {
    ShowStatusText(SearchingText(name).c_str());
    crossResults.RemoveRange(0, 0);
    Search(kFindCross, name, editorFile, crossResults);
    if (crossResults.count > 0) return true;
    Sorry();
    ShowStatusText("Sorry, nothing found !");
    ShowStatusText(kNotFoundTexts[kFindCross]);
    Sorry();
    return false;
}

const QuickResu* QuickFind::ChosenMethod(unsigned command) const {
    if (command < kCmdFindResultFirst || command > kCmdFindResultLast) return nullptr;
    int index = static_cast<int>(command - kCmdFindResultFirst);
    return index < methodResults.count ? methodResults.At(index) : nullptr;
}

} // namespace qelvo
