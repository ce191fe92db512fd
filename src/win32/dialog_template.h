// A dialog template built in memory, for dialogs of code that carries no resources (a static
// library's) and for tests. Sizes in dialog units; the font is 8-point "MS Shell Dlg".
#pragma once

#include <windows.h>

#include <vector>

namespace qelvo {
namespace win32 {

// The predefined control classes a template names by atom.
enum ControlClass : WORD {
    kButtonControl = 0x80,
    kEditControl = 0x81,
    kStaticControl = 0x82,
    kListBoxControl = 0x83,
    kScrollBarControl = 0x84,
    kComboBoxControl = 0x85,
};

class DialogTemplate {
public:
    DialogTemplate(const char* title, DWORD style, short width, short height);
    // WS_CHILD and WS_VISIBLE are added to style. Text: Latin-1.
    void Add(ControlClass control, int id, const char* text, DWORD style, short x, short y,
             short width, short height);
    // Valid until the next Add.
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

private:
    template <class T> void Put(T value);
    void PutText(const char* text);
    void Align();

    // The heap's blocks are aligned for any type, so offsets aligned to DWORDs are aligned in
    // memory too, as the records must be.
    std::vector<unsigned char> bytes_;
    size_t countAt_ = 0;
};

} // namespace win32
} // namespace qelvo
