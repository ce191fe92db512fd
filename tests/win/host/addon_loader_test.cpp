// The stand-in IDE loads add-ons from the registry as the IDE does, hands them its services
// and lets them go at exit. The probe add-on drives every service from inside its DLL; the
// test checks what the IDE saw and what the probe was told. windows.h comes first on purpose:
// the IDE's interface names must survive its macros.
#include <windows.h>

#include "addon_loader.h"
#include "host_test_support.h"
#include "recorders.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>

namespace qelvo {
namespace host {
namespace {

using testing_support::MessageRecorder;
using testing_support::TempDir;

std::string ProgramDirectory() {
    char path[MAX_PATH] = {0};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text = path;
    return text.substr(0, text.rfind('\\'));
}

std::string ProbePath() {
    return ProgramDirectory() + "\\qelvo_probe_addon.dll";
}

void DeleteAddOnsKey() {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kAddOnsKey);
}

// One add-on's key: its Enabled and Path values (a null Path writes none).
void RegisterAddOn(const std::string& name, const char* enabled, const char* path) {
    HKEY key = nullptr;
    std::string full = std::string(kAddOnsKey) + "\\" + name;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, full.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "Enabled", 0, REG_SZ, reinterpret_cast<const BYTE*>(enabled),
                   static_cast<DWORD>(std::strlen(enabled) + 1));
    if (path)
        RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(path),
                       static_cast<DWORD>(std::strlen(path) + 1));
    RegCloseKey(key);
}

// The probe's test exports, reached through a handle of the test's own on the DLL (which keeps
// it loaded after the IDE unloads it, so its counts can still be read).
struct Probe {
    HMODULE module = nullptr;
    const char* (*log)() = nullptr;
    void (*clearLog)() = nullptr;
    int (*liveObjects)() = nullptr;
    void (*setToolResult)(int) = nullptr;
    int (*walk)(char*, int) = nullptr;
    int (*projectLoaded)() = nullptr;
    unsigned (*topNode)() = nullptr;
    unsigned (*findNode)(const char*) = nullptr;
    unsigned (*addNode)(unsigned, const char*, const char*) = nullptr;
    int (*removeNode)(unsigned) = nullptr;
    int (*setOption)(const char*, const void*, unsigned) = nullptr;
    int (*getOption)(const char*, unsigned, void*, unsigned, unsigned*) = nullptr;
    int (*directoryOption)(unsigned, int, char*, int) = nullptr;
    int (*runTool)(const char*, unsigned, const char*) = nullptr;
    void (*status)(const char*) = nullptr;
    int (*messages)(const char*) = nullptr;
    int (*readFile)(const char*, char*, int) = nullptr;

    template <class F> void Bind(F& f, const char* name) {
        f = reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
        ASSERT_TRUE(f) << name;
    }
    void Load() {
        module = LoadLibraryA(ProbePath().c_str());
        ASSERT_TRUE(module);
        Bind(log, "ProbeLog");
        Bind(clearLog, "ProbeClearLog");
        Bind(liveObjects, "ProbeLiveObjects");
        Bind(setToolResult, "ProbeSetToolResult");
        Bind(walk, "ProbeWalkProject");
        Bind(projectLoaded, "ProbeProjectLoaded");
        Bind(topNode, "ProbeTopNode");
        Bind(findNode, "ProbeFindNode");
        Bind(addNode, "ProbeAddNode");
        Bind(removeNode, "ProbeRemoveNode");
        Bind(setOption, "ProbeSetOption");
        Bind(getOption, "ProbeGetOption");
        Bind(directoryOption, "ProbeDirectoryOption");
        Bind(runTool, "ProbeRunTool");
        Bind(status, "ProbeStatus");
        Bind(messages, "ProbeMessages");
        Bind(readFile, "ProbeReadFile");
    }
    ~Probe() {
        if (module) FreeLibrary(module);
    }
    std::string TakeLog() {
        std::string text = log();
        clearLog();
        return text;
    }
};

class AddOnLoading : public ::testing::Test {
protected:
    void SetUp() override { DeleteAddOnsKey(); }
    void TearDown() override { DeleteAddOnsKey(); }
};

