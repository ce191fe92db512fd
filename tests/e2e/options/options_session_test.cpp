// The add-on's options chapter in the stand-in IDE's options dialog, with the real add-on loaded
// from the registry: the chapter's tree, each page's controls, hints, refusals and follow-up
// actions, and the values surviving OK, a restart of the IDE and a reopened project.
#include "../addon_session.h"
#include "host_test_support.h"
#include "options_driver.h"
#include "screenshot.h"
#include "temp_dir.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace qelvo {
namespace automation {
namespace {

using testing_support::TempDir;
using Lines = std::vector<std::string>;

class OptionsSession : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(testing_support::CopyTree(testing_support::SampleDirectory(), project));
        SetCurrentDirectoryA(project.c_str());
    }
    // Plays the script's steps in the session; the test fails with the transcript otherwise.
    void Play(StandInSession& session, const std::string& script) {
        ScriptResult result =
            PlayScript(session, script, "test", dir.path(), EngineOptions(), 20000);
        EXPECT_TRUE(result.passed) << Text(result.transcript);
    }

    RegisteredAddon installed{QELVO_ADDON_DLL};
    TempDir dir;
    std::string project = dir.File("APP");
};

TEST_F(OptionsSession, TheChapterShowsItsPagesUnderTheFrontPage) {
    StandInSession session;
    ASSERT_TRUE(session.Start());
    Lines titles;
    std::string system, description;
    ASSERT_TRUE(InOptionsDialog(session, [&](HWND dialog) {
        titles = TreeTitles(dialog);
        HWND page = ShowPage(dialog, "Qelvo AddOn for Borland C++");
        system = ItemText(page, 1017);
        description = Description(dialog);
        Press(dialog, IDOK);
    }));
    EXPECT_EQ(titles,
              (Lines{"Qelvo AddOn for Borland C++", "  General options", "  Editor menu",
                     "  Top screen bar", "  Keyword completion", "  Project delivery", "  Mail",
                     "  Task management", "  Groupware", "  HTML generation", "  Qelvo Windows"}));
    EXPECT_EQ(description, "Set general Qelvo AddOn options");
    EXPECT_EQ(system.rfind("Windows NT ", 0), 0u) << system;
    // By dialog: dialog 102 + n is the page at position n; none after the last.
    ASSERT_EQ(session.ide.OptionsDialog().ChapterCount(), 1u);
    ide::IMpdChapter* chapter = session.ide.OptionsDialog().Chapter(0);
    Lines byDialog;
    for (int32_t id = 102; id <= 112; ++id) {
        ide::IMpdPage* page = chapter->GetPageById(id);
        ASSERT_NE(page, nullptr) << id;
        ide::HostString* title = page->GetTitle();
        byDialog.push_back((page->GetDialogId() == id ? "" : "? ") + std::string(title->GetText()));
        title->Release();
        page->Release();
    }
    EXPECT_EQ(chapter->GetPageById(113), nullptr);
    EXPECT_EQ(byDialog,
              (Lines{"Qelvo AddOn for Borland C++", "General options", "Editor menu",
                     "Top screen bar", "Keyword completion", "Project delivery", "Mail",
                     "Task management", "Groupware", "HTML generation", "Qelvo Windows"}));
    EXPECT_TRUE(session.Close());
}

