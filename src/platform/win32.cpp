// The Win32 side of the platform layer: the engine's paths are already the system's.
#include "platform/platform.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <io.h>

namespace qelvo {
namespace platform {

namespace {

class WindowsSink : public MessageSink {
public:
    int Show(void* owner, const char* text, const char* title, unsigned flags) override {
        return ::MessageBoxA(static_cast<HWND>(owner), text, title, flags);
    }
    void Tone(unsigned hertz, unsigned milliseconds) override { ::Beep(hertz, milliseconds); }
};

class ShellLauncher : public Launcher {
public:
    bool OpenDocument(const char* path, const char* directory, ShowState show) override {
        // Owned by the window the user works in.
        HINSTANCE result =
            ::ShellExecuteA(::GetActiveWindow(), "open", path, nullptr, directory,
                            show == ShowState::kMaximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
        return reinterpret_cast<INT_PTR>(result) > 32;
    }
    bool StartProgram(const char* commandLine) override {
        return ::WinExec(commandLine, SW_SHOWNORMAL) > 31;
    }
};

constexpr int64_t kUnixEpochIn100ns = 116444736000000000LL;

int64_t UnixFromFileTime(const FILETIME& ft) {
    ULARGE_INTEGER value;
    value.LowPart = ft.dwLowDateTime;
    value.HighPart = ft.dwHighDateTime;
    return (static_cast<int64_t>(value.QuadPart) - kUnixEpochIn100ns) / 10000000LL;
}

DateTime FromSystemTime(const SYSTEMTIME& st) {
    DateTime t;
    t.year = st.wYear;
    t.month = st.wMonth;
    t.day = st.wDay;
    t.dayOfWeek = st.wDayOfWeek;
    t.hour = st.wHour;
    t.minute = st.wMinute;
    t.second = st.wSecond;
    return t;
}

SYSTEMTIME ToSystemTime(const DateTime& t) {
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(t.year);
    st.wMonth = static_cast<WORD>(t.month);
    st.wDay = static_cast<WORD>(t.day);
    st.wDayOfWeek = static_cast<WORD>(t.dayOfWeek);
    st.wHour = static_cast<WORD>(t.hour);
    st.wMinute = static_cast<WORD>(t.minute);
    st.wSecond = static_cast<WORD>(t.second);
    return st;
}

} // namespace

MessageSink& SystemMessageSink() {
    static WindowsSink sink;
    return sink;
}

Launcher& SystemLauncher() {
    static ShellLauncher launcher;
    return launcher;
}

std::string NativePath(const char* path) {
    return path ? path : "";
}

FILE* OpenFile(const char* path, const char* mode) {
    return std::fopen(path, mode);
}

FileStatus GetFileStatus(const char* path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return FileStatus();
    FileStatus status;
    status.exists = true;
    status.isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    status.isFile = !status.isDirectory && !(data.dwFileAttributes & FILE_ATTRIBUTE_DEVICE);
    status.readOnly = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    status.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    status.lastWrite = UnixFromFileTime(data.ftLastWriteTime);
    return status;
}

bool SetReadOnly(const char* path, bool readOnly) {
    DWORD attributes = ::GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    attributes = readOnly ? (attributes | FILE_ATTRIBUTE_READONLY)
                          : (attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    if (attributes == 0) attributes = FILE_ATTRIBUTE_NORMAL;
    return ::SetFileAttributesA(path, attributes) != 0;
}

bool SetFileDosTime(const char* path, uint16_t dosDate, uint16_t dosTime) {
    FILETIME local, utc;
    if (!::DosDateTimeToFileTime(dosDate, dosTime, &local) ||
        !::LocalFileTimeToFileTime(&local, &utc))
        return false;
    HANDLE file = ::CreateFileA(path, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    BOOL ok = ::SetFileTime(file, nullptr, nullptr, &utc);
    ::CloseHandle(file);
    return ok != 0;
}

bool GetFileDosTime(const char* path, uint16_t& dosDate, uint16_t& dosTime) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    FILETIME local;
    WORD date, time;
    if (!::GetFileAttributesExA(path, GetFileExInfoStandard, &data) ||
        !::FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) ||
        !::FileTimeToDosDateTime(&local, &date, &time))
        return false;
    dosDate = date;
    dosTime = time;
    return true;
}

bool RenameFile(const char* from, const char* to) {
    return ::MoveFileA(from, to) != 0;
}

bool MoveReplacing(const char* from, const char* to) {
    return ::MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) != 0;
}

FILE* OpenNewFile(const char* path, bool text) {
    // CREATE_NEW fails on anything of that name, a reparse point included.
    HANDLE handle = ::CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), text ? _O_TEXT : _O_BINARY);
    if (fd < 0) {
        ::CloseHandle(handle);
        return nullptr;
    }
    FILE* file = ::_fdopen(fd, text ? "wt" : "wb");
    if (!file) ::_close(fd);
    return file;
}

