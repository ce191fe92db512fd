// The add-on's help: its WinHelp file beside the DLL, opened at a topic by context number and
// closed when the add-on stops.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace qelvo {

// The help file of a module: the module's file name with its last three characters, after a
// '.' fourth from the end, made "hlp". False when the name is shorter than 4 characters or has
// no '.' there.
bool HelpFileFor(const char* moduleFileName, char* out, size_t size);

// What the help service asks of the system; tests replace them.
struct HelpCalls {
    std::string (*moduleFileName)(void* instance);
    bool (*winHelp)(void* owner, const char* helpFile, unsigned command, uintptr_t data);
    void (*endProcess)(int exitCode);
};
extern HelpCalls HelpSystem;

class HelpService {
public:
    // Finds the help file from the DLL's module name. A module name that gives none shows the
    // "Fatal" box and ends the process.
    HelpService(void* instance, void* owner);
    // Closes the help file when it was opened.
    ~HelpService();
    HelpService(const HelpService&) = delete;
    HelpService& operator=(const HelpService&) = delete;

    // Opens the help file at the topic of that context number, owned by the add-on window.
    void ShowHelp(unsigned long context);

    int opened = 0;
    void* instance;
    void* owner;
    char helpFile[299] = "";
};

// The add-on's help; null while it does not exist.
extern HelpService* Help;

} // namespace qelvo
