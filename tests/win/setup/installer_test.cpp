// The real setup.exe under Wine: a stand-in IDE directory (BCW.EXE and BCWRES.DLL) is its
// current directory, and the test drives its dialog and answers its message boxes. Until the
// stand-in IDE's own BCW.EXE exists, any file of that name identifies the IDE directory.
#include "addon_loader.h"
#include "recorders.h"
#include "setup_driver.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace qelvo {
namespace setup_test {
using namespace setup_driver;
namespace {

using testing_support::TempDir;
using Lines = std::vector<std::string>;

const char kTitle[] = "Qelvo AddOn installation";

Lines AllOk() {
    return {"1/8\tVerify BC5 directory\tOk",   "2/8\tVerify opened applications\tOk",
            "3/8\tVerify BC version 5.02\tOk", "4/8\tCreate Qelvo directory\tOk",
            "5/8\tCopy QelvoAdd.dll\tOk",      "6/8\tCopy QelvoAdd.hlp\tOk",
            "7/8\tCopy QelvoAdd.cnt\tOk",      "8/8\tSet registry database entries\tOk"};
}

bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), int(a.size()), b.c_str(),
                          int(b.size())) == CSTR_EQUAL;
}

class Installer : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteAddonKey();
        ide = temp.File("BC5");
        CreateDirectoryA(ide.c_str(), nullptr);
        ide += "\\BIN";
        addon = temp.File("BC5\\QELVO");
        MakeIde(ide, "BCWRES.DLL");
    }
    void TearDown() override { DeleteAddonKey(); }

    // A stand-in IDE directory: BCW.EXE and the given resource DLL as BCWRES.DLL.
    void MakeIde(const std::string& dir, const char* resourceDll) {
        CreateDirectoryA(dir.c_str(), nullptr);
        ASSERT_TRUE(WriteFileBytes(dir + "\\BCW.EXE", "stand-in IDE program"));
        ASSERT_TRUE(
            CopyFileA(BesideProgram(resourceDll).c_str(), (dir + "\\BCWRES.DLL").c_str(), FALSE));
    }
    // Starts setup.exe in `dir` and waits for its dialog.
    void Launch(const std::string& dir, const std::string& program = BesideProgram("setup.exe")) {
        ASSERT_TRUE(process.Start(program, dir));
        // A fresh Wine prefix's first program windows can take far longer than later ones.
        dialog = WaitDialog(process.id(), 60000);
        ASSERT_NE(dialog, nullptr) << "no installation dialog";
    }
    // "Install", then waits for the run to end (button 2 enabled again); answers Yes to the
    // question that creates the add-on directory.
    void InstallAndWait(bool expectCreateQuestion) {
        Press(dialog, 104);
        if (expectCreateQuestion) {
            MessageBoxSeen box = WaitMessageBox(process.id());
            ASSERT_NE(box.window, nullptr);
            EXPECT_EQ(box.text, ItemText(dialog, 108) + " directory does not exist ?\nCreate ?");
            EXPECT_EQ(box.title, kTitle);
            EXPECT_EQ(box.owner, dialog);
            Press(box.window, IDYES);
        }
        ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(GetDlgItem(dialog, 2)) != 0; }));
    }
    // Waits for a message box, checks it is the installer's stop box owned by the dialog, and
    // presses OK.
    void ExpectStopBox(const std::string& text) {
        MessageBoxSeen box = WaitMessageBox(process.id());
        ASSERT_NE(box.window, nullptr) << "expected: " << text;
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.title, kTitle);
        EXPECT_EQ(box.owner, dialog);
        Press(box.window, IDOK);
    }
    void ExpectEndsCleanly() {
        DWORD code = 1234;
        EXPECT_TRUE(process.WaitExit(10000, &code));
        EXPECT_EQ(code, 0u);
    }

    TempDir temp;
    std::string ide, addon;
    SetupProcess process;
    HWND dialog = nullptr;
};

