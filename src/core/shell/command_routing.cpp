#include "core/shell/command_routing.h"

#include "core/globals.h"
#include "core/shell/find_window.h"
#include "core/shell/handles.h"
#include "core/shell/hooks.h"
#include "core/shell/place_bar.h"
#include "navigation/quick_find.h"
#include "topbar/node_commands.h"

#include <string>

namespace qelvo {

const char* const kQuickFindItems[4] = {"Find as function... ", "Find as method... ",
                                        "Find as class... ", "Cross reference... "};

namespace {

// Tracks one of the add-on's popups at the click point; the choice arrives as a command.
void TrackAtClickPoint(HMENU popup) {
    if (!Hooks)
        return;
    Hooks->popupActive = true;
    TrackPopupMenu(popup, TPM_LEFTALIGN, Hooks->clickPoint.x, Hooks->clickPoint.y, 0,
                   Hooks->addonWindow, nullptr);
    Hooks->popupActive = false;
}

void OnEditorCreated(UINT, LPARAM) {
    // The open-file check of the recent lists joins here.
    ActivateFrame();
}

void OnQuickFindPopup(UINT, LPARAM) {
    UniqueMenu popup(CreatePopupMenu());
    if (!popup)
        return;
    for (int i = 0; i < 4; ++i) {
        if (i == 3)
            AppendMenuA(popup.get(), MF_SEPARATOR, 0, nullptr);
        std::string text = kQuickFindItems[i];
        if (QuickFinder && QuickFinder->settings.keys[i] != 0) {
            text += '\t';
            text += QuickFinder->settings.keyTexts[i].c_str();
        }
        AppendMenuA(popup.get(), MF_STRING, 190 + i, text.c_str());
    }
    TrackAtClickPoint(popup.get());
}

void OnDocumentationPopup(UINT, LPARAM) {
    UniqueMenu popup(CreatePopupMenu());
    if (!popup)
        return;
    AppendMenuA(popup.get(), MF_STRING, 177, "Edit Documentation");
    TrackAtClickPoint(popup.get());
}

// The documentation text of the last right-clicked editor's file: its cleaned title + ".txt".
void OnDocumentation(UINT, LPARAM) {
    if (!Hooks || !Hooks->lastEditorTitle[0])
        return;
    std::string path = std::string(Hooks->lastEditorTitle) + ".txt";
    OpenFileByName(path.c_str());
}

void OnRunItem(UINT command, LPARAM) {
    ActivateFrame();
    RunExeNode(static_cast<int>(command) - 300);
}

void OnNodeItem(UINT command, LPARAM) {
    bool alt = GetKeyState(VK_MENU) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
    int index = static_cast<int>(command) - 10000;
    if (alt && ctrl)
        OpenNode(index, 0, 1); // the node's documentation text
    else if (!alt && !ctrl)
        OpenNode(index, 0, 0);
    // Alt alone (quick add) and Ctrl alone (quick remove) join with the quick node edits.
}

void OnOptionsDialog(UINT, LPARAM) {
    HWND frame = FindFrame();
    if (frame && IsWindowEnabled(frame))
        PostMessageA(frame, WM_COMMAND, 13492, 0);
}

} // namespace

// In the order of the command plan. Owners not built yet keep a null handler: their commands
// arrive, collapse the bar and do nothing else.
const CommandRoute kCommandRoutes[] = {
    {99, 99, "start-up item of the bar: no action", nullptr},
    {100, 100, "separators of the bar: no action", nullptr},
    {101, 101, "an editor was created: open-file check (recent lists), frame activation",
     OnEditorCreated},
    {102, 102, "completion key: complete the word in the active editor (keyword completion)",
     nullptr},
    {103, 103, "project window created or destroyed: rebuild the bar (project menus)", nullptr},
    {111, 111, "paint an editor's caption buttons (editor menu)", nullptr},
    {171, 171, "task list window (task list)", nullptr},
    {172, 173, "daily task flash (task list)", nullptr},
    {174, 174, "\"Mail...\": no action", nullptr},
    {175, 175, "groupware get dialog (groupware get)", nullptr},
    {176, 176, "groupware send dialog (groupware send)", nullptr},
    {177, 177, "documentation text of the last right-clicked editor (project menus)",
     OnDocumentation},
    {178, 178, "\"Server report...\": no action", nullptr},
    {184, 184, "quick-find results popup (quick find)", nullptr},
    {187, 187, "include popup (editor menu)", nullptr},
    {188, 188, "quick-find popup, commands 190 to 193", OnQuickFindPopup},
    {189, 189, "functions popup (editor menu)", nullptr},
    {190, 193, "find as function, method, class; cross reference (quick find)", nullptr},
    {194, 195, "generate and open the HTML documentation (HTML writer)", nullptr},
    {196, 196, "the add-on's help (help)", nullptr},
    {197, 197, "documentation popup: \"Edit Documentation\" (177)", OnDocumentationPopup},
    {199, 199, "the IDE's options dialog: IDE command 13492 to the frame", OnOptionsDialog},
    {200, 299, "switch to a recent project (recent lists)", nullptr},
    {300, 399, "run an executable node (project menus)", OnRunItem},
    {400, 599, "open a recent include file (recent lists)", nullptr},
    {700, 799, "open an include of the editor menu (editor menu)", nullptr},
    {800, 899, "open a quick-find result (quick find)", nullptr},
    {1000, 9999, "go to a function's line (editor menu)", nullptr},
    {10000, 19999, "a project node: open, quick add or quick remove (project menus)",
     OnNodeItem},
    {0, 0, nullptr, nullptr},
};

const CommandRoute* FindRoute(UINT command) {
    for (const CommandRoute* r = kCommandRoutes; r->first; ++r)
        if (command >= r->first && command <= r->last)
            return r;
    return nullptr;
}

void RouteCommand(UINT command, LPARAM lParam) {
    if (command != 111)
        PlaceBar(0);
    const CommandRoute* route = FindRoute(command);
    if (route && route->handle)
        route->handle(command, lParam);
}

} // namespace qelvo