TEST_F(OptionsSession, EachPageShowsItsDescriptionAndItsControlsHints) {
    StandInSession session;
    ASSERT_TRUE(session.Start());
    Lines seen;
    ASSERT_TRUE(InOptionsDialog(session, [&](HWND dialog) {
        const struct {
            const char* title;
            int control; // focused for its hint
        } pages[] = {{"General options", 1018}, {"Editor menu", 1022},
                     {"Top screen bar", 1026},  {"Keyword completion", 1099},
                     {"Project delivery", 0},   {"Mail", 1010},
                     {"Task management", 1010}, {"Groupware", 1011},
                     {"HTML generation", 1014}, {"Qelvo Windows", 1011}};
        for (const auto& p : pages) {
            HWND page = ShowPage(dialog, p.title);
            seen.push_back(Description(dialog));
            if (!p.control) continue;
            SetFocus(GetDlgItem(page, p.control));
            seen.push_back(Description(dialog));
        }
        // The task page's other buttons report clicks only: their focus leaves the line alone.
        HWND page = ShowPage(dialog, "Task management");
        SetFocus(GetDlgItem(page, 1010));
        SetFocus(GetDlgItem(page, 1013));
        seen.push_back(Description(dialog));
        Press(dialog, IDCANCEL);
    }));
    EXPECT_EQ(seen, (Lines{"Set general options",
                           "Allow only one instance of Borland C++",
                           "Set Top Editor Menu options",
                           "Set shortkey for \"Find as function\"",
                           "Set top screen bar options",
                           "Set size of one column in the top bar menu",
                           "Set keyword completion options",
                           "Choose a new key code",
                           "Set project delivery options",
                           "set mail options",
                           "Prompt mail dialog before sending mail",
                           "set task management options",
                           "Mail ended public tasks to other users",
                           "Set groupware options",
                           "Set server directory for the current project",
                           "Set HTML generation options",
                           "Set file filters",
                           "Set Qelvo Windows options",
                           "Enable/Disable version file generation",
                           "Mail ended public tasks to other users"}));
    EXPECT_TRUE(session.Close());
}

TEST_F(OptionsSession, TheAutoSaveDelayIsOneToSixtyMinutes) {
    StandInSession session;
    ASSERT_TRUE(session.Start());
    BoxAnswerer boxes({{"Qelvo Addon error", IDOK}});
    std::vector<bool> closedAfter;
    std::string hint;
    ASSERT_TRUE(InOptionsDialog(session, [&](HWND dialog) {
        HWND page = ShowPage(dialog, "General options");
        Type(page, 1016, "5");
        hint = Description(dialog);
        for (const char* minutes : {"0", "", "x", "61", "60"}) {
            Type(page, 1016, minutes);
            closedAfter.push_back(Press(dialog, IDOK));
        }
    }));
    EXPECT_EQ(hint, "Set time counter for auto save");
    EXPECT_EQ(closedAfter, (std::vector<bool>{false, false, false, false, true}));
    EXPECT_EQ(boxes.texts, Lines(4, "Qelvo Addon error: Timer size must be between 0 and 60 min."));
    std::string shown;
    ASSERT_TRUE(InOptionsDialog(session, [&](HWND dialog) {
        shown = ItemText(ShowPage(dialog, "General options"), 1016);
        Press(dialog, IDCANCEL);
    }));
    EXPECT_EQ(shown, "60");
    EXPECT_TRUE(session.Close());
}

TEST_F(OptionsSession, TheEditorMenuSizeIsTenToNinetyNine) {
    StandInSession session;
    ASSERT_TRUE(session.Start());
    BoxAnswerer boxes({{"Qelvo Addon error", IDOK}});
    std::vector<bool> closedAfter;
    Lines shown;
    for (const Lines& tries : {Lines{"9", "100", "10"}, Lines{"99"}, Lines{}}) {
        ASSERT_TRUE(InOptionsDialog(session, [&](HWND dialog) {
            HWND page = ShowPage(dialog, "Editor menu");
            shown.push_back(ItemText(page, 1013));
            for (const std::string& size : tries) {
                Type(page, 1013, size);
                closedAfter.push_back(Press(dialog, IDOK));
            }
            if (tries.empty()) Press(dialog, IDCANCEL);
        }));
    }
    EXPECT_EQ(closedAfter, (std::vector<bool>{false, false, true, true}));
    EXPECT_EQ(shown[1], "10");
    EXPECT_EQ(shown[2], "99");
    EXPECT_EQ(boxes.texts, Lines(2, "Qelvo Addon error: Menu size must be between 10 and 99."));
    EXPECT_TRUE(session.Close());
}

// That part of the screen as it is now.
host::Screenshot Crop(const RECT& r) {
    host::Screenshot screen, part;
    if (!host::CaptureScreen(screen)) return part;
    part.width = r.right - r.left;
    part.height = r.bottom - r.top;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const uint32_t p = screen.Pixel(x, y);
            part.rgb.insert(part.rgb.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)});
        }
    return part;
}

