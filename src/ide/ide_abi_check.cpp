// Compile-time checks of the IDE interfaces. On 32-bit Windows the IDE calls every operation
// with __stdcall: each one is checked here, so an operation declared without QELVO_IDECALL
// breaks the i686 build. Elsewhere the checks only prove that the names exist. No code.
#include "ide/ide_services.h"

#include <type_traits>

namespace qelvo {
namespace ide {
namespace {

#if defined(_WIN32) && !defined(_WIN64)
template <typename T> struct IsIdeCall : std::false_type {};
template <typename R, typename C, typename... A>
struct IsIdeCall<R (__stdcall C::*)(A...)> : std::true_type {};
#define QELVO_CHECK_CALL(I, M)                                                                     \
    static_assert(IsIdeCall<decltype(&I::M)>::value, #I "::" #M " must use QELVO_IDECALL");
#else
#define QELVO_CHECK_CALL(I, M)                                                                     \
    static_assert(std::is_member_function_pointer<decltype(&I::M)>::value, #I "::" #M);
#endif

static_assert(sizeof(IdeGuid) == 16, "an interface ID is 16 bytes");
static_assert(sizeof(IdeNode) == 4 && sizeof(IdeMessage) == 4 && sizeof(IdeView) == 4,
              "IDE handles are 32-bit values");
static_assert(IdeServiceGuid(0xd4).data1 == 0x707240d4u, "service IDs are 707240xx");

QELVO_CHECK_CALL(IUnknown, QueryInterface)
QELVO_CHECK_CALL(IUnknown, AddRef)
QELVO_CHECK_CALL(IUnknown, Release)

QELVO_CHECK_CALL(HostString, Reserved3)
QELVO_CHECK_CALL(HostString, SetText)
QELVO_CHECK_CALL(HostString, GetText)

QELVO_CHECK_CALL(IdeServices, NewHostString)
QELVO_CHECK_CALL(IdeServices, NewHostFileReader)

QELVO_CHECK_CALL(HostFileReader, SetFileName)
QELVO_CHECK_CALL(HostFileReader, QueryOpenInEditor)
QELVO_CHECK_CALL(HostFileReader, Open)
QELVO_CHECK_CALL(HostFileReader, Read)
QELVO_CHECK_CALL(HostFileReader, Seek)
QELVO_CHECK_CALL(HostFileReader, Close)

QELVO_CHECK_CALL(EditorService, BeginAccess)
QELVO_CHECK_CALL(EditorService, EndAccess)
QELVO_CHECK_CALL(EditorService, Update)
QELVO_CHECK_CALL(EditorService, ScrollToLine)
QELVO_CHECK_CALL(EditorService, FindView)
QELVO_CHECK_CALL(EditorService, ViewKind)
QELVO_CHECK_CALL(EditorService, ViewFileName)
QELVO_CHECK_CALL(EditorService, CaretPosition)
QELVO_CHECK_CALL(EditorService, InsertText)
QELVO_CHECK_CALL(EditorService, SetCaret)
QELVO_CHECK_CALL(EditorService, NextView)
QELVO_CHECK_CALL(EditorService, CaretLineText)
QELVO_CHECK_CALL(EditorService, SaveView)
QELVO_CHECK_CALL(EditorService, SelectView)
QELVO_CHECK_CALL(EditorService, GotoLine)

QELVO_CHECK_CALL(INodeInfo, GetName)
QELVO_CHECK_CALL(INodeInfo, GetType)
QELVO_CHECK_CALL(INodeInfo, GetDescription)
QELVO_CHECK_CALL(INodeInfo, GetFileName)
QELVO_CHECK_CALL(INodeInfo, GetOutputPath)
QELVO_CHECK_CALL(INodeInfo, GetParent)
QELVO_CHECK_CALL(INodeInfo, GetFirstChild)
QELVO_CHECK_CALL(INodeInfo, GetNextSibling)

QELVO_CHECK_CALL(IProjectClient, OnProjectOpened)
QELVO_CHECK_CALL(IProjectClient, OnProjectClosed)
QELVO_CHECK_CALL(IProjectClient, OnNodeAdded)
QELVO_CHECK_CALL(IProjectClient, OnNodeRemoved)
QELVO_CHECK_CALL(IProjectClient, OnNodeMoved)
QELVO_CHECK_CALL(IProjectClient, OnNodeRenamed)
QELVO_CHECK_CALL(IProjectClient, OnNodeChanged)
QELVO_CHECK_CALL(IProjectClient, QueryCloseProject)
QELVO_CHECK_CALL(IProjectClient, OnNodeOptionsChanged)

QELVO_CHECK_CALL(IProjectSaveClient, OnProjectSave)
QELVO_CHECK_CALL(IProjectSaveClient, OnProjectSaved)

QELVO_CHECK_CALL(ProjectService, AddClient)
QELVO_CHECK_CALL(ProjectService, RemoveClient)
QELVO_CHECK_CALL(ProjectService, QueryProjectLoaded)
QELVO_CHECK_CALL(ProjectService, AddNode)
QELVO_CHECK_CALL(ProjectService, FindNode)
QELVO_CHECK_CALL(ProjectService, RemoveNode)
QELVO_CHECK_CALL(ProjectService, TopNode)
QELVO_CHECK_CALL(ProjectService, NodeInfo)
QELVO_CHECK_CALL(ProjectService, SetNodeOption)
QELVO_CHECK_CALL(ProjectService, GetNodeOption)

QELVO_CHECK_CALL(ProjectSaveService, AddClient)
QELVO_CHECK_CALL(ProjectSaveService, RemoveClient)

QELVO_CHECK_CALL(OptionService, DirectoryOption)

QELVO_CHECK_CALL(IToolImplementor, Run)
QELVO_CHECK_CALL(ITool, SetKind)
QELVO_CHECK_CALL(ITool, GetKind)
QELVO_CHECK_CALL(ITool, SetName)
QELVO_CHECK_CALL(ITool, GetName)
QELVO_CHECK_CALL(ITool, SetFlags)
QELVO_CHECK_CALL(ITool, GetFlags)
QELVO_CHECK_CALL(ITool, SetDescription)
QELVO_CHECK_CALL(ITool, GetDescription)
QELVO_CHECK_CALL(ITool, SetMenuText)
QELVO_CHECK_CALL(ITool, GetMenuText)
QELVO_CHECK_CALL(ITool, SetNote)
QELVO_CHECK_CALL(ITool, GetNote)
QELVO_CHECK_CALL(ITool, SetImplementor)
QELVO_CHECK_CALL(ITool, GetImplementor)

QELVO_CHECK_CALL(ToolService, NewTool)
QELVO_CHECK_CALL(ToolService, AddTool)
QELVO_CHECK_CALL(ToolService, FindTool)
QELVO_CHECK_CALL(ToolService, RemoveTool)
QELVO_CHECK_CALL(ToolService, RunTool)
QELVO_CHECK_CALL(ToolService, RunToolOnFile)

QELVO_CHECK_CALL(IMakeClient, OnMakeStarted)
QELVO_CHECK_CALL(IMakeClient, OnMakeEnded)
QELVO_CHECK_CALL(MakeService, AddClient)
QELVO_CHECK_CALL(MakeService, RemoveClient)

QELVO_CHECK_CALL(MessageGroup, AddMessage)
QELVO_CHECK_CALL(MessageGroup, AddSubMessage)
QELVO_CHECK_CALL(MessageService, NewGroup)
QELVO_CHECK_CALL(FrameService, FrameWindow)
QELVO_CHECK_CALL(FrameService, SetStatusText)

QELVO_CHECK_CALL(IMpdPageSite, ShowDescription)
QELVO_CHECK_CALL(IMpdPage, Attach)
QELVO_CHECK_CALL(IMpdPage, Validate)
QELVO_CHECK_CALL(IMpdPage, Load)
QELVO_CHECK_CALL(IMpdPage, Save)
QELVO_CHECK_CALL(IMpdPage, IsModified)
QELVO_CHECK_CALL(IMpdPage, Reset)
QELVO_CHECK_CALL(IMpdPage, OnCommand)
QELVO_CHECK_CALL(IMpdPage, GetInstance)
QELVO_CHECK_CALL(IMpdPage, GetDialogId)
QELVO_CHECK_CALL(IMpdPage, GetTitle)
QELVO_CHECK_CALL(IMpdPage, GetFlags)
QELVO_CHECK_CALL(IMpdPage, ShowHelp)
QELVO_CHECK_CALL(IMpdPage, ShowDescription)
QELVO_CHECK_CALL(IMpdChapter, GetPageById)
QELVO_CHECK_CALL(IMpdChapter, GetPageCount)
QELVO_CHECK_CALL(IMpdChapter, GetPage)
QELVO_CHECK_CALL(OptionsDialogService, AddChapter)
QELVO_CHECK_CALL(OptionsDialogService, RemoveChapter)

// The add-on's helper keeps the convention in the operations it implements.
QELVO_CHECK_CALL(IUnknownImp<IMakeClient>, QueryInterface)
QELVO_CHECK_CALL(IUnknownImp<IMakeClient>, AddRef)
QELVO_CHECK_CALL(IUnknownImp<IMakeClient>, Release)

#if defined(_WIN32) && !defined(_WIN64)
// The check itself must be able to fail: an operation without the convention is told apart.
struct Plain {
    virtual void f() = 0;
};
static_assert(!IsIdeCall<decltype(&Plain::f)>::value, "the convention check tells them apart");
static_assert(std::is_same<AddOnEntryFunction, void(__stdcall*)(void*)>::value,
              "BcwAddOnEntry is __stdcall");
#endif

} // namespace
} // namespace ide
} // namespace qelvo
