// The parts of the platform layer that are the same on every system: sink dispatch, wildcard
// matching and DOS date packing.
#include "platform/platform.h"

#include <cctype>

namespace qelvo {
namespace platform {

MessageSink& SystemMessageSink();
Launcher& SystemLauncher();

namespace {
MessageSink* currentSink = nullptr;
Launcher* currentLauncher = nullptr;

int Lower(char c) { return std::tolower(static_cast<unsigned char>(c)); }

bool Match(const char* name, const char* pattern) {
    // Iterative match with one back-track point for the last '*'.
    const char* starPattern = nullptr;
    const char* starName = nullptr;
    while (*name) {
        if (*pattern == '*') {
            starPattern = ++pattern;
            starName = name;
        } else if (*pattern == '?' || (*pattern && Lower(*pattern) == Lower(*name))) {
            ++pattern;
            ++name;
        } else if (starPattern) {
            pattern = starPattern;
            name = ++starName;
        } else {
            return false;
        }
    }
    while (*pattern == '*')
        ++pattern;
    return *pattern == 0;
}
} // namespace

MessageSink* SetMessageSink(MessageSink* sink) {
    MessageSink* previous = currentSink;
    currentSink = sink;
    return previous;
}

int ShowMessage(const char* text, const char* title, unsigned flags, void* owner) {
    MessageSink& sink = currentSink ? *currentSink : SystemMessageSink();
    return sink.Show(owner, text ? text : "", title ? title : "", flags);
}

void Tone(unsigned hertz, unsigned milliseconds) {
    MessageSink& sink = currentSink ? *currentSink : SystemMessageSink();
    sink.Tone(hertz, milliseconds);
}

Launcher* SetLauncher(Launcher* launcher) {
    Launcher* previous = currentLauncher;
    currentLauncher = launcher;
    return previous;
}

bool OpenDocument(const char* path, const char* directory, ShowState show) {
    return (currentLauncher ? *currentLauncher : SystemLauncher())
        .OpenDocument(path, directory, show);
}

bool StartProgram(const char* commandLine) {
    return (currentLauncher ? *currentLauncher : SystemLauncher()).StartProgram(commandLine);
}

bool MatchPattern(const char* name, const char* pattern) {
    if (!name || !pattern)
        return false;
    if (pattern[0] == '*' && pattern[1] == '.' && pattern[2] == '*' && pattern[3] == 0)
        return true;
    return Match(name, pattern);
}

bool FileExists(const char* path) { return GetFileStatus(path).exists; }

uint16_t PackDosDate(int year, int month, int day) {
    return static_cast<uint16_t>(((year - 1980) << 9) | (month << 5) | day);
}

uint16_t PackDosTime(int hour, int minute, int second) {
    return static_cast<uint16_t>((hour << 11) | (minute << 5) | (second / 2));
}

DateTime UnpackDos(uint16_t dosDate, uint16_t dosTime) {
    DateTime t;
    t.year = 1980 + (dosDate >> 9);
    t.month = (dosDate >> 5) & 0x0F;
    t.day = dosDate & 0x1F;
    t.hour = dosTime >> 11;
    t.minute = (dosTime >> 5) & 0x3F;
    t.second = (dosTime & 0x1F) * 2;
    // Zeller-free day of week: days since 1970-01-01 (a Thursday).
    int y = t.year, m = t.month;
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    long days = 365L * y + y / 4 - y / 100 + y / 400 + (153 * (m - 3) + 2) / 5 + t.day - 719469;
    t.dayOfWeek = static_cast<int>(((days % 7) + 11) % 7);
    return t;
}

} // namespace platform
} // namespace qelvo