// The caption of the editor as it is on the screen.
host::Screenshot Caption(HWND editor) {
    RECT r;
    GetWindowRect(editor, &r);
    r.bottom = r.top + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
    return Crop(r);
}

size_t Differing(const host::Screenshot& a, const host::Screenshot& b) {
    size_t n = 0;
    for (size_t i = 0; i < a.rgb.size() && i < b.rgb.size(); i += 3)
        n += a.rgb[i] != b.rgb[i] || a.rgb[i + 1] != b.rgb[i + 1] || a.rgb[i + 2] != b.rgb[i + 2];
    return n;
}

TEST_F(OptionsSession, UncheckingTheEditorMenuRepaintsTheCaptionsWithoutButtons) {
    StandInSession session;
    ASSERT_TRUE(session.Start());
    Play(session, "project APP.IDE\nopen src\\main.cpp\n");
    HWND editor = FindWindowExA(session.frame.MdiClient(), nullptr, "BCW5Editor", nullptr);
    ASSERT_NE(editor, nullptr);
    auto settle = [&] {
        PumpUntil(
            session.frame.MdiClient(), [] { return false; }, 300);
    };
    settle();
    const host::Screenshot withButtons = Caption(editor);
    auto setEnabled = [&](bool on) {
        return InOptionsDialog(session, [&](HWND dialog) {
            HWND page = ShowPage(dialog, "Editor menu");
            if (Checked(page, 1010) != on) Click(page, 1010);
            Press(dialog, IDOK);
        });
    };
    ASSERT_TRUE(setEnabled(false));
    settle();
    const host::Screenshot without = Caption(editor);
    ASSERT_TRUE(setEnabled(true));
    settle();
    const host::Screenshot again = Caption(editor);
    ASSERT_EQ(withButtons.rgb.size(), without.rgb.size());
    // The three buttons are 16 pixels or so each: hundreds of pixels go and come back.
    EXPECT_GT(Differing(withButtons, without), 300u);
    EXPECT_EQ(Differing(withButtons, again), 0u);
    EXPECT_TRUE(session.Close());
}

TEST_F(OptionsSession, TheTopBarKeepsNegativeMarginsAndRefusesValuesThatBreakIt) {
    StandInSession session;
    ASSERT_TRUE(session.Start());
    BoxAnswerer boxes({{"Qelvo Addon error", IDOK}});
    bool closedWithBadValues = true, closed = false;
    ASSERT_TRUE(InOptionsDialog(session, [&](HWND dialog) {
        HWND page = ShowPage(dialog, "Top screen bar");
        Type(page, 1011, "-3000");
        Type(page, 1027, "2");
        Type(page, 1018, "200");
        closedWithBadValues = Press(dialog, IDOK);
        Type(page, 1011, "-1");
        Type(page, 1012, "-7");
        Type(page, 1027, "3");
        Type(page, 1018, "199");
        closed = Press(dialog, IDOK);
    }));
    EXPECT_FALSE(closedWithBadValues);
    EXPECT_TRUE(closed);
    EXPECT_EQ(boxes.texts, Lines{"Qelvo Addon error: Left margin must be between -2048 and 2048.\n"
                                 "Maximum number of .IDE must be between 3 and 50.\n"
                                 "Maximum number of .h must be between 1 and 199."});
    Lines shown;
    ASSERT_TRUE(InOptionsDialog(session, [&](HWND dialog) {
        HWND page = ShowPage(dialog, "Top screen bar");
        for (int id : {1011, 1012, 1027, 1018})
            shown.push_back(ItemText(page, id));
        Press(dialog, IDCANCEL);
    }));
    EXPECT_EQ(shown, (Lines{"-1", "-7", "3", "199"}));
    EXPECT_TRUE(session.Close());
}

