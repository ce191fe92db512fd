// The IDE's side: projects and files opened, Make, commands to the add-on's bar, the
// expectations on the status line, files and messages, and screenshots.
#include "actions.h"

#include "frame_window.h"
#include "screenshot.h"
#include "ui.h"
#include "win_support.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

namespace qelvo {
namespace automation {

namespace {

// Opens a project or a file through the frame, as its menus do once a name is chosen. The call
// runs from the message loop; the step ends when the IDE is idle again.
class OpenAction final : public Action {
public:
    OpenAction(const std::string& path, bool project) : path_(path), project_(project) {}

    Progress Tick(ScriptEngine& e) override {
        if (!asked_) {
            if (!e.Idle()) return e.WaitFor("the IDE to be idle");
            asked_ = true;
            std::string path = host::FullPath(path_);
            host::FrameWindow* frame = &e.Frame();
            bool project = project_;
            auto result = result_;
            e.Later([frame, path, project, result] {
                *result = project ? (frame->OpenProject(path) ? 1 : 0)
                                  : (frame->OpenEditor(path) ? 1 : 0);
            });
            e.Note(path);
            return e.WaitFor("the IDE to open " + Quoted(path));
        }
        if (!e.Idle()) return e.WaitFor("the IDE to be idle");
        if (*result_ == 0)
            return e.Fail(std::string("the IDE could not open the ") +
                          (project_ ? "project " : "file ") + Quoted(path_));
        if (*result_ < 0) e.Note("still opening (a modal window is open)");
        return Progress::kDone;
    }

private:
    std::string path_;
    bool project_;
    bool asked_ = false;
    std::shared_ptr<int> result_ = std::make_shared<int>(-1);
};

HWND CompileStatusWindow() {
    for (HWND window : ThreadWindows("#32770"))
        if (host::WindowText(window) == "Compile Status") return window;
    return nullptr;
}

// Project | Make all through the menu; the shot is taken while the status window shows.
class BuildAction final : public Action {
public:
    explicit BuildAction(const std::string& shot)
        : menu_(MakeMenuAction(false, "Project/Make all")), shot_(shot) {}

    Progress Tick(ScriptEngine& e) override {
        if (makesBefore_ < 0) makesBefore_ = e.Ide().Make().Makes();
        HWND status = CompileStatusWindow();
        if (status) {
            std::string line = host::WindowText(GetDlgItem(status, 103));
            if (line != lastLine_) lastLine_ = line;
            // Taken once a file or two were compiled, so that the picture shows the build going.
            if (!shot_.empty() && !shotTaken_ && line.find("Files: 2") == 0) {
                std::string error;
                if (!TakeScreenshot(e.OutFile(shot_), nullptr, error)) return e.Fail(error);
                shotTaken_ = true;
                e.Note("screenshot " + shot_ + " of the Make in progress");
            }
        }
        Progress progress = menu_->Tick(e);
        if (progress != Progress::kDone) return progress;
        if (e.Ide().Make().Makes() <= makesBefore_) return e.WaitFor("a Make");
        if (!shot_.empty() && !shotTaken_)
            return e.Fail("the Make ended before its status window could be taken");
        e.Note("Make ended; the status window last showed " + Quoted(lastLine_));
        return Progress::kDone;
    }

private:
    std::unique_ptr<Action> menu_;
    std::string shot_;
    int makesBefore_ = -1;
    bool shotTaken_ = false;
    std::string lastLine_;
};

class CommandAction final : public Action {
public:
    explicit CommandAction(int command) : command_(command) {}

