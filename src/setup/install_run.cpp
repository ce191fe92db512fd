#include "setup/install_run.h"

#include "setup/setup_texts.h"

namespace qelvo {
namespace setup {

void InstallRun::Start() {
    step_ = 0;
    subState_ = 0;
}

void InstallRun::ReplaceLine(const char* word) {
    list_.Delete(step_);
    list_.Append(StepLine(step_, word));
    list_.Select(step_);
}

void InstallRun::ShowSubAction(const char* label) {
    ReplaceLine(label);
}

bool InstallRun::Advance(const Directories& dirs) {
    if (Ended()) return false;
    switch (subState_) {
    case kSubFresh:
        list_.Append(StepLine(step_, StateWord(kSubFresh)));
        list_.Select(step_);
        subState_ = kSubWorking;
        break;
    case kSubWorking:
        ReplaceLine(StateWord(kSubWorking));
        subState_ = RunStep(step_, dirs, port_, *this) ? kSubOk : kSubError;
        break;
    case kSubOk:
    case kSubWarning:
        ReplaceLine(StateWord(subState_));
        subState_ = kSubDone;
        break;
    case kSubError:
        ReplaceLine(StateWord(kSubError));
        restart = true;
        subState_ = kSubDone;
        break;
    default:
        break;
    }
    if (restart) {
        step_ += kStopRun;
        subState_ = 0;
    }
    if (subState_ > kSubError) {
        ++step_;
        subState_ = 0;
    }
    return step_ < kStepCount;
}

} // namespace setup
} // namespace qelvo