TEST_F(OptionsSession, RemovingTheLastKeywordFileLeavesNoCompletion) {
    SetValue(std::string(kAddonKey) + "\\Completion", "NbFiles", "1");
    SetValue(std::string(kAddonKey) + "\\Completion\\Files", "Entry0",
             QELVO_SAMPLES_DIR "\\win32.kwd");
    StandInSession session;
    ASSERT_TRUE(session.Start());
    Play(session, "project APP.IDE\nopen src\\main.cpp\nkey Ctrl+End\ntype \"// Mess\"\nkey quote\n"
                  "expect-status \"Possible :MessageBeep, MessageBox\"\n");
    BoxAnswerer boxes({{"Warning", IDYES}});
    Lines files, left;
    ASSERT_TRUE(InOptionsDialog(session, [&](HWND dialog) {
        HWND page = ShowPage(dialog, "Keyword completion");
        files = ListLines(page, 1011);
        Click(page, 1016);
        left = ListLines(page, 1011);
        Press(dialog, IDOK);
    }));
    EXPECT_EQ(files, Lines{QELVO_SAMPLES_DIR "\\win32.kwd"});
    EXPECT_EQ(boxes.texts, Lines{"Warning: Ok to remove this file ?"});
    EXPECT_TRUE(left.empty());
    Play(session, "open src\\main.cpp\nkey Ctrl+End\ntype \" Bee\"\nkey quote\n"
                  "expect-status \"No available completion\"\nmenu File/Save\n");
    EXPECT_TRUE(session.Close());
}

// Chooses a file in the next open-file dialog of that title, from a thread timer that runs in
// the dialog's modal loop.
struct FileChoice {
    std::string title, path;
    int answered = 0;
};
FileChoice* fileChoice = nullptr;
void CALLBACK ChooseFile(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = FindWindowA("#32770", fileChoice->title.c_str());
    if (!dialog) return;
    KillTimer(nullptr, id);
    SetDlgItemTextA(dialog, 1148, fileChoice->path.c_str()); // the file name's combo box
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    ++fileChoice->answered;
}

TEST_F(OptionsSession, AnExtractedKeywordFileIsListedAtTheSelectedLineAndCompletes) {
    SetValue(std::string(kAddonKey) + "\\Completion", "NbFiles", "1");
    SetValue(std::string(kAddonKey) + "\\Completion\\Files", "Entry0",
             QELVO_SAMPLES_DIR "\\win32.kwd");
    dir.Write("APP\\notes.kwd", "alpha\n");
    StandInSession session;
    ASSERT_TRUE(session.Start());
    BoxAnswerer boxes({{"Warning", IDOK}});
    FileChoice source{"Open a source file...", project + "\\src\\main.cpp"};
    FileChoice itself{"Open a source file...", project + "\\notes.kwd"};
    Lines files;
    ASSERT_TRUE(InOptionsDialog(session, [&](HWND dialog) {
        HWND page = ShowPage(dialog, "Keyword completion");
        fileChoice = &itself; // a keyword file would be written over its source: refused
        SetTimer(nullptr, 0, 50, ChooseFile);
        Click(page, 1017);
        fileChoice = &source;
        SetTimer(nullptr, 0, 50, ChooseFile);
        Click(page, 1017);
        files = ListLines(page, 1011);
        Press(dialog, IDOK);
    }));
    fileChoice = nullptr;
    EXPECT_EQ(itself.answered, 1);
    EXPECT_EQ(source.answered, 1);
    EXPECT_EQ(boxes.texts, Lines{"Warning: Impossible to extract keywords"});
    EXPECT_EQ(files, (Lines{project + "\\src\\main.kwd", QELVO_SAMPLES_DIR "\\win32.kwd"}));
    Play(session, "project APP.IDE\nopen src\\main.cpp\nkey Ctrl+End\ntype \"// DrawA\"\n"
                  "key quote\nmenu File/Save\n"
                  "expect-file src\\main.cpp \"// DrawAll\"\n");
    EXPECT_TRUE(session.Close());
}