    Progress Tick(ScriptEngine& e) override {
        if (!e.Idle()) return e.WaitFor("the IDE to be idle");
        if (posted_) return Progress::kDone;
        HWND bar = FindBar();
        if (!bar) return e.Fail("the add-on's bar is not there");
        PostMessageA(bar, WM_COMMAND, static_cast<WPARAM>(command_), 0);
        e.Acted();
        posted_ = true;
        return e.WaitFor("the command to be handled");
    }

private:
    int command_;
    bool posted_ = false;
};

std::string StatusLineText(HWND statusLine) {
    LRESULT length = LOWORD(SendMessageA(statusLine, SB_GETTEXTLENGTHA, 0, 0));
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(statusLine, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

class ExpectStatusAction final : public Action {
public:
    explicit ExpectStatusAction(const std::string& text) : text_(text) {}

    Progress Tick(ScriptEngine& e) override {
        if (!e.Idle()) return e.WaitFor("the IDE to be idle");
        std::string shown = StatusLineText(e.Frame().StatusLine());
        if (!TextMatches(text_, shown))
            return e.Fail("the status line shows " + Quoted(shown) + ", not " + Quoted(text_));
        return Progress::kDone;
    }

private:
    std::string text_;
};

class ExpectFileAction final : public Action {
public:
    explicit ExpectFileAction(const std::vector<std::string>& args)
        : path_(args[0]), text_(args.size() > 1 ? args[1] : std::string()) {}

    Progress Tick(ScriptEngine& e) override {
        if (!e.Idle()) return e.WaitFor("the IDE to be idle");
        std::string path = host::FullPath(path_);
        FILE* file = std::fopen(path.c_str(), "rb");
        if (!file) return e.Fail("there is no file " + Quoted(path));
        std::string bytes;
        char buffer[8192];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            bytes.append(buffer, n);
        std::fclose(file);
        e.Note(path + ": " + std::to_string(bytes.size()) + " bytes");
        if (!text_.empty() && bytes.find(text_) == std::string::npos)
            return e.Fail("the file " + Quoted(path) + " does not hold " + Quoted(text_));
        return Progress::kDone;
    }

private:
    std::string path_, text_;
};

class ExpectMessageAction final : public Action {
public:
    explicit ExpectMessageAction(const std::string& text) : text_(text) {}

    Progress Tick(ScriptEngine& e) override {
        if (!e.Idle()) return e.WaitFor("the IDE to be idle");
        HWND viewer = e.Frame().MessageView().Viewer();
        if (!viewer) return e.Fail("the message window is not open");
        std::vector<std::string> lines;
        LRESULT count = SendMessageA(viewer, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::string line(static_cast<size_t>(SendMessageA(viewer, LB_GETTEXTLEN, i, 0)) + 1,
                             '\0');
            SendMessageA(viewer, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&line[0]));
            line.resize(line.size() - 1);
            if (TextMatches(text_, line)) return Progress::kDone;
            lines.push_back(line);
        }
        if (lines.size() > 12) lines.resize(12);
        return e.Fail("the message window does not show " + Quoted(text_) + "; it shows " +
                      Joined(lines));
    }

private:
    std::string text_;
};

class ScreenshotAction final : public Action {
public:
    ScreenshotAction(const std::string& name, const std::string& target)
        : name_(name), target_(target) {}

    Progress Tick(ScriptEngine& e) override {
        if (!e.Idle()) return e.WaitFor("the IDE to be idle");
        RECT area = {};
        std::string fault = Area(e, area);
        if (!fault.empty()) return e.Fail(fault);
        std::string error;
        bool whole = target_.empty() || target_ == "screen";
        if (!TakeScreenshot(e.OutFile(name_), whole ? nullptr : &area, error)) return e.Fail(error);
        e.Note("screenshot " + name_ + (whole ? "" : " of " + target_));
        return Progress::kDone;
    }

private:
    std::string Area(ScriptEngine& e, RECT& area) {
        if (target_.empty() || target_ == "screen") return std::string();
        HWND window = nullptr;
        if (target_ == "frame") {
            window = e.Frame().Window();
        } else if (target_ == "bar") {
            window = FindBar();
        } else if (target_ == "dialog") {
            std::vector<HWND> dialogs = ThreadWindows("#32770");
            if (!dialogs.empty()) window = dialogs.front();
        } else if (target_ == "popup") {
            std::vector<HWND> popups = OpenPopups();
            if (popups.empty()) return "no popup menu is open";
            SetRectEmpty(&area);
            for (HWND popup : popups) {
                RECT r;
                GetWindowRect(popup, &r);
                UnionRect(&area, &area, &r);
            }
            return std::string();
        } else {
            window = FindEditor(e.Frame().MdiClient(), target_);
        }
        if (!window) return "there is no window " + Quoted(target_) + " to take";
        GetWindowRect(window, &area);
        return std::string();
    }

    std::string name_, target_;
};

} // namespace

bool TakeScreenshot(const std::string& path, const RECT* area, std::string& error) {
    host::Screenshot shot;
    if (!host::CaptureScreen(shot)) {
        error = "the screen could not be taken";
        return false;
    }
    if (area) {
        RECT screen = {0, 0, shot.width, shot.height}, part;
        if (!IntersectRect(&part, &screen, area)) {
            error = "the window lies outside the screen";
            return false;
        }
        host::Screenshot cut;
        cut.width = part.right - part.left;
        cut.height = part.bottom - part.top;
        cut.rgb.reserve(static_cast<size_t>(cut.width) * static_cast<size_t>(cut.height) * 3);
        for (int y = part.top; y < part.bottom; ++y) {
            size_t from = (static_cast<size_t>(y) * static_cast<size_t>(shot.width) +
                           static_cast<size_t>(part.left)) *
                          3;
            cut.rgb.insert(cut.rgb.end(), shot.rgb.begin() + static_cast<ptrdiff_t>(from),
                           shot.rgb.begin() +
                               static_cast<ptrdiff_t>(from + static_cast<size_t>(cut.width) * 3));
        }
        shot = std::move(cut);
    }
    if (!host::WritePng(shot, path)) {
        error = "the screenshot could not be written to " + Quoted(path);
        return false;
    }
    return true;
}

std::unique_ptr<Action> MakeProjectAction(const std::string& path, bool project) {
    return std::unique_ptr<Action>(new OpenAction(path, project));
}
std::unique_ptr<Action> MakeMakeAction(const std::string& shot) {
    return std::unique_ptr<Action>(new BuildAction(shot));
}
std::unique_ptr<Action> MakeCommandAction(int command) {
    return std::unique_ptr<Action>(new CommandAction(command));
}
std::unique_ptr<Action> MakeExpectStatusAction(const std::string& text) {
    return std::unique_ptr<Action>(new ExpectStatusAction(text));
}
std::unique_ptr<Action> MakeExpectFileAction(const std::vector<std::string>& args) {
    return std::unique_ptr<Action>(new ExpectFileAction(args));
}
std::unique_ptr<Action> MakeExpectMessageAction(const std::string& text) {
    return std::unique_ptr<Action>(new ExpectMessageAction(text));
}
std::unique_ptr<Action> MakeScreenshotAction(const std::string& name, const std::string& target) {
    return std::unique_ptr<Action>(new ScreenshotAction(name, target));
}

std::unique_ptr<Action> MakeAction(const ScriptStep& step) {
    const std::vector<std::string>& a = step.args;
    switch (step.kind) {
    case StepKind::kProject:
        return MakeProjectAction(a[0], true);
    case StepKind::kOpen:
        return MakeProjectAction(a[0], false);
    case StepKind::kCaption:
        return MakeCaptionAction(a[0], a[1]);
    case StepKind::kMenu:
        return MakeMenuAction(false, a[0]);
    case StepKind::kBar:
        return MakeMenuAction(true, a[0]);
    case StepKind::kCommand:
        return MakeCommandAction(std::atoi(a[0].c_str()));
    case StepKind::kChoose:
        return MakeChooseAction(a[0]);
    case StepKind::kKey:
        return MakeKeyAction(a[0]);
    case StepKind::kHold:
        return MakeHoldAction(a[0]);
    case StepKind::kType:
        return MakeTypeAction(a[0]);
    case StepKind::kMake:
        return MakeMakeAction(a.empty() ? std::string() : a[0]);
    case StepKind::kAnswer:
        return MakeAnswerAction(a);
    case StepKind::kPage:
        return MakePageAction(a);
    case StepKind::kExpectStatus:
        return MakeExpectStatusAction(a[0]);
    case StepKind::kExpectFile:
        return MakeExpectFileAction(a);
    case StepKind::kExpectMenu:
        return MakeExpectMenuAction(false, a);
    case StepKind::kExpectBar:
        return MakeExpectMenuAction(true, a);
    case StepKind::kExpectMessage:
        return MakeExpectMessageAction(a[0]);
    case StepKind::kScreenshot:
        return MakeScreenshotAction(a[0], a.size() > 1 ? a[1] : std::string());
    case StepKind::kProgress:
        return MakeProgressAction(a);
    case StepKind::kSelect:
    case StepKind::kExpectList:
    case StepKind::kClose:
        return MakeListAction(step.kind, a);
    case StepKind::kWait:
    case StepKind::kTimeout:
        break;
    }
    return nullptr;
}

} // namespace automation
} // namespace qelvo
