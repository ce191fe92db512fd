// A test add-on for the stand-in IDE. It binds the IDE's services as the real add-on does:
// project and save clients at start, the Make client while a project is open, a tool with its
// implementor and an options chapter; it writes a project option when the project is saved.
// Everything it is told goes into a log, and the test drives the IDE's interfaces from inside
// the DLL through the Probe... exports, so each call crosses the module boundary as the
// add-on's do.
#include "ide/ide_services.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

using namespace qelvo::ide;

namespace {
std::string probeLog;
int liveObjects = 0;
int toolResult = kToolDone;

void Note(const std::string& line) {
    probeLog += line + "\n";
}

// IUnknownImp with a count of the probe's live objects.
template <class I> class Counted : public IUnknownImp<I> {
public:
    explicit Counted(const IdeGuid& id = I::kId) : IUnknownImp<I>(id) { ++liveObjects; }
    ~Counted() override { --liveObjects; }
};

struct Services {
    IdeServices* ide = nullptr;
    ProjectService* project = nullptr;
    ProjectSaveService* save = nullptr;
    ToolService* tools = nullptr;
    MakeService* make = nullptr;
    MessageService* messages = nullptr;
    FrameService* frame = nullptr;
    OptionService* options = nullptr;
    OptionsDialogService* dialog = nullptr;
} host;

HostString* Str(const char* text) {
    return MakeHostString(host.ide, text);
}

std::string Take(HostString* s) {
    if (!s) return "(null)";
    std::string text = s->GetText();
    s->Release();
    return text;
}

class MakeClient final : public Counted<IMakeClient> {
public:
    void QELVO_IDECALL OnMakeStarted() override { Note("make started"); }
    void QELVO_IDECALL OnMakeEnded() override { Note("make ended"); }
};
MakeClient* makeClient = nullptr;

void RegisterMake() {
    makeClient = new MakeClient;
    makeClient->AddRef();
    if (!host.make || !host.make->AddClient(makeClient)) Note("make client refused");
    makeClient->Release();
}

void UnregisterMake() {
    if (!makeClient) return;
    if (host.make) host.make->RemoveClient(makeClient);
    makeClient->Release();
    makeClient = nullptr;
}

class ProjectClient final : public Counted<IProjectClient> {
public:
    void QELVO_IDECALL OnProjectOpened(HostString* file) override {
        Note("opened " + std::string(file ? file->GetText() : "(null)"));
        RegisterMake();
    }
    void QELVO_IDECALL OnProjectClosed() override {
        Note("closed");
        UnregisterMake();
    }
    void QELVO_IDECALL OnNodeAdded(IdeNode node) override { Note("node added"); }
    void QELVO_IDECALL OnNodeRemoved(IdeNode node) override { Note("node removed"); }
    void QELVO_IDECALL OnNodeMoved(IdeNode node) override { Note("node moved"); }
    void QELVO_IDECALL OnNodeRenamed(IdeNode node) override { Note("node renamed"); }
    void QELVO_IDECALL OnNodeChanged(IdeNode node) override { Note("node changed"); }
    int32_t QELVO_IDECALL QueryCloseProject() override {
        Note("may close");
        return 0;
    }
    void QELVO_IDECALL OnNodeOptionsChanged(IdeNode node) override { Note("node options"); }
};
ProjectClient* projectClient = nullptr;

int saves = 0;
class SaveClient final : public Counted<IProjectSaveClient> {
public:
    void QELVO_IDECALL OnProjectSave() override {
        Note("saving");
        int32_t count = ++saves;
        host.project->SetNodeOption(host.project->TopNode(), Str("Probe_SAVES"), &count, 4);
    }
    void QELVO_IDECALL OnProjectSaved() override { Note("saved"); }
};
SaveClient* saveClient = nullptr;

class ToolImplementor final : public Counted<IToolImplementor> {
public:
    int32_t QELVO_IDECALL Run(IdeNode node, HostString* fileName) override {
        Note("tool run " + std::to_string(node) + " " +
             (fileName ? fileName->GetText() : "(none)"));
        return toolResult;
    }
};
ToolImplementor* implementor = nullptr;

class Page final : public Counted<IMpdPage> {
public:
    void QELVO_IDECALL Attach(void*, IMpdPageSite*) override {}
    IdeBool QELVO_IDECALL Validate() override { return 1; }
    void QELVO_IDECALL Load() override {}
    void QELVO_IDECALL Save() override {}
    IdeBool QELVO_IDECALL IsModified() override { return 0; }
    void QELVO_IDECALL Reset() override {}
    void QELVO_IDECALL OnCommand(int32_t, void*, int32_t) override {}
    void* QELVO_IDECALL GetInstance() override { return nullptr; }
    int32_t QELVO_IDECALL GetDialogId() override { return 102; }
    HostString* QELVO_IDECALL GetTitle() override { return Str("Probe page"); }
    int32_t QELVO_IDECALL GetFlags() override { return 4096; }
    void QELVO_IDECALL ShowHelp() override {}
    void QELVO_IDECALL ShowDescription() override {}
};

class Chapter final : public Counted<IMpdChapter> {
public:
    Chapter() : page_(new Page) {}
    ~Chapter() override { page_->Release(); }
    IMpdPage* QELVO_IDECALL GetPageById(int32_t id) override {
        return id == 102 ? Held() : nullptr;
    }
    int32_t QELVO_IDECALL GetPageCount() override { return 1; }
    IMpdPage* QELVO_IDECALL GetPage(int32_t n) override { return n == 1 ? Held() : nullptr; }

private:
    IMpdPage* Held() {
        page_->AddRef();
        return page_;
    }
    Page* page_;
};

template <class S> void Ask(S*& service, const char* name) {
    service = QueryService<S>(host.ide);
    if (!service) Note(std::string("no ") + name);
}

template <class S> void Let(S*& service) {
    if (service) service->Release();
    service = nullptr;
}

void Start(IdeServices* services) {
    host.ide = services;
    services->AddRef();
    Ask(host.project, "ProjectService");
    Ask(host.save, "ProjectSaveService");
    Ask(host.tools, "ToolService");
    Ask(host.make, "MakeService");
    Ask(host.messages, "MessageService");
    Ask(host.frame, "FrameService");
    Ask(host.options, "OptionService");
    Ask(host.dialog, "OptionsDialogService");
    projectClient = new ProjectClient;
    saveClient = new SaveClient;
    host.project->AddClient(projectClient);
    host.save->AddClient(saveClient);

    implementor = new ToolImplementor;
    ITool* tool = host.tools->NewTool();
    tool->SetKind(-3);
    tool->SetName(Str("ProbeTool"));
    tool->SetFlags(0x2100);
    tool->SetDescription(Str("Probe tool"));
    tool->SetMenuText(Str("&Probe"));
    tool->SetNote(Str("[Probe]"));
    tool->SetImplementor(implementor);
    if (!host.tools->AddTool(tool)) Note("tool refused");
    tool->Release();

    // Left registered at stop, as the real add-on leaves its chapter.
    Chapter* chapter = new Chapter;
    chapter->AddRef();
    if (!host.dialog->AddChapter(chapter, 0)) Note("chapter refused");
    chapter->Release();
    chapter->Release();
    Note("start");
}

void Stop() {
    UnregisterMake();
    if (ITool* tool = host.tools->FindTool(Str("ProbeTool"))) {
        host.tools->RemoveTool(tool);
        tool->Release();
    }
    implementor->Release();
    projectClient->AddRef();
    host.project->RemoveClient(projectClient);
    projectClient->Release();
    projectClient->Release();
    saveClient->AddRef();
    host.save->RemoveClient(saveClient);
    saveClient->Release();
    saveClient->Release();
    Let(host.project);
    Let(host.save);
    Let(host.tools);
    Let(host.make);
    Let(host.messages);
    Let(host.frame);
    Let(host.options);
    Let(host.dialog);
    host.ide->Release();
    host.ide = nullptr;
    Note("stop");
}

void Copy(const std::string& text, char* out, int size) {
    if (size <= 0) return;
    std::snprintf(out, static_cast<size_t>(size), "%s", text.c_str());
}

void Walk(IdeNode node, int depth, std::string& out) {
    while (node != 0) {
        INodeInfo* info = host.project->NodeInfo(node);
        if (!info) return;
        out += std::string(static_cast<size_t>(depth) * 2, ' ') + Take(info->GetName()) + " [" +
               Take(info->GetType()) + "] " + Take(info->GetFileName()) + "\n";
        Walk(info->GetFirstChild(), depth + 1, out);
        node = info->GetNextSibling();
        info->Release();
    }
}
} // namespace

