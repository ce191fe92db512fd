// Uses the C++ library so that a dynamic link imports the mingw runtime DLL.
#include <string>

extern "C" __declspec(dllexport) int FixtureLength(const char* text) {
    return static_cast<int>(std::string(text).size());
}
