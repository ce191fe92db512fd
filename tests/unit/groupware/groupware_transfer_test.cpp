#include "groupware/groupware_transfer.h"
#include "groupware_fixture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace qelvo {
namespace {

const char* kFilters = "*.cpp;*.h";

// A developer's two windows over the shared server directory.
struct Developer {
    GwWorld& world;
    const GwPlace& place;
    const char* user;
    Tableau<EltGWsend> send;
    Tableau<EltGWget> get;
    GwObserver observer;
    String report;

    Developer(GwWorld& w, const GwPlace& p, const char* u) : world(w), place(p), user(u) {}
    int SendRow(const char* relative) { return Find(send, place.base, relative); }
    int GetRow(const char* relative) { return Find(get, place.server, relative); }
    template <class Row>
    int Find(const Tableau<Row>& rows, const std::string& dir, const char* rel) {
        for (int i = 0; i < rows.count; ++i)
            if (std::strcmp(RelativePart(rows.At(i)->path.c_str(), dir), rel) == 0) return i;
        return -1;
    }
    GwRunCount Send(const char* relative, int request) {
        ScanSend(send, place, kFilters);
        EXPECT_GE(SendRow(relative), 0) << relative;
        ApplySendButton(send, {SendRow(relative)},
                        request == kGwUpdate ? kGwUpdateCommand : kGwUnlockCommand);
        report = "";
        GwRunCount count = RunSend(send, place, user, observer, report);
        ScanSend(send, place, kFilters);
        return count;
    }
    GwRunCount Get(const char* relative, int request) {
        ScanGet(get, place, kFilters);
        EXPECT_GE(GetRow(relative), 0) << relative;
        ApplyGetButton(get, {GetRow(relative)},
                       request == kGwRefresh ? kGwUpdateCommand : kGwUnlockCommand);
        report = "";
        GwRunCount count = RunGet(get, place, user, observer, report);
        ScanGet(get, place, kFilters);
        return count;
    }
};

TEST(GroupwareTransfer, NewFileSentReadOnlyByUpdateAndWritableBySendAndUnlock) {
    GwWorld w;
    w.Put("a", "kept.cpp", "kept", 10, false);
    w.Put("a", "sub\\given.h", "given", 11, false);
    platform::MakeDirectory(w.dir.File("srv\\sub").c_str());
    Developer a(w, w.a, "alice");
    ScanSend(a.send, w.a, kFilters);
    ASSERT_EQ(a.send.count, 2);
    ApplySendButton(a.send, {0}, kGwUpdateCommand);
    ApplySendButton(a.send, {1}, kGwUnlockCommand);
    const GwRunCount count = RunSend(a.send, w.a, "alice", a.observer, a.report);
    EXPECT_EQ(count.copied, 2);
    EXPECT_STREQ(a.report.c_str(),
                 "kept.cpp is refreshed\nsub\\given.h is delivered and unlocked\n");
    EXPECT_EQ(w.dir.Read("srv\\kept.cpp"), "kept");
    EXPECT_TRUE(w.ReadOnly("srv", "kept.cpp")); // still locked for alice
    EXPECT_FALSE(w.ReadOnly("a", "kept.cpp"));
    EXPECT_FALSE(w.ReadOnly("srv\\sub", "given.h")); // free for everybody
    EXPECT_TRUE(w.ReadOnly("a\\sub", "given.h"));
    // The copy kept the time: the kept file is Same; the given one is no longer offered.
    ScanSend(a.send, w.a, kFilters);
    ASSERT_EQ(a.send.count, 1);
    EXPECT_EQ(SendLine(*a.send.At(0), w.a), "kept.cpp\tSame\t ");
    EXPECT_FALSE(platform::FileExists(LockFilePath(w.dir.File("srv\\kept.cpp").c_str()).c_str()));
}

TEST(GroupwareTransfer, ConflictIsNeverSent) {
    GwWorld w;
    w.Put("a", "c.cpp", "mine", 11, false);
    w.Put("srv", "c.cpp", "theirs", 10, false);
    Developer a(w, w.a, "alice");
    ScanSend(a.send, w.a, kFilters);
    ApplySendButton(a.send, {0}, kGwUnlockCommand);
    a.send.At(0)->request = kGwConflict; // the button left it so
    EXPECT_EQ(RunSend(a.send, w.a, "alice", a.observer, a.report).copied, 0);
    EXPECT_EQ(w.dir.Read("srv\\c.cpp"), "theirs");
}

TEST(GroupwareTransfer, GetWithLockThenRefreshKeepsLocalAttributes) {
    GwWorld w;
    w.Put("srv", "n.cpp", "server", 10, false);
    w.Put("srv", "w.cpp", "server w", 12, true);
    w.Put("a", "w.cpp", "old w", 10, false); // writable here, locked on the server
    w.Put("srv", "r.cpp", "server r", 12, false);
    w.Put("a", "r.cpp", "old r", 10, true);
    Developer a(w, w.a, "alice");
    ASSERT_EQ(a.Get("n.cpp", kGwGetLock).copied, 1);
    EXPECT_EQ(w.dir.Read("a\\n.cpp"), "server");
    EXPECT_FALSE(w.ReadOnly("a", "n.cpp"));
    EXPECT_TRUE(w.ReadOnly("srv", "n.cpp"));
    EXPECT_EQ(w.dir.Read("srv\\n.cpp.lock"), "alice");
    EXPECT_STREQ(a.report.c_str(), "n.cpp is locked\n");
    EXPECT_EQ(GetLine(*a.get.At(a.GetRow("n.cpp")), w.a), "n.cpp\tYes\tSame\t \t ");
    // Refreshes only: no report (hence no mail), and each local file keeps its attribute.
    ScanGet(a.get, w.a, kFilters);
    ApplyGetButton(a.get, {a.GetRow("w.cpp"), a.GetRow("r.cpp")}, kGwUpdateCommand);
    a.report = "";
    EXPECT_EQ(RunGet(a.get, w.a, "alice", a.observer, a.report).copied, 2);
    EXPECT_STREQ(a.report.c_str(), "");
    EXPECT_EQ(w.dir.Read("a\\w.cpp"), "server w");
    EXPECT_FALSE(w.ReadOnly("a", "w.cpp"));
    EXPECT_TRUE(w.ReadOnly("a", "r.cpp"));
    EXPECT_TRUE(w.ReadOnly("srv", "w.cpp"));
}

TEST(GroupwareTransfer, AFileEditedSinceTheListIsSentWhole) {
    GwWorld w;
    w.Put("a", "g.cpp", "short", 10, false);
    Developer a(w, w.a, "alice");
    ScanSend(a.send, w.a, kFilters);
    ApplySendButton(a.send, {}, kGwUpdateCommand);
    w.Put("a", "g.cpp", "a much longer text", 11, false);
    EXPECT_EQ(RunSend(a.send, w.a, "alice", a.observer, a.report).copied, 1);
    EXPECT_EQ(w.dir.Read("srv\\g.cpp"), "a much longer text");
}

size_t FailingWrite(const void*, size_t, FILE*) {
    return 0;
}

TEST(GroupwareTransfer, FailedCopyLeavesFilesAndAttributesAsTheyWere) {
    GwWorld w;
    w.Put("a", "e.cpp", "edited", 11, false);
    w.Put("srv", "e.cpp", "old", 10, true);
    w.Put("srv", "g.cpp", "server", 10, false);
    Developer a(w, w.a, "alice");
    const CopyFileLayer failing = {
        [](void* b, size_t n, FILE* f) { return std::fread(b, 1, n, f); }, FailingWrite,
        [](const char* p) { return platform::OpenNewFile(p, false); }};
    const CopyFileLayer* previous = SetCopyFileLayer(&failing);
    const GwRunCount sent = a.Send("e.cpp", kGwSendUnlock);
    const GwRunCount got = a.Get("g.cpp", kGwGetLock);
    SetCopyFileLayer(previous);
    EXPECT_EQ(sent.failed, 1);
    EXPECT_EQ(got.failed, 1);
    ASSERT_EQ(a.observer.errors.size(), 2u);
    EXPECT_NE(a.observer.errors[0].find("Error in writing file"), std::string::npos);
    // The edit stays held here and the server keeps its file locked; the get took no lock.
    EXPECT_EQ(w.dir.Read("srv\\e.cpp"), "old");
    EXPECT_TRUE(w.ReadOnly("srv", "e.cpp"));
    EXPECT_FALSE(w.ReadOnly("a", "e.cpp"));
    EXPECT_FALSE(w.ReadOnly("srv", "g.cpp"));
    EXPECT_FALSE(platform::FileExists(w.dir.File("a\\g.cpp").c_str()));
    EXPECT_FALSE(platform::FileExists(w.dir.File("srv\\g.cpp.lock").c_str()));
    EXPECT_STREQ(a.report.c_str(), "");
}

TEST(GroupwareTransfer, TwoDevelopersInterleavedNeverOverwriteEachOther) {
    GwWorld w;
    w.Put("srv", "x.cpp", "v1", 10, false);
    w.Put("a", "x.cpp", "v1", 10, true);
    w.Put("b", "x.cpp", "v1", 10, true);
    w.Put("a", "both.cpp", "alice's", 10, false);
    w.Put("b", "both.cpp", "bob's", 11, false);
    Developer a(w, w.a, "alice"), b(w, w.b, "bob");
    // Both list the server; alice gets x.cpp with lock first.
    ScanGet(a.get, w.a, kFilters);
    ScanGet(b.get, w.b, kFilters);
    ApplyGetButton(a.get, {a.GetRow("x.cpp")}, kGwUnlockCommand);
    ApplyGetButton(b.get, {b.GetRow("x.cpp")}, kGwUnlockCommand);
    EXPECT_EQ(b.get.At(b.GetRow("x.cpp"))->request, kGwGetLock); // bob's list is stale
    EXPECT_EQ(RunGet(a.get, w.a, "alice", a.observer, a.report).copied, 1);
    const GwRunCount bob = RunGet(b.get, w.b, "bob", b.observer, b.report);
    EXPECT_EQ(bob.refused, 1);
    ASSERT_EQ(b.observer.errors.size(), 1u);
    EXPECT_EQ(b.observer.errors[0], "x.cpp is locked by alice : not got");
    EXPECT_TRUE(w.ReadOnly("b", "x.cpp"));
    EXPECT_EQ(w.dir.Read("srv\\x.cpp.lock"), "alice");
    // Both list a new file; alice sends first, bob's send finds it on the server.
    ScanSend(a.send, w.a, kFilters);
    ScanSend(b.send, w.b, kFilters);
    ApplySendButton(a.send, {a.SendRow("both.cpp")}, kGwUpdateCommand);
    ApplySendButton(b.send, {b.SendRow("both.cpp")}, kGwUnlockCommand);
    EXPECT_EQ(RunSend(a.send, w.a, "alice", a.observer, a.report).copied, 1);
    EXPECT_EQ(RunSend(b.send, w.b, "bob", b.observer, b.report).refused, 1);
    EXPECT_EQ(b.observer.errors.back(), "both.cpp has changed on the server : not sent");
    EXPECT_EQ(w.dir.Read("srv\\both.cpp"), "alice's");
    EXPECT_FALSE(w.ReadOnly("b", "both.cpp"));
    // Bob, whose copy of x.cpp is writable without having got it, cannot send over alice's lock.
    platform::SetReadOnly(w.dir.File("b\\x.cpp").c_str(), false);
    EXPECT_EQ(b.Send("x.cpp", kGwUpdate).refused, 1);
    EXPECT_EQ(b.observer.errors.back(), "x.cpp is locked by alice : not sent");
}

TEST(GroupwareTransfer, FullRoundGetEditSendThenTheOtherRefreshes) {
    GwWorld w;
    w.Put("srv", "app.cpp", "int main() {}\n", 10, false);
    Developer a(w, w.a, "alice"), b(w, w.b, "bob");
    ASSERT_EQ(b.Get("app.cpp", kGwRefresh).copied, 1);
    EXPECT_TRUE(w.ReadOnly("b", "app.cpp"));
    ASSERT_EQ(a.Get("app.cpp", kGwGetLock).copied, 1);
    w.Put("a", "app.cpp", "int main() { return 1; }\n", 11, false); // alice edits
    ASSERT_EQ(a.Send("app.cpp", kGwSendUnlock).copied, 1);
    EXPECT_STREQ(a.report.c_str(), "app.cpp is delivered and unlocked\n");
    EXPECT_FALSE(w.ReadOnly("srv", "app.cpp"));
    EXPECT_TRUE(w.ReadOnly("a", "app.cpp"));
    ScanGet(b.get, w.b, kFilters);
    EXPECT_EQ(GetLine(*b.get.At(0), w.b), "app.cpp\tNo\tNewer\tRefresh\t ");
    ApplyGetButton(b.get, {}, kGwAdvisedCommand);
    EXPECT_EQ(RunGet(b.get, w.b, "bob", b.observer, b.report).copied, 1);
    EXPECT_EQ(w.dir.Read("b\\app.cpp"), "int main() { return 1; }\n");
    EXPECT_EQ(GetLine(*b.get.At(0), w.b), "app.cpp\tNo\tNewer\tRefresh\tRefresh");
    ScanGet(b.get, w.b, kFilters);
    EXPECT_EQ(GetLine(*b.get.At(0), w.b), "app.cpp\tNo\tSame\t \t ");
    EXPECT_TRUE(a.observer.errors.empty() && b.observer.errors.empty());
}

} // namespace
} // namespace qelvo