extern "C" __declspec(dllexport) void __stdcall BcwAddOnEntry(void* services) {
    if (services)
        Start(static_cast<IdeServices*>(services));
    else
        Stop();
}

// ---- What the test drives ----------------------------------------------------------------

extern "C" __declspec(dllexport) const char* ProbeLog() {
    return probeLog.c_str();
}
extern "C" __declspec(dllexport) void ProbeClearLog() {
    probeLog.clear();
}
extern "C" __declspec(dllexport) int ProbeLiveObjects() {
    return liveObjects;
}
extern "C" __declspec(dllexport) void ProbeSetToolResult(int result) {
    toolResult = result;
}

extern "C" __declspec(dllexport) int ProbeWalkProject(char* out, int size) {
    std::string tree;
    Walk(host.project->TopNode(), 0, tree);
    Copy(tree, out, size);
    return static_cast<int>(tree.size());
}

extern "C" __declspec(dllexport) int ProbeProjectLoaded() {
    return host.project->QueryProjectLoaded() == kIdeOk;
}
extern "C" __declspec(dllexport) unsigned ProbeTopNode() {
    return host.project->TopNode();
}
extern "C" __declspec(dllexport) unsigned ProbeFindNode(const char* file) {
    return host.project->FindNode(Str(file));
}
extern "C" __declspec(dllexport) unsigned ProbeAddNode(unsigned parent, const char* name,
                                                       const char* type) {
    return host.project->AddNode(parent, Str(name), type ? Str(type) : nullptr, 0);
}
extern "C" __declspec(dllexport) int ProbeRemoveNode(unsigned node) {
    return host.project->RemoveNode(node);
}

