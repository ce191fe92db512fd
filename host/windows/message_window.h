// The message window ("BCW5Message"): an MDI child holding an "OWL_Window" pane, which holds
// the tabs of the message groups ("OWL_NoteTab", a tab control under the IDE's name) and the
// messages of the shown group ("MsgViewer", a list box under the IDE's name). Command 1722
// sent to the viewer (which passes it to the pane) empties the shown group. One window at most;
// it follows the message model.
#pragma once

#include "message_host.h"
#include "win32/window.h"

#include <windows.h>

#include <string>
#include <vector>

namespace qelvo {
namespace host {

class MessageWindow : private win32::Window {
public:
    explicit MessageWindow(MessageHost& messages);
    ~MessageWindow();
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    // Makes the window (place: its rectangle in the MDI client, or null) or brings it forward.
    HWND Show(HWND mdiClient, const RECT* place);
    // Tabs and messages anew from the model; a group that appeared is shown.
    void Refresh();
    HWND Window() const { return Handle(); }
    HWND Pane() const { return pane_.Handle(); }
    HWND NoteTab() const { return noteTab_; }
    HWND Viewer() const { return viewer_; }
    // The group whose messages are shown (its index), -1 while there is none.
    int ShownGroup() const { return shown_; }
    // The viewer's line for a message at that depth below the top level: indented four blanks
    // a level; a message about a place in a file starts with the file's name and line.
    static std::string LineOf(const HostMessage& message, size_t depth);

private:
    // "OWL_Window": lays out the tabs and the viewer and passes on what they report.
    class PaneWindow final : public win32::Window {
    public:
        explicit PaneWindow(MessageWindow& owner) : owner_(owner) {}
        HWND Create(HWND parent);

    private:
        LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
        MessageWindow& owner_;
    };

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyed() override;
    bool OnCreate();
    void Layout(int width, int height);
    void OnNotify(const NMHDR& header);
    void OnTabChosen();
    void ClearShown();
    // The tabs anew when the groups changed (a new group is shown); true when they did.
    bool FillTabs();
    // The shown group's lines; only those added since the last fill when the group is the same
    // and only grew.
    void FillViewer(bool fromScratch);

    MessageHost& messages_;
    PaneWindow pane_{*this};
    HWND noteTab_ = nullptr;
    HWND viewer_ = nullptr;
    std::vector<std::string> tabs_; // the titles on the tabs
    int shown_ = -1;
    size_t lines_ = 0; // messages of the shown group in the viewer
};

} // namespace host
} // namespace qelvo
