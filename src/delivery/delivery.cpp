#include "delivery/delivery.h"

#include "platform/platform.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace qelvo {

DeliverySettings* Delivery = nullptr;
void (*DelivTool::runner)() = nullptr;
std::string (*DeliveryTaskNotes)() = nullptr;

// ---- The pool --------------------------------------------------------------------------------

namespace {

std::string Take(ide::HostString* text) {
    std::string out = text && text->GetText() ? text->GetText() : "";
    if (text)
        text->Release();
    return out;
}

// The first container (a node with children whose type is not a file type) named nameUpper
// below start, depth first.
ide::IdeNode FindPool(ide::ProjectService* projects, ide::IdeNode start, const char* nameUpper) {
    ide::INodeInfo* info = projects->NodeInfo(start);
    if (!info)
        return 0;
    ide::IdeNode node = info->GetFirstChild();
    info->Release();
    while (node) {
        ide::INodeInfo* child = projects->NodeInfo(node);
        if (!child)
            return 0;
        const ide::IdeNode next = child->GetNextSibling();
        const bool container = child->GetFirstChild() != 0;
        std::string type = Take(child->GetType()), name = Take(child->GetName());
        child->Release();
        if (container) {
            for (char& c : name)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if ((type.empty() || type[0] != '.') && name == nameUpper)
                return node;
            if (ide::IdeNode found = FindPool(projects, node, nameUpper))
                return found;
        }
        node = next;
    }
    return 0;
}

} // namespace

bool ReadDeliveryNodes(ide::ProjectService* projects, std::vector<DeliveryNode>& nodes) {
    nodes.clear();
    if (!projects || projects->QueryProjectLoaded() != ide::kIdeOk)
        return false;
    const ide::IdeNode top = projects->TopNode();
    const ide::IdeNode pool = top ? FindPool(projects, top, "DELIVERY") : 0;
    ide::INodeInfo* info = pool ? projects->NodeInfo(pool) : nullptr;
    if (!info)
        return false;
    ide::IdeNode node = info->GetFirstChild();
    info->Release();
    while (node) {
        ide::INodeInfo* child = projects->NodeInfo(node);
        if (!child)
            break;
        DeliveryNode entry;
        entry.fileName = Take(child->GetFileName());
        entry.type = Take(child->GetType());
        node = child->GetNextSibling();
        child->Release();
        nodes.push_back(entry);
    }
    return true;
}

// ---- Pairs and selection ---------------------------------------------------------------------

namespace {

OneDelRep* PairOf(Tableau<OneDelRep>& pairs, const std::string& type) {
    for (int i = 0; i < pairs.count; ++i)
        if (std::strcmp(pairs.At(i)->type.c_str(), type.c_str()) == 0)
            return pairs.At(i);
    return nullptr;
}

} // namespace

void SyncDeliveryTypes(Tableau<OneDelRep>& pairs, const std::vector<DeliveryNode>* pool) {
    if (!pool) {
        pairs.RemoveRange(0, 0);
        return;
    }
    for (int i = 0; i < pairs.count; ++i)
        pairs.At(i)->mark = 0;
    for (const DeliveryNode& node : *pool) {
        OneDelRep* pair = PairOf(pairs, node.type);
        if (!pair) {
            pair = new OneDelRep;
            pair->type = node.type.c_str();
            pairs.Append(pair);
        }
        pair->mark = 1;
    }
    for (int i = pairs.count - 1; i >= 0; --i)
        if (!pairs.At(i)->mark)
            pairs.Destroy(i);
    pairs.SortByText(0, 0);
}

int NeedsDelivery(const char* source, const char* directory) {
    const std::string destination = std::string(directory) + "\\" + FileNamePart(source);
    const platform::FileStatus from = platform::GetFileStatus(source);
    if (!from.exists)
        return 0;
    const platform::FileStatus to = platform::GetFileStatus(destination.c_str());
    if (!to.exists)
        return 1;
    if (from.size != to.size)
        return 1;
    FILE* a = platform::OpenFile(source, "rb");
    if (!a)
        return 0;
    FILE* b = platform::OpenFile(destination.c_str(), "rb");
    if (!b) {
        std::fclose(a);
        return 1;
    }
    int differs = 0;
    uint64_t left = from.size;
    unsigned char blockA[256], blockB[256];
    while (left > 0 && !differs) {
        const size_t n = left > 256 ? 256 : static_cast<size_t>(left);
        if (std::fread(blockA, 1, n, a) != n || std::fread(blockB, 1, n, b) != n ||
            std::memcmp(blockA, blockB, n) != 0)
            differs = 1; // a file that shrank while read differs too
        left -= n;
    }
    std::fclose(a);
    std::fclose(b);
    return differs;
}

int CollectDeliveries(Tableau<OneDelRep>& pairs, const std::vector<DeliveryNode>* pool,
                      Tableau<Livrage>& list) {
    if (!pool)
        return 1;
    for (int i = 0; i < pairs.count; ++i) {
        const char* directory = pairs.At(i)->folder.c_str();
        if (!platform::GetFileStatus(directory).isDirectory) {
            const std::string text =
                std::string("Directory ") + directory + " does not exist !\nChange it !";
            platform::ShowMessage(text.c_str(), "Qelvo AddOn error", platform::kMbIconStop,
                                  nullptr);
            return 0;
        }
    }
    for (const DeliveryNode& node : *pool) {
        OneDelRep* pair = PairOf(pairs, node.type);
        if (pair && NeedsDelivery(node.fileName.c_str(), pair->folder.c_str())) {
            Livrage* file = new Livrage;
            file->path = node.fileName.c_str();
            file->pair = pair;
            list.Append(file);
        }
    }
    return 1;
}

