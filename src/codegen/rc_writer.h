// The generated files of one directory, rc<name>.h and rc<name>.cpp, formatted from the
// records of its resource scripts.
#pragma once

#include "codegen/rc_records.h"

#include <cstdio>
#include <string>

namespace qelvo {
namespace codegen {

// The name in a header's include guard (_rc<name>_h_): the directory's name with every byte a
// macro name cannot hold made '_'.
std::string GuardName(const char* name);

class RcWriter final : public RcRecordSink {
public:
    RcWriter(FILE* header, FILE* source) : header_(header), source_(source) {}

    // The opening lines of both files of the directory's pair (name is empty for the project
    // directory's own).
    void Begin(const char* name);
    // Per menu two macros in the header: CallBar_<menu>() and Menubar_<menu>.
    void MenuItems(const Tableau<MenuItemEntry>& items) override;
    // The dialog's class in the header and its members in the source.
    void Dialog(const DialogRecord& dialog) override;
    // The closing lines; the project directory's source also gets the main macro.
    void End(const char* name);

private:
    void Members(const DialogRecord& dialog);
    void Commands(const DialogRecord& dialog);
    void Notifications(const DialogRecord& dialog);

    FILE* header_;
    FILE* source_;
};

} // namespace codegen
} // namespace qelvo
