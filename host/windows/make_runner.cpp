#include "make_runner.h"

#include "host_string.h"
#include "win_support.h"

#include <vector>

namespace qelvo {
namespace host {

namespace {
enum { kProjectLine = 101, kStatusLine = 102, kFilesLine = 103 };

// The nodes a build compiles, depth first.
void SourceNodes(const Project& project, ide::IdeNode node, std::vector<ide::IdeNode>& out) {
    const ProjectNode* data = project.Node(node);
    if (!data) return;
    if (data->type == ".cpp" || data->type == ".c" || data->type == ".asm" || data->type == ".rc")
        out.push_back(node);
    for (ide::IdeNode child : data->children)
        SourceNodes(project, child, out);
}

HWND CreateStatusWindow(HWND frame, const std::string& projectName) {
    RECT owner = {0, 0, 640, 480};
    if (frame) GetWindowRect(frame, &owner);
    const int width = 320, height = 140;
    int x = owner.left + (owner.right - owner.left - width) / 2;
    int y = owner.top + (owner.bottom - owner.top - height) / 2;
    HWND status = CreateWindowExA(WS_EX_DLGMODALFRAME, kDialogClass, "Compile Status",
                                  WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, x, y, width,
                                  height, frame, nullptr, ModuleInstance(), nullptr);
    if (!status) return nullptr;
    HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    const struct {
        int id;
        std::string text;
    } lines[] = {{kProjectLine, "Project: " + projectName},
                 {kStatusLine, "Status: Starting"},
                 {kFilesLine, "Files: 0"}};
    int top = 12;
    for (const auto& line : lines) {
        HWND control = CreateWindowExA(
            0, "STATIC", line.text.c_str(), WS_CHILD | WS_VISIBLE, 16, top, width - 40, 20, status,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(line.id)), ModuleInstance(), nullptr);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
        top += 26;
    }
    ShowWindow(status, SW_SHOWNOACTIVATE);
    UpdateWindow(status);
    return status;
}
} // namespace

int MakeRunner::Run(HWND frame) {
    if (running_) return ide::kToolNotHandled;
    running_ = true;
    const Project* project = ide_.Projects().Current();
    status_.reset(CreateStatusWindow(frame, project ? FileNamePart(project->Path()) : "(none)"));
    int result = ide_.Make().Run([this] { return Build(); });
    status_.reset();
    running_ = false;
    return result;
}

int MakeRunner::Build() {
    std::vector<std::string> files;
    if (const Project* project = ide_.Projects().Current()) {
        std::vector<ide::IdeNode> nodes;
        SourceNodes(*project, project->Top(), nodes);
        for (ide::IdeNode node : nodes)
            files.push_back(FileNamePart(project->FileName(node)));
    }
    ide::MessageGroup* group =
        ide_.Messages().NewGroup(NewHostString("Buildtime"), NewHostString("&Buildtime"));
    for (size_t i = 0; i < files.size(); ++i) {
        SetLine(kStatusLine, "Status: Compiling " + files[i]);
        SetLine(kFilesLine,
                "Files: " + std::to_string(i + 1) + " of " + std::to_string(files.size()));
        if (group) group->AddMessage(0, NewHostString("Compiling " + files[i]));
        PumpMessages();
        if (stepDelay_) Sleep(stepDelay_);
    }
    if (group) group->Release();
    SetLine(kStatusLine, "Status: Success");
    PumpMessages();
    return ide::kToolDone;
}

void MakeRunner::SetLine(int id, const std::string& text) {
    if (!status_ || !IsWindow(status_.get())) return;
    SetDlgItemTextA(status_.get(), id, text.c_str());
    UpdateWindow(status_.get());
}

} // namespace host
} // namespace qelvo