std::string ConfirmationLine(const Livrage& file) {
    return std::string(FileNamePart(file.path.c_str())) + " -> " + file.pair->folder.c_str();
}

std::string DeliveryFolderText(const char* frameCaption, int count, const std::string& time,
                               const std::string& date) {
    std::string text;
    const char* dash = frameCaption ? std::strchr(frameCaption, '-') : nullptr;
    if (dash) {
        const char* p = dash + 1;
        while (*p && static_cast<unsigned char>(*p) <= ' ')
            ++p;
        text = p;
    }
    text += " : " + std::to_string(count) + " file" + (count > 1 ? "s" : "");
    text += " (" + time + " , " + date + ")";
    return text;
}

int RunDeliveryCopies(Tableau<Livrage>& list, DeliveryObserver& observer, String& body) {
    uint64_t total = 0, done = 0;
    for (int i = 0; i < list.count; ++i) {
        const platform::FileStatus status = platform::GetFileStatus(list.At(i)->path.c_str());
        list.At(i)->size = status.exists ? status.size : 0;
        total += list.At(i)->size;
    }
    observer.OpenFolder(list.count);
    int failed = 0;
    for (int i = 0; i < list.count; ++i) {
        Livrage* file = list.At(i);
        const std::string destination =
            std::string(file->pair->folder.c_str()) + "\\" + FileNamePart(file->path.c_str());
        if (CopyDeliveredFile(file->path.c_str(), destination.c_str(), observer, done, total,
                              file->size, nullptr))
            failed = 1;
        body += file->path;
        body += " delivered to ";
        body += file->pair->folder;
        body += "\n";
    }
    return failed ? 0 : 1;
}

// ---- The message window ----------------------------------------------------------------------

DeliveryMessages::~DeliveryMessages() {
    if (group_)
        group_->Release();
    if (service_)
        service_->Release();
}

bool DeliveryMessages::OpenFolder(const std::string& text) {
    if (!group_) {
        if (!service_)
            service_ = ide::QueryService<ide::MessageService>(services_);
        if (service_)
            group_ = service_->NewGroup(ide::MakeHostString(services_, "Delivery"),
                                        ide::MakeHostString(services_, "&Delivery"));
    }
    folder_ = group_ ? group_->AddMessage(0, ide::MakeHostString(services_, text.c_str())) : 0;
    return folder_ != 0;
}

void DeliveryMessages::Add(const char* text, int kind) {
    if (group_ && folder_)
        group_->AddSubMessage(folder_, ide::MakeHostString(services_, text), nullptr, 0, 0, kind);
}

// ---- The tool --------------------------------------------------------------------------------

int32_t DelivTool::Run(ide::IdeNode, ide::HostString*) {
    if (runner)
        runner();
    return ide::kToolDone;
}

DeliverySettings::DeliverySettings(ide::IdeServices* services)
    : messages(services), services_(services) {
    toolService = ide::QueryService<ide::ToolService>(services);
    implementor = new DelivTool;
    if (toolService)
        toolName = ide::MakeHostString(services, "QelvoDelivery");
    ProjectValues.withDelivery = &enabled;
    ProjectValues.deliveries = &pairs;
    AddProjectListener(this);
}

DeliverySettings::~DeliverySettings() {
    RemoveProjectListener(this);
    UnregisterDeliveryTool();
    const ProjectValueFields& held = HeldProjectValues();
    ProjectValues.withDelivery = held.withDelivery;
    ProjectValues.deliveries = held.deliveries;
    if (toolName)
        toolName->Release();
    if (toolService)
        toolService->Release();
    implementor->Release();
}

void DeliverySettings::RegisterDeliveryTool() {
    if (registered || !toolService || !toolName)
        return;
    toolName->AddRef(); // FindTool takes the name over
    if (ide::ITool* leftover = toolService->FindTool(toolName)) {
        toolService->RemoveTool(leftover);
        leftover->Release();
    }
    ide::ITool* tool = toolService->NewTool();
    if (!tool)
        return;
    tool->SetKind(kDeliveryToolKind);
    toolName->AddRef();
    tool->SetName(toolName);
    tool->SetFlags(kDeliveryToolFlags);
    tool->SetDescription(ide::MakeHostString(services_, "Qelvo Project delivery"));
    tool->SetMenuText(ide::MakeHostString(services_, "Qelvo &Delivery"));
    tool->SetNote(ide::MakeHostString(services_, "[Qelvo AddOn extension]"));
    tool->SetImplementor(implementor);
    if (toolService->AddTool(tool))
        registered = 1;
    tool->Release();
}

void DeliverySettings::UnregisterDeliveryTool() {
    if (!registered)
        return;
    toolName->AddRef();
    if (ide::ITool* tool = toolService->FindTool(toolName)) {
        toolService->RemoveTool(tool);
        tool->Release();
    }
    registered = 0;
}

void DeliverySettings::ProjectOpened() {
    if (enabled && ProjectOpen())
        RegisterDeliveryTool();
}

void DeliverySettings::ProjectClosed() {
    // A tool added while delivery was enabled goes with its project, whatever the flag is now.
    UnregisterDeliveryTool();
}

} // namespace qelvo