TEST_F(OptionsSession, DeliveryAndMailPagesAreDisabledWithoutAProject) {
    StandInSession session;
    ASSERT_TRUE(session.Start());
    std::vector<bool> enabled;
    Lines lines;
    ASSERT_TRUE(InOptionsDialog(session, [&](HWND dialog) {
        HWND page = ShowPage(dialog, "Project delivery");
        for (int id = 1010; id <= 1012; ++id)
            enabled.push_back(Enabled(page, id));
        lines = ListLines(page, 1011);
        page = ShowPage(dialog, "Mail");
        for (int id = 1011; id <= 1016; ++id)
            enabled.push_back(Enabled(page, id));
        for (const std::string& line : ListLines(page, 1011))
            lines.push_back(line);
        enabled.push_back(Enabled(page, 1010)); // the prompt switch is not the project's
        Press(dialog, IDOK);
    }));
    EXPECT_EQ(enabled, (std::vector<bool>{false, false, false, false, false, false, false, false,
                                          false, true}));
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(session.Close());
}

TEST_F(OptionsSession, TwoDeliveryLinesAreEditedApart) {
    StandInSession session;
    ASSERT_TRUE(session.Start());
    Play(session, "project APP.IDE\n");
    Lines before, after;
    std::string shownForSecond;
    ASSERT_TRUE(InOptionsDialog(session, [&](HWND dialog) {
        HWND page = ShowPage(dialog, "Project delivery");
        before = ListLines(page, 1011);
        Type(page, 1012, "C:\\REL\\BIN");
        SelectLine(page, 1011, 1);
        shownForSecond = ItemText(page, 1012);
        Type(page, 1012, "C:\\REL\\HELP");
        after = ListLines(page, 1011);
        Press(dialog, IDOK);
    }));
    EXPECT_EQ(before, (Lines{".exe:", ".hlp:"}));
    EXPECT_EQ(shownForSecond, "");
    EXPECT_EQ(after, (Lines{".exe:C:\\REL\\BIN", ".hlp:C:\\REL\\HELP"}));
    Lines reopened;
    ASSERT_TRUE(InOptionsDialog(session, [&](HWND dialog) {
        HWND page = ShowPage(dialog, "Project delivery");
        reopened = ListLines(page, 1011);
        SelectLine(page, 1011, 1);
        shownForSecond = ItemText(page, 1012);
        Press(dialog, IDCANCEL);
    }));
    EXPECT_EQ(reopened, after);
    EXPECT_EQ(shownForSecond, "C:\\REL\\HELP");
    EXPECT_TRUE(session.Close());
}

TEST_F(OptionsSession, TheMailListIsCopiedFromOneProjectAndPastedInAnother) {
    const std::string second = dir.File("TWO");
    ASSERT_TRUE(testing_support::CopyTree(testing_support::SampleDirectory(), second));
    StandInSession session;
    ASSERT_TRUE(session.Start());
    Play(session, "project APP.IDE\n");
    bool pasteBefore = true, pasteAfter = false;
    Lines first;
    ASSERT_TRUE(InOptionsDialog(session, [&](HWND dialog) {
        HWND page = ShowPage(dialog, "Mail");
        pasteBefore = Enabled(page, 1016);
        Click(page, 1013);
        Type(page, 1012, "ann@example.com");
        Click(page, 1013);
        Type(page, 1012, "bob@example.com");
        Click(page, 1015);
        pasteAfter = Enabled(page, 1016);
        first = ListLines(page, 1011);
        Press(dialog, IDOK);
    }));
    EXPECT_FALSE(pasteBefore);
    EXPECT_TRUE(pasteAfter);
    EXPECT_EQ(first, (Lines{"ann@example.com", "bob@example.com"}));
    Play(session, "project \"" + second + "\\APP.IDE\"\n");
    Lines pasted;
    int selected = -1;
    std::string edit;
    ASSERT_TRUE(InOptionsDialog(session, [&](HWND dialog) {
        HWND page = ShowPage(dialog, "Mail");
        Click(page, 1013);
        Type(page, 1012, "zoe@example.com");
        Click(page, 1013);
        Type(page, 1012, "yan@example.com");
        SelectLine(page, 1011, 0);
        Click(page, 1016);
        pasted = ListLines(page, 1011);
        selected = Selected(page, 1011);
        edit = ItemText(page, 1012);
        Press(dialog, IDOK);
    }));
    EXPECT_EQ(pasted,
              (Lines{"zoe@example.com", "ann@example.com", "bob@example.com", "yan@example.com"}));
    EXPECT_EQ(selected, 2);
    EXPECT_EQ(edit, "bob@example.com");
    EXPECT_TRUE(session.Close());
}

