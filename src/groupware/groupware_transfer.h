// SEND ! and GET !: the copies of the requested rows through the shared copy routine, the
// read-only attributes that carry the locks, the lock files and the report of what was done.
//
// Two developers may act on one server file at once. Right before each file the server file
// (and for a Get the local file) is examined again and compared with its row: a file that
// another developer has created, replaced, locked or unlocked since the list was made is not
// copied, and the refusal is shown. A Get with lock takes the lock (the read-only attribute)
// before copying, so a second developer's check finds it held.
#pragma once

#include "core/delivered_copy.h"
#include "groupware/groupware_rows.h"

namespace qelvo {

// The lock file of a server file: its path followed by ".lock", holding a user name.
std::string LockFilePath(const char* serverPath);
// The name in a lock file; empty when there is none.
std::string LockOwner(const char* serverPath);

struct GwRunCount {
    int copied = 0;  // files copied
    int failed = 0;  // copies that failed (the copy showed why)
    int refused = 0; // files changed by somebody else since the list was made
};

// Carries out the rows' requests 1 and 2 in list order. Each file is copied to the server
// (made writable first when it is there), then the server file is left read-only for an
// update and writable for a send and unlock, whose local file becomes read-only. A failed copy
// leaves both files' attributes as they were. report receives "<relative path> is refreshed\n"
// or "<relative path> is delivered and unlocked\n" for each file copied. user: this
// developer's name, to recognise a lock file of somebody else.
GwRunCount RunSend(Tableau<EltGWsend>& rows, const GwPlace& place, const char* user,
                   CopyObserver& observer, String& report);
// Carries out the rows' requests in list order: each server file is copied to its local
// counterpart, which stays writable when it was and becomes writable for a get with lock,
// read-only otherwise. A get with lock makes the server file read-only, writes the user's name
// into its lock file (not when the name is empty) and appends "<relative path> is locked\n" to
// report. A failed copy leaves the attributes as they were.
GwRunCount RunGet(Tableau<EltGWget>& rows, const GwPlace& place, const char* user,
                  CopyObserver& observer, String& report);

} // namespace qelvo
