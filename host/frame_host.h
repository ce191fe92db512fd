// The stand-in IDE's frame service: the frame window (set once windows exist) and the status
// line, whose every text is logged for tests.
#pragma once

#include "ide/ide_messages.h"
#include "host_object.h"
#include "host_string.h"

#include <functional>
#include <string>
#include <vector>

namespace qelvo {
namespace host {

class FrameHost final : public ServiceObject<ide::FrameService> {
public:
    FrameHost() = default;

    const std::string& StatusText() const { return statusText_; }
    const std::vector<std::string>& StatusLog() const { return statusLog_; }
    void ShowStatus(const std::string& text) {
        statusText_ = text;
        statusLog_.push_back(text);
        if (listener_) listener_(text);
    }
    // The status line window shows each text through it. Empty: nobody is told.
    void SetStatusListener(std::function<void(const std::string&)> listener) {
        listener_ = std::move(listener);
    }
    void SetFrameWindow(void* window) { frameWindow_ = window; }

    void* QELVO_IDECALL FrameWindow() override { return frameWindow_; }
    void QELVO_IDECALL SetStatusText(ide::HostString* text) override { ShowStatus(TakeText(text)); }

private:
    void* frameWindow_ = nullptr;
    std::string statusText_;
    std::vector<std::string> statusLog_;
    std::function<void(const std::string&)> listener_;
};

} // namespace host
} // namespace qelvo
