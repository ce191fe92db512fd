#include "groupware/groupware_rows.h"
#include "groupware/groupware_settings.h"
#include "core/project_values.h"
#include "groupware_fixture.h"
#include "memory_registry.h"

#include <gtest/gtest.h>

namespace qelvo {
namespace {

const char* kFilters = "*.cpp;*.cc;*.c;*.h;*.rh;*.rc;*.bmp;*.ico;*.gif";

TEST(GroupwareSend, ScanOffersWritableLocalFilesWithServerAgeAndConflicts) {
    GwWorld w;
    w.Put("a", "new.cpp", "n", 10, false);
    w.Put("a", "ro.cpp", "r", 12, true); // not held here: never offered, however new
    w.Put("a", "same.cpp", "s", 10, false);
    w.Put("srv", "same.cpp", "s", 10, true);
    w.Put("a", "both.h", "b", 10, false);
    w.Put("srv", "both.h", "b", 9, false); // writable on both sides
    w.Put("a", "Z.cpp", "z", 8, false);
    w.Put("srv", "Z.cpp", "z", 9, true);
    w.Put("a\\sub", "x.rc", "x", 11, false);
    w.Put("srv\\sub", "x.rc", "x", 10, true);
    w.Put("a", "notes.txt", "t", 10, false);
    w.Put("a\\.git", "hidden.cpp", "h", 10, false);
    Tableau<EltGWsend> rows;
    ScanSend(rows, w.a, kFilters);
    const auto line = [&](const EltGWsend& r) { return SendLine(r, w.a); };
    EXPECT_EQ(
        Lines(rows, line),
        (std::vector<std::string>{"Z.cpp\tNewer\t ", "both.h\tOlder\tCONFLICT", "new.cpp\tNEW!\t ",
                                  "same.cpp\tSame\t ", "sub\\x.rc\tOlder\t "}));
    EXPECT_EQ(rows.At(2)->serverTime, 0);
    EXPECT_EQ(rows.At(2)->size, 1u);
    // A second scan replaces rows; a file gone read-only loses its row.
    platform::SetReadOnly(w.dir.File("a\\new.cpp").c_str(), true);
    ScanSend(rows, w.a, kFilters);
    EXPECT_EQ(rows.count, 4);
}

struct SendButtonCase {
    const char* name;
    std::vector<int> selected;
    int command;
    std::vector<int> requests; // after, for rows Same, NEW!, CONFLICT, Older
};

TEST(GroupwareSend, ButtonsFollowTheirSelectionRules) {
    const SendButtonCase cases[] = {
        {"update all skips Same and CONFLICT", {}, kGwUpdateCommand, {0, 1, 3, 1}},
        {"send all skips Same and CONFLICT", {}, kGwUnlockCommand, {0, 2, 3, 2}},
        {"update selected takes Same", {0, 2}, kGwUpdateCommand, {1, 0, 3, 0}},
        {"clear all blanks CONFLICT", {}, kGwClearCommand, {0, 0, 0, 0}},
        {"clear selected keeps CONFLICT", {1, 2}, kGwClearCommand, {1, 0, 3, 1}},
    };
    for (const SendButtonCase& c : cases) {
        Tableau<EltGWsend> rows;
        const int32_t status[] = {kGwSame, kGwNew, kGwOlder, kGwOlder};
        const int32_t request[] = {1, 1, 3, 1};
        for (int i = 0; i < 4; ++i) {
            auto* row = new EltGWsend;
            row->status = status[i];
            row->request = c.command == kGwClearCommand ? request[i] : (i == 2 ? 3 : 0);
            rows.Append(row);
        }
        ApplySendButton(rows, c.selected, c.command);
        std::vector<int> got;
        for (int i = 0; i < 4; ++i)
            got.push_back(rows.At(i)->request);
        EXPECT_EQ(got, c.requests) << c.name;
    }
}

TEST(GroupwareGet, ScanListsEveryServerFileWithLockStatusAndAdvice) {
    GwWorld w;
    w.Put("srv", "absent.cpp", "1", 10, false); // no local copy
    w.Put("srv", "locked.cpp", "2", 10, true);
    w.Put("a", "locked.cpp", "2", 9, true); // older here
    w.Put("srv", "same.cpp", "3", 10, false);
    w.Put("a", "same.cpp", "3", 10, true);
    w.Put("srv", "edited.cpp", "4", 10, false);
    w.Put("a", "edited.cpp", "4", 11, false); // newer here, server not locked
    w.Put("srv", "mine.cpp", "5", 10, true);
    w.Put("a", "mine.cpp", "5", 11, false); // newer here, locked for me
    w.Put("srv", "stale.cpp", "6", 10, true);
    w.Put("a", "stale.cpp", "6", 11, true); // newer here but read-only
    w.Put("srv", "unlocked.cpp", "7", 10, false);
    w.Put("a", "unlocked.cpp", "7", 10, false); // same time, edited without a lock
    Tableau<EltGWget> rows;
    ScanGet(rows, w.a, kFilters);
    const auto line = [&](const EltGWget& r) { return GetLine(r, w.a); };
    EXPECT_EQ(Lines(rows, line),
              (std::vector<std::string>{
                  "absent.cpp\tNo\tNEW!\tRefresh\t ", "edited.cpp\tNo\tOlder\tERROR\t ",
                  "locked.cpp\tYes\tNewer\tRefresh\t ", "mine.cpp\tYes\tOlder\t \t ",
                  "same.cpp\tNo\tSame\t \t ", "stale.cpp\tYes\tOlder\tERROR\t ",
                  "unlocked.cpp\tNo\tSame\tERROR\t "}));
}

TEST(GroupwareGet, LockedRowsRefreshButNeverGetAndErrorRowsOnlyClear) {
    GwWorld w;
    w.Put("srv", "locked.cpp", "2", 10, true);
    w.Put("srv", "edited.cpp", "4", 10, false);
    w.Put("a", "edited.cpp", "4", 11, false);
    w.Put("srv", "same.cpp", "3", 10, false);
    w.Put("a", "same.cpp", "3", 10, true);
    Tableau<EltGWget> rows; // edited (ERROR), locked (NEW!), same
    ScanGet(rows, w.a, kFilters);
    auto requests = [&] {
        std::vector<int> r;
        for (int i = 0; i < rows.count; ++i)
            r.push_back(rows.At(i)->request);
        return r;
    };
    ApplyGetButton(rows, {}, kGwUnlockCommand);
    EXPECT_EQ(requests(), (std::vector<int>{0, 0, 0}));
    ApplyGetButton(rows, {0, 1, 2}, kGwUnlockCommand);
    EXPECT_EQ(requests(), (std::vector<int>{0, 0, 2}));
    ApplyGetButton(rows, {}, kGwUpdateCommand); // Same left alone without a selection
    EXPECT_EQ(requests(), (std::vector<int>{0, 1, 2}));
    ApplyGetButton(rows, {}, kGwAdvisedCommand);
    EXPECT_EQ(requests(), (std::vector<int>{0, 1, 0}));
    rows.At(0)->request = 1; // however it came there, Clear is what takes it away
    EXPECT_EQ(ApplyGetButton(rows, {0}, kGwClearCommand), (std::vector<int>{0}));
    EXPECT_EQ(requests(), (std::vector<int>{0, 1, 0}));
}

TEST(GroupwareSettings, ReadsTheGroupBindsTheProjectValuesAndWritesBack) {
    testing_support::MemoryRegistry registry;
    *ProjectValues.groupwareServer = "\\\\srv\\app";
    {
        GroupwareSettings settings;
        EXPECT_EQ(settings.enabled, 1);
        EXPECT_EQ(settings.mailOnGet, 0);
        EXPECT_EQ(settings.mailOnSend, 1);
        EXPECT_STREQ(settings.filters.c_str(), kFilters);
        EXPECT_STREQ(settings.server.c_str(), "\\\\srv\\app");
        EXPECT_EQ(ProjectValues.groupwareEnabled, &settings.enabled);
        EXPECT_EQ(ProjectValues.groupwareServer, &settings.server);
        settings.enabled = 0;
        settings.filters = "*.cpp";
    }
    EXPECT_EQ(*ProjectValues.groupwareEnabled, 0);
    *ProjectValues.groupwareEnabled = 1;
    GroupwareSettings again;
    EXPECT_EQ(again.enabled, 0);
    EXPECT_STREQ(again.filters.c_str(), "*.cpp");
}

} // namespace
} // namespace qelvo
