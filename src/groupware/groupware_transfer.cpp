#include "groupware/groupware_transfer.h"

#include "platform/platform.h"

#include <cctype>
#include <cstdio>
#include <memory>

namespace qelvo {

namespace {

bool SameName(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && !b[i];
}

// Copies one file in the copy's report mode: its messages go to a scratch text, its errors
// are shown by the observer. True when it was copied.
bool Copy(const char* from, const char* to, CopyObserver& observer, uint64_t& done, uint64_t total,
          uint64_t size) {
    String messages;
    return CopyDeliveredFile(from, to, observer, done, total, size, &messages) == 0;
}

void Refuse(CopyObserver& observer, const std::string& text, uint64_t& done, uint64_t size,
            GwRunCount& count) {
    observer.CopyError(text.c_str());
    done += size;
    ++count.refused;
}

} // namespace

std::string LockFilePath(const char* serverPath) {
    return std::string(serverPath) + ".lock";
}

std::string LockOwner(const char* serverPath) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(
        platform::OpenFile(LockFilePath(serverPath).c_str(), "r"), std::fclose);
    if (!file) return std::string();
    char name[100] = "";
    const size_t n = std::fread(name, 1, sizeof name - 1, file.get());
    std::string owner(name, n);
    while (!owner.empty() && (owner.back() == '\n' || owner.back() == '\r'))
        owner.pop_back();
    return owner;
}

GwRunCount RunSend(Tableau<EltGWsend>& rows, const GwPlace& place, const char* user,
                   CopyObserver& observer, String& report) {
    GwRunCount count;
    uint64_t total = 0, done = 0;
    const std::vector<int> run = SendRunRows(rows, total);
    for (int i : run) {
        EltGWsend& row = *rows.At(i);
        const char* local = row.path.c_str();
        const std::string relative = RelativePart(local, place.base);
        const std::string destination = ServerPathOf(place, local);
        const platform::FileStatus server = platform::GetFileStatus(destination.c_str());
        const platform::FileStatus mine = platform::GetFileStatus(local);
        // The server file must be as the list showed it: absent for a new file, else locked
        // and of the same time; and the lock must not be somebody else's.
        const bool unchanged = row.serverTime == 0
                                   ? !server.exists
                                   : server.exists && server.readOnly &&
                                         CompareTimes(server.lastWrite, row.serverTime) == 0;
        if (!unchanged) {
            Refuse(observer, relative + " has changed on the server : not sent", done, row.size,
                   count);
            continue;
        }
        const std::string owner = server.exists ? LockOwner(destination.c_str()) : "";
        if (!owner.empty() && !SameName(owner, user ? user : "")) {
            Refuse(observer, relative + " is locked by " + owner + " : not sent", done, row.size,
                   count);
            continue;
        }
        if (!mine.exists || mine.readOnly) {
            Refuse(observer, relative + " is no longer held here : not sent", done, row.size,
                   count);
            continue;
        }
        if (server.exists) platform::SetReadOnly(destination.c_str(), false);
        // The size as it is now: a file edited since the list was made is copied whole.
        if (!Copy(local, destination.c_str(), observer, done, total, mine.size)) {
            // The server keeps its former file: it stays locked as it was.
            if (server.exists) platform::SetReadOnly(destination.c_str(), true);
            ++count.failed;
            continue;
        }
        ++count.copied;
        platform::SetReadOnly(destination.c_str(), row.request == kGwUpdate);
        if (row.request == kGwSendUnlock) {
            platform::SetReadOnly(local, true);
            report += (relative + " is delivered and unlocked\n").c_str();
        } else {
            report += (relative + " is refreshed\n").c_str();
        }
    }
    return count;
}

GwRunCount RunGet(Tableau<EltGWget>& rows, const GwPlace& place, const char* user,
                  CopyObserver& observer, String& report) {
    GwRunCount count;
    uint64_t total = 0, done = 0;
    const std::vector<int> run = GetRunRows(rows, total);
    for (int i : run) {
        EltGWget& row = *rows.At(i);
        const char* source = row.path.c_str();
        const std::string relative = RelativePart(source, place.server);
        const std::string destination = LocalPathOf(place, source);
        const platform::FileStatus server = platform::GetFileStatus(source);
        const platform::FileStatus local = platform::GetFileStatus(destination.c_str());
        const bool lock = row.request == kGwGetLock;
        // The local file must be as the list showed it (edits made since are never
        // overwritten); a lock is taken only while nobody holds one.
        const bool localUnchanged =
            row.localTime == 0 ? !local.exists
                               : local.exists && CompareTimes(local.lastWrite, row.localTime) == 0;
        if (!server.exists || !server.isFile) {
            Refuse(observer, relative + " is no longer on the server : not got", done, row.size,
                   count);
            continue;
        }
        if (lock && server.readOnly) {
            const std::string owner = LockOwner(source);
            Refuse(observer,
                   relative + " is locked" + (owner.empty() ? "" : " by " + owner) + " : not got",
                   done, row.size, count);
            continue;
        }
        if (!localUnchanged) {
            Refuse(observer, relative + " has changed here : not got", done, row.size, count);
            continue;
        }
        // The lock first, so that another developer's check finds it taken.
        if (lock) platform::SetReadOnly(source, true);
        const bool wasWritable = local.exists && !local.readOnly;
        if (local.exists) platform::SetReadOnly(destination.c_str(), false);
        if (!Copy(source, destination.c_str(), observer, done, total, server.size)) {
            if (local.exists) platform::SetReadOnly(destination.c_str(), local.readOnly);
            if (lock) platform::SetReadOnly(source, false);
            ++count.failed;
            continue;
        }
        ++count.copied;
        platform::SetReadOnly(destination.c_str(), !(lock || wasWritable));
        if (!lock) continue;
        report += (relative + " is locked\n").c_str();
        if (user && *user) {
            // Written in text mode, replacing an older one; one that cannot be made is skipped.
            const std::string path = LockFilePath(source);
            platform::SetReadOnly(path.c_str(), false);
            if (FILE* file = platform::OpenFile(path.c_str(), "w")) {
                std::fputs(user, file);
                std::fclose(file);
            }
        }
    }
    return count;
}

} // namespace qelvo