extern "C" __declspec(dllexport) int ProbeSetOption(const char* name, const void* data,
                                                    unsigned size) {
    return host.project->SetNodeOption(host.project->TopNode(), Str(name), data, size);
}
// 1 when data came back: its size in *size and its bytes (at most capacity) in out.
extern "C" __declspec(dllexport) int ProbeGetOption(const char* name, unsigned expected, void* out,
                                                    unsigned capacity, unsigned* size) {
    uint32_t got = expected;
    const void* data = host.project->GetNodeOption(host.project->TopNode(), Str(name), &got);
    *size = got;
    if (!data) return 0;
    std::memcpy(out, data, got < capacity ? got : capacity);
    return 1;
}

extern "C" __declspec(dllexport) int ProbeDirectoryOption(unsigned node, int which, char* out,
                                                          int size) {
    HostString* text = host.options->DirectoryOption(node, which);
    if (!text) return 0;
    Copy(Take(text), out, size);
    return 1;
}

// Runs a tool by name on a node, or on a file when one is given; -100 when there is no such
// tool.
extern "C" __declspec(dllexport) int ProbeRunTool(const char* name, unsigned node,
                                                  const char* file) {
    ITool* tool = host.tools->FindTool(Str(name));
    if (!tool) return -100;
    int result =
        file ? host.tools->RunToolOnFile(tool, Str(file), 0) : host.tools->RunTool(tool, node, 0);
    tool->Release();
    return result;
}

extern "C" __declspec(dllexport) void ProbeStatus(const char* text) {
    host.frame->SetStatusText(Str(text));
}

// A folder of two results in the group "Probe", then a second handle on the same group.
extern "C" __declspec(dllexport) int ProbeMessages(const char* file) {
    MessageGroup* group = host.messages->NewGroup(Str("Probe"), Str("&Probe"));
    if (!group) return 0;
    IdeMessage folder = group->AddMessage(0, Str("APP : 2 files"));
    int added = folder != 0;
    added += group->AddSubMessage(folder, Str("first"), Str(file), 7, 1, kMessageInfo) != 0;
    added += group->AddSubMessage(folder, Str("second"), nullptr, 0, 0, kMessageError) != 0;
    group->Release();
    return added;
}

// The current text of a file through the IDE's reader, as the add-on reads sources.
extern "C" __declspec(dllexport) int ProbeReadFile(const char* path, char* out, int size) {
    HostFileReader* reader = host.ide->NewHostFileReader();
    reader->SetFileName(Str(path));
    int result = -1;
    if (reader->Open(kReadCurrentText)) {
        int32_t length = reader->Seek(0, kSeekEnd);
        reader->Seek(0, kSeekStart);
        std::string text(static_cast<size_t>(length), '\0');
        int32_t done = 0;
        while (done < length) {
            int32_t n = reader->Read(&text[static_cast<size_t>(done)], length - done);
            if (n <= 0) break;
            done += n;
        }
        reader->Close();
        text.resize(static_cast<size_t>(done));
        Copy(text, out, size);
        result = done;
    }
    reader->Release();
    return result;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