TEST_F(Installer, FullInstallCopiesThePayloadAndRegistersTheAddOn) {
    Launch(ide);
    // The IDE directory is where setup was started; the add-on directory sits beside it.
    EXPECT_TRUE(SameText(ItemText(dialog, 102), ide)) << ItemText(dialog, 102);
    EXPECT_TRUE(SameText(ItemText(dialog, 108), addon)) << ItemText(dialog, 108);
    EXPECT_EQ(Text(dialog), "") << "no title text";

    RECT before;
    GetWindowRect(dialog, &before);
    int width = before.right - before.left, height = before.bottom - before.top;
    EXPECT_NEAR(before.left, GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2, 1);
    EXPECT_NEAR(before.top, GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2, 1);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, 105)));
    EXPECT_EQ(ListLines(dialog, 107), Lines{});

    InstallAndWait(true);
    EXPECT_EQ(ListLines(dialog, 107), AllOk());
    EXPECT_EQ(ItemText(dialog, 2), "Ok");
    RECT after;
    GetWindowRect(dialog, &after);
    EXPECT_EQ(after.bottom - after.top, height + 96);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, 105)));
    for (int id : {102, 108, 104})
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, id))) << id;

    EXPECT_EQ(ReadFileBytes(addon + "\\Qelvoadd.dll"),
              ReadFileBytes(BesideProgram("payload\\Qelvoadd.dll")));
    EXPECT_EQ(ReadFileBytes(addon + "\\QELVOADD.HLP"),
              ReadFileBytes(BesideProgram("payload\\QELVOADD.HLP")));
    EXPECT_EQ(ReadFileBytes(addon + "\\QELVOADD.CNT"),
              ReadFileBytes(BesideProgram("payload\\QELVOADD.CNT")));
    EXPECT_GT(ReadFileBytes(addon + "\\Qelvoadd.dll").size(), 1000u);

    DWORD type = 0;
    std::string bytes;
    ASSERT_TRUE(ReadRegistryValue("Enabled", type, bytes));
    EXPECT_EQ(type, DWORD(REG_SZ));
    EXPECT_EQ(bytes, std::string("Yes", 4));
    ASSERT_TRUE(ReadRegistryValue("Path", type, bytes));
    EXPECT_EQ(type, DWORD(REG_SZ));
    std::string path = ItemText(dialog, 108) + "\\Qelvoadd.dll";
    EXPECT_EQ(bytes, std::string(path.c_str(), path.size() + 1));

    // "Ok" closes at once: no question.
    Press(dialog, 2);
    ExpectEndsCleanly();
    EXPECT_FALSE(AnyMessageBox(process.id()));

    // The stand-in IDE finds the add-on through those values and loads the installed DLL.
    testing_support::MessageRecorder reports;
    host::StandInIde standIn;
    host::AddOnLoader loader(standIn);
    ASSERT_EQ(loader.Startup(), 1);
    ASSERT_EQ(loader.AddOns().size(), 1u);
    EXPECT_EQ(loader.AddOns()[0].key, "Qelvoadd");
    EXPECT_EQ(loader.AddOns()[0].path, path);
    char loaded[MAX_PATH] = "";
    GetModuleFileNameA(static_cast<HMODULE>(loader.AddOns()[0].module), loaded, MAX_PATH);
    EXPECT_TRUE(SameText(loaded, path)) << loaded;
    loader.Shutdown();
    EXPECT_TRUE(reports.messages.empty());
}

TEST_F(Installer, TheLogoIsPaintedAtFourFour) {
    Launch(ide);
    // The logo's background colour, as drawn at build time, fills its corners.
    const COLORREF logo = RGB(0x20, 0x40, 0xA0);
    auto pixel = [&](int x, int y) {
        POINT p = {x, y};
        ClientToScreen(dialog, &p);
        HDC screen = GetDC(nullptr);
        COLORREF c = GetPixel(screen, p.x, p.y);
        ReleaseDC(nullptr, screen);
        return c;
    };
    ASSERT_TRUE(WaitUntil([&] { return pixel(4, 4) == logo; }, 5000));
    EXPECT_EQ(pixel(4 + 122, 4), logo);
    EXPECT_EQ(pixel(4, 4 + 45), logo);
    EXPECT_EQ(pixel(4 + 122, 4 + 45), logo);
    EXPECT_NE(pixel(3, 3), logo);
    EXPECT_NE(pixel(4, 4 + 46), logo);
}

