// The POSIX side of the platform layer: the engine's '\' paths become '/', listings match
// without regard to case and come out in byte order, dates use fixed US formats.
#include "platform/platform.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

namespace qelvo {
namespace platform {

namespace {

class StderrSink : public MessageSink {
public:
    int Show(void*, const char* text, const char* title, unsigned flags) override {
        std::fprintf(stderr, "[%s] %s\n", title, text);
        switch (flags & 0x0F) {
        case kMbYesNo:
        case kMbYesNoCancel:
            return kIdYes;
        default:
            return kIdOk;
        }
    }
    void Tone(unsigned, unsigned) override {}
};

class ShellLauncher : public Launcher {
public:
    bool OpenDocument(const char* path, const char* directory, ShowState) override {
        // The window's state is the desktop's choice here.
        std::string command = "xdg-open '" + NativePath(path) + "' >/dev/null 2>&1 &";
        if (directory && *directory)
            command = "cd '" + NativePath(directory) + "' && " + command;
        return std::system(command.c_str()) == 0;
    }
    bool StartProgram(const char* commandLine) override {
        std::string command = NativePath(commandLine) + " &";
        return std::system(command.c_str()) == 0;
    }
};

FileStatus FromStat(const struct stat& st) {
    FileStatus status;
    status.exists = true;
    status.isDirectory = S_ISDIR(st.st_mode);
    status.isFile = S_ISREG(st.st_mode);
    status.readOnly = (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    status.size = static_cast<uint64_t>(st.st_size);
    status.lastWrite = static_cast<int64_t>(st.st_mtime);
    return status;
}

DateTime FromTm(const std::tm& tm) {
    DateTime t;
    t.year = tm.tm_year + 1900;
    t.month = tm.tm_mon + 1;
    t.day = tm.tm_mday;
    t.dayOfWeek = tm.tm_wday;
    t.hour = tm.tm_hour;
    t.minute = tm.tm_min;
    t.second = tm.tm_sec;
    return t;
}

const char* const kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                             "Thursday", "Friday", "Saturday"};
const char* const kMonths[] = {"January",   "February", "March",    "April",
                               "May",       "June",     "July",     "August",
                               "September", "October",  "November", "December"};

} // namespace

MessageSink& SystemMessageSink() {
    static StderrSink sink;
    return sink;
}

Launcher& SystemLauncher() {
    static ShellLauncher launcher;
    return launcher;
}

std::string NativePath(const char* path) {
    std::string result = path ? path : "";
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}

FILE* OpenFile(const char* path, const char* mode) {
    return std::fopen(NativePath(path).c_str(), mode);
}

FileStatus GetFileStatus(const char* path) {
    struct stat st;
    if (::stat(NativePath(path).c_str(), &st) != 0) return FileStatus();
    return FromStat(st);
}

bool SetReadOnly(const char* path, bool readOnly) {
    std::string native = NativePath(path);
    struct stat st;
    if (::stat(native.c_str(), &st) != 0) return false;
    mode_t mode = st.st_mode & 07777;
    mode = readOnly ? (mode & ~(S_IWUSR | S_IWGRP | S_IWOTH)) : (mode | S_IWUSR);
    return ::chmod(native.c_str(), mode) == 0;
}

bool SetFileDosTime(const char* path, uint16_t dosDate, uint16_t dosTime) {
    DateTime t = UnpackDos(dosDate, dosTime);
    std::tm tm = {};
    tm.tm_year = t.year - 1900;
    tm.tm_mon = t.month - 1;
    tm.tm_mday = t.day;
    tm.tm_hour = t.hour;
    tm.tm_min = t.minute;
    tm.tm_sec = t.second;
    tm.tm_isdst = -1;
    std::time_t when = std::mktime(&tm);
    if (when == static_cast<std::time_t>(-1)) return false;
    struct timeval times[2] = {{when, 0}, {when, 0}};
    return ::utimes(NativePath(path).c_str(), times) == 0;
}

bool GetFileDosTime(const char* path, uint16_t& dosDate, uint16_t& dosTime) {
    FileStatus status = GetFileStatus(path);
    if (!status.exists) return false;
    DateTime t = LocalFromUnix(status.lastWrite);
    if (t.year < 1980) return false;
    dosDate = PackDosDate(t.year, t.month, t.day);
    dosTime = PackDosTime(t.hour, t.minute, t.second);
    return true;
}

bool RenameFile(const char* from, const char* to) {
    // Windows' MoveFile refuses to replace an existing file; keep that rule here too.
    if (FileExists(to)) {
        errno = EEXIST;
        return false;
    }
    return std::rename(NativePath(from).c_str(), NativePath(to).c_str()) == 0;
}

bool MoveReplacing(const char* from, const char* to) {
    return std::rename(NativePath(from).c_str(), NativePath(to).c_str()) == 0;
}

FILE* OpenNewFile(const char* path, bool text) {
    // O_EXCL also fails on a link of that name, whatever it leads to.
    int fd = ::open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    FILE* file = ::fdopen(fd, text ? "w" : "wb");
    if (!file) {
        int error = errno;
        ::close(fd);
        errno = error;
    }
    return file;
}

std::string LastErrorText() {
    return std::strerror(errno);
}

bool RemoveFile(const char* path) {
    return ::unlink(NativePath(path).c_str()) == 0;
}

bool MakeDirectory(const char* path) {
    return ::mkdir(NativePath(path).c_str(), 0777) == 0;
}

bool RemoveEmptyDirectory(const char* path) {
    return ::rmdir(NativePath(path).c_str()) == 0;
}

bool CopyWholeFile(const char* from, const char* to) {
    FILE* in = OpenFile(from, "rb");
    if (!in) return false;
    FILE* out = OpenFile(to, "wb");
    if (!out) {
        std::fclose(in);
        return false;
    }
    char buffer[16384];
    bool ok = true;
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
        if (std::fwrite(buffer, 1, n, out) != n) {
            ok = false;
            break;
        }
    }
    ok = !std::ferror(in) && ok;
    std::fclose(in);
    ok = std::fclose(out) == 0 && ok;
    if (ok) {
        FileStatus status = GetFileStatus(from);
        struct timeval times[2] = {{static_cast<time_t>(status.lastWrite), 0},
                                   {static_cast<time_t>(status.lastWrite), 0}};
        ::utimes(NativePath(to).c_str(), times);
    }
    return ok;
}

std::string CurrentDirectory() {
    char buffer[4096];
    if (!::getcwd(buffer, sizeof buffer)) return std::string();
    return buffer;
}

bool ChangeDirectory(const char* path) {
    return ::chdir(NativePath(path).c_str()) == 0;
}

bool ListDirectory(const char* pattern, bool withDirectories, std::vector<DirEntry>& out) {
    std::string full = pattern ? pattern : "";
    size_t cut = full.find_last_of("\\/");
    std::string directory = cut == std::string::npos ? "." : full.substr(0, cut);
    std::string mask = cut == std::string::npos ? full : full.substr(cut + 1);
    if (directory.empty()) directory = "/";
    std::string nativeDirectory = NativePath(directory.c_str());
    DIR* dir = ::opendir(nativeDirectory.c_str());
    if (!dir) return false;
    std::vector<DirEntry> found;
    while (struct dirent* entry = ::readdir(dir)) {
        if (!MatchPattern(entry->d_name, mask.c_str())) continue;
        // The entry itself first, so a link is known as one; then what a link leads to.
        struct stat st;
        std::string child = nativeDirectory + "/" + entry->d_name;
        if (::lstat(child.c_str(), &st) != 0) continue;
        bool link = S_ISLNK(st.st_mode);
        if (link && ::stat(child.c_str(), &st) != 0) continue;
        if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) continue;
        FileStatus status = FromStat(st);
        if (status.isDirectory && !withDirectories) continue;
        DirEntry item;
        item.name = entry->d_name;
        item.isDirectory = status.isDirectory && !link;
        item.isLink = link;
        item.readOnly = status.readOnly;
        item.size = status.size;
        item.lastWrite = status.lastWrite;
        found.push_back(item);
    }
    ::closedir(dir);
    std::sort(found.begin(), found.end(),
              [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
    out.insert(out.end(), found.begin(), found.end());
    return true;
}

DateTime NowUtc() {
    std::time_t now = std::time(nullptr);
    std::tm tm;
    gmtime_r(&now, &tm);
    return FromTm(tm);
}

DateTime NowLocal() {
    return LocalFromUnix(static_cast<int64_t>(std::time(nullptr)));
}

DateTime LocalFromUnix(int64_t seconds) {
    std::time_t when = static_cast<std::time_t>(seconds);
    std::tm tm;
    localtime_r(&when, &tm);
    return FromTm(tm);
}

std::string FormatShortDate(const DateTime& when) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d/%d/%d", when.month, when.day, when.year);
    return buffer;
}

std::string FormatLongDate(const DateTime& when) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%s, %s %d, %d", kDays[(when.dayOfWeek % 7 + 7) % 7],
                  kMonths[(when.month + 11) % 12], when.day, when.year);
    return buffer;
}

std::string FormatTime(const DateTime& when) {
    char buffer[32];
    int hour = when.hour % 12 == 0 ? 12 : when.hour % 12;
    std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d %s", hour, when.minute, when.second,
                  when.hour < 12 ? "AM" : "PM");
    return buffer;
}

std::string UserName() {
    if (const char* user = std::getenv("USER"))
        if (*user) return user;
    if (struct passwd* pw = ::getpwuid(::getuid())) return pw->pw_name;
    return std::string();
}

void* OpenLibrary(const char*) { return nullptr; }
void* LibraryFunction(void*, const char*) { return nullptr; }
void CloseLibrary(void*) {}
std::string ModuleFileName(void*) { return std::string(); }
bool ShowWinHelp(void*, const char*, unsigned, uintptr_t) { return false; }
void EndProcess(int exitCode) { std::_Exit(exitCode); }

} // namespace platform
} // namespace qelvo
