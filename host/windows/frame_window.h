// The stand-in IDE's frame ("CPPFRAME", caption "Borland C++ - <project>"): its MDI client, its
// status line, its menus (File, Project, Tool, Options, Window) and the IDE commands add-ons
// send it. It owns the editors, the project and message windows, the viewers and Make, and
// plugs them into the StandInIde: the EditorService, the editors' text for the file reader,
// the windows of the IDE's own tools, the status line.
#pragma once

#include "editor_host.h"
#include "make_runner.h"
#include "message_window.h"
#include "project_window.h"
#include "stand_in_ide.h"
#include "win32/window.h"

#include <windows.h>

#include <functional>
#include <string>

namespace qelvo {
namespace host {

// The frame's own menu commands (the IDE's numbers are in win_support.h).
enum : int {
    kCmdOpenFile = 24001,
    kCmdSaveFile = 24002,
    kCmdExit = 24003,
    kCmdOpenProject = 24010,
    kCmdCloseProject = 24011,
    kCmdMake = 24012,
    kCmdCascade = 24020,
    kCmdTile = 24021,
    kCmdArrangeIcons = 24022,
    kCmdToolFirst = 24100, // Tool menu item n is kCmdToolFirst + n
    kCmdToolLast = 24199,
    kFirstMdiChildId = 0x7F00,
};

class FrameWindow final : public ToolWindows, private win32::Window {
public:
    // Plugs the editors and the tool windows into the IDE (before any add-on starts, so that
    // add-ons find the EditorService); the windows come with Create.
    explicit FrameWindow(StandInIde& ide);
    // Destroys the windows and unplugs everything.
    ~FrameWindow();
    FrameWindow(const FrameWindow&) = delete;
    FrameWindow& operator=(const FrameWindow&) = delete;

    bool Create(int showCommand = SW_SHOWNORMAL);
    HWND Window() const { return Handle(); }
    HWND MdiClient() const { return mdiClient_; }
    HWND StatusLine() const { return statusLine_; }
    EditorHost& Editors() { return editors_; }
    ProjectWindow& ProjectView() { return projectWindow_; }
    MessageWindow& MessageView() { return messageWindow_; }
    MakeRunner& Make() { return make_; }

    // What the user does.
    HWND OpenEditor(const std::string& fileName);
    HWND OpenViewer(const std::string& windowClass, const std::string& fileName);
    // Opens the project and shows the project window.
    bool OpenProject(const std::string& path);
    HWND ShowProjectWindow();
    HWND ShowMessageWindow();
    int RunMake();
    // File | Save all: posts the IDE's command 13104 to the frame, which saves every changed
    // editor when it takes the command from its queue.
    void SaveAll();

    // Called when the frame is asked to close, after the editors' changes were dealt with;
    // false keeps the frame. Without one the frame just closes.
    void SetClosingHandler(std::function<bool()> handler) { closing_ = std::move(handler); }
    // The program's frame ends the message loop when it is destroyed.
    void SetQuitOnDestroy(bool quit) { quitOnDestroy_ = quit; }

    // ToolWindows
    bool OpenToolWindow(const std::string& tool, const std::string& fileName) override;

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyed() override;
    bool OnCreate();
    void OnSize(int width, int height);
    bool OnCommand(int id);
    void OnInitMenuPopup(HMENU menu);
    void OnClose();
    void OnDestroy();
    void FillToolMenu(HMENU menu);
    void OnProjectChanged();
    void ShowStatus(const std::string& text);
    void SaveActiveEditor();
    std::string AskFileName(const char* filter);
    // Where a new window of the kind goes in the MDI client.
    RECT Place(const char* windowClass) const;

    StandInIde& ide_;
    EditorHost editors_;
    ProjectWindow projectWindow_;
    MessageWindow messageWindow_;
    MakeRunner make_;
    HWND mdiClient_ = nullptr;
    HWND statusLine_ = nullptr;
    std::function<bool()> closing_;
    bool quitOnDestroy_ = false;
    bool closeAfterMake_ = false; // asked to close while a Make ran
};

// The frame's caption for a project file (empty: none open): "Borland C++ - APP" for APP.IDE.
std::string FrameCaption(const std::string& projectPath);

} // namespace host
} // namespace qelvo