void SetCheck(HWND page, int id, bool on) {
    if (Checked(page, id) != on) Click(page, id);
}

// What the test reads back from the pages, page by page.
Lines ReadAll(HWND dialog) {
    Lines values;
    HWND page = ShowPage(dialog, "General options");
    values.push_back(std::to_string(Checked(page, 1010)) + std::to_string(Checked(page, 1018)) +
                     " " + ItemText(page, 1016));
    page = ShowPage(dialog, "Editor menu");
    values.push_back(ItemText(page, 1014) + " " + ItemText(page, 1015) + " " +
                     std::to_string(Checked(page, 1019)) + ItemText(page, 1013));
    page = ShowPage(dialog, "Top screen bar");
    values.push_back(ItemText(page, 1011) + " " + ItemText(page, 1012) + " " +
                     std::to_string(Checked(page, 1015)) + std::to_string(Checked(page, 1025)));
    page = ShowPage(dialog, "Keyword completion");
    values.push_back(std::to_string(Checked(page, 1010)));
    page = ShowPage(dialog, "Project delivery");
    for (const std::string& line : ListLines(page, 1011))
        values.push_back(line);
    values.push_back(std::to_string(Checked(page, 1010)));
    page = ShowPage(dialog, "Mail");
    for (const std::string& line : ListLines(page, 1011))
        values.push_back(line);
    values.push_back(std::to_string(Checked(page, 1010)));
    page = ShowPage(dialog, "Task management");
    std::string checks;
    for (int id : {1018, 1013, 1014, 1015, 1016, 1017, 1010, 1011, 1012})
        checks += std::to_string(Checked(page, id));
    values.push_back(ItemText(page, 1019) + " " + checks);
    page = ShowPage(dialog, "Groupware");
    values.push_back(std::to_string(Checked(page, 1010)) + std::to_string(Checked(page, 1012)) +
                     std::to_string(Checked(page, 1013)) + " " + ItemText(page, 1011) + " " +
                     ItemText(page, 1014));
    page = ShowPage(dialog, "HTML generation");
    values.push_back(std::to_string(Checked(page, 1010)) + std::to_string(Checked(page, 1012)) +
                     " " + ItemText(page, 1014));
    page = ShowPage(dialog, "Qelvo Windows");
    values.push_back(std::to_string(Checked(page, 1010)) + std::to_string(Checked(page, 1011)));
    return values;
}

TEST_F(OptionsSession, EveryPagesValuesSurviveOkARestartAndTheReopenedProject) {
    // The task types: the trailing ';' ends the list; the empty middle type stays.
    const Lines expected = {
        "01 17",
        "*.cpp;*.cxx *.hpp 033",
        "-1 -4 11",
        "0",
        ".exe:C:\\OUT",
        ".hlp:",
        "0",
        "team@example.com",
        "1",
        "Design;;Bug 001011110",
        "010 C:\\SERVER *.cpp;*.h",
        "11 *.h",
        "01",
    };
    Lines afterOk, afterRestart;
    {
        StandInSession session;
        ASSERT_TRUE(session.Start());
        Play(session, "project APP.IDE\n");
        ASSERT_TRUE(InOptionsDialog(session, [&](HWND dialog) {
            HWND page = ShowPage(dialog, "General options");
            SetCheck(page, 1010, false);
            SetCheck(page, 1018, true);
            Type(page, 1016, "17");
            page = ShowPage(dialog, "Editor menu");
            Type(page, 1014, "*.cpp;*.cxx");
            Type(page, 1015, "*.hpp");
            Click(page, 1020);
            Type(page, 1013, "33");
            page = ShowPage(dialog, "Top screen bar");
            Type(page, 1011, "-1");
            Type(page, 1012, "-4");
            Click(page, 1015);
            SetCheck(page, 1025, true);
            page = ShowPage(dialog, "Keyword completion");
            SetCheck(page, 1010, false);
            page = ShowPage(dialog, "Project delivery");
            Type(page, 1012, "C:\\OUT");
            SetCheck(page, 1010, false);
            page = ShowPage(dialog, "Mail");
            Click(page, 1013);
            Type(page, 1012, "team@example.com");
            SetCheck(page, 1010, true);
            page = ShowPage(dialog, "Task management");
            SetCheck(page, 1018, false);
            Type(page, 1019, "Design;;Bug;");
            SetCheck(page, 1013, false);
            SetCheck(page, 1015, false);
            SetCheck(page, 1017, true);
            Click(page, 1011);
            page = ShowPage(dialog, "Groupware");
            SetCheck(page, 1010, false);
            Type(page, 1011, "C:\\SERVER");
            SetCheck(page, 1012, true);
            SetCheck(page, 1013, false);
            Type(page, 1014, "*.cpp;*.h");
            page = ShowPage(dialog, "HTML generation");
            SetCheck(page, 1010, true);
            SetCheck(page, 1012, true);
            Type(page, 1014, "*.h");
            page = ShowPage(dialog, "Qelvo Windows");
            SetCheck(page, 1010, false);
            SetCheck(page, 1011, true);
            Press(dialog, IDOK);
        }));
        ASSERT_TRUE(InOptionsDialog(session, [&](HWND dialog) {
            afterOk = ReadAll(dialog);
            Press(dialog, IDCANCEL);
        }));
        EXPECT_TRUE(session.Close());
    }
    EXPECT_EQ(afterOk, expected);
    {
        StandInSession session;
        ASSERT_TRUE(session.Start());
        Play(session, "project APP.IDE\n");
        ASSERT_TRUE(InOptionsDialog(session, [&](HWND dialog) {
            afterRestart = ReadAll(dialog);
            Press(dialog, IDCANCEL);
        }));
        EXPECT_TRUE(session.Close());
    }
    EXPECT_EQ(afterRestart, expected);
}