TEST_F(AddOnLoading, TheProbeUsesEveryServiceAndLeavesNothingBehind) {
    TempDir dir;
    ASSERT_TRUE(testing_support::CopyTree(testing_support::SampleDirectory(), dir.path()));
    RegisterAddOn("QelvoProbe", "Yes", ProbePath().c_str());
    RegisterAddOn("QelvoProbeOff", "No", ProbePath().c_str());
    Probe probe;
    {
        StandInIde ide;
        AddOnLoader loader(ide);
        ASSERT_EQ(loader.Startup(), 1);
        ASSERT_EQ(loader.AddOns().size(), 1u);
        EXPECT_EQ(loader.AddOns()[0].key, "QelvoProbe");
        ASSERT_NO_FATAL_FAILURE(probe.Load());
        // Started once: the disabled key was not loaded.
        EXPECT_EQ(probe.TakeLog(), "start\n");
        EXPECT_EQ(ide.Tools().ToolMenu(), std::vector<std::string>{"&Probe"});
        ASSERT_EQ(ide.OptionsDialog().ChapterCount(), 1u);
        ide::IMpdPage* page = ide.OptionsDialog().Chapter(0)->GetPage(1);
        ASSERT_TRUE(page);
        EXPECT_EQ(testing_support::Text(page->GetTitle()), "Probe page");
        EXPECT_EQ(page->GetFlags(), 4096);
        page->Release();

        // Projects: opened, the node tree, node changes, options through a save, closed.
        EXPECT_EQ(probe.projectLoaded(), 0);
        const std::string project = dir.File("APP.IDE");
        ASSERT_TRUE(ide.Projects().Open(project));
        EXPECT_EQ(probe.projectLoaded(), 1);
        std::vector<char> tree(8192);
        probe.walk(tree.data(), static_cast<int>(tree.size()));
        const std::string d = dir.path();
        EXPECT_EQ(std::string(tree.data()).substr(0, 200),
                  std::string("APP [.ide] " + d +
                              "\\APP.IDE\n"
                              "  app.exe [.exe] " +
                              d +
                              "\\bin\\APP.EXE\n"
                              "    Sources [SourcePool] Sources\n"
                              "      main.cpp [.cpp] " +
                              d + "\\src\\main.cpp\n")
                      .substr(0, 200));
        std::string walked = tree.data();
        EXPECT_NE(walked.find("\n  DELIVERY [SourcePool] DELIVERY\n    APP.EXE [.exe] " + d +
                              "\\bin\\APP.EXE\n    APP.HLP [.hlp] " + d + "\\doc\\APP.HLP\n"),
                  std::string::npos)
            << walked;
        EXPECT_NE(walked.find("      #Obsolete [SourcePool] #Obsolete\n        old.cpp [.cpp] "),
                  std::string::npos);

        unsigned top = probe.topNode();
        unsigned added = probe.addNode(top, "extra.cpp", nullptr);
        ASSERT_NE(added, 0u);
        EXPECT_EQ(probe.findNode((d + "\\EXTRA.CPP").c_str()), added);
        EXPECT_EQ(probe.removeNode(added), 1);
        EXPECT_EQ(probe.findNode((d + "\\extra.cpp").c_str()), 0u);

        const int32_t four = 4;
        EXPECT_EQ(probe.setOption("Qelvo_NB_ODR", &four, 4), 1);
        EXPECT_EQ(probe.setOption("Qelvo_HTMLFI", "~*.c", 5), 1);
        EXPECT_EQ(probe.setOption("QelvoGroupwareServer", "~", 2), 1);
        EXPECT_TRUE(ide.Projects().Close());
        EXPECT_EQ(probe.TakeLog(), "opened " + project +
                                       "\n"
                                       "node added\nnode removed\n"
                                       "node options\nnode options\nnode options\n"
                                       "may close\nsaving\nnode options\nsaved\nclosed\n");
        EXPECT_EQ(probe.projectLoaded(), 0);

        ASSERT_TRUE(ide.Projects().Open(project));
        unsigned size = 0;
        char bytes[16] = {0};
        ASSERT_EQ(probe.getOption("Qelvo_NB_ODR", 4, bytes, sizeof bytes, &size), 1);
        EXPECT_EQ(size, 4u);
        int32_t value = 0;
        std::memcpy(&value, bytes, 4);
        EXPECT_EQ(value, 4);
        ASSERT_EQ(probe.getOption("Qelvo_HTMLFI", 0, bytes, sizeof bytes, &size), 1);
        EXPECT_EQ(size, 5u);
        EXPECT_EQ(std::string(bytes, 5), std::string("~*.c", 5));
        ASSERT_EQ(probe.getOption("QelvoGroupwareServer", 0, bytes, sizeof bytes, &size), 1);
        EXPECT_EQ(size, 2u);
        ASSERT_EQ(probe.getOption("Probe_SAVES", 4, bytes, sizeof bytes, &size), 1);
        EXPECT_EQ(size, 4u);
        EXPECT_EQ(probe.getOption("Qelvo_MISSING", 4, bytes, sizeof bytes, &size), 0);
        EXPECT_EQ(size, 0u);

        char text[256];
        ASSERT_EQ(probe.directoryOption(top = probe.topNode(), 1, text, sizeof text), 1);
        EXPECT_STREQ(text, "include;lib");
        unsigned convert = probe.findNode((d + "\\tools\\convert.cpp").c_str());
        ASSERT_EQ(probe.directoryOption(convert, 3, text, sizeof text), 1);
        EXPECT_STREQ(text, "tools");

        // Tools: the probe's own with every result, the IDE's own, and none.
        probe.TakeLog();
        unsigned main = probe.findNode((d + "\\src\\main.cpp").c_str());
        for (int result = -1; result <= 3; ++result) {
            probe.setToolResult(result);
            EXPECT_EQ(probe.runTool("ProbeTool", main, nullptr), result);
        }
        EXPECT_EQ(ide.Tools().RunFromMenu("ProbeTool"), 3);
        EXPECT_EQ(probe.runTool("EditText", 0, "C:\\SRC\\NOTES.TXT"), 0);
        EXPECT_EQ(probe.runTool("NoSuchTool", main, nullptr), -100);
        std::string toolLines;
        for (int i = 0; i < 5; ++i)
            toolLines += "tool run " + std::to_string(main) + " " + d + "\\src\\main.cpp\n";
        EXPECT_EQ(probe.TakeLog(), toolLines + "tool run 0 (none)\n");
        const std::vector<ToolRun>& runs = ide.Tools().Runs();
        ASSERT_EQ(runs.size(), 7u);
        EXPECT_EQ(runs[0].tool, "ProbeTool");
        EXPECT_EQ(runs[0].result, -1);
        EXPECT_EQ(runs[4].result, 3);
        EXPECT_EQ(runs[6].tool, "EditText");
        EXPECT_EQ(runs[6].fileName, "C:\\SRC\\NOTES.TXT");

        // Make, messages, status line and the file reader.
        EXPECT_EQ(ide.Make().Run([&probe] {
            probe.status("building");
            return 0;
        }),
                  0);
        EXPECT_EQ(probe.TakeLog(), "make started\nmake ended\n");
        EXPECT_EQ(probe.messages("C:\\SRC\\A.CPP"), 3);
        const HostMessageGroup* group = ide.Messages().Group("Probe");
        ASSERT_TRUE(group);
        ASSERT_EQ(group->messages.size(), 3u);
        EXPECT_EQ(group->messages[0].text, "APP : 2 files");
        EXPECT_EQ(group->messages[1].file, "C:\\SRC\\A.CPP");
        EXPECT_EQ(group->messages[1].line, 7);
        EXPECT_EQ(group->messages[2].kind, ide::kMessageError);
        EXPECT_EQ(group->messages[2].parent, group->messages[0].handle);
        probe.status("Delivery terminated");
        EXPECT_EQ(ide.Frame().StatusLog(),
                  (std::vector<std::string>{"building", "Delivery terminated"}));
        std::vector<char> source(4096);
        std::string expected = testing_support::ReadWholeFile(d + "\\src\\util.cpp");
        EXPECT_EQ(probe.readFile((d + "\\src\\util.cpp").c_str(), source.data(),
                                 static_cast<int>(source.size())),
                  static_cast<int>(expected.size()));
        EXPECT_EQ(std::string(source.data()), expected);
        EXPECT_EQ(probe.readFile((d + "\\src\\none.cpp").c_str(), source.data(), 10), -1);

        // At exit: the project closes, the add-on stops, the IDE lets go of its chapter.
        EXPECT_TRUE(ide.Projects().Close(false));
        EXPECT_GT(probe.liveObjects(), 0);
        loader.Shutdown();
        EXPECT_TRUE(loader.AddOns().empty());
        EXPECT_EQ(probe.TakeLog(), "may close\nclosed\nstop\n");
        EXPECT_EQ(probe.liveObjects(), 0);
        EXPECT_EQ(ide.ServiceReferences(), 0u);
        EXPECT_EQ(ide.OverReleases(), 0u);
        EXPECT_EQ(ide.Projects().ClientCount(), 0u);
        EXPECT_EQ(ide.Make().ClientCount(), 0u);
        EXPECT_EQ(ide.OptionsDialog().ChapterCount(), 0u);
        EXPECT_TRUE(ide.Tools().ToolMenu().empty());
        EXPECT_EQ(LiveObjects(ObjectKind::String), 0);
        EXPECT_EQ(LiveObjects(ObjectKind::NodeInfo), 0);
        EXPECT_EQ(LiveObjects(ObjectKind::FileReader), 0);
        EXPECT_EQ(LiveObjects(ObjectKind::MessageGroup), 0);
    }
    // The IDE unloaded the DLL: only the test's own handle keeps it.
    FreeLibrary(probe.module);
    probe.module = nullptr;
    EXPECT_EQ(GetModuleHandleA(ProbePath().c_str()), nullptr);
}

