#include "tasks/task.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstring>

namespace qelvo {

namespace {

const char* const kLowerWords[kStateCount] = {"to do", "coded", "tested", "ended"};
const char* const kUpperWords[kStateCount] = {"TO DO", "CODED", "TESTED", "ENDED"};
const char* const kSortTexts[kSortKeyCount] = {"by state", "by start date", "by end date",
                                               "by priority", "by type"};

int WriteTime(FILE* file, const TaskTime& t) {
    const uint16_t fields[8] = {t.year, t.month,  t.dayOfWeek, t.day,
                                t.hour, t.minute, t.second,    t.milliseconds};
    for (uint16_t f : fields)
        if (!WriteUInt16(file, f)) return 0;
    return 1;
}

int ReadTime(FILE* file, TaskTime& t) {
    uint16_t* fields[8] = {&t.year, &t.month,  &t.dayOfWeek, &t.day,
                           &t.hour, &t.minute, &t.second,    &t.milliseconds};
    for (uint16_t* f : fields)
        if (!ReadUInt16(file, *f)) return 0;
    return 1;
}

int Sign(long long difference) {
    return difference < 0 ? -1 : difference > 0 ? 1 : 0;
}

int CompareText(const String& a, const String& b) {
    return Sign(std::strcmp(a.c_str(), b.c_str())); // strcmp compares unsigned characters
}

enum Field { kState, kStart, kEnd, kPriority, kType, kName };

int CompareField(const Task& a, const Task& b, Field field) {
    switch (field) {
    case kState:
        return Sign(static_cast<long long>(a.state) - b.state);
    case kStart:
        return CompareDays(a.start, b.start);
    case kEnd:
        return CompareDays(a.end, b.end);
    case kPriority:
        return Sign(static_cast<long long>(a.priority) - b.priority);
    case kType:
        return CompareText(a.type, b.type);
    case kName:
        return CompareText(a.name, b.name);
    }
    return 0;
}

const Field kOrders[kSortKeyCount][6] = {
    {kState, kStart, kEnd, kPriority, kType, kName},
    {kStart, kState, kEnd, kPriority, kType, kName},
    {kEnd, kState, kStart, kPriority, kType, kName},
    {kPriority, kState, kStart, kEnd, kType, kName},
    {kType, kState, kStart, kEnd, kPriority, kName},
};

// One "%d" as scanf reads it: blanks, a sign, digits. Values past int are held at its ends.
bool ReadNumber(const char*& p, int& value) {
    const char* q = p;
    while (*q && std::isspace(static_cast<unsigned char>(*q)))
        ++q;
    bool negative = false;
    if (*q == '+' || *q == '-') negative = *q++ == '-';
    if (!std::isdigit(static_cast<unsigned char>(*q))) return false;
    long long n = 0;
    for (; std::isdigit(static_cast<unsigned char>(*q)); ++q)
        n = std::min<long long>(n * 10 + (*q - '0'), static_cast<long long>(INT_MAX) + 1);
    n = negative ? -n : n;
    value = static_cast<int>(std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, n)));
    p = q;
    return true;
}

} // namespace

TaskTime TaskTimeFrom(const platform::DateTime& when) {
    TaskTime t;
    t.year = static_cast<uint16_t>(when.year);
    t.month = static_cast<uint16_t>(when.month);
    t.dayOfWeek = static_cast<uint16_t>(when.dayOfWeek);
    t.day = static_cast<uint16_t>(when.day);
    t.hour = static_cast<uint16_t>(when.hour);
    t.minute = static_cast<uint16_t>(when.minute);
    t.second = static_cast<uint16_t>(when.second);
    return t;
}

platform::DateTime DateOf(const TaskTime& time) {
    platform::DateTime d;
    d.year = time.year;
    d.month = time.month;
    d.day = time.day;
    d.dayOfWeek = time.dayOfWeek;
    d.hour = time.hour;
    d.minute = time.minute;
    d.second = time.second;
    return d;
}

int CompareDays(const TaskTime& a, const TaskTime& b) {
    if (a.year != b.year) return a.year < b.year ? -1 : 1;
    if (a.month != b.month) return a.month < b.month ? -1 : 1;
    if (a.day != b.day) return a.day < b.day ? -1 : 1;
    return 0;
}

Task::Task() : name("New task"), type("Bug"), text("Something to do") {}

int Task::fWrite(FILE* file) {
    return WriteInt32(file, 0) && name.fWrite(file) && type.fWrite(file) &&
           WriteInt32(file, state) && WriteInt32(file, isPublic) && WriteInt32(file, isPublic) &&
           WriteInt32(file, priority) && WriteTime(file, start) && WriteTime(file, end) &&
           text.fWrite(file);
}

