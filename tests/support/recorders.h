// Test doubles for the platform layer's sinks: every message box and launch is recorded, and
// message boxes answer with scripted buttons, so nothing blocks.
#pragma once

#include "platform/platform.h"

#include <deque>
#include <string>
#include <vector>

namespace qelvo {
namespace testing_support {

struct RecordedMessage {
    void* owner;
    std::string text;
    std::string title;
    unsigned flags;
};

class MessageRecorder final : public platform::MessageSink {
public:
    MessageRecorder() { previous_ = platform::SetMessageSink(this); }
    ~MessageRecorder() { platform::SetMessageSink(previous_); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    // The next message boxes answer these buttons in turn; then the first button of the box.
    void Answer(int button) { answers_.push_back(button); }

    int Show(void* owner, const char* text, const char* title, unsigned flags) override {
        messages.push_back({owner, text, title, flags});
        if (!answers_.empty()) {
            int answer = answers_.front();
            answers_.pop_front();
            return answer;
        }
        switch (flags & 0x0F) {
        case platform::kMbYesNo:
        case platform::kMbYesNoCancel:
            return platform::kIdYes;
        default:
            return platform::kIdOk;
        }
    }
    void Tone(unsigned hertz, unsigned milliseconds) override {
        tones.push_back({hertz, milliseconds});
    }

    std::vector<RecordedMessage> messages;
    std::vector<std::pair<unsigned, unsigned>> tones;

private:
    platform::MessageSink* previous_;
    std::deque<int> answers_;
};

class LaunchRecorder final : public platform::Launcher {
public:
    LaunchRecorder() { previous_ = platform::SetLauncher(this); }
    ~LaunchRecorder() { platform::SetLauncher(previous_); }
    LaunchRecorder(const LaunchRecorder&) = delete;
    LaunchRecorder& operator=(const LaunchRecorder&) = delete;

    bool OpenDocument(const char* path, const char* directory,
                      platform::ShowState show) override {
        documents.push_back(path);
        documentDirectories.push_back(directory ? directory : "");
        documentShows.push_back(show);
        return result;
    }
    bool StartProgram(const char* commandLine) override {
        programs.push_back(commandLine);
        return result;
    }

    bool result = true;
    std::vector<std::string> documents;
    std::vector<std::string> documentDirectories;
    std::vector<platform::ShowState> documentShows;
    std::vector<std::string> programs;

private:
    platform::Launcher* previous_;
};

} // namespace testing_support
} // namespace qelvo
