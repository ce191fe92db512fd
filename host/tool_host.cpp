#include "tool_host.h"

#include "host_string.h"
#include "platform/platform.h"
#include "project_host.h"

#include <algorithm>
#include <set>

namespace qelvo {
namespace host {

const char* const ToolHost::kBuiltInTools[8] = {
    "RunExecutable", "EditText",       "Project",        "ClassExpert",
    "EditResource",  "EditBitmapFile", "EditCursorFile", "EditIconFile",
};

namespace {
// Every tool object alive in the process, so that a pointer handed to AddTool can be told to be
// one of ours before it is used as one.
std::set<const ide::ITool*>& LiveTools() {
    static std::set<const ide::ITool*> tools;
    return tools;
}
} // namespace

class ToolHost::ToolObject final : public CountedObject<ide::ITool, ObjectKind::Tool> {
public:
    explicit ToolObject(bool builtIn) : builtIn_(builtIn) { LiveTools().insert(this); }
    ~ToolObject() override {
        SetImplementor(nullptr);
        LiveTools().erase(this);
    }

    static ToolObject* From(ide::ITool* tool) {
        return tool && LiveTools().count(tool) ? static_cast<ToolObject*>(tool) : nullptr;
    }

    void QELVO_IDECALL SetKind(int32_t kind) override { kind_ = kind; }
    int32_t QELVO_IDECALL GetKind() override { return kind_; }
    void QELVO_IDECALL SetName(ide::HostString* name) override { name_ = TakeText(name); }
    ide::HostString* QELVO_IDECALL GetName() override { return NewHostString(name_); }
    void QELVO_IDECALL SetFlags(uint32_t flags) override { flags_ = flags; }
    uint32_t QELVO_IDECALL GetFlags() override { return flags_; }
    void QELVO_IDECALL SetDescription(ide::HostString* text) override {
        description_ = TakeText(text);
    }
    ide::HostString* QELVO_IDECALL GetDescription() override { return NewHostString(description_); }
    void QELVO_IDECALL SetMenuText(ide::HostString* text) override { menuText_ = TakeText(text); }
    ide::HostString* QELVO_IDECALL GetMenuText() override { return NewHostString(menuText_); }
    void QELVO_IDECALL SetNote(ide::HostString* text) override { note_ = TakeText(text); }
    ide::HostString* QELVO_IDECALL GetNote() override { return NewHostString(note_); }
    void QELVO_IDECALL SetImplementor(ide::IToolImplementor* implementor) override {
        if (implementor) implementor->AddRef();
        if (implementor_) implementor_->Release();
        implementor_ = implementor;
    }
    ide::IToolImplementor* QELVO_IDECALL GetImplementor() override {
        if (implementor_) implementor_->AddRef();
        return implementor_;
    }

