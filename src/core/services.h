// Holders of the IDE's services that the add-on keeps for its lifetime, the status line, the
// fatal internal assertion.
#pragma once

#include "ide/ide_services.h"
#include "foundation/tableau.h"

namespace qelvo {

// Shows "Assertion failed: <expression>" titled "Erreur" and ends the process.
[[noreturn]] void FatalAssertion(const char* expression);

// Keeps the FrameService, through which the status line is written.
class StatusHolder {
public:
    explicit StatusHolder(ide::IdeServices* services);
    ~StatusHolder();
    StatusHolder(const StatusHolder&) = delete;
    StatusHolder& operator=(const StatusHolder&) = delete;

    void Show(const char* text);
    ide::FrameService* Frame() const { return frame_; }

private:
    ide::IdeServices* services_;
    ide::FrameService* frame_;
};

// Keeps the OptionService; the add-on cannot work without it.
class OptionReader {
public:
    explicit OptionReader(ide::IdeServices* services);
    ~OptionReader();
    OptionReader(const OptionReader&) = delete;
    OptionReader& operator=(const OptionReader&) = delete;

    ide::OptionService* Service() const { return options_; }

private:
    ide::OptionService* options_;
};

} // namespace qelvo