TEST_F(Installer, TheIdeRunningFailsStepTwoAndTheDialogReopensWithTheSameDirectories) {
    Launch(ide);
    std::string chosen = temp.File("BC5\\ADDON");
    SetItemText(dialog, 108, chosen);
    {
        TestWindow frame("CPPFRAME", "Borland C++");
        ASSERT_NE(frame.get(), nullptr);
        Press(dialog, 104);
        ExpectStopBox("You must close Borland C++ before installation");
        ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(GetDlgItem(dialog, 2)) != 0; }));
        EXPECT_EQ(ItemText(dialog, 2), "Reset");
        EXPECT_EQ(ListLines(dialog, 107), (Lines{"1/8\tVerify BC5 directory\tOk",
                                                 "2/8\tVerify opened applications\tError"}));
    }
    // Closing after a failure shows the dialog again, as it was before "Install".
    HWND first = dialog;
    Press(dialog, 2);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(first); }));
    dialog = WaitDialog(process.id(), 10000, first);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(AnyMessageBox(process.id())) << "closing after the run asks nothing";
    EXPECT_TRUE(SameText(ItemText(dialog, 102), ide));
    EXPECT_EQ(ItemText(dialog, 108), chosen);
    EXPECT_EQ(ItemText(dialog, 2), "Cancel");
    EXPECT_EQ(ListLines(dialog, 107), Lines{});
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, 105)));

    // The IDE's add-on registry editor stops it too.
    {
        TestWindow editor("QelvoTestAddOnReg", "Borland C++ IDE AddOn Registry Editor");
        Press(dialog, 104);
        ExpectStopBox("You must close AddOnReg before installation");
        ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(GetDlgItem(dialog, 2)) != 0; }));
        EXPECT_EQ(ListLines(dialog, 107).back(), "2/8\tVerify opened applications\tError");
    }
    first = dialog;
    Press(dialog, 2);
    dialog = WaitDialog(process.id(), 10000, first);
    ASSERT_NE(dialog, nullptr);

    // With both closed, the same directories install.
    InstallAndWait(true);
    EXPECT_EQ(ListLines(dialog, 107), AllOk());
    EXPECT_EQ(ReadFileBytes(chosen + "\\QELVOADD.CNT"),
              ReadFileBytes(BesideProgram("payload\\QELVOADD.CNT")));
    DWORD type = 0;
    std::string bytes;
    ASSERT_TRUE(ReadRegistryValue("Path", type, bytes));
    EXPECT_STREQ(bytes.c_str(), (chosen + "\\Qelvoadd.dll").c_str());
    Press(dialog, 2);
    ExpectEndsCleanly();
}

TEST_F(Installer, EditingTheIdeDirectoryDerivesTheAddonDirectory) {
    Launch(ide);
    SetItemText(dialog, 102, "C:\\BC5\\BIN\\");
    EXPECT_EQ(ItemText(dialog, 108), "C:\\BC5\\BIN\\QELVO");
    SetItemText(dialog, 102, "BIN");
    EXPECT_EQ(ItemText(dialog, 108), "QELVO");
    SetItemText(dialog, 108, "D:\\MINE");
    SetItemText(dialog, 102, "C:\\BC5\\BIN");
    EXPECT_EQ(ItemText(dialog, 108), "C:\\BC5\\QELVO") << "a typed add-on directory is replaced";

    // "Cancel" before "Install" asks; No keeps the dialog, Yes closes it.
    Press(dialog, 2);
    MessageBoxSeen box = WaitMessageBox(process.id());
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text, "Confirm exit Qelvo AddOn installation ?");
    EXPECT_EQ(box.title, kTitle);
    EXPECT_EQ(box.owner, dialog);
    EXPECT_TRUE(GetDlgItem(box.window, IDYES) && GetDlgItem(box.window, IDNO));
    Press(box.window, IDNO);
    ASSERT_TRUE(WaitUntil([&] { return !AnyMessageBox(process.id()); }));
    EXPECT_TRUE(process.Running());
    EXPECT_TRUE(IsWindow(dialog));

    Press(dialog, 2);
    box = WaitMessageBox(process.id());
    ASSERT_NE(box.window, nullptr);
    Press(box.window, IDYES);
    ExpectEndsCleanly();
    DWORD type;
    std::string bytes;
    EXPECT_FALSE(ReadRegistryValue("Enabled", type, bytes)) << "nothing installed";
}

