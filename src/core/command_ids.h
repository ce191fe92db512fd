// The add-on's command plan: the numbers of the WM_COMMAND messages posted to the add-on window,
// by the hooks, the bar's menus and the editor popups. Ranges carry an index (command - first).
#pragma once

namespace qelvo {

enum AddonCommand : unsigned {
    kCmdStartupItem = 99,        // the bar's start-up item: no action
    kCmdBarSeparator = 100,      // separators of the bar: no action
    kCmdEditorCreated = 101,     // an editor window was created (lParam: the window)
    kCmdCompleteWord = 102,      // the completion key
    kCmdProjectWindow = 103,     // the project window was created or destroyed
    kCmdPaintCaption = 111,      // an editor's caption was painted (lParam: the editor)
    kCmdTaskList = 171,          // the task list window
    kCmdFlashIfTasks = 172,      // the daily flash, when the day has tasks
    kCmdFlash = 173,             // the daily flash, always
    kCmdMail = 174,              // "Mail...": no action
    kCmdGroupwareGet = 175,      // the groupware get dialog
    kCmdGroupwareSend = 176,     // the groupware send dialog
    kCmdEditDocumentation = 177, // the last right-clicked editor's documentation text
    kCmdServerReport = 178,      // "Server report...": no action
    kCmdFindResultsPopup = 184,  // the quick-find results at the cursor
    kCmdIncludesPopup = 187,     // caption button: the file's includes
    kCmdQuickFindPopup = 188,    // caption button: the quick-find commands
    kCmdFunctionsPopup = 189,    // caption button: the file's functions
    kCmdFindFunction = 190,      // quick find: as function, method, class; cross reference
    kCmdFindMethod = 191,
    kCmdFindClass = 192,
    kCmdCrossReference = 193,
    kCmdHtmlGenerate = 194,       // generate the HTML documentation
    kCmdHtmlRun = 195,            // show the generated documentation
    kCmdHelp = 196,               // the add-on's help
    kCmdDocumentationPopup = 197, // right click on an editor's caption
    kCmdOptionsDialog = 199,      // the IDE's options dialog

    kCmdRecentProjectFirst = 200, // switch to a recent project
    kCmdRecentProjectLast = 299,
    kCmdRunFirst = 300, // run an executable node
    kCmdRunLast = 399,
    kCmdRecentIncludeFirst = 400, // open a recent include file
    kCmdRecentIncludeLast = 599,
    kCmdIncludeFirst = 700, // open an include of the editor's popup
    kCmdIncludeLast = 799,
    kCmdFindResultFirst = 800, // open a quick-find result
    kCmdFindResultLast = 899,
    kCmdFunctionFirst = 1000, // go to a function's line
    kCmdFunctionLast = 9999,
    kCmdNodeFirst = 10000, // a project node: open, quick add or quick remove
    kCmdNodeLast = 19999,
};

} // namespace qelvo
