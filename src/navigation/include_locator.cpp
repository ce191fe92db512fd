#include "navigation/include_locator.h"

#include "core/globals.h"
#include "core/project_session.h"
#include "core/services.h"
#include "foundation/tree_walk.h"
#include "platform/platform.h"

#include <string>

namespace qelvo {

namespace {

// At each directory the name itself first; the walk then goes below. Once found, no further
// directory is entered.
class Finder final : public TreeVisitor {
public:
    explicit Finder(const char* name) : name_(name) {}
    int EnterDirectory(const WalkDirectory& directory) override {
        if (found) return 0;
        std::string path = directory.path + "\\" + name_;
        if (path.size() <= kMaxFoundPath && platform::FileExists(path.c_str())) {
            result = path;
            found = true;
            return 0;
        }
        return 1;
    }
    bool found = false;
    std::string result;

private:
    const char* name_;
};

void TakeHostText(ide::HostString* text, String& out) {
    if (!text) return;
    out = text->GetText();
    text->Release();
}

} // namespace

bool FindFileInTree(const char* name, const char* directory, String& found) {
    if (!name || !*name || !directory) return false;
    Finder finder(name);
    WalkOptions options;
    options.patterns = ""; // only directories matter here
    options.skipHidden = true;
    options.maxPathLength = kMaxFoundPath;
    WalkTree(directory, options, finder);
    if (finder.found) found = finder.result.c_str();
    return finder.found;
}

String IncludeSearchList(const char* clickedFile) {
    String list = ProjectDirectory();
    if (!ProjectOpen() || !Projects || !Options || !Options->Service()) return list;
    ide::IdeNode node = clickedFile ? Projects->FindNode(clickedFile) : 0;
    if (!node) node = Projects->TopNode();
    String option;
    TakeHostText(Options->Service()->DirectoryOption(node, 1), option);
    if (option.Length() > 0) {
        list += ";";
        list += option;
    }
    return list;
}

bool LocateInclude(const char* name, const char* searchList, String& found) {
    std::string list = searchList ? searchList : "";
    size_t start = 0;
    bool done = false;
    while (!done && start <= list.size()) {
        size_t end = list.find(';', start);
        if (end == std::string::npos) end = list.size();
        std::string item = list.substr(start, end - start);
        if (!item.empty()) done = FindFileInTree(name, item.c_str(), found);
        start = end + 1;
    }
    ShowStatusText(done ? found.c_str() : "Pas trouve");
    return done;
}

} // namespace qelvo
