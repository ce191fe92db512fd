#include "core/window_rules.h"

#include <cstring>

namespace qelvo {

bool TitleMatchesPart(const char* title, const char* part) {
    if (!title || !part)
        return false;
    char upper[kTitleBuffer];
    int n = 0;
    for (; title[n] && n < kTitleBuffer - 1; ++n) {
        char c = title[n];
        upper[n] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    upper[n] = 0;
    const char* found = std::strstr(upper, part);
    if (!found)
        return false;
    if (found != upper && found[-1] != '\\' && found[-1] != '/')
        return false;
    char after = found[std::strlen(part)];
    return after == 0 || after == ':';
}

void CleanEditorTitle(char* title) {
    if (!title)
        return;
    int length = static_cast<int>(std::strlen(title));
    for (int i = length - 1; i >= 2; --i) {
        char c = title[i];
        if (c == ':' || c == '*' || (c == ' ' && title[i + 1] == 0))
            title[i] = 0;
    }
}

int KeyCode(int virtualKey, bool shift, bool alt, bool ctrl) {
    return virtualKey + (shift ? 1000 : 0) + (alt ? 2000 : 0) + (ctrl ? 4000 : 0);
}

} // namespace qelvo