    bool builtIn() const { return builtIn_; }
    const std::string& name() const { return name_; }
    const std::string& menuText() const { return menuText_; }
    ide::IToolImplementor* implementor() const { return implementor_; }

private:
    bool builtIn_;
    int32_t kind_ = 0;
    uint32_t flags_ = 0;
    std::string name_, description_, menuText_, note_;
    ide::IToolImplementor* implementor_ = nullptr;
};

ToolHost::ToolHost(ProjectHost& projects) : projects_(projects) {
    for (const char* name : kBuiltInTools) {
        ToolObject* tool = new ToolObject(true);
        tool->SetName(NewHostString(name));
        tools_.push_back(tool);
    }
}

ToolHost::~ToolHost() {
    for (ToolObject* tool : tools_)
        tool->Release();
}

std::vector<std::string> ToolHost::ToolNames() const {
    std::vector<std::string> names;
    for (const ToolObject* tool : tools_)
        names.push_back(tool->name());
    return names;
}

std::vector<std::string> ToolHost::ToolMenu() const {
    std::vector<std::string> items;
    for (const ToolObject* tool : tools_)
        if (!tool->builtIn()) items.push_back(tool->menuText());
    return items;
}

int32_t ToolHost::RunFromMenu(const std::string& name) {
    ToolObject* tool = ByName(name);
    return tool ? Run(tool, 0, std::string()) : ide::kToolNotHandled;
}

int32_t ToolHost::RunMenuItem(size_t n) {
    for (ToolObject* tool : tools_) {
        if (tool->builtIn()) continue;
        if (n == 0) return Run(tool, 0, std::string());
        --n;
    }
    return ide::kToolNotHandled;
}

void ToolHost::DropAddOnTools() {
    std::vector<ToolObject*> kept;
    for (ToolObject* tool : tools_) {
        if (tool->builtIn()) {
            kept.push_back(tool);
        } else {
            tool->SetImplementor(nullptr);
            tool->Release();
        }
    }
    tools_.swap(kept);
}

ToolHost::ToolObject* ToolHost::Added(ide::ITool* tool) const {
    for (ToolObject* added : tools_)
        if (static_cast<ide::ITool*>(added) == tool) return added;
    return nullptr;
}

ToolHost::ToolObject* ToolHost::ByName(const std::string& name) const {
    for (ToolObject* tool : tools_)
        if (SamePath(tool->name(), name)) return tool;
    return nullptr;
}

ide::ITool* QELVO_IDECALL ToolHost::NewTool() {
    return new ToolObject(false);
}

// Only the tools this service made can be added: anything else is not a tool of this IDE.
ide::IdeBool QELVO_IDECALL ToolHost::AddTool(ide::ITool* tool) {
    ToolObject* candidate = Added(tool) ? nullptr : ToolObject::From(tool);
    if (!candidate || candidate->builtIn() || candidate->name().empty() ||
        ByName(candidate->name()))
        return 0;
    candidate->AddRef();
    tools_.push_back(candidate);
    return 1;
}

ide::ITool* QELVO_IDECALL ToolHost::FindTool(ide::HostString* name) {
    ToolObject* tool = ByName(TakeText(name));
    if (tool) tool->AddRef();
    return tool;
}

ide::IdeBool QELVO_IDECALL ToolHost::RemoveTool(ide::ITool* tool) {
    ToolObject* added = Added(tool);
    if (!added) return 0;
    tools_.erase(std::find(tools_.begin(), tools_.end(), added));
    added->Release();
    return 1;
}

int32_t QELVO_IDECALL ToolHost::RunTool(ide::ITool* tool, ide::IdeNode node, uint32_t flags) {
    ToolObject* added = Added(tool);
    const Project* project = projects_.Current();
    if (!added || !project || !project->Node(node)) return ide::kToolNotHandled;
    return Run(added, node, project->FileName(node));
}

int32_t QELVO_IDECALL ToolHost::RunToolOnFile(ide::ITool* tool, ide::HostString* fileName,
                                              uint32_t flags) {
    std::string file = TakeText(fileName);
    ToolObject* added = Added(tool);
    if (!added || file.empty()) return ide::kToolNotHandled;
    return Run(added, 0, file);
}

int32_t ToolHost::Run(ToolObject* tool, ide::IdeNode node, const std::string& fileName) {
    // Held while it runs: its implementor may remove it from the IDE.
    tool->AddRef();
    std::string name = tool->name();
    int32_t result = ide::kToolNotHandled;
    if (tool->builtIn()) {
        result = RunBuiltIn(name, node, fileName);
    } else if (ide::IToolImplementor* implementor = tool->GetImplementor()) {
        ide::HostString* file = fileName.empty() ? nullptr : NewHostString(fileName);
        result = implementor->Run(node, file);
        if (file) file->Release();
        implementor->Release();
    }
    tool->Release();
    runs_.push_back(ToolRun{name, node, fileName, result});
    return result;
}

int32_t ToolHost::RunBuiltIn(const std::string& name, ide::IdeNode node,
                             const std::string& fileName) {
    if (name == "Project") return projects_.Open(fileName) ? ide::kToolDone : ide::kToolErrors;
    if (name == "RunExecutable") {
        std::string program = fileName;
        if (node != 0 && projects_.Current() && !projects_.Current()->OutputPath(node).empty())
            program = projects_.Current()->OutputPath(node);
        return platform::StartProgram(program.c_str()) ? ide::kToolDone : ide::kToolErrors;
    }
    if (name == "ClassExpert" || !windows_) return ide::kToolDone;
    if (fileName.empty()) return ide::kToolErrors;
    return windows_->OpenToolWindow(name, fileName) ? ide::kToolDone : ide::kToolErrors;
}

} // namespace host
} // namespace qelvo