TEST_F(AddOnLoading, ReportsAndSkipsAddOnsThatCannotBeStarted) {
    const std::string directory = ProgramDirectory();
    RegisterAddOn("A_Missing", "Yes", (directory + "\\nowhere.dll").c_str());
    RegisterAddOn("B_NoEntry", "yes", (directory + "\\qelvo_probe_noentry.dll").c_str());
    RegisterAddOn("C_NoPath", "Yes", nullptr);
    RegisterAddOn("D_Off", "No", (directory + "\\nowhere.dll").c_str());
    RegisterAddOn("E_Probe", "Yes", ProbePath().c_str());
    MessageRecorder recorder;
    StandInIde ide;
    AddOnLoader loader(ide);
    EXPECT_EQ(loader.Startup(), 1);
    ASSERT_EQ(loader.AddOns().size(), 1u);
    EXPECT_EQ(loader.AddOns()[0].key, "E_Probe");
    ASSERT_EQ(recorder.messages.size(), 3u);
    EXPECT_EQ(recorder.messages[0].text,
              "Add-on A_Missing: " + directory + "\\nowhere.dll cannot be loaded.");
    EXPECT_EQ(recorder.messages[1].text,
              "Add-on B_NoEntry: " + directory + "\\qelvo_probe_noentry.dll has no BcwAddOnEntry.");
    EXPECT_EQ(recorder.messages[2].text, "Add-on C_NoPath: its registry key has no Path.");
    for (const auto& message : recorder.messages) {
        EXPECT_EQ(message.title, "Borland C++");
        EXPECT_EQ(message.flags, platform::kMbOk | platform::kMbIconStop);
    }
    // The DLL without the entry was let go again.
    EXPECT_EQ(GetModuleHandleA((directory + "\\qelvo_probe_noentry.dll").c_str()), nullptr);
    loader.Shutdown();
    EXPECT_EQ(ide.ServiceReferences(), 0u);
}

TEST_F(AddOnLoading, NoAddOnsKeyMeansNoAddOns) {
    MessageRecorder recorder;
    StandInIde ide;
    AddOnLoader loader(ide);
    EXPECT_EQ(loader.Startup(), 0);
    EXPECT_TRUE(loader.AddOns().empty());
    EXPECT_TRUE(recorder.messages.empty());
    loader.Shutdown();
}

} // namespace
} // namespace host
} // namespace qelvo
