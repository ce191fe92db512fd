// The IDE interfaces' slot numbers, IDs and the add-on's IUnknownImp helper. The slot of a
// virtual operation is read from its member-function pointer as the Itanium C++ ABI (g++,
// clang and mingw alike) lays it out: 1 + the byte offset of its entry in the table.
#include "ide/ide_services.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

namespace qelvo {
namespace ide {
namespace {

template <typename Method> long SlotOf(Method method) {
    static_assert(sizeof(Method) == 2 * sizeof(ptrdiff_t), "Itanium member-function pointer");
    ptrdiff_t words[2];
    std::memcpy(words, &method, sizeof words);
    if ((words[0] & 1) == 0) return -1; // not a virtual operation
    return static_cast<long>((words[0] - 1) / static_cast<ptrdiff_t>(sizeof(void*)));
}

#define EXPECT_SLOT(I, M, n) EXPECT_EQ(SlotOf(&I::M), n) << #I "::" #M

TEST(IdeInterfaces, UnknownAndStringSlots) {
    EXPECT_SLOT(IUnknown, QueryInterface, 0);
    EXPECT_SLOT(IUnknown, AddRef, 1);
    EXPECT_SLOT(IUnknown, Release, 2);
    EXPECT_SLOT(HostString, SetText, 4);
    EXPECT_SLOT(HostString, GetText, 7);
    // QueryService is the services object's query itself.
    EXPECT_SLOT(IdeServices, QueryInterface, 0);
    EXPECT_SLOT(IdeServices, NewHostString, 7);
    EXPECT_SLOT(IdeServices, NewHostFileReader, 8);
    EXPECT_SLOT(HostFileReader, SetFileName, 3);
    EXPECT_SLOT(HostFileReader, QueryOpenInEditor, 5);
    EXPECT_SLOT(HostFileReader, Open, 7);
    EXPECT_SLOT(HostFileReader, Read, 8);
    EXPECT_SLOT(HostFileReader, Seek, 10);
    EXPECT_SLOT(HostFileReader, Close, 11);
}

TEST(IdeInterfaces, EditorServiceSlots) {
    EXPECT_SLOT(EditorService, BeginAccess, 3);
    EXPECT_SLOT(EditorService, EndAccess, 4);
    EXPECT_SLOT(EditorService, Update, 5);
    EXPECT_SLOT(EditorService, ScrollToLine, 19);
    EXPECT_SLOT(EditorService, FindView, 21);
    EXPECT_SLOT(EditorService, ViewKind, 23);
    EXPECT_SLOT(EditorService, ViewFileName, 24);
    EXPECT_SLOT(EditorService, CaretPosition, 25);
    EXPECT_SLOT(EditorService, InsertText, 27);
    EXPECT_SLOT(EditorService, SetCaret, 29);
    EXPECT_SLOT(EditorService, NextView, 31);
    EXPECT_SLOT(EditorService, CaretLineText, 37);
    EXPECT_SLOT(EditorService, SaveView, 41);
    EXPECT_SLOT(EditorService, SelectView, 44);
    EXPECT_SLOT(EditorService, GotoLine, 45);
}

TEST(IdeInterfaces, ProjectSlots) {
    EXPECT_SLOT(ProjectService, AddClient, 3);
    EXPECT_SLOT(ProjectService, RemoveClient, 4);
    EXPECT_SLOT(ProjectService, QueryProjectLoaded, 5);
    EXPECT_SLOT(ProjectService, AddNode, 6);
    EXPECT_SLOT(ProjectService, FindNode, 7);
    EXPECT_SLOT(ProjectService, RemoveNode, 8);
    EXPECT_SLOT(ProjectService, TopNode, 9);
    EXPECT_SLOT(ProjectService, NodeInfo, 10);
    EXPECT_SLOT(ProjectService, SetNodeOption, 12);
    EXPECT_SLOT(ProjectService, GetNodeOption, 13);
    EXPECT_SLOT(ProjectSaveService, AddClient, 19);
    EXPECT_SLOT(ProjectSaveService, RemoveClient, 20);
    EXPECT_SLOT(OptionService, DirectoryOption, 4);
    EXPECT_SLOT(INodeInfo, GetName, 3);
    EXPECT_SLOT(INodeInfo, GetType, 4);
    EXPECT_SLOT(INodeInfo, GetDescription, 5);
    EXPECT_SLOT(INodeInfo, GetFileName, 6);
    EXPECT_SLOT(INodeInfo, GetOutputPath, 7);
    EXPECT_SLOT(INodeInfo, GetParent, 8);
    EXPECT_SLOT(INodeInfo, GetFirstChild, 9);
    EXPECT_SLOT(INodeInfo, GetNextSibling, 10);
    EXPECT_SLOT(IProjectClient, OnProjectOpened, 3);
    EXPECT_SLOT(IProjectClient, OnProjectClosed, 4);
    EXPECT_SLOT(IProjectClient, OnNodeAdded, 5);
    EXPECT_SLOT(IProjectClient, OnNodeRemoved, 6);
    EXPECT_SLOT(IProjectClient, OnNodeMoved, 7);
    EXPECT_SLOT(IProjectClient, OnNodeRenamed, 8);
    EXPECT_SLOT(IProjectClient, OnNodeChanged, 9);
    EXPECT_SLOT(IProjectClient, QueryCloseProject, 10);
    EXPECT_SLOT(IProjectClient, OnNodeOptionsChanged, 11);
    EXPECT_SLOT(IProjectSaveClient, OnProjectSave, 3);
    EXPECT_SLOT(IProjectSaveClient, OnProjectSaved, 4);
}

TEST(IdeInterfaces, ToolMakeMessageAndFrameSlots) {
    EXPECT_SLOT(ToolService, NewTool, 3);
    EXPECT_SLOT(ToolService, AddTool, 4);
    EXPECT_SLOT(ToolService, FindTool, 5);
    EXPECT_SLOT(ToolService, RemoveTool, 6);
    EXPECT_SLOT(ToolService, RunTool, 8);
    EXPECT_SLOT(ToolService, RunToolOnFile, 9);
    EXPECT_SLOT(IToolImplementor, Run, 3);
    EXPECT_SLOT(ITool, SetKind, 3);
    EXPECT_SLOT(ITool, SetImplementor, 15);
    EXPECT_SLOT(ITool, GetImplementor, 16);
    EXPECT_SLOT(MakeService, AddClient, 3);
    EXPECT_SLOT(MakeService, RemoveClient, 4);
    EXPECT_SLOT(IMakeClient, OnMakeStarted, 3);
    EXPECT_SLOT(IMakeClient, OnMakeEnded, 4);
    EXPECT_SLOT(MessageService, NewGroup, 3);
    EXPECT_SLOT(MessageGroup, AddMessage, 3);
    EXPECT_SLOT(MessageGroup, AddSubMessage, 4);
    EXPECT_SLOT(FrameService, FrameWindow, 3);
    EXPECT_SLOT(FrameService, SetStatusText, 4);
}

TEST(IdeInterfaces, OptionsDialogSlots) {
    EXPECT_SLOT(OptionsDialogService, AddChapter, 3);
    EXPECT_SLOT(OptionsDialogService, RemoveChapter, 4);
    EXPECT_SLOT(IMpdChapter, GetPageById, 4);
    EXPECT_SLOT(IMpdChapter, GetPageCount, 5);
    EXPECT_SLOT(IMpdChapter, GetPage, 6);
    EXPECT_SLOT(IMpdPage, Attach, 3);
    EXPECT_SLOT(IMpdPage, Validate, 4);
    EXPECT_SLOT(IMpdPage, Load, 5);
    EXPECT_SLOT(IMpdPage, Save, 6);
    EXPECT_SLOT(IMpdPage, IsModified, 7);
    EXPECT_SLOT(IMpdPage, Reset, 8);
    EXPECT_SLOT(IMpdPage, OnCommand, 9);
    EXPECT_SLOT(IMpdPage, GetInstance, 10);
    EXPECT_SLOT(IMpdPage, GetDialogId, 11);
    EXPECT_SLOT(IMpdPage, GetTitle, 12);
    EXPECT_SLOT(IMpdPage, GetFlags, 13);
    EXPECT_SLOT(IMpdPage, ShowHelp, 14);
    EXPECT_SLOT(IMpdPage, ShowDescription, 15);
    EXPECT_SLOT(IMpdPageSite, ShowDescription, 3);
}

TEST(IdeInterfaces, ServiceIdsFollowTheIdesPattern) {
    const IdeGuid project = ProjectService::kId;
    EXPECT_EQ(project.data1, 0x707240d4u);
    EXPECT_EQ(project.data2, 0x4b4b);
    EXPECT_EQ(project.data3, 0x11cf);
    const uint8_t tail[8] = {0x9d, 0x40, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00};
    EXPECT_EQ(std::memcmp(project.data4, tail, 8), 0);
    EXPECT_EQ(EditorService::kId.data1, 0x707240d0u);
    EXPECT_EQ(ProjectSaveService::kId.data1, 0x707240edu);
    EXPECT_EQ(ToolService::kId.data1, 0x707240d9u);
    EXPECT_EQ(OptionService::kId.data1, 0x707240ccu);
    EXPECT_EQ(MakeService::kId.data1, 0x707240cdu);
    EXPECT_EQ(OptionsDialogService::kId.data1, 0x707240c8u);
    EXPECT_EQ(MessageService::kId.data1, 0x707240c0u);
    EXPECT_EQ(FrameService::kId.data1, 0x707240c7u);
    EXPECT_EQ(IProjectClient::kId.data1, 0x707240d6u);
    EXPECT_EQ(IProjectSaveClient::kId.data1, 0x707240eeu);
    EXPECT_EQ(IToolImplementor::kId.data1, 0x94d38b60u);
    EXPECT_EQ(IToolImplementor::kId.data4[7], 0x55);
    // 16 bytes, laid out as the system's GUID.
    EXPECT_EQ(sizeof(IdeGuid), 16u);
    EXPECT_EQ(offsetof(IdeGuid, data4), 8u);
    EXPECT_FALSE(IdeGuidEqual(ProjectService::kId, ProjectSaveService::kId));
    EXPECT_FALSE(IdeGuidEqual(HostString::kId, HostFileReader::kId));
}

// A client as the add-on makes them; counts its destruction.
int destroyed = 0;
class CountingClient : public IUnknownImp<IMakeClient> {
public:
    using IUnknownImp<IMakeClient>::IUnknownImp;
    ~CountingClient() override { ++destroyed; }
    void QELVO_IDECALL OnMakeStarted() override {}
    void QELVO_IDECALL OnMakeEnded() override {}
};

class Delegate : public IUnknownImp<IProjectSaveClient> {
public:
    void QELVO_IDECALL OnProjectSave() override {}
    void QELVO_IDECALL OnProjectSaved() override {}
};

TEST(IUnknownImp, AnswersItsIdAndIUnknownWithAReferenceAndDiesAtZero) {
    destroyed = 0;
    CountingClient* client = new CountingClient;
    EXPECT_EQ(client->RefCount(), 1u);
    void* out = nullptr;
    ASSERT_EQ(client->QueryInterface(IMakeClient::kId, &out), kIdeOk);
    EXPECT_EQ(out, static_cast<IMakeClient*>(client));
    EXPECT_EQ(client->RefCount(), 2u);
    ASSERT_EQ(client->QueryInterface(IUnknown::kId, &out), kIdeOk);
    EXPECT_EQ(client->RefCount(), 3u);
    out = reinterpret_cast<void*>(1);
    EXPECT_EQ(client->QueryInterface(ProjectService::kId, &out), kIdeNoInterface);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(client->QueryInterface(IMakeClient::kId, nullptr), kIdeNoInterface);
    EXPECT_EQ(client->Release(), 2u);
    EXPECT_EQ(client->Release(), 1u);
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(client->Release(), 0u);
    EXPECT_EQ(destroyed, 1);
}

TEST(IUnknownImp, PassesOtherIdsToItsDelegateAndTakesAnExplicitId) {
    Delegate* delegate = new Delegate;
    CountingClient* client = new CountingClient(IProjectClient::kId, delegate);
    void* out = nullptr;
    // The ID given replaces the interface's own.
    EXPECT_EQ(client->QueryInterface(IMakeClient::kId, &out), kIdeNoInterface);
    ASSERT_EQ(client->QueryInterface(IProjectClient::kId, &out), kIdeOk);
    static_cast<IUnknown*>(out)->Release();
    ASSERT_EQ(client->QueryInterface(IProjectSaveClient::kId, &out), kIdeOk);
    EXPECT_EQ(out, static_cast<IProjectSaveClient*>(delegate));
    EXPECT_EQ(delegate->RefCount(), 2u);
    delegate->Release();
    client->Release();
    delegate->Release();
}

} // namespace
} // namespace ide
} // namespace qelvo