int Task::fRead(FILE* file) {
    int32_t version;
    if (!ReadInt32(file, version) || version != 0) return 0;
    return name.fRead(file) && type.fRead(file) && ReadInt32(file, state) &&
           ReadInt32(file, isPublic) && ReadInt32(file, isPublic) && ReadInt32(file, priority) &&
           ReadTime(file, start) && ReadTime(file, end) && text.fRead(file);
}

const char* StateWord(int32_t state, bool capitals) {
    if (state < 0 || state >= kStateCount) return "";
    return capitals ? kUpperWords[state] : kLowerWords[state];
}

std::string TaskListLine(const Task& task) {
    std::string line = task.name.c_str();
    line += '\t';
    line += task.type.c_str();
    line += '\t';
    line += StateWord(task.state, task.isPublic != 0);
    line += '\t';
    line += std::to_string(task.priority);
    line += '\t';
    line += platform::FormatShortDate(DateOf(task.start));
    line += '\t';
    line += platform::FormatShortDate(DateOf(task.end));
    return line;
}

const char* SortKeyText(int key) {
    return key >= 0 && key < kSortKeyCount ? kSortTexts[key] : "";
}

int CompareTasks(const Task& a, const Task& b, int sortKey) {
    if (sortKey < 0 || sortKey >= kSortKeyCount) return 0;
    for (Field field : kOrders[sortKey])
        if (int c = CompareField(a, b, field)) return c;
    return 0;
}

void SortTasks(Ensemble<Task>& tasks, int sortKey, bool inverse) {
    if (sortKey < 0 || sortKey >= kSortKeyCount || tasks.count < 2) return;
    const int sign = inverse ? -1 : 1;
    std::stable_sort(tasks.items, tasks.items + tasks.count, [&](Basic* x, Basic* y) {
        return sign * CompareTasks(*static_cast<Task*>(x), *static_cast<Task*>(y), sortKey) < 0;
    });
}

bool ShortDateIsDayFirst() {
    platform::DateTime probe;
    probe.year = 1996;
    probe.month = 11;
    probe.day = 22;
    probe.dayOfWeek = 5;
    const std::string text = platform::FormatShortDate(probe);
    return !text.empty() && text[0] == '2';
}

TaskTime ParseDateEntry(const char* text, const platform::DateTime& today, bool dayFirst) {
    char field[79] = "";
    std::strncat(field, text ? text : "", 78);
    int numbers[3];
    int found = 0;
    const char* p = field;
    while (found < 3 && ReadNumber(p, numbers[found])) {
        ++found;
        if (found < 3 && *p++ != '/') break;
    }
    int day = today.day, month = today.month, year = today.year;
    if (found > 0) (dayFirst ? day : month) = numbers[0];
    if (found > 1) (dayFirst ? month : day) = numbers[1];
    // Two digits are a year of the 1900s; a full year is kept, so that the dates the fields
    // show come back unchanged when Ok stores them.
    if (found > 2) year = numbers[2] >= 0 && numbers[2] < 100 ? 1900 + numbers[2] : numbers[2];
    if (year < 1601 || year > 30827) year = today.year; // beyond what a SYSTEMTIME holds
    platform::DateTime date;
    date.year = year;
    date.month = month;
    date.day = day;
    date.dayOfWeek = 0;
    return TaskTimeFrom(date);
}

int32_t ParsePriority(const char* text) {
    const char* p = text ? text : "";
    while (*p == ' ' || *p == '\t')
        ++p;
    if (!std::isdigit(static_cast<unsigned char>(*p))) return 0;
    unsigned long long n = 0;
    for (; std::isdigit(static_cast<unsigned char>(*p)); ++p) {
        n = n * 10 + static_cast<unsigned>(*p - '0');
        if (n > 0xFFFFFFFFull) return 0;
    }
    while (*p == ' ' || *p == '\t')
        ++p;
    if (*p) return 0;
    return static_cast<int32_t>(static_cast<uint32_t>(n));
}

void SplitTaskTypes(const char* text, Tableau<String>& types) {
    types.RemoveRange(0, 0);
    const char* start = text ? text : "";
    for (;;) {
        const char* stop = std::strchr(start, ';');
        if (!stop) {
            if (*start) types.Append(new String(start));
            return;
        }
        String* type = new String();
        SetText(*type, start, static_cast<size_t>(stop - start));
        types.Append(type);
        start = stop + 1;
    }
}

std::string JoinTaskTypes(const Tableau<String>& types) {
    std::string text;
    for (int i = 0; i < types.count; ++i) {
        if (i) text += ';';
        if (types.At(i)) text += types.At(i)->c_str();
    }
    return text;
}

} // namespace qelvo
