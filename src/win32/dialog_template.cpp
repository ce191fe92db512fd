#include "win32/dialog_template.h"

#include <cstring>

namespace qelvo {
namespace win32 {

DialogTemplate::DialogTemplate(const char* title, DWORD style, short width, short height) {
    Put(static_cast<DWORD>(style | DS_SETFONT));
    Put(static_cast<DWORD>(0)); // extended style
    countAt_ = bytes_.size();
    Put(static_cast<WORD>(0));
    Put(static_cast<short>(0));
    Put(static_cast<short>(0));
    Put(width);
    Put(height);
    Put(static_cast<WORD>(0)); // no menu
    Put(static_cast<WORD>(0)); // the dialog class
    PutText(title);
    Put(static_cast<WORD>(8));
    PutText("MS Shell Dlg");
}

void DialogTemplate::Add(ControlClass control, int id, const char* text, DWORD style, short x,
                         short y, short width, short height) {
    Align();
    Put(static_cast<DWORD>(style | WS_CHILD | WS_VISIBLE));
    Put(static_cast<DWORD>(0)); // extended style
    Put(x);
    Put(y);
    Put(width);
    Put(height);
    Put(static_cast<WORD>(id));
    Put(static_cast<WORD>(0xFFFF)); // a class by atom follows
    Put(static_cast<WORD>(control));
    PutText(text);
    Put(static_cast<WORD>(0)); // no creation data
    WORD count = 0;
    std::memcpy(&count, &bytes_[countAt_], sizeof count);
    ++count;
    std::memcpy(&bytes_[countAt_], &count, sizeof count);
}

template <class T> void DialogTemplate::Put(T value) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(&value);
    bytes_.insert(bytes_.end(), p, p + sizeof value);
}

void DialogTemplate::PutText(const char* text) {
    for (const char* c = text; *c; ++c)
        Put(static_cast<WORD>(static_cast<unsigned char>(*c)));
    Put(static_cast<WORD>(0));
}

void DialogTemplate::Align() {
    while (bytes_.size() % 4)
        bytes_.push_back(0);
}

} // namespace win32
} // namespace qelvo
