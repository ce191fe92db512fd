#include "groupware/groupware_rows.h"

#include "foundation/tree_walk.h"
#include "platform/platform.h"

#include <cstring>

namespace qelvo {

namespace {

// Where path is among rows sorted by path (unsigned bytes); found tells whether it is there.
template <class Row> int Place(const Tableau<Row>& rows, const char* path, bool& found) {
    int low = 0, high = rows.count;
    while (low < high) {
        const int middle = (low + high) / 2;
        const int order = std::strcmp(rows.At(middle)->path.c_str(), path);
        if (order == 0) {
            found = true;
            return middle;
        }
        if (order < 0)
            low = middle + 1;
        else
            high = middle;
    }
    found = false;
    return low;
}

// Removes the row of path, when there is one, and answers where a new one goes.
template <class Row> int Replace(Tableau<Row>& rows, const char* path) {
    bool found = false;
    const int at = Place(rows, path, found);
    if (found) rows.Destroy(at);
    return at;
}

// The scan's walk: files by the filters' patterns, then the sub-directories not beginning
// with '.' (files are taken whatever their names).
class ScanVisitor final : public TreeVisitor {
public:
    explicit ScanVisitor(void (*take)(void*, const char*), void* context)
        : take_(take), context_(context) {}
    int EnterDirectory(const WalkDirectory& directory) override {
        return directory.depth == 0 || directory.name.empty() || directory.name[0] != '.';
    }
    void VisitFile(const WalkDirectory& directory, const platform::DirEntry& file) override {
        if (file.isLink) return;
        take_(context_, (directory.path + "\\" + file.name).c_str());
    }

private:
    void (*take_)(void*, const char*);
    void* context_;
};

void Walk(const std::string& root, const char* filters, void (*take)(void*, const char*),
          void* context) {
    if (root.empty()) return;
    WalkOptions options;
    options.patterns = filters ? filters : "";
    options.skipHidden = false;
    options.maxPathLength = 255;
    ScanVisitor visitor(take, context);
    WalkTree(root.c_str(), options, visitor);
}

struct SendScan {
    Tableau<EltGWsend>* rows;
    const GwPlace* place;
};
struct GetScan {
    Tableau<EltGWget>* rows;
    const GwPlace* place;
};

bool Contains(const std::vector<int>& list, int i) {
    for (int n : list)
        if (n == i) return true;
    return false;
}

// A button over the selected rows (all of them when none is selected): each taking part gets the
// request rule(row, all) gives it; answers the rows whose request changed.
template <class Row, class Rule>
std::vector<int> ApplyRequests(Tableau<Row>& rows, const std::vector<int>& selected, Rule rule) {
    std::vector<int> changed;
    const bool all = selected.empty();
    for (int i = 0; i < rows.count; ++i) {
        if (!all && !Contains(selected, i)) continue;
        Row& row = *rows.At(i);
        const int32_t request = rule(row, all);
        if (request != row.request) {
            row.request = request;
            changed.push_back(i);
        }
    }
    return changed;
}

// The rows with a request for the run, and their total size.
template <class Row, class Runs>
std::vector<int> RunRows(const Tableau<Row>& rows, uint64_t& total, Runs runs) {
    std::vector<int> out;
    total = 0;
    for (int i = 0; i < rows.count; ++i)
        if (runs(rows.At(i)->request)) {
            out.push_back(i);
            total += rows.At(i)->size;
        }
    return out;
}

} // namespace

const char* RelativePart(const char* path, const std::string& directory) {
    const size_t n = directory.size();
    if (n && std::strncmp(path, directory.c_str(), n) == 0 && (path[n] == '\\' || path[n] == '/'))
        return path + n + 1;
    return path;
}

std::string ServerPathOf(const GwPlace& place, const char* localPath) {
    return place.server + "\\" + RelativePart(localPath, place.base);
}

std::string LocalPathOf(const GwPlace& place, const char* serverPath) {
    return place.base + "\\" + RelativePart(serverPath, place.server);
}

int CompareTimes(int64_t a, int64_t b) {
    // Copies carry the time as the DOS date and time, in steps of 2 seconds.
    const int64_t x = a >= 0 ? a / 2 : (a - 1) / 2, y = b >= 0 ? b / 2 : (b - 1) / 2;
    return x < y ? -1 : x > y ? 1 : 0;
}

void SendCandidate(Tableau<EltGWsend>& rows, const GwPlace& place, const char* localPath) {
    const int at = Replace(rows, localPath);
    const platform::FileStatus local = platform::GetFileStatus(localPath);
    // Read-only local files are not held by this user: never offered.
    if (!local.exists || !local.isFile || local.readOnly) return;
    const platform::FileStatus server =
        platform::GetFileStatus(ServerPathOf(place, localPath).c_str());
    const bool onServer = server.exists && server.isFile;
    auto* row = new EltGWsend;
    row->localTime = local.lastWrite;
    row->size = local.size;
    row->serverTime = onServer ? server.lastWrite : 0;
    row->path = localPath;
    if (!onServer)
        row->status = kGwNew;
    else {
        const int order = CompareTimes(row->serverTime, row->localTime);
        row->status = order == 0 ? kGwSame : order < 0 ? kGwOlder : kGwNewer;
    }
    // Edited here while the server copy is not locked.
    if (onServer && !server.readOnly) row->request = kGwConflict;
    rows.Insert(row, at);
}

void GetCandidate(Tableau<EltGWget>& rows, const GwPlace& place, const char* serverPath) {
    const int at = Replace(rows, serverPath);
    const platform::FileStatus server = platform::GetFileStatus(serverPath);
    if (!server.exists || !server.isFile) return;
    const platform::FileStatus local =
        platform::GetFileStatus(LocalPathOf(place, serverPath).c_str());
    const bool here = local.exists && local.isFile;
    auto* row = new EltGWget;
    row->locked = server.readOnly ? 1 : 0;
    row->serverTime = server.lastWrite;
    row->size = server.size;
    row->localTime = here ? local.lastWrite : 0;
    row->path = serverPath;
    if (!here) {
        row->status = kGwNew;
        row->advice = kGwAdviceRefresh;
    } else {
        const int order = CompareTimes(row->localTime, row->serverTime);
        if (order == 0)
            row->status = kGwSame;
        else if (order < 0) {
            row->status = kGwNewer;
            row->advice = kGwAdviceRefresh;
        } else {
            row->status = kGwOlder;
            if (!row->locked || local.readOnly) row->advice = kGwAdviceError;
        }
        // Edited here without a lock.
        if (!row->locked && !local.readOnly) row->advice = kGwAdviceError;
    }
    rows.Insert(row, at);
}

void ScanSend(Tableau<EltGWsend>& rows, const GwPlace& place, const char* filters) {
    SendScan scan{&rows, &place};
    Walk(
        place.base, filters,
        [](void* c, const char* path) {
            auto* s = static_cast<SendScan*>(c);
            SendCandidate(*s->rows, *s->place, path);
        },
        &scan);
}

void ScanGet(Tableau<EltGWget>& rows, const GwPlace& place, const char* filters) {
    GetScan scan{&rows, &place};
    Walk(
        place.server, filters,
        [](void* c, const char* path) {
            auto* s = static_cast<GetScan*>(c);
            GetCandidate(*s->rows, *s->place, path);
        },
        &scan);
}

const char* StatusWord(int32_t status) {
    static const char* const words[] = {"Same", "NEW!", "Newer", "Older"};
    return status >= 0 && status <= 3 ? words[status] : "";
}

const char* SendRequestWord(int32_t request) {
    static const char* const words[] = {" ", "Update", "Send", "CONFLICT"};
    return request >= 0 && request <= 3 ? words[request] : "";
}

const char* AdviceWord(int32_t advice) {
    static const char* const words[] = {" ", "Refresh", "ERROR"};
    return advice >= 0 && advice <= 2 ? words[advice] : "";
}

const char* GetRequestWord(int32_t request) {
    static const char* const words[] = {" ", "Refresh", "Get"};
    return request >= 0 && request <= 2 ? words[request] : "";
}

std::string SendLine(const EltGWsend& row, const GwPlace& place) {
    return std::string(RelativePart(row.path.c_str(), place.base)) + "\t" + StatusWord(row.status) +
           "\t" + SendRequestWord(row.request);
}

std::string GetLine(const EltGWget& row, const GwPlace& place) {
    return std::string(RelativePart(row.path.c_str(), place.server)) + "\t" +
           (row.locked ? "Yes" : "No") + "\t" + StatusWord(row.status) + "\t" +
           AdviceWord(row.advice) + "\t" + GetRequestWord(row.request);
}

std::vector<int> ApplySendButton(Tableau<EltGWsend>& rows, const std::vector<int>& selected,
                                 int command) {
    return ApplyRequests(rows, selected, [command](const EltGWsend& row, bool all) {
        switch (command) {
        case kGwClearCommand:
            // Without a selection a conflict is blanked too.
            return all || row.request != kGwConflict ? int32_t{kGwSendNone} : row.request;
        case kGwUpdateCommand:
        case kGwUnlockCommand:
            if (row.request != kGwConflict && (!all || row.status != kGwSame))
                return int32_t{command == kGwUpdateCommand ? kGwUpdate : kGwSendUnlock};
            return row.request;
        default:
            return row.request;
        }
    });
}

std::vector<int> ApplyGetButton(Tableau<EltGWget>& rows, const std::vector<int>& selected,
                                int command) {
    return ApplyRequests(rows, selected, [command](const EltGWget& row, bool all) {
        // A row advised "ERROR" can only be cleared.
        const bool open = row.advice != kGwAdviceError;
        switch (command) {
        case kGwAdvisedCommand:
            return open ? row.advice : row.request;
        case kGwClearCommand:
            return int32_t{kGwGetNone};
        case kGwUpdateCommand:
            return open && (!all || row.status != kGwSame) ? int32_t{kGwRefresh} : row.request;
        case kGwUnlockCommand:
            return open && !row.locked && (!all || row.status != kGwSame) ? int32_t{kGwGetLock}
                                                                          : row.request;
        default:
            return row.request;
        }
    });
}

std::vector<int> SendRunRows(const Tableau<EltGWsend>& rows, uint64_t& total) {
    return RunRows(rows, total,
                   [](int32_t request) { return request == kGwUpdate || request == kGwSendUnlock; });
}

std::vector<int> GetRunRows(const Tableau<EltGWget>& rows, uint64_t& total) {
    return RunRows(rows, total, [](int32_t request) { return request != kGwGetNone; });
}

} // namespace qelvo
