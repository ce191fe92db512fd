// One task of a project's task list and what is computed from tasks alone: the state words,
// the list line, the five sort orders, the date entry and the task types' text.
#pragma once

#include "foundation/qstring.h"
#include "foundation/tableau.h"
#include "platform/platform.h"

#include <cstdint>
#include <string>

namespace qelvo {

// The eight 16-bit fields of a Win32 SYSTEMTIME, in its order; a task uses year, month, day.
struct TaskTime {
    uint16_t year = 0, month = 0, dayOfWeek = 0, day = 0;
    uint16_t hour = 0, minute = 0, second = 0, milliseconds = 0;
};
TaskTime TaskTimeFrom(const platform::DateTime& when);
platform::DateTime DateOf(const TaskTime& time);
// By year, then month, then day: < 0, 0 or > 0.
int CompareDays(const TaskTime& a, const TaskTime& b);

enum TaskState : int32_t { kToDo = 0, kCoded = 1, kTested = 2, kEnded = 3 };
constexpr int kStateCount = 4;

class Task : public Basic {
public:
    // The defaults of a new task; its dates are the creator's to set.
    Task();

    // The record: its version (0), name, type, state, the public flag twice, the priority,
    // start and end as 16 bytes each, the text.
    int fWrite(FILE* file) override;
    // A record of another version is not read (0). Both public words land in the one field,
    // so the second one counts.
    int fRead(FILE* file) override;

    String name;
    String type;
    int32_t state = kToDo;
    int32_t isPublic = 0;
    int32_t priority = 10;
    TaskTime start;
    TaskTime end;
    String text;
};

// "to do", "coded", "tested", "ended"; in capitals for a public task in the list. A state out
// of 0..3 (a damaged file) has no word: "".
const char* StateWord(int32_t state, bool capitals = false);

// The list line: name, type, state word (capitals when public), priority, start and end in the
// user's short date format, separated by tabs.
std::string TaskListLine(const Task& task);

enum TaskSortKey : int32_t { kByState, kByStart, kByEnd, kByPriority, kByType };
constexpr int kSortKeyCount = 5;
// The sort box's texts, in key order.
const char* SortKeyText(int key);
// The comparison of a sort key, falling through its keys until one differs; a key out of
// 0..4 compares nothing.
int CompareTasks(const Task& a, const Task& b, int sortKey);
// Sorts the tasks by the key, the inverse flag reversing every comparison; a key out of 0..4
// leaves them as they are.
void SortTasks(Ensemble<Task>& tasks, int sortKey, bool inverse);

// Whether the user's short date format puts the day first (22 November 1996 formats as
// something beginning with "2").
bool ShortDateIsDayFirst();
// A date field's text (at most 78 characters taken) as "%d/%d/%d": day or month first as said;
// numbers missing keep today's; a two-digit year is one of the 1900s, a full year stays as
// typed (one a SYSTEMTIME cannot hold keeps today's year).
TaskTime ParseDateEntry(const char* text, const platform::DateTime& today, bool dayFirst);
// The priority field: an unsigned decimal number (blanks around it allowed); anything else,
// or a number past 32 bits, gives 0.
int32_t ParsePriority(const char* text);

// "A;B" into the types A and B: a trailing ';' gives no empty type, ";;" an empty one, an empty
// text no types.
void SplitTaskTypes(const char* text, Tableau<String>& types);
std::string JoinTaskTypes(const Tableau<String>& types);

} // namespace qelvo
