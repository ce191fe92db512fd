// The rows of the groupware's two windows: the local files that can be sent to the server
// directory (EltGWsend) and the server files that can be got from it (EltGWget), the scans
// that make them, their list lines and what the windows' buttons do to them.
//
// The server directory mirrors the project directory: a file's path relative to one names its
// counterpart in the other. Read-only attributes are the locks: a read-only server file is held
// by somebody for editing, a writable local file by this user.
#pragma once

#include "foundation/qstring.h"
#include "foundation/tableau.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qelvo {

// Server age of a file, as both windows show it.
enum GwStatus : int32_t { kGwSame = 0, kGwNew = 1, kGwNewer = 2, kGwOlder = 3 };
// What the Send window will do with a file.
enum GwSendRequest : int32_t { kGwSendNone = 0, kGwUpdate = 1, kGwSendUnlock = 2, kGwConflict = 3 };
// What the Get window advises and will do.
enum GwAdvice : int32_t { kGwAdviceNone = 0, kGwAdviceRefresh = 1, kGwAdviceError = 2 };
enum GwGetRequest : int32_t { kGwGetNone = 0, kGwRefresh = 1, kGwGetLock = 2 };

// The windows' buttons (their commands).
enum : int {
    kGwClearCommand = 102,
    kGwUpdateCommand = 103,  // Send window: "Update"; Get window: "Refresh"
    kGwUnlockCommand = 104,  // Send window: "Send && unlock"; Get window: "Get && lock"
    kGwRunCommand = 105,     // "SEND !" / "GET !"
    kGwAdvisedCommand = 106, // Get window: "As advised"
};

// One local file of the Send window.
class EltGWsend : public Basic {
public:
    int32_t request = kGwSendNone;
    int32_t status = kGwSame;
    int64_t localTime = 0;  // seconds
    int64_t serverTime = 0; // 0: no server file
    String path;            // full local path
    uint64_t size = 0;      // of the local file
    operator char*() override { return path; }
};

// One server file of the Get window.
class EltGWget : public Basic {
public:
    int32_t locked = 0; // the server file is read-only
    int32_t advice = kGwAdviceNone;
    int32_t request = kGwGetNone;
    int32_t status = kGwSame;
    int64_t serverTime = 0;
    int64_t localTime = 0; // 0: no local file
    String path;           // full server path
    uint64_t size = 0;     // of the server file
    operator char*() override { return path; }
};

// The two directories of a project's sharing.
struct GwPlace {
    std::string base;   // the project directory
    std::string server; // the server directory
};

// The full path without the directory and its separator (the path itself when it is not below).
const char* RelativePart(const char* path, const std::string& directory);
// The counterpart of a local file on the server, and of a server file in the project.
std::string ServerPathOf(const GwPlace& place, const char* localPath);
std::string LocalPathOf(const GwPlace& place, const char* serverPath);
// Modification times compare at the 2-second steps in which copies carry them.
int CompareTimes(int64_t a, int64_t b);

// Scans the project directory (the Send window) or the server directory (the Get window): for
// each pattern of filters the matching files, then every sub-directory whose name does not
// begin with '.'. A file met replaces its row or loses it; rows of files not met stay.
void ScanSend(Tableau<EltGWsend>& rows, const GwPlace& place, const char* filters);
void ScanGet(Tableau<EltGWget>& rows, const GwPlace& place, const char* filters);
// One candidate of each scan (what the scan does with each file it meets).
void SendCandidate(Tableau<EltGWsend>& rows, const GwPlace& place, const char* localPath);
void GetCandidate(Tableau<EltGWget>& rows, const GwPlace& place, const char* serverPath);

// The words and the list lines (fields separated by tabs).
const char* StatusWord(int32_t status);
const char* SendRequestWord(int32_t request);
const char* AdviceWord(int32_t advice);
const char* GetRequestWord(int32_t request);
std::string SendLine(const EltGWsend& row, const GwPlace& place);
std::string GetLine(const EltGWget& row, const GwPlace& place);

// A button on the selected rows (empty: none selected, every row taking part by the button's
// own rule); answers the rows it changed.
std::vector<int> ApplySendButton(Tableau<EltGWsend>& rows, const std::vector<int>& selected,
                                 int command);
std::vector<int> ApplyGetButton(Tableau<EltGWget>& rows, const std::vector<int>& selected,
                                int command);

// The rows a run carries out (Send: request 1 or 2; Get: any request) and their total size.
std::vector<int> SendRunRows(const Tableau<EltGWsend>& rows, uint64_t& total);
std::vector<int> GetRunRows(const Tableau<EltGWget>& rows, uint64_t& total);

} // namespace qelvo
