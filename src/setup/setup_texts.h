// The installer's fixed texts: the eight steps' labels, the state words of a step's line, and
// the line format of the installation list.
#pragma once

#include <string>

namespace qelvo {
namespace setup {

extern const char kTitle[]; // every message box of the installer

enum : int { kStepCount = 8 };

// Sub-states of a step: appended, working, ok, warning, error, done.
enum : int {
    kSubFresh = 0,
    kSubWorking = 1,
    kSubOk = 2,
    kSubWarning = 3,
    kSubError = 4,
    kSubDone = 5
};

// Label of step 0..7 in the list; null outside.
const char* StepLabel(int step);
// Word shown in a step's last column for sub-state 0..4 (" ", "Working", "Ok", "Warning",
// "Error"); for 5 and beyond the word of the last real state is not needed: null.
const char* StateWord(int subState);
// "%d/%d\t%s\t%s": step number from 1, the total, the label and the word.
std::string StepLine(int step, const char* word);

} // namespace setup
} // namespace qelvo
