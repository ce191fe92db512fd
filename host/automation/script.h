// The stand-in IDE's automation scripts: a plain text file of steps, one a line; a word that
// starts with '#' starts a comment. A step is a keyword and its arguments, separated by blanks;
// an argument holding blanks (or starting with '#') is written in double quotes ("" inside
// quotes is one quote). Portable: the steps are
// read and checked here, and played by the engine (engine.h) on Windows.
#pragma once

#include <string>
#include <vector>

namespace qelvo {
namespace automation {

enum class StepKind {
    kProject,       // project PATH: open a project
    kOpen,          // open PATH: open a file in an editor view
    kCaption,       // caption TITLE 0|1|2|right: click an editor's caption button (or right click)
    kMenu,          // menu A/B/C: choose an item of the IDE's menu bar by its path
    kBar,           // bar A/B: choose (or open) an item of the add-on's bar by its path
    kCommand,       // command N: post command N to the add-on's bar, as its menu does
    kChoose,        // choose ITEM: click an item of the popup menu that is open
    kKey,           // key COMBINATION: press keys together ("Ctrl+Shift+F3", "Escape")
    kHold,          // hold MODIFIERS: the IDE's thread sees Alt, Ctrl, Shift ("Alt+Ctrl") held
                    // from now on, without key events; "hold none" lets them go
    kType,          // type TEXT: type the text
    kMake,          // make [SHOT]: Project | Make all; SHOT is taken while its status window shows
    kAnswer,        // answer TITLE BUTTON [ID=TEXT...]: answer a dialog or message box (BUTTON
                    // its text or its number; TITLE * for the topmost one); ID=TEXT sets an
                    // edit, picks a list's item starting with TEXT, or checks a box (1 or 0)
    kExpectStatus,  // expect-status TEXT: the status line shows the text ('*': any text)
    kExpectFile,    // expect-file PATH [TEXT]: the file exists (and holds the text)
    kExpectMenu,    // expect-menu ITEM...: the open popup's items, "-" for a separator
    kExpectBar,     // expect-bar ITEM...: the items of the add-on's bar
    kExpectMessage, // expect-message TEXT: a line of the message window's shown group ('*')
    kScreenshot,    // screenshot NAME [screen|frame|bar|popup|dialog|EDITOR]: a PNG
    kWait,          // wait MILLISECONDS
    kTimeout,       // timeout SECONDS: the time each following step may take
    kProgress,      // progress SHOT TITLE BUTTON: answer a dialog with a button that starts a
                    // copy; SHOT is taken while the progress bar on the frame is partly done
    kSelect,        // select TITLE [LINE...]: in the dialog's list, exactly the lines matching
                    // one of the patterns ('*') are selected (none: no line)
    kExpectList,    // expect-list TITLE LINE...: the dialog's list holds these lines ('*'),
                    // a tab shown as "\t"
    kClose,         // close TITLE: the dialog's system-menu Close (a '*' in TITLE: any text)
    kPage,          // page TITLE [ID=TEXT|ID=click...]: in the open options dialog, show the page of
                    // that title, set its edits and click its buttons
};

struct ScriptStep {
    int line = 0;       // 1-based line of the script
    std::string source; // the line as written, trimmed
    StepKind kind = StepKind::kWait;
    std::vector<std::string> args;
};

// The step's keyword ("expect-status").
const char* StepKeyword(StepKind kind);

// Splits a line into words: blanks separate, double quotes group, a word starting with '#'
// ends the line. False (with the reason) for a quote left open.
bool SplitWords(const std::string& line, std::vector<std::string>& words, std::string& error);

// Reads a whole script. On the first bad line: false, and error names the line and the fault
// ("line 4: unknown step \"clik\"").
bool ParseScript(const std::string& text, std::vector<ScriptStep>& steps, std::string& error);

// A menu path "File/Open..." split at '/', each part trimmed; empty parts are refused.
bool SplitMenuPath(const std::string& path, std::vector<std::string>& parts);

// A menu item's text as a path names it: '&' markers and the tab with its hot key text left
// out, blanks at both ends trimmed ("&Open...\tCtrl+O" is "Open...").
std::string MenuItemName(const std::string& text);

// Whether the text matches the pattern, in which '*' stands for any text (none included) and
// every other character for itself.
bool TextMatches(const std::string& pattern, const std::string& text);

// A key combination: modifiers joined by '+' and one key.
struct KeyCombination {
    bool ctrl = false, shift = false, alt = false;
    int key = 0; // virtual-key code
    // The add-on's form: the key + 1000 with Shift, + 2000 with Alt, + 4000 with Ctrl.
    int Code() const { return key + (shift ? 1000 : 0) + (alt ? 2000 : 0) + (ctrl ? 4000 : 0); }
};
// "Ctrl+Shift+F3", "alt+x", "Escape", "Enter", "F10", "PgDn"... without regard to case.
bool ParseKeyCombination(const std::string& text, KeyCombination& combination);
// Modifiers only ("Alt", "ctrl+shift") or "none".
bool ParseModifiers(const std::string& text, KeyCombination& combination);

} // namespace automation
} // namespace qelvo
