// Project delivery: the delivery directory of each node type, the selection of the DELIVERY
// pool's files whose delivered copy differs, their copies with the folder of results and the
// mail's text, and the delivery tool the IDE shows in its Tool menu.
#pragma once

#include "core/delivered_copy.h"
#include "core/project_session.h"
#include "core/project_values.h"
#include "foundation/qstring.h"
#include "foundation/tableau.h"
#include "ide/ide_services.h"

#include <string>
#include <vector>

namespace qelvo {

// A node type, its delivery directory (folder) and the sync's mark; sorted by type.
using OneDelRep = DeliveryPair;

// One file to deliver.
class Livrage : public Basic {
public:
    String path;                // the node's file name with its path
    OneDelRep* pair = nullptr;  // not owned
    uint64_t size = 0;          // measured when the copies start (0 when it cannot be)
};

// A direct child of the DELIVERY pool: its file name and type.
struct DeliveryNode {
    std::string fileName, type;
};
// The children of the first container named DELIVERY (any letter case) below the project's
// root, in sibling order; false when there is no project or no such container.
bool ReadDeliveryNodes(ide::ProjectService* projects, std::vector<DeliveryNode>& nodes);

// pairs = the types of the pool's nodes: new types get an empty directory, types no longer
// present are dropped, and the pairs are sorted by type byte by byte. No pool (null): empty.
void SyncDeliveryTypes(Tableau<OneDelRep>& pairs, const std::vector<DeliveryNode>* pool);
// 1 when source must be copied into directory: its copy there is missing or differs in size or
// content. 0 when the source cannot be examined.
int NeedsDelivery(const char* source, const char* directory);
// Fills list with the pool's files that need delivery. A pair whose directory does not exist
// (an empty one included) shows "Directory <dir> does not exist !\nChange it !" and answers 0.
int CollectDeliveries(Tableau<OneDelRep>& pairs, const std::vector<DeliveryNode>* pool,
                      Tableau<Livrage>& list);
// The dialog's line of a file: "<file-name part> -> <directory>".
std::string ConfirmationLine(const Livrage& file);
// The folder's text: the frame caption's text after its first '-' (blanks and control
// characters skipped), " : ", the count, " file" or " files", " (time , date)".
std::string DeliveryFolderText(const char* frameCaption, int count, const std::string& time,
                               const std::string& date);

// Where a run's results go: the folder, its messages and the progress (shell side).
class DeliveryObserver : public CopyObserver {
public:
    virtual void OpenFolder(int count) = 0;

protected:
    ~DeliveryObserver() = default;
};
// Measures every file, opens the folder, copies them in order and appends
// "<path> delivered to <directory>\n" to body for each (a failed one too). 1 when none failed.
int RunDeliveryCopies(Tableau<Livrage>& list, DeliveryObserver& observer, String& body);

// The IDE's side of the delivery tool: running it runs the delivery through the runner.
class DelivTool final : public ide::IUnknownImp<ide::IToolImplementor> {
public:
    int32_t QELVO_IDECALL Run(ide::IdeNode node, ide::HostString* fileName) override;
    static void (*runner)(); // the whole delivery with its dialog (set by the add-on's shell)
};

// The "Delivery" tab of the IDE's message window: its group is made on first use and kept until
// stop; each delivery opens one folder, and messages about files go under it.
class DeliveryMessages {
public:
    explicit DeliveryMessages(ide::IdeServices* services) : services_(services) {}
    ~DeliveryMessages();
    DeliveryMessages(const DeliveryMessages&) = delete;
    DeliveryMessages& operator=(const DeliveryMessages&) = delete;

    // A new top-level message of the group, the current folder; false without the service.
    bool OpenFolder(const std::string& text);
    // Under the current folder: kind 0 an error, 5 a delivered file, 2 "No files to deliver !".
    void Add(const char* text, int kind);

private:
    ide::IdeServices* services_;
    ide::MessageService* service_ = nullptr;
    ide::MessageGroup* group_ = nullptr;
    ide::IdeMessage folder_ = 0;
};

// The delivery settings: the pairs and the enabled flag are the open project's options while
// the object exists. It hears of projects after the top bar (which reads their options): the
// tool is added when a project opens with delivery enabled and removed when it closes.
class DeliverySettings final : public ProjectListener {
public:
    explicit DeliverySettings(ide::IdeServices* services);
    ~DeliverySettings();
    DeliverySettings(const DeliverySettings&) = delete;
    DeliverySettings& operator=(const DeliverySettings&) = delete;

    // Adds the tool to the IDE once (a leftover of the same name is removed first).
    void RegisterDeliveryTool();
    void UnregisterDeliveryTool();

    void ProjectOpened() override;
    void ProjectClosed() override;

    Tableau<OneDelRep> pairs;
    int enabled = 1;
    ide::ToolService* toolService = nullptr;
    DelivTool* implementor = nullptr;
    ide::HostString* toolName = nullptr;
    int registered = 0;
    DeliveryMessages messages;
    std::string mailSubject; // "Delivery : " and the last folder's text

private:
    ide::IdeServices* services_;
};

// The file of notes the task list keeps for the next delivery's mail ("" or null: none).
extern std::string (*DeliveryTaskNotes)();

// The add-on's delivery settings; null while they do not exist.
extern DeliverySettings* Delivery;

// The tool's fields, in the order they are set.
constexpr int32_t kDeliveryToolKind = -3;
constexpr uint32_t kDeliveryToolFlags = 0x2100;

} // namespace qelvo
