// Make in the stand-in IDE: the status window ("#32770") is there for the Make clients from
// "Make started" to "Make ended" and gone afterwards; the build's lines land in the message
// window; the add-on's handling of the windows around a Make works on the real windows.
#include "ide_session.h"
#include "win_support.h"

#include <gtest/gtest.h>

namespace qelvo {
namespace host {
namespace {

// A Make client that does what the add-on does with the IDE's windows around a Make.
class WindowsMakeClient final : public ide::IUnknownImp<ide::IMakeClient> {
public:
    explicit WindowsMakeClient(FrameWindow& frame) : frame_(frame) {}

    void QELVO_IDECALL OnMakeStarted() override {
        HWND frame = FindWindowA("CPPFRAME", nullptr);
        HWND client = ChildOfClass(frame, "MDIClient");
        // The message window shown and its first tab cleared.
        SendMessageA(frame, WM_COMMAND, kCmdShowMessages, 0);
        HWND pane = ChildOfClass(ChildOfClass(client, "BCW5Message"), "OWL_Window");
        SendMessageA(ChildOfClass(pane, "OWL_NoteTab"), WM_LBUTTONDOWN, MK_LBUTTON,
                     MAKELPARAM(20, 11));
        SendMessageA(ChildOfClass(pane, "MsgViewer"), WM_COMMAND, kCmdClearMessages, 0);
        // The project window closed.
        if (HWND project = ChildOfClass(client, "BCW5Project"))
            SendMessageA(project, WM_SYSCOMMAND, SC_CLOSE, 0);
        // The status window: in the MDI client, else top-level.
        status = ChildOfClass(client, "#32770");
        if (!status) status = FindWindowA("#32770", nullptr);
        if (status) {
            statusTitle = TextOf(status);
            statusOwner = GetWindow(status, GW_OWNER);
            statusVisible = IsWindowVisible(status) != 0;
            SendMessageA(status, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            minimised = IsIconic(status) != 0;
        }
        reentered = frame_.RunMake();
        log.push_back("started");
    }
    void QELVO_IDECALL OnMakeEnded() override {
        if (status && IsWindow(status)) {
            SendMessageA(status, WM_SYSCOMMAND, SC_RESTORE, 0);
            restored = !IsIconic(status);
        }
        SendMessageA(FindWindowA("CPPFRAME", nullptr), WM_COMMAND, kCmdShowProject, 0);
        log.push_back("ended");
    }

    HWND status = nullptr;
    std::string statusTitle;
    HWND statusOwner = nullptr;
    bool statusVisible = false, minimised = false, restored = false;
    int reentered = 0;
    std::vector<std::string> log;

private:
    FrameWindow& frame_;
};

TEST(MakeTest, StatusWindowLivesFromMakeStartedToMakeEnded) {
    IdeSession session;
    ASSERT_TRUE(session.frame.OpenProject(session.File("APP.IDE")));
    ide::MakeService* make = ide::QueryService<ide::MakeService>(session.ide.Services());
    WindowsMakeClient* client = new WindowsMakeClient(session.frame);
    ASSERT_EQ(make->AddClient(client), 1);

    // An earlier build's lines, which the client clears at Make start.
    ide::MessageGroup* old =
        session.ide.Messages().NewGroup(session.Str("Buildtime"), session.Str("&Buildtime"));
    old->AddMessage(0, session.Str("Compiling before.cpp"));
    old->Release();

    // Chosen from the menu: the command passes the frame's queue.
    PostMessageA(session.frame.Window(), WM_COMMAND, kCmdMake, 0);
    Pump();
    EXPECT_EQ(session.ide.Make().Makes(), 1);
    EXPECT_EQ(client->log, (std::vector<std::string>{"started", "ended"}));
    ASSERT_TRUE(client->status);
    EXPECT_EQ(client->statusTitle, "Compile Status");
    EXPECT_EQ(client->statusOwner, session.frame.Window());
    EXPECT_TRUE(client->statusVisible);
    EXPECT_TRUE(client->minimised);
    EXPECT_TRUE(client->restored);
    EXPECT_EQ(client->reentered, ide::kToolNotHandled) << "no Make inside a Make";
    EXPECT_FALSE(IsWindow(client->status)) << "gone once the Make is over";
    EXPECT_FALSE(session.frame.Make().Running());

    // Only this build's lines, one per source node, in project order.
    const HostMessageGroup* build = session.ide.Messages().Group("Buildtime");
    ASSERT_TRUE(build);
    ASSERT_EQ(build->messages.size(), 11u);
    EXPECT_EQ(build->messages.front().text, "Compiling main.cpp");
    EXPECT_EQ(build->messages[6].text, "Compiling app.rc");
    EXPECT_EQ(build->messages.back().text, "Compiling VERSION.RC");
    HWND viewer = ChildOfClass(
        ChildOfClass(ChildOfClass(session.frame.MdiClient(), "BCW5Message"), "OWL_Window"),
        "MsgViewer");
    EXPECT_EQ(ListLines(viewer).size(), 11u);
    // The project window came back at Make end.
    EXPECT_TRUE(ChildOfClass(session.frame.MdiClient(), "BCW5Project"));

    EXPECT_EQ(make->RemoveClient(client), 1);
    client->Release();
    make->Release();
}

TEST(MakeTest, MakeWithoutAProjectCompilesNothingAndStillTellsTheClients) {
    IdeSession session;
    std::vector<std::string> log;
    auto* client = new testing_support::RecordingMakeClient(log);
    session.ide.Make().AddClient(client);
    EXPECT_EQ(session.frame.RunMake(), ide::kToolDone);
    EXPECT_EQ(log, (std::vector<std::string>{"make: started", "make: ended"}));
    EXPECT_TRUE(session.ide.Messages().Group("Buildtime")->messages.empty());
    EXPECT_FALSE(FindWindowA("#32770", "Compile Status"));
    session.ide.Make().RemoveClient(client);
    client->Release();
}

// Asks the frame to close while the Make runs.
class ClosingMakeClient final : public ide::IUnknownImp<ide::IMakeClient> {
public:
    explicit ClosingMakeClient(HWND frame) : frame_(frame) {}
    void QELVO_IDECALL OnMakeStarted() override {
        SendMessageA(frame_, WM_CLOSE, 0, 0);
        stillThere = IsWindow(frame_) != 0;
    }
    void QELVO_IDECALL OnMakeEnded() override {}
    bool stillThere = false;

private:
    HWND frame_;
};

TEST(MakeTest, CloseAskedDuringAMakeWaitsForItsEnd) {
    IdeSession session;
    int closings = 0;
    session.frame.SetClosingHandler([&closings] {
        ++closings;
        return true;
    });
    auto* client = new ClosingMakeClient(session.frame.Window());
    session.ide.Make().AddClient(client);
    EXPECT_EQ(session.frame.RunMake(), ide::kToolDone);
    EXPECT_TRUE(client->stillThere);
    EXPECT_EQ(closings, 0);
    Pump();
    EXPECT_EQ(closings, 1);
    EXPECT_EQ(session.frame.Window(), nullptr);
    session.ide.Make().RemoveClient(client);
    client->Release();
}

} // namespace
} // namespace host
} // namespace qelvo
