#include "addon/shell/command_routing.h"

#include "completion/shell/completion_commands.h"
#include "core/command_ids.h"
#include "core/globals.h"
#include "core/help.h"
#include "core/project_session.h"
#include "core/shell/find_window.h"
#include "core/shell/open_file_check.h"
#include "core/window_rules.h"
#include "groupware/shell/groupware_commands.h"
#include "html/html_generation.h"
#include "html/html_settings.h"
#include "ide/ide_commands.h"
#include "navigation/shell/navigation_commands.h"
#include "navigation/shell/quick_find_commands.h"
#include "tasks/shell/task_commands.h"
#include "topbar/node_commands.h"
#include "topbar/shell/place_bar.h"
#include "topbar/shell/topbar_commands.h"

#include <string>

namespace qelvo {

namespace {

// A file that another editor shows already ends with that one in front and the new one closed.
void OnEditorCreated(UINT, LPARAM lParam) {
    HWND editor = reinterpret_cast<HWND>(lParam);
    char caption[199] = {0};
    if (editor && IsWindow(editor))
        GetWindowTextA(editor, caption, sizeof caption);
    if (editor && IsWindow(editor) &&
        !NoteEditorOpened(static_cast<HWND>(AddonWindow), caption, editor))
        SendMessageA(editor, WM_SYSCOMMAND, SC_CLOSE, 0);
    ActivateFrame();
}

void OnHtmlGenerate(UINT, LPARAM) {
    std::string name = html::DocumentationName(ProjectName());
    html::StartGeneration(ProjectDirectory(), name.c_str(), Html ? Html->filters.c_str() : "");
}

void OnHtmlRun(UINT, LPARAM) {
    std::string name = html::DocumentationName(ProjectName());
    html::OpenDocumentation(ProjectDirectory(), name.c_str());
}

// The include is found by the editor menu and opened with the project menus' opening of a
// source file.
void OnIncludeChosen(UINT command, LPARAM) {
    char path[256];
    if (LocateChosenInclude(command, path, sizeof path) && OpenEditorFile(path))
        NoteEditorOpened(static_cast<HWND>(AddonWindow), path, nullptr);
}

void OnHelp(UINT, LPARAM) {
    if (Help) Help->ShowHelp(1);
}

void OnOptionsDialog(UINT, LPARAM) {
    HWND frame = FindFrame();
    if (frame && IsWindowEnabled(frame)) PostMessageA(frame, WM_COMMAND, ide::kCmdOptions, 0);
}

} // namespace

// In the order of the command plan. Owners not built yet keep a null handler: their commands
// arrive, collapse the bar and do nothing else.
const CommandRoute kCommandRoutes[] = {
    {kCmdStartupItem, kCmdStartupItem, "start-up item of the bar: no action", nullptr},
    {kCmdBarSeparator, kCmdBarSeparator, "separators of the bar: no action", nullptr},
    {kCmdEditorCreated, kCmdEditorCreated,
     "an editor was created: open-file check (recent lists), frame activation", OnEditorCreated},
    {kCmdCompleteWord, kCmdCompleteWord,
     "completion key: complete the word in the active editor (keyword completion)",
     OnCompleteWord},
    {kCmdProjectWindow, kCmdProjectWindow,
     "project window created or destroyed: rebuild the bar (project menus)", OnProjectWindow},
    {kCmdPaintCaption, kCmdPaintCaption, "paint an editor's caption buttons (editor menu)",
     OnPaintCaption},
    {kCmdTaskList, kCmdTaskList, "task list window (task list)", OnTaskList},
    {kCmdFlashIfTasks, kCmdFlash, "daily task flash (task list)", OnFlash},
    {kCmdMail, kCmdMail, "\"Mail...\": no action", nullptr},
    {kCmdGroupwareGet, kCmdGroupwareGet, "groupware get dialog (groupware get)", OnGroupwareGet},
    {kCmdGroupwareSend, kCmdGroupwareSend, "groupware send dialog (groupware send)",
     OnGroupwareSend},
    {kCmdEditDocumentation, kCmdEditDocumentation,
     "documentation text of the last right-clicked editor (project menus)", OnEditDocumentation},
    {kCmdServerReport, kCmdServerReport, "\"Server report...\": no action", nullptr},
    {kCmdFindResultsPopup, kCmdFindResultsPopup, "quick-find results popup (quick find)",
     OnMethodResultsPopup},
    {kCmdIncludesPopup, kCmdIncludesPopup, "include popup (editor menu)", OnIncludesPopup},
    {kCmdQuickFindPopup, kCmdQuickFindPopup, "quick-find popup, commands 190 to 193 (editor menu)",
     OnQuickFindPopup},
    {kCmdFunctionsPopup, kCmdFunctionsPopup, "functions popup (editor menu)", OnFunctionsPopup},
    {kCmdFindFunction, kCmdCrossReference,
     "find as function, method, class; cross reference (quick find)", OnQuickFindCommand},
    {kCmdHtmlGenerate, kCmdHtmlGenerate, "generate the HTML documentation (HTML writer)",
     OnHtmlGenerate},
    {kCmdHtmlRun, kCmdHtmlRun, "open the generated HTML documentation (HTML writer)", OnHtmlRun},
    {kCmdHelp, kCmdHelp, "the add-on's help at context 1 (help)", OnHelp},
    {kCmdDocumentationPopup, kCmdDocumentationPopup,
     "documentation popup: \"Edit Documentation\" (177) (editor menu)", OnDocumentationPopup},
    {kCmdOptionsDialog, kCmdOptionsDialog,
     "the IDE's options dialog: IDE command 13492 to the frame", OnOptionsDialog},
    {kCmdRecentProjectFirst, kCmdRecentProjectLast, "switch to a recent project (recent lists)",
     OnRecentProject},
    {kCmdRunFirst, kCmdRunLast, "run an executable node (project menus)", OnRunItem},
    {kCmdRecentIncludeFirst, kCmdRecentIncludeLast, "open a recent include file (recent lists)",
     OnRecentInclude},
    {kCmdIncludeFirst, kCmdIncludeLast, "open an include of the editor menu (editor menu)",
     OnIncludeChosen},
    {kCmdFindResultFirst, kCmdFindResultLast, "open a quick-find result (quick find)",
     OnMethodResultChosen},
    {kCmdFunctionFirst, kCmdFunctionLast, "go to a function's line (editor menu)",
     OnFunctionChosen},
    {kCmdNodeFirst, kCmdNodeLast, "a project node: open, quick add or quick remove (project menus)",
     OnNodeItem},
    {0, 0, nullptr, nullptr},
};

const CommandRoute* FindRoute(UINT command) {
    for (const CommandRoute* r = kCommandRoutes; r->first; ++r)
        if (command >= r->first && command <= r->last) return r;
    return nullptr;
}

void RouteCommand(UINT command, LPARAM lParam) {
    if (command != kCmdPaintCaption) PlaceBar(0);
    const CommandRoute* route = FindRoute(command);
    if (route && route->handle) route->handle(command, lParam);
}

} // namespace qelvo
