// The message window ("BCW5Message"): an MDI child holding an "OWL_Window" pane, which holds
// the tabs of the message groups ("OWL_NoteTab", a tab control under the IDE's name) and the
// messages of the shown group ("MsgViewer", a list box under the IDE's name). Command 1722
// sent to the viewer empties the shown group. One window at most; it follows the message model.
#pragma once

#include "message_host.h"

#include <windows.h>

#include <string>
#include <vector>

namespace qelvo {
namespace host {

class MessageWindow {
public:
    explicit MessageWindow(MessageHost& messages);
    ~MessageWindow();
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    // Makes the window (place: its rectangle in the MDI client, or null) or brings it forward.
    HWND Show(HWND mdiClient, const RECT* place);
    // Tabs and messages anew from the model; a group that appeared is shown.
    void Refresh();
    HWND Window() const { return window_; }
    HWND Pane() const { return pane_; }
    HWND NoteTab() const { return noteTab_; }
    HWND Viewer() const { return viewer_; }
    // The group whose messages are shown (its index), -1 while there is none.
    int ShownGroup() const { return shown_; }
    // The viewer's line for a message at that depth below the top level: indented four blanks
    // a level; a message about a place in a file starts with the file's name and line.
    static std::string LineOf(const HostMessage& message, size_t depth);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PaneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK NoteTabProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ViewerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool CreatePane(HWND window);
    void Layout(int width, int height);
    void OnTabChosen();
    void ClearShown();
    // The tabs anew when the groups changed (a new group is shown); true when they did.
    bool FillTabs();
    // The shown group's lines; only those added since the last fill when the group is the same
    // and only grew.
    void FillViewer(bool fromScratch);

    MessageHost& messages_;
    HWND window_ = nullptr;
    HWND pane_ = nullptr;
    HWND noteTab_ = nullptr;
    HWND viewer_ = nullptr;
    std::vector<std::string> tabs_; // the titles on the tabs
    int shown_ = -1;
    size_t lines_ = 0; // messages of the shown group in the viewer
};

} // namespace host
} // namespace qelvo
