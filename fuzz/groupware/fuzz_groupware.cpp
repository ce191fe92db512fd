// What the groupware reads from outside: a lock file on the server (whatever bytes another
// developer's machine left in it) and the file name patterns of its settings. The input up to
// its first NUL is the lock file of a server file; what follows is the patterns, with which both
// windows scan a small project and its server directory. The owner read is at most 99 bytes with
// no line end left at its end; the rows stay sorted by path, one a path, every one below the
// directory scanned and none inside a directory whose name begins with '.'.
#include "groupware/groupware_rows.h"
#include "groupware/groupware_transfer.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace {

struct Place {
    qelvo::GwPlace place;
    std::string lockedFile;

    Place() {
        char pattern[] = "/tmp/fuzz_groupware_XXXXXX";
        const std::string root = mkdtemp(pattern);
        place.base = root + "/project";
        place.server = root + "/server";
        for (const std::string& d : {place.base, place.base + "/src", place.base + "/.hidden",
                                     place.server, place.server + "/src"})
            mkdir(d.c_str(), 0700);
        for (const std::string& f :
             {place.base + "/a.cpp", place.base + "/b.h", place.base + "/src/c.cpp",
              place.base + "/.hidden/d.cpp", place.server + "/a.cpp", place.server + "/src/c.cpp",
              place.server + "/e.txt"})
            Write(f, "int x;\n");
        lockedFile = place.server + "/a.cpp";
    }

    static void Write(const std::string& path, const std::string& bytes) {
        if (FILE* f = std::fopen(path.c_str(), "wb")) {
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
    }
};

template <class Row>
void CheckRows(qelvo::Tableau<Row>& rows, const std::string& directory) {
    for (int i = 0; i < rows.count; ++i) {
        // The engine joins names with the Windows separator; the platform layer takes either.
        const std::string path = rows.At(i)->path.c_str();
        if (path.compare(0, directory.size(), directory) != 0) std::abort();
        const std::string below = path.substr(directory.size());
        if (below.empty() || (below[0] != '\\' && below[0] != '/')) std::abort();
        if (below.find("\\.") != std::string::npos || below.find("/.") != std::string::npos)
            std::abort();
        if (i > 0 && !(std::string(rows.At(i - 1)->path.c_str()) < path)) std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Place place;
    const char* bytes = reinterpret_cast<const char*>(data);
    const size_t split = std::find(bytes, bytes + size, '\0') - bytes;

    Place::Write(qelvo::LockFilePath(place.lockedFile.c_str()), std::string(bytes, split));
    const std::string owner = qelvo::LockOwner(place.lockedFile.c_str());
    if (owner.size() > 99) std::abort();
    if (!owner.empty() && (owner.back() == '\n' || owner.back() == '\r')) std::abort();

    // The patterns, bounded: a settings value is a short text.
    const std::string filters(bytes + std::min(split + 1, size), bytes + size);
    if (filters.size() > 200) return 0;
    qelvo::Tableau<qelvo::EltGWsend> send;
    qelvo::ScanSend(send, place.place, filters.c_str());
    CheckRows(send, place.place.base);
    qelvo::Tableau<qelvo::EltGWget> get;
    qelvo::ScanGet(get, place.place, filters.c_str());
    CheckRows(get, place.place.server);
    return 0;
}