TEST_F(OptionsSession, TheBarAndTheDeliveryToolFollowTheirSwitchesAtOnce) {
    StandInSession session;
    ASSERT_TRUE(session.Start());
    Play(session, "project APP.IDE\n");
    HWND bar = FindWindowA("QADO", nullptr);
    ASSERT_NE(bar, nullptr);
    auto onPages = [&](const std::function<void(HWND)>& change) {
        return InOptionsDialog(session, [&](HWND dialog) {
            change(dialog);
            Press(dialog, IDOK);
        });
    };
    auto topmost = [&] { return (GetWindowLongA(bar, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    const size_t toolsBefore = session.ide.Tools().ToolMenu().size();
    ASSERT_TRUE(onPages([](HWND dialog) {
        HWND page = ShowPage(dialog, "Top screen bar");
        Type(page, 1011, "-1");
        SetCheck(page, 1023, true);
        SetCheck(page, 1010, false);
        SetCheck(ShowPage(dialog, "Project delivery"), 1010, false);
    }));
    RECT placed;
    GetWindowRect(bar, &placed);
    EXPECT_EQ(placed.left, -1);
    EXPECT_TRUE(topmost());
    EXPECT_FALSE(IsWindowVisible(bar));
    EXPECT_EQ(session.ide.Tools().ToolMenu().size(), toolsBefore - 1);
    ASSERT_TRUE(onPages([](HWND dialog) {
        HWND page = ShowPage(dialog, "Top screen bar");
        SetCheck(page, 1023, false);
        SetCheck(page, 1010, true);
        SetCheck(ShowPage(dialog, "Project delivery"), 1010, true);
    }));
    // Off again, the bar is topmost only while the frame is active, which it is again here.
    EXPECT_TRUE(IsWindowVisible(bar));
    EXPECT_EQ(session.ide.Tools().ToolMenu().size(), toolsBefore);
    EXPECT_TRUE(session.Close());
}

TEST_F(OptionsSession, TheBarsGroupwareMenuFollowsItsSwitchAtOnce) {
    StandInSession session;
    ASSERT_TRUE(session.Start());
    Play(session, "project APP.IDE\n");
    for (bool on : {false, true}) {
        ASSERT_TRUE(InOptionsDialog(session, [&](HWND dialog) {
            SetCheck(ShowPage(dialog, "Groupware"), 1010, on);
            Press(dialog, IDOK);
        }));
        Play(session, std::string("bar Qelvo\nexpect-menu \"run APP.EXE\" \"run CONVERT.EXE\" - "
                                  "\"Last Includes\" - Tasks ") +
                          (on ? "Groupware " : "") +
                          "HTML - Options... Help...\nkey Escape\nkey Escape\n");
    }
    EXPECT_TRUE(session.Close());
}

// The help viewer's window: WinHelpA hands it each request (command, data) as WM_COPYDATA.
std::vector<std::pair<unsigned, long>> helpRequests;
LRESULT CALLBACK HelpViewer(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COPYDATA) return DefWindowProcA(window, message, wParam, lParam);
    struct Header {
        WORD size, command;
        LONG data, reserved;
        WORD ofsFilename, ofsData;
    };
    const COPYDATASTRUCT* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (copy && copy->cbData >= sizeof(Header)) {
        const Header* h = static_cast<const Header*>(copy->lpData);
        helpRequests.push_back({h->command, h->data});
    }
    return 1;
}

TEST_F(OptionsSession, HelpOpensEachPagesTopic) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = HelpViewer;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "MS_WINHELP";
    ASSERT_TRUE(RegisterClassA(&wc));
    HWND viewer = CreateWindowA("MS_WINHELP", "Help", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                wc.hInstance, nullptr);
    helpRequests.clear();
    {
        StandInSession session;
        ASSERT_TRUE(session.Start());
        ASSERT_TRUE(InOptionsDialog(session, [&](HWND dialog) {
            for (const char* title :
                 {"Qelvo AddOn for Borland C++", "General options", "Editor menu", "Top screen bar",
                  "Keyword completion", "Project delivery", "Mail", "Task management", "Groupware",
                  "HTML generation", "Qelvo Windows"}) {
                ShowPage(dialog, title);
                Press(dialog, IDHELP);
            }
            // F1 in a page's control asks the dialog for the shown page's help.
            HWND page = ShowPage(dialog, "Keyword completion");
            HELPINFO info = {sizeof info, HELPINFO_WINDOW, 1010, GetDlgItem(page, 1010), 0, {0, 0}};
            SendMessageA(page, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
            Press(dialog, IDCANCEL);
        }));
        EXPECT_TRUE(session.Close());
    }
    DestroyWindow(viewer);
    UnregisterClassA("MS_WINHELP", wc.hInstance);
    std::vector<long> contexts;
    for (const auto& r : helpRequests)
        if (r.first == 1) contexts.push_back(r.second); // HELP_CONTEXT
    EXPECT_EQ(contexts, (std::vector<long>{8, 9, 10, 12, 16, 19, 8, 8, 8, 8, 8, 16}));
}

// A page-by-page picture of the chapter in the options dialog.
TEST_F(OptionsSession, ScreenshotsOfEveryPage) {
    CreateDirectoryA(QELVO_SHOTS_DIR, nullptr);
    StandInSession session;
    ASSERT_TRUE(session.Start());
    Play(session, "project APP.IDE\n");
    int written = 0;
    ASSERT_TRUE(InOptionsDialog(session, [&](HWND dialog) {
        // The modal loop shows the dialog once it is idle; the pictures are taken before.
        ShowWindow(dialog, SW_SHOWNORMAL);
        const Lines titles = TreeTitles(dialog);
        for (size_t i = 0; i < titles.size(); ++i) {
            std::string title = titles[i].substr(titles[i].find_first_not_of(' '));
            ShowPage(dialog, title);
            RedrawWindow(dialog, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            MSG msg;
            for (int n = 0; n < 200 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++n)
                DispatchMessageA(&msg);
            GdiFlush();
            RECT r;
            GetWindowRect(dialog, &r);
            const host::Screenshot shot = Crop(r);
            char name[40];
            snprintf(name, sizeof name, "\\page-%02d.png", static_cast<int>(i));
            written += host::WritePng(shot, QELVO_SHOTS_DIR + std::string(name)) ? 1 : 0;
        }
        Press(dialog, IDCANCEL);
    }));
    EXPECT_EQ(written, 11);
    EXPECT_TRUE(session.Close());
}

} // namespace
} // namespace automation
} // namespace qelvo
