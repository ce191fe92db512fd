// The run of the installation: one step advances by one sub-state per run message, so the
// dialog repaints between them. Each step has one line in the list, "%d/%d\t%s\t%s".
#pragma once

#include "setup/install_steps.h"
#include "setup/setup_texts.h"

#include <string>

namespace qelvo {
namespace setup {

// The installation list (a list box with tab stops).
class StepList {
public:
    virtual void Append(const std::string& line) = 0;
    virtual void Delete(int index) = 0;
    virtual void Select(int index) = 0;

protected:
    ~StepList() = default;
};

enum : int { kStopRun = 1000 }; // added to the step when a failure stops the run

class InstallRun : private SubActionSink {
public:
    InstallRun(StepList& list, StepPort& port) : list_(list), port_(port) {}

    // "Install": from step 0, sub-state 0 (the restart flag is the caller's).
    void Start();
    // One run message. True while the run goes on (post the message again).
    bool Advance(const Directories& dirs);

    int step() const { return step_; }
    int subState() const { return subState_; }
    bool Ended() const { return step_ > kStepCount - 1; }
    // Set by a failing step; the dialog then reopens when it is closed.
    bool restart = false;

private:
    void ShowSubAction(const char* label) override;
    void ReplaceLine(const char* word);

    StepList& list_;
    StepPort& port_;
    int step_ = 0;
    int subState_ = 0;
};

} // namespace setup
} // namespace qelvo
