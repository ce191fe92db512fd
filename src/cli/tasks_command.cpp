// qelvo tasks show TASKFILE [--today YYYY-MM-DD]: a task file loaded as the opening of its
// project loads it, printed as the task list window and the Quick Flash show it.
#include "cli/commands.h"
#include "tasks/task_manager.h"

#include <cstdio>
#include <cstring>

namespace qelvo {
namespace cli {

namespace {

const char kUsage[] =
    "usage: qelvo tasks show TASKFILE [--today YYYY-MM-DD]\n"
    "\n"
    "Loads TASKFILE as the opening of its project does (a file that does not load gives a\n"
    "fresh task list) and prints the visible list lines in the file's order (NAME, TYPE,\n"
    "STATE, PRIORITY, START, END, TAB-separated), a line \"--\", the four counters, a line\n"
    "\"--\", then the Quick Flash text of the day (today, or the day given) and a newline.\n"
    "Dates are in the user's short date format.\n";

bool ParseDay(const char* text, platform::DateTime& day) {
    int y, m, d;
    char extra;
    if (std::sscanf(text, "%4d-%2d-%2d%c", &y, &m, &d, &extra) != 3) return false;
    if (y < 1601 || m < 1 || m > 12 || d < 1 || d > 31) return false;
    day.year = y;
    day.month = m;
    day.day = d;
    // Zeller's rule for the day of the week (0 = Sunday), for the long date's name.
    int yy = m < 3 ? y - 1 : y, mm = m < 3 ? m + 12 : m;
    int h = (d + 13 * (mm + 1) / 5 + yy + yy / 4 - yy / 100 + yy / 400) % 7;
    day.dayOfWeek = (h + 6) % 7;
    day.hour = day.minute = day.second = 0;
    return true;
}

} // namespace

int RunTasks(int argc, char** argv) {
    if (argc >= 1 && IsHelp(argv[0])) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc < 2 || std::strcmp(argv[0], "show") != 0) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const char* file = argv[1];
    platform::DateTime today = TaskToday();
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--today") == 0 && i + 1 < argc) {
            if (!ParseDay(argv[++i], today)) return UsageError("--today takes YYYY-MM-DD");
        } else {
            return UsageError((std::string("unknown argument '") + argv[i] + "'").c_str());
        }
    }
    TaskManager tasks(false);
    tasks.Load(file);
    for (int i = 0; i < tasks.visible.count; ++i)
        std::printf("%s\n", TaskListLine(*tasks.visible.At(i)).c_str());
    std::printf("--\n");
    for (int state = 0; state < kStateCount; ++state)
        std::printf("%s\n", tasks.CounterText(state).c_str());
    std::printf("--\n");
    bool current = false;
    const std::string flash = tasks.FlashText(today, current);
    std::fwrite(flash.data(), 1, flash.size(), stdout);
    std::printf("\n");
    return std::fflush(stdout) == 0 ? 0 : 2;
}

} // namespace cli
} // namespace qelvo