bool RemoveFile(const char* path) {
    return ::DeleteFileA(path) != 0;
}

bool MakeDirectory(const char* path) {
    return ::CreateDirectoryA(path, nullptr) != 0;
}

bool RemoveEmptyDirectory(const char* path) {
    return ::RemoveDirectoryA(path) != 0;
}

bool CopyWholeFile(const char* from, const char* to) {
    return ::CopyFileA(from, to, FALSE) != 0;
}

std::string CurrentDirectory() {
    char buffer[MAX_PATH + 1];
    DWORD n = ::GetCurrentDirectoryA(sizeof buffer, buffer);
    if (n == 0 || n >= sizeof buffer) return std::string();
    return std::string(buffer, n);
}

bool ChangeDirectory(const char* path) {
    return ::SetCurrentDirectoryA(path) != 0;
}

bool ListDirectory(const char* pattern, bool withDirectories, std::vector<DirEntry>& out) {
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA(pattern, &data);
    if (find == INVALID_HANDLE_VALUE) return ::GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        DWORD attributes = data.dwFileAttributes;
        if (attributes & FILE_ATTRIBUTE_DEVICE) continue;
        bool directory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (directory && !withDirectories) continue;
        // Junctions and symbolic links are reparse points: told apart from real directories.
        DirEntry item;
        item.isLink = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        item.isDirectory = directory && !item.isLink;
        item.name = data.cFileName;
        item.readOnly = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
        item.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        item.lastWrite = UnixFromFileTime(data.ftLastWriteTime);
        out.push_back(item);
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    return true;
}

DateTime NowUtc() {
    SYSTEMTIME st;
    ::GetSystemTime(&st);
    return FromSystemTime(st);
}

DateTime NowLocal() {
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    return FromSystemTime(st);
}

DateTime LocalFromUnix(int64_t seconds) {
    ULARGE_INTEGER value;
    value.QuadPart = static_cast<ULONGLONG>(seconds * 10000000LL + kUnixEpochIn100ns);
    FILETIME utc, local;
    utc.dwLowDateTime = value.LowPart;
    utc.dwHighDateTime = value.HighPart;
    SYSTEMTIME st;
    if (!::FileTimeToLocalFileTime(&utc, &local) || !::FileTimeToSystemTime(&local, &st))
        return DateTime();
    return FromSystemTime(st);
}

namespace {
std::string DateText(const DateTime& when, DWORD flags) {
    SYSTEMTIME st = ToSystemTime(when);
    char buffer[128];
    int n = ::GetDateFormatA(LOCALE_USER_DEFAULT, flags, &st, nullptr, buffer, sizeof buffer);
    return n > 0 ? std::string(buffer) : std::string();
}
} // namespace

std::string FormatShortDate(const DateTime& when) {
    return DateText(when, DATE_SHORTDATE);
}

std::string FormatLongDate(const DateTime& when) {
    return DateText(when, DATE_LONGDATE);
}

std::string FormatTime(const DateTime& when) {
    SYSTEMTIME st = ToSystemTime(when);
    char buffer[64];
    int n = ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, nullptr, buffer, sizeof buffer);
    return n > 0 ? std::string(buffer) : std::string();
}

std::string LastErrorText() {
    // The C library's file calls leave the system's own error behind them, with its words.
    DWORD error = ::GetLastError();
    if (error == 0) return std::strerror(errno);
    char buffer[512];
    DWORD n = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                               error, 0, buffer, sizeof buffer, nullptr);
    std::string text(buffer, n);
    while (!text.empty() &&
           (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    if (text.empty()) text = "error " + std::to_string(error);
    return text;
}

std::string UserName() {
    char buffer[257];
    DWORD size = sizeof buffer;
    if (!::GetUserNameA(buffer, &size)) return std::string();
    return buffer;
}

void* OpenLibrary(const char* name) { return LoadLibraryA(name); }

void* LibraryFunction(void* module, const char* name) {
    if (!module) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}

void CloseLibrary(void* module) {
    if (module) FreeLibrary(static_cast<HMODULE>(module));
}

std::string ModuleFileName(void* module) {
    char name[MAX_PATH + 1];
    DWORD n = GetModuleFileNameA(static_cast<HMODULE>(module), name, sizeof name);
    if (n == 0 || n >= sizeof name) return std::string();
    return std::string(name, n);
}

bool ShowWinHelp(void* owner, const char* helpFile, unsigned command, uintptr_t data) {
    return WinHelpA(static_cast<HWND>(owner), helpFile, command, data) != FALSE;
}

void EndProcess(int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }

} // namespace platform
} // namespace qelvo
