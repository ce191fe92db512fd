// The engine's only way to the operating system: files, attributes, times, dates, the user name,
// message boxes, tones, and opening documents or programs. One Win32 implementation and one
// POSIX implementation; both take the engine's paths, which use '\' as the IDE's world does.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace qelvo {
namespace platform {

// Message box styles and answers, with Win32's values so the two layers agree.
enum : unsigned {
    kMbOk = 0x0,
    kMbOkCancel = 0x1,
    kMbYesNoCancel = 0x3,
    kMbYesNo = 0x4,
    kMbIconStop = 0x10,
    kMbIconQuestion = 0x20,
    kMbIconExclamation = 0x30,
    kMbIconInformation = 0x40,
    kMbSystemModal = 0x1000,
    kMbTaskModal = 0x2000,
};
enum : int { kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7 };

// Where message boxes and tones go. The system's sink shows MessageBoxA and sounds Beep (on
// POSIX it writes to stderr and answers as if the first button was pressed); tests install a
// recorder.
class MessageSink {
public:
    virtual int Show(void* owner, const char* text, const char* title, unsigned flags) = 0;
    virtual void Tone(unsigned hertz, unsigned milliseconds) = 0;

protected:
    ~MessageSink() = default;
};

// Installs a sink and returns the previous one; null puts the system's sink back.
MessageSink* SetMessageSink(MessageSink* sink);
int ShowMessage(const char* text, const char* title, unsigned flags, void* owner = nullptr);
void Tone(unsigned hertz, unsigned milliseconds);

// Opening a document (the browser on a page) or starting a program (an executable node).
enum class ShowState { kNormal, kMaximized };
class Launcher {
public:
    // directory: the program's working directory (null: the current one).
    virtual bool OpenDocument(const char* path, const char* directory, ShowState show) = 0;
    virtual bool StartProgram(const char* commandLine) = 0;

protected:
    ~Launcher() = default;
};
Launcher* SetLauncher(Launcher* launcher);
bool OpenDocument(const char* path, const char* directory = nullptr,
                  ShowState show = ShowState::kNormal);
bool StartProgram(const char* commandLine);

// ---- Files -------------------------------------------------------------------------------

// The path the operating system is given: on POSIX every '\' becomes '/'.
std::string NativePath(const char* path);
FILE* OpenFile(const char* path, const char* mode);

struct FileStatus {
    bool exists = false;
    bool isDirectory = false;
    // A regular file (or a link to one): opening it never waits for a writer or a device.
    bool isFile = false;
    bool readOnly = false;
    uint64_t size = 0;
    int64_t lastWrite = 0; // seconds since 1970-01-01 UTC
};
FileStatus GetFileStatus(const char* path);
bool FileExists(const char* path);
bool SetReadOnly(const char* path, bool readOnly);

// DOS date and time (local time, 2-second resolution), as the IDE's world stores them.
bool SetFileDosTime(const char* path, uint16_t dosDate, uint16_t dosTime);
bool GetFileDosTime(const char* path, uint16_t& dosDate, uint16_t& dosTime);

// Refuses to replace an existing target, as Windows' MoveFile does.
bool RenameFile(const char* from, const char* to);
// Renames from to to, replacing to when it is a file: in one step, so that the name to always
// names either the old file or the new one (a link named to is replaced, never followed).
bool MoveReplacing(const char* from, const char* to);
// Creates a file that must not exist yet and opens it for writing, in text mode ("w") or binary
// ("wb"). Anything of that name, a link included, makes it fail: a work file never writes
// through a link or into a file another run is writing. Null when it cannot be created.
FILE* OpenNewFile(const char* path, bool text);
bool RemoveFile(const char* path);
bool MakeDirectory(const char* path);
bool RemoveEmptyDirectory(const char* path);
// Copies the whole file, keeping its last-write time.
bool CopyWholeFile(const char* from, const char* to);
std::string CurrentDirectory();
bool ChangeDirectory(const char* path);

struct DirEntry {
    std::string name;
    // A real directory; a link to one is never reported as one, so nobody descends into it.
    bool isDirectory = false;
    // A symbolic link or junction (Win32: a reparse point), reported by what it leads to: as a
    // file when it leads to a regular file, as a link to a directory (isDirectory false) when
    // it leads to a directory.
    bool isLink = false;
    bool readOnly = false;
    uint64_t size = 0;
    int64_t lastWrite = 0;
};
// Lists "dir\pattern" ('*' and '?' wildcards, "*.*" is everything): regular files, and
// directories and links to directories only when asked. Anything else (FIFOs, devices, sockets,
// links to those or to nothing) is left out, so that opening a listed file never blocks.
// Names starting with '.' ("." and ".." included) are reported: callers skip them.
// POSIX matches without regard to case and lists in byte order of names; Win32 lists as
// FindFirstFileA does. False when the directory cannot be read.
bool ListDirectory(const char* pattern, bool withDirectories, std::vector<DirEntry>& out);

// The system's words for why the last failed call of this layer (or of the C library on a file
// it opened) failed: "No such file or directory", "Is a directory". Ask at once: the next call
// may change it.
std::string LastErrorText();

// Wildcard match of one name, case-insensitive ('*' any run, '?' one character; "*.*" matches
// every name, as on DOS).
bool MatchPattern(const char* name, const char* pattern);

// ---- Clock, dates, user ------------------------------------------------------------------

struct DateTime {
    int year = 1970, month = 1, day = 1;
    int dayOfWeek = 4; // 0 = Sunday
    int hour = 0, minute = 0, second = 0;
};
DateTime NowUtc();
DateTime NowLocal();
DateTime LocalFromUnix(int64_t seconds);

// The user's default formats (GetDateFormatA/GetTimeFormatA on Windows; fixed US formats on
// POSIX: 3/5/2024, Tuesday, March 5, 2024, 2:07:09 PM).
std::string FormatShortDate(const DateTime& when);
std::string FormatLongDate(const DateTime& when);
std::string FormatTime(const DateTime& when);

std::string UserName();

// DOS packing helpers shared by both layers.
uint16_t PackDosDate(int year, int month, int day);
uint16_t PackDosTime(int hour, int minute, int second);
DateTime UnpackDos(uint16_t dosDate, uint16_t dosTime);

// ---- Modules, help, the process ----------------------------------------------------------

// A library loaded by name for the time of one use (LoadLibraryA); null when it cannot be
// loaded (always on POSIX, where no Windows library exists).
void* OpenLibrary(const char* name);
// One of its exported functions by name; null when absent.
void* LibraryFunction(void* module, const char* name);
void CloseLibrary(void* module);
// The full file name of a loaded module (the add-on DLL: its instance handle); empty when it
// cannot be read (always on POSIX).
std::string ModuleFileName(void* module);
// Asks the system's help viewer to act on a help file (WinHelpA with its command and data,
// owned by the window); false when it refused (always on POSIX).
bool ShowWinHelp(void* owner, const char* helpFile, unsigned command, uintptr_t data);
enum : unsigned { kHelpContext = 0x1, kHelpQuit = 0x2 };
// Ends the process at once with the exit code.
[[noreturn]] void EndProcess(int exitCode);

} // namespace platform
} // namespace qelvo
