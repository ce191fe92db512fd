#include "setup/setup_texts.h"

#include <cstdio>

namespace qelvo {
namespace setup {

const char kTitle[] = "Qelvo AddOn installation";

const char* StepLabel(int step) {
    static const char* const labels[kStepCount] = {
        "Verify BC5 directory",   "Verify opened applications",
        "Verify BC version 5.02", "Create Qelvo directory",
        "Copy QelvoAdd.dll",      "Copy QelvoAdd.hlp",
        "Copy QelvoAdd.cnt",      "Set registry database entries",
    };
    return step >= 0 && step < kStepCount ? labels[step] : nullptr;
}

const char* StateWord(int subState) {
    static const char* const words[] = {" ", "Working", "Ok", "Warning", "Error"};
    return subState >= 0 && subState <= kSubError ? words[subState] : nullptr;
}

std::string StepLine(int step, const char* word) {
    const char* label = StepLabel(step);
    char line[300];
    std::snprintf(line, sizeof line, "%d/%d\t%s\t%s", step + 1, int(kStepCount), label ? label : "",
                  word ? word : "");
    return line;
}

} // namespace setup
} // namespace qelvo