TEST_F(Installer, AnOlderIdeFailsTheVersionStep) {
    std::string old = temp.File("OLD");
    CreateDirectoryA(old.c_str(), nullptr);
    old += "\\BIN";
    MakeIde(old, "BCWRES501.DLL");
    Launch(old);
    Press(dialog, 104);
    ExpectStopBox("You must use 5.02 version of Borland C++ !");
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(GetDlgItem(dialog, 2)) != 0; }));
    EXPECT_EQ(ItemText(dialog, 2), "Reset");
    EXPECT_EQ(ListLines(dialog, 107),
              (Lines{"1/8\tVerify BC5 directory\tOk", "2/8\tVerify opened applications\tOk",
                     "3/8\tVerify BC version 5.02\tError"}));

    // Without BCWRES.DLL at all: the first message names the file.
    HWND first = dialog;
    Press(dialog, 2);
    dialog = WaitDialog(process.id(), 10000, first);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(DeleteFileA((old + "\\BCWRES.DLL").c_str()));
    Press(dialog, 104);
    ExpectStopBox("This is not BCW.EXE 5.02 directory !\nMaybe an older version 1...\n(" +
                  ItemText(dialog, 102) + "\\BCWRES.DLL)");
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(GetDlgItem(dialog, 2)) != 0; }));

    // And a directory without BCW.EXE fails the first step.
    first = dialog;
    Press(dialog, 2);
    dialog = WaitDialog(process.id(), 10000, first);
    ASSERT_NE(dialog, nullptr);
    SetItemText(dialog, 102, temp.path());
    Press(dialog, 104);
    ExpectStopBox("Cannot identify Borland C++ directory\n(BCW.EXE file does not exist).");
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(GetDlgItem(dialog, 2)) != 0; }));
    EXPECT_EQ(ListLines(dialog, 107), Lines{"1/8\tVerify BC5 directory\tError"});
    DWORD type;
    std::string bytes;
    EXPECT_FALSE(ReadRegistryValue("Enabled", type, bytes));
}

// A copy of setup.exe with one byte of its contents-file resource changed.
TEST_F(Installer, ACorruptedPayloadIsRefusedBeforeAnyDialog) {
    std::string program = ReadFileBytes(BesideProgram("setup.exe"));
    std::string cnt = ReadFileBytes(BesideProgram("payload\\QELVOADD.CNT"));
    size_t at = program.find(cnt);
    ASSERT_NE(at, std::string::npos) << "the contents file is stored as it is";
    EXPECT_EQ(program.find(cnt, at + 1), std::string::npos);
    program[at + cnt.size() / 2] ^= 0x01;
    std::string corrupted = temp.File("setup.exe");
    ASSERT_TRUE(WriteFileBytes(corrupted, program));

    ASSERT_TRUE(process.Start(corrupted, ide));
    MessageBoxSeen box = WaitMessageBox(process.id());
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text, "Setup program is corrupted !\nPlease get a correct version !");
    EXPECT_EQ(box.title, kTitle);
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(WaitDialog(process.id(), 200), nullptr);
    Press(box.window, IDOK);
    DWORD code = 0;
    EXPECT_TRUE(process.WaitExit(10000, &code));
    EXPECT_NE(code, 0u);
    EXPECT_EQ(GetFileAttributesA(addon.c_str()), INVALID_FILE_ATTRIBUTES) << "nothing was made";
}

} // namespace
} // namespace setup_test
} // namespace qelvo
